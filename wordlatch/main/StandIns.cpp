#include "StandIns.h"

namespace wl {

namespace {
void Name(QWidget* w, const char* objectName, const char* caption) {
    w->setObjectName(objectName);
    w->setWindowTitle(caption);
}
} // namespace

TDemPrefForm::TDemPrefForm() {
    Name(this, "DemPrefForm", "Preferences");
}

TAnalysisForm::TAnalysisForm() {
    Name(this, "AnalysisForm", "Puzzle Analysis");
}

} // namespace wl

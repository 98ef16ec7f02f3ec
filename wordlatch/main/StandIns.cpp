#include "StandIns.h"

#include <QLineEdit>

namespace wl {

namespace {
void Name(QWidget* w, const char* objectName, const char* caption) {
    w->setObjectName(objectName);
    w->setWindowTitle(caption);
}
} // namespace

TExportForm::TExportForm() {
    Name(this, "ExportForm", "Export");
}

TDemPrefForm::TDemPrefForm() {
    Name(this, "DemPrefForm", "Preferences");
}

TDemPrintForm::TDemPrintForm() : TitleEdit(new QLineEdit(this)) {
    Name(this, "DemPrintForm", "Print Puzzle");
    TitleEdit->setObjectName("TitleEdit");
    TitleEdit->setMaxLength(60);
}

TAnalysisForm::TAnalysisForm() {
    Name(this, "AnalysisForm", "Puzzle Analysis");
}

} // namespace wl

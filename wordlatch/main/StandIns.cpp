#include "StandIns.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace wl {

namespace {
void Name(QWidget* w, const char* objectName, const char* caption) {
    w->setObjectName(objectName);
    w->setWindowTitle(caption);
}
} // namespace

TAutoclueForm::TAutoclueForm() {
    Name(this, "AutoclueForm", "Autoclue");
}

void TAutoclueForm::BringToFront() {
    raise();
    activateWindow();
}

TCluesForm::TCluesForm() : ClueList(new QListWidget(this)) {
    Name(this, "CluesForm", "Clues");
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    ClueList->setObjectName("ClueList");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ClueList);
    resize(235, 287);
}

void TCluesForm::SelectClue(int index) {
    if (index < 0 || index >= ClueList->count())
        ClueList->setCurrentRow(-1);
    else
        ClueList->setCurrentRow(index);
}

QString TCluesForm::SelectedText() const {
    const QListWidgetItem* item = ClueList->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

TScoreForm::TScoreForm() {
    Name(this, "ScoreForm", "Score Card");
}

TDemPrefForm::TDemPrefForm() {
    Name(this, "DemPrefForm", "Preferences");
}

TAnalysisForm::TAnalysisForm() {
    Name(this, "AnalysisForm", "Puzzle Analysis");
}

} // namespace wl

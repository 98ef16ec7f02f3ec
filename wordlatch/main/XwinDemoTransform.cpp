// The main window's design commands: the byline, the three grid transforms,
// the copy of the bare grid, the grid scan and the design guidelines.
#include "XwinDemo1.h"

#include "AutoclueTools.h"
#include "DemoAutoUnit.h"
#include "DemoGridUnit.h"
#include "DictionaryUnit.h"
#include "SafeSave.h"
#include "ScanUnit.h"
#include "Transforms.h"
#include "Win1252.h"
#include "WordScan.h"
#include "WordlatchApp.h"

#include <QAction>
#include <QLabel>
#include <QSpinBox>

namespace wl {

namespace {

// What each transform would clear, asked before it does.
QString LossQuestion(TTransform t) {
    switch (t) {
    case TTransform::Invert:
        return InvertQuestion;
    case TTransform::Turn:
        return TurnQuestion;
    case TTransform::Flip:
        break;
    }
    return FlipQuestion;
}

} // namespace

void TDemMainForm::ShowByline() {
    const std::string byline = App.DemProcs.Puzzle.Byline.Text();
    Byline->setText(byline.empty() ? QString("a Wordlatch puzzle") : FromWin1252("by " + byline));
}

void TDemMainForm::Byline1Click() {
    TXwdString& stored = App.DemProcs.Puzzle.Byline;
    const QString old = FromWin1252(stored.Text());
    const std::optional<QString> typed = App.Prompts->AskText(BylineLabel, old, MaxClueLength);
    if (!typed || *typed == old) return;
    // The record holds 60 single-byte characters; anything else is refused, not changed.
    const QString unstorable = Unstorable(*typed);
    if (!unstorable.isEmpty()) {
        App.Prompts->ErrorBox(QString("\"%1\" cannot be stored in a byline.").arg(unstorable));
        return;
    }
    if (typed->size() > MaxClueLength) {
        App.Prompts->ErrorBox(BylineTooLong);
        return;
    }
    App.History.Change("Byline", [&] { stored.SetText(ToWin1252(*typed)); });
    ShowByline();
}

void TDemMainForm::TransformClick(TTransform t) {
    TDemProcs& procs = App.DemProcs;
    if (TransformLoses(procs.Puzzle, t) &&
        App.Prompts->Confirm(LossQuestion(t), TPromptButtons::YesNo) != TPromptAnswer::Yes)
        return;
    // The editor's walk points at words the transform moves.
    if (App.AutoclueForm->isVisible()) App.AutoclueForm->close();
    if (!App.History.Change("Transform", [&] { Transform(procs.Puzzle, t); })) App.History.MarkChanged();
    RefreshFromRecord();
}

void TDemMainForm::CopyGridAs1Click() {
    TDemProcs& procs = App.DemProcs;
    const QString path = AskNewXwdFile("Copy grid as");
    if (path.isEmpty()) return;
    // The bare grid over the open puzzle's own file, by any of its names, would lose that puzzle.
    if (puzzles::SameFile(path.toStdString(), procs.PuzzleFileName)) {
        App.Prompts->ErrorBox(CopyOverOpenPuzzle);
        return;
    }
    TDemProcs copy;
    copy.Puzzle = GridPattern(procs.Puzzle);
    Reported([&] { copy.SavePuzzle(path.toStdString()); });
}

void TDemMainForm::ScanGrid1Click() {
    if (!App.ScanForm) {
        App.ScanForm = std::make_unique<TScanForm>(App.DemProcs, *App.DemGridForm);
        App.ScanForm->WordChecks = [this](const TXwdPuzzle& p) {
            const TDictionaryForm* d = App.DictionaryForm.get();
            return d && d->Words() ? ScanWords(p, *d->Words(), d->ScoreSpin->value())
                                   : std::vector<TScanFinding>{};
        };
    }
    // Chosen again while open, it scans the grid as it is now.
    if (App.ScanForm->isVisible())
        App.ScanForm->Rescan();
    else
        App.ScanForm->show();
    App.ScanForm->raise();
    App.ScanForm->activateWindow();
}

void TDemMainForm::ShowGuidelines1Click() {
    App.DemGridForm->SetGuidelines(ShowGuidelines1->isChecked());
}

} // namespace wl

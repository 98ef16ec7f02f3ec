// The main window's puzzle handling: new, open, show, save, revert, statistics
// and the window arrangement.
#include "XwinDemo1.h"

#include "DemoAutoUnit.h"
#include "DemoClueUnit.h"
#include "DemoGridUnit.h"
#include "DemoMsgUnit.h"
#include "DemoPrintUnit.h"
#include "GridStatistics.h"
#include "ScanUnit.h"
#include "Win1252.h"
#include "WordlatchApp.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace wl {

namespace {

// Outer position and size of a window, frame included.
void SetOuterGeometry(QWidget* window, const QRect& outer) {
    const QSize frame = window->frameGeometry().size() - window->size();
    window->move(outer.topLeft());
    window->resize(outer.size() - frame);
}

} // namespace

bool TDemMainForm::Reported(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        App.Prompts->ReportException(QString::fromLocal8Bit(e.what()));
        return false;
    }
}

bool TDemMainForm::SaveChangesPrompt() {
    TDemProcs& procs = App.DemProcs;
    const auto save = [&] { return Reported([&] { procs.SavePuzzle(procs.PuzzleFileName); }); };
    // The solver's progress is always kept.
    if (procs.PuzzleMode == ModeSolve) return save();
    switch (App.Prompts->Confirm("Puzzle has changed. Save current changes?",
                                 TPromptButtons::YesNoCancel)) {
    case TPromptAnswer::Yes:
        return save();
    case TPromptAnswer::No:
        procs.PuzzleChanged = false;
        return true;
    default:
        return false;
    }
}

void TDemMainForm::Open1Click(bool forSolving) {
    TDemProcs& procs = App.DemProcs;
    if (procs.PuzzleChanged && !SaveChangesPrompt()) return;
    TFileDialogOptions options = XwdDialogOptions(
        forSolving ? "Open puzzle for solving" : "Open puzzle for constructing", "*.xwd");
    options.Filter = OpenFilter;
    options.MustExist = true;
    const QString path = App.Services.FileDialogs->Execute(this, options);
    if (!path.isEmpty()) OpenPuzzleFile(path, forSolving);
}

void TDemMainForm::OpenPuzzleFile(const QString& path, bool forSolving) {
    TDemProcs& procs = App.DemProcs;
    const std::optional<TExchangeFormat> format = FormatOfFile(path.toStdString());
    bool solving = forSolving;
    if (format && *format != TExchangeFormat::Xwd) {
        if (!ImportPuzzle(path, *format)) {
            ReloadPrevious();
            return;
        }
        // Without answers there is nothing to score: such a puzzle is constructed first.
        solving = forSolving && HasAnswers(procs.Puzzle);
    } else {
        try {
            procs.LoadPuzzle(path.toStdString());
        } catch (const EInOutError&) {
            App.Prompts->ErrorBox("Puzzle not in XWD format or is corrupt.");
            ReloadPrevious();
            return;
        }
        procs.PuzzleFileName = path.toStdString();
    }
    procs.PuzzleMode = solving ? ModeSolve : ModeLetters;
    ShowPuzzle();
}

void TDemMainForm::ReloadPrevious() {
    TDemProcs& procs = App.DemProcs;
    // So changes answered with No are gone.
    if (procs.PuzzleFileName.empty() || !Reported([&] { procs.LoadPuzzle(procs.PuzzleFileName); }))
        return;
    RefreshFromRecord();
    App.History.Restart();
}

QString TDemMainForm::AskNewXwdFile(const QString& title) {
    TFileDialogOptions options = XwdDialogOptions(title, "untitled.xwd");
    options.Save = true;
    options.OverwritePrompt = true;
    const QString path = App.Services.FileDialogs->Execute(this, options);
    if (path.isEmpty() || !ExtensionDiffers(path, options.DefaultExt)) return path;
    App.Prompts->ErrorBox("Not a valid XWD puzzle.");
    return {};
}

void TDemMainForm::NewPuzzleClick(QAction* item) {
    TDemProcs& procs = App.DemProcs;
    const QString size = item->text().left(2);
    if (procs.PuzzleChanged && !SaveChangesPrompt()) return;
    const QString path = AskNewXwdFile("New " + size + "x puzzle for constructing");
    if (path.isEmpty()) return;
    // A new puzzle that cannot be saved is not created: the open one stays as it was.
    const TXwdPuzzle previous = procs.Puzzle;
    const bool previousChanged = procs.PuzzleChanged;
    procs.NewPuzzle(std::int16_t(size.toInt()));
    if (!Reported([&] { procs.SavePuzzle(path.toStdString()); })) {
        procs.Puzzle = previous;
        procs.PuzzleChanged = previousChanged;
        return;
    }
    procs.PuzzleMode = ModeLetters;
    procs.PuzzleFileName = path.toStdString();
    ShowPuzzle();
}

void TDemMainForm::ShowPuzzle() {
    TDemProcs& procs = App.DemProcs;
    const bool solving = procs.PuzzleMode == ModeSolve;
    const TSystemMetrics& m = App.Services.Metrics;

    App.History.Restart();
    LogoImage->hide();
    if (App.AutoclueForm->isVisible()) App.AutoclueForm->close();
    DataMemo->show();
    DataMemo->clear();
    for (QAction* a : {Save1, Print1, ReverttoSaved1}) a->setEnabled(true);
    SetOuterHeight(2 * m.CaptionHeight + ModeLabel->geometry().bottom() + 1 + DataMemo->height() +
                   Byline->height() + 12);
    App.DemPrintForm->TitleEdit->clear();

    TDemGridForm& grid = *App.DemGridForm;
    grid.setWindowTitle(QFileInfo(QString::fromStdString(procs.PuzzleFileName)).fileName());
    if (grid.isVisible()) grid.hide();
    grid.show();
    App.CluesForm->hide();

    for (QAction* a : ConstructionItems()) a->setEnabled(!solving);
    ScorePuzzle1->setEnabled(solving);
    for (QToolButton* b : {SquaresBtn, LettersBtn, SymmetryBtn, AutoclueBtn})
        SetToolEnabled(b, !solving);
    SetToolEnabled(CheatBtn, solving);

    grid.SetGuidelines(!solving && ShowGuidelines1->isChecked());
    UpdateBtn->setVisible(!solving);
    Byline->setVisible(solving);
    App.CluesForm->setVisible(solving);
    if (solving) {
        ModeLabel->clear();
        ShowByline();
    } else {
        LettersBtn->setChecked(true);
        ModeLabel->setText("Specifications");
        UpdateBtnClick();
    }
    AutoArrange1Click();
}

void TDemMainForm::UpdateBtnClick() {
    SetDataMemo(SpecificationsText(App.DemProcs.Puzzle));
    ToolPanel->setFocus();
}

void TDemMainForm::Save1Click() {
    TDemProcs& procs = App.DemProcs;
    // The status window closes also when the save fails.
    Reported([&] {
        App.InfoWin->ShowWhile(InfoSaving, [&] { procs.SavePuzzle(procs.PuzzleFileName); });
    });
}

void TDemMainForm::ReverttoSaved1Click() {
    TDemProcs& procs = App.DemProcs;
    if (App.Prompts->Confirm("Discard all recent changes and return to last saved puzzle?",
                             TPromptButtons::YesNo) != TPromptAnswer::Yes)
        return;
    if (!Reported([&] { procs.LoadPuzzle(procs.PuzzleFileName); })) return;
    RefreshFromRecord();
    procs.PuzzleChanged = false;
    App.History.Restart();
}

void TDemMainForm::RefreshFromRecord() {
    TDemGridForm& grid = *App.DemGridForm;
    grid.Direction = 0;
    grid.Invalidate();
    if (App.DemProcs.PuzzleMode == ModeSolve) {
        ModeLabel->clear();
        DataMemo->clear();
        App.CluesForm->SelectClue(-1);
    } else {
        UpdateBtnClick();
    }
}

void TDemMainForm::ShowRestored() {
    RefreshFromRecord();
    App.AutoclueForm->ShowRestored();
    if (App.ScanForm && App.ScanForm->isVisible()) App.ScanForm->Rescan();
}

void TDemMainForm::AutoArrange1Click() {
    ArrangeWindowsAs(1);
}

void TDemMainForm::ArrangeWindowsAs(int preset) {
    TDemGridForm& grid = *App.DemGridForm;
    const QSize screen = App.Services.ScreenSize();
    const QSize main(OuterWidth(), OuterHeight());
    const TArrangement a =
        ArrangeWindows(screen, QSize(grid.OuterWidth(), grid.OuterHeight()), main, preset);
    grid.move(a.Grid);
    move(a.Main);
    if (App.DemProcs.PuzzleMode == ModeSolve) SetOuterGeometry(App.CluesForm.get(), a.Clues);
}

} // namespace wl

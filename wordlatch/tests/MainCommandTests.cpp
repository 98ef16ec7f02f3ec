// The main window's commands: menu enablement through the states, tool buttons,
// saving with the status window, help, printer set-up, and how the window looks.
#include "MainTestSupport.h"

#include "DemoAboutUnit.h"
#include "ExportChoice.h"
#include "HelpWindow.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

namespace wl::fakes {
namespace {

struct TEnablement {
    bool Save, Print, Revert, Score, Special, Cheat, Squares, Letters, Symmetry, Autoclue;
};

void ExpectEnablement(const TDemMainForm& m, const TEnablement& e, const char* state) {
    SCOPED_TRACE(state);
    EXPECT_EQ(m.Save1->isEnabled(), e.Save);
    EXPECT_EQ(m.Print1->isEnabled(), e.Print);
    EXPECT_EQ(m.ReverttoSaved1->isEnabled(), e.Revert);
    EXPECT_EQ(m.ScorePuzzle1->isEnabled(), e.Score);
    EXPECT_EQ(m.Special1->menuAction()->isEnabled(), e.Special);
    EXPECT_EQ(m.CheatBtn->isEnabled(), e.Cheat);
    EXPECT_EQ(m.SquaresBtn->isEnabled(), e.Squares);
    EXPECT_EQ(m.LettersBtn->isEnabled(), e.Letters);
    EXPECT_EQ(m.SymmetryBtn->isEnabled(), e.Symmetry);
    EXPECT_EQ(m.AutoclueBtn->isEnabled(), e.Autoclue);
    // The construction entries of "&Puzzle" and "&Options " go with the "&Special" menu.
    for (QAction* a : {m.SavePuzzleAs1, m.CopyGridAs1, m.ScanGrid1})
        EXPECT_EQ(a->isEnabled(), e.Special) << a->objectName().toStdString();
    // Always enabled, whatever the state; the entries of "&Special" follow their menu.
    for (QAction* a : {m.Solve1,
                       m.Open1,
                       m.N11x1,
                       m.N23x1,
                       m.PrinterSetup1,
                       m.AutoArrange1,
                       m.Preferences1,
                       m.Dictionary1,
                       m.Thesaurus1,
                       m.ClueBank1,
                       m.Scratchpad1,
                       m.Mailbot1,
                       m.Help2,
                       m.About1,
                       m.Exit1,
                       m.ExportEPS1,
                       m.Invert1,
                       m.Byline1,
                       m.GridtoClipboard1,
                       m.Analysis1})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    // A tool button shows its hint exactly while it is enabled.
    for (QToolButton* b : {m.MouseBtn, m.CheatBtn, m.SquaresBtn, m.AutoclueBtn})
        EXPECT_EQ(b->toolTip().isEmpty(), !b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(MainWindowTest, MenuEnablementThroughTheStates) {
    ExpectEnablement(*Main, {false, false, false, false, false, false, false, false, false, false},
                     "no puzzle");
    NewPuzzle(Main->N11x1, "build.xwd");
    ExpectEnablement(*Main, {true, true, true, false, true, false, true, true, true, true},
                     "construction");
    OpenPuzzle(Path("build.xwd"), true);
    ExpectEnablement(*Main, {true, true, true, true, false, true, false, false, false, false},
                     "solve");
    EXPECT_EQ(Main->CheatBtn->toolTip(), "Show puzzle answers");

    // The score card's Delete: the file becomes ".XW!" and only New, Open and Solve lead on.
    Main->ScoreResult(mrAbort);
    ExpectEnablement(*Main, {false, false, false, false, false, false, false, false, false, false},
                     "deleted");
    EXPECT_EQ(Main->Byline->text(), "!!! DELETED !!!");
    EXPECT_FALSE(App->DemGridForm->isVisible());
    EXPECT_FALSE(App->CluesForm->isVisible());
    EXPECT_FALSE(Procs->AllowChildClose);
    EXPECT_TRUE(QFileInfo::exists(Path("build.XW!")));
    EXPECT_FALSE(QFileInfo::exists(Path("build.xwd")));

    NewPuzzle(Main->N13x1, "again.xwd");
    ExpectEnablement(*Main, {true, true, true, false, true, false, true, true, true, true},
                     "construction after delete");
}

TEST_F(MainWindowTest, ExportsAskWhatTheGridShowsAndLeaveThePuzzleAlone) {
    const QString file = Path("left.xwd");
    NewPuzzle(Main->N11x1, "left.xwd");
    const QByteArray before = FileBytes(file);
    const auto answer = [this](bool solution) {
        QTimer::singleShot(0, [this, solution] {
            (solution ? App->ExportChoiceForm->SolutionRadio : App->ExportChoiceForm->BlankRadio)->setChecked(true);
            App->ExportChoiceForm->OkBtn->click();
        });
    };
    const struct {
        QAction* Command;
        QString File;
        QByteArray Start;
    } exports[] = {{Main->ExportMetafile1, "left.svg", "<?xml"},
                   {Main->ExportEPS1, "left.eps", "%!PS-Adobe-3.0 EPSF-3.0\n"},
                   {Main->ExportRTFFile1, "left.rtf", "{\\rtf1\\ansi\\ansicpg1252"}};
    for (const auto& e : exports) {
        answer(true);
        Dialogs->Answers.push_back(Path(e.File));
        e.Command->trigger();
        EXPECT_EQ(Dialogs->Shown.back().FileName, Path(e.File)) << "proposed beside the puzzle";
        EXPECT_TRUE(Dialogs->Shown.back().OverwritePrompt);
        EXPECT_EQ(FileBytes(Path(e.File)).left(e.Start.size()), e.Start) << e.File.toStdString();
    }
    // Never onto the puzzle's own file.
    answer(false);
    Dialogs->Answers.push_back(file);
    Main->ExportEPS1->trigger();
    EXPECT_EQ(BoxTexts(), QStringList{CopyOverOwnFile});

    answer(false);
    Main->RTFGridtoClipboard1->trigger();
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(clip->data("text/rtf").startsWith("{\\rtf1"));
    EXPECT_EQ(clip->text().count("\r\n"), 11);
    EXPECT_FALSE(Procs->PuzzleChanged);
    EXPECT_EQ(FileBytes(file), before);
}

TEST_F(MainWindowTest, MenuKeysReachTheMainWindowFromTheGridButNotFromOtherWindows) {
    NewPuzzle(Main->N11x1, "keys.xwd");
    TDemGridForm& grid = *App->DemGridForm;
    const auto press = [](QWidget* window, Qt::Key key) {
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, key, Qt::ControlModifier);
    };
    Procs->PuzzleChanged = true;
    press(App->Help.get(), Qt::Key_S);
    EXPECT_TRUE(Procs->PuzzleChanged) << "Ctrl+S in the help window is the help window's own";
    press(App->Help.get(), Qt::Key_X);
    EXPECT_TRUE(Main->isVisible()) << "Ctrl+X in the help window must not quit the program";
    press(&grid, Qt::Key_S);
    EXPECT_FALSE(Procs->PuzzleChanged);
}

TEST_F(MainWindowTest, ToolButtonsSwitchModesAndGridSettings) {
    NewPuzzle(Main->N15x1, "tools.xwd");
    TDemGridForm& grid = *App->DemGridForm;

    Main->SquaresBtn->click();
    EXPECT_EQ(Procs->PuzzleMode, ModeSquares);
    EXPECT_TRUE(Main->SquaresBtn->isChecked());
    Main->LettersBtn->click();
    EXPECT_EQ(Procs->PuzzleMode, ModeLetters);
    EXPECT_FALSE(Main->SquaresBtn->isChecked());

    Main->SymmetryBtn->click();
    EXPECT_FALSE(grid.SymmetryOn);
    EXPECT_EQ(Main->SymmetryBtn->toolTip(), "Grid symmetry is OFF");
    Main->SymmetryBtn->click();
    EXPECT_TRUE(grid.SymmetryOn);
    EXPECT_EQ(Main->SymmetryBtn->toolTip(), "Grid symmetry is ON");

    Main->MouseBtn->click();
    EXPECT_TRUE(grid.SwapButtons);
    Main->MouseBtn->click();
    EXPECT_FALSE(grid.SwapButtons);

    // Switching to grid design ends the selection of a word.
    grid.SelectWord(QPoint(40, 40), Qt::LeftButton);
    ASSERT_EQ(grid.Direction, 1);
    Main->SquaresBtn->click();
    EXPECT_EQ(grid.Direction, 0);
}

TEST_F(MainWindowTest, AutoclueOnAnIncompleteGridWarnsFirst) {
    NewPuzzle(Main->N11x1, "clues.xwd");
    Boxes->Answers = {TPromptAnswer::No};
    Main->AutoclueBtn->click();
    EXPECT_EQ(Boxes->Shown.back().Kind, TPromptKind::Warning);
    EXPECT_EQ(Boxes->Shown.back().Text, "Running Autoclue before completing puzzle is not "
                                        "recommended. Start Autoclue anyway?");
    EXPECT_FALSE(App->AutoclueForm->isVisible());
    Main->AutoclueBtn->click(); // Yes
    EXPECT_TRUE(App->AutoclueForm->isVisible());
    // Asked again while open: no second warning, the editor comes to the front.
    const std::size_t asked = Boxes->Shown.size();
    App->DemGridForm->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == App->DemGridForm.get(); }));
    Main->AutoclueBtn->click();
    EXPECT_EQ(Boxes->Shown.size(), asked);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == App->AutoclueForm.get(); }));
    // Grid design closes the clue-writing window.
    Main->SquaresBtn->click();
    EXPECT_FALSE(App->AutoclueForm->isVisible());
}

TEST_F(MainWindowTest, CheatButtonShowsAnswersOnlyWhileHeld) {
    OpenPuzzle(MakePuzzleFile("cheat.xwd", 11, [](TXwdPuzzle& p) { p.Solution(1, 1) = 'K'; }),
               true);
    TDemGridForm& grid = *App->DemGridForm;
    QTest::mousePress(Main->CheatBtn, Qt::LeftButton);
    EXPECT_TRUE(grid.Cheated);
    const QImage held = grid.grab().toImage();
    QTest::mouseRelease(Main->CheatBtn, Qt::LeftButton);
    const QImage released = grid.grab().toImage();
    EXPECT_NE(held, released); // the grey letter went with the release
    EXPECT_TRUE(grid.Cheated);
}

TEST_F(MainWindowTest, SaveShowsTheStatusWindowAndFailureKeepsThePuzzleChanged) {
    NewPuzzle(Main->N11x1, "save.xwd");
    Procs->Puzzle.Solution(2, 3) = 'S';
    Procs->PuzzleChanged = true;
    Main->Save1->trigger();
    EXPECT_FALSE(Procs->PuzzleChanged);
    EXPECT_EQ(Waiter->Waits.back(), 1000);
    EXPECT_FALSE(App->InfoWin->isVisible());
    TDemProcs check;
    check.LoadPuzzle(Path("save.xwd").toStdString());
    EXPECT_EQ(check.Puzzle.Solution(2, 3), 'S');

    // A save into a folder that is gone: the system's text, the status window closed.
    Procs->PuzzleFileName = Path("gone/save.xwd").toStdString();
    Procs->PuzzleChanged = true;
    Main->Save1->trigger();
    EXPECT_TRUE(Procs->PuzzleChanged);
    EXPECT_FALSE(App->InfoWin->isVisible());
    ASSERT_FALSE(Boxes->Shown.empty());
    EXPECT_EQ(Boxes->Shown.back().Kind, TPromptKind::Error);
    EXPECT_FALSE(Boxes->Shown.back().Text.isEmpty());
}

// Printing in solve mode and clipboard export let the status window paint
// (5 ms) before the work and keep it up for a second after.
TEST_F(MainWindowTest, SolvePrintAndClipboardExportRunUnderTheStatusWindow) {
    OpenPuzzle(MakePuzzleFile("status.xwd", 11), true);
    Main->Print1->trigger();
    EXPECT_EQ(Waiter->Waits, (std::vector<int>{5, 1000}));
    EXPECT_EQ(App->InfoWin->InfoKind, InfoPrinting);
    EXPECT_FALSE(App->InfoWin->isVisible());

    OpenPuzzle(Path("status.xwd"), false);
    Waiter->Waits.clear();
    for (QAction* item :
         {Main->GridtoClipboard1, Main->SolutiontoClipboard1, Main->CluestoClipboard1})
        item->trigger();
    EXPECT_EQ(Waiter->Waits, (std::vector<int>{5, 1000, 5, 1000, 5, 1000}));
    EXPECT_EQ(App->InfoWin->InfoKind, InfoExporting);
    EXPECT_FALSE(App->InfoWin->isVisible());
}

TEST_F(MainWindowTest, HelpOpensTheContentsAndClosesWithTheProgram) {
    Main->Help2->trigger();
    EXPECT_EQ(Boxes->Shown.back().Kind, TPromptKind::Error); // not beside the program yet
    ASSERT_TRUE(QFile::copy(QString(WORDLATCH_HELP_FILE), Path("WordlatchDemo.Hlp")));
    Main->Help2->trigger();
    ASSERT_TRUE(App->Help->isVisible());
    EXPECT_TRUE(App->Help->Browser->toPlainText().contains("Constructing a puzzle"));
    App->Help->grab().save(QDir::current().filePath("help.png"));
    EXPECT_TRUE(Main->close());
    EXPECT_FALSE(App->Help->isVisible());
}

TEST_F(MainWindowTest, PrinterSetupWorksOnTheRememberedPrinter) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_EQ(App->Printers.Printer().outputFormat(), QPrinter::PdfFormat);
        EXPECT_EQ(App->Printers.Printer().outputFileName(), Path("out.pdf"));
    }
    Main->PrinterSetup1->trigger();
    EXPECT_EQ(SetupPrinter, &App->Printers.Printer());

    // The real dialog chooses a printer: its accept button says OK, not Print.
    auto dialog = TPrinterChoice::SetupDialog(App->Printers.Printer(), Main);
    dialog->show();
    QStringList captions;
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->isVisible()) captions << b->text().remove('&');
    EXPECT_TRUE(captions.contains("OK")) << captions.join(",").toStdString();
    EXPECT_FALSE(captions.contains("Print")) << captions.join(",").toStdString();
    dialog->grab().save("printer-setup.png");
}

TEST(XwdFileDialogsTest, FilterMatchesBothCasesAndOnlyAnotherExtensionDiffers) {
    EXPECT_EQ(QtNameFilter("Wordlatch Puzzle (*.XWD)|*.XWD"), "Wordlatch Puzzle (*.XWD *.xwd)");
    EXPECT_FALSE(ExtensionDiffers("/p/sunday.xwd", "XWD"));
    EXPECT_FALSE(ExtensionDiffers("/p/SUNDAY.XWD", "XWD"));
    EXPECT_TRUE(ExtensionDiffers("/p/sunday.xwd.txt", "XWD"));
    EXPECT_TRUE(ExtensionDiffers("/p/sunday.XW!", "XWD"));
}

// The grid selects a word, the clue list its line, and the main window shows the clue.
TEST_F(MainWindowTest, SelectedWordShowsItsClueUnderItsDirection) {
    OpenPuzzle(MakePuzzleFile("clued.xwd", 11,
                              [](TXwdPuzzle& p) {
                                  p.Index(1, 1).AcrossClue = 1;
                                  p.Clue(1).SetText("Opening line");
                              }),
               true);
    QListWidget& list = *App->CluesForm->ClueList;
    if (list.count() == 0) list.addItem("Opening line"); // a list that does not build itself yet
    TDemGridForm& grid = *App->DemGridForm;
    grid.SelectWord(QPoint(60, 5), Qt::LeftButton); // square (3, 1), across from (1, 1)
    EXPECT_EQ(Main->DataMemo->toPlainText(), "Opening line");
    EXPECT_EQ(Main->ModeLabel->text(), "Across Clue");

    grid.SelectWord(QPoint(5, 60), Qt::RightButton); // the down word has no clue yet
    EXPECT_EQ(Main->DataMemo->toPlainText(), "");
    EXPECT_EQ(Main->ModeLabel->text(), "");
}

TEST_F(MainWindowTest, AboutBoxLayout) {
    const TDemAboutForm& about = *App->DemAboutForm;
    EXPECT_EQ(about.windowTitle(), "About Wordlatch Demo");
    EXPECT_EQ(about.CloseBtn->text(), "&Close");
    EXPECT_TRUE(about.CloseBtn->isDefault());
    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
}

// Grabs every state to PNG files beside the test (for looking at them) and
// checks what must be seen: the logo before a puzzle, the byline after.
TEST_F(MainWindowTest, LooksInEveryState) {
    const auto grab = [this](const char* name) {
        QImage image = Main->grab().toImage();
        image.save(QDir::current().filePath(QString("main-%1.png").arg(name)));
        return image;
    };
    const QImage start = grab("start");
    EXPECT_EQ(start.deviceIndependentSize().toSize(), Main->size());
    EXPECT_TRUE(Main->LogoImage->isVisible());
    EXPECT_FALSE(Main->Byline->isVisible());
    NewPuzzle(Main->N15x1, "look.xwd");
    grab("construction");
    App->DemGridForm->grab().save(QDir::current().filePath("grid-construction.png"));
    for (const char* menu : {"Puzzle1", "Options1", "Special1", "Tools1", "Help1"})
        Main->findChild<QMenu*>(menu)->grab().save(
            QDir::current().filePath(QString("menu-%1.png").arg(menu)));
    OpenPuzzle(Path("look.xwd"), true);
    grab("solve");
    Main->ScoreResult(mrAbort);
    grab("deleted");
    App->DemAboutForm->grab().save(QDir::current().filePath("about.png"));
    EXPECT_TRUE(Main->Byline->isVisible());
    EXPECT_EQ(Main->Byline->geometry().bottom() + 1, Main->centralWidget()->height());
}

} // namespace
} // namespace wl::fakes

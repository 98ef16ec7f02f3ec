// The application object and the main window's puzzle handling: start-up,
// statistics, new, open, the save questions, revert, failures, arrangement, close.
#include "MainTestSupport.h"

#include "GridStatistics.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace wl::fakes {
namespace {

using Answer = TPromptAnswer;

// Notes the first paint of any widget of `window`.
class TPaintSpy : public QObject {
public:
    explicit TPaintSpy(QWidget* window) : Window(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool Painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == Window)
            Painted = true;
        return false;
    }

private:
    QWidget* Window;
};

TEST_F(MainWindowTest, StartUpCreatesThirteenInstancesInOrderAndShowsOnlyTheMainWindow) {
    EXPECT_EQ(App->CreationOrder,
              QStringList({"TDemMainForm", "TDemAboutForm", "TAutoclueForm", "TCluesForm",
                           "TDemGridForm", "TDemProcs", "TExportForm", "TScoreForm", "TSoundFX",
                           "TDemPrefForm", "TDemPrintForm", "TInfoWin", "TAnalysisForm"}));
    EXPECT_TRUE(Main->isVisible());
    for (QWidget* w : std::initializer_list<QWidget*>{
             App->DemAboutForm.get(), App->AutoclueForm.get(), App->CluesForm.get(),
             App->DemGridForm.get(), App->ExportForm.get(), App->ScoreForm.get(),
             App->DemPrefForm.get(), App->DemPrintForm.get(), App->InfoWin.get(),
             App->AnalysisForm.get()})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(Procs->CellSize, 27);
    EXPECT_EQ(Procs->SoundMode, 1);
    EXPECT_EQ(Main->windowTitle(), "Wordlatch Demo 4");
    // Caption, menu and the logo's bottom edge plus 12: only tool bar, mode line and logo show.
    EXPECT_EQ(Main->OuterHeight(), 23 + 20 + 206 + 12);
    EXPECT_TRUE(Main->LogoImage->isVisible());
    EXPECT_FALSE(Main->DataMemo->isVisible());
}

TEST_F(MainWindowTest, TheProgramBuildsTheHiddenWindowsAfterTheFirstPaintOrBeforeInput) {
    const QStringList allInOrder = App->CreationOrder;
    const auto mainFirst = [this] {
        App.reset();
        App = std::make_unique<TWordlatchApp>(ScriptedServices(), TStartUp::MainWindowFirst);
        EXPECT_EQ(App->CreationOrder, QStringList{"TDemMainForm"});
        EXPECT_EQ(App->AutoclueForm, nullptr);
    };

    // A key typed before anything was painted finds every window in place.
    mainFirst();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier);
    QCoreApplication::sendEvent(App->DemMainForm.get(), &key);
    EXPECT_EQ(App->CreationOrder, allInOrder);

    // Otherwise they follow the main window's first paint.
    mainFirst();
    TPaintSpy spy(App->DemMainForm.get());
    App->Show();
    for (QDeadlineTimer safety(5000); !spy.Painted && !safety.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_TRUE(spy.Painted);
    QCoreApplication::processEvents();
    EXPECT_EQ(App->CreationOrder, allInOrder);
    EXPECT_NE(App->AnalysisForm, nullptr);

    // Never built, nothing is left behind.
    mainFirst();
    App.reset();
}

TEST_F(MainWindowTest, EveryNamedControlAndMenuItemCarriesItsName) {
    for (const char* name :
         {"ToolPanel", "MouseBtn", "CheatBtn", "SquaresBtn", "LettersBtn", "SymmetryBtn",
          "AutoclueBtn", "ModeLabel", "LogoImage", "DataMemo", "UpdateBtn", "Byline", "MainMenu1"})
        EXPECT_NE(Main->findChild<QWidget*>(name), nullptr) << name;
    const auto item = [this](const char* name) { return Main->findChild<QAction*>(name); };
    ASSERT_NE(item("N21x1"), nullptr);
    EXPECT_EQ(item("N21x1")->text(), "19x");
    EXPECT_EQ(item("N21x2")->text(), "21x");
    EXPECT_EQ(item("Save1")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(item("Print1")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(item("Exit1")->shortcut(), QKeySequence("Ctrl+X"));
    EXPECT_EQ(item("AutoArrange1")->shortcut(), QKeySequence("F9"));
    EXPECT_EQ(item("Dictionary1")->shortcut(), QKeySequence("Ctrl+D"));
    EXPECT_EQ(item("Options1Item")->text(), "&Options ");
    EXPECT_EQ(item("About1")->text(), "&About Wordlatch...");
    EXPECT_EQ(Main->MouseBtn->size(), QSize(25, 25));
    EXPECT_EQ(Main->ToolPanel->width(), MainClientWidth);
}

TEST_F(MainWindowTest, NewElevenShowsTheThreeStatisticsLines) {
    NewPuzzle(Main->N11x1, "eleven.xwd");
    EXPECT_EQ(
        Main->DataMemo->toPlainText(),
        QString("Size of Grid: 11\u00D7\nBlack Squares: 0  Par: 20\nWord Count: 22  Par: 40"));
    EXPECT_EQ(Main->SpecText().count("\r\n"), 2);
    EXPECT_EQ(Main->ModeLabel->text(), "Specifications");
    EXPECT_TRUE(Main->UpdateBtn->isVisible());
    EXPECT_FALSE(Main->Byline->isVisible());
    EXPECT_FALSE(Main->LogoImage->isVisible());
}

TEST_F(MainWindowTest, UpdateCountsBlackCornersOfAFifteen) {
    NewPuzzle(Main->N15x1, "corners.xwd");
    for (auto [x, y] : {std::pair{1, 1}, {15, 1}, {1, 15}, {15, 15}})
        Procs->Puzzle.Solution(x, y) = BlackSquare;
    Main->UpdateBtn->click();
    const QStringList lines = Main->DataMemo->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], "Black Squares: 4  Par: 37");
    EXPECT_EQ(lines[2], "Word Count: 30  Par: 78");
}

TEST_F(MainWindowTest, WordParsGrowWithTheGridAndStayWithinTheWordLimit) {
    int previous = 0;
    for (int n = 11; n <= 23; n += 2) {
        EXPECT_GT(WordPar(n), previous) << n;
        EXPECT_LE(WordPar(n), MaxWords) << n;
        previous = WordPar(n);
    }
    EXPECT_EQ(BlackSquarePar(23), 88);
}

TEST_F(MainWindowTest, NewThirteenAndTwentyThreeGoThroughTheSamePath) {
    for (auto [item, n] : {std::pair{Main->N13x1, 13}, {Main->N23x1, 23}}) {
        const QString name = QString("size%1.xwd").arg(n);
        NewPuzzle(item, name);
        const TFileDialogOptions& o = Dialogs->Shown.back();
        EXPECT_TRUE(o.Save);
        EXPECT_EQ(o.Title, QString("New %1x puzzle for constructing").arg(n));
        EXPECT_EQ(o.FileName, "untitled.xwd");
        EXPECT_EQ(o.DefaultExt, "XWD");
        EXPECT_EQ(o.Filter, "Wordlatch Puzzle (*.XWD)|*.XWD");
        EXPECT_TRUE(o.OverwritePrompt);
        EXPECT_EQ(Procs->Puzzle.GridSize, n);
        EXPECT_EQ(FileBytes(Path(name)).size(), qsizetype(XwdFileSize));
        EXPECT_EQ(FileBytes(Path(name)).at(0), char(n));
        EXPECT_EQ(Procs->PuzzleMode, ModeLetters);
        EXPECT_EQ(QString::fromStdString(Procs->PuzzleFileName), Path(name));
        EXPECT_TRUE(App->DemGridForm->isVisible());
        EXPECT_EQ(App->DemGridForm->windowTitle(), QString("SIZE%1").arg(n));
        EXPECT_TRUE(Main->LettersBtn->isChecked());
    }
}

TEST_F(MainWindowTest, NewWithAnotherExtensionCreatesNothing) {
    NewPuzzle(Main->N15x1, "puzzle.txt");
    EXPECT_EQ(BoxTexts(), QStringList{"Not a valid XWD puzzle."});
    EXPECT_FALSE(QFileInfo::exists(Path("puzzle.txt")));
    EXPECT_EQ(Procs->PuzzleMode, ModeNone);
    EXPECT_EQ(Player->Played.last(), "WAVE_7");
}

TEST_F(MainWindowTest, NewThatCannotBeSavedKeepsTheOpenPuzzle) {
    NewPuzzle(Main->N11x1, "first.xwd");
    Procs->Puzzle.Solution(3, 3) = 'Q';
    Procs->PuzzleChanged = true;
    NewPuzzle(Main->N15x1, "no-such-folder/second.xwd"); // Yes to the save question
    ASSERT_EQ(Boxes->Shown.size(), 2u);
    EXPECT_EQ(Boxes->Shown[1].Kind, TPromptKind::Error);
    EXPECT_FALSE(Boxes->Shown[1].Text.isEmpty());
    EXPECT_EQ(Procs->Puzzle.GridSize, 11);
    EXPECT_EQ(Procs->Puzzle.Solution(3, 3), 'Q');
    EXPECT_EQ(QString::fromStdString(Procs->PuzzleFileName), Path("first.xwd"));
}

TEST_F(MainWindowTest, ChangedConstructionAsksBeforeOpeningWithQuestionSound) {
    NewPuzzle(Main->N11x1, "first.xwd");
    const QByteArray saved = FileBytes(Path("first.xwd"));
    const QString second = MakePuzzleFile("second.xwd", 13);
    QStringList soundsBeforeBox;
    Boxes->OnShow = [&](const TScriptedBoxes::TShown&) { soundsBeforeBox = Player->Played; };

    // Cancel: nothing happens, not even the open dialog.
    Procs->Puzzle.Solution(1, 1) = 'A';
    Procs->PuzzleChanged = true;
    Boxes->Answers = {Answer::Cancel};
    Main->Open1Click(false);
    EXPECT_EQ(BoxTexts(), QStringList{"Puzzle has changed. Save current changes?"});
    EXPECT_EQ(Boxes->Shown[0].Buttons, TPromptButtons::YesNoCancel);
    EXPECT_EQ(soundsBeforeBox.last(), "WAVE_1");
    EXPECT_TRUE(Dialogs->Shown.size() == 1); // only the New dialog
    EXPECT_TRUE(Procs->PuzzleChanged);

    // No: the first file stays as it was and the second puzzle opens.
    Boxes->Answers = {Answer::No};
    OpenPuzzle(second, false);
    EXPECT_EQ(FileBytes(Path("first.xwd")), saved);
    EXPECT_EQ(Procs->Puzzle.GridSize, 13);
    EXPECT_FALSE(Procs->PuzzleChanged);
    EXPECT_EQ(Dialogs->Shown.back().Title, "Open puzzle for constructing");
    EXPECT_TRUE(Dialogs->Shown.back().MustExist);

    // Yes: the changes are written before the next puzzle opens.
    Procs->Puzzle.Solution(2, 2) = 'B';
    Procs->PuzzleChanged = true;
    Boxes->Answers = {Answer::Yes};
    OpenPuzzle(Path("first.xwd"), false);
    TDemProcs check;
    check.LoadPuzzle(second.toStdString());
    EXPECT_EQ(check.Puzzle.Solution(2, 2), 'B');
}

TEST_F(MainWindowTest, ChangedSolveSavesWithoutAsking) {
    const QString first = MakePuzzleFile("first.xwd", 11);
    OpenPuzzle(first, true);
    Procs->Puzzle.Player(1, 1) = 'Z';
    Procs->PuzzleChanged = true;
    OpenPuzzle(MakePuzzleFile("second.xwd", 15), true);
    EXPECT_TRUE(Boxes->Shown.empty());
    EXPECT_EQ(Dialogs->Shown.back().Title, "Open puzzle for solving");
    TDemProcs check;
    check.LoadPuzzle(first.toStdString());
    EXPECT_EQ(check.Puzzle.Player(1, 1), 'Z');
    EXPECT_EQ(Procs->Puzzle.GridSize, 15);
}

// The solver's progress is never dropped: when it cannot be saved, the next
// puzzle is not opened.
TEST_F(MainWindowTest, SolveProgressThatCannotBeSavedStopsTheOpen) {
    OpenPuzzle(MakePuzzleFile("first.xwd", 11), true);
    Procs->Puzzle.Player(1, 1) = 'Z';
    Procs->PuzzleChanged = true;
    Procs->PuzzleFileName = Path("gone/first.xwd").toStdString();
    const size_t dialogs = Dialogs->Shown.size();
    OpenPuzzle(MakePuzzleFile("second.xwd", 15), true);
    ASSERT_EQ(Boxes->Shown.size(), 1u);
    EXPECT_EQ(Boxes->Shown[0].Kind, TPromptKind::Error);
    EXPECT_EQ(Dialogs->Shown.size(), dialogs); // no open dialog
    EXPECT_EQ(Procs->Puzzle.GridSize, 11);
    EXPECT_EQ(Procs->Puzzle.Player(1, 1), 'Z');
    EXPECT_TRUE(Procs->PuzzleChanged);
}

// Delete after a correct solution when a deleted puzzle of that name exists:
// the windows are gone and the byline says so, but the file stays as it was.
TEST_F(MainWindowTest, DeleteWhoseRenameFailsKeepsTheFile) {
    const QString file = MakePuzzleFile("twice.xwd", 11);
    MakePuzzleFile("twice.XW!", 13);
    OpenPuzzle(file, true);
    Procs->PuzzleChanged = true;
    Main->ScoreResult(mrAbort);
    ASSERT_EQ(Boxes->Shown.size(), 1u);
    EXPECT_EQ(Boxes->Shown[0].Kind, TPromptKind::Error);
    EXPECT_EQ(Main->Byline->text(), "!!! DELETED !!!");
    EXPECT_FALSE(App->DemGridForm->isVisible());
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(FileBytes(Path("twice.XW!")).at(0), char(13));
    EXPECT_TRUE(Procs->PuzzleChanged);
}

TEST_F(MainWindowTest, CorruptFileLeavesTheOpenPuzzleAsItsFileHoldsIt) {
    NewPuzzle(Main->N11x1, "good.xwd");
    QFile bad(Path("short.xwd"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(int(XwdFileSize) - 1, char(15)));
    bad.close();
    Procs->Puzzle.Solution(4, 4) = 'X';
    Procs->PuzzleChanged = true;
    Boxes->Answers = {Answer::No}; // drop the change
    OpenPuzzle(Path("short.xwd"), true);
    EXPECT_EQ(BoxTexts().last(), "Puzzle not in XWD format or is corrupt.");
    EXPECT_EQ(Procs->Puzzle.GridSize, 11);
    EXPECT_EQ(Procs->Puzzle.Solution(4, 4), NoLetter); // the dropped change is gone
    EXPECT_EQ(Procs->PuzzleMode, ModeLetters);
    EXPECT_EQ(QString::fromStdString(Procs->PuzzleFileName), Path("good.xwd"));
}

TEST_F(MainWindowTest, CorruptFileWithNothingOpenKeepsTheLogo) {
    OpenPuzzle(Path("missing.xwd"), true);
    EXPECT_EQ(BoxTexts(), QStringList{"Puzzle not in XWD format or is corrupt."});
    EXPECT_EQ(Procs->PuzzleMode, ModeNone);
    EXPECT_TRUE(Main->LogoImage->isVisible());
}

TEST_F(MainWindowTest, BylineInSolveMode) {
    OpenPuzzle(MakePuzzleFile("plain.xwd", 11, [](TXwdPuzzle& p) { p.Byline.Clear(); }), true);
    EXPECT_EQ(Main->Byline->text(), "a Wordlatch puzzle");
    EXPECT_TRUE(Main->Byline->isVisible());
    EXPECT_FALSE(Main->UpdateBtn->isVisible());
    EXPECT_TRUE(App->CluesForm->isVisible());
    EXPECT_EQ(Main->ModeLabel->text(), "");
    OpenPuzzle(MakePuzzleFile("new.xwd", 11), true);
    EXPECT_EQ(Main->Byline->text(), "by Wordlatch Demo");
    const QString long60(60, 'W');
    OpenPuzzle(MakePuzzleFile("long.xwd", 11,
                              [&](TXwdPuzzle& p) { p.Byline.SetText(long60.toStdString()); }),
               true);
    EXPECT_EQ(Main->Byline->text().size(), 63);
}

TEST_F(MainWindowTest, RevertAnsweredNoChangesNothingAndYesReloads) {
    NewPuzzle(Main->N11x1, "rev.xwd");
    Procs->Puzzle.Solution(5, 5) = 'R';
    Procs->PuzzleChanged = true;
    Boxes->Answers = {Answer::No};
    Main->ReverttoSaved1Click();
    EXPECT_EQ(BoxTexts().last(), "Discard all recent changes and return to last saved puzzle?");
    EXPECT_EQ(Procs->Puzzle.Solution(5, 5), 'R');
    EXPECT_TRUE(Procs->PuzzleChanged);

    App->DemGridForm->Direction = 1;
    Boxes->Answers = {Answer::Yes};
    Main->ReverttoSaved1Click();
    EXPECT_EQ(Procs->Puzzle.Solution(5, 5), NoLetter);
    EXPECT_FALSE(Procs->PuzzleChanged);
    EXPECT_EQ(App->DemGridForm->Direction, 0);
}

TEST_F(MainWindowTest, RevertThatCannotReadReportsAndKeepsTheChange) {
    NewPuzzle(Main->N11x1, "gone.xwd");
    Procs->Puzzle.Solution(5, 5) = 'R';
    Procs->PuzzleChanged = true;
    QFile::remove(Path("gone.xwd"));
    Main->ReverttoSaved1Click();
    EXPECT_EQ(Boxes->Shown.back().Kind, TPromptKind::Error);
    EXPECT_EQ(Procs->Puzzle.Solution(5, 5), 'R');
    EXPECT_TRUE(Procs->PuzzleChanged);
}

TEST_F(MainWindowTest, AutoArrangeCentresTheGridBesideTheMainWindow) {
    const TArrangement a = ArrangeWindows({1024, 768}, {412, 430}, {233, 180});
    EXPECT_EQ(a.Grid, QPoint(126, (768 - 430) / 2));
    EXPECT_EQ(a.Main, QPoint(664, 12));
    EXPECT_EQ(a.Clues, QRect(664, 200, 233, 768 - 180 - 32));

    // The same through the menu: a 15 x 15 grid at CellSize 27 is 412 pixels wide.
    OpenPuzzle(MakePuzzleFile("fifteen.xwd", 15), true);
    EXPECT_EQ(App->DemGridForm->OuterWidth(), 412);
    EXPECT_EQ(Main->OuterWidth(), 233);
    Main->move(0, 0);
    Main->AutoArrange1->trigger();
    EXPECT_EQ(App->DemGridForm->pos().x(), 126);
    EXPECT_EQ(Main->pos(), QPoint(664, 12));
    EXPECT_EQ(App->CluesForm->pos(), QPoint(664, Main->OuterHeight() + 20));
}

TEST_F(MainWindowTest, CloseQuestionInConstruction) {
    NewPuzzle(Main->N11x1, "close.xwd");
    const QByteArray saved = FileBytes(Path("close.xwd"));
    Procs->Puzzle.Solution(1, 1) = 'C';
    Procs->PuzzleChanged = true;

    Boxes->Answers = {Answer::Cancel};
    EXPECT_FALSE(Main->close());
    EXPECT_TRUE(Main->isVisible());
    EXPECT_FALSE(Procs->AllowChildClose);

    Boxes->Answers = {Answer::No};
    EXPECT_TRUE(Main->close());
    EXPECT_EQ(FileBytes(Path("close.xwd")), saved);
    EXPECT_TRUE(Procs->AllowChildClose);
    EXPECT_FALSE(App->DemGridForm->isVisible());
}

TEST_F(MainWindowTest, CloseAnsweredYesSavesAndSolveSavesSilently) {
    NewPuzzle(Main->N11x1, "yes.xwd");
    Procs->Puzzle.Solution(1, 1) = 'Y';
    Procs->PuzzleChanged = true;
    Boxes->Answers = {Answer::Yes};
    EXPECT_TRUE(Main->close());
    TDemProcs check;
    check.LoadPuzzle(Path("yes.xwd").toStdString());
    EXPECT_EQ(check.Puzzle.Solution(1, 1), 'Y');

    Main->show();
    Boxes->Shown.clear();
    OpenPuzzle(Path("yes.xwd"), true);
    Procs->Puzzle.Player(2, 2) = 'S';
    Procs->PuzzleChanged = true;
    EXPECT_TRUE(Main->close());
    EXPECT_TRUE(Boxes->Shown.empty());
    check.LoadPuzzle(Path("yes.xwd").toStdString());
    EXPECT_EQ(check.Puzzle.Player(2, 2), 'S');
}

// Solving from a file that can no longer be written must not keep the program
// from ending: the close asks whether to let the changes go.
TEST_F(MainWindowTest, CloseWhoseSaveFailsStaysOpenUnlessTheChangesAreLetGo) {
    OpenPuzzle(MakePuzzleFile("solve.xwd", 11), true);
    Procs->Puzzle.Player(1, 1) = 'Q';
    Procs->PuzzleChanged = true;
    Procs->PuzzleFileName = Path("gone/solve.xwd").toStdString();

    Boxes->Answers = {Answer::Ok, Answer::No};
    EXPECT_FALSE(Main->close());
    ASSERT_EQ(Boxes->Shown.size(), 2u);
    EXPECT_EQ(Boxes->Shown[0].Kind, TPromptKind::Error);
    EXPECT_EQ(Boxes->Shown[1].Text, CloseUnsavedQuestion);
    EXPECT_EQ(Boxes->Shown[1].Buttons, TPromptButtons::YesNo);
    EXPECT_TRUE(Main->isVisible());
    EXPECT_TRUE(Procs->PuzzleChanged);
    EXPECT_FALSE(Procs->AllowChildClose);
    EXPECT_TRUE(App->DemGridForm->isVisible());

    Boxes->Answers = {Answer::Ok, Answer::Yes};
    EXPECT_TRUE(Main->close());
    EXPECT_TRUE(Procs->AllowChildClose);
    EXPECT_FALSE(App->DemGridForm->isVisible());
}

} // namespace
} // namespace wl::fakes

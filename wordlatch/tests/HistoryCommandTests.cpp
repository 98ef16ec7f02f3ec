// Undo and redo through the keys of the windows that edit the puzzle: every
// kind of change taken back to the opened file byte for byte and done again,
// the saved state followed, and a fresh history after Revert to Saved.
#include "MainTestSupport.h"

#include "GridStatistics.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace wl::fakes {
namespace {

constexpr int Undo = Qt::ControlModifier;
constexpr int Redo = Qt::ControlModifier | Qt::ShiftModifier;

class HistoryTest : public MainWindowTest {
protected:
    void Press(QWidget* widget, int keys) {
        widget->window()->activateWindow();
        QApplication::setActiveWindow(widget->window());
        QTest::keyClick(widget, Qt::Key_Z, Qt::KeyboardModifiers(keys));
    }
    void Click(int x, int y) {
        QTest::mouseClick(App->DemGridForm.get(), Qt::LeftButton, {}, QPoint(x * 27 - 14, y * 27 - 14));
    }
    QByteArray Record() const { return {reinterpret_cast<const char*>(&Procs->Puzzle), sizeof(TXwdPuzzle)}; }
    QColor Shown(int x, int y) const {
        return App->DemGridForm->grab().toImage().pixelColor(x * 27 - 24, y * 27 - 24);
    }
};

TEST_F(HistoryTest, MixedChangesUndoneToTheFileAndRedoneWithTheSavedStateFollowed) {
    // One black square without its twin, so the grid starts with a down-only word.
    const QString file = MakePuzzleFile("mixed.xwd", 13, [](TXwdPuzzle& p) { p.Solution(2, 1) = BlackSquare; });
    OpenPuzzle(file, false);
    TDemGridForm& grid = *App->DemGridForm;
    std::vector<QByteArray> states{Record()};
    std::vector<bool> changed{false};
    const auto step = [&](const std::function<void()>& change) {
        change();
        states.push_back(Record());
        changed.push_back(Procs->PuzzleChanged);
    };
    step([&] { Main->SquaresBtn->click(), Click(5, 3); });
    step([&] { Main->LettersBtn->click(), Click(1, 2), QTest::keyClick(&grid, 'q'); });
    step([&] { QTest::keyClick(&grid, 'z'); });
    Main->Save1->trigger();
    changed.back() = Procs->PuzzleChanged;
    step([&] { Main->AutoclueBtnClick(), QTest::keyClicks(App->AutoclueForm->DefEdit, "Cat"); });
    step([&] { Boxes->TextAnswers = {QString("Jo Bloggs")}, Main->Byline1->trigger(); });
    step([&] { Boxes->Answers = {TPromptAnswer::Yes}, Main->Turn1->trigger(); });
    ASSERT_EQ(App->History.Stack.count(), 6) << "the twin squares are one step, the clue another";
    EXPECT_EQ(changed, (std::vector<bool>{false, true, true, false, true, true, true}));

    // Undo from the grid and the main window in turn: each state comes back
    // whole, and the windows show it.
    for (int i = 5; i >= 0; --i) {
        Press(i % 2 ? static_cast<QWidget*>(&grid) : Main, Undo);
        SCOPED_TRACE(i);
        EXPECT_EQ(Record(), states[i]);
        EXPECT_EQ(Procs->PuzzleChanged, i != 3) << "step 3 was saved";
        EXPECT_EQ(Main->DataMemo->toPlainText(), SpecificationsText(Procs->Puzzle).replace("\r\n", "\n"));
    }
    EXPECT_EQ(FileBytes(file), states[3]) << "undo writes nothing";
    EXPECT_EQ(Shown(5, 3), QColor(Qt::white));
    EXPECT_FALSE(Main->Undo1->isEnabled());
    Press(&grid, Undo);
    EXPECT_EQ(Record(), states[0]) << "nothing before the opening";

    for (int i = 1; i <= 6; ++i) {
        Press(i % 2 ? static_cast<QWidget*>(&grid) : Main, Redo);
        SCOPED_TRACE(i);
        EXPECT_EQ(Record(), states[i]);
        EXPECT_EQ(Procs->PuzzleChanged, i != 3);
    }
    EXPECT_EQ(Shown(11, 5), QColor(Qt::black)) << "(5, 3) and (9, 11) turned a quarter";
    EXPECT_EQ(Shown(3, 9), QColor(Qt::black));
    EXPECT_FALSE(Main->Redo1->isEnabled());

    Boxes->Answers = {TPromptAnswer::Yes};
    Main->ReverttoSaved1->trigger();
    EXPECT_EQ(Record(), states[3]);
    EXPECT_FALSE(Main->Undo1->isEnabled());
}

TEST_F(HistoryTest, ClueEditorTextKeepsItsOwnUndoAndTheWindowShowsTheRestoredClue) {
    OpenPuzzle(MakePuzzleFile("clue.xwd", 11), false);
    Main->AutoclueBtnClick();
    TAutoclueForm& editor = *App->AutoclueForm;
    const int entry = editor.Walk.CurEntry;
    const auto clue = [&] { return Procs->Puzzle.Clue(entry).Text(); };
    QTest::keyClicks(editor.DefEdit, "Cat");
    ASSERT_EQ(clue(), "Cat");
    Press(editor.DefEdit, Undo);
    EXPECT_EQ(editor.DefEdit->text(), "");
    EXPECT_EQ(clue(), "") << "the record follows the text box";
    Press(editor.DefEdit, Redo);
    EXPECT_EQ(clue(), "Cat");

    // Away from the text box the keys are the puzzle's.
    editor.OkBtn->setFocus();
    Press(editor.OkBtn, Undo);
    EXPECT_EQ(editor.DefEdit->text(), "");
    EXPECT_EQ(clue(), "");
    EXPECT_FALSE(Procs->PuzzleChanged);
    Press(editor.OkBtn, Redo);
    EXPECT_EQ(editor.DefEdit->text(), "Cat");
    EXPECT_EQ(editor.Walk.CurEntry, entry);
}

TEST_F(HistoryTest, SolverLettersAndCheatsAreUndoneButTheCheatIsRemembered) {
    const QString file = MakePuzzleFile("solve.xwd", 11, [](TXwdPuzzle& p) {
        for (int x = 1; x <= 11; ++x)
            for (int y = 1; y <= 11; ++y) p.Solution(x, y) = std::uint8_t('A' + (x + y) % 26);
    });
    OpenPuzzle(file, true);
    TDemGridForm& grid = *App->DemGridForm;
    Click(3, 4);
    QTest::keyClicks(&grid, "w+");
    EXPECT_EQ(Procs->Puzzle.Player(4, 4), 'I');
    Press(&grid, Undo);
    Press(&grid, Undo);
    EXPECT_EQ(Record(), FileBytes(file));
    EXPECT_FALSE(Procs->PuzzleChanged);
    EXPECT_TRUE(grid.Cheated);
}

} // namespace
} // namespace wl::fakes

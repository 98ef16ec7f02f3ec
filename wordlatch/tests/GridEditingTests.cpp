// Editing in the grid window through real mouse and key events: square
// painting in grid design, word selection and typing in letters and solve mode.
#include "GridTestSupport.h"

using namespace wl;
using namespace wl::gridtest;

namespace {

class GridDesign : public GridWindow {
protected:
    void SetUp() override {
        GridWindow::SetUp();
        Procs.PuzzleMode = ModeSquares;
    }
    void Move(int x, int y, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseEvent(QTest::MouseMove, Grid.get(), Qt::NoButton, modifiers, Centre(x, y));
    }
    // Row y as "#" for black and "." for anything else.
    std::string Row(int y) const {
        std::string row;
        for (int x = 1; x <= 15; ++x) row += Procs.Puzzle.Solution(x, y) == BlackSquare ? '#' : '.';
        return row;
    }
};

TEST_F(GridDesign, SymmetryPaintsTheSquareOppositeTheCentre) {
    Click(1, 1);
    EXPECT_EQ(Procs.Puzzle.Solution(1, 1), BlackSquare);
    EXPECT_EQ(Procs.Puzzle.Solution(15, 15), BlackSquare);
    EXPECT_TRUE(Procs.PuzzleChanged);
    EXPECT_EQ(Fill(Shown(), 15, 15), QColor(Qt::black));

    Click(8, 8);
    Click(8, 8, Qt::RightButton); // the centre is its own partner
    EXPECT_EQ(Procs.Puzzle.Solution(8, 8), NoLetter);

    Grid->SymmetryOn = false;
    Click(2, 1);
    EXPECT_EQ(Procs.Puzzle.Solution(2, 1), BlackSquare);
    EXPECT_EQ(Procs.Puzzle.Solution(14, 15), NoLetter);
}

TEST_F(GridDesign, DragPaintsOnlyWithExactlyOneButtonAndNoModifier) {
    Grid->SymmetryOn = false;
    QTest::mousePress(Grid.get(), Qt::LeftButton, {}, Centre(1, 3));
    for (int x = 2; x <= 5; ++x) Move(x, 3);
    Move(9, 3, Qt::ControlModifier);
    QTest::mouseRelease(Grid.get(), Qt::LeftButton, {}, Centre(9, 3));
    EXPECT_EQ(Row(3), "#####..........");

    QTest::mousePress(Grid.get(), Qt::RightButton, {}, Centre(2, 3));
    Move(3, 3);
    Move(4, 3, Qt::ShiftModifier);
    QTest::mouseRelease(Grid.get(), Qt::RightButton, {}, Centre(4, 3));
    EXPECT_EQ(Row(3), "#..##..........");

    // Both buttons held: the second press paints, the drag does not.
    QTest::mousePress(Grid.get(), Qt::LeftButton, {}, Centre(10, 5));
    QTest::mousePress(Grid.get(), Qt::RightButton, {}, Centre(11, 5));
    Move(12, 5);
    QTest::mouseRelease(Grid.get(), Qt::RightButton, {}, Centre(12, 5));
    QTest::mouseRelease(Grid.get(), Qt::LeftButton, {}, Centre(12, 5));
    EXPECT_EQ(Row(5), ".........#.....");
}

TEST_F(GridDesign, PaintingAClueStartDetachesItsCluesAndErasesLetters) {
    Grid->SymmetryOn = false;
    Procs.Puzzle.Index(1, 1) = {1, 2};
    Procs.Puzzle.Clue(1).SetText("Sea bird");
    Procs.Puzzle.Clue(2).SetText("Pond");
    Procs.Puzzle.Clue(3).SetText("Kept");
    Procs.Puzzle.Index(2, 1) = {0, 3};
    Procs.Puzzle.Solution(3, 1) = 'K';
    Procs.Puzzle.Index(4, 1) = {900, 0}; // a damaged file: no such entry

    Click(1, 1);
    Click(3, 1, Qt::RightButton);
    Click(4, 1);
    EXPECT_EQ(Procs.Puzzle.Index(1, 1).AcrossClue, 0);
    EXPECT_EQ(Procs.Puzzle.Index(1, 1).DownClue, 0);
    EXPECT_EQ(Procs.Puzzle.Clue(1).Text(), "");
    EXPECT_EQ(Procs.Puzzle.Clue(2).Text(), "");
    EXPECT_EQ(Procs.Puzzle.Clue(3).Text(), "Kept");
    EXPECT_EQ(Procs.Puzzle.Index(2, 1).DownClue, 3);
    EXPECT_EQ(Procs.Puzzle.Solution(3, 1), NoLetter);
    EXPECT_EQ(Procs.Puzzle.Index(4, 1).AcrossClue, 0);
}

TEST_F(GridDesign, EveryOtherButtonPaintsWhiteAndTheClosingEdgeIsOffTheGrid) {
    Grid->SymmetryOn = false;
    Procs.Puzzle.Solution(4, 4) = BlackSquare;
    QTest::mouseClick(Grid.get(), Qt::MiddleButton, {}, Centre(4, 4));
    EXPECT_EQ(Procs.Puzzle.Solution(4, 4), NoLetter);

    // The last outline pixel belongs to no square: nothing is painted, yet the
    // puzzle counts as changed.
    Procs.PuzzleChanged = false;
    QTest::mouseClick(Grid.get(), Qt::LeftButton, {}, QPoint(15 * Cell, 15 * Cell));
    for (int y = 1; y <= 15; ++y) EXPECT_EQ(Row(y), "...............") << y;
    EXPECT_TRUE(Procs.PuzzleChanged);

    // Outside grid design a drag selects nothing and paints nothing.
    Procs.PuzzleMode = ModeLetters;
    QTest::mousePress(Grid.get(), Qt::LeftButton, {}, Centre(1, 6));
    Move(5, 6);
    QTest::mouseRelease(Grid.get(), Qt::LeftButton, {}, Centre(5, 6));
    EXPECT_EQ(Row(6), "...............");
}

TEST_F(GridDesign, KeysAreIgnored) {
    Procs.PuzzleMode = ModeLetters;
    Click(1, 1);
    Procs.PuzzleMode = ModeSquares;
    Type("A");
    EXPECT_EQ(Procs.Puzzle.Solution(1, 1), NoLetter);
    EXPECT_FALSE(Procs.PuzzleChanged);
}

TEST_F(GridWindow, TypingFillsFromTheClickedSquareToTheWordsEndThenStops) {
    Procs.Puzzle.Solution(6, 1) = BlackSquare;
    Click(3, 1);
    Type("abcx");
    EXPECT_EQ(GetWord(Procs.Puzzle, 1, 1, 'a'), std::string("\0\0ABC", 5));
    EXPECT_EQ(Grid->Direction, 0);
    EXPECT_TRUE(Procs.PuzzleChanged);
    const QImage image = Shown();
    EXPECT_EQ(Fill(image, 5, 1), QColor(Qt::white));
    EXPECT_GT(Ink(image, 5, 1), 10);
}

TEST_F(GridWindow, LettersModeKeys) {
    Procs.Puzzle.Solution(1, 2) = 'R';
    Procs.Puzzle.Solution(2, 2) = 'S';
    Click(1, 2);
    Type("?7+"); // "?" and digits do nothing, "+" marks the square unknown
    Type(" ");   // space erases
    Type("\r");  // Enter keeps the letter and moves on
    QTest::keyClick(Grid.get(), Qt::Key_Backspace); // back onto the kept square
    EXPECT_EQ(Procs.Puzzle.Solution(1, 2), UnknownLetter);
    EXPECT_EQ(Procs.Puzzle.Solution(2, 2), NoLetter);
    EXPECT_EQ(Procs.Puzzle.Solution(3, 2), NoLetter);
    EXPECT_EQ(Fill(Shown(), 3, 2), QColor(255, 255, 0));
    Type("t");
    EXPECT_EQ(Procs.Puzzle.Solution(3, 2), 'T');
}

TEST_F(GridWindow, BackspaceOnTheFirstSquareStaysAndChangesNothing) {
    Procs.Puzzle.Solution(4, 1) = BlackSquare;
    Procs.Puzzle.Solution(5, 1) = 'E';
    Click(5, 1);
    QTest::keyClick(Grid.get(), Qt::Key_Backspace);
    QTest::keyClick(Grid.get(), Qt::Key_Backspace);
    EXPECT_EQ(Procs.Puzzle.Solution(5, 1), 'E');
    EXPECT_EQ(Grid->SquareAt(Grid->CursorPos), QPoint(5, 1));
    EXPECT_EQ(Grid->Direction, 1);
    Type("x");
    EXPECT_EQ(Procs.Puzzle.Solution(5, 1), 'X');
}

TEST_F(GridWindow, SwappedButtonsMakeTheLeftButtonSelectDown) {
    Grid->SwapButtons = true;
    Click(2, 14);
    EXPECT_EQ(Grid->Direction, 2);
    Type("ok");
    EXPECT_EQ(Procs.Puzzle.Solution(2, 14), 'O');
    EXPECT_EQ(Procs.Puzzle.Solution(2, 15), 'K');
    EXPECT_EQ(Grid->Direction, 0);
    Click(2, 14, Qt::RightButton);
    EXPECT_EQ(Grid->Direction, 1);
}

TEST_F(GridWindow, AutoclueFollowsTheSelectionWhileShowing) {
    Peers.Showing = true;
    Procs.Puzzle.Solution(1, 1) = BlackSquare;
    Click(2, 1);
    Click(1, 1);
    EXPECT_EQ(Peers.Calls, QStringList({"GotoCursorWord", "BringToFront"}));
}

class Solving : public GridWindow {
protected:
    void SetUp() override {
        GridWindow::SetUp();
        Procs.PuzzleMode = ModeSolve;
        for (int x = 1; x <= 15; ++x) Procs.Puzzle.Solution(x, 1) = 'A' + x;
        Procs.Puzzle.Index(1, 1) = {5, 0};
    }
};

TEST_F(Solving, PlusRevealsTheAnswerAndCountsAsCheating) {
    Click(1, 1);
    Type("q+");
    EXPECT_EQ(Procs.Puzzle.Player(1, 1), 'Q');
    EXPECT_EQ(Procs.Puzzle.Player(2, 1), Procs.Puzzle.Solution(2, 1));
    EXPECT_EQ(Procs.Puzzle.Solution(1, 1), 'B');
    EXPECT_TRUE(Grid->Cheated);
}

TEST_F(Solving, ClickShowsTheClueOfTheWordsFirstSquare) {
    Click(4, 1);
    EXPECT_EQ(Peers.Calls, QStringList({"ClearClue", "SelectClue 4", "ShowClue"}));

    // The down word at (4, 1) has no clue entry: no line is selected.
    Peers.Calls.clear();
    Click(4, 1, Qt::RightButton);
    EXPECT_EQ(Peers.Calls, QStringList({"ClearClue", "SelectClue -1"}));

    // Typing past the word's end clears the clue again.
    Peers.Calls.clear();
    Type("abcdefghijklmno");
    EXPECT_EQ(Peers.Calls, QStringList({"SelectClue -1", "ClearClue"}));
}

TEST_F(Solving, EnterAndBackspaceKeepThePlayersLettersDownAWord) {
    for (int y = 1; y <= 15; ++y) Procs.Puzzle.Solution(2, y) = 'D';
    Procs.Puzzle.Player(2, 2) = 'Q';
    Click(2, 1, Qt::RightButton);
    Type("\r\r"); // an empty square stays empty, a letter stays
    QTest::keyClick(Grid.get(), Qt::Key_Backspace);
    EXPECT_EQ(Procs.Puzzle.Player(2, 1), 0);
    EXPECT_EQ(Procs.Puzzle.Player(2, 2), 'Q');
    EXPECT_EQ(Grid->SquareAt(Grid->CursorPos), QPoint(2, 2));
    EXPECT_EQ(Fill(Shown(), 2, 2), QColor(255, 255, 0));
    Type("z");
    EXPECT_EQ(Procs.Puzzle.Player(2, 2), 'Z');
    EXPECT_EQ(Procs.Puzzle.Solution(2, 2), 'D');
    EXPECT_FALSE(Grid->Cheated);
}

TEST_F(Solving, ClickOnABlackSquareOrOffTheGridClearsTheClueAndTheSelection) {
    Procs.Puzzle.Solution(3, 3) = BlackSquare;
    Click(1, 1);
    for (QPoint off : {Centre(3, 3), QPoint(15 * Cell, 5)}) {
        Peers.Calls.clear();
        QTest::mouseClick(Grid.get(), Qt::LeftButton, {}, off);
        EXPECT_EQ(Peers.Calls, QStringList({"ClearClue", "SelectClue -1"}));
        EXPECT_EQ(Grid->Direction, 0);
    }
    EXPECT_EQ(Fill(Shown(), 2, 1), QColor(Qt::white));
    Type("a");
    EXPECT_EQ(Procs.Puzzle.Player(1, 1), 0);
}

} // namespace

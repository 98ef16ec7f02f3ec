// The grid window's drawing, geometry, caption and closing, checked on the
// pixels it shows.
#include "GridTestSupport.h"

using namespace wl;
using namespace wl::gridtest;

namespace {

const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);

bool IsGrey(QColor c) {
    return c.red() == c.green() && c.green() == c.blue() && c.red() < 200;
}
bool IsRed(QColor c) {
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

TEST_F(GridWindow, SizeAndCaptionFollowTheRulesForA15By15Grid) {
    EXPECT_EQ(Grid->OuterWidth(), 412);
    EXPECT_EQ(Grid->OuterHeight(), 17 + 412);
    EXPECT_EQ(Grid->size(), QSize(406, 406)); // the squares and the closing outline
    EXPECT_EQ(Grid->windowTitle(), "MYPUZ");

    // Only the last four characters go, whatever the extension's length.
    Grid->hide();
    Grid->setWindowTitle("mypuz.abcde");
    Grid->show();
    EXPECT_EQ(Grid->windowTitle(), "MYPUZ.A");
}

TEST_F(GridWindow, ShowingAgainClearsCheatedAndTheSelection) {
    Click(3, 3);
    Grid->ShowAnswers();
    Grid->hide();
    Grid->show();
    EXPECT_FALSE(Grid->Cheated);
    EXPECT_EQ(Grid->Direction, 0);
    EXPECT_EQ(Fill(Shown(), 3, 3), White);
}

TEST_F(GridWindow, ConstructionShowsBlackSquaresLettersAndUnknownAsQuestionMark) {
    Procs.Puzzle.Solution(1, 1) = BlackSquare;
    Procs.Puzzle.Solution(2, 1) = UnknownLetter;
    Procs.Puzzle.Solution(3, 1) = 'W';
    Procs.Puzzle.Player(4, 1) = 'Q'; // not shown while constructing
    Grid->Invalidate();
    const QImage image = Shown();
    EXPECT_EQ(Fill(image, 1, 1), QColor(Qt::black));
    EXPECT_GT(Ink(image, 2, 1), 10);
    EXPECT_GT(Ink(image, 3, 1), Ink(image, 2, 1)); // a W carries more ink than a "?"
    EXPECT_EQ(Ink(image, 4, 1), 0);
    // Neighbours share a one-pixel outline; the last one closes the grid.
    EXPECT_EQ(image.pixelColor(2 * Cell, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(15 * Cell, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(2 * Cell + 1, 5), White);
}

TEST_F(GridWindow, SolvingShowsOnlyThePlayersLetters) {
    Procs.PuzzleMode = ModeSolve;
    Procs.Puzzle.Solution(1, 1) = 'A';
    Procs.Puzzle.Solution(2, 1) = 'B';
    Procs.Puzzle.Player(2, 1) = 'C';
    Grid->Invalidate();
    const QImage image = Shown();
    EXPECT_EQ(Ink(image, 1, 1), 0);
    EXPECT_GT(Ink(image, 2, 1), 10);
}

TEST_F(GridWindow, ClickHighlightsFromTheClickedSquareToTheWordsEnd) {
    Procs.Puzzle.Solution(6, 2) = BlackSquare;
    Grid->Invalidate();
    Click(3, 2);
    QImage image = Shown();
    for (int x : {1, 2, 7}) EXPECT_EQ(Fill(image, x, 2), White) << x;
    for (int x : {3, 4, 5}) EXPECT_EQ(Fill(image, x, 2), Yellow) << x;

    // A full repaint keeps the selection; a click elsewhere returns it to white.
    Grid->Invalidate();
    EXPECT_EQ(Fill(Shown(), 4, 2), Yellow);
    Click(1, 9, Qt::RightButton);
    image = Shown();
    EXPECT_EQ(Fill(image, 4, 2), White);
    for (int y = 9; y <= 15; ++y) EXPECT_EQ(Fill(image, 1, y), Yellow) << y;
}

TEST_F(GridWindow, CheatShowsGreyAnswersOnEmptySquaresUntilTheNextRepaint) {
    Procs.PuzzleMode = ModeSolve;
    for (int x = 1; x <= 3; ++x) Procs.Puzzle.Solution(x, 1) = 'M';
    Procs.Puzzle.Player(2, 1) = 'M';
    Procs.Puzzle.Player(3, 1) = 'X';
    Grid->Invalidate();
    const QImage before = Shown();
    Grid->ShowAnswers();
    EXPECT_TRUE(Grid->Cheated);
    const QImage image = Shown();
    EXPECT_GT(Count(image, 1, 1, IsGrey), 10);
    EXPECT_EQ(Ink(image, 1, 1), 0);
    // Squares the player filled, right or wrong, are not touched.
    const QRect filled(Cell, 0, 2 * Cell + 1, Cell + 1);
    EXPECT_EQ(image.copy(filled), before.copy(filled));

    Grid->Invalidate();
    EXPECT_EQ(Count(Shown(), 1, 1, IsGrey), 0);
}

TEST_F(GridWindow, CheatOnAFilledGridDrawsNothingNewButStillCounts) {
    Procs.PuzzleMode = ModeSolve;
    for (int y = 1; y <= 15; ++y)
        for (int x = 1; x <= 15; ++x) Procs.Puzzle.Solution(x, y) = Procs.Puzzle.Player(x, y) = 'K';
    Grid->Invalidate();
    const QImage before = Shown();
    Grid->ShowAnswers();
    EXPECT_EQ(Shown(), before);
    EXPECT_TRUE(Grid->Cheated);
}

TEST_F(GridWindow, ErrorCrossesMarkOnlyWrongOrEmptyWhiteSquares) {
    Procs.PuzzleMode = ModeSolve;
    Procs.Puzzle.Solution(1, 1) = 'A';
    Procs.Puzzle.Player(1, 1) = 'A'; // right
    Procs.Puzzle.Solution(2, 1) = 'B';
    Procs.Puzzle.Player(2, 1) = 'E';   // wrong
    Procs.Puzzle.Solution(3, 1) = 'C'; // empty
    for (int x = 4; x <= 15; ++x) Procs.Puzzle.Solution(x, 1) = BlackSquare;
    for (int y = 2; y <= 15; ++y)
        for (int x = 1; x <= 15; ++x) Procs.Puzzle.Solution(x, y) = BlackSquare;
    Grid->Invalidate();
    Grid->MarkErrors();
    EXPECT_EQ(Waiter.Waits, std::vector<int>{5});
    QImage image = Shown();
    EXPECT_EQ(Count(image, 1, 1, IsRed), 0);
    EXPECT_GT(Count(image, 2, 1, IsRed), 40);
    EXPECT_GT(Count(image, 3, 1, IsRed), 40);
    EXPECT_EQ(Count(image, 4, 1, IsRed), 0);
    // The cross runs corner to corner, inset by 6 and 5 pixels.
    EXPECT_TRUE(IsRed(image.pixelColor(Cell + 13, 13)));

    Grid->Invalidate();
    EXPECT_EQ(Count(Shown(), 2, 1, IsRed), 0);
}

TEST_F(GridWindow, CelebrationColoursLettersInPassesThenRepaints) {
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 15; ++y)
            Procs.Puzzle.Solution(x, y) = (x + y) % 4 == 0 ? BlackSquare : 'M';
    Procs.PuzzleMode = ModeSolve;
    Grid->Invalidate();
    const auto coloured = [](QColor c) {
        return std::find(CelebratePalette.begin(), CelebratePalette.end(), c) !=
               CelebratePalette.end();
    };
    int colouredOnWhite = 0, colouredOnBlack = 0;
    Waiter.OnWait = [&] {
        if (Waiter.Waits.size() != 60) return;
        const QImage image = Shown();
        for (int x = 1; x <= 15; ++x)
            for (int y = 1; y <= 15; ++y)
                ((x + y) % 4 == 0 ? colouredOnBlack : colouredOnWhite) +=
                    Count(image, x, y, coloured);
    };
    Grid->Celebrate();
    EXPECT_EQ(Waiter.Waits, std::vector<int>(120, 2));
    EXPECT_GT(colouredOnWhite, 500);
    EXPECT_EQ(colouredOnBlack, 0);
    const QImage after = Shown();
    for (int x = 1; x <= 15; ++x) EXPECT_EQ(Count(after, x, 1, coloured), 0);
}

TEST_F(GridWindow, TheUserCannotCloseIt) {
    EXPECT_FALSE(Grid->close());
    EXPECT_TRUE(Grid->isVisible());
    Procs.AllowChildClose = true;
    EXPECT_TRUE(Grid->close());
    EXPECT_FALSE(Grid->isVisible());
}

} // namespace

// Word starts, the numbering walk, GetWord and GridComplete.
#include "DemoProcsUnit.h"

#include <gtest/gtest.h>

using namespace wl;

namespace {

TXwdPuzzle Open(int n) {
    TDemProcs d;
    d.NewPuzzle(std::int16_t(n));
    return d.Puzzle;
}

} // namespace

TEST(WordStarts, OpenGridStartsAcrossInColumnOneAndDownInRowOne) {
    const auto p = Open(15);
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 15; ++y) {
            EXPECT_EQ(StartsAcross(p, x, y), x == 1) << x << "," << y;
            EXPECT_EQ(StartsDown(p, x, y), y == 1) << x << "," << y;
        }
}

TEST(WordStarts, SingleWhiteSquaresStartNothing) {
    auto p = Open(15);
    // Row 1: W B W B ... ; (2,1) black makes (1,1) a single across square.
    p.Solution(2, 1) = BlackSquare;
    EXPECT_FALSE(StartsAcross(p, 1, 1));
    // White between two blacks.
    p.Solution(4, 1) = BlackSquare;
    EXPECT_FALSE(StartsAcross(p, 3, 1));
    // Last column after a black square.
    p.Solution(14, 1) = BlackSquare;
    EXPECT_FALSE(StartsAcross(p, 15, 1));
    // Down: a white square above a black one in row 1.
    p.Solution(5, 2) = BlackSquare;
    EXPECT_FALSE(StartsDown(p, 5, 1));
    EXPECT_TRUE(StartsDown(p, 5, 3));
    // Black squares start nothing.
    EXPECT_FALSE(StartsAcross(p, 2, 1));
    EXPECT_FALSE(StartsDown(p, 2, 1));
}

TEST(WordStarts, OneByOneGridHasNoWords) {
    auto p = Open(1);
    EXPECT_FALSE(StartsAcross(p, 1, 1));
    EXPECT_FALSE(StartsDown(p, 1, 1));
    EXPECT_TRUE(NumberGrid(p).empty());
}

TEST(NumberingWalk, OpenFifteenGrid) {
    const auto squares = NumberGrid(Open(15));
    ASSERT_EQ(squares.size(), 29u); // 15 in row 1, 14 more in column 1
    const auto& s1 = squares[0];
    EXPECT_EQ((std::tuple{s1.X, s1.Y, s1.SquareNumber, s1.AcrossWord, s1.DownWord}),
              (std::tuple{1, 1, 1, 1, 2}));
    const auto& s2 = squares[1];
    EXPECT_EQ((std::tuple{s2.X, s2.Y, s2.SquareNumber, s2.AcrossWord, s2.DownWord}),
              (std::tuple{2, 1, 2, 0, 3}));
    const auto& s16 = squares[15];
    EXPECT_EQ((std::tuple{s16.X, s16.Y, s16.SquareNumber, s16.AcrossWord, s16.DownWord}),
              (std::tuple{1, 2, 16, 17, 0}));
    EXPECT_EQ(squares.back().AcrossWord, 30);
}

TEST(NumberingWalk, WordNumbersRunWithoutGapsInReadingOrder) {
    auto p = Open(11);
    p.Solution(1, 1) = BlackSquare;
    p.Solution(11, 11) = BlackSquare;
    p.Solution(6, 6) = BlackSquare;
    int expected = 0;
    int lastSquare = 0;
    for (const auto& s : NumberGrid(p)) {
        EXPECT_EQ(s.SquareNumber, ++lastSquare);
        if (s.AcrossWord) {
            EXPECT_EQ(s.AcrossWord, ++expected);
        }
        if (s.DownWord) {
            EXPECT_EQ(s.DownWord, ++expected);
        }
        EXPECT_EQ(s.AcrossWord != 0, StartsAcross(p, s.X, s.Y));
        EXPECT_EQ(s.DownWord != 0, StartsDown(p, s.X, s.Y));
    }
    // The black centre splits row 6 and column 6 into two words each.
    EXPECT_EQ(expected, 24);
}

TEST(GetWord, ReadsLettersUnknownsAndStopsAtBlack) {
    auto p = Open(15);
    p.Solution(1, 1) = 'R';
    p.Solution(2, 1) = UnknownLetter;
    p.Solution(3, 1) = 'T';
    p.Solution(4, 1) = BlackSquare;
    EXPECT_EQ(GetWord(p, 1, 1, 'a'), "R?T");
}

TEST(GetWord, StopsAtTheRightAndBottomEdges) {
    auto p = Open(11);
    for (int i = 1; i <= 11; ++i) {
        p.Solution(i, 11) = 'A';
        p.Solution(11, i) = 'D';
    }
    p.Solution(11, 11) = 'E';
    EXPECT_EQ(GetWord(p, 9, 11, 'a'), "AAE");
    EXPECT_EQ(GetWord(p, 11, 9, 'd'), "DDE");
}

TEST(GetWord, AnyOtherDirectionCharacterMeansDown) {
    auto p = Open(11);
    p.Solution(1, 1) = 'X';
    p.Solution(1, 2) = 'Y';
    p.Solution(1, 3) = BlackSquare;
    EXPECT_EQ(GetWord(p, 1, 1, 'd'), "XY");
    EXPECT_EQ(GetWord(p, 1, 1, 'z'), "XY");
}

TEST(GetWord, NoLetterSquaresGiveZeroBytes) {
    auto p = Open(11);
    p.Solution(1, 1) = 'A';
    EXPECT_EQ(GetWord(p, 1, 1, 'a'), std::string("A") + std::string(10, '\0'));
}

TEST(GridComplete, NoLetterSquaresMakeItIncomplete) {
    auto p = Open(11);
    EXPECT_FALSE(GridComplete(p));
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) p.Solution(x, y) = (x + y) % 5 ? 'L' : BlackSquare;
    p.Solution(7, 3) = NoLetter;
    EXPECT_FALSE(GridComplete(p));
    p.Solution(7, 3) = UnknownLetter;
    EXPECT_TRUE(GridComplete(p));
}

TEST(GridComplete, OnlyTheGridsCornerCounts) {
    auto p = Open(11);
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) p.Solution(x, y) = 'A';
    // Squares outside the 11x11 corner stay NoLetter.
    EXPECT_TRUE(GridComplete(p));
}

TEST(RecordSafety, UncheckedSidesNeverReachOutsideTheArrays) {
    TXwdPuzzle p{};
    for (std::int16_t side : {0, -7, 24, 32767}) {
        p.GridSize = side;
        // An all-white 23x23 corner: 23 squares of the first row and 22 more down column 1.
        EXPECT_EQ(NumberGrid(p).size(), side > 0 ? 45u : 0u) << side;
        EXPECT_EQ(GetWord(p, 23, 23, 'a').size(), side >= 23 ? 1u : 0u);
        EXPECT_EQ(GridComplete(p), side <= 0);
    }
}

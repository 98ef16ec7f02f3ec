// The analysis window's counts: squares, words and letters from one walk, the
// identification line and the average word length.
#include "GridAnalysis.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace wl;

namespace {

// Rows top to bottom: "#" black, "." no letter, "?" unknown, else the letter.
TXwdPuzzle Grid(const std::vector<std::string>& rows) {
    TXwdPuzzle p{};
    p.GridSize = std::int16_t(rows.size());
    for (int y = 1; y <= p.GridSize; ++y)
        for (int x = 1; x <= p.GridSize; ++x) {
            const char c = rows[std::size_t(y - 1)][std::size_t(x - 1)];
            p.Solution(x, y) = c == '#'   ? BlackSquare
                               : c == '.' ? NoLetter
                               : c == '?' ? UnknownLetter
                                          : std::uint8_t(c);
        }
    return p;
}

TEST(GridAnalysis, CountsSquaresWordsAndLettersOfTheGrid) {
    // Across CAT, DOGS, ?O; down COD, G?, ASO.
    const TGridAnalysis a = AnalyseGrid(Grid({"CAT#", "O##A", "DOGS", "##?O"}));
    EXPECT_EQ(a.BlackSquares, 5);
    EXPECT_EQ(a.AcrossWords, 3);
    EXPECT_EQ(a.DownWords, 3);
    EXPECT_EQ(a.Words(), 6);
    EXPECT_EQ(a.TwoLetterWords, 2);
    EXPECT_EQ(a.ThreeLetterWords, 3);
    EXPECT_EQ(a.EndsInS, 1);
    EXPECT_EQ(a.TotalLetters, 17); // squares in two words count twice
    EXPECT_EQ(a.AverageLength(), 2);
    EXPECT_EQ(a.QueryCount, 1);
    std::array<int, 26> letters{};
    for (char c : std::string("CATOADOGSO")) ++letters[std::size_t(c - 'A')];
    EXPECT_EQ(a.LetterCount, letters);
}

TEST(GridAnalysis, IdentificationLineAndAverage) {
    struct TRow {
        std::vector<std::string> Rows;
        std::string Line;
        std::optional<int> Average;
    };
    const TRow rows[] = {
        // Lengths 3 and 4: 7 div 2.
        {{"CAT#", "####", "DOGS", "####"}, "CAT - DOGS    4x", 3},
        // An empty square in the first across word, however full the rest.
        {{"C.T#", "####", "DOGS", "####"}, "INCOMPLETE", 3},
        // Unknown letters are filled squares and show as "?".
        {{"C?T#", "####", "D?GS", "####"}, "C?T - D?GS    4x", 3},
        // An empty square in the second word cuts the line there.
        {{"CAT#", "####", "DO.S", "####"}, "CAT - DO", 3},
        // No word at all: nothing to divide by.
        {{"A#", "#B"}, " -     2x", std::nullopt},
    };
    for (const TRow& row : rows) {
        const TGridAnalysis a = AnalyseGrid(Grid(row.Rows));
        EXPECT_EQ(IdentificationLine(a, int(row.Rows.size())), row.Line) << row.Rows[0];
        EXPECT_EQ(a.AverageLength(), row.Average) << row.Rows[0];
    }
}

} // namespace

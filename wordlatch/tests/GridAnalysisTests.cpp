// The analysis window's counts (squares, words and letters from one walk, the
// identification line and the average word length) and the constructor's scan.
#include "GridAnalysis.h"
#include "GridScan.h"
#include "OutputTestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
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

// A lopsided 5 x 5 grid with a down-only start at (1,1), a "?" and an empty
// square, two cut-off parts, a repeated answer and two clued words: every
// finding, in order, with its square and direction.
TEST(GridScan, ListsEveryFindingMostSeriousFirstThenTheFacts) {
    TXwdPuzzle p = fakes::FromRows({"A#CAT", "B#?.E", "CAT##", "#####", "DOG#X"});
    p.Index(1, 1).DownClue = 1;
    p.Clue(1).SetText("Letters");
    p.Index(3, 1).AcrossClue = 2;
    p.Clue(2).SetText("Pet");
    std::string listed;
    for (const TScanFinding& f : ScanGrid(p))
        listed += "FWI"[int(f.Level)] + std::string(" ") + std::to_string(f.X) + "," +
                  std::to_string(f.Y) + (f.Direction ? std::string(1, f.Direction) : "") + " " +
                  f.Text + "\n";
    EXPECT_EQ(listed, "F 3,2 Square (3,2) holds \"?\".\n"
                      "F 4,2 Square (4,2) is empty.\n"
                      "F 1,5 3 squares from (1,5) are cut off from the rest of the grid.\n"
                      "F 5,5 The square (5,5) is cut off from the rest of the grid.\n"
                      "F 1,2 Square (1,2) is white, its twin (5,4) black.\n"
                      "F 3,2 Square (3,2) is white, its twin (3,4) black.\n"
                      "F 4,2 Square (4,2) is white, its twin (2,4) black.\n"
                      "F 5,2 Square (5,2) is white, its twin (1,4) black.\n"
                      "F 1,3 Square (1,3) is white, its twin (5,3) black.\n"
                      "F 2,3 Square (2,3) is white, its twin (4,3) black.\n"
                      "F 4,1d 3 Down (A.) is shorter than three letters.\n"
                      "F 5,1d 4 Down (TE) is shorter than three letters.\n"
                      "W 3,1a CAT is the answer of 2 Across and 6 Across.\n"
                      "W 3,1d 2 Down (C?T) has no clue.\n"
                      "W 4,1d 3 Down (A.) has no clue.\n"
                      "W 5,1d 4 Down (TE) has no clue.\n"
                      "W 3,2a 5 Across (?.E) has no clue.\n"
                      "W 1,3a 6 Across (CAT) has no clue.\n"
                      "W 1,5a 7 Across (DOG) has no clue.\n"
                      "W 0,0 7 squares are unchecked (in one word at most):\n"
                      "W 1,1 Square (1,1) is only in 1 Down.\n"
                      "W 1,2 Square (1,2) is only in 1 Down.\n"
                      "W 2,3 Square (2,3) is only in 6 Across.\n"
                      "W 1,5 Square (1,5) is only in 7 Across.\n"
                      "W 2,5 Square (2,5) is only in 7 Across.\n"
                      "W 3,5 Square (3,5) is only in 7 Across.\n"
                      "W 5,5 Square (5,5) is in no word.\n"
                      "I 0,0 8 words: 4 across, 4 down.\n"
                      "I 0,0 Black squares: 10 of 25 (40.0%).\n"
                      "I 0,0 Average word length: 2.8 letters.\n"
                      "I 2,1 Black square (2,1) changes no word count (a cheater).\n"
                      "I 4,3 Black square (4,3) changes no word count (a cheater).\n"
                      "I 5,3 Black square (5,3) changes no word count (a cheater).\n"
                      "I 1,4 Black square (1,4) changes no word count (a cheater).\n"
                      "I 3,4 Black square (3,4) changes no word count (a cheater).\n"
                      "I 4,5 Black square (4,5) changes no word count (a cheater).\n"
                      "I 5,3 Black squares along the right edge from (5,3) to (5,4).\n");
}

TEST(GridScan, AFinishedSymmetricGridHasNoProblemsToList) {
    TXwdPuzzle p = fakes::FromRows({"CAT", "ODE", "WEB"});
    for (const TNumberedSquare& s : NumberGrid(p)) {
        p.Index(s.X, s.Y) = {std::uint16_t(s.AcrossWord), std::uint16_t(s.DownWord)};
        for (int word : {s.AcrossWord, s.DownWord})
            if (word) p.Clue(word).SetText("clue");
    }
    std::string listed;
    for (const TScanFinding& f : ScanGrid(p)) listed += f.Text + "\n";
    EXPECT_EQ(listed, "No problems found.\n6 words: 3 across, 3 down.\nBlack squares: 0 of 9 (0.0%).\n"
                      "Average word length: 3.0 letters.\n");
}

// Puzzles for the tests: the shared 7 x 7 sample, grids from rows of text, and
// large puzzles of any side with a clue for every word.
#pragma once

#include "DemoProcsUnit.h"

#include <functional>
#include <string>
#include <vector>

namespace wl::fakes {

// A puzzle from rows of text: '#' black, '.' NoLetter, '?' UnknownLetter, else the letter.
inline TXwdPuzzle FromRows(const std::vector<std::string>& rows) {
    TDemProcs d;
    d.NewPuzzle(std::int16_t(rows.size()));
    for (int y = 1; y <= int(rows.size()); ++y)
        for (int x = 1; x <= int(rows.size()); ++x) {
            const char c = rows[std::size_t(y - 1)][std::size_t(x - 1)];
            d.Puzzle.Solution(x, y) = c == '#'   ? BlackSquare
                                      : c == '.' ? NoLetter
                                      : c == '?' ? UnknownLetter
                                                 : std::uint8_t(c);
        }
    return d.Puzzle;
}

// The sample most tests share. Not symmetric; square (1,1) starts only a down
// word, as do (4,1), (6,1), (7,2) and (7,5); single white squares belong to no
// word; entries 1 and 8 are empty and the down word at (4,1) links to none.
// Its entries: 1 SOW d, 2 PLUM a, 3 PARTYOG d, 4 LL d, 5 MOE d, 6 OVAL a,
// 7 OX a, 8 XN d, 9 HEN a, 10 HERED d, 11 TOE a, 12 BAY a, 13 BED d, 14 RIB a,
// 15 BOG d, 16 ONE a, 17 DIG a, 18 DOG a.
inline const std::vector<std::string> SampleRows = {"S#PLUM#", "OVAL#OX", "W#R#HEN", "##TOE##",
                                                    "BAY#RIB", "E#ONE#O", "DIG#DOG"};
// Its square numbers, a row a line, squares apart by a space: '#' black, '.' none.
inline const std::vector<std::string> SampleNumbers = {
    "1 # 2 3 . 4 #",    "5 . . . # 6 7",  ". # . # 8 . .",  "# # 9 . . # #",
    "10 . . # 11 . 12", ". # 13 . . # .", "14 . . # 15 . ."};

inline TXwdPuzzle SamplePuzzle() {
    TXwdPuzzle p = FromRows(SampleRows);
    const struct {
        int X, Y, Across, Down;
    } links[] = {{1, 1, 0, 1},  {3, 1, 2, 3},  {4, 1, 0, 0},  {6, 1, 0, 5},  {1, 2, 6, 0},
                 {6, 2, 7, 0},  {7, 2, 0, 8},  {5, 3, 9, 10}, {3, 4, 11, 0}, {1, 5, 12, 13},
                 {5, 5, 14, 0}, {7, 5, 0, 15}, {3, 6, 16, 0}, {1, 7, 17, 0}, {5, 7, 18, 0}};
    for (const auto& l : links)
        p.Index(l.X, l.Y) = {std::uint16_t(l.Across), std::uint16_t(l.Down)};
    // Entry texts 1 to 18, apart by '|'.
    std::string clues = "|Purple fruit|Made-up word|Not linked|Larry's pal|Egg shape|Yoke wearer||"
                        "\"Layer\" on a farm|Coined word|Foot digit|Inlet|Place to sleep|Spare ___|"
                        "Marsh|Single|Excavate|Man's best friend|";
    for (int e = 1; e <= 18; ++e) {
        const std::size_t bar = clues.find('|');
        p.Clue(e).SetText(clues.substr(0, bar));
        clues.erase(0, bar + 1);
    }
    return p;
}

// Word number w's clue in the large puzzles: long ones of up to 60 characters
// with quotes and apostrophes, as a real puzzle has.
inline std::string SampleClue(int w) {
    static const char* const clues[] = {
        "Where the \"big top\" stands when the circus is in town",
        "Capital of Norway",
        "It's found at the end of a rainbow, they say, in legend",
        "Shakespeare's \"Much ___ About Nothing\"",
        "Opposite of none",
        "Sailor's call to a ship that passes in the night",
        "Measures of land, or a suburban lot's size in old deeds",
        "Tree",
        "Painter's stand, usually three-legged and folding",
        "Greek letter between \"pi\" and \"sigma\"",
    };
    return clues[(w - 1) % 10];
}

// Black squares in a pattern symmetric under a half turn: short bars in
// every fourth row and column, as a crossword grid has them.
inline bool PatternBlack(int n, int x, int y) {
    const auto bar = [](int a, int b) { return a % 4 == 0 && (b % 6 == 1 || b % 6 == 2); };
    const int rx = n + 1 - x, ry = n + 1 - y;
    return bar(x, y) || bar(y, x) || bar(rx, ry) || bar(ry, rx);
}

inline TXwdPuzzle MakePuzzle(int n, const std::function<std::string(int)>& clue = SampleClue,
                             const std::function<bool(int, int, int)>& black = PatternBlack) {
    TDemProcs procs;
    procs.NewPuzzle(std::int16_t(n));
    TXwdPuzzle& p = procs.Puzzle;
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x)
            p.Solution(x, y) =
                black(n, x, y) ? BlackSquare : std::uint8_t('A' + (x * 7 + y * 3) % 26);
    for (const TNumberedSquare& s : NumberGrid(p)) {
        for (int w : {s.AcrossWord, s.DownWord}) {
            if (w == 0 || w > MaxWords) continue;
            (w == s.AcrossWord ? p.Index(s.X, s.Y).AcrossClue : p.Index(s.X, s.Y).DownClue) =
                std::uint16_t(w);
            p.Clue(w).SetText(clue(w));
        }
    }
    return p;
}

inline bool NoBlacks(int, int, int) {
    return false;
}

} // namespace wl::fakes

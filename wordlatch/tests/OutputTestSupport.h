// Puzzles for the print and export tests: a side, a symmetric pattern of black
// squares, letters in every white square and a clue for every word.
#pragma once

#include "DemoProcsUnit.h"

#include <functional>
#include <string>

namespace wl::fakes {

// Word number w's clue: long ones of up to 60 characters with quotes and
// apostrophes, as a real puzzle has.
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

// The constructor's checks of a grid before it is published: what is missing
// or wrong, most serious first, then facts about the grid. Standard C++ only.
#pragma once

#include "DemoProcsUnit.h"

#include <string>
#include <vector>

namespace wl {

enum class TScanLevel {
    Fault,   // the puzzle is not finished or cannot be published as it is
    Warning, // allowed, but a constructor checks it
    Info,    // a fact about the grid
};

struct TScanFinding {
    TScanLevel Level;
    // The square, or a word's first square; (0, 0) for the whole grid.
    int X = 0;
    int Y = 0;
    // 'a' or 'd' for a word, 0 for a square or the whole grid.
    char Direction = 0;
    std::string Text;
};

// Every finding, faults first, then warnings, then facts; within a level in
// the order of the checks and, for each check, in reading order. The checks
// against the word lists come from their own library as `wordWarnings`, which
// follow the grid's warnings.
std::vector<TScanFinding> ScanGrid(const TXwdPuzzle& p, std::vector<TScanFinding> wordWarnings = {});

} // namespace wl

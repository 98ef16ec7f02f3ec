// Whole-grid transforms of the puzzle record and the blank pattern of a grid.
// Standard C++ only. All of them keep 180-degree symmetry where it held.
#pragma once

#include "DemoProcsUnit.h"

namespace wl {

enum class TTransform {
    Invert, // black squares become white and white squares black
    Turn,   // a quarter turn clockwise: square (x, y) goes to (n + 1 - y, x)
    Flip,   // mirrored over the main diagonal: square (x, y) goes to (y, x)
};

// Whether `t` would lose something: Invert and Turn lose every letter (answer
// and solver's) and clue, Flip only the clues of words it numbers past MaxWords
// and clue texts that no word links to.
bool TransformLoses(const TXwdPuzzle& p, TTransform t);

// Applies `t` to the grid, clearing what TransformLoses names. Flip keeps
// every word readable: across and down words trade places, and each keeps its
// clue text, stored under the entry its new word number gives.
void Transform(TXwdPuzzle& p, TTransform t);

// The grid's black squares only: answers, the solver's letters, clue links and
// clue texts cleared; size and byline kept.
TXwdPuzzle GridPattern(const TXwdPuzzle& p);

} // namespace wl

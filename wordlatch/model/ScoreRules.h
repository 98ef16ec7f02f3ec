// Scoring a solve: the solver's letters against the answers.
#pragma once

#include "DemoProcsUnit.h"

namespace wl {

// Every white square's PlayerGrid byte equals its SolutionGrid byte.
bool PuzzleSolved(const TXwdPuzzle& p);
// Empties the solver's letters of the whole grid (Start Over).
void ClearPlayerGrid(TXwdPuzzle& p);

} // namespace wl

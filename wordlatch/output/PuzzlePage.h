// The solver's puzzle page: a title line, the empty numbered grid at the upper
// right and the across and down clues flowing in five columns beside and
// below it, with typographic quotes.
#pragma once

#include "ManuscriptPages.h"

namespace wl {

// Prints the page on a new page of the job (or begins the job) under `title`.
// Clues that overflow the fifth column, across or down, go on to further
// pages headed "<title> / page <n>", whose five columns start at the top.
void PrintPuzzlePage(TPrintJob& job, const TPrintContent& content, const QString& title);

// The number font of the page's grid: 9 point for 11 to 15 squares a side, 6 point
// for 23, else 7 point.
int PuzzleNumberPoints(int gridSize);

} // namespace wl

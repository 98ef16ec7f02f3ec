// The grid scan's checks that need the word lists: answers the lists do not
// hold, and answers scoring under a minimum. Standard C++ only.
#pragma once

#include "GridScan.h"
#include "WordIndex.h"

#include <vector>

namespace wl {

// Warnings for the whole answers of the grid, in numbering order: first those
// not in `words`, then those scoring less than `minScore`.
std::vector<TScanFinding> ScanWords(const TXwdPuzzle& p, const TWordIndex& words, int minScore);

} // namespace wl

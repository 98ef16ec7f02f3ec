// Fill suggestions for one slot: the words that fit its letters and leave
// every crossing word a completion. Standard C++ only.
#pragma once

#include "GridSlots.h"
#include "WordIndex.h"

#include <cstddef>
#include <vector>

namespace wl {

struct TSuggestion {
    const TWordEntry* Entry = nullptr;
    // The completions left to the tightest crossing word still to fill; 0 when
    // no crossing word has an empty square.
    std::size_t Keeps = 0;
};

// Ranked by score, then by Keeps, then alphabetically; at most `limit`, and
// `found` gets how many there are in all.
std::vector<TSuggestion> Suggest(const TXwdPuzzle& p, const TGridSlots& slots, int slot,
                                 const TWordIndex& words, int minScore, std::size_t limit,
                                 std::size_t* found = nullptr);

} // namespace wl

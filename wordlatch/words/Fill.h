// The automatic fill: a constraint solver over the grid's slots, whose values
// are the dictionary's words. Domains are bitsets over the index's groups;
// every placement is followed by propagation to a fixed point over the
// squares' letters (arc consistency); the slot with the smallest domain for
// its past failures goes first (dom/wdeg); words are tried best first with a
// little randomness; the search restarts after a growing number of failures,
// keeping the failure weights. Standard C++ only.
#pragma once

#include "GridSlots.h"
#include "WordIndex.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace wl {

// A word of the grid by its first square... or any square of it.
struct TWordAt {
    int X = 0;
    int Y = 0;
    char Direction = 'a';
};

struct TFillOptions {
    int MinScore = 1;       // no word placed scores less
    bool NoRepeats = true;  // no answer twice in the grid
    bool UseScores = true;  // false: words tried in random order
    std::uint32_t Seed = 1; // another seed, another fill
    double TimeLimit = 60;  // seconds
    // Only the words through this word and the empty squares joined to them.
    std::optional<TWordAt> Region;
};

struct TFillProgress {
    int Placed = 0; // slots holding one word now
    int Slots = 0;  // slots to fill
    long long Steps = 0;
    double Seconds = 0;
};

enum class TFillOutcome { Filled, NothingToFill, NoFill, TimedOut, Cancelled };

struct TFillResult {
    TFillOutcome Outcome = TFillOutcome::NoFill;
    TXwdPuzzle Puzzle{};     // the filled grid; the grid as given otherwise
    std::string HardestSlot; // the slot that failed most, when no fill was found
    int Placed = 0;          // words placed
    double MeanScore = 0;    // of the words placed
    long long Steps = 0;
    double Seconds = 0;
};

// Fills the empty squares ("?" squares too) of `p`, keeping every letter
// there. `cancel` is polled; `progress` is called a few times a second from
// the calling thread.
TFillResult FillGrid(const TXwdPuzzle& p, const TWordIndex& words, const TFillOptions& options,
                     const std::atomic<bool>* cancel = nullptr,
                     const std::function<void(const TFillProgress&)>& progress = {});

} // namespace wl

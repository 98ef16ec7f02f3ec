// What one change did to the puzzle record, as the runs of bytes it changed:
// the step an undo history keeps instead of the whole 14156-byte record.
// Standard C++ only.
#pragma once

#include "DemoProcsUnit.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace wl {

// Holds, for each run, the bytes the record does not hold at the moment: the
// old ones after the change, the new ones once undone. Undo and redo are then
// the same exchange, and a step costs one copy of the bytes it changed.
struct TRecordDelta {
    struct TRun {
        std::uint16_t Offset; // into the record's bytes
        std::uint16_t Length;
    };
    std::vector<TRun> Runs;
    std::string Bytes; // the runs' bytes, one after the other

    bool Empty() const { return Runs.empty(); }
    // The memory the delta holds, for bounding a history.
    std::size_t Size() const { return Bytes.size() + Runs.size() * sizeof(TRun); }
};

static_assert(sizeof(TXwdPuzzle) <= UINT16_MAX, "run offsets are 16 bits");

// The runs where `after` differs from `before`, holding `before`'s bytes;
// runs closer than a few bytes are kept as one.
TRecordDelta Difference(const TXwdPuzzle& before, const TXwdPuzzle& after);

// Swaps the delta's bytes with the record's: takes a change back, or does it again.
void Exchange(TXwdPuzzle& p, TRecordDelta& delta);

} // namespace wl

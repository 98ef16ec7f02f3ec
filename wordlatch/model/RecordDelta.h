// What one change did to the puzzle record, as the runs of bytes it changed:
// the step an undo history keeps instead of the whole 14156-byte record.
// Standard C++ only.
#pragma once

#include "DemoProcsUnit.h"

#include <cstddef>
#include <string>
#include <vector>

namespace wl {

struct TRecordDelta {
    struct TRun {
        std::size_t Offset; // into the record's bytes
        std::string Before;
        std::string After; // as long as Before
    };
    std::vector<TRun> Runs;

    bool Empty() const { return Runs.empty(); }
    // The bytes the runs hold, for bounding a history's memory.
    std::size_t Size() const;
};

// The runs where `after` differs from `before`; runs closer than a few bytes
// are kept as one, so a change costs little more than the bytes it changed.
TRecordDelta Difference(const TXwdPuzzle& before, const TXwdPuzzle& after);

// Puts the runs' After bytes (redo) or their Before bytes (undo) into `p`.
void Redo(TXwdPuzzle& p, const TRecordDelta& delta);
void Undo(TXwdPuzzle& p, const TRecordDelta& delta);

} // namespace wl

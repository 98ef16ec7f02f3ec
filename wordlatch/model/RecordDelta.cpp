#include "RecordDelta.h"

#include <algorithm>

namespace wl {

namespace {

// Equal bytes between two changed ones up to which both stay in one run: a
// separate run costs its offset and length.
constexpr std::size_t JoinGap = 4;

const char* Bytes(const TXwdPuzzle& p) {
    return reinterpret_cast<const char*>(&p);
}

} // namespace

TRecordDelta Difference(const TXwdPuzzle& before, const TXwdPuzzle& after) {
    const char* a = Bytes(before);
    const char* b = Bytes(after);
    TRecordDelta delta;
    std::size_t i = 0;
    while (i < sizeof(TXwdPuzzle)) {
        if (a[i] == b[i]) {
            ++i;
            continue;
        }
        // A run ends once more than JoinGap equal bytes follow its last changed one.
        std::size_t end = i + 1, last = i;
        while (end < sizeof(TXwdPuzzle) && end - last <= JoinGap) {
            if (a[end] != b[end]) last = end;
            ++end;
        }
        delta.Runs.push_back({std::uint16_t(i), std::uint16_t(last + 1 - i)});
        delta.Bytes.append(a + i, last + 1 - i);
        i = last + 1;
    }
    return delta;
}

void Exchange(TXwdPuzzle& p, TRecordDelta& delta) {
    char* record = reinterpret_cast<char*>(&p);
    char* held = delta.Bytes.data();
    for (const TRecordDelta::TRun& run : delta.Runs) {
        std::swap_ranges(record + run.Offset, record + run.Offset + run.Length, held);
        held += run.Length;
    }
}

} // namespace wl

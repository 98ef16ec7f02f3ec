#include "RecordDelta.h"

#include <cstring>

namespace wl {

namespace {

// Equal bytes between two changed ones up to which both stay in one run: a
// run's own cost (its offset and two strings) is larger than that.
constexpr std::size_t JoinGap = 16;

const char* Bytes(const TXwdPuzzle& p) {
    return reinterpret_cast<const char*>(&p);
}

void Put(TXwdPuzzle& p, std::size_t offset, const std::string& bytes) {
    std::memcpy(reinterpret_cast<char*>(&p) + offset, bytes.data(), bytes.size());
}

} // namespace

std::size_t TRecordDelta::Size() const {
    std::size_t bytes = 0;
    for (const TRun& run : Runs) bytes += run.Before.size() + run.After.size();
    return bytes;
}

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
        // A run ends once JoinGap equal bytes follow its last changed one.
        std::size_t end = i + 1, last = i;
        while (end < sizeof(TXwdPuzzle) && end - last <= JoinGap) {
            if (a[end] != b[end]) last = end;
            ++end;
        }
        delta.Runs.push_back({i, std::string(a + i, last + 1 - i), std::string(b + i, last + 1 - i)});
        i = last + 1;
    }
    return delta;
}

void Redo(TXwdPuzzle& p, const TRecordDelta& delta) {
    for (const auto& run : delta.Runs) Put(p, run.Offset, run.After);
}

void Undo(TXwdPuzzle& p, const TRecordDelta& delta) {
    // Back to front, so that the record reads exactly as before.
    for (auto run = delta.Runs.rbegin(); run != delta.Runs.rend(); ++run) Put(p, run->Offset, run->Before);
}

} // namespace wl

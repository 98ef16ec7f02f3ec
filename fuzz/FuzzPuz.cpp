// Any bytes as a .puz file: no crash and no read past the end; a refused file
// leaves an empty record, and one that opens and can be written reads back as
// the same record.
#include "Interop.h"
#include "InteropSamples.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    (void)wl::ReadPuz(bytes);
    // Past the checksum gate, with a key for locked files, to reach the rest.
    const wl::TReadResult r = wl::ReadPuz(bytes, {.Key = 1234, .IgnoreChecksums = true});
    if (!r.Ok()) {
        const auto* b = reinterpret_cast<const std::uint8_t*>(&r.Puzzle);
        if (!std::all_of(b, b + sizeof r.Puzzle, [](std::uint8_t v) { return v == 0; })) std::abort();
        return 0;
    }
    try {
        const wl::TReadResult back = wl::ReadPuz(wl::testing::AsBytes(wl::WritePuz(r.Puzzle, r.Title)));
        if (!back.Ok() || !wl::testing::SameContent(r.Puzzle, back.Puzzle)) std::abort();
    } catch (const wl::EExchangeError&) {
    }
    return 0;
}

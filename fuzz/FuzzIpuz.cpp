// Any bytes as an .ipuz file: no crash; a refused file leaves an empty record,
// and one that opens reads back from its own .ipuz as the same record.
#include "Interop.h"
#include "InteropSamples.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const wl::TReadResult r = wl::ReadIpuz({data, size});
    if (!r.Ok()) {
        const auto* b = reinterpret_cast<const std::uint8_t*>(&r.Puzzle);
        if (!std::all_of(b, b + sizeof r.Puzzle, [](std::uint8_t v) { return v == 0; })) std::abort();
        return 0;
    }
    try {
        const wl::TReadResult back = wl::ReadIpuz(wl::testing::AsBytes(wl::WriteIpuz(r.Puzzle, r.Title)));
        if (!back.Ok() || !wl::testing::SameContent(r.Puzzle, back.Puzzle)) std::abort();
    } catch (const wl::EExchangeError&) {
    }
    return 0;
}

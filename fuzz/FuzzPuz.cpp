// Any bytes as a .puz file: no crash and no read past the end; a refused file
// leaves an empty record, and one that opens and can be written reads back as
// the same record.
#include "InteropSamples.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const auto read = [](const std::string& file) { return wl::ReadPuz(wl::testing::AsBytes(file)); };
    if (!wl::testing::HoldsUp(wl::ReadPuz(bytes), wl::WritePuz, read)) std::abort();
    // Past the checksum gate, with a key for locked files, to reach the rest.
    const wl::TReadResult opened = wl::ReadPuz(bytes, {.Key = 1234, .IgnoreChecksums = true});
    if (!wl::testing::HoldsUp(opened, wl::WritePuz, read)) std::abort();
    return 0;
}

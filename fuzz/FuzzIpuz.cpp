// Any bytes as an .ipuz file: no crash; a refused file leaves an empty record,
// and one that opens reads back from its own .ipuz as the same record.
#include "InteropSamples.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = [](const std::string& file) { return wl::ReadIpuz(wl::testing::AsBytes(file)); };
    if (!wl::testing::HoldsUp(wl::ReadIpuz({data, size}), wl::WriteIpuz, read)) std::abort();
    return 0;
}

// Any bytes as topten.txt: the reader must take them without a crash or a read
// past the end, and the table it makes must survive being written and read again.
#include "TopTen.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hm::TopTen table = hm::readTopTen(std::string_view(reinterpret_cast<const char*>(data), size));
    hm::sortTopTen(table);
    const hm::TopTen back = hm::readTopTen(hm::topTenFileText(table));
    for (int i = 0; i < hm::TopTenSize; ++i)
        if (back.entry[i].score != table.entry[hm::TopTenSize - 1 - i].score) std::abort();
    return 0;
}

// Any bytes as a hangman word list: the reader must split them without a crash
// or a read past the end.
#include "WordList.h"

#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hm::SequentialReader reader(std::string_view(reinterpret_cast<const char*>(data), size));
    std::string item;
    while (reader.next(item)) (void)hm::isPlayableWord(hm::upperCase(item));
    return 0;
}

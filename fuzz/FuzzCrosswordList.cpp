// Any bytes as a crossword word list: every line is an entry or a skipped line,
// and every entry is 3 to 23 capitals with a score of 0 to 100.
#include "WordList.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const wl::TListRead read = wl::ParseWordList(bytes);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    const std::size_t lines = std::size_t(std::count(bytes.begin(), bytes.end(), '\n')) +
                              (!bytes.empty() && bytes.back() != '\n');
    if (read.Entries.size() + std::size_t(read.Skipped) != lines) __builtin_trap();
    for (const wl::TWordEntry& e : read.Entries) {
        const bool capitals =
            std::all_of(e.Word.begin(), e.Word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
        if (!capitals || e.Word.size() < 3 || e.Word.size() > 23 || e.Score < 0 || e.Score > 100)
            __builtin_trap();
    }
    wl::TDictionary dictionary;
    dictionary.Add("fuzz", read);
    dictionary.Add("again", read);
    if (dictionary.Entries().size() > read.Entries.size()) __builtin_trap();
    return 0;
}

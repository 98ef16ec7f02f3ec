// Any bytes as the thesaurus's data: the input is cut at its first three NUL
// bytes into a .dat, its .idx, WordNet's index.noun and data.noun; opening
// them and looking words up never reads out of bounds, whatever they hold.
#include "Thesaurus.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

void Write(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("fuzz-thesaurus-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const char* names[] = {"th.dat", "th.idx", "index.noun", "data.noun"};
    for (int part = 0; part < 4; ++part) {
        const std::size_t cut = part < 3 ? rest.find('\0') : std::string_view::npos;
        Write(folder / names[part], rest.substr(0, cut));
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    }
    wl::TThesaurus thesaurus((folder / "th.dat").string(), folder.string());
    for (const char* word : {"ICECREAM", "run", "a", "", "\xC3\xA9t\xC3\xA9"}) thesaurus.Lookup(word);
    return 0;
}

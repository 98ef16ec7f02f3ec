// wordlatch-convert: converts a crossword between .xwd, .puz and .ipuz, the
// formats told by the file extensions, through the same reader and writers
// as the program's windows.
#include "Interop.h"
#include "SafeSave.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace {

constexpr const char* Usage =
    "Usage: wordlatch-convert [options] IN OUT\n"
    "Converts a crossword between the formats .xwd, .puz and .ipuz (told by the extensions).\n"
    "\n"
    "Options:\n"
    "  --title TEXT  the title written to OUT (default: IN's title, else IN's name)\n"
    "  --key NNNN    the four-digit key of a .puz file whose solution is locked\n"
    "  --force       convert even when IN's checksums fail or not everything fits\n"
    "  --help        show this text\n";

int Fail(const std::string& text) {
    std::cerr << "wordlatch-convert: " << text << "\n";
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    std::optional<std::string> title;
    wl::TReadOptions options;
    bool force = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            std::cout << Usage;
            return 0;
        }
        if ((arg == "--title" || arg == "--key") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "--title") {
                title = value;
            } else if (value.size() == 4 && value.find_first_not_of("0123456789") == std::string::npos) {
                options.Key = std::stoi(value);
            } else {
                return Fail("the key must be four digits: " + value);
            }
        } else if (arg == "--force") {
            force = true;
        } else if (arg.starts_with("--")) {
            return Fail("unknown option " + arg + "\n" + Usage);
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) return Fail(std::string("expected IN and OUT\n") + Usage);
    const auto inFormat = wl::FormatOfFile(files[0]), outFormat = wl::FormatOfFile(files[1]);
    if (!inFormat || !outFormat) return Fail("the files must end in .xwd, .puz or .ipuz");

    std::ifstream in(files[0], std::ios::binary);
    if (!in) return Fail("cannot read " + files[0]);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    options.IgnoreChecksums = force;
    const wl::TReadResult read = wl::ReadExchange(*inFormat, bytes, options);
    if (!read.Ok()) return Fail(files[0] + ": " + read.Error);
    for (const auto& warning : read.Warnings) std::cerr << files[0] << ": " << warning << "\n";
    if (read.MustAsk && !force) return Fail("not converted; --force converts it with these changes");

    try {
        const std::string name = std::filesystem::path(files[0]).stem().string();
        const std::string t = title ? *title : !read.Title.empty() ? read.Title : name;
        puzzles::WriteWholeFile(files[1], wl::WriteExchange(*outFormat, read.Puzzle, t));
    } catch (const std::exception& e) {
        return Fail(files[1] + ": " + e.what());
    }
    return 0;
}

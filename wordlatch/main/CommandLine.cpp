#include "CommandLine.h"

namespace wl {

namespace {

constexpr const char* Usage =
    "Usage: wordlatch [--edit] [FILE]\n"
    "Builds and solves crosswords.\n"
    "\n"
    "  FILE       a puzzle to open at start (.xwd, or .puz and .ipuz through the import),\n"
    "             for solving\n"
    "  --edit     open FILE for construction instead\n"
    "  --help     show this text\n"
    "  --version  show the version\n";

} // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& args, const std::string& version) {
    TCommandLine c;
    const auto wrong = [](const std::string& why) {
        return TCommandLine{TCommandLine::Wrong, {}, false, std::string("wordlatch: ").append(why).append("\n").append(Usage)};
    };
    bool options = true;
    for (const std::string& arg : args) {
        if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "--help" || arg == "-h")) {
            return {TCommandLine::Help, {}, false, Usage};
        } else if (options && arg == "--version") {
            return {TCommandLine::Version, {}, false, "wordlatch " + version + "\n"};
        } else if (options && arg == "--edit") {
            c.Edit = true;
        } else if (options && arg.size() > 1 && arg[0] == '-') {
            return wrong("unknown option " + arg);
        } else if (!c.File.empty()) {
            return wrong("one puzzle at a time");
        } else {
            c.File = arg;
        }
    }
    if (c.Edit && c.File.empty()) return wrong("--edit needs a FILE");
    return c;
}

} // namespace wl

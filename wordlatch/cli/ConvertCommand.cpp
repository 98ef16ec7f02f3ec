#include "ConvertCommand.h"

#include "Interop.h"
#include "PuzzleFiles.h"
#include "SafeSave.h"

#include <filesystem>

namespace wl {

namespace {

constexpr const char* Usage =
    "Usage: wordlatch-convert [options] IN OUT\n"
    "Converts a crossword between the formats .xwd, .puz and .ipuz (told by the extensions).\n"
    "What OUT cannot hold (the title, copyright, notes, circles) is listed and left out.\n"
    "\n"
    "Options:\n"
    "  --title TEXT         the title written to OUT (default: IN's title, else IN's name)\n"
    "  --key NNNN           the four-digit key of a .puz file whose solution is locked\n"
    "  --force              convert even when the grid, letters or clues change to fit OUT\n"
    "                       (padding, rebus squares, cut clues, replaced characters)\n"
    "  --ignore-checksums   convert a .puz file whose checksums fail (it may be damaged)\n"
    "  --help               show this text\n";

struct TCommand {
    std::vector<std::string> Files;
    std::optional<std::string> Title;
    TReadOptions Read;
    bool Force = false;
    bool IgnoreChecksums = false;
    bool Help = false;
};

// The command, or the reason the arguments make none.
std::string Parse(const std::vector<std::string>& args, TCommand& c) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--title" || arg == "--key") {
            if (i + 1 == args.size()) return arg + " needs a value";
            const std::string& value = args[++i];
            if (arg == "--title")
                c.Title = value;
            else if (value.size() == 4 &&
                     value.find_first_not_of("0123456789") == std::string::npos)
                c.Read.Key = std::stoi(value);
            else
                return "the key must be four digits: " + value;
        } else if (arg == "--force") {
            c.Force = true;
        } else if (arg == "--ignore-checksums") {
            c.IgnoreChecksums = true;
        } else if (arg == "--help") {
            c.Help = true;
        } else if (arg.starts_with("--")) {
            return "unknown option " + arg + "\n" + Usage;
        } else {
            c.Files.push_back(arg);
        }
    }
    if (c.Help) return {};
    if (std::string wrong = CheckInAndOut(c.Files, Usage); !wrong.empty()) return wrong;
    if (puzzles::SameFile(c.Files[0], c.Files[1]))
        return c.Files[0] + " and " + c.Files[1] + " are the same file; OUT must be another";
    return {};
}

} // namespace

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto fail = [&](const std::string& text) {
        err << "wordlatch-convert: " << text << "\n";
        return 1;
    };
    TCommand c;
    if (const std::string wrong = Parse(args, c); !wrong.empty()) return fail(wrong);
    if (c.Help) return (out << Usage).flush() ? 0 : fail("the help text cannot be written");
    const std::string& in = c.Files[0];
    const std::string& to = c.Files[1];
    const TExchangeFormat inFormat = *FormatOfFile(in), outFormat = *FormatOfFile(to);

    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes(in);
    } catch (const EExchangeError& e) {
        return fail(in + ": " + e.what());
    }
    TReadResult read = ReadExchange(inFormat, bytes, c.Read);
    if (read.ChecksumsFailed) {
        err << in << ": " << read.Error << "\n";
        if (!c.IgnoreChecksums) return fail("not converted; --ignore-checksums converts it anyway");
        c.Read.IgnoreChecksums = true;
        read = ReadExchange(inFormat, bytes, c.Read);
    }
    if (read.KeyNeeded && !c.Read.Key)
        return fail(in + ": the solution is locked; --key NNNN unlocks it");
    if (!read.Ok()) return fail(in + ": " + read.Error);

    // An XWD file has no title: only one the user or IN gives is worth a word.
    std::string title = c.Title.value_or(read.Title);
    if (title.empty() && outFormat != TExchangeFormat::Xwd)
        title = std::filesystem::path(in).stem().string();
    std::string written;
    try {
        written = WriteExchange(outFormat, read.Puzzle, title);
    } catch (const EExchangeError& e) {
        return fail(to + ": " + e.what());
    }
    const TMisfits exported = ExportMisfits(outFormat, read.Puzzle, title);
    for (const auto& text : read.Misfits.All()) err << in << ": " << text << "\n";
    for (const auto& text : exported.All()) err << to << ": " << text << "\n";
    if ((read.Misfits.MustAsk() || exported.MustAsk()) && !c.Force)
        return fail("not converted; --force converts it with these changes");
    try {
        puzzles::WriteWholeFile(to, written);
    } catch (const puzzles::ESaveError& e) {
        return fail(to + ": The file cannot be written: " + e.what() + ".");
    }
    return 0;
}

} // namespace wl

#include "FillCommand.h"

#include "Fill.h"
#include "Interop.h"
#include "ProgramFolders.h"
#include "PuzzleFiles.h"
#include "SafeSave.h"

#include <cstdio>
#include <optional>

namespace wl {

namespace {

constexpr const char* Usage =
    "Usage: wordlatch-fill [options] IN OUT\n"
    "Fills the empty squares of the crossword IN with words of the word lists, keeping its\n"
    "letters, and writes it to OUT. IN and OUT are .xwd, .puz or .ipuz files (told by the\n"
    "extensions). Exit status: 0 filled, 3 no fill found, 1 an error.\n"
    "\n"
    "Options:\n"
    "  --words LIST          also use the word list LIST (lines WORD or WORD;SCORE), after the\n"
    "                        built-in one and the lists before it; may be given again\n"
    "  --no-builtin          leave the built-in list out\n"
    "  --min-score N         place no word scoring less than N (1-100, default 1)\n"
    "  --seed N              another seed gives another fill (default 1)\n"
    "  --ignore-scores       try words in random order instead of best first\n"
    "  --time-limit SECONDS  give up after this long (default 60)\n"
    "  --help                show this text\n";

struct TCommand {
    std::vector<std::string> Files;
    std::vector<std::string> Lists;
    bool Builtin = true;
    bool Help = false;
    TFillOptions Fill;
};

std::optional<double> Number(const std::string& text, double low, double high) {
    double value = 0;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%lf%c", &value, &rest) != 1 || value < low || value > high)
        return std::nullopt;
    return value;
}

// The command, or the reason the arguments make none.
std::string Parse(const std::vector<std::string>& args, TCommand& c) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--words" || arg == "--min-score" || arg == "--seed" || arg == "--time-limit") {
            if (i + 1 == args.size()) return arg + " needs a value";
            const std::string& value = args[++i];
            std::optional<double> n;
            if (arg == "--words") {
                c.Lists.push_back(value);
            } else if (arg == "--min-score") {
                if (!(n = Number(value, 1, 100)) || *n != int(*n)) return "the minimum score is a whole number from 1 to 100: " + value;
                c.Fill.MinScore = int(*n);
            } else if (arg == "--seed") {
                if (!(n = Number(value, 0, 4294967295.0)) || *n != double(std::uint32_t(*n))) return "the seed is a whole number: " + value;
                c.Fill.Seed = std::uint32_t(*n);
            } else {
                if (!(n = Number(value, 0.001, 1e6))) return "the time limit is a number of seconds: " + value;
                c.Fill.TimeLimit = *n;
            }
        } else if (arg == "--ignore-scores") {
            c.Fill.UseScores = false;
        } else if (arg == "--no-builtin") {
            c.Builtin = false;
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
    if (!c.Builtin && c.Lists.empty()) return "--no-builtin needs a list given with --words";
    return {};
}

} // namespace

std::filesystem::path BuiltinWordList(const std::filesystem::path& programFolder) {
    return puzzles::DataFolder(programFolder, "wordlatch") / BuiltinWordListName;
}

int RunFill(const std::vector<std::string>& args, const std::filesystem::path& programFolder,
            std::ostream& out, std::ostream& err) {
    const auto fail = [&](const std::string& text) {
        err << "wordlatch-fill: " << text << "\n";
        return FillError;
    };
    TCommand c;
    if (const std::string wrong = Parse(args, c); !wrong.empty()) return fail(wrong);
    if (c.Help) return (out << Usage).flush() ? 0 : fail("the help text cannot be written");
    const std::string& in = c.Files[0];
    const std::string& to = c.Files[1];

    TReadResult read;
    try {
        read = ReadExchange(*FormatOfFile(in), ReadFileBytes(in), {});
    } catch (const EExchangeError& e) {
        return fail(in + ": " + e.what());
    }
    if (!read.Ok()) return fail(in + ": " + read.Error);

    std::vector<std::string> lists;
    if (c.Builtin) lists.push_back(BuiltinWordList(programFolder).string());
    lists.insert(lists.end(), c.Lists.begin(), c.Lists.end());
    TDictionary dictionary = LoadDictionary(lists);
    for (const TLoadedList& list : dictionary.Lists())
        if (!list.Error.empty()) return fail(list.Path + ": " + list.Error);
    const TWordIndex words(std::move(dictionary).Entries());

    const TFillResult r = FillGrid(read.Puzzle, words, c.Fill);
    switch (r.Outcome) {
    case TFillOutcome::Filled:
    case TFillOutcome::NothingToFill:
        break;
    case TFillOutcome::NoFill:
        err << "wordlatch-fill: " << in << ": no fill exists; " << r.HardestSlot
            << " could not be filled\n";
        return FillNotFound;
    default:
        err << "wordlatch-fill: " << in << ": no fill found in " << c.Fill.TimeLimit
            << " s; " << r.HardestSlot << " failed most\n";
        return FillNotFound;
    }
    const TExchangeFormat format = *FormatOfFile(to);
    std::string written;
    try {
        written = WriteExchange(format, r.Puzzle, read.Title);
    } catch (const EExchangeError& e) {
        return fail(to + ": " + e.what());
    }
    const TMisfits exported = ExportMisfits(format, r.Puzzle, read.Title);
    for (const auto& text : exported.All()) err << to << ": " << text << "\n";
    if (exported.MustAsk()) return fail("not written; wordlatch-convert --force converts such a grid");
    try {
        puzzles::WriteWholeFile(to, written);
    } catch (const puzzles::ESaveError& e) {
        return fail(to + ": The file cannot be written: " + e.what() + ".");
    }
    out << "Filled " << r.Placed << " words (mean score " << r.MeanScore << ") in " << r.Steps
        << " steps, " << r.Seconds << " s.\n";
    return 0;
}

} // namespace wl

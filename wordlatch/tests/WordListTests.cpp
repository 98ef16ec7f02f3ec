// The word list reader's rules, the merge of lists in order and their loading
// from the user's folder.
#include "WordList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <utility>

using namespace wl;
namespace fs = std::filesystem;

namespace {

std::string Text(std::vector<TWordEntry> entries, bool sorted) {
    if (sorted)
        std::sort(entries.begin(), entries.end(),
                  [](const TWordEntry& a, const TWordEntry& b) { return a.Word < b.Word; });
    std::string text;
    for (const TWordEntry& e : entries)
        text.append(e.Word).append(":").append(std::to_string(e.Score)).append(" ");
    return text;
}

std::string Loaded(const TDictionary& d) {
    std::string text;
    for (const TLoadedList& l : d.Lists())
        text.append(fs::path(l.Path).filename().string())
            .append(" ")
            .append(std::to_string(l.Entries))
            .append("/")
            .append(std::to_string(l.Skipped))
            .append(l.Error.empty() ? "" : " ")
            .append(l.Error)
            .append("; ");
    return text;
}

TEST(WordListReader, FoldsEachLineToAWordOrSkipsIt) {
    struct TRow {
        const char* Bytes;
        const char* Entries;
        int Skipped;
    };
    const TRow rows[] = {
        {"cat\nDog;7\r\nOwl ; 100 \r\n", "CAT:50 DOG:7 OWL:100 ", 0},
        {"ice cream;60\ndon't\nt-shirt\nrock\xE2\x80\x99n\xE2\x80\x99roll",
         "ICECREAM:60 DONT:50 TSHIRT:50 ROCKNROLL:50 ", 0},
        {"Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
         "e;80\nStra\xC3\x9F"
         "e\n\xC5\x93uvre\n\xC3\xB1"
         "and\xC3\xBA\nCafe\xCC\x81",
         "CREMEBRULEE:80 STRASSE:50 OEUVRE:50 NANDU:50 CAFE:50 ", 0},
        // The same words in Windows-1252.
        {"Cr\xE8me br\xFBl\xE9"
         "e;80\ndon\x92t\n\x9Cuvre",
         "CREMEBRULEE:80 DONT:50 OEUVRE:50 ", 0},
        {"\xEF\xBB\xBF"
         "caf\xC3\xA9\n",
         "CAFE:50 ", 0},
        // One byte that is not UTF-8 makes the whole text Windows-1252: the first
        // line's "é" becomes "Ã©", and "©" is no letter.
        {"caf\xC3\xA9s\nna\xEFve\n", "NAIVE:50 ", 1},
        {"abc\nabcdefghijklmnopqrstuvw\nab\nabcdefghijklmnopqrstuvwx\na-b\n",
         "ABC:50 ABCDEFGHIJKLMNOPQRSTUVW:50 ", 3},
        {"cat;abc\ncat;101\ncat;-1\ncat;5x\ncat;\ncat; \ncat;1;2\ncat;0\ncat;007", "CAT:0 CAT:7 ",
         7},
        {"\n   \r\n\t\n", "", 3},
        {"", "", 0},
        {"cat5\nc@t\nca\rt\n\xD0\xBA\xD0\xBE\xD1\x82\ne\xC3\x97y\n", "", 5},
        // Both kept in order: the merge lets the later one win.
        {"cat;10\ncat;20\n", "CAT:10 CAT:20 ", 0},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Bytes);
        const TListRead read = ParseWordList(row.Bytes);
        EXPECT_EQ(Text(read.Entries, false), row.Entries);
        EXPECT_EQ(read.Skipped, row.Skipped);
    }
}

TEST(Dictionary, LaterListsOverrideAndAScoreOfZeroRemoves) {
    TDictionary d;
    d.Add("built-in", ParseWordList("cat;40\ndog\nemu;30\nowl;20\n"));
    d.Add("mine", ParseWordList("cat;90\ndog;0\ncat;95\nemu;0\nx\n"));
    d.Add("prefs", ParseWordList("dog;20\nyak;0\n")); // dog comes back; yak never was there
    EXPECT_EQ(Text(d.Entries(), true), "CAT:95 DOG:20 OWL:20 ");
    EXPECT_EQ(Loaded(d), "built-in 4/0; mine 4/1; prefs 2/0; ");
    EXPECT_EQ(Text(std::move(d).Entries(), true), "CAT:95 DOG:20 OWL:20 "); // taken out whole
}

TEST(Dictionary, LoadsTheUserFolderInNameOrderAndRecordsWhatCannotBeRead) {
    const auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const std::optional<std::string> xdg = saved("XDG_DATA_HOME"), home = saved("HOME");
    const fs::path data = fs::temp_directory_path() / "wordlist_tests";
    fs::remove_all(data);
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    const fs::path folder = UserListFolder();
    EXPECT_EQ(folder, data / "wordlatch/wordlists");
    fs::create_directories(folder / "b.txt"); // a folder in a list's place
    std::ofstream(folder / "c.txt") << "cat;60\nemu\n";
    std::ofstream(folder / "a.txt") << "cat;10\n12\n";
    std::ofstream(folder / ".a.txt.swp") << "yak\n";
    const std::vector<std::string> files = ListFilesIn(folder);
    EXPECT_EQ(files, (std::vector<std::string>{folder / "a.txt", folder / "c.txt"}));

    const TDictionary d =
        LoadDictionary({folder / "a.txt", folder / "b.txt", folder / "c.txt", folder / "none.txt"});
    EXPECT_EQ(Text(d.Entries(), true), "CAT:60 EMU:50 ");
    EXPECT_EQ(Loaded(d), "a.txt 1/1; b.txt 0/0 Is a directory; c.txt 2/0; none.txt 0/0 No such "
                         "file or directory; ");
    EXPECT_TRUE(ListFilesIn(folder / "none").empty());

    // A large list reports progress as it goes, and a cancel stops it part way.
    {
        std::ofstream big(folder / "big.txt");
        for (int k = 0; k < 70'000; ++k) big << "abcdefghi\n";
    }
    std::vector<double> shares;
    LoadDictionary({folder / "big.txt"}, [&](double share) { shares.push_back(share); });
    EXPECT_GE(shares.size(), 3u);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_EQ(shares.back(), 1.0);
    std::atomic<bool> cancel = false;
    const TDictionary cancelled = LoadDictionary(
        {folder / "big.txt", folder / "a.txt"}, [&](double) { cancel = true; }, &cancel);
    EXPECT_EQ(Loaded(cancelled), "");

    setenv("XDG_DATA_HOME", "relative", 1);
    setenv("HOME", "/home/ann", 1);
    EXPECT_EQ(UserListFolder(), "/home/ann/.local/share/wordlatch/wordlists");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(UserListFolder(), "/home/ann/.local/share/wordlatch/wordlists");
    fs::remove_all(data);
    xdg ? setenv("XDG_DATA_HOME", xdg->c_str(), 1) : unsetenv("XDG_DATA_HOME");
    home ? setenv("HOME", home->c_str(), 1) : unsetenv("HOME");
}

} // namespace

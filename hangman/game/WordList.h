// The hangman word list: the file wordlist.dat, its in-memory copy and the add rules.
// Standard C++ only: no window system here.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace hm {

// Title of every message box of the program.
inline constexpr const char* MessageTitle = "Tobbin Hangman";
inline constexpr const char* BadLengthMessage =
    "Please choose a word that is greater than 3 letters or less than 11 letters long.";
inline constexpr const char* DuplicateMessage =
    "The word you have attempted to add already exists.  Please try another word!";

// A pasted word with other characters would break the quoted record of the file.
inline constexpr const char* NotLettersMessage = "Please use only the letters A to Z in a word.";

// Letter boxes of the game window: a word longer than this cannot be shown.
inline constexpr int MaxShownLetters = 10;

// wordList(1..wordCount) in file order; entry i lives at words[i - 1].
// The count is 32-bit: a hand-made file may hold more than a 16-bit count can.
struct WordList {
    std::vector<std::string> words;

    std::int32_t wordCount() const { return static_cast<std::int32_t>(words.size()); }
    // 1 <= i <= wordCount()
    const std::string& wordList(std::int32_t i) const { return words[i - 1]; }
    // What the word list window's list box shows: every word in lower case, sorted.
    std::vector<std::string> listBoxWords() const;
};

// wordlist.dat in the current working directory.
std::filesystem::path defaultWordFile();

// Splits sequential data into items: separated by line breaks or commas, leading
// blanks skipped, a quoted item taken without its quotes (a quote left open ends
// at the line break), an unquoted item ending at a comma or line break (trailing
// blanks dropped). Empty items (blank lines,
// ",,", "") are no words and are left out. Any bytes are accepted.
class SequentialReader {
public:
    explicit SequentialReader(std::string_view bytes) : rest_(bytes) {}
    // Reads the next item into item; false at the end of the data.
    bool next(std::string& item);

private:
    std::string_view rest_;
};

// A word the game can play: 1 to 10 letters A-Z once upper-cased.
bool isPlayableWord(std::string_view word);

// Upper-case form of an 8-bit text (only a-z change).
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);

struct LoadResult {
    bool ok = false;
    std::string error; // the message for the user when !ok
};

// Fills list from file: a counting pass, then a reading pass into the sized list.
// A leading UTF-8 byte order mark is skipped.
// Fails on a missing or unreadable file (a folder in its place, an I/O error), and on
// a list without a playable word (the game needs at least one). On failure list is
// left empty.
LoadResult loadWords(const std::filesystem::path& file, WordList& list);

enum class AddStatus { Added, BadLength, NotLetters, Duplicate, FileError };

struct AddResult {
    AddStatus status;
    std::string message; // the message box text; empty when added
    std::string word;    // the word as stored (capital letters) when added
};

// The add rules: trim, 4 to 10 characters, letters A-Z only (pasted text is not
// filtered by the window), upper case, exact duplicate test, then
// the quoted record appended to file (after a line break when its last line
// lacks one). Only after a successful write does list grow. A failed write reports the
// system's error text and changes neither the file nor list.
AddResult addWord(std::string_view typed, const std::filesystem::path& file, WordList& list);

} // namespace hm

// Word lists: the reader of the constructor's list format and the merge of
// several lists into one dictionary. Standard C++ only.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace wl {

inline constexpr int MinWordLength = 3;
inline constexpr int MaxWordLength = 23;
inline constexpr int DefaultWordScore = 50;

// One entry: 3 to 23 letters A-Z, a score from 1 to 100 (0 only in a list
// read from a file, where it removes the word).
struct TWordEntry {
    std::string Word;
    int Score = DefaultWordScore;
};

// What one list file held.
struct TListRead {
    std::vector<TWordEntry> Entries; // in the file's order
    int Skipped = 0;                 // bad lines
};

// Reads the bytes of a list: one entry a line, "WORD" or "WORD;SCORE". The text is
// UTF-8 when all of it is, else Windows-1252; a UTF-8 byte order mark is passed over.
// Case, accents, spaces, hyphens and apostrophes fold away ("Crème brûlée" is
// CREMEBRULEE); a line that leaves anything but 3 to 23 letters, or whose score is
// not a whole number 0..100, is skipped, as are blank lines.
TListRead ParseWordList(std::string_view bytes);

// One list as loaded into a dictionary.
struct TLoadedList {
    std::string Path;
    int Entries = 0;
    int Skipped = 0;
    std::string Error; // the system's reason when the file could not be read
};

// Lists merged in order: a later list's score overrides an earlier one's, a
// score of 0 removes the word.
class TDictionary {
public:
    void Add(const std::string& path, const TListRead& list);
    // Records a list that could not be read.
    void AddFailed(const std::string& path, const std::string& error);
    // The words with their final scores, in no particular order.
    std::vector<TWordEntry> Entries() const&;
    // The same from a dictionary that is done with (`std::move(d).Entries()`): the
    // words are taken out rather than copied, a quarter of a million strings less.
    std::vector<TWordEntry> Entries() &&;
    const std::vector<TLoadedList>& Lists() const { return Loaded; }

private:
    friend TDictionary LoadDictionary(const std::vector<std::string>&,
                                      const std::function<void(double)>&, const std::atomic<bool>*);
    // Applies entries in order; `Add` and the loader's slices of a file both come here.
    void Merge(const std::vector<TWordEntry>& entries);
    // Room for `more` words, growing by doubling so that many small lists stay cheap.
    void Reserve(std::size_t more);
    void Rehash(std::size_t slots);
    // The slot holding `word`, or the free one where it belongs.
    std::uint64_t& SlotOf(std::string_view word, std::uint64_t hash);

    std::vector<TLoadedList> Loaded;
    // The words in the order first met; a removed one stays with score 0, so that a
    // later list can bring it back. A flat table rather than a map of nodes: the
    // built-in list alone is a quarter of a million words, loaded on every fill.
    std::vector<TWordEntry> Words;
    // Open addressing with linear probing, at most three quarters full (a smaller
    // table misses the caches less than longer runs cost): the hash's upper half and
    // the word's place + 1; 0 when free.
    std::vector<std::uint64_t> Slots;
};

// Reads the files in order into one dictionary; a file that cannot be read is
// recorded and the others still load. `progress` gets the share of bytes done
// (0..1), several times during a large file; a set `cancel` stops the load within
// a large file too, leaving a partial dictionary to discard.
TDictionary LoadDictionary(const std::vector<std::string>& paths,
                           const std::function<void(double)>& progress = {},
                           const std::atomic<bool>* cancel = nullptr);

// The user's list folder: $XDG_DATA_HOME/wordlatch/wordlists, by default (and when
// that is not an absolute path) ~/.local/share/wordlatch/wordlists; empty when
// HOME is not set either.
std::string UserListFolder();
// The regular files in `folder` (links followed), sorted by name, hidden ones
// (".name") left out; none when it does not exist.
std::vector<std::string> ListFilesIn(const std::string& folder);

} // namespace wl

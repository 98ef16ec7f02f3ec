// The ClueBank: the answers and clues of the constructor's own puzzle files
// (.xwd, .puz, .ipuz under one folder) in an SQLite database with a full-text
// index over the clues. The database is a cache of the folder: a damaged or
// foreign file is set aside and built anew, and each update reads only the
// files whose size or time changed. Standard C++ and SQLite only.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace wl {

// One clue of the bank.
struct TBankClue {
    std::string Clue;   // UTF-8
    std::string Answer; // letters A-Z
    std::string Puzzle; // the file's name relative to the bank folder, '/' between folders
    int Number = 0;     // the square number of the word
    bool Across = true;
};

struct TBankSearch {
    std::vector<TBankClue> Clues; // at most the limit asked, ranked
    std::size_t Found = 0;        // all that match
    std::string Error;            // non-empty: the search failed; the text tells why
};

// A puzzle file that could not be read, and why.
struct TUnreadFile {
    std::string Name; // relative to the bank folder
    std::string Reason;

    bool operator==(const TUnreadFile&) const = default;
};

struct TBankOpen {
    std::string Error;    // non-empty: the bank cannot be used; the text tells why
    std::string SetAside; // where a damaged or foreign file was moved before starting anew
};

struct TBankUpdate {
    int Found = 0;     // puzzle files in the folder
    int Read = 0;      // files read into the bank this time (those that failed are in Unreadable)
    int Unchanged = 0; // files passed over: same size and time as when last read
    int Dropped = 0;   // files no longer in the folder, taken out
    // Every file of the bank that could not be read (this time or before, and
    // not retried while its size and time stay), by name.
    std::vector<TUnreadFile> Unreadable;
    bool FolderMissing = false; // the folder does not exist: the bank is empty
    bool Cancelled = false;     // stopped between files; those read so far stay
    std::size_t Clues = 0;      // the bank's clues and puzzles afterwards
    std::size_t Puzzles = 0;
    std::string SetAside; // as TBankOpen: the file was found damaged during the update
    std::string Error;    // non-empty: the update stopped here (the disk is full ...)
};

// Called after each file with the files done and found.
using TBankProgress = std::function<void(int done, int found)>;

inline constexpr std::size_t ShownClues = 500;

class TClueBank {
public:
    TClueBank();
    ~TClueBank();
    TClueBank(const TClueBank&) = delete;
    TClueBank& operator=(const TClueBank&) = delete;

    // Opens the database file, creating it and its folder if need be. A file
    // that is not this bank's (not SQLite, another schema or version) or fails
    // its checks is renamed to `dbPath + ".broken"` (replacing an older one)
    // and the bank starts empty.
    TBankOpen Open(const std::string& dbPath);
    // Opens a bank that Open has checked (possibly on another thread, while it
    // updates) for searches only.
    std::string OpenToSearch(const std::string& dbPath);
    bool IsOpen() const { return Db != nullptr; }

    // Makes the bank mirror the puzzle files in `folder` and its subfolders.
    // Writes a transaction per batch of files, so that a search on another
    // connection sees the files done so far.
    TBankUpdate Update(const std::string& folder, const TBankProgress& progress = {},
                       const std::atomic<bool>* cancel = nullptr);

    // Answers matching `pattern`: `?` one letter, `*` any run of letters,
    // other letters as given, any case. By answer, then puzzle.
    TBankSearch SearchAnswer(std::string_view pattern, std::size_t limit = ShownClues);
    // Clues holding all of the words, the last one also as the start of a
    // word while it is being typed (two characters or more, no space after
    // them). Best match first; when more than a thousand match, the clues
    // read last come first.
    TBankSearch SearchClues(std::string_view words, std::size_t limit = ShownClues);

private:
    struct TStatements;
    void Connect(bool create);
    // Checks the file and its schema, creating the schema in an empty file.
    void Check();
    void Close();
    // Connects and checks; a broken file (or any file, with `setAside`) is set
    // aside first and the bank starts anew.
    void Start(TBankOpen& result, bool setAside);
    bool SetAsideFile(TBankOpen& result);
    void UpdateFolder(const std::string& folder, const TBankProgress& progress,
                      const std::atomic<bool>* cancel, TBankUpdate& report);

    std::string Path;
    sqlite3* Db = nullptr;
    std::unique_ptr<TStatements> S;
};

} // namespace wl

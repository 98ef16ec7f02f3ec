#include "ClueBank.h"

#include "ExchangeGrid.h"
#include "Interop.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <stdexcept>
#include <unordered_map>

namespace wl {

namespace {

namespace fs = std::filesystem;

constexpr int SchemaVersion = 1;
constexpr int ApplicationId = 0x574C4342; // "WLCB": tells this bank from other SQLite files
// Few enough that a search on another connection soon sees new files, enough
// that the commits cost little.
constexpr std::size_t FilesPerTransaction = 64;
// Ranking costs a few microseconds a match. Beyond this many, where a common
// word is still being followed by the rest of the clue, the clues come newest
// first instead: the rank of one among thousands tells the user little.
constexpr std::size_t RankedClues = 1000;

// Errors are the empty string, never NULL, so that every column is plain. The
// full-text index is kept in step with `entry` by the update's own statements:
// triggers would make each insert a savepoint, and the index writes its
// pending terms out at every one (eight times slower). An answer pattern reads
// one range of an index when it starts with a letter (entry_answer), has a
// fixed length (entry_length) or ends with a letter (entry_reversed).
constexpr const char* Schema = R"(
CREATE TABLE file(
    id INTEGER PRIMARY KEY,
    path TEXT NOT NULL UNIQUE,
    name TEXT NOT NULL,
    size INTEGER NOT NULL,
    mtime INTEGER NOT NULL,
    error TEXT NOT NULL);
CREATE TABLE entry(
    id INTEGER PRIMARY KEY,
    file INTEGER NOT NULL,
    answer TEXT NOT NULL,
    reversed TEXT NOT NULL,
    across INTEGER NOT NULL,
    number INTEGER NOT NULL,
    clue TEXT NOT NULL);
CREATE INDEX entry_answer ON entry(answer);
CREATE INDEX entry_reversed ON entry(reversed);
CREATE INDEX entry_length ON entry(length(answer), answer);
CREATE INDEX entry_file ON entry(file);
CREATE VIRTUAL TABLE clue_text USING fts5(clue, content='entry', content_rowid='id',
    tokenize='unicode61 remove_diacritics 2');
)";

// An SQLite failure. A broken one (damage, or a file that is not this bank)
// calls for setting the file aside rather than for a message.
class ESql : public std::runtime_error {
public:
    ESql(int code, const std::string& text, bool broken = false)
        : std::runtime_error(text), Code(code & 0xff),
          Broken(broken || Code == SQLITE_CORRUPT || Code == SQLITE_NOTADB) {}
    int Code;
    bool Broken;
};

void Exec(sqlite3* db, const char* sql) {
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    if (rc == SQLITE_OK) return;
    const std::string text = error ? error : sqlite3_errstr(rc);
    sqlite3_free(error);
    throw ESql(rc, text);
}

class TStatement {
public:
    // A statement that does not prepare for an SQL error names a table or
    // column this bank does not have: the file is another program's or
    // another version's. (A busy or locked file is not broken.)
    TStatement(sqlite3* db, const char* sql) : Db(db) {
        const int rc = sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &S, nullptr);
        if (rc != SQLITE_OK) throw ESql(rc, sqlite3_errmsg(db), rc == SQLITE_ERROR);
    }
    ~TStatement() { sqlite3_finalize(S); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    // The values bound from the first parameter on (one the statement does not
    // have is passed over); they must live until the statement has run.
    template <class... T>
    TStatement& Bind(const T&... values) {
        sqlite3_reset(S);
        int i = 0;
        (BindOne(++i, values), ...);
        return *this;
    }
    // Steps to the next row; at the end the statement is reset, so that it holds
    // no read transaction open between searches.
    bool Next() {
        const int rc = sqlite3_step(S);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) {
            sqlite3_reset(S);
            return false;
        }
        const std::string text = sqlite3_errmsg(Db);
        sqlite3_reset(S);
        throw ESql(rc, text);
    }
    void Run() {
        while (Next()) {
        }
    }
    // The first column of the first row.
    std::int64_t One() {
        const std::int64_t value = Next() ? Int(0) : 0;
        sqlite3_reset(S);
        return value;
    }
    std::int64_t Int(int column) const { return sqlite3_column_int64(S, column); }
    std::string Text(int column) const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(S, column));
        return text ? std::string(text, std::size_t(sqlite3_column_bytes(S, column))) : std::string();
    }

private:
    void BindOne(int i, std::int64_t v) { sqlite3_bind_int64(S, i, v); }
    void BindOne(int i, int v) { sqlite3_bind_int64(S, i, v); }
    void BindOne(int i, bool v) { sqlite3_bind_int64(S, i, v); }
    void BindOne(int i, std::size_t v) { sqlite3_bind_int64(S, i, std::int64_t(v)); }
    void BindOne(int i, std::string_view v) { sqlite3_bind_text(S, i, v.data() ? v.data() : "", int(v.size()), SQLITE_STATIC); }
    void BindOne(int i, const std::string& v) { BindOne(i, std::string_view(v)); }

    sqlite3* Db;
    sqlite3_stmt* S = nullptr;
};

// The text a user sees for a failure that is not set aside.
std::string Message(const ESql& e, const std::string& path) {
    std::string text;
    switch (e.Code) {
    case SQLITE_FULL:
        return "The disk is full: the clue bank " + path + " cannot be written. Free some space and try again.";
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_AUTH:
        text = "The clue bank " + path + " cannot be opened for writing: ";
        break;
    case SQLITE_IOERR:
        text = "The clue bank " + path + " cannot be read or written: ";
        break;
    default:
        text = "The clue bank " + path + " failed: ";
    }
    text += e.what();
    text += '.';
    return text;
}

// One puzzle file found in the folder.
struct TFound {
    std::string Path; // absolute
    std::string Name; // relative to the folder
    std::int64_t Size;
    std::int64_t Time; // modification time, in the file clock's ticks
};

// The puzzle files under `root`, by path; the error when it cannot be walked through.
std::string ScanFolder(const fs::path& root, std::vector<TFound>& found) {
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        std::error_code fileEc;
        if (!FormatOfFile(entry.path().filename().string()) || !entry.is_regular_file(fileEc)) continue;
        const std::uintmax_t size = entry.file_size(fileEc);
        const fs::file_time_type time = entry.last_write_time(fileEc);
        if (fileEc) continue; // gone since it was listed
        found.push_back({entry.path().string(), entry.path().lexically_relative(root).generic_string(),
                         std::int64_t(size), std::int64_t(time.time_since_epoch().count())});
    }
    if (ec) return "The folder " + root.string() + " cannot be read: " + ec.message() + ".";
    std::sort(found.begin(), found.end(), [](const TFound& a, const TFound& b) { return a.Path < b.Path; });
    return {};
}

std::string_view Trimmed(std::string_view text) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

// The words with a whole answer and a clue.
std::vector<TBankClue> CluesOf(const TExchangePuzzle& p) {
    std::unordered_map<std::string, std::pair<int, int>> squares; // label: x, y
    for (int y = 1; y <= p.Height; ++y)
        for (int x = 1; x <= p.Width; ++x)
            if (!p.At(x, y).Label.empty()) squares.emplace(p.At(x, y).Label, std::pair{x, y});
    std::vector<TBankClue> clues;
    for (const TExchangeClue& c : p.Clues) {
        const std::string_view text = Trimmed(c.Text);
        const auto at = squares.find(c.Label);
        if (text.empty() || at == squares.end()) continue;
        std::string answer;
        bool whole = true;
        for (auto [x, y] = at->second; whole && x <= p.Width && y <= p.Height && !p.At(x, y).Block;
             c.Across ? ++x : ++y) {
            const std::string& a = p.At(x, y).Answer;
            whole = a.size() == 1 && a[0] >= 'A' && a[0] <= 'Z';
            answer += a;
        }
        if (!whole || answer.empty()) continue;
        int number = 0;
        std::from_chars(c.Label.data(), c.Label.data() + c.Label.size(), number);
        clues.push_back({std::string(text), std::move(answer), {}, number, c.Across});
    }
    return clues;
}

// A file's clues, or why it cannot be read.
struct TFileClues {
    std::vector<TBankClue> Clues;
    std::string Error;
};

TFileClues ReadClues(const std::string& path) {
    TFileClues out;
    try {
        const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
        const TReadResult r = ReadExchange(*FormatOfFile(fs::path(path).filename().string()), bytes);
        if (r.Ok()) out.Clues = CluesOf(FromRecord(r.Puzzle, r.Title));
        else out.Error = r.Error;
    } catch (const std::exception& e) {
        out.Error = e.what();
    }
    return out;
}

// Each character of the pattern for GLOB; empty when no answer can match.
std::string AnswerGlob(std::string_view pattern) {
    std::string glob;
    for (const char c : Trimmed(pattern)) {
        if (c >= 'a' && c <= 'z') glob += char(c - 'a' + 'A');
        else if ((c >= 'A' && c <= 'Z') || c == '?') glob += c;
        else if (c != '*') return {};
        else if (glob.empty() || glob.back() != '*') glob += c;
    }
    return glob;
}

} // namespace

struct TClueBank::TStatements {
    explicit TStatements(sqlite3* db)
        : Begin(db, "BEGIN IMMEDIATE"), Commit(db, "COMMIT"),
          Files(db, "SELECT id, path, name, size, mtime FROM file"),
          AddFile(db, "INSERT INTO file(path, name, size, mtime, error) VALUES (?, ?, ?, ?, ?)"),
          ChangeFile(db, "UPDATE file SET name = ?2, size = ?3, mtime = ?4, error = ?5 WHERE id = ?1"),
          Rename(db, "UPDATE file SET name = ?2 WHERE id = ?1"),
          DropTexts(db, "INSERT INTO clue_text(clue_text, rowid, clue) "
                        "SELECT 'delete', id, clue FROM entry WHERE file = ?"),
          DropEntries(db, "DELETE FROM entry WHERE file = ?"),
          DropFile(db, "DELETE FROM file WHERE id = ?"),
          AddEntry(db, "INSERT INTO entry(file, answer, reversed, across, number, clue) VALUES (?, ?, ?, ?, ?, ?)"),
          AddText(db, "INSERT INTO clue_text(rowid, clue) VALUES (?, ?)"),
          Unreadable(db, "SELECT name, error FROM file WHERE error <> '' ORDER BY name"),
          ClueCount(db, "SELECT count(*) FROM entry"),
          PuzzleCount(db, "SELECT count(*) FROM file WHERE error = ''"),
          ByStart(db, "e.answer GLOB ?1"), ByLength(db, "length(e.answer) = ?3 AND e.answer GLOB ?1"),
          ByEnd(db, "e.reversed GLOB ?1"),
          MatchCount(db, "SELECT count(*) FROM clue_text WHERE clue_text MATCH ?"),
          Ranked(db, "SELECT e.clue, e.answer, f.name, e.number, e.across FROM clue_text "
                     "JOIN entry e ON e.id = clue_text.rowid JOIN file f ON f.id = e.file "
                     "WHERE clue_text MATCH ?1 ORDER BY clue_text.rank, e.answer, f.name LIMIT ?2"),
          Latest(db, "SELECT e.clue, e.answer, f.name, e.number, e.across FROM clue_text "
                     "JOIN entry e ON e.id = clue_text.rowid JOIN file f ON f.id = e.file "
                     "WHERE clue_text MATCH ?1 ORDER BY clue_text.rowid DESC LIMIT ?2") {}

    TStatement Begin, Commit, Files, AddFile, ChangeFile, Rename, DropTexts, DropEntries, DropFile, AddEntry, AddText;
    TStatement Unreadable, ClueCount, PuzzleCount;
    // Answers matching ?1 (a GLOB pattern), at most ?2 of them, ?3 letters long.
    struct TAnswerQuery {
        TAnswerQuery(sqlite3* db, const std::string& where)
            : Count(db, ("SELECT count(*) FROM entry e WHERE " + where).c_str()),
              Rows(db, ("SELECT e.clue, e.answer, f.name, e.number, e.across FROM entry e "
                        "JOIN file f ON f.id = e.file WHERE " + where +
                        " ORDER BY e.answer, f.name, e.number, e.across DESC LIMIT ?2").c_str()) {}
        TStatement Count, Rows;
    } ByStart, ByLength, ByEnd;
    TStatement MatchCount, Ranked, Latest;
};

TClueBank::TClueBank() = default;

TClueBank::~TClueBank() {
    Close();
}

void TClueBank::Close() {
    S.reset();
    sqlite3_close_v2(Db);
    Db = nullptr;
}

void TClueBank::Connect(bool create) {
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(Path.c_str(), &Db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const ESql e(rc, Db ? sqlite3_errmsg(Db) : sqlite3_errstr(rc));
        Close();
        throw e;
    }
    sqlite3_busy_timeout(Db, 5000);
}

void TClueBank::Check() {
    // Every page is read here, so that damage shows now rather than halfway
    // through an update.
    {
        TStatement check(Db, "PRAGMA quick_check");
        if (!check.Next() || check.Text(0) != "ok") throw ESql(SQLITE_CORRUPT, "the file is damaged");
    }
    Exec(Db, "BEGIN IMMEDIATE");
    const std::int64_t version = TStatement(Db, "PRAGMA user_version").One();
    const std::int64_t application = TStatement(Db, "PRAGMA application_id").One();
    const std::int64_t objects = TStatement(Db, "SELECT count(*) FROM sqlite_master").One();
    if (version == 0 && application == 0 && objects == 0) {
        Exec(Db, Schema);
        const std::string stamp = "PRAGMA user_version = " + std::to_string(SchemaVersion) +
                                  "; PRAGMA application_id = " + std::to_string(ApplicationId);
        Exec(Db, stamp.c_str());
    } else if (version != SchemaVersion || application != ApplicationId)
        throw ESql(SQLITE_NOTADB, "the file is not a clue bank of this version");
    Exec(Db, "COMMIT");
    // Only now, so that a file set aside is as it was found. WAL lets searches
    // read while an update writes.
    Exec(Db, "PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL; PRAGMA cache_size = -32768");
}

bool TClueBank::SetAsideFile(TBankOpen& result) {
    Close();
    const std::string aside = Path + ".broken";
    std::error_code ec;
    fs::rename(Path, aside, ec);
    if (ec && fs::exists(Path)) {
        result.Error = "The clue bank " + Path + " is damaged and cannot be set aside: " + ec.message() + ".";
        return false;
    }
    // Its journals go with it, and none of an older copy's stays to pair with it.
    for (const char* journal : {"-wal", "-journal"}) {
        fs::remove(aside + journal, ec);
        fs::rename(Path + journal, aside + journal, ec);
    }
    fs::remove(Path + "-shm", ec);
    result.SetAside = aside;
    return true;
}

void TClueBank::Start(TBankOpen& result, bool setAside) {
    while (true) {
        if (setAside && !SetAsideFile(result)) return;
        try {
            Connect(true);
            Check();
            S = std::make_unique<TStatements>(Db);
            return;
        } catch (const ESql& e) {
            Close();
            if (!e.Broken || setAside) {
                result.Error = Message(e, Path);
                return;
            }
            setAside = true;
        }
    }
}

TBankOpen TClueBank::Open(const std::string& dbPath) {
    Close();
    Path = dbPath;
    TBankOpen result;
    const fs::path folder = fs::path(dbPath).parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::is_directory(folder, ec) && (fs::create_directories(folder, ec), ec)) {
        result.Error = "The folder " + folder.string() + " for the clue bank cannot be created: " + ec.message() + ".";
        return result;
    }
    Start(result, false);
    return result;
}

std::string TClueBank::OpenToSearch(const std::string& dbPath) {
    Close();
    Path = dbPath;
    try {
        Connect(false);
        S = std::make_unique<TStatements>(Db);
    } catch (const ESql& e) {
        Close();
        return Message(e, Path);
    }
    return {};
}

TBankUpdate TClueBank::Update(const std::string& folder, const TBankProgress& progress,
                              const std::atomic<bool>* cancel) {
    TBankUpdate report;
    if (!S) {
        report.Error = "The clue bank is not open.";
        return report;
    }
    for (bool again = false;; again = true) {
        try {
            UpdateFolder(folder, progress, cancel, report);
            return report;
        } catch (const ESql& e) {
            if (!sqlite3_get_autocommit(Db)) sqlite3_exec(Db, "ROLLBACK", nullptr, nullptr, nullptr);
            if (!e.Broken || again) {
                report.Error = Message(e, Path);
                return report;
            }
        }
        // Damage met on the way: start anew from an empty bank.
        TBankOpen restart;
        Start(restart, true);
        report = {};
        report.SetAside = restart.SetAside;
        report.Error = restart.Error;
        if (!S) return report;
    }
}

void TClueBank::UpdateFolder(const std::string& folder, const TBankProgress& progress,
                             const std::atomic<bool>* cancel, TBankUpdate& report) {
    std::vector<TFound> found;
    std::error_code ec;
    const fs::path root = folder.empty() ? fs::path() : fs::absolute(folder, ec).lexically_normal();
    report.FolderMissing = root.empty() || !fs::is_directory(root, ec);
    if (!report.FolderMissing) {
        // A folder that cannot be walked through leaves the bank as it was.
        report.Error = ScanFolder(root, found);
        if (!report.Error.empty()) return;
    }
    report.Found = int(found.size());

    struct TKnown {
        std::int64_t Id;
        std::string Name;
        std::int64_t Size, Time;
        bool Seen = false;
    };
    std::unordered_map<std::string, TKnown> known;
    for (TStatement& files = S->Files.Bind(); files.Next();)
        known.emplace(files.Text(1), TKnown{files.Int(0), files.Text(2), files.Int(3), files.Int(4)});

    const auto dropClues = [this](std::int64_t file) {
        S->DropTexts.Bind(file).Run();
        S->DropEntries.Bind(file).Run();
    };
    // The files to read, with their id when they are in the bank already.
    std::vector<std::pair<const TFound*, std::int64_t>> toRead;
    S->Begin.Bind().Run();
    for (const TFound& f : found) {
        const auto k = known.find(f.Path);
        if (k == known.end()) {
            toRead.emplace_back(&f, 0);
            continue;
        }
        k->second.Seen = true;
        if (k->second.Size != f.Size || k->second.Time != f.Time) {
            toRead.emplace_back(&f, k->second.Id);
            continue;
        }
        ++report.Unchanged;
        if (k->second.Name != f.Name) S->Rename.Bind(k->second.Id, f.Name).Run();
    }
    for (const auto& [path, k] : known)
        if (!k.Seen) {
            dropClues(k.Id);
            S->DropFile.Bind(k.Id).Run();
            ++report.Dropped;
        }
    S->Commit.Bind().Run();

    int done = report.Unchanged;
    if (progress) progress(done, report.Found);
    for (std::size_t i = 0; i < toRead.size(); ++i) {
        if (cancel && *cancel) {
            report.Cancelled = true;
            break;
        }
        if (i % FilesPerTransaction == 0) {
            if (i > 0) S->Commit.Bind().Run();
            S->Begin.Bind().Run();
        }
        const TFound& f = *toRead[i].first;
        std::int64_t id = toRead[i].second;
        const TFileClues read = ReadClues(f.Path);
        if (id) {
            dropClues(id);
            S->ChangeFile.Bind(id, f.Name, f.Size, f.Time, read.Error).Run();
        } else {
            S->AddFile.Bind(f.Path, f.Name, f.Size, f.Time, read.Error).Run();
            id = sqlite3_last_insert_rowid(Db);
        }
        for (const TBankClue& c : read.Clues) {
            S->AddEntry.Bind(id, c.Answer, std::string(c.Answer.rbegin(), c.Answer.rend()), c.Across, c.Number, c.Clue).Run();
            S->AddText.Bind(std::int64_t(sqlite3_last_insert_rowid(Db)), c.Clue).Run();
        }
        report.Read += read.Error.empty();
        if (progress) progress(++done, report.Found);
    }
    if (!sqlite3_get_autocommit(Db)) S->Commit.Bind().Run();

    for (TStatement& unread = S->Unreadable.Bind(); unread.Next();)
        report.Unreadable.push_back({unread.Text(0), unread.Text(1)});
    report.Clues = std::size_t(S->ClueCount.One());
    report.Puzzles = std::size_t(S->PuzzleCount.One());
}

namespace {

// The statements get the same values, each those it has parameters for;
// `rowsFor` picks the statement for the rows by the number found.
template <class Rows>
TBankSearch Find(TStatement& count, Rows rowsFor, const std::string& query, std::size_t limit,
                 std::size_t length, const std::string& path) {
    TBankSearch found;
    try {
        found.Found = std::size_t(count.Bind(query, limit, length).One());
        TStatement& rows = rowsFor(found.Found);
        for (rows.Bind(query, limit, length); rows.Next();)
            found.Clues.push_back({rows.Text(0), rows.Text(1), rows.Text(2), int(rows.Int(3)), rows.Int(4) != 0});
    } catch (const ESql& e) {
        found = {};
        found.Error = Message(e, path);
    }
    return found;
}

// The query for SearchClues: each word quoted, so that no character the user
// types has a meaning of the full-text syntax.
std::string ClueQuery(std::string_view words) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::string query;
    for (std::size_t i = 0; i < words.size();) {
        if (space(words[i])) {
            ++i;
            continue;
        }
        if (!query.empty()) query += ' ';
        query += '"';
        const std::size_t start = i;
        for (; i < words.size() && !space(words[i]); ++i) {
            query += words[i];
            if (words[i] == '"') query += '"';
        }
        query += '"';
        // A single letter starts too many words for its matches to be worth ranking.
        if (i == words.size() && i - start > 1) query += '*';
    }
    return query;
}

} // namespace

TBankSearch TClueBank::SearchAnswer(std::string_view pattern, std::size_t limit) {
    const std::string glob = AnswerGlob(pattern);
    if (!S || glob.empty()) return {};
    const auto letter = [](char c) { return c >= 'A' && c <= 'Z'; };
    const bool fixed = glob.find('*') == std::string::npos;
    const bool byEnd = !fixed && !letter(glob.front()) && letter(glob.back());
    auto& q = fixed ? S->ByLength : byEnd ? S->ByEnd : S->ByStart;
    return Find(
        q.Count, [&](std::size_t) -> TStatement& { return q.Rows; },
        byEnd ? std::string(glob.rbegin(), glob.rend()) : glob, limit, fixed ? glob.size() : 0, Path);
}

TBankSearch TClueBank::SearchClues(std::string_view words, std::size_t limit) {
    const std::string query = ClueQuery(words);
    if (!S || query.empty()) return {};
    return Find(
        S->MatchCount, [&](std::size_t found) -> TStatement& { return found > RankedClues ? S->Latest : S->Ranked; },
        query, limit, 0, Path);
}

} // namespace wl

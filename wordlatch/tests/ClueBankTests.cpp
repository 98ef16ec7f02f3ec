// The ClueBank over a folder of small puzzles in the three formats, with
// unreadable files beside them: what it indexes, how an update follows the
// folder, the searches, a damaged database set aside, and the window.
#include "ClueBankUnit.h"
#include "Interop.h"
#include "OutputTestSupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

namespace wl::fakes {
namespace {

using Rows = std::vector<std::string>;

// A grid from rows of text with clue entries 1, 2 ... in the numbering walk's order.
TXwdPuzzle Clued(const std::vector<std::string>& rows, const std::vector<std::string>& clues) {
    TXwdPuzzle p = FromRows(rows);
    for (const TNumberedSquare& s : NumberGrid(p)) {
        if (s.AcrossWord) p.Index(s.X, s.Y).AcrossClue = std::uint16_t(s.AcrossWord);
        if (s.DownWord) p.Index(s.X, s.Y).DownClue = std::uint16_t(s.DownWord);
    }
    for (std::size_t e = 0; e < clues.size(); ++e) p.Clue(int(e + 1)).SetText(clues[e]);
    return p;
}

// 1 Across CAT, 1 Down COW, 2 Down TED (no clue), 3 Across WED.
TXwdPuzzle Small(const std::vector<std::string>& clues) {
    return Clued({"CAT", "O#E", "WED"}, clues);
}

Rows Shown(const TBankSearch& found) {
    Rows rows;
    for (const TBankClue& c : found.Clues)
        rows.push_back(c.Clue + "|" + c.Answer + "|" + c.Puzzle + "|" + std::to_string(c.Number) + (c.Across ? "A" : "D"));
    if (!found.Error.empty()) rows.push_back("error: " + found.Error);
    if (found.Found != found.Clues.size()) rows.push_back(std::to_string(found.Found) + " found");
    return rows;
}

class ClueBankTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        Write("bank/sample.xwd", WriteXwd(SamplePuzzle()));
        Write("bank/sub/small.PUZ", WritePuz(Small({"Feline pet", "Farm animal (3)", "", "Married"}), ""));
        // 1 Across BED, 1 Down BAY, 2 Down E?E, 3 Down DES, 4 Across A?E, 5 Across YES.
        Write("bank/sub/deep/more.ipuz",
              WriteIpuz(Clued({"BED", "A?E", "YES"}, {"Place to sleep", "Harbor, in a caf\xE9", "Look",
                                                      "___ Moines", "Not quite", "Affirmatives"}),
                        "More"));
        std::string damaged = WritePuz(Small({"A", "B", "C", "D"}), "");
        damaged[0x34] = 'X'; // the first letter of the solution
        Write("bank/sub/damaged.puz", damaged);
        Write("bank/broken.xwd", "not a puzzle");
        Write("bank/notes.txt", "not a puzzle file either");
    }
    void Write(const QString& name, const std::string& bytes) {
        QDir(Dir.path()).mkpath(QFileInfo(name).path());
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string Path(const QString& name) const { return Dir.filePath(name).toStdString(); }
    TBankUpdate Update(const QString& folder = "bank") { return Bank.Update(Path(folder)); }

    static std::vector<TUnreadFile> Unread(const std::string& subfolder) {
        return {{"broken.xwd", "Puzzle not in XWD format or is corrupt."}, {subfolder + "damaged.puz", DamagedPuzText}};
    }

    QTemporaryDir Dir;
    TClueBank Bank;
};

TEST_F(ClueBankTest, IndexesWholeCluedAnswersAndNamesWhatDoesNotRead) {
    ASSERT_EQ(Bank.Open(Path("cache/cluebank.sqlite")).Error, "");
    const TBankUpdate r = Update();
    EXPECT_EQ(r.Error, "");
    EXPECT_EQ((std::vector{r.Found, r.Read, r.Unchanged, r.Dropped}), (std::vector{5, 3, 0, 0}));
    EXPECT_EQ(r.Unreadable, Unread("sub/"));
    // The sample's 15 clued words, 3 of small.PUZ and 4 of more.ipuz.
    EXPECT_EQ(r.Clues, 22u);
    EXPECT_EQ(r.Puzzles, 3u);

    const struct {
        const char* Pattern;
        Rows Expected;
    } answers[] = {
        {"bed", {"Place to sleep|BED|sample.xwd|10D", "Place to sleep|BED|sub/deep/more.ipuz|1A"}},
        {"?E?", {"Place to sleep|BED|sample.xwd|10D", "Place to sleep|BED|sub/deep/more.ipuz|1A",
                 "___ Moines|DES|sub/deep/more.ipuz|3D", "\"Layer\" on a farm|HEN|sample.xwd|8A",
                 "Married|WED|sub/small.PUZ|3A", "Affirmatives|YES|sub/deep/more.ipuz|5A"}},
        {" **eD", {"Place to sleep|BED|sample.xwd|10D", "Place to sleep|BED|sub/deep/more.ipuz|1A",
                   "Coined word|HERED|sample.xwd|8D", "Married|WED|sub/small.PUZ|3A"}},
        {"C*", {"Feline pet|CAT|sub/small.PUZ|1A", "Farm animal (3)|COW|sub/small.PUZ|1D"}},
        {"SOW", {}}, // no clue
        {"TED", {}}, // no clue
        {"LL", {}},      // linked to no clue
        {"[A-Z]*", {}},
        {"C-T", {}},
        {"", {}},
    };
    for (const auto& a : answers) EXPECT_EQ(Shown(Bank.SearchAnswer(a.Pattern)), a.Expected) << a.Pattern;

    const struct {
        const char* Words;
        Rows Expected;
    } clues[] = {
        {"farm", {"Farm animal (3)|COW|sub/small.PUZ|1D", "\"Layer\" on a farm|HEN|sample.xwd|8A"}},
        {"\"layer\" FARM ", {"\"Layer\" on a farm|HEN|sample.xwd|8A"}},
        {"la", {"Larry's pal|MOE|sample.xwd|4D", "\"Layer\" on a farm|HEN|sample.xwd|8A"}},
        {"la ", {}}, // a whole word once a space follows
        {"cafe", {"Harbor, in a caf\xC3\xA9|BAY|sub/deep/more.ipuz|1D"}},
        {"man's", {"Man's best friend|DOG|sample.xwd|15A"}},
        {"egg) -shape*", {"Egg shape|OVAL|sample.xwd|5A"}},
        {"pal\" OR \"egg", {}},
        {"NEAR(egg", {}},
        {"clue_text:egg", {}},
        {"*", {}},
    };
    for (const auto& c : clues) EXPECT_EQ(Shown(Bank.SearchClues(c.Words)), c.Expected) << c.Words;

    EXPECT_EQ(Shown(Bank.SearchAnswer("*", 2)),
              (Rows{"Inlet|BAY|sample.xwd|10A", "Harbor, in a caf\xC3\xA9|BAY|sub/deep/more.ipuz|1D", "22 found"}));
}

TEST_F(ClueBankTest, UpdateFollowsTheFolderAndACancelledOneGoesOn) {
    ASSERT_EQ(Bank.Open(Path("cluebank.sqlite")).Error, "");
    // Files go in path order: broken.xwd, then sample.xwd.
    std::atomic<bool> cancel{false};
    TBankUpdate r = Bank.Update(Path("bank"), [&](int done, int) { cancel = done == 2; }, &cancel);
    EXPECT_TRUE(r.Cancelled);
    EXPECT_EQ((std::vector{r.Read, r.Unchanged}), (std::vector{1, 0}));
    EXPECT_EQ(r.Unreadable, (std::vector<TUnreadFile>{Unread("")[0]}));
    r = Update();
    EXPECT_EQ((std::vector{r.Found, r.Read, r.Unchanged, r.Dropped}), (std::vector{5, 2, 2, 0}));
    EXPECT_EQ(r.Clues, 22u);

    // The sample's DOG gets a new clue (an XWD file keeps its size: only its time tells).
    TXwdPuzzle sample = SamplePuzzle();
    sample.Clue(18).SetText("Hound");
    const auto time = std::filesystem::last_write_time(Path("bank/sample.xwd"));
    Write("bank/sample.xwd", WriteXwd(sample));
    std::filesystem::last_write_time(Path("bank/sample.xwd"), time + std::chrono::seconds(5));
    QFile::remove(Dir.filePath("bank/sub/deep/more.ipuz"));
    Write("bank/sub/new.xwd", WriteXwd(Small({"Kitty", "Bovine", "Tedious one", ""})));
    r = Update();
    EXPECT_EQ((std::vector{r.Found, r.Read, r.Unchanged, r.Dropped}), (std::vector{5, 2, 3, 1}));
    EXPECT_EQ(r.Unreadable, Unread("sub/"));
    EXPECT_EQ(Shown(Bank.SearchAnswer("?O?")),
              (Rows{"Marsh|BOG|sample.xwd|12D", "Bovine|COW|sub/new.xwd|1D",
                    "Farm animal (3)|COW|sub/small.PUZ|1D", "Hound|DOG|sample.xwd|15A",
                    "Larry's pal|MOE|sample.xwd|4D", "Foot digit|TOE|sample.xwd|9A"}));
    EXPECT_EQ(Shown(Bank.SearchClues("friend")), Rows{});
    EXPECT_EQ(Shown(Bank.SearchClues("sleep")), Rows{"Place to sleep|BED|sample.xwd|10D"});
    EXPECT_EQ(Shown(Bank.SearchAnswer("TED")), Rows{"Tedious one|TED|sub/new.xwd|2D"});

    r = Update();
    EXPECT_EQ((std::vector{r.Found, r.Read, r.Unchanged, r.Dropped}), (std::vector{5, 0, 5, 0}));
    // A subfolder as the bank: what lies outside it goes, names follow.
    r = Update("bank/sub");
    EXPECT_EQ((std::vector{r.Found, r.Read, r.Unchanged, r.Dropped}), (std::vector{3, 0, 3, 2}));
    EXPECT_EQ(r.Unreadable, (std::vector<TUnreadFile>{{"damaged.puz", DamagedPuzText}}));
    EXPECT_EQ(Shown(Bank.SearchAnswer("c?t")),
              (Rows{"Kitty|CAT|new.xwd|1A", "Feline pet|CAT|small.PUZ|1A"}));
    r = Update("gone");
    EXPECT_TRUE(r.FolderMissing);
    EXPECT_EQ((std::vector{r.Found, r.Dropped}), (std::vector{0, 3}));
    EXPECT_EQ(r.Clues, 0u);
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The bytes of an SQLite file made by `sql` at `path`.
std::string SqliteFile(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const std::string bytes = Slurp(path);
    std::filesystem::remove(path);
    return bytes;
}

TEST_F(ClueBankTest, SetsAsideADamagedOrForeignDatabaseAndBuildsAnew) {
    const std::string db = Path("cluebank.sqlite");
    {
        TClueBank first;
        first.Open(db);
        first.Update(Path("bank"));
    }
    std::string damaged = Slurp(db);
    for (std::size_t i = 4096; i < damaged.size(); i += 97) damaged[i] = char(i * 31);
    const std::string scratch = Path("scratch.sqlite");
    const std::pair<const char*, std::string> files[] = {
        {"not SQLite", std::string(10000, 'x')},
        {"another program's", SqliteFile(scratch, "CREATE TABLE t(x); INSERT INTO t VALUES (1);")},
        {"another version", SqliteFile(scratch, "CREATE TABLE file(id); PRAGMA user_version = 2;")},
        {"damaged", damaged},
    };
    for (const auto& [what, bytes] : files) {
        Write("cluebank.sqlite.broken", "an older copy");
        Write("cluebank.sqlite", bytes);
        TClueBank again;
        const TBankOpen opened = again.Open(db);
        EXPECT_EQ(opened.Error, "") << what;
        EXPECT_EQ(opened.SetAside, db + ".broken") << what;
        EXPECT_TRUE(Slurp(db + ".broken") == bytes) << what;
        const TBankUpdate r = again.Update(Path("bank"));
        EXPECT_EQ((std::vector{r.Read, r.Unchanged}), (std::vector{3, 0})) << what;
        EXPECT_EQ(r.Error + r.SetAside, "") << what;
    }
    // A sound bank is kept as it is.
    TClueBank sound;
    EXPECT_EQ(sound.Open(db).SetAside, "");
    EXPECT_EQ(sound.Update(Path("bank")).Unchanged, 5);

    Write("file", "");
    EXPECT_EQ(TClueBank().Open(Path("file/cluebank.sqlite")).Error,
              "The folder " + Path("file") + " for the clue bank cannot be created: Not a directory.");
}

TEST_F(ClueBankTest, WindowShowsEarlierCluesAndPutsOneIn) {
    std::string selected = "B?D";
    QStringList put;
    bool canPut = true;
    const QString db = Dir.filePath("cache/wordlatch/cluebank.sqlite");
    TClueBankForm form([&] { return Dir.filePath("bank"); }, [&] { return selected; },
                       [&](const QString& clue) {
                           put << clue;
                           return canPut;
                       },
                       db);
    EXPECT_FALSE(QFile::exists(db)) << "nothing is opened before the window shows";
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Busy(); }, 10000));
    EXPECT_EQ(form.StatusLbl->text().toStdString(), "The bank holds 22 clues from 3 puzzles; 3 files read.");
    EXPECT_EQ(form.UnreadLbl->text().toStdString(), "2 files could not be read:");
    EXPECT_TRUE(form.UnreadList->isVisible());
    EXPECT_EQ(form.UnreadList->topLevelItem(1)->text(0), "sub/damaged.puz");

    const auto rows = [&] {
        QStringList shown;
        for (int i = 0; i < form.ResultList->topLevelItemCount(); ++i)
            for (int c = 0; c < 3; ++c) shown << form.ResultList->topLevelItem(i)->text(c);
        return shown;
    };
    form.ShowCurrentWord();
    EXPECT_EQ(rows(), QStringList{}) << "an incomplete word is not searched";
    selected = "BED";
    form.ShowCurrentWord();
    EXPECT_EQ(form.FoundLbl->text().toStdString(), "2 clues");
    EXPECT_EQ(rows(), (QStringList{"Place to sleep", "BED", "sample.xwd", "Place to sleep", "BED", "sub/deep/more.ipuz"}));

    form.ClueRadio->setChecked(true);
    form.SearchEdit->clear();
    QTest::keyClicks(form.SearchEdit, "farm an");
    EXPECT_EQ(rows(), (QStringList{"Farm animal (3)", "COW", "sub/small.PUZ"}));
    form.ResultList->setCurrentItem(form.ResultList->topLevelItem(0));
    QTest::keyClick(form.ResultList, Qt::Key_Return);
    EXPECT_EQ(put, QStringList{"Farm animal (3)"});
    form.grab().save(QDir::current().filePath("cluebank-window.png"));
    canPut = false;
    QTest::keyClick(form.ResultList, Qt::Key_Return);
    EXPECT_TRUE(form.StatusLbl->text().startsWith("The clue cannot be put in")) << form.StatusLbl->text().toStdString();

    // Shown again, the bank catches up with a puzzle saved meanwhile.
    form.hide();
    Write("bank/new.xwd", WriteXwd(Small({"", "Holstein", "", ""})));
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Busy(); }, 10000));
    EXPECT_EQ(form.StatusLbl->text().toStdString(), "The bank holds 23 clues from 4 puzzles; 1 file read.");
    form.SearchEdit->setText("HOLSTEIN");
    EXPECT_EQ(rows(), (QStringList{"Holstein", "COW", "new.xwd"}));
}

} // namespace
} // namespace wl::fakes

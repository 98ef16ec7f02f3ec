// The puzzle record and its XWD file: layout, load, save and backup.
#include "DemoProcsUnit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

using namespace wl;
namespace fs = std::filesystem;

namespace {

class XwdFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir =
            fs::temp_directory_path() /
            ("xwd_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return (dir / name).string(); }

    static std::vector<std::uint8_t> Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    // A filled 15x15 puzzle with clues and a player's letters.
    static TDemProcs Filled() {
        TDemProcs d;
        d.NewPuzzle(15);
        for (int x = 1; x <= 15; ++x)
            for (int y = 1; y <= 15; ++y) {
                d.Puzzle.Solution(x, y) = std::uint8_t('A' + (x + y) % 26);
                d.Puzzle.Player(x, y) = (x == y) ? std::uint8_t('Q') : 0;
            }
        d.Puzzle.Solution(4, 4) = BlackSquare;
        d.Puzzle.Index(2, 1) = {3, 4};
        d.Puzzle.Clue(3).SetText("Feline friend");
        return d;
    }

    fs::path dir;
};

} // namespace

TEST_F(XwdFile, NewPuzzleWritesTheDocumentedBytes) {
    TDemProcs d;
    d.NewPuzzle(15);
    d.SavePuzzle(Path("new.xwd"));
    const auto b = Bytes(Path("new.xwd"));
    ASSERT_EQ(b.size(), 14156u);
    EXPECT_EQ(b[0], 15);
    EXPECT_EQ(b[1], 0);
    for (std::size_t i = 2; i < 3176; ++i) ASSERT_EQ(b[i], 0) << "offset " << i;
    for (std::size_t off = 3176; off <= 14034; off += 61) ASSERT_EQ(b[off], 0) << "offset " << off;
    EXPECT_EQ(b[14095], 14);
    EXPECT_EQ(std::string(b.begin() + 14096, b.begin() + 14110), "Wordlatch Demo");
}

TEST_F(XwdFile, SquaresAndClueIndexLieColumnByColumn) {
    TDemProcs d;
    d.NewPuzzle(15);
    d.Puzzle.Solution(2, 1) = 'X';
    d.Puzzle.Solution(1, 2) = 'Y';
    d.Puzzle.Index(2, 1) = {0x0102, 0x0304};
    d.SavePuzzle(Path("layout.xwd"));
    const auto b = Bytes(Path("layout.xwd"));
    EXPECT_EQ(b[25], 'X');
    EXPECT_EQ(b[3], 'Y');
    EXPECT_EQ((std::vector<std::uint8_t>(b.begin() + 1152, b.begin() + 1156)),
              (std::vector<std::uint8_t>{0x02, 0x01, 0x04, 0x03}));
}

TEST_F(XwdFile, SaveThenLoadIsByteIdentical) {
    TDemProcs d = Filled();
    d.PuzzleChanged = true;
    d.SavePuzzle(Path("a.xwd"));
    EXPECT_FALSE(d.PuzzleChanged);

    TDemProcs e;
    e.LoadPuzzle(Path("a.xwd"));
    e.SavePuzzle(Path("b.xwd"));
    EXPECT_EQ(Bytes(Path("a.xwd")), Bytes(Path("b.xwd")));
    EXPECT_EQ(e.Puzzle.Clue(3).Text(), "Feline friend");
}

TEST_F(XwdFile, ShortFileIsRefusedAndTheRecordKept) {
    TDemProcs d = Filled();
    d.SavePuzzle(Path("good.xwd"));
    auto bytes = Bytes(Path("good.xwd"));
    bytes.pop_back();
    Write(Path("short.xwd"), bytes);

    EXPECT_THROW(d.LoadPuzzle(Path("short.xwd")), EInOutError);
    d.SavePuzzle(Path("after.xwd"));
    EXPECT_EQ(Bytes(Path("after.xwd")), Bytes(Path("good.xwd")));
}

TEST_F(XwdFile, LongerFileUsesOnlyItsFirstRecord) {
    TDemProcs d = Filled();
    d.SavePuzzle(Path("good.xwd"));
    auto bytes = Bytes(Path("good.xwd"));
    bytes.resize(20000, 0xEE);
    Write(Path("long.xwd"), bytes);

    TDemProcs e;
    e.LoadPuzzle(Path("long.xwd"));
    e.SavePuzzle(Path("copy.xwd"));
    EXPECT_EQ(Bytes(Path("copy.xwd")), Bytes(Path("good.xwd")));
}

TEST_F(XwdFile, GridSideOutsideOneToTwentyThreeIsRefused) {
    TDemProcs d = Filled();
    d.SavePuzzle(Path("good.xwd"));
    for (std::int16_t side : {0, -1, 24, 300}) {
        auto bytes = Bytes(Path("good.xwd"));
        bytes[0] = std::uint8_t(side & 0xFF);
        bytes[1] = std::uint8_t((side >> 8) & 0xFF);
        Write(Path("bad.xwd"), bytes);
        EXPECT_THROW(d.LoadPuzzle(Path("bad.xwd")), EInOutError) << side;
        EXPECT_EQ(d.Puzzle.GridSize, 15);
    }
}

TEST_F(XwdFile, MissingFileOrAFolderInItsPlaceRaisesTheSystemText) {
    fs::create_directory(dir / "folder.xwd");
    const std::pair<const char*, const char*> cases[] = {
        {"nowhere.xwd", "No such file or directory"}, {"folder.xwd", "Is a directory"}};
    for (const auto& [name, text] : cases) {
        TDemProcs d;
        try {
            d.LoadPuzzle(Path(name));
            ADD_FAILURE() << name << ": no exception";
        } catch (const EInOutError& e) {
            EXPECT_STREQ(e.what(), text);
        }
    }
}

TEST_F(XwdFile, FailedRenameKeepsTheTargetAndTheChangedMark) {
    // A folder in the way makes the final rename fail, also for root.
    fs::create_directories(dir / "busy.xwd" / "inside");
    TDemProcs d = Filled();
    d.PuzzleChanged = true;
    EXPECT_THROW(d.SavePuzzle(Path("busy.xwd")), EInOutError);
    EXPECT_TRUE(d.PuzzleChanged);
    EXPECT_TRUE(fs::is_directory(dir / "busy.xwd" / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(XwdFile, SaveIntoMissingFolderFailsWithoutLeftovers) {
    TDemProcs d = Filled();
    d.PuzzleChanged = true;
    try {
        d.SavePuzzle(Path("no/such/folder.xwd"));
        FAIL() << "no exception";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "No such file or directory");
    }
    EXPECT_TRUE(d.PuzzleChanged);
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(XwdFile, BackupRenamesToXwBang) {
    TDemProcs d = Filled();
    d.SavePuzzle(Path("SUNDAY.XWD"));
    d.PuzzleChanged = true;
    d.BackupPuzzle(Path("SUNDAY.XWD"));
    EXPECT_FALSE(d.PuzzleChanged);
    EXPECT_FALSE(fs::exists(Path("SUNDAY.XWD")));
    EXPECT_TRUE(fs::exists(Path("SUNDAY.XW!")));
}

TEST_F(XwdFile, BackupNeverReplacesAnEarlierDeletedPuzzle) {
    TDemProcs d = Filled();
    d.SavePuzzle(Path("SUNDAY.XWD"));
    Write(Path("SUNDAY.XW!"), {1, 2, 3});
    d.PuzzleChanged = true;
    EXPECT_THROW(d.BackupPuzzle(Path("SUNDAY.XWD")), EInOutError);
    EXPECT_TRUE(d.PuzzleChanged);
    EXPECT_TRUE(fs::exists(Path("SUNDAY.XWD")));
    EXPECT_EQ(Bytes(Path("SUNDAY.XW!")), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(BackupName, ReplacesOnlyTheFileNamesExtension) {
    EXPECT_EQ(BackupName("/puz/SUNDAY.XWD"), "/puz/SUNDAY.XW!");
    EXPECT_EQ(BackupName("/puz/SUNDAY"), "/puz/SUNDAY.XW!");
    EXPECT_EQ(BackupName("/my.puz/SUNDAY"), "/my.puz/SUNDAY.XW!");
    EXPECT_EQ(BackupName("D:\\PUZ\\A.B.XWD"), "D:\\PUZ\\A.B.XW!");
}

TEST(XwdString, LengthByteAboveSixtyReadsSixtyAndKeepsTheBytes) {
    TXwdString s{};
    for (int i = 1; i <= 60; ++i) s.Bytes[i] = std::uint8_t('a' + i % 26);
    s.Bytes[0] = 255;
    EXPECT_EQ(s.Text().size(), 60u);
    EXPECT_EQ(s.Bytes[0], 255); // reading never rewrites the record

    s.SetText("short");
    EXPECT_EQ(s.Text(), "short");
    EXPECT_EQ(s.Bytes[6], 'a' + 6 % 26); // bytes beyond the length are left alone
    s.SetText(std::string(80, 'x'));
    EXPECT_EQ(s.Bytes[0], 60);
}

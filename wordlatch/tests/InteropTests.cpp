// The exchange formats over the record: fixtures read and written back, the
// record's own round trip, and what does not fit the record.
#include "ConvertCommand.h"
#include "Interop.h"
#include "InteropSamples.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace wl;
using namespace wl::testing;

namespace {

TReadResult ReadFixture(const std::string& name) {
    const auto format = FormatOfFile(name);
    return ReadExchange(*format, FixtureBytes(name));
}

std::string Ipuz(const std::string& body) {
    return R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/crossword#1"],)" + body + "}";
}

class Fixture : public ::testing::TestWithParam<const char*> {};

} // namespace

// Every fixture opens, and written back in either format reads as the same record.
TEST_P(Fixture, ReadsAndWritesBackTheSameRecord) {
    const TReadResult first = ReadFixture(GetParam());
    ASSERT_TRUE(first.Ok()) << first.Error;
    for (const auto format : {TExchangeFormat::Puz, TExchangeFormat::Ipuz, TExchangeFormat::Xwd}) {
        const TReadResult again = ReadExchange(format, AsBytes(WriteExchange(format, first.Puzzle, first.Title)));
        ASSERT_TRUE(again.Ok()) << again.Error;
        EXPECT_TRUE(SameContent(first.Puzzle, again.Puzzle)) << int(format);
        if (format != TExchangeFormat::Xwd) {
            EXPECT_EQ(again.Title, first.Title);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Interop, Fixture,
                         ::testing::Values("test-simple.puz", "test.puz", "test-iso-8859-1.puz", "test-solved.puz",
                                           "test-no-solution.puz", "test-empty-clue.puz", "test-diagramless.puz",
                                           "gaps.puz", "test.ipuz", "test-solved.ipuz", "test-no-solution.ipuz",
                                           "test-empty-clue.ipuz", "test-zero-indexed.ipuz", "gaps.ipuz",
                                           "test-diagramless.ipuz"));

// The two formats of one puzzle give one record: numbering, clue order and text agree.
TEST(Interop, PuzAndIpuzOfOnePuzzleGiveOneRecord) {
    for (const std::string name : {"test", "test-solved", "test-no-solution"}) {
        const TReadResult puz = ReadFixture(name + ".puz"), ipuz = ReadFixture(name + ".ipuz");
        ASSERT_TRUE(puz.Ok() && ipuz.Ok()) << name;
        EXPECT_TRUE(SameContent(puz.Puzzle, ipuz.Puzzle)) << name;
    }
}

TEST(Interop, SimplePuzzleMapsOntoTheRecord) {
    const TReadResult r = ReadFixture("test-simple.puz");
    ASSERT_TRUE(r.Ok());
    const TXwdPuzzle& p = r.Puzzle;
    EXPECT_EQ(p.GridSize, 5);
    EXPECT_EQ(p.Solution(1, 1), 'A');
    EXPECT_EQ(p.Solution(5, 1), BlackSquare);
    EXPECT_EQ(p.Player(1, 1), 0);
    // Walk order: 1 Across is entry 1, 1 Down entry 2, 2 Down entry 3 ... 5 Across entry 6.
    EXPECT_EQ(p.Clue(1).Text(), "First across clue");
    EXPECT_EQ(p.Clue(2).Text(), "First down clue");
    EXPECT_EQ(p.Clue(6).Text(), "Second across clue");
    for (int x = 1; x <= 4; ++x) EXPECT_EQ(p.Index(x, 1).AcrossClue, 1) << x;
    for (int y = 1; y <= 3; ++y) EXPECT_EQ(p.Index(1, y).DownClue, 2) << y;
    EXPECT_EQ(p.Byline.Text(), "Jeff Davidson");
    EXPECT_EQ(r.Title, "Example Puzzle for Kotwords");
    EXPECT_EQ(r.Copyright, "\xC2\xA9 2018 Jeff Davidson");
}

// A misfit the record cannot hold is told; one that changes the grid needs consent (the
// converter's test lists fixtures whole). 3 x 2 without answers: a down-only start at (3, 1),
// an empty clue, one circle, notes on three lines.
TEST(Interop, MisfitsAreListedAsChangesAndNotices) {
    const TReadResult r = ReadIpuz(AsBytes(Ipuz(
        R"("dimensions":{"width":3,"height":2},"puzzle":[[1,"#",2],[3,0,{"style":{"shapebg":"circle"}}]],)"
        R"("notes":"one\r\n\r\ntwo\tthree","clues":{"Across":[[3,""]],"Down":[[1,"Top"],[2,"Side"]]})")));
    EXPECT_EQ(r.Misfits.Changes,
              std::vector<std::string>{
                  "The grid is 3 x 2 squares; black squares are added to make it 3 x 3."});
    EXPECT_EQ(r.Misfits.Notices, (std::vector<std::string>{
                                     "The file holds no answers, so a solution cannot be checked.",
                                     "The circle in 1 square is not kept.",
                                     "The notes \"one two three\" are not kept."}));
    const TReadResult test = ReadFixture("test.puz");
    EXPECT_EQ((std::string{char(test.Puzzle.Solution(3, 3)), char(test.Puzzle.Solution(4, 5))}),
              "X ");
}

// Bytes before a .puz header and a JSONP wrapping around an .ipuz read as the bare file does.
TEST(Interop, ReadsWrappedFiles) {
    auto named = AsBytes("WASHPOST.PUZ\x01"), puz = FixtureBytes("test-simple.puz");
    named.insert(named.end(), puz.begin(), puz.end());
    const TReadResult wrapped = ReadPuz(named);
    EXPECT_TRUE(SameContent(ReadPuz(puz).Puzzle, wrapped.Puzzle));
    EXPECT_EQ(wrapped.Title, "Example Puzzle for Kotwords");
    EXPECT_EQ(ReadPuz(AsBytes("xACROSS&DOWN" + std::string(60, '\0'))).Error,
              "This is not a .puz crossword file.");
    const std::string ipuz = WriteIpuz(SamplePuzzle(5), "Wrapped");
    EXPECT_TRUE(SameContent(ReadIpuz(AsBytes(" ipuz(" + ipuz + ");\n")).Puzzle, SamplePuzzle(5)));
    EXPECT_NE(ReadIpuz(AsBytes("ipuz(" + ipuz)).Error.find("not valid JSON"), std::string::npos);
}

// A clue longer than 60 characters is cut only after the question; the warning shows the cut.
TEST(Interop, LongCluesAreListedAndCut) {
    const std::string longClue(60, 'a');
    const TReadResult r = ReadIpuz(AsBytes(Ipuz(
        R"("dimensions":{"width":2,"height":2},"puzzle":[[1,2],[3,0]],"solution":[["A","B"],["C","D"]],)"
        R"("clues":{"Across":[[1,")" + longClue + R"(bcd"],[3,"short"]],"Down":["first","second"]})")));
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(r.Misfits.All(), std::vector<std::string>{
                                   "Clue 1 Across is longer than 60 characters; it is cut to \"" +
                                   longClue + "\", losing \"bcd\"."});
    EXPECT_EQ(r.Puzzle.Clue(1).Text(), longClue);
    // Clues without numbers go to the words of their direction in walk order.
    EXPECT_EQ(r.Puzzle.Clue(2).Text(), "first");
    EXPECT_EQ(r.Puzzle.Clue(3).Text(), "second");
    EXPECT_EQ(r.Puzzle.Clue(4).Text(), "short");
}

// The record's own content survives both formats, Windows-1252 bytes and solver's letters included.
TEST(Interop, RecordRoundTripsThroughBothFormats) {
    for (const int side : {1, 2, 11, 23}) {
        const TXwdPuzzle p = SamplePuzzle(side);
        for (const auto format : {TExchangeFormat::Puz, TExchangeFormat::Ipuz}) {
            const TReadResult r = ReadExchange(format, AsBytes(WriteExchange(format, p, "Caf\xC3\xA9")));
            ASSERT_TRUE(r.Ok()) << r.Error;
            EXPECT_TRUE(SameContent(p, r.Puzzle)) << side << " " << int(format);
            EXPECT_EQ(r.Title, "Caf\xC3\xA9");
            EXPECT_TRUE(r.Misfits.Empty());
        }
    }
}

// The clue written for a word is the entry its first square links to, as every window shows it.
TEST(Interop, WritesTheLinkedClueOfEachWord) {
    TXwdPuzzle p = SamplePuzzle(11);
    p.Index(1, 1).AcrossClue = 7;
    p.Index(2, 1).DownClue = 0;
    const TReadResult r = ReadIpuz(AsBytes(WriteIpuz(p, "")));
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.Puzzle.Clue(1).Text(), p.Clue(7).Text());
    EXPECT_EQ(r.Puzzle.Clue(3).Text(), "");
}

TEST(Interop, GridsThatCannotBeHeldAreRefused) {
    struct Row {
        std::string Body, Error;
    } rows[] = {
        {R"("dimensions":{"width":24,"height":3},"puzzle":[])", "24 x 3 squares; Wordlatch puzzles are at most 23 x 23"},
        {R"("dimensions":{"width":2},"puzzle":[[0,0]])", "no valid \"dimensions\""},
        {R"("dimensions":{"width":2,"height":2},"puzzle":[[0,0]])", "\"puzzle\" does not match"},
        {R"("dimensions":{"width":2,"height":2},"puzzle":[[0,0],[0]])", "\"puzzle\" does not match"},
        {R"("dimensions":{"width":1,"height":1})", "\"puzzle\" does not match"},
        {R"("dimensions":{"width":1,"height":1},"puzzle":[[0]],"solution":[["A","B"]])", "\"solution\" or \"saved\""},
    };
    for (const auto& row : rows) {
        const TReadResult r = ReadIpuz(AsBytes(Ipuz(row.Body)));
        EXPECT_NE(r.Error.find(row.Error), std::string::npos) << row.Body << " -> " << r.Error;
        EXPECT_TRUE(IsEmptyRecord(r.Puzzle)) << row.Body;
    }
    for (const std::string text : {"", "{", "[1, 2]", R"({"kind":["http://ipuz.org/sudoku#1"]})", "{\"title\":1}x"}) {
        const TReadResult r = ReadIpuz(AsBytes(text));
        EXPECT_FALSE(r.Ok()) << text;
        EXPECT_TRUE(IsEmptyRecord(r.Puzzle)) << text;
    }
    EXPECT_NE(ReadIpuz(AsBytes("{")).Error.find("not valid JSON"), std::string::npos);

    // 36 blocks of 3 x 3 white squares: 216 words.
    std::string grid = "[";
    for (int y = 1; y <= 23; ++y) {
        grid += y > 1 ? ",[" : "[";
        for (int x = 1; x <= 23; ++x) grid += std::string(x > 1 ? "," : "") + (x % 4 && y % 4 ? "0" : "\"#\"");
        grid += "]";
    }
    const TReadResult many = ReadIpuz(AsBytes(Ipuz(R"("dimensions":{"width":23,"height":23},"puzzle":)" + grid + "]")));
    EXPECT_EQ(many.Error, "The puzzle has 216 words; Wordlatch puzzles have at most 179.");
    EXPECT_TRUE(IsEmptyRecord(many.Puzzle));
}

TEST(Interop, WritingRefusesWhatNoFormatHolds) {
    TXwdPuzzle p = SamplePuzzle(23);
    for (int x = 1; x <= 23; ++x)
        for (int y = 1; y <= 23; ++y)
            if (x % 4 == 0 || y % 4 == 0) p.Solution(x, y) = BlackSquare;
    EXPECT_THROW(WriteIpuz(p, ""), EExchangeError);
    p.GridSize = 24;
    EXPECT_THROW(WritePuz(p, ""), EExchangeError);
}

TEST(Interop, FormatIsToldByTheExtension) {
    EXPECT_EQ(FormatOfFile("/a/b/SUNDAY.XWD"), TExchangeFormat::Xwd);
    EXPECT_EQ(FormatOfFile("x.Puz"), TExchangeFormat::Puz);
    EXPECT_EQ(FormatOfFile("x.ipuz"), TExchangeFormat::Ipuz);
    EXPECT_EQ(FormatOfFile("x.puz.txt"), std::nullopt);
    EXPECT_EQ(FormatOfFile("puz"), std::nullopt);
}

// A clue is one line of text: control characters, a NUL above all, never reach a .puz file's strings.
TEST(Interop, ControlCharactersInCluesBecomeSpaces) {
    const TReadResult r = ReadIpuz(AsBytes(Ipuz(
        R"("dimensions":{"width":2,"height":2},"puzzle":[[1,2],[3,{"style":{"shapebg":"circle"}}]],)"
        R"("solution":[["A","B"],["C","D"]],"clues":{"Across":[[1,"two\nlines"],[3,"nul\u0000here"]]})")));
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(r.Puzzle.Clue(1).Text(), "two lines");
    EXPECT_EQ(r.Puzzle.Clue(4).Text(), "nul here");
    EXPECT_EQ(r.Puzzle.Solution(2, 2), 'D'); // a styled square without a number is white

    TXwdPuzzle foreign = SamplePuzzle(11);
    foreign.Clue(1).SetText(std::string("a\0b", 3));
    const TReadResult back = ReadPuz(AsBytes(WritePuz(foreign, std::string("t\0t", 3))));
    ASSERT_TRUE(back.Ok()) << back.Error;
    EXPECT_EQ(back.Puzzle.Clue(1).Text(), "a b");
    EXPECT_EQ(back.Puzzle.Clue(2).Text(), foreign.Clue(2).Text());
}

// The converter's whole stderr, exit code and output for each kind of input, in a folder of its
// own.
TEST(Interop, ConverterTellsWhatNeedsWhichFlag) {
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("wordlatch-convert-" + std::to_string(::getpid()));
    const fs::path before = fs::current_path();
    fs::remove_all(dir);
    fs::create_directories(dir / "folder.puz");
    fs::current_path(dir);
    auto damaged = FixtureBytes("test-simple.puz");
    damaged[0x70] ^= 1;
    TXwdPuzzle unknown = SamplePuzzle(5);
    unknown.Solution(2, 3) = UnknownLetter;
    for (const auto& [name, bytes] : {std::pair{"simple.puz", FixtureBytes("test-simple.puz")},
                                      {"test.puz", FixtureBytes("test.puz")},
                                      {"damaged.puz", damaged},
                                      {"unknown.xwd", AsBytes(WriteXwd(unknown))}})
        std::ofstream(name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    fs::create_symlink("simple.puz", "link.ipuz");

    const std::string copyright =
        "The copyright line \"\xC2\xA9 2018 Jeff Davidson\" is not kept.\n";
    const std::string test =
        "test.puz: Squares holding more than one letter keep only the first: (3, 3) \"XYZ\".\n"
        "test.puz: Answers that are not letters A-Z become \"?\": (2, 5) \"1\", (3, 5) \"2\", (4, "
        "5) \"$\", (5, 5) \"@\".\n"
        "test.puz: Characters outside Windows-1252 become \"?\" in clue 1 Across.\n"
        "test.puz: The circles in 2 squares are not kept.\ntest.puz: " +
        copyright +
        "test.puz: The notes \"Notepad text goes here.\" are not kept.\n"
        "t.xwd: The title \"Example Puzzle for Kotwords\" is not kept.\n";
    const std::string checksums = "damaged.puz: The checksums of the .puz file do not match its "
                                  "contents; the file may be damaged.\n";
    const std::string force =
        "wordlatch-convert: not converted; --force converts it with these changes\n";
    struct Row {
        std::vector<std::string> Args;
        int Code;
        std::string Err;
        const char* Out = ""; // a new file exactly when the conversion succeeds
    } rows[] = {
        {{"simple.puz", "s.xwd"},
         0,
         "simple.puz: " + copyright +
             "s.xwd: The title \"Example Puzzle for Kotwords\" is not kept.\n",
         "s.xwd"},
        {{"test.puz", "t.xwd"}, 1, test + force, "t.xwd"},
        {{"test.puz", "t.xwd", "--force"}, 0, test, "t.xwd"},
        {{"--force", "damaged.puz", "d.ipuz"},
         1,
         checksums + "wordlatch-convert: not converted; --ignore-checksums converts it anyway\n",
         "d.ipuz"},
        {{"--ignore-checksums", "damaged.puz", "d.ipuz"},
         0,
         checksums + "damaged.puz: " + copyright,
         "d.ipuz"},
        {{"--title", "\xCE\xA9mega", "unknown.xwd", "u.puz"},
         1,
         "u.puz: Squares whose letter is unknown are written with the answer \"?\": (2, 3).\n"
         "u.puz: Characters outside Windows-1252 become \"?\" in the title.\n" +
             force,
         "u.puz"},
        {{"folder.puz", "f.xwd"},
         1,
         "wordlatch-convert: folder.puz: This is a folder, not a puzzle file.\n"},
        {{"none.puz", "n.xwd"},
         1,
         "wordlatch-convert: none.puz: The file cannot be read: No such file or directory.\n"},
        {{"simple.puz", "folder.puz"},
         1,
         "simple.puz: " + copyright +
             "wordlatch-convert: folder.puz: The file cannot be written: Is a directory.\n"},
        {{"simple.puz", "link.ipuz"},
         1,
         "wordlatch-convert: simple.puz and link.ipuz are the same file; OUT must be another\n"},
    };
    for (const auto& row : rows) {
        std::ostringstream out, err;
        EXPECT_EQ(RunConvert(row.Args, out, err), row.Code) << row.Err;
        EXPECT_EQ(err.str(), row.Err);
        EXPECT_TRUE(!*row.Out || fs::is_regular_file(row.Out) == (row.Code == 0)) << row.Out;
    }
    EXPECT_EQ(FixtureBytes("test-simple.puz"), ReadFileBytes("simple.puz"))
        << "IN is never written";
    fs::current_path(before);
    fs::remove_all(dir);
}

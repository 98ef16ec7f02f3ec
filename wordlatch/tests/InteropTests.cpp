// The exchange formats over the record: fixtures read and written back, the
// record's own round trip, and what does not fit the record.
#include "Interop.h"
#include "InteropSamples.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace wl;
using namespace wl::testing;

namespace {

bool Mentions(const TReadResult& r, const std::string& text) {
    return std::any_of(r.Warnings.begin(), r.Warnings.end(),
                       [&](const std::string& w) { return w.find(text) != std::string::npos; });
}

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

// What does not fit the record is named before anything opens.
TEST(Interop, MisfitsAreWarnedAbout) {
    const TReadResult rebus = ReadFixture("test.puz");
    ASSERT_TRUE(rebus.Ok());
    EXPECT_TRUE(rebus.MustAsk);
    EXPECT_TRUE(Mentions(rebus, "(3, 3) \"XYZ\""));
    EXPECT_EQ(rebus.Puzzle.Solution(3, 3), 'X');
    EXPECT_TRUE(Mentions(rebus, "(4, 5) \"$\""));
    EXPECT_EQ(rebus.Puzzle.Solution(4, 5), UnknownLetter);
    EXPECT_TRUE(Mentions(rebus, "circles in 2 squares"));
    EXPECT_TRUE(Mentions(rebus, "notes are not kept"));
    EXPECT_TRUE(Mentions(rebus, "outside Windows-1252 become \"?\" in clue 1 Across"));
    EXPECT_EQ(rebus.Puzzle.Clue(1).Text(), "First across clue with special characters ?????");
    EXPECT_NE(OpenQuestion(rebus).find("(3, 3) \"XYZ\""), std::string::npos);

    // Latin-1 text stays as its bytes; its rebus comes from the RTBL table.
    const TReadResult latin = ReadFixture("test-iso-8859-1.puz");
    EXPECT_FALSE(Mentions(latin, "Windows-1252"));
    EXPECT_TRUE(Mentions(latin, "\"XYZ\""));

    const TReadResult gaps = ReadFixture("gaps.ipuz");
    ASSERT_TRUE(gaps.Ok());
    EXPECT_EQ(gaps.Puzzle.GridSize, 7);
    EXPECT_TRUE(Mentions(gaps, "7 x 5 squares; black squares are added to make it 7 x 7"));
    for (int x = 1; x <= 7; ++x) EXPECT_TRUE(gaps.Puzzle.IsBlack(x, 6) && gaps.Puzzle.IsBlack(x, 7));
    EXPECT_TRUE(Mentions(gaps, "7 Down \"Will be removed\""));

    const TReadResult plain = ReadExchange(TExchangeFormat::Puz, AsBytes(WritePuz(SamplePuzzle(11), "T")));
    EXPECT_FALSE(plain.MustAsk);
    EXPECT_TRUE(plain.Warnings.empty());
}

// A clue longer than 60 characters is cut only after the question; the warning shows the cut.
TEST(Interop, LongCluesAreListedAndCut) {
    const std::string longClue(60, 'a');
    const TReadResult r = ReadIpuz(AsBytes(Ipuz(
        R"("dimensions":{"width":2,"height":2},"puzzle":[[1,2],[3,0]],"solution":[["A","B"],["C","D"]],)"
        R"("clues":{"Across":[[1,")" + longClue + R"(bcd"],[3,"short"]],"Down":["first","second"]})")));
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_TRUE(r.MustAsk);
    ASSERT_EQ(r.Warnings.size(), 1u);
    EXPECT_NE(r.Warnings[0].find("Clue 1 Across is longer than 60 characters"), std::string::npos);
    EXPECT_NE(r.Warnings[0].find("losing \"bcd\""), std::string::npos);
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
            EXPECT_FALSE(r.MustAsk);
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

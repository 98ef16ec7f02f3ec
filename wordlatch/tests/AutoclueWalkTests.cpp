// The clue-writing walk over the words, its targets and ends, the store rule,
// and the solved test of the score card.
#include "AutoclueWalk.h"
#include "OutputTestSupport.h"
#include "ScoreRules.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace wl;
using wl::fakes::FromRows;

namespace {

TXwdPuzzle Open(int n) {
    return FromRows(std::vector<std::string>(std::size_t(n), std::string(std::size_t(n), 'A')));
}

// A 23 x 23 grid whose every third column is black: 184 across words of two letters.
TXwdPuzzle OverTheLimit() {
    std::string row;
    for (int x = 1; x <= 23; ++x) row += x % 3 == 0 ? '#' : 'A';
    return FromRows(std::vector<std::string>(23, row));
}

// The walk's state as "(x,y)" direction number ":" entry.
std::string At(const TAutoclueWalk& w) {
    std::ostringstream at;
    at << '(' << w.CurX << ',' << w.CurY << ')' << w.CurDir << w.CurNumber << ':' << w.CurEntry;
    return at.str();
}

} // namespace

// Forward, the walk meets every word with its number and entry and passes the
// end onto the last across word; back from there, it meets them again and
// passes the start onto the first word, from where it goes forward again.
TEST(AutoclueWalk, ForwardAndBackMeetEveryWordInEntryOrder) {
    const struct {
        std::vector<std::string> Rows;
        std::string Words, LastAcross;
    } rows[] = {
        {fakes::SampleRows,
         "(1,1)d1:1 (3,1)a2:2 (3,1)d2:3 (4,1)d3:4 (6,1)d4:5 (1,2)a5:6 (6,2)a6:7 (7,2)d7:8 "
         "(5,3)a8:9 (5,3)d8:10 (3,4)a9:11 (1,5)a10:12 (1,5)d10:13 (5,5)a11:14 (7,5)d12:15 "
         "(3,6)a13:16 (1,7)a14:17 (5,7)a15:18",
         "(5,7)a15:18"},
        // Down words follow the last across word; the last row holds none.
        {{"AAAAA", "AAAAA", "AAAA#", "AA#AA", "A#A#A"},
         "(1,1)a1:1 (1,1)d1:2 (2,1)d2:3 (3,1)d3:4 (4,1)d4:5 (5,1)d5:6 (1,2)a6:7 (1,3)a7:8 "
         "(1,4)a8:9 (4,4)a9:10 (5,4)d10:11",
         "(4,4)a9:10"},
    };
    for (const auto& row : rows) {
        TXwdPuzzle p = FromRows(row.Rows);
        TAutoclueWalk w(p);
        std::string forward;
        while (w.FindWord(">", false) == TWalkResult::Found && forward.size() < 1000)
            forward.append(forward.empty() ? "" : " ").append(At(w));
        EXPECT_EQ(forward, row.Words);
        EXPECT_EQ(At(w), row.LastAcross);
        std::string back = At(w);
        while (w.PrevWord() == TWalkResult::Found && back.size() < 1000) back = At(w).append(" ").append(back);
        EXPECT_EQ(back,
                  row.Words.substr(0, row.Words.find(row.LastAcross) + row.LastAcross.size()));
        const std::string first = row.Words.substr(0, row.Words.find(' '));
        EXPECT_EQ(At(w), first);
        EXPECT_EQ(w.FindWord(">", false), TWalkResult::Found);
        EXPECT_TRUE(row.Words.starts_with(first + " " + At(w) + " ")) << At(w);
    }
}

// Targets: an empty clue, a clue text (the first of two), a word's letters
// only while the grid has a selection; a clue is the text its link names.
TEST(AutoclueWalk, TargetsFindTheFirstMatchingWord) {
    TXwdPuzzle p = fakes::SamplePuzzle();
    p.Clue(17).SetText("Marsh");
    const struct {
        const char* Target;
        bool Letters;
        TWalkResult Result;
        std::string Expected;
    } rows[] = {
        {"", false, TWalkResult::Found, "(1,1)d1:1"},
        {"Marsh", false, TWalkResult::Found, "(7,5)d12:15"},
        {"DIG", true, TWalkResult::Found, "(1,7)a14:17"},
        {"DIG", false, TWalkResult::PassedEnd, "(5,7)a15:18"},
        {"Not linked", false, TWalkResult::PassedEnd, "(5,7)a15:18"},
    };
    for (const auto& row : rows) {
        TAutoclueWalk w(p);
        EXPECT_EQ(w.FindWord(row.Target, row.Letters), row.Result) << row.Target;
        EXPECT_EQ(At(w), row.Expected) << row.Target;
    }
}

TEST(AutoclueWalk, StopsAtTheWordLimitOnTheLastValidWord) {
    TXwdPuzzle p = OverTheLimit();
    TAutoclueWalk w(p);
    for (int i = 1; i <= MaxWords; ++i) ASSERT_EQ(w.FindWord(">", false), TWalkResult::Found);
    const std::string last = At(w);
    EXPECT_EQ(w.CurEntry, MaxWords);
    EXPECT_EQ(w.FindWord(">", false), TWalkResult::LimitHit);
    EXPECT_EQ(At(w), last);
    EXPECT_TRUE(w.StoreClue("still the 179th"));
    EXPECT_EQ(p.Clue(MaxWords).Text(), "still the 179th");
    // A search from the start for letters no word has meets the limit too, off any word.
    TAutoclueWalk fresh(p);
    EXPECT_EQ(fresh.FindWord("ZZ", true), TWalkResult::LimitHit);
    EXPECT_FALSE(fresh.OnWord());
    EXPECT_FALSE(fresh.StoreClue("nowhere"));
}

TEST(AutoclueWalk, GridsWithoutAnAcrossWordEndWhereTheWalkWas) {
    // No word at all: both ends of the walk stay off any word.
    TXwdPuzzle none = FromRows({"A#A", "###", "A#A"});
    TAutoclueWalk w(none);
    EXPECT_EQ(w.FindWord(">", false), TWalkResult::PassedEnd);
    EXPECT_FALSE(w.OnWord());
    EXPECT_EQ(w.PrevWord(), TWalkResult::PassedStart);
    EXPECT_FALSE(w.OnWord());
    // Down words only: past the end the walk stays on the last word.
    TXwdPuzzle down = FromRows({"A#A", "A#A", "A#A"});
    TAutoclueWalk d(down);
    d.FindWord(">", false);
    d.FindWord(">", false);
    const std::string last = At(d);
    EXPECT_EQ(d.FindWord(">", false), TWalkResult::PassedEnd);
    EXPECT_EQ(At(d), last);
}

// Typing stores into the entry of the word's ordinal and relinks the word;
// the text already linked changes nothing; at most 60 characters.
TEST(AutoclueWalk, StoreClueRelinksToTheOrdinalOnlyWhenTheTextDiffers) {
    TXwdPuzzle p = Open(11);
    p.Clue(7).SetText("Old");
    p.Index(1, 1).AcrossClue = 7;
    TAutoclueWalk w(p);
    w.FindWord(">", false);
    EXPECT_EQ(w.LinkedEntry(), 7);
    EXPECT_FALSE(w.StoreClue("Old"));
    EXPECT_EQ(p.Index(1, 1).AcrossClue, 7);
    EXPECT_TRUE(w.StoreClue(std::string(61, 'x')));
    EXPECT_EQ(p.Index(1, 1).AcrossClue, 1);
    EXPECT_EQ(p.Clue(1).Text(), std::string(60, 'x'));
    EXPECT_EQ(p.Clue(7).Text(), "Old");
    EXPECT_FALSE(w.StoreClue(std::string(60, 'x')));
    // Before the first step nothing is stored.
    TAutoclueWalk fresh(p);
    EXPECT_FALSE(fresh.StoreClue("anything"));
    EXPECT_EQ(EntryText(p, 0), "");
    EXPECT_EQ(EntryText(p, 180), "");
}

TEST(ScoreRules, SolvedComparesWhiteSquaresOnly) {
    TXwdPuzzle p = FromRows({"AB#", "C.D", "#EF"});
    const auto fill = [&](const char* rows) {
        for (int i = 0; i < 9; ++i) p.Player(i % 3 + 1, i / 3 + 1) = rows[i] == '.' ? 0 : rows[i];
    };
    fill("AB.C.D.EF");
    EXPECT_TRUE(PuzzleSolved(p)); // black squares ignored, NoLetter left empty
    fill("AB.CXD.EF");
    EXPECT_FALSE(PuzzleSolved(p));
    fill("AB.C.D.EF");
    p.Solution(2, 2) = UnknownLetter; // a "?" can never be matched
    EXPECT_FALSE(PuzzleSolved(p));
    ClearPlayerGrid(p);
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 3; ++y) EXPECT_EQ(p.Player(x, y), 0);
}

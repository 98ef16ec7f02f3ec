// The clue-writing walk over the words, its targets and ends, the store rule,
// and the solved test of the score card.
#include "AutoclueWalk.h"
#include "ScoreRules.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace wl;

namespace {

// A puzzle from rows of text: '#' black, '.' NoLetter, '?' UnknownLetter, else the letter.
TXwdPuzzle Grid(const std::vector<std::string>& rows) {
    TDemProcs d;
    d.NewPuzzle(std::int16_t(rows.size()));
    for (int y = 1; y <= int(rows.size()); ++y)
        for (int x = 1; x <= int(rows.size()); ++x) {
            const char c = rows[y - 1][x - 1];
            d.Puzzle.Solution(x, y) = c == '#'   ? BlackSquare
                                      : c == '.' ? NoLetter
                                      : c == '?' ? UnknownLetter
                                                 : std::uint8_t(c);
        }
    return d.Puzzle;
}

TXwdPuzzle Open(int n) {
    return Grid(std::vector<std::string>(std::size_t(n), std::string(std::size_t(n), 'A')));
}

// A 23 x 23 grid whose every third column is black: 184 across words of two letters.
TXwdPuzzle OverTheLimit() {
    std::string row;
    for (int x = 1; x <= 23; ++x) row += x % 3 == 0 ? '#' : 'A';
    return Grid(std::vector<std::string>(23, row));
}

using TWordAt = std::tuple<int, int, char, int, int>; // x, y, direction, number, entry

TWordAt At(const TAutoclueWalk& w) {
    return {w.CurX, w.CurY, w.CurDir, w.CurNumber, w.CurEntry};
}

std::vector<TWordAt> Numbered(const TXwdPuzzle& p) {
    std::vector<TWordAt> words;
    for (const TNumberedSquare& s : NumberGrid(p)) {
        if (s.AcrossWord) words.emplace_back(s.X, s.Y, 'a', s.SquareNumber, s.AcrossWord);
        if (s.DownWord) words.emplace_back(s.X, s.Y, 'd', s.SquareNumber, s.DownWord);
    }
    return words;
}

} // namespace

class WalkOrder : public ::testing::TestWithParam<std::vector<std::string>> {};

// Forward and back, the walk meets the words of the numbering walk with their
// numbers and entries, ends on the last across word and goes back to the first.
TEST_P(WalkOrder, ForwardAndBackMeetEveryWordInEntryOrder) {
    TXwdPuzzle p = Grid(GetParam());
    const std::vector<TWordAt> words = Numbered(p);
    TAutoclueWalk w(p);
    w.Reset();
    for (const TWordAt& word : words) {
        ASSERT_EQ(w.FindWord(">", false), TWalkResult::Found);
        EXPECT_EQ(At(w), word);
    }
    ASSERT_EQ(w.FindWord(">", false), TWalkResult::PassedEnd);
    auto lastAcross = words.rbegin();
    while (std::get<2>(*lastAcross) != 'a') ++lastAcross;
    EXPECT_EQ(At(w), *lastAcross);
    // Back from the last word to the first, then past the start.
    w.Reset();
    for (std::size_t i = 0; i < words.size(); ++i) w.FindWord(">", false);
    for (auto word = words.rbegin() + 1; word != words.rend(); ++word) {
        ASSERT_EQ(w.PrevWord(), TWalkResult::Found);
        EXPECT_EQ(At(w), *word);
    }
    EXPECT_EQ(w.PrevWord(), TWalkResult::PassedStart);
    EXPECT_EQ(At(w), words.front());
}

INSTANTIATE_TEST_SUITE_P(
    Grids, WalkOrder,
    ::testing::Values(
        // Open: (1,1) carries number 1 with entries 1 across and 2 down.
        std::vector<std::string>(11, std::string(11, 'A')),
        // A pattern with black squares in row 1 and word starts on both sides of them.
        std::vector<std::string>{"AAA#AAAAA#A", "AAA#AAAAA#A", "AAAAA#AAAAA", "###AAA#AAAA",
                                 "AAAA#AAA###", "AAAAAAAAAAA", "###AAA#AAAA", "AAAA#AAA###",
                                 "AAAAA#AAAAA", "A#AAAAA#AAA", "A#AAAAA#AAA"},
        // Down words follow the last across word; the last row holds none.
        std::vector<std::string>{"AAAAA", "AAAAA", "AAAA#", "AA#AA", "A#A#A"}));

// Targets: a clue text, an empty clue, a word's letters only while the grid has
// a selection; an earlier word with the same letters wins.
TEST(AutoclueWalk, TargetsFindTheFirstMatchingWord) {
    TXwdPuzzle p =
        Grid({"CAT#CAT", "AAAAAAA", "TAAAAAA", "#AAAAA#", "AAAAAAA", "AAAAAAA", "CAT#CAT"});
    p.Clue(1).SetText("Pet");
    p.Clue(2).SetText("Also pet");
    p.Index(1, 1) = {1, 2};
    struct TRow {
        const char* Target;
        bool Letters;
        TWordAt Expected;
    } rows[] = {
        {"", false, {2, 1, 'd', 2, 3}},         // the first word without a clue
        {"Also pet", false, {1, 1, 'd', 1, 2}}, // clue text
        {"CAT", true, {1, 1, 'a', 1, 1}},       // (5,1) and (1,7) spell it too
        {"CAT", false, {1, 7, 'a', 17, 0}},     // letters ignored: no clue says CAT
    };
    for (const TRow& row : rows) {
        TAutoclueWalk w(p);
        const TWalkResult r = w.FindWord(row.Target, row.Letters);
        auto expected = row.Expected;
        if (std::get<4>(expected) == 0) {
            // Walked off the end onto the last across word.
            EXPECT_EQ(r, TWalkResult::PassedEnd) << row.Target;
            EXPECT_EQ(std::get<0>(At(w)), 5) << row.Target;
            EXPECT_EQ(std::get<1>(At(w)), 7) << row.Target;
        } else {
            EXPECT_EQ(r, TWalkResult::Found) << row.Target;
            EXPECT_EQ(At(w), expected) << row.Target;
        }
    }
}

TEST(AutoclueWalk, StopsAtTheWordLimitOnTheLastValidWord) {
    TXwdPuzzle p = OverTheLimit();
    TAutoclueWalk w(p);
    for (int i = 1; i <= MaxWords; ++i) ASSERT_EQ(w.FindWord(">", false), TWalkResult::Found);
    const TWordAt last = At(w);
    EXPECT_EQ(std::get<4>(last), MaxWords);
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
    TXwdPuzzle none = Grid({"A#A", "###", "A#A"});
    TAutoclueWalk w(none);
    EXPECT_EQ(w.FindWord(">", false), TWalkResult::PassedEnd);
    EXPECT_FALSE(w.OnWord());
    EXPECT_EQ(w.PrevWord(), TWalkResult::PassedStart);
    EXPECT_FALSE(w.OnWord());
    // Down words only: past the end the walk stays on the last word.
    TXwdPuzzle down = Grid({"A#A", "A#A", "A#A"});
    TAutoclueWalk d(down);
    d.FindWord(">", false);
    d.FindWord(">", false);
    const TWordAt last = At(d);
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
    TXwdPuzzle p = Grid({"AB#", "C.D", "#EF"});
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

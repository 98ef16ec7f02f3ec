// Invert, Turn and Flip of the whole grid, the blank pattern of Copy Grid As, and
// the deltas an undo history keeps of such changes.
#include "RecordDelta.h"
#include "Transforms.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

using namespace wl;

namespace {

// An n x n grid with black squares where `black` says, every white square
// lettered and every word clued with its own letters, as the Autoclue walk links them.
TXwdPuzzle Clued(int n, const std::function<bool(int, int)>& black) {
    TDemProcs d;
    d.NewPuzzle(std::int16_t(n));
    TXwdPuzzle& p = d.Puzzle;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            p.Solution(x, y) = black(x, y) ? BlackSquare : std::uint8_t('A' + (3 * x + y) % 26);
    for (const TNumberedSquare& s : NumberGrid(p)) {
        if (s.AcrossWord && s.AcrossWord <= MaxWords) {
            p.Index(s.X, s.Y).AcrossClue = std::uint16_t(s.AcrossWord);
            p.Clue(s.AcrossWord).SetText("clue " + GetWord(p, s.X, s.Y, 'a'));
        }
        if (s.DownWord && s.DownWord <= MaxWords) {
            p.Index(s.X, s.Y).DownClue = std::uint16_t(s.DownWord);
            p.Clue(s.DownWord).SetText("clue " + GetWord(p, s.X, s.Y, 'd'));
        }
    }
    return p;
}

bool Symmetric(const TXwdPuzzle& p) {
    const int n = p.Side();
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (p.IsBlack(x, y) != p.IsBlack(n + 1 - x, n + 1 - y)) return false;
    return true;
}

int Linked(const TXwdPuzzle& p) {
    int count = 0;
    for (const TNumberedSquare& s : NumberGrid(p))
        count += (s.AcrossWord && p.Index(s.X, s.Y).AcrossClue) +
                 (s.DownWord && p.Index(s.X, s.Y).DownClue);
    return count;
}

struct TPattern {
    const char* Name;
    int N;
    std::function<bool(int, int)> Black;
};

const TPattern Patterns[] = {
    {"open 15", 15, [](int, int) { return false; }},
    // Corners and a symmetric pair of bars.
    {"symmetric 11", 11,
     [](int x, int y) {
         const auto one = [](int a, int b) {
             return (a == 1 && b == 1) || (a == 4 && b <= 3) || (a == 6 && b == 6);
         };
         return one(x, y) || one(12 - x, 12 - y);
     }},
    // No symmetry at all: each word's clue still has to follow it.
    {"lopsided 13", 13,
     [](int x, int y) { return (x * 7 + y * 3) % 11 == 0 || (x == 2 && y > 9); }},
};

} // namespace

TEST(FlipTransform, TwiceIsTheRecordItWasAndEveryClueStaysOnItsWord) {
    for (const TPattern& row : Patterns) {
        SCOPED_TRACE(row.Name);
        const TXwdPuzzle before = Clued(row.N, row.Black);
        EXPECT_FALSE(TransformLoses(before, TTransform::Flip));
        TXwdPuzzle p = before;
        Transform(p, TTransform::Flip);
        // Across and down trade places; each word reads the same and keeps its clue
        // text under the entry its new number gives.
        const std::vector<TNumberedSquare> after = NumberGrid(p);
        for (const TNumberedSquare& s : NumberGrid(before)) {
            const TNumberedSquare* t = nullptr;
            for (const TNumberedSquare& f : after)
                if (f.X == s.Y && f.Y == s.X) t = &f;
            ASSERT_NE(t, nullptr) << s.X << "," << s.Y;
            EXPECT_EQ(bool(s.AcrossWord), bool(t->DownWord));
            EXPECT_EQ(bool(s.DownWord), bool(t->AcrossWord));
            if (s.AcrossWord) {
                EXPECT_EQ(GetWord(p, t->X, t->Y, 'd'), GetWord(before, s.X, s.Y, 'a'));
                EXPECT_EQ(p.Index(t->X, t->Y).DownClue, t->DownWord);
                EXPECT_EQ(p.Clue(t->DownWord).Text(), "clue " + GetWord(before, s.X, s.Y, 'a'));
            }
            if (s.DownWord) {
                EXPECT_EQ(p.Index(t->X, t->Y).AcrossClue, t->AcrossWord);
                EXPECT_EQ(p.Clue(t->AcrossWord).Text(), "clue " + GetWord(before, s.X, s.Y, 'd'));
            }
        }
        EXPECT_EQ(Symmetric(p), Symmetric(before));
        Transform(p, TTransform::Flip);
        EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
    }
}

TEST(FlipTransform, CluesNumberedPastTheWordLimitAreLostAndThatIsAskedFirst) {
    // Runs of two squares give far more than 179 words; the walk clued the first 179.
    const TXwdPuzzle before = Clued(23, [](int x, int y) { return (x + 2 * y) % 3 == 0; });
    ASSERT_GT(NumberGrid(before).back().AcrossWord + NumberGrid(before).back().DownWord, MaxWords);
    EXPECT_TRUE(TransformLoses(before, TTransform::Flip));
    TXwdPuzzle p = before;
    Transform(p, TTransform::Flip);
    EXPECT_LT(Linked(p), Linked(before));
    for (const TNumberedSquare& s : NumberGrid(p)) {
        const TClueIndexPair& index = p.Index(s.X, s.Y);
        EXPECT_TRUE(index.AcrossClue == 0 ||
                    p.Clue(index.AcrossClue).Text() == "clue " + GetWord(p, s.X, s.Y, 'a'));
        EXPECT_TRUE(index.DownClue == 0 ||
                    p.Clue(index.DownClue).Text() == "clue " + GetWord(p, s.X, s.Y, 'd'));
        EXPECT_LE(index.AcrossClue, MaxWords);
        EXPECT_LE(index.DownClue, MaxWords);
    }
}

TEST(FlipTransform, AClueTextNoWordLinksToIsALossToAskAbout) {
    TXwdPuzzle p = Clued(11, [](int x, int y) { return x == 3 && y == 9; });
    p.Clue(MaxWords).SetText("kept for a later word");
    EXPECT_TRUE(TransformLoses(p, TTransform::Flip));
    p.Clue(MaxWords).Clear();
    EXPECT_FALSE(TransformLoses(p, TTransform::Flip)) << "an empty entry is no loss";
}

TEST(PatternTransforms, TurnAndInvertAskWhenLettersOrCluesWouldGoAndClearThem) {
    struct TRow {
        TTransform T;
        bool Letters;
        bool Clues;
    } rows[] = {{TTransform::Turn, false, false},
                {TTransform::Turn, true, false},
                {TTransform::Turn, false, true},
                {TTransform::Invert, false, false},
                {TTransform::Invert, true, true}};
    for (const TRow& row : rows) {
        for (const TPattern& pattern : Patterns) {
            SCOPED_TRACE(std::string(pattern.Name) +
                         (row.T == TTransform::Turn ? " turn" : " invert") +
                         (row.Letters ? " letters" : "") + (row.Clues ? " clues" : ""));
            TXwdPuzzle before = Clued(pattern.N, pattern.Black);
            const TXwdPuzzle lettered = before;
            before = GridPattern(before);
            if (row.Letters) before.Player(3, 3) = 'Q';
            if (row.Clues) before.Clue(MaxWords).SetText("a clue no word links");
            EXPECT_EQ(TransformLoses(before, row.T), row.Letters || row.Clues);
            EXPECT_TRUE(TransformLoses(lettered, row.T));
            TXwdPuzzle p = lettered;
            Transform(p, row.T);
            const int n = pattern.N;
            for (int x = 1; x <= n; ++x)
                for (int y = 1; y <= n; ++y) {
                    const bool was = row.T == TTransform::Turn ? lettered.IsBlack(y, n + 1 - x)
                                                               : !lettered.IsBlack(x, y);
                    EXPECT_EQ(p.IsBlack(x, y), was) << x << "," << y;
                    EXPECT_TRUE(p.IsBlack(x, y) || p.Solution(x, y) == NoLetter);
                    EXPECT_EQ(p.Player(x, y), 0);
                }
            EXPECT_FALSE(TransformLoses(p, row.T)) << "nothing left to lose";
            EXPECT_EQ(Symmetric(p), Symmetric(lettered));
        }
    }
}

TEST(GridPatternCopy, KeepsBlackSquaresSizeAndBylineOnly) {
    const TXwdPuzzle p = Clued(13, Patterns[2].Black);
    TXwdPuzzle withPlayer = p;
    withPlayer.Player(1, 1) = 'Z';
    const TXwdPuzzle copy = GridPattern(withPlayer);
    EXPECT_EQ(copy.GridSize, 13);
    EXPECT_EQ(copy.Byline.Text(), "Wordlatch Demo");
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 13; ++y) {
            EXPECT_EQ(copy.IsBlack(x, y), p.IsBlack(x, y));
            EXPECT_TRUE(copy.IsBlack(x, y) || copy.Solution(x, y) == NoLetter);
            EXPECT_EQ(copy.Player(x, y), 0);
        }
    EXPECT_EQ(Linked(copy), 0);
    for (int e = 1; e <= MaxWords; ++e) EXPECT_EQ(copy.Clue(e).Text(), "") << e;
}

// A delta holds the bytes the record does not: a letter costs its old byte,
// two squares far apart two runs, and exchanging twice gives each record back.
TEST(RecordDelta, HoldsTheChangedRunsAndExchangesBothWays) {
    const TXwdPuzzle before = Clued(11, [](int x, int y) { return x == 3 && y == 9; });
    TXwdPuzzle after = before;
    after.Solution(4, 2) = 'Q'; // byte 2 + 3 * 23 + 1; it held an O
    after.Solution(7, 7) = BlackSquare;
    TRecordDelta delta = Difference(before, after);
    ASSERT_EQ(delta.Runs.size(), 2u);
    EXPECT_EQ(delta.Runs[0].Offset, 72);
    EXPECT_EQ(delta.Bytes, "OC");
    EXPECT_TRUE(Difference(before, before).Empty());
    TXwdPuzzle p = after;
    Exchange(p, delta);
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
    Exchange(p, delta);
    EXPECT_EQ(std::memcmp(&p, &after, sizeof p), 0);
}

// The dictionary's searches: pattern matching against a plain scan of a small
// list, and fills of small grids checked word by word against the built-in list.
#include "Fill.h"
#include "WordScan.h"
#include "OutputTestSupport.h"
#include "ReadFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <regex>
#include <set>

using namespace wl;

namespace {

TEST(WordIndex, PatternsFindWhatAPlainScanFinds) {
    std::vector<TWordEntry> list;
    for (const char* w : {"CAT", "COT", "CUT", "CART", "COAT", "CHAT", "SING", "RING", "BRING", "ACING",
                          "STRING", "ABC", "ABBC", "AXBYC", "CAB", "TACT", "CRAFT", "ZZZZZZZZZZZZZZZZZZZZZZZ"})
        list.push_back({w, int(std::string_view(w).size() * 7 % 60 + 20)});
    list[0].Score = 0; // CAT: removed
    const TWordIndex index(list);
    for (const char* pattern : {"C?T", "c?t", "*ING", "C*T", "*", "??", "A*B*C", "C1T", "*A*", "????",
                                "*T*T", "Z*Z", "?*?"})
        for (int minScore : {1, 45}) {
            SCOPED_TRACE(std::string(pattern) + " " + std::to_string(minScore));
            std::string re;
            for (const char* c = pattern; *c; ++c)
                re += *c == '?' ? std::string("[A-Z]") : *c == '*' ? std::string("[A-Z]*") : std::string(1, char(std::toupper(*c)));
            std::vector<TWordEntry> expected;
            for (const TWordEntry& e : list)
                if (e.Score >= std::max(minScore, 1) && std::regex_match(e.Word, std::regex(re))) expected.push_back(e);
            std::sort(expected.begin(), expected.end(), [](const TWordEntry& a, const TWordEntry& b) {
                return a.Score != b.Score ? a.Score > b.Score : a.Word < b.Word;
            });
            const TWordIndex::TMatches found = index.Match(pattern, minScore, 4);
            EXPECT_EQ(found.Found, expected.size());
            expected.resize(std::min<std::size_t>(expected.size(), 4));
            std::vector<std::string> best, want;
            for (const TWordEntry* e : found.Best) best.push_back(e->Word);
            for (const TWordEntry& e : expected) want.push_back(e.Word);
            EXPECT_EQ(best, want);
        }
}

TEST(WordScan, NamesAnswersMissingFromTheListsThenThoseScoringLow) {
    const TWordIndex index({{"CAT", 60}, {"COW", 50}, {"ODE", 20}, {"WEB", 70}});
    std::string listed;
    for (const TScanFinding& f : ScanWords(fakes::FromRows({"CAT", "ODE", "WEB"}), index, 30))
        listed += std::to_string(f.X) + "," + std::to_string(f.Y) + f.Direction + " " + f.Text + "\n";
    EXPECT_EQ(listed, "2,1d 2 Down (ADE) is not in the word lists.\n"
                      "3,1d 3 Down (TEB) is not in the word lists.\n"
                      "1,2a 4 Across (ODE) scores 20, under 30.\n");
}

class FillTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const puzzles::FileRead file = puzzles::ReadWholeFile(WORDLATCH_WORDS_FILE);
        ASSERT_EQ(file.Status, puzzles::ReadStatus::Read);
        std::vector<TWordEntry> entries = ParseWordList(file.Bytes).Entries;
        for (const TWordEntry& e : entries) Scores[e.Word] = e.Score;
        Index = new TWordIndex(std::move(entries));
    }
    static void TearDownTestSuite() { delete Index; }
    static inline TWordIndex* Index = nullptr;
    static inline std::map<std::string, int> Scores;

    // Every word of the filled grid listed, scoring at least `minScore`, none twice.
    static void ExpectListedWords(const TXwdPuzzle& p, int minScore) {
        std::set<std::string> seen;
        const TGridSlots slots(p);
        for (std::size_t s = 0; s < slots.Slots().size(); ++s) {
            const std::string word = SlotLetters(p, slots.Slots()[s]);
            ASSERT_TRUE(Scores.count(word)) << slots.Name(int(s)) << " " << word;
            EXPECT_GE(Scores[word], minScore) << word;
            EXPECT_TRUE(seen.insert(word).second) << word << " twice";
        }
    }
};

TEST_F(FillTest, FillsSmallGridsWithListedWordsKeepingTheLettersThere) {
    const struct {
        std::vector<std::string> Rows;
        int MinScore;
    } grids[] = {
        {{"S#...", ".....", "..R..", ".....", "...##"}, 1},
        {{"...#...", "...#...", ".......", "##...##", ".......", "...#...", "...#..."}, 60},
    };
    for (const auto& g : grids) {
        const TXwdPuzzle p = fakes::FromRows(g.Rows);
        TFillOptions options;
        options.MinScore = g.MinScore;
        const TFillResult r = FillGrid(p, *Index, options);
        ASSERT_EQ(r.Outcome, TFillOutcome::Filled) << g.Rows[0];
        for (int x = 1; x <= p.Side(); ++x)
            for (int y = 1; y <= p.Side(); ++y) {
                const std::uint8_t before = p.Solution(x, y), after = r.Puzzle.Solution(x, y);
                if (before == BlackSquare || (before >= 'A' && before <= 'Z')) EXPECT_EQ(after, before);
                else EXPECT_TRUE(after >= 'A' && after <= 'Z');
            }
        ExpectListedWords(r.Puzzle, g.MinScore);
        EXPECT_EQ(std::memcmp(&r.Puzzle.PlayerGrid, &p.PlayerGrid, sizeof p.PlayerGrid), 0);
    }
}

TEST_F(FillTest, RegionFillsOnlyTheWordsJoinedToTheChosenOne) {
    // Two parts of the grid, joined by no word: the left one is the region.
    const TXwdPuzzle p = fakes::FromRows({"...#...", "...#...", "...#...", "#######", "...#...", "...#...", "...#..."});
    TFillOptions options;
    options.Region = TWordAt{2, 2, 'a'};
    const TFillResult r = FillGrid(p, *Index, options);
    ASSERT_EQ(r.Outcome, TFillOutcome::Filled);
    EXPECT_EQ(r.Placed, 6);
    for (int y = 1; y <= 7; ++y)
        for (int x = 1; x <= 7; ++x)
            EXPECT_EQ(r.Puzzle.Solution(x, y) == NoLetter, (x > 4 || y > 4) && x != 4 && y != 4) << x << "," << y;
}

TEST_F(FillTest, NoFillNamesTheSlotAndCancelLeavesTheGrid) {
    const struct {
        std::vector<std::string> Rows;
        TFillOutcome Outcome;
        std::string Slot;
    } cases[] = {
        {{"..#", "...", "#.."}, TFillOutcome::NoFill, "1 Across"}, // two letters fit no word
        {{"Z..", "Q..", "..."}, TFillOutcome::NoFill, "1 Down"},
        {{"CAT", "ODE", "WEB"}, TFillOutcome::NothingToFill, ""},
    };
    for (const auto& c : cases) {
        const TFillResult r = FillGrid(fakes::FromRows(c.Rows), *Index, {});
        EXPECT_EQ(r.Outcome, c.Outcome) << c.Rows[0];
        EXPECT_EQ(r.HardestSlot, c.Slot) << c.Rows[0];
    }
    const TXwdPuzzle open = fakes::FromRows(std::vector<std::string>(9, "........."));
    const std::atomic<bool> cancel{true};
    const TFillResult r = FillGrid(open, *Index, {}, &cancel);
    EXPECT_EQ(r.Outcome, TFillOutcome::Cancelled);
    EXPECT_EQ(std::memcmp(&r.Puzzle, &open, sizeof open), 0);
}

} // namespace

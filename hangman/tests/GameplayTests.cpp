// Game play, points, streaks and rating of the hangman game, driven through the
// state that the game window draws.
#include "GameState.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

using hm::HangmanGame;

struct RecordedSounds : hm::SoundPlayer {
    std::vector<std::string> names;
    void playSound(const std::string& name) override { names.push_back(name); }
};

std::int16_t letter(char c) {
    return static_cast<std::int16_t>(c - 'A');
}

class Gameplay : public ::testing::Test {
protected:
    RecordedSounds sounds;
    double now = 12345.678;
    HangmanGame game{&sounds, [this] { return now; }};

    // A running game of the only word in the list.
    void play(const std::string& word) {
        game.words.words = {word};
        game.Command2_Click();
        ASSERT_EQ(game.currentWord, word);
    }
    void guess(const std::string& letters) {
        for (char c : letters) game.Command1_Click(letter(c));
    }
    void win(const std::string& word) {
        play(word);
        guess(word);
        ASSERT_TRUE(game.form.Picture9Visible);
    }
    void lose(const std::string& word) {
        play(word);
        game.Command3_Click();
    }
};

TEST_F(Gameplay, ALetterOccurringThreeTimesRevealsAllThreeInOneClick) {
    play("BANANAS");
    game.Command1_Click(letter('A'));
    EXPECT_EQ(game.score(), 300);
    EXPECT_EQ(game.lettersCorrect, 3);
    EXPECT_EQ(game.lettersIncorrect, 0);
    EXPECT_FALSE(game.form.Image1Visible) << "a hit is no miss";
    for (int k : {1, 3, 5}) EXPECT_TRUE(game.form.Text1[k].visible) << k;
    for (int k : {0, 2, 4, 6}) EXPECT_FALSE(game.form.Text1[k].visible) << k;
    EXPECT_FALSE(game.form.Command1[letter('A')].visible);
    EXPECT_EQ(game.gameState, 1);
}

TEST_F(Gameplay, MissesCostPointsStageByStageAndTheSeventhLoses) {
    play("LEVEL");
    using F = hm::Form1State;
    const std::vector<std::pair<bool F::*, int>> stages{
        {&F::Image1Visible, -15},  {&F::Image2Visible, -25}, {&F::Image3Visible, -35},
        {&F::Image10Visible, -45}, {&F::Image5Visible, -55}, {&F::Image12Visible, -65}};
    long long expected = 0;
    const std::string misses = "ABCDFGH";
    for (std::size_t i = 0; i < stages.size(); ++i) {
        game.Command1_Click(letter(misses[i]));
        expected += stages[i].second;
        EXPECT_EQ(game.score(), expected) << "miss " << i + 1;
        for (std::size_t j = 0; j < stages.size(); ++j)
            EXPECT_EQ(game.form.*stages[j].first, j <= i) << "miss " << i + 1 << " stage " << j + 1;
        EXPECT_TRUE(game.running());
    }
    game.Command1_Click(letter(misses[6]));
    EXPECT_EQ(game.score(), -490);
    EXPECT_TRUE(game.form.Image7Visible);
    EXPECT_TRUE(game.form.Picture8Visible);
    EXPECT_FALSE(game.form.Frame1Visible);
    EXPECT_EQ(game.form.Label5, "1");
    EXPECT_EQ(game.gameState, 3);
    EXPECT_EQ(game.lettersIncorrect, 7);
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(game.form.Text1[k].visible) << "whole word shown";
    for (int k = 5; k < 11; ++k) EXPECT_FALSE(game.form.Text1[k].visible);
    for (const auto& button : game.form.Command1) EXPECT_FALSE(button.enabled);
    EXPECT_FALSE(game.form.Command3Enabled);
    EXPECT_EQ(game.form.focus, hm::FocusTarget::Command2);
    EXPECT_EQ(sounds.names.size(), 1u);
    EXPECT_EQ(sounds.names[0].rfind("BadSnd", 0), 0u);

    game.Command2_Click();
    EXPECT_EQ(game.score(), -590) << "a lost game with guesses costs 100 more on New Word";
}

TEST_F(Gameplay, WinningAddsFiveHundredAndFreesTheFigure) {
    play("LEVEL");
    guess("LE");
    EXPECT_TRUE(game.running());
    game.Command1_Click(letter('V'));
    EXPECT_EQ(game.score(), 500 + 500);
    EXPECT_EQ(game.form.Label4, "1");
    EXPECT_TRUE(game.form.Picture9Visible);
    EXPECT_FALSE(game.form.Picture8Visible);
    EXPECT_TRUE(game.form.Image1Visible && game.form.Image2Visible && game.form.Image3Visible &&
                game.form.Image10Visible && game.form.Image5Visible);
    EXPECT_FALSE(game.form.Image12Visible || game.form.Image7Visible);
    EXPECT_FALSE(game.form.Line1Visible || game.form.Line2Visible || game.form.Line3Visible ||
                 game.form.Line4Visible);
    EXPECT_FALSE(game.form.Frame1Visible);
    EXPECT_FALSE(game.form.Command3Enabled);
    ASSERT_EQ(sounds.names.size(), 1u);
    EXPECT_EQ(sounds.names[0].rfind("GoodSnd", 0), 0u);

    game.Command2_Click();
    EXPECT_EQ(game.score(), 1000) << "a won game costs nothing on New Word";
}

TEST_F(Gameplay, RevealWordWithoutGuessCostsOnlyTheTwoHundred) {
    play("TIGER");
    game.Command3_Click();
    EXPECT_EQ(game.score(), -200);
    EXPECT_EQ(game.form.Label5, "1");
    EXPECT_TRUE(game.form.Picture8Visible);
    EXPECT_TRUE(game.form.Image7Visible && game.form.Image12Visible);
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(game.form.Text1[k].visible);
    EXPECT_EQ(game.gameState, 3);
    EXPECT_EQ(sounds.names.size(), 1u);
    game.Command2_Click();
    EXPECT_EQ(game.score(), -200);
}

TEST_F(Gameplay, RevealWordAfterAGuessCostsAHundredMoreOnNewWord) {
    play("TIGER");
    game.Command1_Click(letter('T'));
    game.Command3_Click();
    EXPECT_EQ(game.score(), 100 - 200);
    game.Command2_Click();
    EXPECT_EQ(game.score(), 100 - 200 - 100);
}

TEST_F(Gameplay, RevealWordOnAFinishedGameChangesNothingMore) {
    win("LEVEL");
    game.Command3_Click();
    EXPECT_EQ(game.score(), 1000);
    EXPECT_EQ(game.form.Label5, "0");
    EXPECT_FALSE(game.form.Picture8Visible);

    lose("TIGER");
    const long long after = game.score();
    game.Command3_Click();
    EXPECT_EQ(game.score(), after);
    EXPECT_EQ(game.form.Label5, "1");
    EXPECT_EQ(game.lossStreak, 1) << "the streak is updated only once per lost game";
}

TEST_F(Gameplay, NewWordAfterAGuessIsAPenaltyButNoResult) {
    play("TIGER");
    game.Command1_Click(letter('T'));
    game.Command2_Click();
    EXPECT_EQ(game.score(), 0);
    EXPECT_EQ(game.form.Label4, "0");
    EXPECT_EQ(game.form.Label5, "0");
    EXPECT_EQ(game.lastResult, "notPlayed");
    EXPECT_EQ(game.winStreak + game.lossStreak, 0);
    EXPECT_TRUE(game.form.Command3Enabled);
    for (const auto& button : game.form.Command1) EXPECT_TRUE(button.visible && button.enabled);
}

TEST_F(Gameplay, StreaksFollowTheSequenceOfResults) {
    lose("TIGER");
    EXPECT_EQ(game.lossStreak, 1) << "the first game continues from notPlayed";
    win("LEVEL");
    EXPECT_EQ(game.winStreak, 1);
    EXPECT_EQ(game.longestWinStreak, 1);

    HangmanGame fresh{&sounds, [this] { return now; }};
    game = fresh;
    win("LEVEL");
    win("LEVEL");
    lose("TIGER");
    lose("TIGER");
    lose("TIGER");
    EXPECT_EQ(game.winStreak, 2) << "a loss ends a run without resetting it";
    EXPECT_EQ(game.lossStreak, 3);
    EXPECT_EQ(game.longestWinStreak, 2);
    EXPECT_EQ(game.longestLossStreak, 3);
    win("LEVEL");
    EXPECT_EQ(game.winStreak, 1);
    EXPECT_EQ(game.lastResult, "win");
    EXPECT_EQ(game.longestWinStreak, 2) << "the longest run is kept, not replaced by the current one";
    EXPECT_EQ(game.longestLossStreak, 3);
}

TEST_F(Gameplay, CountersSaturateInsteadOfWrapping) {
    game.lettersCorrect = 32766;
    game.winStreak = 32767;
    game.longestWinStreak = 32767;
    game.lastResult = "win";
    win("LEVEL");
    EXPECT_EQ(game.lettersCorrect, 32767);
    EXPECT_EQ(game.winStreak, 32767);
    EXPECT_EQ(game.longestWinStreak, 32767);
    EXPECT_EQ(hm::saturatingAdd(-32768, -1), -32768);
}

TEST_F(Gameplay, NoSoundIsRequestedWhileSoundIsUnchecked) {
    game.mnuSound_Click();
    EXPECT_FALSE(game.form.mnuSoundChecked);
    win("LEVEL");
    lose("TIGER");
    play("TIGER");
    guess("ABCDFHJ");
    EXPECT_TRUE(game.form.Picture8Visible);
    EXPECT_TRUE(sounds.names.empty());
    game.mnuSound_Click();
    EXPECT_TRUE(game.form.mnuSoundChecked);
}

TEST_F(Gameplay, RandomSoundsCoverAllThreeOfAKind) {
    std::set<std::string> good, bad;
    for (int i = 0; i < 200; ++i) {
        now = 1000 + i * 0.37;
        game.playRandomSound("good");
        good.insert(sounds.names.back());
        game.playRandomSound("bad");
        bad.insert(sounds.names.back());
    }
    EXPECT_EQ(good, (std::set<std::string>{"GoodSnd1", "GoodSnd2", "GoodSnd3"}));
    EXPECT_EQ(bad, (std::set<std::string>{"BadSnd1", "BadSnd2", "BadSnd3"}));
}

TEST_F(Gameplay, TheLastWordIsNeverPickedFromTwoOrMore) {
    game.words.words = {"ALPHA", "bravo", "CHARLIE"};
    std::set<std::string> picked;
    for (int i = 0; i < 500; ++i) {
        now = i * 172.8 + 0.001 * i;
        std::string word;
        game.pickRandomWord(word);
        picked.insert(word);
    }
    EXPECT_EQ(picked, (std::set<std::string>{"ALPHA", "BRAVO"})) << "upper-cased, last left out";

    game.words.words = {"solo"};
    std::string word;
    game.pickRandomWord(word);
    EXPECT_EQ(word, "SOLO");

    // Each draw is word Int((wordCount - 1) * r) + 1 of the time's random number r.
    game.words.words = {"ALPHA", "BRAVO", "CHARLIE", "DELTA", "ECHO"};
    for (int i = 0; i < 200; ++i) {
        now = 3600 + i * 1.7;
        const auto expected = static_cast<std::size_t>(4 * hm::randomFromTimeOfDay(now));
        game.pickRandomWord(word);
        EXPECT_EQ(word, game.words.words[expected]) << "at " << now;
    }
}

TEST_F(Gameplay, WordsTheWindowCannotShowAreNeverPicked) {
    game.words.words = {"", "MUCHTOOLONGWORD", "ICE CREAM", "CAT", "LAST"};
    for (int i = 0; i < 100; ++i) {
        now = i * 97.3;
        std::string word;
        game.pickRandomWord(word);
        EXPECT_EQ(word, "CAT");
    }
    // Only the last word is playable: it is used rather than an unplayable one.
    game.words.words = {"MUCHTOOLONGWORD", "FINE"};
    std::string word;
    game.pickRandomWord(word);
    EXPECT_EQ(word, "FINE");
}

TEST_F(Gameplay, TheGreyBoxWidensWithTheWordAndTheCaptionHasALeadingBlank) {
    const std::vector<std::pair<std::string, int>> widths{
        {"A", 615}, {"AB", 615}, {"TIGE", 615 + 2 * 260}, {"ABCDEFGHIJ", 2695}};
    for (const auto& [word, width] : widths) {
        play(word);
        EXPECT_EQ(game.form.Picture1Width, width) << word;
        EXPECT_EQ(game.form.Label2, " " + std::to_string(word.size()) + " Letters");
    }
    play("LEVEL");
    EXPECT_EQ(game.form.Label2, " 5 Letters");
    EXPECT_EQ(game.form.Text1[0].text, "L");
    EXPECT_TRUE(game.form.Text1[5].text.empty());
    EXPECT_FALSE(game.form.Text1[0].visible);
}

TEST_F(Gameplay, ATenLetterWordIsWonOnItsLastBox) {
    play("ABCDEFGHIJ");
    guess("ABCDEFGHI");
    EXPECT_TRUE(game.running());
    guess("J");
    EXPECT_TRUE(game.form.Picture9Visible);
    EXPECT_EQ(game.score(), 1500);
}

TEST_F(Gameplay, EveryScoreChangeRefreshesTheRating) {
    EXPECT_EQ(game.form.StatusBar1, "Status: Brain Dead") << "as designed before any change";
    play("LEVEL");
    game.Command1_Click(letter('L'));
    EXPECT_EQ(game.form.StatusBar1, "Status: Brain-Dead");

    // A lost game (490) and the New Word after it (100) carry 550 below zero.
    game.form.Label7 = "550";
    guess("ABCDFGH");
    EXPECT_EQ(game.score(), 60);
    EXPECT_EQ(game.form.StatusBar1, "Status: Brain-Dead");
    play("TIGER");
    EXPECT_EQ(game.score(), -40);
    EXPECT_EQ(game.form.StatusBar1, "Status: Tobbin Killer");

    game.form.Label7 = "950";
    game.Command1_Click(letter('T'));
    EXPECT_EQ(game.form.StatusBar1, "Status: Brain the size of a prune");
}

TEST_F(Gameplay, TheWordListEditorOpensOnlyWhenItGivesNothingAway) {
    play("TIGER");
    EXPECT_TRUE(game.wordListMayBeShown()) << "nothing revealed yet";
    game.Command1_Click(letter('A'));
    EXPECT_TRUE(game.wordListMayBeShown()) << "a miss reveals nothing";
    game.Command1_Click(letter('T'));
    EXPECT_FALSE(game.wordListMayBeShown());
    game.Command3_Click();
    EXPECT_TRUE(game.wordListMayBeShown()) << "the loss banner shows";
    win("LEVEL");
    EXPECT_TRUE(game.wordListMayBeShown()) << "the win banner shows";
}

TEST_F(Gameplay, StartUpLaysOutARunningGameAndAppendsToItsWordFile) {
    const auto file = std::filesystem::temp_directory_path() / "hangman_startup_wordlist.dat";
    std::ofstream(file, std::ios::binary) << "\"tiger\"\r\n\"LAST\"\r\n";
    game.lastResult = "win";
    game.lettersCorrect = 9;
    ASSERT_FALSE(game.startUp(file).has_value());
    EXPECT_EQ(game.currentWord, "TIGER");
    EXPECT_EQ(game.form.Picture1Width, 615 + 3 * 260);
    EXPECT_EQ(game.lastResult, "notPlayed");
    EXPECT_EQ(game.lettersCorrect, 0);
    EXPECT_EQ(game.form.Label7, "0");
    EXPECT_EQ(game.form.StatusBar1, "Status: Brain Dead");
    EXPECT_TRUE(game.form.Command3Enabled);
    EXPECT_TRUE(game.form.Frame1Visible && game.form.Line1Visible && game.form.Line4Visible);
    for (const auto& button : game.form.Command1) EXPECT_TRUE(button.visible && button.enabled);

    EXPECT_EQ(game.addWord(" zebra ").status, hm::AddStatus::Added);
    EXPECT_EQ(game.words.wordCount(), 3);
    hm::WordList reread;
    ASSERT_TRUE(hm::loadWords(file, reread).ok);
    EXPECT_EQ(reread.words.back(), "ZEBRA");
    std::filesystem::remove(file);

    EXPECT_TRUE(game.startUp(file).has_value()) << "a missing word file stops the start-up";
}

TEST(Rating, BoundsBelongToTheNextRung) {
    const std::vector<std::pair<float, std::string>> rows{
        {-15, "Tobbin Killer"},
        {0, "Brain-Dead"},
        {999, "Brain-Dead"},
        {1000, "Brain the size of a prune"},
        {25999, "Smart as a tobbin in eigth grade"},
        {31999, "Smart as a junior tobbin in high school"},
        {32000, "Smart as a tobbin in Tobbin University"},
        {39999, "Smart as a tobbin in Tobbin University"},
        {40000, "One intelligent tobbin!"},
        {47999, "A tobbin genius!"},
        {48000, "The smartest tobbin in the world!!!"},
        {1e9f, "The smartest tobbin in the world!!!"},
    };
    for (const auto& [score, text] : rows) EXPECT_EQ(hm::ratingFor(score), text) << score;
}

TEST(Rating, CaptionsParseTheirLeadingNumber) {
    EXPECT_EQ(hm::parseLeadingNumber("-490"), -490);
    EXPECT_EQ(hm::parseLeadingNumber(" 12abc"), 12);
    EXPECT_EQ(hm::parseLeadingNumber("abc"), 0);
    EXPECT_EQ(hm::parseLeadingNumber(""), 0);
    EXPECT_GT(hm::parseLeadingNumber(std::string(40, '9')), 0) << "no overflow on long digits";
}

} // namespace

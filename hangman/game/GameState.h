// Game play, points and rating of the hangman game over a plain copy of the game
// window's controls. Standard C++ only: the window draws Form1State and turns its
// events into the calls below.
#pragma once

#include "WordList.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace hm {

// The sound player as the game sees it: plays the sound opened under the alias
// name without its prefix ("GoodSnd1" .. "BadSnd3") and returns at once.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playSound(const std::string& name) = 0;
};

// Seconds since midnight, with fractions. Every random draw is seeded from it.
using TimeOfDay = std::function<double()>;
double systemTimeOfDay();
// r in [0, 1) from a generator freshly seeded with the given time of day.
double randomFromTimeOfDay(double secondsSinceMidnight);

// Adds with saturation at the 16-bit limits, so long runs never wrap around.
std::int16_t saturatingAdd(std::int16_t value, int delta);

// Leading number of a caption (blanks, sign, digits); 0 when there is none.
long long parseLeadingNumber(const std::string& text);
// The rating text of a score ("Tobbin Killer" .. "The smartest tobbin in the world!!!").
std::string ratingFor(float score);

inline constexpr int LetterBoxCount = 11;    // Text1(0..10)
inline constexpr int LetterButtonCount = 26; // Command1(0..25), "A".."Z"
inline constexpr int BoxBaseWidth = 615;     // Picture1 at the start of a game, twips
inline constexpr int BoxStepWidth = 260;     // Picture1 grows by this per letter beyond 2
inline constexpr const char* DesignedStatus = "Status: Brain Dead";

struct LetterBox {
    std::string text;
    bool visible = false;
};

struct LetterButton {
    bool visible = true;
    bool enabled = true;
};

enum class FocusTarget { None, Command2 };

// Form1's controls as far as they carry game state. Visibility of the letter boxes
// records which letters are revealed; visibility of the stage pictures records the
// misses. Values are those of the designed window.
struct Form1State {
    std::array<LetterBox, LetterBoxCount> Text1;
    std::array<LetterButton, LetterButtonCount> Command1;
    // Stage pictures in stage order: Image1, Image2, Image3, Image10, Image5, Image12, Image7.
    bool Image1Visible = false;
    bool Image2Visible = false;
    bool Image3Visible = false;
    bool Image10Visible = false;
    bool Image5Visible = false;
    bool Image12Visible = false;
    bool Image7Visible = false;
    bool Picture9Visible = false; // win banner
    bool Picture8Visible = false; // loss banner
    bool Frame1Visible = true;
    bool Line1Visible = true; // gallows post, beam, rope, base
    bool Line2Visible = true;
    bool Line3Visible = true;
    bool Line4Visible = true;
    bool Command3Enabled = true;
    // Where the game wants the keyboard focus; the window moves it and sets None again.
    FocusTarget focus = FocusTarget::None;
    int Picture1Width = 735;  // twips
    std::string Label2;       // " 7 Letters"
    std::string Label4 = "0"; // games won
    std::string Label5 = "0"; // games lost
    std::string Label7 = "0"; // score
    std::string StatusBar1 = DesignedStatus;
    bool mnuSoundChecked = true;
};

class HangmanGame {
public:
    explicit HangmanGame(SoundPlayer* sound = nullptr, TimeOfDay clock = systemTimeOfDay);

    Form1State form;

    // Program-wide game state.
    std::string currentWord;
    float wordLength = 0;
    std::int16_t gameState = 0; // 1 after a guess, 3 after a loss
    std::int16_t lettersCorrect = 0;
    std::int16_t lettersIncorrect = 0;
    std::int16_t winStreak = 0;
    std::int16_t lossStreak = 0;
    std::int16_t longestWinStreak = 0;
    std::int16_t longestLossStreak = 0;
    std::string lastResult = "notPlayed"; // "notPlayed", "win" or "loss"

    WordList words;                 // wordList / wordCount
    std::filesystem::path wordFile; // the file words came from; appends go there

    // Start-up after the sounds, title and high scores: resets counters and board,
    // loads the word file and lays out the first word. Returns the error text when
    // the word list cannot be loaded (the program then ends).
    std::optional<std::string> startUp(const std::filesystem::path& wordFile = defaultWordFile());
    void resetCounters();

    // The add rules of the word list editor on the typed text, appending to wordFile.
    AddResult addWord(std::string_view typed) { return hm::addWord(typed, wordFile, words); }
    // The word list editor may open: no letter of a running game is revealed, or a
    // banner shows. Otherwise it would give the hidden word away.
    bool wordListMayBeShown() const;

    // The guess. Like the buttons themselves, a hidden or disabled letter (and a
    // disabled Reveal Word) takes no click.
    void Command1_Click(std::int16_t index); // 0 <= index <= 25
    void Command2_Click();                   // New Word
    void mnuNew_Click() { Command2_Click(); }
    void Command3_Click(); // Reveal Word
    void Text1_Click(int) { form.focus = FocusTarget::Command2; }
    void mnuSound_Click() { form.mnuSoundChecked = !form.mnuSoundChecked; }

    void decPtsIfGuess();
    void pickRandomWord(std::string& word);
    void showWord(const std::string& word);
    void clearLetterBoxes();
    void resetGallows();
    void resetLetterButtons();
    void hangNextStage();
    void winRound();
    void playRandomSound(const std::string& kind);

    // Rates the score of Label7 into the status bar.
    void Determine_Status();
    // Score, won and lost games as read from their labels.
    long long score() const { return parseLeadingNumber(form.Label7); }
    long long gamesWon() const { return parseLeadingNumber(form.Label4); }
    long long gamesLost() const { return parseLeadingNumber(form.Label5); }

    // True while a game runs (New Word pressed, neither banner showing yet).
    bool running() const { return !form.Picture8Visible && !form.Picture9Visible; }

private:
    void addToScore(int delta); // writes Label7, then Label7_Change
    // The lost game's board: dead face, loss banner, word revealed, buttons off.
    void showLoss();
    void revealWholeWord();
    void disableLetterButtons();
    void endGame(); // Command3 off, focus to New Word
    void recordLoss();
    void recordWin();

    SoundPlayer* sound_;
    TimeOfDay clock_;
};

} // namespace hm

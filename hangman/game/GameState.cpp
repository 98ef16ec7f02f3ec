#include "GameState.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <limits>
#include <random>
#include <utility>

namespace hm {

double systemTimeOfDay() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    const std::tm local = *std::localtime(&t); // one window thread: the shared buffer is safe
    const double fraction =
        duration<double>(now - system_clock::from_time_t(t)).count(); // 0 <= fraction < 1
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

double randomFromTimeOfDay(double secondsSinceMidnight) {
    // All bits of the time take part, so draws a fraction of a second apart differ.
    const auto bits = std::bit_cast<std::uint64_t>(secondsSinceMidnight);
    std::seed_seq seed{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    std::mt19937 generator(seed);
    const double r = std::generate_canonical<double, 53>(generator);
    return r < 1.0 ? r : std::nextafter(1.0, 0.0); // some libraries may round up to 1
}

std::int16_t saturatingAdd(std::int16_t value, int delta) {
    const long sum = static_cast<long>(value) + delta;
    return static_cast<std::int16_t>(std::clamp<long>(sum, std::numeric_limits<std::int16_t>::min(),
                                                      std::numeric_limits<std::int16_t>::max()));
}

long long parseLeadingNumber(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return 0;
    bool negative = false;
    if (text[i] == '-' || text[i] == '+') negative = text[i++] == '-';
    // Far beyond any reachable score; stops the accumulation from overflowing.
    constexpr long long limit = 1'000'000'000'000'000LL;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(limit, value * 10 + (text[i] - '0'));
    return negative ? -value : value;
}

namespace {

struct Rung {
    float below;
    const char* text;
};

constexpr std::array<Rung, 22> Ratings{{
    {0, "Tobbin Killer"},
    {1000, "Brain-Dead"},
    {2000, "Brain the size of a prune"},
    {4000, "Prunes are more intelligent than you!"},
    {6000, "Smarter than a prune"},
    {8000, "Smart as a tobbin in pre-school"},
    {10000, "Smart as a tobbin in kindergarten"},
    {12000, "Smart as a tobbin in first grade"},
    {14000, "Smart as a tobbin in second grade"},
    {16000, "Smart as a tobbin in third grade"},
    {18000, "Smart as a tobbin in fourth grade"},
    {20000, "Smart as a tobbin in fifth grade"},
    {22000, "Smart as a tobbin in sixth grade"},
    {24000, "Smart as a tobbin in seventh grade"},
    {26000, "Smart as a tobbin in eigth grade"},
    {28000, "Smart as a freshman tobbin in high school"},
    {30000, "Smart as a sophomore tobbin in high school"},
    {32000, "Smart as a junior tobbin in high school"},
    {40000, "Smart as a tobbin in Tobbin University"},
    {42000, "One intelligent tobbin!"},
    {44000, "Smart enough to be a tobbin professor!"},
    {48000, "A tobbin genius!"},
}};

// Stage pictures 1 to 6 with the points each costs when it appears.
struct Stage {
    bool Form1State::*picture;
    int points;
};

constexpr std::array<Stage, 6> Stages{{
    {&Form1State::Image1Visible, 15},
    {&Form1State::Image2Visible, 25},
    {&Form1State::Image3Visible, 35},
    {&Form1State::Image10Visible, 45},
    {&Form1State::Image5Visible, 55},
    {&Form1State::Image12Visible, 65},
}};

void addToLabel(std::string& label, long long delta) {
    label = std::to_string(parseLeadingNumber(label) + delta);
}

// The streak rule: a run continues after the same result (or none yet), else restarts.
void extendStreak(bool continues, std::int16_t& streak, std::int16_t& longest) {
    streak = continues ? saturatingAdd(streak, 1) : std::int16_t{1};
    longest = std::max(longest, streak);
}

} // namespace

std::string ratingFor(float score) {
    for (const Rung& rung : Ratings)
        if (score < rung.below) return rung.text;
    return "The smartest tobbin in the world!!!";
}

HangmanGame::HangmanGame(SoundPlayer* sound, TimeOfDay clock)
    : sound_(sound), clock_(std::move(clock)) {}

std::optional<std::string> HangmanGame::startUp(const std::filesystem::path& wordFile) {
    resetCounters();
    form.Picture1Width = BoxBaseWidth;
    form.Frame1Visible = true;
    clearLetterBoxes();
    resetGallows();
    resetLetterButtons();
    this->wordFile = wordFile;
    const LoadResult loaded = loadWords(wordFile, words);
    if (!loaded.ok) return loaded.error;
    pickRandomWord(currentWord);
    showWord(currentWord);
    return std::nullopt;
}

void HangmanGame::resetCounters() {
    lettersCorrect = lettersIncorrect = 0;
    winStreak = lossStreak = longestWinStreak = longestLossStreak = 0;
    lastResult = "notPlayed";
}

bool HangmanGame::wordListMayBeShown() const {
    const bool noneRevealed = std::none_of(form.Text1.begin(), form.Text1.begin() + MaxShownLetters,
                                           [](const LetterBox& box) { return box.visible; });
    return noneRevealed || form.Picture8Visible || form.Picture9Visible;
}

void HangmanGame::Command1_Click(std::int16_t index) {
    // Only a shown, enabled button can be clicked.
    if (index < 0 || index >= LetterButtonCount) return;
    if (!form.Command1[index].visible || !form.Command1[index].enabled) return;
    form.Command1[index].visible = false;
    gameState = 1;
    const std::string letter(1, static_cast<char>('A' + index));
    bool found = false;
    for (;;) {
        auto box = std::find_if(form.Text1.begin(), form.Text1.end(),
                                [&](const LetterBox& b) { return b.text == letter && !b.visible; });
        if (box == form.Text1.end()) break;
        box->visible = true;
        addToScore(100);
        lettersCorrect = saturatingAdd(lettersCorrect, 1);
        found = true;
    }
    if (!found) {
        hangNextStage();
        lettersIncorrect = saturatingAdd(lettersIncorrect, 1);
    }
    if (gameState == 3) return;
    const int length = static_cast<int>(wordLength);
    if (length >= 1 && length <= MaxShownLetters &&
        std::all_of(form.Text1.begin(), form.Text1.begin() + length,
                    [](const LetterBox& b) { return b.visible; }))
        winRound();
}

void HangmanGame::Command2_Click() {
    form.Picture1Width = BoxBaseWidth;
    form.Frame1Visible = true;
    decPtsIfGuess();
    clearLetterBoxes();
    resetGallows();
    resetLetterButtons();
    pickRandomWord(currentWord);
    showWord(currentWord);
    form.Command3Enabled = true;
}

void HangmanGame::Command3_Click() {
    if (!form.Command3Enabled) return; // a disabled button delivers no click
    if (!form.Picture9Visible) {
        if (!form.Picture8Visible) {
            addToLabel(form.Label5, 1);
            addToScore(-200);
            if (form.mnuSoundChecked) playRandomSound("bad");
        }
        recordLoss();
        form.Image1Visible = form.Image2Visible = form.Image3Visible = true;
        form.Image10Visible = form.Image5Visible = form.Image12Visible = true;
        showLoss();
    }
    endGame();
}

void HangmanGame::decPtsIfGuess() {
    const bool guessed = std::any_of(form.Command1.begin(), form.Command1.end(),
                                     [](const LetterButton& b) { return !b.visible; });
    if (guessed && !form.Picture9Visible) addToScore(-100);
}

void HangmanGame::pickRandomWord(std::string& word) {
    const std::int32_t count = words.wordCount();
    if (count == 0) {
        word.clear();
        return;
    }
    const double r = randomFromTimeOfDay(clock_());
    // The factor is wordCount - 1: with two or more words the last is never drawn.
    const std::int32_t range = std::max(1, count - 1);
    const std::int32_t index = std::min(range, static_cast<std::int32_t>((count - 1) * r) + 1);
    // A hand-edited word the window cannot show is passed over for the next one in
    // the drawing range; only when that range holds none is the last word used.
    for (std::int32_t step = 0; step < range; ++step) {
        const std::string& candidate = words.wordList((index - 1 + step) % range + 1);
        if (isPlayableWord(candidate)) {
            word = upperCase(candidate);
            return;
        }
    }
    const std::string& last = words.wordList(count);
    word = isPlayableWord(last) ? upperCase(last) : std::string();
}

void HangmanGame::showWord(const std::string& word) {
    wordLength = static_cast<float>(word.size());
    if (wordLength > 2) form.Picture1Width += (static_cast<int>(wordLength) - 2) * BoxStepWidth;
    // Appended piece by piece: GCC 12 at -O3 warns falsely on "literal" + string.
    std::string label(" ");
    label += std::to_string(word.size());
    label += " Letters";
    form.Label2 = std::move(label);
    const std::size_t shown = std::min<std::size_t>(word.size(), MaxShownLetters);
    for (std::size_t k = 0; k < shown; ++k) form.Text1[k].text = std::string(1, word[k]);
}

void HangmanGame::clearLetterBoxes() {
    for (LetterBox& box : form.Text1) box = LetterBox{};
}

void HangmanGame::resetGallows() {
    form.Image1Visible = form.Image2Visible = form.Image3Visible = form.Image10Visible = false;
    form.Image5Visible = form.Image7Visible = form.Image12Visible = false;
    form.Picture8Visible = form.Picture9Visible = false;
    form.Line1Visible = form.Line2Visible = form.Line3Visible = form.Line4Visible = true;
}

void HangmanGame::resetLetterButtons() {
    for (LetterButton& button : form.Command1) button = LetterButton{};
}

void HangmanGame::hangNextStage() {
    for (const Stage& stage : Stages) {
        if (!(form.*stage.picture)) {
            form.*stage.picture = true;
            addToScore(-stage.points);
            return;
        }
    }
    showLoss();
    addToScore(-250);
    addToLabel(form.Label5, 1);
    recordLoss();
    if (form.mnuSoundChecked) playRandomSound("bad");
    endGame();
}

void HangmanGame::winRound() {
    disableLetterButtons();
    addToScore(500);
    addToLabel(form.Label4, 1);
    form.Frame1Visible = false;
    form.Image1Visible = form.Image2Visible = form.Image3Visible = true;
    form.Image10Visible = form.Image5Visible = form.Picture9Visible = true;
    form.Image12Visible = form.Image7Visible = false;
    form.Line1Visible = form.Line2Visible = form.Line3Visible = form.Line4Visible = false;
    recordWin();
    if (form.mnuSoundChecked) playRandomSound("good");
    endGame();
}

void HangmanGame::playRandomSound(const std::string& kind) {
    const int n = static_cast<int>(randomFromTimeOfDay(clock_()) * 3) + 1;
    const std::string name = (kind == "good" ? "GoodSnd" : "BadSnd") + std::to_string(n);
    if (sound_) sound_->playSound(name);
}

void HangmanGame::Determine_Status() {
    const auto s = static_cast<float>(score());
    form.StatusBar1 = "Status: " + ratingFor(s);
}

void HangmanGame::addToScore(int delta) {
    addToLabel(form.Label7, delta);
    Determine_Status(); // Label7_Change
}

void HangmanGame::showLoss() {
    form.Image7Visible = true;
    form.Frame1Visible = false;
    form.Picture8Visible = true;
    disableLetterButtons();
    revealWholeWord();
    gameState = 3;
}

void HangmanGame::revealWholeWord() {
    for (int k = 0; k < MaxShownLetters; ++k) form.Text1[k].visible = !form.Text1[k].text.empty();
}

void HangmanGame::disableLetterButtons() {
    for (LetterButton& button : form.Command1) button.enabled = false;
}

void HangmanGame::endGame() {
    form.Command3Enabled = false;
    form.focus = FocusTarget::Command2;
}

void HangmanGame::recordLoss() {
    extendStreak(lastResult != "win", lossStreak, longestLossStreak);
    lastResult = "loss";
}

void HangmanGame::recordWin() {
    extendStreak(lastResult != "loss", winStreak, longestWinStreak);
    lastResult = "win";
}

} // namespace hm

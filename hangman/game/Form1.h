// The game window of Tobbin Hangman. It draws the game core's copy of its controls
// (hm::Form1State) and turns clicks, keys and menu commands into core calls, drawing
// again after each one. No game rule lives here.
#pragma once

#include "API.h"
#include "GameState.h"
#include "HangmanPlatform.h"
#include "TopTen.h"

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <future>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace hangman {

class Picture;
class GallowsLine;
class Form2;
class Form4;
class frmCheating;
class frmHighScore;
class frmStats;
class frmWordList;
class tobbins;

class Form1 : public QMainWindow {
public:
    // sounds: the sound player, opened at start-up and closed at exit. clock: the time
    // of day every random draw is seeded from. dialogs and shell: the modal side windows,
    // questions and the web address handler (the real ones when not given).
    Form1(hm::API& sounds, MessageBoxes& messages, hm::TimeOfDay clock = hm::systemTimeOfDay,
          Dialogs* dialogs = nullptr, Shell* shell = nullptr);
    ~Form1() override;

    // Start-up: sounds, title, the high-score table from topten.txt, counters, board,
    // wordlist.dat from the current directory and the first word. False when the word list
    // cannot be used: the user has been told, the sounds are closed again and the program
    // must end.
    bool Form_Load();

    void Command1_Click(int index); // 0 <= index <= 25; a hidden or disabled letter does nothing
    void Command2_Click();          // New Word
    void Command3_Click();          // Reveal Word
    void Text1_Click(int index);
    void mnuNew_Click();
    void mnuSound_Click();
    // Form1Side.cpp: the side windows.
    void mnuStats_Click();
    void mnuHigh_Click();
    void mnuWordLists_Click();
    void mnuHelp2_Click();
    void mnuAbout_Click();
    // Exit sequence (saveHighScore): a score above the tenth best enters topten.txt after
    // the name prompt, the sounds close, and the player may view the table before the end.
    void mnuExit_Click();
    void offerHighScores();

    const hm::HangmanGame& game() const { return game_; }
    // The program has ended: every window is hidden and the event loop told to stop.
    bool ended() const { return ended_; }
    // The side windows once they have been opened, else null.
    Form4* highScoreWindow() const { return Form4_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Form1Layout.cpp: controls at their designed places, menu bar.
    void createControls(QWidget* client);
    void createMenu();

    void saveHighScore();
    void endProgram();
    Form4& highScores(); // created on first use, filled from shownTopTen_
    // topten.txt, or nullopt when it cannot be read: the user is then told why and what
    // follows (consequence), and the table is not written in this run.
    std::optional<hm::TopTen> readHighScores(const QString& consequence);
    // A focused button takes Space and Enter only after a game, or when the user moved the
    // focus to it with Tab: otherwise a stray key would abandon the running game.
    bool keyMayPress(QObject* button) const;

    // Brings every control in line with game_.form.
    void render();

    hm::API& sounds_;
    MessageBoxes& messages_;
    Dialogs& dialogs_;
    Shell& shell_;
    hm::HangmanGame game_;
    bool exiting_ = false;
    bool ended_ = false;
    QObject* tabbedTo_ = nullptr; // the button the focus reached by Tab, if it still has it

    std::filesystem::path topTenFile_;
    hm::TopTen shownTopTen_; // what Form4 shows: read at start-up, again by offerHighScores
    int topTenLoaded = 0;    // 5 once the table has been read at start-up
    QString topTenProblem_;  // the message telling that topten.txt could not be read, if so
    bool tableLeft_ = false; // the table opened from the menu was left by its close box

    // Side windows: created on first use, owned by this window as its children.
    frmStats* frmStats_ = nullptr;
    Form4* Form4_ = nullptr;
    frmWordList* frmWordList_ = nullptr;
    frmCheating* frmCheating_ = nullptr;
    tobbins* tobbins_ = nullptr;
    Form2* Form2_ = nullptr;

    std::array<QPushButton*, hm::LetterButtonCount> Command1{};
    std::array<QLineEdit*, hm::LetterBoxCount> Text1{};
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label7 = nullptr;
    QWidget* Picture1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    Picture* Picture8 = nullptr;
    Picture* Picture9 = nullptr;
    // Stage pictures in stage order: Image1, Image2, Image3, Image10, Image5, Image12, Image7.
    std::array<Picture*, 7> stages{};
    std::array<GallowsLine*, 4> gallows{}; // Line1 .. Line4
    QStatusBar* StatusBar1 = nullptr;
    QLabel* statusField = nullptr;
    QAction* mnuSound = nullptr;
    // The pictures shown at start, drawn on a second thread; ended before they go.
    std::future<void> picturesAhead_;
};

} // namespace hangman

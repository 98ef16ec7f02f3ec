// The game window of Tobbin Hangman. It draws the game core's copy of its controls
// (hm::Form1State) and turns clicks, keys and menu commands into core calls, drawing
// again after each one. No game rule lives here.
#pragma once

#include "API.h"
#include "GameState.h"
#include "HangmanPlatform.h"

#include <QMainWindow>
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace hangman {

class Picture;
class GallowsLine;

class Form1 : public QMainWindow {
public:
    // sounds: the sound player, opened at start-up and closed at exit. clock: the time
    // of day every random draw is seeded from.
    Form1(hm::API& sounds, MessageBoxes& messages, hm::TimeOfDay clock = hm::systemTimeOfDay);

    // Start-up: sounds, title, counters, board, wordlist.dat from the current directory and
    // the first word. False when the word list cannot be used: the user has been told, the
    // sounds are closed again and the program must end.
    bool Form_Load();

    void Command1_Click(int index); // 0 <= index <= 25; a hidden or disabled letter does nothing
    void Command2_Click();          // New Word
    void Command3_Click();          // Reveal Word
    void Text1_Click(int index);
    void mnuNew_Click();
    void mnuSound_Click();
    // Exit sequence: closes the sounds and ends the program by closing the window.
    void mnuExit_Click();

    const hm::HangmanGame& game() const { return game_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Form1Layout.cpp: controls at their designed places, menu bar.
    void createControls(QWidget* client);
    void createMenu();

    // Brings every control in line with game_.form.
    void render();

    hm::API& sounds_;
    MessageBoxes& messages_;
    hm::HangmanGame game_;
    bool exiting_ = false;

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
};

} // namespace hangman

// The word list editor frmWordList and the warning frmCheating, which the game shows
// instead of the editor while the list would give the hidden word away.
#pragma once

#include "GameState.h"
#include "HangmanPlatform.h"
#include "SideWidgets.h"

class QLineEdit;
class QListWidget;

namespace hangman {

class frmWordList : public SideDialog {
public:
    // The list box starts with every word of the game's list; the add command
    // appends to the game's list and file.
    frmWordList(hm::HangmanGame& game, MessageBoxes& messages, QWidget* parent);

    // Label2 := the word count; called at each opening.
    void refreshCount();
    void btnAdd_Click();
    void Command1_Click(); // OK: empties newWord and hides

    QLabel* Label2 = nullptr;
    QListWidget* List1 = nullptr;
    QLineEdit* newWord = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override; // newWord_KeyPress
    void reject() override;                                     // Esc and the close box: OK

private:
    hm::HangmanGame& game_;
    MessageBoxes& messages_;
};

class frmCheating : public SideDialog {
public:
    explicit frmCheating(QWidget* parent);
};

} // namespace hangman

// TAutoclueForm, the Autoclue editor: walks the words of the grid in clue
// entry order and stores the clue typed for each one in the puzzle record.
#pragma once

#include "AutoclueWalk.h"
#include "GridPeers.h"

#include <QString>
#include <QWidget>

class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace wl {

class IWaiter;
class TDemGridForm;
class TDemProcs;
class TPuzzleHistory;
class TPrompts;
class TSoundFX;
class TSpecialCharsPicker;
class TDefinitionsList;

inline constexpr int AutoclueHeight = 145;

inline constexpr const char* WordLimitText =
    "Maximum word limit has been exceeded! Wordlatch does not permit more than 179 words in a "
    "puzzle. Please reconstruct grid accordingly.";

class TAutoclueForm : public QWidget, public TGridAutocluePeer {
    Q_OBJECT
public:
    // Clues go into the record through `history`.
    TAutoclueForm(TDemProcs& procs, TPuzzleHistory& history, IWaiter& waiter);
    ~TAutoclueForm() override;
    // The windows and services created after this one; all must outlive it.
    void Connect(TDemGridForm& grid, TSoundFX& sounds, TPrompts& prompts);

    QLabel* ClueLbl;
    QLabel* NumLbl;
    QLineEdit* DefEdit;
    QToolButton* PrevBtn;
    QToolButton* NextBtn;
    QToolButton* BlankBtn;
    QToolButton* InsertBtn;
    QToolButton* CharsBtn;
    QToolButton* ListdefsBtn;
    QFrame* Bevel1;
    QPushButton* OkBtn;
    // Says why a character or part of a paste was not taken.
    QLabel* NoteLbl;

    TAutoclueWalk Walk;

    // TGridAutocluePeer
    bool IsShowing() const override { return isVisible(); }
    void GotoCursorWord() override;
    void BringToFront() override;

    // The target of the grid's cursor: the selected word's letters when the
    // cursor square starts it, else ">".
    std::string CursorWord() const;
    void FindWord(std::string_view target);
    void NextBtnClick() { FindWord(">"); }
    void BlankBtnClick() { FindWord(""); }
    void PrevBtnClick();
    void ShowWord(char direction);
    void DefEditChange();
    // True when the key was consumed.
    bool DefEditKeyPress(QKeyEvent* event);
    void InsertBtnClick();
    void CharsBtnClick();
    void ListdefsBtnClick();
    // Inserts at the caret over the selection: characters the record cannot
    // store are left out and what does not fit in 60 is cut, each with a note.
    void InsertText(const QString& text);
    // Moves the editor to clue entry `entry` (from the definitions list).
    void GoToEntry(int entry);
    // After an undo or redo: the same clue entry again, as the record now
    // holds it, storing nothing (a store would end what can be redone).
    void ShowRestored();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void ResetWalkDisplay();
    // "NO MORE CLUES!" in red with its sound and pauses.
    void SayNoMoreClues();
    void Note(const QString& text);
    // Walks to the word linked to `entry` in the numbering; false when no word is.
    bool WalkToEntry(int entry);

    TDemProcs& Procs;
    TPuzzleHistory& History;
    bool Restoring = false;
    IWaiter& Waiter;
    TDemGridForm* Grid = nullptr;
    TSoundFX* Sounds = nullptr;
    TPrompts* Prompts = nullptr;
    TSpecialCharsPicker* Picker = nullptr;
    TDefinitionsList* Definitions = nullptr;
};

} // namespace wl

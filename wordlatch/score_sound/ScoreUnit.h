// TScoreForm, the score card: compares the solver's letters with the answers,
// celebrates or reports the failure, and offers four ways on. The main window
// acts on its modal result.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace wl {

class TDemGridForm;
class TDemProcs;
class TPrompts;
class TPuzzleHistory;
class TSoundFX;

// Modal results the main window tells apart after a dialog closes.
enum TModalResult { mrCancel = 2, mrAbort = 3, mrYes = 6 };

class TScoreForm : public QDialog {
    Q_OBJECT
public:
    // Start Over begins a fresh `history`.
    TScoreForm(TDemProcs& procs, TPuzzleHistory& history);
    // The windows and services created after this one; all must outlive it.
    void Connect(TDemGridForm& grid, TSoundFX& sounds, TPrompts& prompts);

    QLabel* Image1;
    QLabel* BannerLbl;
    QLabel* CheatLbl;
    QPushButton* ShowErrsBtn;
    QPushButton* StartOverBtn;
    QPushButton* DeleteBtn;
    QPushButton* CancelBtn;

    // Scores the puzzle (celebrating a solve before the card appears), then
    // shows the card modally; gives the modal result of the button pressed.
    int exec() override;
    void FormShow();
    void StartOverBtnClick();
    // Closing the card by its close box or Escape is Cancel.
    void reject() override { done(mrCancel); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SetBanner(const QString& text, const QColor& colour);

    TDemProcs& Procs;
    TPuzzleHistory& History;
    TDemGridForm* Grid = nullptr;
    TSoundFX* Sounds = nullptr;
    TPrompts* Prompts = nullptr;
};

} // namespace wl

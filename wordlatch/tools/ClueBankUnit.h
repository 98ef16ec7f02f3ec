// The ClueBank window: the clues of the constructor's earlier puzzles, found
// by answer, by pattern or by words of the clue. Each time the window is shown
// the bank is brought up to date with the bank folder on a worker thread;
// searches run here on a connection of their own, over the clues already in.
#pragma once

#include "ClueBank.h"

#include <QString>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QThread;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace wl {

// $XDG_CACHE_HOME/wordlatch/cluebank.sqlite (by default under ~/.cache).
QString DefaultClueBankDatabase();

class TClueBankForm : public QWidget {
    Q_OBJECT
public:
    // `bankFolder` gives the folder to mirror, asked each time the window is
    // shown; `selectedWord` the letters of the word selected in the grid ("?"
    // for empty squares, "" for none); `putClue` gives the current word a
    // clue and says whether it could.
    TClueBankForm(std::function<QString()> bankFolder, std::function<std::string()> selectedWord,
                  std::function<bool(const QString&)> putClue, QString databasePath,
                  QWidget* parent = nullptr);
    ~TClueBankForm() override;

    QLineEdit* SearchEdit;
    QRadioButton* AnswerRadio;
    QRadioButton* ClueRadio;
    QLabel* FoundLbl;
    QTreeWidget* ResultList;
    QLabel* UnreadLbl;
    QTreeWidget* UnreadList;
    QProgressBar* ProgressBar;
    QPushButton* CancelBtn;
    QLabel* StatusLbl;
    QPushButton* CloseBtn;

    // With a whole word selected in the grid, shows the clues its answer had
    // (while the window is shown).
    void ShowCurrentWord();
    void Search();
    bool Busy() const { return Worker != nullptr; }

signals:
    // An update ended, done, cancelled or failed; the status line says how.
    void Updated();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void StartUpdate();
    void Opened();
    void UpdateDone();
    void PutClue(QTreeWidgetItem* item);

    std::function<QString()> BankFolder;
    std::function<std::string()> SelectedWord;
    std::function<bool(const QString&)> PutClueInto;
    QString DatabasePath;

    TClueBank Reader;
    // Used by the worker thread only, opened on its first run.
    std::unique_ptr<TClueBank> Writer;
    QThread* Worker = nullptr;
    QTimer* ProgressTimer;
    std::atomic<bool> CancelFlag{false};
    std::atomic<int> FilesDone{0}, FilesFound{0};
    // The worker's results, read when it has ended (or, for the opening, once
    // it has signalled it).
    TBankOpen OpenResult;
    TBankUpdate Report;
    std::string Folder; // the one the last update ran for; empty: none given
};

} // namespace wl

// The Scratchpad: the constructor's plain-text notes (theme ideas, candidate
// answers, clue drafts) in a file of their own. What is typed is saved after
// a pause, when the window closes and at exit, always through the save
// policy; a failed save is shown and tried again at the next pause.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace wl {

// $XDG_DATA_HOME/wordlatch/scratchpad.txt
QString DefaultScratchpadFile();

class TScratchpadForm : public QWidget {
    Q_OBJECT
public:
    // `padFile` names the file ("" for the default), read again at each show;
    // `selectedWord` gives the grid's selected word ("" for none).
    TScratchpadForm(std::function<QString()> padFile, std::function<std::string()> selectedWord,
                    QWidget* parent = nullptr);
    ~TScratchpadForm() override;

    QPlainTextEdit* PadMemo;
    QPushButton* AddWordBtn;
    QLabel* StatusLbl;
    QPushButton* CloseBtn;

    // The pause in typing after which the pad is saved.
    static constexpr int PauseMilliseconds = 1500;

    // Writes what is not saved yet; false when that fails, with the reason in
    // SaveError() and the status line.
    bool Save();
    bool Unsaved() const { return Dirty; }
    QString SaveError() const { return LastError; }
    // The file the pad shows.
    QString File() const { return Path; }
    // Appends the grid's selected word on a line of its own.
    void AddWordBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Reads the pad's file; one that cannot be read as text is shown but
    // never written over.
    void Load(const QString& file);
    void Edited();

    std::function<QString()> PadFile;
    std::function<std::string()> GridWord;
    QTimer* Pause;
    QString Path;
    QString LastError;
    bool Dirty = false;
    bool Loading = false;
};

} // namespace wl

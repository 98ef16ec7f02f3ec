// The Thesaurus window: for the word selected in the grid or typed in its box,
// the synonyms and related words by meaning and the word's definitions; a word
// double-clicked goes into the clue being written. The thesaurus loads on a
// worker thread at the first lookup.
#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;

namespace wl {

class TThesaurus;

// Shown in the status line.
inline constexpr const char* ThesaurusLoadingText = "Loading the thesaurus...";
inline constexpr const char* OpenClueEditorText =
    "Open the clue editor (Autoclue) to copy a word into a clue.";

class TThesaurusForm : public QWidget {
    Q_OBJECT
public:
    // `dataPath` names the thesaurus file ("" for the one installed), asked again
    // at each lookup; `selectedWord` gives the letters of the grid's selected word
    // ('?' for an empty square, "" for none); `insertIntoClue` puts text at the clue
    // editor's caret, false when it is not open.
    TThesaurusForm(std::function<QString()> dataPath, std::function<std::string()> selectedWord,
                   std::function<bool(const QString&)> insertIntoClue, QWidget* parent = nullptr);
    ~TThesaurusForm() override;

    QLineEdit* WordEdit;
    QPushButton* LookUpBtn;
    QTreeWidget* MeaningsTree;
    QListWidget* DefinitionsList;
    QLabel* StatusLbl;
    QPushButton* CloseBtn;

    bool Busy() const { return Worker != nullptr; }

    // Looks up the word selected in the grid while the window is shown; a word
    // with empty squares is left alone.
    void ShowSelectedWord();
    // Puts `word` in the box and shows what the thesaurus has for it; the first
    // lookup, and the first after the thesaurus file changed, waits for the load.
    void LookUp(const QString& word);

private:
    // Shows `word`, or loads the thesaurus first and then shows it.
    void Answer(QString word); // a copy: it may be Pending
    void Load(const QString& path);
    void LoadDone();
    void Show(const QString& word);
    void CopyWord(QTreeWidgetItem* item);
    // The lookup's own text, then what could not be read.
    void SetStatus(const QString& text);

    std::function<QString()> DataPath;
    std::function<std::string()> SelectedWord;
    std::function<bool(const QString&)> InsertIntoClue;

    std::unique_ptr<TThesaurus> Thesaurus;
    QString LoadedPath;
    QThread* Worker = nullptr;
    std::unique_ptr<TThesaurus> Loading; // the worker's, until it ends
    QString LoadingPath;
    QString Pending; // asked for during the load
};

} // namespace wl

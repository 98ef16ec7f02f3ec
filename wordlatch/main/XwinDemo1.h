// TDemMainForm: the main window. Tool bar, mode line, information box and the
// menu; opens, creates, saves and reverts the puzzle and keeps the other
// windows in step with the working mode.
#pragma once

#include "GridPeers.h"
#include "Interop.h"
#include "MailbotUnit.h"
#include "Transforms.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <map>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace wl {

class TWordlatchApp;

// Asked at close when the changed puzzle could not be saved.
inline constexpr const char* CloseUnsavedQuestion =
    "The puzzle could not be saved. Close anyway and lose the recent changes?";

// Writing onto a file a command must keep, by any of its names.
inline constexpr const char* CopyOverOwnFile =
    "The copy cannot be written over the open puzzle's own file. Choose another name.";

// The design commands' questions and refusals.
inline constexpr const char* InvertQuestion =
    "Inverting the grid clears all its letters and clues. Invert it anyway?";
inline constexpr const char* TurnQuestion =
    "Turning the grid clears all its letters and clues. Turn it anyway?";
inline constexpr const char* FlipQuestion =
    "Flipping the grid clears some clue texts: those of words it numbers past word 179 and "
    "those no word is linked to. Flip it anyway?";
inline constexpr const char* BylineLabel = "Byline (at most 60 characters):";
inline constexpr const char* BylineTooLong = "A byline holds at most 60 characters.";
inline constexpr const char* CopyOverOpenPuzzle =
    "The grid cannot be copied over the open puzzle's own file. Choose another name.";

// Opening and saving in other formats.
inline constexpr const char* ReplaceXwdQuestion = "%1 already exists. Replace it?";
inline constexpr const char* NoSaveAsFormat =
    "A puzzle can be saved as an .XWD, a .PUZ or an .IPUZ file only.";

// The client width of the main window and its frame's border, in pixels.
inline constexpr int MainClientWidth = 227;
inline constexpr int MainFrameBorder = 3;

class TDemMainForm : public QMainWindow, public TGridMainPeer {
    Q_OBJECT
public:
    explicit TDemMainForm(TWordlatchApp& app);

    // Controls, top to bottom.
    QWidget* ToolPanel;
    QToolButton* MouseBtn;
    QToolButton* CheatBtn;
    QToolButton* SquaresBtn;
    QToolButton* LettersBtn;
    QToolButton* SymmetryBtn;
    QToolButton* AutoclueBtn;
    QLabel* ModeLabel;
    QLabel* LogoImage;
    QLabel* ProductLbl;
    QLabel* PlatformLbl;
    QLabel* VersionLbl;
    QPlainTextEdit* DataMemo;
    QPushButton* UpdateBtn;
    QLabel* Byline;

    // Menu items (MainMenu1).
    QMenu* Special1;
    QAction *Solve1, *N11x1, *N13x1, *N15x1, *N17x1, *N21x1, *N21x2, *N23x1, *Open1;
    QAction *Save1, *SavePuzzleAs1, *CopyGridAs1, *Print1, *PrinterSetup1, *Exit1;
    QAction *ScorePuzzle1, *ReverttoSaved1, *ScanGrid1, *AutoArrange1, *Preferences1;
    QAction *ExportMetafile1, *ExportEPS1, *ExportRTFFile1, *RTFGridtoClipboard1;
    QAction *GridtoClipboard1, *SolutiontoClipboard1, *CluestoClipboard1, *ShowGuidelines1;
    QAction *Invert1, *Turn1, *Flip1, *Byline1, *Analysis1;
    QAction *Dictionary1, *Thesaurus1, *ClueBank1, *Scratchpad1, *Mailbot1;
    QAction *Help2, *About1;
    // Undo and redo: keys without menu items.
    QAction *Undo1, *Redo1;

    // The outer size (frame, caption and menu included) the window keeps.
    int OuterWidth() const { return MainClientWidth + 2 * MainFrameBorder; }
    int OuterHeight() const { return OuterHeightValue; }

    // Operations offered to the other windows.
    void ShowClue() override;
    void ClearClue() override;
    void UpdateBtnClick();
    void AutoArrange1Click();
    // Places the windows as the preferences' arrangement preset 1..4 shows them.
    void ArrangeWindowsAs(int preset);
    // The menu commands that have keys, undo and redo included; the grid window
    // takes them too, so a user typing in the grid reaches them. Other windows
    // keep their own keys.
    QList<QAction*> MenuKeys() const;
    // The undo and redo keys, for the windows that edit the puzzle.
    QList<QAction*> HistoryKeys() const { return {Undo1, Redo1}; }
    // The statistics text with CR LF line breaks, as the print dialog takes it.
    QString SpecText() const;

    // Puzzle handling.
    bool SaveChangesPrompt();
    void Open1Click(bool forSolving);
    void NewPuzzleClick(QAction* item);
    void ShowPuzzle();
    void Save1Click();
    void ReverttoSaved1Click();

    // Tool buttons.
    void MouseBtnClick();
    void SymmetryBtnClick();
    void SquaresBtnClick();
    void LettersBtnClick();
    void AutoclueBtnClick();
    void CheatBtnMouseDown();
    void CheatBtnMouseUp();

    // Commands of the menu.
    void Print1Click();
    void PrinterSetup1Click();
    void ToClipboardClick(QAction* item);
    void ScorePuzzle1Click();
    // What follows the score card: Yes marks the errors, Abort deletes the puzzle.
    void ScoreResult(int modalResult);
    void Preferences1Click();
    void Dictionary1Click();
    void Thesaurus1Click();
    void ClueBank1Click();
    void Scratchpad1Click();
    void Mailbot1Click();
    void Analysis1Click();
    void Help2Click();
    void About1Click();
    void Exit1Click();
    // Design commands of "&Special" and "Copy &Grid As...".
    void Byline1Click();
    void TransformClick(TTransform t);
    void CopyGridAs1Click();
    void ShowGuidelines1Click();
    void ScanGrid1Click();
    void SavePuzzleAs1Click();
    // Opens `path` as Open does once it is chosen (.puz and .ipuz through the import).
    void OpenPuzzleFile(const QString& path, bool forSolving);
    // Export Metafile, Export EPS or Export RTF File.
    void ExportFileClick(QAction* item);
    void RTFGridtoClipboard1Click();

    bool FormCloseQuery();
    // Saves what is left to save and lets the other windows close; false when
    // the save failed and the program stays open.
    bool FormClose();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void CreateToolPanel();
    void CreateInfoArea();
    void CreateMenu();
    // The menu entries that need an open puzzle (and are off in the deleted state).
    std::array<QAction*, 4> PuzzleItems() const;
    // The menu entries enabled in construction only ("&Special" as a whole).
    std::array<QAction*, 4> ConstructionItems() const;
    // A tool button's enabled state with its hint shown exactly while enabled.
    void SetToolEnabled(QToolButton* button, bool enabled);
    // Sizes the window for an outer height given by the window system's measures.
    void SetOuterHeight(int outerHeight);
    void SetDataMemo(const QString& text);
    // Runs `step`; a failure shows the general error report and gives false.
    bool Reported(const std::function<void()>& step);
    // Brings the windows in line with a record just read again from its file.
    void RefreshFromRecord();
    // Everything shown after an undo or redo.
    void ShowRestored();
    void CreateHistoryKeys();
    // A Tools path naming a program: starts it with the puzzle's file (and the
    // selected word) and gives true; false for a path naming the tool's data.
    bool StartedToolProgram(const QString& path);
    // What an export's grid shows, asked under the command's name; false on Cancel.
    bool AskExportLook(QAction* item);
    // Text into the clue editor at its caret; false when the editor is closed.
    bool InsertIntoClue(const QString& text);
    // The Mailbot's attachment as a file; empty when it cannot be made (told).
    QString MailAttachment(TMailAttachment kind, const QString& title);
    // Reads a .puz or .ipuz file, tells what it finds and saves it as an XWD
    // file beside it, which becomes PuzzleFileName; false when nothing opened.
    bool ImportPuzzle(const QString& path, TExchangeFormat format);
    // The save dialog for a new XWD file; another extension is refused with a
    // message. Empty when cancelled or refused.
    QString AskNewXwdFile(const QString& title);
    // The previous puzzle as its file holds it, after an open that failed.
    void ReloadPrevious();
    // The byline label from the record's byline.
    void ShowByline();

    TWordlatchApp& App;
    std::map<QToolButton*, QString> Hints;
    int OuterHeightValue = 0;
};

} // namespace wl

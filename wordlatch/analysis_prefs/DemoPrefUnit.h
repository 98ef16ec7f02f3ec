// TDemPrefForm: the preferences on four pages. General arranges the windows
// and chooses the sounds, View the grid's colours and letter font, Print the
// manuscript's heading, clue side and bottom margin, Tools the paths of the
// tool programs. Every setting takes effect at once and lasts for the run;
// the chosen arrangement is applied when the dialog closes.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace wl {

class IFontDialog;
class TColorGrid;
class TDemGridForm;
class TDemProcs;
class TPaintBox;
struct TPrintSettings;

// The programs the Tools menu starts.
struct TToolPaths {
    QString Dictionary;
    QString Thesaurus;
    QString ClueBank;
    QString Scratchpad;
    QString Mailbot;
};

// Top-left corners of the preview panels PuzzlePnl, MenuPnl, CluesPnl in the
// General page, for presets 1..4 as element 0..3.
struct TArrangePreset {
    QPoint Puzzle, Menu, Clues;
};
extern const std::array<TArrangePreset, 4> ArrangePresets;

// What the settings reach beyond the dialog; the application fills it in.
struct TPrefLinks {
    TDemGridForm* Grid = nullptr;
    TPrintSettings* Print = nullptr;
    IFontDialog* FontDialog = nullptr;
    // A program file chosen for the tool `title`, starting at `current`;
    // empty when the user cancels.
    std::function<QString(QWidget* parent, const QString& title, const QString& current)>
        BrowseFile;
    // Places the real windows as preset 1..4 shows them.
    std::function<void(int preset)> Arrange;
};

class TDemPrefForm : public QDialog {
    Q_OBJECT
public:
    // Reads CellSize and keeps SoundMode in `procs`, which must outlive the dialog.
    explicit TDemPrefForm(TDemProcs& procs);
    // The windows created after this one; they must outlive it.
    void Connect(TPrefLinks links);

    QTabWidget* PageControl1;
    QWidget *GeneralPg, *ViewPg, *PrintPg, *ToolsPg;
    QLabel* Txt;
    QPushButton* DoneBtn;
    // General.
    QLabel *PuzzlePnl, *MenuPnl, *CluesPnl;
    QPushButton* ArrangeBtn;
    QCheckBox *SoundChk, *SpeechChk;
    // View.
    TPaintBox* GridPad;
    TColorGrid* ColorGrid1;
    QPushButton* FontBtn;
    // Print.
    QLineEdit *NameEd, *Add1Ed, *Add2Ed, *Add3Ed, *Add4Ed;
    QCheckBox* DefLeftChk;
    QSpinBox* PmSpin;
    // Tools.
    QLineEdit *DictEdit, *ThesEdit, *ClueEdit, *PadEdit, *MailEdit;
    QPushButton *DictBtn, *ThesBtn, *ClueBtn, *PadBtn, *MailBtn;

    // The preset the preview shows, 1..4; 0 only before the first click after showing.
    std::uint8_t ArrangeIndex = 0;
    TToolPaths ToolPaths;

    void FormShow();
    void ArrangeBtnClick();
    void PageControl1Change();
    void GridPadPaint(QPainter& painter);

protected:
    void showEvent(QShowEvent* event) override;
    // Every way of closing (Done, Escape, the close box) ends here.
    void done(int result) override;

private:
    void CreateGeneralPage();
    void CreateViewPage();
    void CreatePrintPage();
    void CreateToolsPage();
    // Shows the current value of every setting.
    void LoadSettings();
    void SoundChkClick(QCheckBox* box);
    void ColorGrid1Click(const QColor& color, Qt::MouseButton button);
    void FontBtnClick();
    void BrowseClick(const QString& title, QLineEdit* edit, QString& path);

    TDemProcs& Procs;
    TPrefLinks Links;
    // The user clicked Arrange since the dialog opened.
    bool ArrangeChosen = false;
};

} // namespace wl

// TDemPrintForm: the print dialog. Prints the open puzzle in up to five
// layouts as one print job on the printer chosen in Printer Setup.
#pragma once

#include "DemoProcsUnit.h"
#include "ManuscriptPages.h"
#include "PrintSettings.h"

#include <QColor>
#include <QDialog>
#include <QString>
#include <functional>
#include <map>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QPrinter;

namespace wl {

class TPrompts;

inline const QColor SilverColor{192, 192, 192};

class TDemPrintForm : public QDialog {
    Q_OBJECT
public:
    // `defaultPdfFile` is the file a PDF printer names before the user chooses
    // one; pages then go to a PDF named after the puzzle instead.
    // `printer` gives the printer chosen in Printer Setup, asked for only when printing.
    TDemPrintForm(TDemProcs& procs, std::function<QPrinter&()> printer, QString defaultPdfFile,
                  TPrompts& prompts);

    QCheckBox *MSChk, *MSGChk, *NGChk, *SGChk, *PPChk, *GrayChk;
    QLabel* PrnLbl;
    QLineEdit* TitleEdit;
    QProgressBar* PrintBar;
    QPushButton *CancelBtn, *PrintBtn;

    // The grid statistics shown on the manuscript, handed over before each show.
    QString SpecText;
    // The Print page of the preferences writes these.
    TPrintSettings Settings;
    // Titles that puzzle files cannot hold (an imported puzzle's), by file,
    // for this run; a file without one is titled by its name.
    std::map<std::string, QString> RunTitles;
    // Fill of the black squares, set on each print.
    QColor ShadeColor = Qt::black;
    TLayoutValues Values;

    void FormShow();
    void PrintBtnClick();
    // The puzzle page as a job of its own (solve mode). Raises the job's error.
    void PrintPuzzlePageNow();
    // The puzzle page as a PDF file of its own, through the save policy.
    // Raises the job's error.
    void WritePuzzlePagePdf(const QString& file);
    // The open puzzle's run title, else its file name.
    QString PuzzleTitle() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Runs `layouts` as one job on the printer; PDF pages reach their file
    // through the save policy and the user is told where.
    void RunJob(const std::function<void(TPrintJob&, const TPrintContent&)>& layouts);
    // The same on `printer`, PDF pages to `pdf`; false when no page was made.
    bool RunJob(QPrinter& printer, const QString& pdf,
                const std::function<void(TPrintJob&, const TPrintContent&)>& layouts);
    void PreparePrinter();
    // Silver with "Gray Squares", else the colour of the settings.
    QColor Shade() const;

    TDemProcs& Procs;
    QPrinter& Printer() const { return PrinterOf(); }
    std::function<QPrinter&()> PrinterOf;
    QString DefaultPdfFile;
    TPrompts& Prompts;
};

} // namespace wl

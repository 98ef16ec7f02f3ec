#include "DemoPrintUnit.h"

#include "PlacedControl.h"
#include "PrinterOutput.h"
#include "Prompts.h"
#include "PuzzlePage.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>

namespace wl {

namespace {

// The layouts' pixel offsets and pen widths are drawn for a page of 300 dots
// per inch; text and lines stay sharp at any printer resolution.
constexpr int PrintResolution = 300;

// The puzzle's file name without folder and without its last four characters.
QString FileTitle(const std::string& puzzleFile) {
    const QString name = QFileInfo(QString::fromStdString(puzzleFile)).fileName();
    return name.left(std::max<qsizetype>(0, name.size() - 4));
}

class TOverrideCursor {
public:
    TOverrideCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TOverrideCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

TDemPrintForm::TDemPrintForm(TDemProcs& procs, std::function<QPrinter&()> printer, QString defaultPdfFile,
                             TPrompts& prompts)
    : Procs(procs), PrinterOf(std::move(printer)), DefaultPdfFile(std::move(defaultPdfFile)), Prompts(prompts) {
    setObjectName("DemPrintForm");
    setWindowTitle("Print Puzzle");
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setModal(true);
    setFixedSize(375, 269);

    auto* format = Control<QGroupBox>(this, "FormatBox", {8, 8, 170, 150}, " Format ");
    MSChk = Control<QCheckBox>(format, "MSChk", {14, 24, 150, 20}, "Manuscript");
    MSGChk = Control<QCheckBox>(format, "MSGChk", {14, 48, 150, 20}, "Manuscript Grid Only");
    NGChk = Control<QCheckBox>(format, "NGChk", {14, 72, 150, 20}, "Numbered Grid");
    SGChk = Control<QCheckBox>(format, "SGChk", {14, 96, 150, 20}, "Solution Grid");
    PPChk = Control<QCheckBox>(format, "PPChk", {14, 120, 150, 20}, "Puzzle Page");

    Control<QLabel>(this, "ToLbl", {192, 14, 24, 18}, "To:");
    PrnLbl = Control<QLabel>(this, "PrnLbl", {218, 14, 150, 48}, "Current Printer on PORT:");
    PrnLbl->setWordWrap(true);
    PrnLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Control<QLabel>(this, "TitleLbl", {192, 70, 60, 18}, "Title:");
    TitleEdit = Control<QLineEdit>(this, "TitleEdit", {192, 90, 176, 24});
    QFont titleFont("Arial");
    titleFont.setPixelSize(13);
    TitleEdit->setFont(titleFont);
    TitleEdit->setMaxLength(60);
    GrayChk = Control<QCheckBox>(this, "GrayChk", {192, 126, 170, 20}, "Gray Squares");

    PrintBar = new QProgressBar(this);
    PrintBar->setObjectName("PrintBar");
    PrintBar->setGeometry(8, 176, 359, 16);
    PrintBar->setRange(0, 6);
    PrintBar->setTextVisible(false);

    CancelBtn = Control<QPushButton>(this, "CancelBtn", {200, 226, 80, 28}, "&Cancel");
    PrintBtn = Control<QPushButton>(this, "PrintBtn", {287, 226, 80, 28}, "&Print");
    PrintBtn->setDefault(true);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(PrintBtn, &QPushButton::clicked, this, &TDemPrintForm::PrintBtnClick);
}

void TDemPrintForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TDemPrintForm::PreparePrinter() {
    Printer().setPageOrientation(QPageLayout::Portrait);
    Printer().setResolution(PrintResolution);
}

void TDemPrintForm::FormShow() {
    const QString pdf = PdfTarget(Printer(), DefaultPdfFile, Procs.PuzzleFileName);
    if (!pdf.isEmpty()) {
        PrnLbl->setText("PDF file on " + pdf);
    } else {
        const QString location = QPrinterInfo(Printer()).location();
        PrnLbl->setText(Printer().printerName() + " on " +
                        (location.isEmpty() ? QString("the print server") : location));
    }
    if (TitleEdit->text().isEmpty()) TitleEdit->setText(PuzzleTitle());
    PrintBar->setValue(0);
    PreparePrinter();
    Values = MeasureLayout(Printer());
}

void TDemPrintForm::RunJob(const std::function<void(TPrintJob&, const TPrintContent&)>& layouts) {
    const QString pdf = PdfTarget(Printer(), DefaultPdfFile, Procs.PuzzleFileName);
    if (RunJob(Printer(), pdf, layouts) && !pdf.isEmpty()) Prompts.Inform("The pages were written to the PDF file\n" + pdf);
}

bool TDemPrintForm::RunJob(QPrinter& printer, const QString& pdf,
                           const std::function<void(TPrintJob&, const TPrintContent&)>& layouts) {
    const TPrintContent content{Procs.Puzzle, TitleEdit->text(), SpecText, Settings, ShadeColor};
    TPrinterOutput output(printer, pdf);
    TPrintJob job(printer, [&printer] { return printer.newPage(); });
    layouts(job, content);
    if (!job.IsOpen()) return false;
    job.End();
    output.Commit();
    return true;
}

void TDemPrintForm::PrintBtnClick() {
    const QCheckBox* boxes[] = {MSChk, MSGChk, NGChk, SGChk, PPChk, GrayChk};
    if (std::none_of(std::begin(boxes), std::end(boxes), [](auto* b) { return b->isChecked(); }))
        return;
    {
        TOverrideCursor hourglass;
        ShadeColor = Shade();
        try {
            RunJob([this](TPrintJob& job, const TPrintContent& content) {
                TManuscriptPages pages(job, Values, content);
                const auto step = [this] { PrintBar->setValue(PrintBar->value() + 1); };
                step();
                if (MSChk->isChecked()) pages.PrintManuscript();
                step();
                if (MSGChk->isChecked()) pages.PrintGrid(ManuscriptGrid);
                step();
                if (NGChk->isChecked()) pages.PrintGrid(NumberedGrid);
                step();
                if (SGChk->isChecked()) pages.PrintGrid(SolutionGridPage);
                step();
                if (PPChk->isChecked()) PrintPuzzlePage(job, content, TitleEdit->text());
                step();
            });
        } catch (const std::exception& e) {
            Prompts.ReportException(QString::fromLocal8Bit(e.what()));
        }
    }
    accept();
}

QString TDemPrintForm::PuzzleTitle() const {
    const auto run = RunTitles.find(Procs.PuzzleFileName);
    return run != RunTitles.end() && !run->second.isEmpty() ? run->second : FileTitle(Procs.PuzzleFileName);
}

QColor TDemPrintForm::Shade() const {
    const TRgb& black = Settings.BlackSquares;
    return GrayChk->isChecked() ? SilverColor : QColor(black.Red, black.Green, black.Blue);
}

void TDemPrintForm::PrintPuzzlePageNow() {
    PreparePrinter();
    ShadeColor = Shade();
    const QString title =
        Procs.PuzzleMode == ModeSolve ? PuzzleTitle() : TitleEdit->text();
    RunJob([&](TPrintJob& job, const TPrintContent& content) {
        PrintPuzzlePage(job, content, title);
    });
}

void TDemPrintForm::WritePuzzlePagePdf(const QString& file) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageOrientation(QPageLayout::Portrait);
    pdf.setResolution(PrintResolution);
    ShadeColor = Shade();
    const QString title = PuzzleTitle();
    RunJob(pdf, file, [&](TPrintJob& job, const TPrintContent& content) { PrintPuzzlePage(job, content, title); });
}

} // namespace wl

// The print dialog and real print jobs to PDF, read back with pdftotext.
#include "MainTestSupport.h"
#include "OutputTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>

namespace wl {
namespace {

using fakes::MainWindowTest;
using fakes::MakePuzzle;

// The text of each page of a PDF file.
QStringList PdfPages(const QString& file) {
    QProcess p;
    p.start("pdftotext", {"-layout", file, "-"});
    EXPECT_TRUE(p.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

class PrintDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        Printer.setOutputFormat(QPrinter::PdfFormat);
        Printer.setOutputFileName(DefaultPdf);
        Procs.Puzzle = MakePuzzle(15);
        Procs.PuzzleFileName = Dir.filePath("SUNDAY.XWD").toStdString();
        Procs.PuzzleMode = ModeLetters;
        Form.SpecText =
            "Size of Grid: 15\u00D7\r\nBlack Squares: 24  Par: 37\r\nWord Count: 72  Par: 78";
    }
    void Print(std::initializer_list<QCheckBox*> boxes) {
        for (QCheckBox* b : boxes) b->setChecked(true);
        Form.FormShow();
        Form.PrintBtnClick();
    }
    QTemporaryDir Dir;
    QString DefaultPdf = Dir.filePath("default.pdf");
    QString Target = Dir.filePath("SUNDAY.pdf");
    QPrinter Printer{QPrinter::HighResolution};
    TDemProcs Procs;
    fakes::TScriptedBoxes Boxes;
    fakes::TRecordingPromptSounds Sounds;
    TPrompts Prompts{Boxes, Sounds};
    TDemPrintForm Form{Procs, [this]() -> QPrinter& { return Printer; }, DefaultPdf, Prompts};
};

TEST_F(PrintDialogTest, ShowingNamesTheTargetDefaultsTheTitleAndResetsTheBar) {
    Form.PrintBar->setValue(4);
    Form.FormShow();
    EXPECT_EQ(Form.PrnLbl->text(), "PDF file on " + Target);
    EXPECT_EQ(Form.TitleEdit->text(), "SUNDAY");
    EXPECT_EQ(Form.PrintBar->value(), 0);
    EXPECT_EQ(Printer.pageLayout().orientation(), QPageLayout::Portrait);
    Form.TitleEdit->setText("Sunday Special");
    Form.FormShow();
    EXPECT_EQ(Form.TitleEdit->text(), "Sunday Special");
    for (const char* name : {"MSChk", "MSGChk", "NGChk", "SGChk", "PPChk", "GrayChk", "PrnLbl",
                             "TitleEdit", "PrintBar", "CancelBtn", "PrintBtn"})
        EXPECT_NE(Form.findChild<QWidget*>(name), nullptr) << name;
    Form.grab().save(QDir::current().filePath("print-dialog.png"));
}

TEST_F(PrintDialogTest, GraySquaresAloneOpensNoJob) {
    Print({Form.GrayChk});
    EXPECT_FALSE(QFile::exists(Target));
    EXPECT_TRUE(Boxes.Shown.empty());
    EXPECT_EQ(Form.PrintBar->value(), 6);
}

TEST_F(PrintDialogTest, BlackSquaresTakeTheChosenColourUnlessGray) {
    Form.Settings.BlackSquares = {0, 0, 128};
    Print({Form.NGChk});
    EXPECT_EQ(Form.ShadeColor, QColor(0, 0, 128));
    Print({Form.GrayChk});
    EXPECT_EQ(Form.ShadeColor, SilverColor);
}

// All five layouts in one job under the typed title: manuscript pages, its
// grid, the manuscript grid again, the numbered and solution grids, the
// puzzle page; page numbers run on.
TEST_F(PrintDialogTest, EveryLayoutPrintsAsOneJobToAPdfBesideThePuzzle) {
    Form.TitleEdit->setText("Sunday Special");
    Print({Form.MSChk, Form.MSGChk, Form.NGChk, Form.SGChk, Form.PPChk});
    ASSERT_TRUE(QFile::exists(Target));
    EXPECT_FALSE(QFile::exists(DefaultPdf));
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Boxes.Shown[0].Kind, TPromptKind::Information);
    EXPECT_TRUE(Boxes.Shown[0].Text.contains(Target));
    QFile::copy(Target, QDir::current().filePath("every-layout-15.pdf"));

    const QStringList pages = PdfPages(Target);
    ASSERT_GE(pages.size(), 6);
    const int grids = int(pages.size()) - 5; // first manuscript grid page
    EXPECT_TRUE(pages[0].contains("ACROSS") && pages[0].contains("Wordlatch Demo"));
    EXPECT_TRUE(pages[0].contains("Size of Grid: 15\u00D7"));
    EXPECT_TRUE(pages[0].contains("Where the \"big top\"")); // quotes stay straight here
    EXPECT_TRUE(pages.join("").contains("DOWN"));
    EXPECT_FALSE(pages.join("").contains("SUNDAY"));
    for (int i = 0; i + 1 < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].contains("Page " + QString::number(i + 1))) << i;
        EXPECT_TRUE(pages[i].trimmed().startsWith("Sunday Special")) << i;
    }
    EXPECT_TRUE(pages[1].contains("/Wordlatch Demo"));
    // The manuscript grid twice, with the answer letters; then numbers only.
    const QString letter(QChar(Procs.Puzzle.Solution(1, 1)));
    for (int g : {grids, grids + 1, grids + 3}) EXPECT_TRUE(pages[g].contains(letter)) << g;
    const QString& last = pages.last();
    EXPECT_TRUE(last.contains("\u201CSunday Special\u201D a Wordlatch puzzle") ||
                last.contains("\u201CSunday Special\u201D  a Wordlatch puzzle"));
    EXPECT_TRUE(last.contains("Capital of Norway"));
    EXPECT_TRUE(last.contains("\u201Cbig top\u201D"));
    EXPECT_FALSE(last.contains("Page "));
    EXPECT_FALSE(Form.isVisible());
}

TEST_F(PrintDialogTest, AChosenFileIsUsedAndAFailedWriteIsReported) {
    Printer.setOutputFileName(Dir.filePath("chosen.pdf"));
    Print({Form.NGChk});
    EXPECT_TRUE(QFile::exists(Dir.filePath("chosen.pdf")));
    EXPECT_EQ(Printer.outputFileName(), Dir.filePath("chosen.pdf"));

    Boxes.Shown.clear();
    Printer.setOutputFileName(Dir.filePath("missing/folder.pdf"));
    Print({Form.NGChk});
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Boxes.Shown[0].Kind, TPromptKind::Error);
    EXPECT_EQ(Boxes.Shown[0].Text, "No such file or directory");
}

// In solve mode the page prints at once under the file's name; a failure
// still closes the status window and reports the system's text.
TEST_F(MainWindowTest, SolvePrintWritesThePuzzlePageAndClosesTheStatusWindowAlsoOnFailure) {
    QPrinter& printer = App->Printers.Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("out.pdf"));
    OpenPuzzle(MakePuzzleFile("monday.xwd", 15, [](TXwdPuzzle& p) { p = MakePuzzle(15); }), true);
    Main->Print1->trigger();
    ASSERT_TRUE(QFile::exists(Path("monday.pdf")));
    EXPECT_TRUE(PdfPages(Path("monday.pdf")).value(0).contains("\u201Cmonday\u201D"));
    EXPECT_EQ(Boxes->Shown.back().Kind, TPromptKind::Information);

    printer.setOutputFileName(Path("missing/folder.pdf"));
    Main->Print1->trigger();
    EXPECT_FALSE(App->InfoWin->isVisible());
    EXPECT_EQ(Boxes->Shown.back().Kind, TPromptKind::Error);
    EXPECT_EQ(Boxes->Shown.back().Text, "No such file or directory");
}

} // namespace
} // namespace wl

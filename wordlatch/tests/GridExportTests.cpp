// The grid exports read back by programs of their own: the EPS rendered by
// Ghostscript, the SVG by Qt's renderer, the RTF by unrtf; and the choices dialog.
#include "EpsFile.h"
#include "ExportChoice.h"
#include "ExportUnit.h"
#include "OutputTestSupport.h"
#include "RtfFile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <sstream>

namespace wl {
namespace {

// Black squares off the centre and not mirrored in the diagonal: (2, 1) is
// black, (1, 2) white, so (1, 1) starts a down word only. (11, 1) is empty,
// (5, 5) unknown.
TXwdPuzzle AsymmetricGrid() {
    return fakes::FromRows({"A#BCDEFGHI.", "KLMN#OPQRST", "UVWXYZABCDE", "##FGHIJ#KLM",
                            "NOPQ?STUVWX", "YZA#BCDEF#G", "HIJKLMNOPQR", "STU#VWXYZAB",
                            "CDEFGHIJKLM", "NOPQR##STUV", "WXYZABCDE#F"});
}

bool Have(const char* program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

// The program's standard output; it must succeed without a word on stderr.
QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString();
    EXPECT_EQ(p.readAllStandardError(), "") << program.toStdString();
    return p.readAllStandardOutput();
}

QString Saved(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

QByteArray GhostScript(const QString& eps, const char* device, const QString& out) {
    return Run("gs", {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop",
                      QString("-sDEVICE=") + device, "-r72", "-sOutputFile=" + out, eps});
}

// A row a line, a character a square, read inside its lower right corner,
// clear of numbers and letters: '#' black, '+' silver, '.' white.
std::vector<std::string> Squares(const QImage& image, int side) {
    std::vector<std::string> rows(static_cast<std::size_t>(side));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int level = qGray(image.pixel(1 + 30 * x + 27, 1 + 30 * y + 27));
            rows[std::size_t(y)] += level < 64 ? '#' : level < 224 ? '+' : '.';
        }
    return rows;
}

// Both vector pictures at a pixel a unit, black and gray: the same squares.
TEST(GridExportTest, EpsAndSvgShowTheSquaresWhereTheGridHasThem) {
    if (!Have("gs")) GTEST_SKIP() << "gs (ghostscript) is needed";
    QTemporaryDir dir;
    const TXwdPuzzle puzzle = AsymmetricGrid();
    const std::vector<std::string> black = {
        ".#.........", "....#......", "...........", "##.....#...", "...........", "...#.....#.",
        "...........", "...#.......", "...........", ".....##....", ".........#."};
    std::vector<std::string> gray = black;
    for (std::string& row : gray)
        for (char& c : row) c = c == '#' ? '+' : c;
    const struct {
        TExportLook Look;
        const std::vector<std::string>& Expected;
    } rows[] = {{{false, false}, black}, {{true, true}, gray}};
    for (const auto& row : rows) {
        const QByteArray eps = GridEps(puzzle, row.Look, "asym.xwd");
        // Kept beside the test, to be looked at.
        const QString png = QDir::current().filePath(row.Look.Solution ? "eps-solution.png" : "eps-blank.png");
        GhostScript(Saved(dir, "asym.eps", eps), "pnggray", png);
        const QImage fromEps(png);
        ASSERT_EQ(fromEps.size(), QSize(332, 332));
        EXPECT_EQ(Squares(fromEps, 11), row.Expected) << "EPS, solution " << row.Look.Solution;

        QSvgRenderer svg(GridSvg(puzzle, row.Look, "asym.xwd"));
        ASSERT_EQ(svg.viewBox(), QRect(0, 0, 332, 332));
        QImage fromSvg(332, 332, QImage::Format_RGB32);
        fromSvg.fill(Qt::white);
        QPainter p(&fromSvg);
        svg.render(&p);
        p.end();
        EXPECT_EQ(Squares(fromSvg, 11), row.Expected) << "SVG, solution " << row.Look.Solution;
    }
    const QByteArray svg = GridSvg(puzzle, {true, true}, "asym.xwd");
    EXPECT_TRUE(svg.contains("<title>asym.xwd</title>"));
    EXPECT_TRUE(svg.contains("<desc>Wordlatch4</desc>"));
}

// The texts as Ghostscript reads them back: every number in its row, letters
// through the Windows-1252 font, PostScript's special characters escaped.
TEST(GridExportTest, EpsTextsReadBackInTheirRows) {
    if (!Have("gs")) GTEST_SKIP() << "gs (ghostscript) is needed";
    QTemporaryDir dir;
    const TXwdPuzzle special = fakes::FromRows({"\xE9'-", "\x8C\x80(", ")\\`"});
    const struct {
        TXwdPuzzle Puzzle;
        TExportLook Look;
        QStringList Lines;
    } rows[] = {
        {AsymmetricGrid(),
         {false, false},
         {"1 2 3 4 5 6 7 8 9", "10 11 12", "13 14", "15 16", "17 18 19", "20 21", "22 23", "24 25",
          "26 27", "28 29", "30"}},
        {special,
         {true, false},
         {QString::fromUtf8("\u00E9'-"), QString::fromUtf8("\u0152\u20AC("), ")\\`"}},
    };
    for (const auto& row : rows) {
        const QString eps = Saved(dir, "texts.eps", GridEps(row.Puzzle, row.Look, "t.xwd"));
        QStringList lines;
        for (const QString& line :
             QString::fromUtf8(GhostScript(eps, "txtwrite", "-")).split('\n')) {
            QString text = line.simplified();
            // Letters are a square apart; numbers keep a space between them.
            if (row.Look.Solution) text.remove(' ');
            if (!text.isEmpty()) lines << text;
        }
        EXPECT_EQ(lines, row.Lines);
    }
    const QByteArray eps = GridEps(special, {true, false}, QString::fromUtf8("Caf\u00E9 (1).xwd"));
    EXPECT_TRUE(eps.startsWith("%!PS-Adobe-3.0 EPSF-3.0\n"
                               "%%BoundingBox: 0 0 92 92\n"
                               "%%HiResBoundingBox: 0 0 92 92\n"
                               "%%Title: (Caf\\351 \\(1\\).xwd)\n"
                               "%%Creator: Wordlatch4\n"));
}

// unrtf's text of an RTF document without its own heading, the blank lines
// around it dropped.
std::string RtfAsText(const QTemporaryDir& dir, const QByteArray& rtf) {
    QByteArray text = Run("unrtf", {"--text", Saved(dir, "doc.rtf", rtf)});
    text = text.mid(text.indexOf("-----------------\n") + 18);
    while (text.startsWith('\n')) text.remove(0, 1);
    while (text.endsWith('\n')) text.chop(1);
    return text.toStdString();
}

// Rows of squares apart by spaces as unrtf writes a table: a tab before each
// cell, '#' and '.' empty.
std::string TableText(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) {
        if (!text.empty()) text += "\n";
        std::istringstream cells(row);
        for (std::string cell; cells >> cell;)
            text.append("\t").append(cell == "#" || cell == "." ? "" : cell);
    }
    return text;
}

// The document with its title, the grid and every clue; the grid alone on the
// clipboard as RTF and as text.
TEST(GridExportTest, RtfReadsBackWithTheGridAndEveryClue) {
    if (!Have("unrtf")) GTEST_SKIP() << "unrtf is needed";
    QTemporaryDir dir;
    TDemProcs procs;
    TXwdPuzzle& puzzle = procs.Puzzle = fakes::SamplePuzzle();
    puzzle.Clue(2).SetText("Caf\xE9 {a} \\ b");
    const QByteArray rtf = PuzzleRtf(puzzle, {false, false}, QString::fromUtf8("Sunday \u00E9"));
    EXPECT_TRUE(
        rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 "
                       "Arial;}}{\\colortbl;\\red0\\green0\\blue0;}\n"));
    EXPECT_TRUE(rtf.contains(" 2. Caf\\'e9 \\{a\\} \\\\ b\\par\n"));
    EXPECT_EQ(rtf.count("\\clcbpat1"), 13);
    EXPECT_EQ(RtfAsText(dir, rtf),
              "Sunday \xE9\n\n" + TableText(fakes::SampleNumbers) +
                  "\n\tAcross\n2. Caf\xE9 {a} \\ b\n5. Egg shape\n6. Yoke wearer\n"
                  "8. \"Layer\" on a farm\n9. Foot digit\n10. Inlet\n11. Spare ___\n13. Single\n"
                  "14. Excavate\n15. Man's best friend\nDown\n1.\n2. Made-up word\n3.\n"
                  "4. Larry's pal\n7.\n8. Coined word\n10. Place to sleep\n12. Marsh");

    puzzle.Solution(3, 1) = 0xE9;
    puzzle.Solution(6, 7) = UnknownLetter;
    TExportForm(procs).GridRtfToClipboard({true, true});
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QString::fromUtf8("S#\u00E9LUM#\r\nOVAL#OX\r\nW#R#HEN\r\n##TOE##\r\n"
                                              "BAY#RIB\r\nE#ONE#O\r\nDIG#D.G\r\n"));
    const QByteArray grid = data->data("text/rtf");
    EXPECT_TRUE(grid.contains("{\\colortbl;\\red192\\green192\\blue192;}"));
    EXPECT_EQ(grid.count("\\clcbpat1"), 13);
    EXPECT_EQ(RtfAsText(dir, grid),
              TableText({"S # \xE9 L U M #", "O V A L # O X", "W # R # H E N", "# # T O E # #",
                         "B A Y # R I B", "E # O N E # O", "D I G # D . G"}));
}

// The choices stay from one export to the next; Cancel keeps the last ones.
TEST(GridExportTest, ChoicesDialogKeepsWhatOkConfirmed) {
    TExportChoiceForm form;
    EXPECT_TRUE(form.BlankRadio->isChecked());
    EXPECT_FALSE(form.GrayChk->isChecked());
    EXPECT_EQ(form.BlankRadio->text(), "Blank grid with numbers");
    const auto answer = [&](QRadioButton* radio, bool gray, QPushButton* button) {
        QTimer::singleShot(0, &form, [=, &form] {
            radio->click();
            form.GrayChk->setChecked(gray);
            form.grab().save("export-choice.png");
            button->click();
        });
    };
    answer(form.SolutionRadio, true, form.OkBtn);
    EXPECT_TRUE(form.Ask("Export EPS"));
    EXPECT_EQ(form.windowTitle(), "Export EPS");
    EXPECT_TRUE(form.Look().Solution && form.Look().Gray);

    answer(form.BlankRadio, false, form.CancelBtn);
    EXPECT_FALSE(form.Ask("Export RTF File"));
    EXPECT_TRUE(form.SolutionRadio->isChecked());
    EXPECT_TRUE(form.Look().Solution && form.Look().Gray);
}

} // namespace
} // namespace wl

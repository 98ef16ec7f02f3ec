// Clipboard export: the clue text byte for byte, every square of the grid
// pictures as SVG and PNG; and the texts the printouts share with it.
#include "MainTestSupport.h"
#include "OutputTestSupport.h"
#include "OutputText.h"
#include "PrintSettings.h"
#include "Win1252.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace wl {
namespace {

using fakes::MainWindowTest;

// White squares (1..3, 1), (1, 2..3), (3, 2), (2..3, 3): across words at
// squares 1 and 3, down words at 1 and 2.
void SmallGrid(TXwdPuzzle& p) {
    for (int x = 1; x <= p.GridSize; ++x)
        for (int y = 1; y <= p.GridSize; ++y) p.Solution(x, y) = BlackSquare;
    for (auto [x, y] : {std::pair{1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}})
        p.Solution(x, y) = std::uint8_t('A' + x + 3 * y);
    p.Solution(2, 3) = UnknownLetter;
    p.Index(1, 1) = {1, 0};   // the down word has no clue
    p.Index(3, 1) = {0, 200}; // a clue number past the last entry
    p.Index(1, 3) = {179, 0};
    p.Clue(1).SetText("Caf\xE9 \x93latte\x94 it's");
    p.Clue(179).SetText(std::string(60, 'Q'));
}

QString SvgElement(const QByteArray& svg, const char* name) {
    QXmlStreamReader xml(svg);
    while (xml.readNextStartElement() || !xml.atEnd())
        if (xml.isStartElement() && xml.name() == QLatin1String(name)) return xml.readElementText();
    return {};
}

TEST_F(MainWindowTest, CluesGoToTheClipboardAsTextWithCrLfLineEnds) {
    OpenPuzzle(MakePuzzleFile("clip.xwd", 11, SmallGrid), false);
    Main->CluestoClipboard1->trigger();
    const std::string expected = "ACROSS\r\n"
                                 "  1 Caf\xE9 \x93latte\x94 it's\r\n"
                                 "  3 " +
                                 std::string(60, 'Q') +
                                 "\r\n"
                                 "DOWN\r\n"
                                 "  1 \r\n"
                                 "  2 \r\n";
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_EQ(ToWin1252(text), expected);
    EXPECT_TRUE(
        text.startsWith(QString::fromUtf8("ACROSS\r\n  1 Caf\u00E9 \u201Clatte\u201D it's")));
    EXPECT_FALSE(App->InfoWin->isVisible());
}

// What each square of a 7 x 7 picture shows, a row a line, squares apart by a
// space: '#' a square black in the bitmap, else the picture's texts whose
// position falls in it, '.' none (or blanks only).
std::vector<std::string> PictureSquares(const QByteArray& svg, const QImage& png) {
    std::vector<std::string> cells(49);
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("text"))
            continue;
        const int x = int(xml.attributes().value("x").toDouble()) - 1;
        const int y = int(xml.attributes().value("y").toDouble()) - 1; // the baseline
        const QString text = xml.readElementText().trimmed();
        if (x >= 0 && y >= 0 && x < 210 && y < 210)
            cells[std::size_t(y / 30 * 7 + x / 30)] += text.toStdString();
    }
    std::vector<std::string> rows(7);
    for (std::size_t i = 0; i < 49; ++i) {
        // The square's lower right corner, clear of any number or letter.
        const QPoint corner((1 + 30 * int(i % 7) + 28) * PngScale,
                            (1 + 30 * int(i / 7) + 28) * PngScale);
        if (qGray(png.pixel(corner)) < 128) cells[i] += "#";
        rows[i / 7].append(i % 7 ? " " : "").append(cells[i].empty() ? "." : cells[i]);
    }
    return rows;
}

// Both pictures of the sample, every square: the numbers, the letters with
// nothing for an unknown or empty square, black squares solid.
TEST_F(MainWindowTest, GridAndSolutionGoToTheClipboardAsSvgAndPng) {
    OpenPuzzle(MakePuzzleFile("clip.xwd", 7,
                              [](TXwdPuzzle& p) {
                                  p = fakes::SamplePuzzle();
                                  p.Solution(2, 2) = NoLetter;
                                  p.Solution(6, 7) = UnknownLetter;
                              }),
               false);
    const struct {
        QAction* Item;
        const char* File;
        std::vector<std::string> Squares;
    } rows[] = {
        {Main->GridtoClipboard1, "grid.png", fakes::SampleNumbers},
        {Main->SolutiontoClipboard1,
         "solution.png",
         {"S # P L U M #", "O . A L # O X", "W # R # H E N", "# # T O E # #", "B A Y # R I B",
          "E # O N E # O", "D I G # D . G"}},
    };
    for (const auto& row : rows) {
        row.Item->trigger();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr);
        const QByteArray svg = data->data("image/svg+xml");
        EXPECT_EQ(QSvgRenderer(svg).viewBox(), QRect(0, 0, 212, 212));
        EXPECT_EQ(SvgElement(svg, "title"), "clip.xwd");
        EXPECT_EQ(SvgElement(svg, "desc"), "Wordlatch4");
        const QImage png = qvariant_cast<QImage>(data->imageData());
        ASSERT_EQ(png.size(), QSize(212, 212) * PngScale);
        png.save(QDir::current().filePath(row.File));
        EXPECT_EQ(PictureSquares(svg, png), row.Squares) << row.File;
    }
}

TEST(OutputTextTest, EntryNumbersTakeThreeCharacters) {
    const std::pair<int, const char*> rows[] = {
        {7, "  7 Tree"}, {12, " 12 Tree"}, {179, "179 Tree"}};
    for (auto [n, line] : rows) EXPECT_EQ(EntryLine(n, "Tree"), line);
}

TEST(OutputTextTest, AuthorBlockKeepsEveryFilledLine) {
    TPrintSettings s;
    EXPECT_EQ(AuthorBlock(s), (std::array<std::string, 4>{"Wordlatch Demo", "", "", ""}));
    s.Address = {"1 Elm St", "", "Springfield", " "};
    EXPECT_EQ(AuthorBlock(s),
              (std::array<std::string, 4>{"Wordlatch Demo", "1 Elm St", "Springfield", ""}));
    s.Address = {"1 Elm St", "Springfield", "555-0100", "me@example.org"};
    EXPECT_EQ(AuthorBlock(s)[3], "555-0100, me@example.org");
}

} // namespace
} // namespace wl

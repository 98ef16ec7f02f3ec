// Clipboard export: the clue text byte for byte, the grid pictures as SVG and
// PNG; and the texts the printouts share with it.
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

TEST_F(MainWindowTest, GridAndSolutionGoToTheClipboardAsSvgAndPng) {
    OpenPuzzle(MakePuzzleFile("clip.xwd", 11, SmallGrid), false);
    const int side = 11 * 30 + 2;
    for (QAction* item : {Main->GridtoClipboard1, Main->SolutiontoClipboard1}) {
        item->trigger();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(data, nullptr);
        const QByteArray svg = data->data("image/svg+xml");
        EXPECT_EQ(QSvgRenderer(svg).viewBox(), QRect(0, 0, side, side));
        EXPECT_EQ(SvgElement(svg, "title"), "clip.xwd");
        EXPECT_EQ(SvgElement(svg, "desc"), "Wordlatch4");
        const QImage png = qvariant_cast<QImage>(data->imageData());
        ASSERT_EQ(png.size(), QSize(side, side) * PngScale);
        png.save(
            QDir::current().filePath(item == Main->GridtoClipboard1 ? "grid.png" : "solution.png"));

        // Square (x, y) in PNG pixels; counts its dark pixels inside the border.
        const auto dark = [&](int x, int y) {
            int n = 0;
            for (int py = 4; py < 29 * PngScale; ++py)
                for (int px = 4; px < 29 * PngScale; ++px)
                    n += qGray(png.pixel((1 + 30 * (x - 1)) * PngScale + px,
                                         (1 + 30 * (y - 1)) * PngScale + py)) < 128;
            return n;
        };
        const int inside = (29 * PngScale - 4) * (29 * PngScale - 4);
        EXPECT_EQ(dark(5, 5), inside); // black squares are solid black
        EXPECT_EQ(dark(2, 3), 0);      // UnknownLetter shows nothing, nor a number
        EXPECT_GT(dark(1, 1), 0);      // a number or a letter
        EXPECT_LT(dark(1, 1), inside / 4);
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

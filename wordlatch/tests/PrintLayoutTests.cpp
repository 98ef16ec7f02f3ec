// The print layouts drawn on a recording device: page numbers, entry lines and
// their wrapping, grid pages, and the puzzle page's columns, quotes and pages.
#include "OutputTestSupport.h"
#include "PuzzlePage.h"
#include "RecordingDevice.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace wl {
namespace {

using fakes::MakePuzzle;
using fakes::TRecorded;

struct TRig {
    explicit TRig(TXwdPuzzle puzzle, TPrintSettings settings = {})
        : Puzzle(puzzle),
          Content{Puzzle, "SUNDAY",
                  "Size of Grid: 15\u00D7\r\nBlack Squares: 0  Par: 37\r\nWord Count: 30  Par: 78",
                  settings, Qt::black} {}
    fakes::TRecordingDevice Device;
    TPrintJob Job{Device, [this] { return Device.NewPage(); }};
    TLayoutValues V = MeasureLayout(Device);
    TXwdPuzzle Puzzle;
    TPrintContent Content;
    TManuscriptPages Pages{Job, V, Content};
};

// The entry lines of one manuscript list: texts left of the answer column.
std::vector<TRecorded> EntryTexts(const TRig& rig) {
    std::vector<TRecorded> out;
    for (const TRecorded& t : rig.Device.Texts())
        if (t.Box.y() >= 9 * rig.V.LineHeight && t.Box.x() < rig.V.LeftMargin + 46 * rig.V.MWidth &&
            t.Str != "ACROSS" && t.Str != "DOWN")
            out.push_back(t);
    return out;
}

// Wrapped lines joined again: a hyphen at a line's end joins directly, else a space.
QString Rejoin(const std::vector<QString>& lines) {
    QString s;
    for (const QString& l : lines) {
        if (!s.isEmpty() && !s.endsWith('-')) s += ' ';
        if (s.endsWith('-')) s.chop(1);
        s += l;
    }
    return s;
}

TEST(ManuscriptTest, PageNumbersRunOnThroughTheJobAndContinuationPagesCarryTitleAndName) {
    TRig rig(MakePuzzle(
        15, [](int) { return std::string("Tree"); }, fakes::NoBlacks));
    rig.Pages.PrintManuscript();
    rig.Pages.PrintGrid(NumberedGrid);
    // Two pages of entries and the manuscript grid, then the numbered grid.
    ASSERT_EQ(rig.Device.Page, 4);
    for (int page = 1; page <= 4; ++page) {
        const TRecorded* number = rig.Device.Find("Page " + QString::number(page), page);
        ASSERT_NE(number, nullptr) << page;
        EXPECT_EQ(number->Box.x(), 63 * rig.V.MWidth);
        EXPECT_TRUE(number->Font.bold());
    }
    EXPECT_NE(rig.Device.Find("SUNDAY  /Wordlatch Demo", 2), nullptr);
    EXPECT_EQ(rig.Device.Find("Size of Grid: 15\u00D7", 3), nullptr); // no statistics on grid pages
}

// Texts line by line from the top, "y x:text x:text ..." and lines apart by "; ".
std::string PageLines(const std::vector<TRecorded>& texts) {
    std::map<int, std::map<int, QString>> lines;
    for (const TRecorded& t : texts) lines[int(t.Box.y())][int(t.Box.x())] = t.Str;
    QStringList out;
    for (const auto& [y, texts] : lines) {
        QString line = QString::number(y);
        for (const auto& [x, text] : texts) line += QString(" %1:%2").arg(x).arg(text);
        out << line;
    }
    return out.join("; ").toStdString();
}

// The sample's manuscript: the heading with the statistics, then every across
// and down entry beside its answer, double-spaced, the answers at the right or
// at the left; a word linked to no entry or to an empty one has its number only.
TEST(ManuscriptTest, TheSampleListsEveryEntryBesideItsAnswer) {
    const std::pair<bool, std::string> rows[] = {
        {true,
         "124 165:SUNDAY 1890:Page 1; 248 165:Wordlatch Demo; 310 1545:Size of Grid: 15\u00D7; "
         "372 1545:Black Squares: 0  ; 434 1545:Word Count: 30 ; 558 165:ACROSS; "
         "682 165:  2 Purple fruit 1545:PLUM; 806 165:  5 Egg shape 1545:OVAL; "
         "930 165:  6 Yoke wearer 1545:OX; 1054 165:  8 \"Layer\" on a farm 1545:HEN; "
         "1178 165:  9 Foot digit 1545:TOE; 1302 165: 10 Inlet 1545:BAY; "
         "1426 165: 11 Spare ___ 1545:RIB; 1550 165: 13 Single 1545:ONE; "
         "1674 165: 14 Excavate 1545:DIG; 1798 165: 15 Man's best friend 1545:DOG; "
         "1922 165:DOWN; 2046 165:  1  1545:SOW; 2170 165:  2 Made-up word 1545:PARTYOG; "
         "2294 165:  3  1545:LL; 2418 165:  4 Larry's pal 1545:MOE; 2542 165:  7  1545:XN; "
         "2666 165:  8 Coined word 1545:HERED; 2790 165: 10 Place to sleep 1545:BED; "
         "2914 165: 12 Marsh 1545:BOG"},
        {false,
         "124 165:SUNDAY 1890:Page 1; 248 165:Wordlatch Demo; 310 1545:Size of Grid: 15\u00D7; "
         "372 1545:Black Squares: 0  ; 434 1545:Word Count: 30 ; 558 165:ACROSS; "
         "682 165:PLUM 1035:  2 Purple fruit; 806 165:OVAL 1035:  5 Egg shape; "
         "930 165:OX 1035:  6 Yoke wearer; 1054 165:HEN 1035:  8 \"Layer\" on a farm; "
         "1178 165:TOE 1035:  9 Foot digit; 1302 165:BAY 1035: 10 Inlet; "
         "1426 165:RIB 1035: 11 Spare ___; 1550 165:ONE 1035: 13 Single; "
         "1674 165:DIG 1035: 14 Excavate; 1798 165:DOG 1035: 15 Man's best friend; "
         "1922 165:DOWN; 2046 165:SOW 1035:  1 ; 2170 165:PARTYOG 1035:  2 Made-up word; "
         "2294 165:LL 1035:  3 ; 2418 165:MOE 1035:  4 Larry's pal; 2542 165:XN 1035:  7 ; "
         "2666 165:HERED 1035:  8 Coined word; 2790 165:BED 1035: 10 Place to sleep; "
         "2914 165:BOG 1035: 12 Marsh"}};
    for (const auto& [definitionsAtLeft, lines] : rows) {
        TPrintSettings settings;
        settings.DefinitionsAtLeft = definitionsAtLeft;
        TRig rig(fakes::SamplePuzzle(), settings);
        rig.Pages.PrintManuscript();
        ASSERT_EQ(rig.Device.Page, 2);
        EXPECT_EQ(PageLines(rig.Device.Texts(1)), lines);
    }
}

// Entries longer than 40 characters break at a space, or within a run that has
// none; continuation lines hang under the clue text.
TEST(ManuscriptTest, LongEntriesWrapWithAHangingIndentAndEveryWrapEnds) {
    const std::string rows[] = {
        "Tree",
        "Where the \"big top\" stands when the circus is in town",
        std::string(50, 'X'),
        "Short " + std::string(54, 'Y'),
        std::string(60, 'Z'),
    };
    for (const std::string& clue : rows) {
        TRig rig(MakePuzzle(
            11, [&](int w) { return w == 1 ? clue : std::string(); }, fakes::NoBlacks));
        rig.Pages.PrintManuscript();
        std::vector<QString> lines;
        const std::vector<TRecorded> texts = EntryTexts(rig);
        for (std::size_t i = 0; i < texts.size() && !texts[i].Str.startsWith(" 12"); ++i) {
            const TRecorded& t = texts[i];
            EXPECT_EQ(t.Box.x(), rig.V.LeftMargin + (i ? 4 * rig.V.MWidth : 0)) << clue;
            EXPECT_LE(t.Box.width(), rig.V.WrapWidth) << clue;
            if (i) {
                EXPECT_EQ(t.Box.y() - texts[i - 1].Box.y(), 2 * rig.V.LineHeight);
            }
            lines.push_back(t.Str);
        }
        EXPECT_EQ(Rejoin(lines), QString::fromStdString("  1 " + clue));
        EXPECT_EQ(lines.size() > 1, clue.size() + 4 > 40) << clue;
    }
}

// No entry line runs below the bottom (less the bottom margin), however the
// entries wrap.
TEST(ManuscriptTest, EntriesStayAboveTheBottomMargin) {
    for (int margin : {0, 4}) {
        TPrintSettings settings;
        settings.BottomMargin = margin;
        TRig rig(MakePuzzle(23), settings);
        rig.Pages.PrintManuscript();
        EXPECT_GT(rig.Device.Page, 4);
        for (const TRecorded& t : EntryTexts(rig)) {
            if (t.Page == rig.Device.Page) continue; // the grid page
            EXPECT_LE(t.Box.y(), (rig.V.LinesPerPage - margin) * rig.V.LineHeight)
                << t.Str.toStdString();
        }
    }
}

// What each square of a printed grid shows, a row a line, squares apart by a
// space: '#' a black square, else the texts strictly inside it (a number
// before its letter), '.' none; a text touching its square's border adds '!'.
// The squares are the n x n rectangles after the grid's frame.
std::vector<std::string> SquareTexts(const fakes::TRecordingDevice& d, int n, QColor shade) {
    const std::vector<TRecorded> rects = d.Rects(d.Page);
    std::vector<std::string> cells(std::size_t(n * n));
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (rects.at(i + 1).Brush == shade) cells[i] = "#";
    for (const TRecorded& t : d.Texts(d.Page))
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const QRectF& square = rects[i + 1].Box;
            if (square.adjusted(1, 1, -1, -1).contains(t.Box))
                cells[i] += t.Str.toStdString();
            else if (square.intersects(t.Box))
                cells[i] += "!";
        }
    std::vector<std::string> rows(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < cells.size(); ++i)
        rows[i / std::size_t(n)] +=
            (i % std::size_t(n) ? " " : "") + (cells[i].empty() ? "." : cells[i]);
    return rows;
}

// Every number and letter of the grid pages in its square. Numbers sit at the
// top left; manuscript letters at the lower right, moved left only as far as
// a wide letter needs to keep clear of the border; solution letters centred.
TEST(GridPageTest, EachTypeShowsEveryNumberAndLetterInItsSquare) {
    const QRectF sampleFirst(867, 1432, 95, 95);
    const std::vector<std::string> alphabet = {"ABCDEF", "GHIJKL", "MNOPQR",
                                               "STUVWX", "YZABCD", "EFGHIJ"};
    const struct {
        std::vector<std::string> Puzzle;
        int Type;
        std::vector<std::string> Squares;
        QRectF First; // square (1,1)
    } rows[] = {
        {fakes::SampleRows,
         ManuscriptGrid,
         {"1S # 2P 3L U 4M #", "5O V A L # 6O 7X", "W # R # 8H E N", "# # 9T O E # #",
          "10B A Y # 11R I 12B", "E # 13O N E # O", "14D I G # 15D O G"},
         sampleFirst},
        {fakes::SampleRows, NumberedGrid, fakes::SampleNumbers, sampleFirst},
        {fakes::SampleRows,
         SolutionGridPage,
         {"S # P L U M #", "O V A L # O X", "W # R # H E N", "# # T O E # #", "B A Y # R I B",
          "E # O N E # O", "D I G # D O G"},
         sampleFirst},
        {alphabet,
         ManuscriptGrid,
         {"1A 2B 3C 4D 5E 6F", "7G H I J K L", "8M N O P Q R", "9S T U V W X", "10Y Z A B C D",
          "11E F G H I J"},
         {915, 1480, 95, 95}},
    };
    // Letters' offsets from their square's left edge: the lower-right place, a
    // narrow I nudged right, M and W moved left to end two pixels short of the border.
    const std::map<QString, int> letterX = {{"A", 56}, {"I", 60}, {"M", 51}, {"W", 46}};
    for (const auto& row : rows) {
        const int n = int(row.Puzzle.size());
        TRig rig(fakes::FromRows(row.Puzzle));
        rig.Content.ShadeColor = QColor(192, 192, 192);
        rig.Pages.PrintGrid(row.Type);
        EXPECT_EQ(SquareTexts(rig.Device, n, QColor(192, 192, 192)), row.Squares) << row.Type;
        const std::vector<TRecorded> rects = rig.Device.Rects();
        ASSERT_EQ(rects.size(), std::size_t(1 + n * n));
        EXPECT_EQ(rects[0].PenWidth, 4); // the frame
        EXPECT_EQ(rects[1].Box, row.First);
        const QRectF& first = row.First;
        for (const TRecorded& t : rig.Device.Texts()) {
            if (t.Box.y() < first.y()) continue; // the heading
            const QPointF in(std::fmod(t.Box.x() - first.x(), 95),
                             std::fmod(t.Box.y() - first.y(), 95));
            bool number = false;
            t.Str.toInt(&number);
            if (number) {
                EXPECT_EQ(in, QPointF(5, row.Type == ManuscriptGrid ? 3 : 4))
                    << t.Str.toStdString();
                EXPECT_EQ(t.Font.pointSize(), row.Type == ManuscriptGrid ? 8 : 9);
            } else if (row.Type == SolutionGridPage) {
                EXPECT_NEAR(in.x() + t.Box.width() / 2, 47.5, 1) << t.Str.toStdString();
            } else if (letterX.count(t.Str)) {
                EXPECT_EQ(in.x(), letterX.at(t.Str)) << t.Str.toStdString();
            }
        }
    }
}

// ---- The puzzle page ----

struct TPage {
    QRectF Frame; // the grid's frame
    int Width, Height;
};

TPage PrintPage(TRig& rig) {
    PrintPuzzlePage(rig.Job, rig.Content, "SUNDAY");
    for (const TRecorded& r : rig.Device.Rects())
        if (r.PenWidth == 2) return {r.Box, rig.Device.width(), rig.Device.height()};
    ADD_FAILURE() << "no frame";
    return {};
}

TEST(PuzzlePageTest, GridNumbersTakeAFontByTheGridSize) {
    const std::pair<int, int> rows[] = {{7, 7},  {11, 9}, {15, 9}, {17, 7},
                                        {19, 7}, {21, 7}, {23, 6}};
    for (auto [side, points] : rows) {
        TRig rig(MakePuzzle(side));
        const TPage page = PrintPage(rig);
        const TRecorded* one = rig.Device.Find("1");
        ASSERT_NE(one, nullptr);
        EXPECT_EQ(one->Box.topLeft(), page.Frame.topLeft() + QPointF(3 + 4, 2 + 2));
        EXPECT_EQ(one->Font.pointSize(), points) << side;
    }
}

// The sample's puzzle page: every grid number in its square; the title and
// every clue with its number, quotes made typographic.
TEST(PuzzlePageTest, TheSampleShowsEveryNumberAndClue) {
    TRig rig(fakes::SamplePuzzle());
    PrintPuzzlePage(rig.Job, rig.Content, "Sunday Special");
    EXPECT_EQ(SquareTexts(rig.Device, 7, Qt::black), fakes::SampleNumbers);
    std::vector<TRecorded> texts = rig.Device.Texts();
    // All but the grid's numbers.
    std::erase_if(texts,
                  [](const TRecorded& t) { return t.Font.family() == "Arial" && !t.Font.bold(); });
    EXPECT_EQ(PageLines(texts),
              "52 75:\u201CSunday Special\u201D  a Wordlatch puzzle; 142 75:ACROSS; "
              "186 113:2 159:Purple fruit; 230 113:5 159:Egg shape; 274 113:6 159:Yoke wearer; "
              "318 113:8 159:\u201CLayer\u201D on a farm; 362 113:9 159:Foot digit; "
              "406 94:10 159:Inlet; 450 95:11 159:Spare ___; 494 94:13 159:Single; "
              "538 94:14 159:Excavate; 582 94:15 159:Man\u2019s best friend; 670 75:DOWN; "
              "714 113:1; 758 113:2 159:Made-up word; 802 113:3; 846 113:4 159:Larry\u2019s pal; "
              "890 113:7; 934 113:8 159:Coined word; 978 94:10 159:Place to sleep; "
              "1022 94:12 159:Marsh");
}

// Every text of a page full of long clues: inside the page, the second column
// clear of the grid while beside it and wider below it, no line below the
// column bottom, DOWN never in a column's last three lines, overflow on
// further pages headed with the title, and every clue number printed.
TEST(PuzzlePageTest, ColumnsFlowAroundTheGridOntoFurtherPagesLosingNothing) {
    for (int side : {15, 21, 23}) {
        TRig rig(MakePuzzle(side));
        const TPage page = PrintPage(rig);
        const int m = 300 / 4, cw = (page.Width - 2 * m) / 5;
        const TRecorded* down = rig.Device.Find("DOWN");
        ASSERT_NE(down, nullptr);
        const int pitch = QFontMetrics(PrintFont("Arial", 9), &rig.Device).height() + 2;
        const int bottom = (page.Height / pitch - 2) * pitch;
        EXPECT_LE(down->Box.y() + 2 * pitch, bottom);
        int numbers = 0, widerBelow = 0;
        for (const TRecorded& t : rig.Device.Texts()) {
            EXPECT_GE(t.Box.left(), 0);
            EXPECT_LE(t.Box.right(), page.Width);
            EXPECT_LE(t.Box.bottom(), page.Height);
            if (t.Font.family() != "Times New Roman") continue;
            EXPECT_LE(t.Box.y(), bottom) << t.Str.toStdString();
            bool digits = false;
            t.Str.toInt(&digits);
            numbers += digits;
            const bool column2 = t.Page == 1 && t.Box.x() > m + cw && t.Box.x() < m + 2 * cw;
            if (column2 && t.Box.y() < page.Frame.bottom()) {
                EXPECT_LE(t.Box.right(), page.Frame.left());
            }
            if (column2 && t.Box.y() > page.Frame.bottom() && t.Box.right() > page.Frame.left())
                ++widerBelow;
        }
        int words = 0;
        for (const TNumberedSquare& s : NumberGrid(rig.Puzzle))
            words += bool(s.AcrossWord) + bool(s.DownWord);
        EXPECT_EQ(numbers, words);
        if (side == 23) {
            EXPECT_GT(widerBelow, 0);
            ASSERT_GE(rig.Device.Page, 2);
            const TRecorded* head = rig.Device.Find("SUNDAY / page 2", 2);
            ASSERT_NE(head, nullptr);
            EXPECT_EQ(head->Box.topLeft(), QPointF(m, pitch));
        }
    }
}

// The DOWN heading starts the next column when fewer than three lines are
// left, whatever the across list's length.
TEST(PuzzlePageTest, DownHeadingMovesToTheNextColumnNearTheBottom) {
    bool moved = false;
    for (int longClues = 0; longClues < 40 && !moved; ++longClues) {
        TRig rig(MakePuzzle(21, [&](int w) {
            return w % 7 < 2 && w < 3 * longClues ? fakes::SampleClue(1) : std::string("Tree");
        }));
        const TPage page = PrintPage(rig);
        const int pitch = QFontMetrics(PrintFont("Arial", 9), &rig.Device).height() + 2;
        const int bottom = (page.Height / pitch - 2) * pitch;
        const TRecorded* down = rig.Device.Find("DOWN");
        ASSERT_NE(down, nullptr);
        EXPECT_LE(down->Box.y() + 2 * pitch, bottom);
        // Moved by this rule: the last across line is in the previous column
        // with room for it below, but not for three more lines.
        const std::vector<TRecorded> texts = rig.Device.Texts();
        const auto at =
            std::find_if(texts.begin(), texts.end(), [](auto& t) { return t.Str == "DOWN"; });
        ASSERT_NE(at, texts.begin());
        const TRecorded& last = *(at - 1);
        moved = last.Box.x() < down->Box.x() && last.Box.y() + pitch <= bottom &&
                last.Box.y() + 4 * pitch > bottom;
    }
    EXPECT_TRUE(moved);
}

TEST(PuzzlePageTest, AWordWiderThanTheColumnIsHyphenated) {
    const std::string word(40, 'W');
    TRig rig(MakePuzzle(15, [&](int w) { return w == 1 ? word : std::string(); }));
    PrintPage(rig);
    std::vector<QString> lines;
    for (const TRecorded& t : rig.Device.Texts())
        if (t.Str.startsWith('W')) lines.push_back(t.Str);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_TRUE(lines[0].endsWith('-'));
    EXPECT_EQ(Rejoin(lines), QString::fromStdString(word));
}

} // namespace
} // namespace wl

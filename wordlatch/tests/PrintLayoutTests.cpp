// The print layouts drawn on a recording device: page numbers, entry lines and
// their wrapping, grid pages, and the puzzle page's columns, quotes and pages.
#include "OutputTestSupport.h"
#include "PuzzlePage.h"
#include "RecordingDevice.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

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
    EXPECT_NE(rig.Device.Find("Size of Grid: 15\u00D7", 1), nullptr);
    EXPECT_NE(rig.Device.Find("Black Squares: 0  ", 1), nullptr);
    EXPECT_NE(rig.Device.Find("Word Count: 30 ", 1), nullptr);
    EXPECT_EQ(rig.Device.Find("Size of Grid: 15\u00D7", 3), nullptr); // no statistics on grid pages
    EXPECT_NE(rig.Device.Find("  7 Tree"), nullptr);
    EXPECT_NE(rig.Device.Find(" 16 Tree"), nullptr);
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

TEST(ManuscriptTest, AnswersStandLeftWhenDefinitionsAreNotAtLeft) {
    TPrintSettings settings;
    settings.DefinitionsAtLeft = false;
    TRig rig(MakePuzzle(
                 11, [](int) { return std::string("Tree"); }, fakes::NoBlacks),
             settings);
    rig.Pages.PrintManuscript();
    const TRecorded* entry = rig.Device.Find("  1 Tree");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Box.x(), rig.V.LeftMargin + 29 * rig.V.MWidth);
    const TRecorded* answer =
        rig.Device.Find(QString::fromStdString(GetWord(rig.Puzzle, 1, 1, 'a')));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->Box.x(), rig.V.LeftMargin);
    EXPECT_EQ(answer->Box.y(), entry->Box.y());
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

struct TGridRow {
    int Type;
    bool Numbers, Letters;
    int NumberPoints;
};

TEST(GridPageTest, EachTypeShowsItsNumbersAndLetters) {
    const TGridRow rows[] = {{ManuscriptGrid, true, true, 8},
                             {NumberedGrid, true, false, 9},
                             {SolutionGridPage, false, true, 0}};
    for (const TGridRow& row : rows) {
        TRig rig(MakePuzzle(15));
        rig.Content.ShadeColor = QColor(192, 192, 192);
        rig.Pages.PrintGrid(row.Type);
        const int s = rig.V.PageWidth / 26 + 3;
        const int gx = (rig.V.PageWidth - 15 * s) / 2, gy = (rig.V.PageHeight - 15 * s) / 2 + 2 * s;
        const std::vector<TRecorded> rects = rig.Device.Rects();
        ASSERT_EQ(rects.size(), 1u + 225u);
        EXPECT_EQ(rects[0].PenWidth, 4);
        EXPECT_EQ(rects[1].Box, QRectF(gx, gy, s, s));
        int silver = 0;
        for (const TRecorded& r : rects) silver += r.Brush == QColor(192, 192, 192);
        int black = 0;
        for (int x = 1; x <= 15; ++x)
            for (int y = 1; y <= 15; ++y) black += rig.Puzzle.IsBlack(x, y);
        EXPECT_EQ(silver, black);

        const TRecorded* one = rig.Device.Find("1");
        EXPECT_EQ(one != nullptr, row.Numbers);
        if (one) {
            EXPECT_EQ(one->Font.pointSize(), row.NumberPoints);
            EXPECT_EQ(one->Box.topLeft(),
                      QPointF(gx + 5, gy + (row.Type == ManuscriptGrid ? 3 : 4)));
        }
        const QString letter(QChar(rig.Puzzle.Solution(1, 1)));
        const TRecorded* first = nullptr;
        const auto texts = rig.Device.Texts(); // kept: first points into it
        for (const TRecorded& t : texts)
            if (t.Str == letter && t.Box.x() > gx && t.Box.x() < gx + s && t.Box.y() < gy + s)
                first = &t;
        EXPECT_EQ(first != nullptr, row.Letters);
        if (first && row.Type == SolutionGridPage) {
            EXPECT_NEAR(first->Box.center().x(), gx + s / 2.0, 2);
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
    const std::pair<int, int> rows[] = {{11, 9}, {15, 9}, {17, 7}, {19, 7}, {21, 7}, {23, 6}};
    for (auto [side, points] : rows) {
        TRig rig(MakePuzzle(side));
        const TPage page = PrintPage(rig);
        const TRecorded* one = rig.Device.Find("1");
        ASSERT_NE(one, nullptr);
        EXPECT_EQ(one->Box.topLeft(), page.Frame.topLeft() + QPointF(3 + 4, 2 + 2));
        EXPECT_EQ(one->Font.pointSize(), points) << side;
    }
}

TEST(PuzzlePageTest, TitleAndCluesCarryTypographicQuotes) {
    TRig rig(MakePuzzle(
        11, [](int w) { return w == 1 ? std::string("\"Bard\" isn't") : std::string(); }));
    PrintPage(rig);
    EXPECT_NE(rig.Device.Find(QString::fromUtf8("\u201CSUNDAY\u201D  a Wordlatch puzzle")),
              nullptr);
    EXPECT_NE(rig.Device.Find(QString::fromUtf8("\u201CBard\u201D isn\u2019t")), nullptr);
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

// A full repaint copies prepared letter squares and draws the outlines as one
// batch; what the user sees must be the very pixels of drawing every square
// and its text one by one.
#include "GridPainter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace wl;

namespace {

// Every letter, "?", black and empty squares on a 13x13 grid.
TXwdPuzzle Sample() {
    TXwdPuzzle p{};
    p.GridSize = 13;
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 13; ++y) {
            const int i = (x - 1) * 13 + (y - 1);
            p.Solution(x, y) = i % 7 == 3    ? BlackSquare
                               : i % 11 == 5 ? UnknownLetter
                               : i % 13 == 8 ? NoLetter
                                             : std::uint8_t('A' + i % 26);
        }
    return p;
}

// Square by square: fill, outline, then the letter laid out as text.
void DrawOneByOne(QPainter& painter, const TXwdPuzzle& p, const TGridLook& look, int wordRow) {
    painter.setFont(look.Font);
    const QFontMetrics m = painter.fontMetrics();
    const int c = look.CellSize;
    const int offset = (c - m.height()) / 2;
    const auto square = [&](int x, int y, const QColor& fill) {
        const QRect outline((x - 1) * c, (y - 1) * c, c, c);
        painter.fillRect(outline.adjusted(0, 0, 1, 1), fill);
        painter.setPen(QPen(look.GridColor, 0));
        painter.drawRect(outline);
        const std::uint8_t b = p.Solution(x, y);
        if (b == BlackSquare || b == NoLetter) return;
        const QString text = b == UnknownLetter ? "?" : QString(QChar(b));
        painter.setPen(look.FontColor);
        painter.drawText(outline.left() + (c - m.horizontalAdvance(text)) / 2,
                         outline.top() + offset + m.ascent(), text);
    };
    for (int y = 1; y <= p.GridSize; ++y)
        for (int x = 1; x <= p.GridSize; ++x)
            square(x, y, p.IsBlack(x, y) ? look.GridColor : look.PaperColor);
    for (int x = 1; x <= p.GridSize && !p.IsBlack(x, wordRow); ++x)
        square(x, wordRow, HighlightColor);
}

QImage Canvas(int side, qreal ratio) {
    QImage image(int(side * ratio), int(side * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

TEST(GridRepaint, GivesThePixelsOfDrawingEachSquareAndItsText) {
    const TXwdPuzzle p = Sample();
    QFont times("Times New Roman");
    times.setPixelSize(18);
    times.setBold(true);
    struct TRow {
        int Cell;
        QColor Grid, Paper, Letters;
        QFont Font;
        qreal Ratio;
    };
    // Looks follow one another, so a letter prepared for one look must not
    // show in the next.
    const TRow rows[] = {
        {27, Qt::black, Qt::white, Qt::black, GridFont(), 1},
        {27, Qt::black, Qt::white, Qt::black, GridFont(), 2},
        {27, QColor(0, 0, 128), Qt::white, QColor(128, 0, 0), GridFont(), 1},
        {27, QColor(0, 0, 128), QColor(255, 255, 0), Qt::black, GridFont(), 1},
        {27, Qt::black, Qt::white, Qt::black, times, 1},
        {20, Qt::black, QColor(192, 192, 192), Qt::black, times, 2},
        {33, Qt::black, Qt::white, Qt::black, GridFont(), 1},
    };
    for (const TRow& row : rows) {
        const TGridLook look{row.Cell, row.Grid, row.Paper, row.Font, row.Letters};
        const int side = 13 * row.Cell + 1;
        QImage fast = Canvas(side, row.Ratio);
        {
            QPainter painter(&fast);
            TGridPainter grid(painter, p, ModeLetters, look);
            grid.Grid();
            grid.Word(1, 2, 1, HighlightColor);
        }
        QImage slow = Canvas(side, row.Ratio);
        {
            QPainter painter(&slow);
            DrawOneByOne(painter, p, look, 2);
        }
        EXPECT_TRUE(fast == slow) << row.Cell << " " << row.Font.family().toStdString() << " x"
                                  << row.Ratio;
    }
}

} // namespace

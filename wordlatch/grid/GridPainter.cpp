#include "GridPainter.h"

#include "Win1252.h"

#include <QFontMetrics>
#include <QPen>
#include <QString>

namespace wl {

QFont GridFont() {
    QFont font("Arial");
    font.setPointSize(11);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

char ShownChar(const TXwdPuzzle& puzzle, std::uint8_t mode, int x, int y) {
    if (mode == ModeSolve) return char(puzzle.Player(x, y));
    const std::uint8_t b = puzzle.Solution(x, y);
    return b == UnknownLetter ? '?' : char(b);
}

TGridPainter::TGridPainter(QPainter& painter, const TXwdPuzzle& puzzle, std::uint8_t mode,
                           const TGridLook& look)
    : Painter(painter), Puzzle(puzzle), Mode(mode), Look(look) {
    Painter.setFont(Look.Font);
    // Integer division truncating toward zero, as the layout is defined.
    TextOffset_ = (Look.CellSize - Painter.fontMetrics().height()) / 2;
}

void TGridPainter::Square(int x, int y, const QColor& fill) {
    const int c = Look.CellSize;
    const QRect outline((x - 1) * c, (y - 1) * c, c, c);
    // fillRect covers the outline's own pixels too; the pen then draws over them.
    Painter.fillRect(outline.adjusted(0, 0, 1, 1), fill);
    Painter.setPen(QPen(Look.GridColor, 0));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(outline);
}

void TGridPainter::Letter(int x, int y, char c, const QColor& colour) {
    if (c == 0 || c == ' ') return;
    const QString text = FromWin1252(std::string_view(&c, 1));
    const QFontMetrics metrics = Painter.fontMetrics();
    const int left =
        (x - 1) * Look.CellSize + (Look.CellSize - metrics.horizontalAdvance(text)) / 2;
    const int top = (y - 1) * Look.CellSize + TextOffset_;
    Painter.setPen(colour);
    Painter.drawText(left, top + metrics.ascent(), text);
}

void TGridPainter::Grid() {
    const int n = Puzzle.Side();
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x) {
            if (Puzzle.IsBlack(x, y)) {
                Square(x, y, Look.GridColor);
                continue;
            }
            Square(x, y, Look.PaperColor);
            Letter(x, y, ShownChar(Puzzle, Mode, x, y), Look.FontColor);
        }
}

void TGridPainter::Word(int x, int y, int direction, const QColor& fill) {
    ForEachWordSquare(Puzzle, x, y, direction == 1 ? 'a' : 'd', [&](int sx, int sy) {
        Square(sx, sy, fill);
        Letter(sx, sy, ShownChar(Puzzle, Mode, sx, sy), Look.FontColor);
    });
}

void TGridPainter::Answers() {
    const int n = Puzzle.Side();
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x) {
            const std::uint8_t player = Puzzle.Player(x, y);
            if (!Puzzle.IsBlack(x, y) && (player == 0 || player == UnknownLetter))
                Letter(x, y, char(Puzzle.Solution(x, y)), AnswerColor);
        }
}

void TGridPainter::Errors() {
    const int n = Puzzle.Side();
    const int c = Look.CellSize;
    QPen pen(ErrorColor, 2);
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x) {
            if (Puzzle.IsBlack(x, y) || Puzzle.Solution(x, y) == Puzzle.Player(x, y)) continue;
            Painter.setPen(pen);
            Painter.drawLine((x - 1) * c + 6, (y - 1) * c + 6, x * c - 5, y * c - 5);
            Painter.drawLine(x * c - 5, (y - 1) * c + 6, (x - 1) * c + 6, y * c - 5);
        }
}

} // namespace wl

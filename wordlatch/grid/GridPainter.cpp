#include "GridPainter.h"

#include "Win1252.h"

#include <QFontMetrics>
#include <QPen>
#include <QString>

#include <cmath>
#include <map>
#include <tuple>
#include <vector>

namespace wl {

namespace {

// Laying out a letter's text is the dearest part of a repaint, so each square
// with its letter is drawn once per look into a small image and copied after.
// An image is keyed by everything that decides its pixels.
using TTileKey = std::tuple<char, int, QString, QRgb, QRgb, qreal, int, int, int>;

std::map<TTileKey, QImage>& Tiles() {
    static std::map<TTileKey, QImage> tiles;
    return tiles;
}

// Room for the letters of a few looks (27 signs on white and on yellow for
// each); when full, the cache starts afresh.
constexpr std::size_t MaxTiles = 256;

QString Text(char c) {
    return FromWin1252(std::string_view(&c, 1));
}

} // namespace

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
    FontKey = Look.Font.key();
    // Integer division truncating toward zero, as the layout is defined.
    TextOffset_ = (Look.CellSize - Painter.fontMetrics().height()) / 2;
}

void TGridPainter::Square(int x, int y, const QColor& fill) {
    const int c = Look.CellSize;
    // fillRect covers the outline's own pixels too; the pen then draws over them.
    Painter.fillRect((x - 1) * c, (y - 1) * c, c + 1, c + 1, fill);
    Outline(x, y);
}

void TGridPainter::Outline(int x, int y) {
    const int c = Look.CellSize;
    Painter.setPen(QPen(Look.GridColor, 0));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect((x - 1) * c, (y - 1) * c, c, c);
}

void TGridPainter::Letter(int x, int y, char c, const QColor& colour) {
    if (c == 0 || c == ' ') return;
    const QString text = Text(c);
    const QFontMetrics metrics = Painter.fontMetrics();
    const int left =
        (x - 1) * Look.CellSize + (Look.CellSize - metrics.horizontalAdvance(text)) / 2;
    const int top = (y - 1) * Look.CellSize + TextOffset_;
    Painter.setPen(colour);
    Painter.drawText(left, top + metrics.ascent(), text);
}

const QImage* TGridPainter::Tile(const QColor& fill, char c) {
    // Only a copy at whole device pixels onto an image matches drawn text exactly.
    QPaintDevice* device = Painter.device();
    const qreal ratio = device->devicePixelRatioF();
    if (device->devType() != QInternal::Image || !Painter.worldTransform().isIdentity() ||
        ratio != std::floor(ratio) || Look.CellSize <= 0)
        return nullptr;
    const auto* target = static_cast<const QImage*>(device);
    const TTileKey key{c,
                       Look.CellSize,
                       FontKey,
                       Look.FontColor.rgba(),
                       fill.rgba(),
                       ratio,
                       int(target->format()),
                       target->dotsPerMeterY(),
                       int(Painter.renderHints())};
    auto& tiles = Tiles();
    if (const auto found = tiles.find(key); found != tiles.end()) return &found->second;
    if (tiles.size() >= MaxTiles) tiles.clear();

    const int side = Look.CellSize + 1;
    QImage tile(int(side * ratio), int(side * ratio), target->format());
    tile.setDevicePixelRatio(ratio);
    tile.setDotsPerMeterX(target->dotsPerMeterX());
    tile.setDotsPerMeterY(target->dotsPerMeterY());
    {
        QPainter p(&tile);
        p.setRenderHints(Painter.renderHints());
        p.fillRect(0, 0, side, side, fill);
        const QString text = Text(c);
        const QFontMetrics metrics = Painter.fontMetrics();
        p.setFont(Look.Font);
        p.setPen(Look.FontColor);
        p.drawText((Look.CellSize - metrics.horizontalAdvance(text)) / 2,
                   TextOffset_ + metrics.ascent(), text);
    }
    return &tiles.emplace(key, std::move(tile)).first->second;
}

void TGridPainter::Body(int x, int y, const QColor& fill, char c) {
    const int cell = Look.CellSize;
    const QPoint corner((x - 1) * cell, (y - 1) * cell);
    if (c == 0 || c == ' ') {
        Painter.fillRect(QRect(corner, QSize(cell + 1, cell + 1)), fill);
    } else if (const QImage* tile = Tile(fill, c)) {
        Painter.drawImage(corner, *tile);
    } else {
        Painter.fillRect(QRect(corner, QSize(cell + 1, cell + 1)), fill);
        Letter(x, y, c, Look.FontColor);
    }
}

void TGridPainter::Grid() {
    const int n = Puzzle.Side();
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x <= n; ++x) {
            if (Puzzle.IsBlack(x, y))
                Body(x, y, Look.GridColor, 0);
            else
                Body(x, y, Look.PaperColor, ShownChar(Puzzle, Mode, x, y));
        }
    // The outlines all squares share, as one batch of lines.
    const int end = n * Look.CellSize;
    std::vector<QLine> lines;
    lines.reserve(std::size_t(2 * (n + 1)));
    for (int i = 0; i <= n; ++i) {
        const int at = i * Look.CellSize;
        lines.emplace_back(at, 0, at, end);
        lines.emplace_back(0, at, end, at);
    }
    Painter.setPen(QPen(Look.GridColor, 0));
    Painter.drawLines(lines.data(), int(lines.size()));
}

void TGridPainter::Word(int x, int y, int direction, const QColor& fill) {
    ForEachWordSquare(Puzzle, x, y, direction == 1 ? 'a' : 'd', [&](int sx, int sy) {
        Body(sx, sy, fill, ShownChar(Puzzle, Mode, sx, sy));
        Outline(sx, sy);
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

// Drawing of the crossword grid on any paint device: the window's canvas, an
// image in a test or benchmark. Takes the record and the geometry, never a widget.
#pragma once

#include "DemoProcsUnit.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>

#include <array>
#include <cstdint>

namespace wl {

inline const QColor HighlightColor{255, 255, 0};
inline const QColor AnswerColor{128, 128, 128};
inline const QColor ErrorColor{255, 0, 0};
// Colours 1..8 of the celebration, as element 0..7.
inline const std::array<QColor, 8> CelebratePalette{
    QColor(128, 0, 0), QColor(128, 0, 128), QColor(0, 128, 128), QColor(255, 0, 0),
    QColor(0, 255, 0), QColor(0, 0, 255),   QColor(255, 0, 255), QColor(0, 255, 255)};

// Colours, letter font and square size of one drawing.
struct TGridLook {
    int CellSize = 0;
    QColor GridColor = Qt::black;
    QColor PaperColor = Qt::white;
    QFont Font;
    QColor FontColor = Qt::black;
};

// The letter font of the grid: Arial, 11 points, regular.
QFont GridFont();

// The colours and letter font the preferences chose for the grid window.
struct TGridStyle {
    QColor GridColor = Qt::black;  // outlines and black squares
    QColor PaperColor = Qt::white; // white squares
    QFont Font = GridFont();
};

// The character a white square shows: the player's letter in solve mode, else
// the answer with UnknownLetter as "?". 0 shows nothing. 1 <= x, y <= 23.
char ShownChar(const TXwdPuzzle& puzzle, std::uint8_t mode, int x, int y);

// Paints squares and letters of one puzzle with one painter. Squares are
// addressed (x, y) from 1; square (x, y) covers the pixels from
// ((x-1)*CellSize, (y-1)*CellSize) to (x*CellSize, y*CellSize), outline included,
// so neighbours share their outline.
class TGridPainter {
public:
    TGridPainter(QPainter& painter, const TXwdPuzzle& puzzle, std::uint8_t mode,
                 const TGridLook& look);

    // Top of a letter inside its square: the font's line height centred.
    int TextOffset() const { return TextOffset_; }

    // The square's outline in GridColor, filled with `fill`.
    void Square(int x, int y, const QColor& fill);
    // `c` centred at the square's letter position, drawn over what is there;
    // bytes 0 and 32 draw nothing.
    void Letter(int x, int y, char c, const QColor& colour);
    // Every square, rows top to bottom, with the letters it shows.
    void Grid();
    // From square (x, y) to the end of its word across (direction 1) or down
    // (any other direction): squares filled with `fill` and their letters.
    void Word(int x, int y, int direction, const QColor& fill);
    // The answer in grey on every white square the player has not filled.
    void Answers();
    // A red cross, pen width 2, on every white square whose player letter
    // differs from the answer.
    void Errors();

private:
    // The square filled with `fill` and its letter `c` in FontColor, outline aside.
    void Body(int x, int y, const QColor& fill, char c);
    // The square's outline in GridColor.
    void Outline(int x, int y);
    // A square of `fill` with `c` on it, as an image to copy to the device;
    // null where copying would not give the very pixels of drawn text.
    const QImage* Tile(const QColor& fill, char c);

    QPainter& Painter;
    const TXwdPuzzle& Puzzle;
    std::uint8_t Mode;
    TGridLook Look;
    QString FontKey;
    int TextOffset_ = 0;
};

} // namespace wl

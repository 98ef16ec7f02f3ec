// The grid statistics of the main window's information box, and the window
// arrangement of Auto Arrange. Pure functions of their inputs.
#pragma once

#include "DemoProcsUnit.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace wl {

// The usual number of black squares for a grid of side n: (n x n) div 6.
int BlackSquarePar(int n);
// The usual number of words: 40, 56, 78, 100, 120, 140, 170 for n = 11 .. 23.
// The larger sides stay below MaxWords, the most a puzzle may hold.
int WordPar(int n);

struct TGridCounts {
    int BlackSquares = 0;
    int Words = 0;
};
TGridCounts CountGrid(const TXwdPuzzle& puzzle);

// Three lines joined by CR LF: "Size of Grid: 15×", "Black Squares: 4  Par: 37",
// "Word Count: 30  Par: 78".
QString SpecificationsText(const TXwdPuzzle& puzzle);

// Where the windows go. All sizes are outer sizes (frame included).
struct TArrangement {
    QPoint Grid;
    QPoint Main;
    QRect Clues; // used in solve mode only
};
// Preset 1 is Auto Arrange: the grid at the left, the main window top right,
// the clue list below it. Preset 2 swaps the main window and the clue list,
// 3 and 4 mirror 2 and 1 left to right.
TArrangement ArrangeWindows(QSize screen, QSize grid, QSize main, int preset = 1);

} // namespace wl

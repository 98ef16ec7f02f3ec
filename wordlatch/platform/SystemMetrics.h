// The screen measures the windows are sized from, and the grid square size.
#pragma once

namespace wl {

struct TSystemMetrics {
    int FullScreenHeight = 0;   // client height of a full-screen window (usable height)
    int MenuHeight = 0;         // one line of menu bar
    int CaptionHeight = 0;      // a normal window's caption
    int SmallCaptionHeight = 0; // a tool window's caption
};

// The measures of the primary screen and the current style. Needs a QApplication.
TSystemMetrics QtSystemMetrics();

// The side of one grid square: the largest grid (23 squares) fills the usable
// height below a menu bar. Never below 1.
int CellSizeFor(const TSystemMetrics& m);

} // namespace wl

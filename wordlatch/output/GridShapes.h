// The exported grid as a list of squares, computed once from the record and the
// choices; the SVG and PNG pictures, the EPS file and the RTF table all draw
// from it, so every export shows the same grid. Standard C++ only; text stays
// in the record's Windows-1252 bytes.
#pragma once

#include "DemoProcsUnit.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wl {

// What an export shows, as the printed grids do: the blank grid with its
// numbers or the solution with its letters; black squares black or silver.
struct TExportLook {
    bool Solution = false;
    bool Gray = false;
};

inline constexpr std::uint8_t WhiteLevel = 255;
inline constexpr std::uint8_t SilverLevel = 192;
inline constexpr std::uint8_t BlackLevel = 0;

// Grey level of the black squares' fill in `look`.
inline std::uint8_t BlackFill(const TExportLook& look) {
    return look.Gray ? SilverLevel : BlackLevel;
}

// One square of the grid, in reading order. Number and Letter are empty where
// the look shows none.
struct TGridSquare {
    int X = 0; // 1..side, as in the record
    int Y = 0;
    bool Black = false;
    std::uint8_t Fill = WhiteLevel; // grey level of the fill; the outline is black
    std::string Number;             // digits at the top-left
    std::string Letter;             // one byte, centred
};

struct TGridShapes {
    int Side = 0;
    std::vector<TGridSquare> Squares; // Side x Side, row by row
};

TGridShapes GridShapes(const TXwdPuzzle& puzzle, const TExportLook& look);

// The pictures' geometry in picture units (a CSS pixel in SVG, a point in EPS):
// squares of 30 a side on a margin of 1, their outlines 1 wide and shared.
inline constexpr int PictureSquare = 30;
// Both texts are bold sans serif at these sizes (Arial on screen, Helvetica in
// PostScript: the same widths and line metrics).
inline constexpr int NumberSize = 12;
inline constexpr int LetterSize = 22;
// Baselines below the square's top. A number's line starts 1 below the top
// (ascent 11 at 12 units); a letter's line, 25 high with ascent 20 at 22
// units, is centred in the square.
inline constexpr int NumberBaseline = 1 + 11;
inline constexpr int LetterBaseline = (PictureSquare - 25) / 2 + 20;
// A number starts this far right of the square's left edge.
inline constexpr int NumberInset = 2;

inline int PictureSide(int gridSide) {
    return gridSide * PictureSquare + 2;
}
// Left (or top) edge of column (or row) i, from 1.
inline int SquareEdge(int i) {
    return 1 + PictureSquare * (i - 1);
}

} // namespace wl

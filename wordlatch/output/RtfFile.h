// The puzzle as RTF for word processors: the grid as a table of square cells,
// then the clues; and the grid alone, for the clipboard, as RTF and as text.
#pragma once

#include "DemoProcsUnit.h"
#include "GridShapes.h"

#include <QByteArray>
#include <QString>

namespace wl {

// The title, the grid, then "Across" and "Down" with every clue as "N. text"
// in the order of the numbering walk.
QByteArray PuzzleRtf(const TXwdPuzzle& puzzle, const TExportLook& look, const QString& title);
// The grid's table alone as a document.
QByteArray GridRtf(const TXwdPuzzle& puzzle, const TExportLook& look);
// A row a line, each ending in CR LF: '#' a black square, else its letter or '.'.
QString GridText(const TXwdPuzzle& puzzle, const TExportLook& look);

} // namespace wl

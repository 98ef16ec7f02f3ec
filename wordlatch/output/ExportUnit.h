// TExportForm: the export module. Puts the open puzzle on the system clipboard:
// the empty numbered grid or the solution as a picture or as an RTF table, the
// clues as text. The same picture as the contents of an SVG file.
#pragma once

#include "DemoProcsUnit.h"
#include "GridShapes.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QWidget>

namespace wl {

inline constexpr int NumberedPicture = 1;
inline constexpr int SolutionPicture = 2;
// The PNG beside the vector picture has this many pixels a unit, so it stays
// crisp where a program pastes the bitmap.
inline constexpr int PngScale = 4;

// The grid as an SVG picture of GridSize x 30 + 2 units a side, its title
// `title` (the file name), its description "Wordlatch4".
QByteArray GridSvg(const TXwdPuzzle& puzzle, const TExportLook& look, const QString& title);
// The same with black squares; kind 1 the numbered grid, 2 the solution.
QByteArray GridPicture(const TXwdPuzzle& puzzle, int kind, const QString& creator);

// A module without a window of its own: the widget is never shown.
class TExportForm : public QWidget {
    Q_OBJECT
public:
    explicit TExportForm(const TDemProcs& procs);

    // Kind 1 the numbered grid, 2 the solution; offered as SVG and as a PNG
    // of the same drawing.
    void GridToClipboard(int kind, const QString& creator);
    // The grid as an RTF table (text/rtf) and as plain text, a row a line.
    void GridRtfToClipboard(const TExportLook& look);
    // The across and down lists as plain text with CR LF line ends.
    void CluesToClipboard();

private:
    const TDemProcs& Procs;
};

} // namespace wl

// TExportForm: the export module. Puts the open puzzle on the system clipboard:
// the empty numbered grid or the solution as a picture, the clues as text.
#pragma once

#include "DemoProcsUnit.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QWidget>

namespace wl {

inline constexpr int NumberedPicture = 1;
inline constexpr int SolutionPicture = 2;
// Side of one square of the picture, in picture units.
inline constexpr int PictureSquare = 30;
// The PNG beside the vector picture has this many pixels a unit, so it stays
// crisp where a program pastes the bitmap.
inline constexpr int PngScale = 4;

// The grid as an SVG picture of GridSize x 30 + 2 units a side, its title the
// creator (the file name), its description "Wordlatch4".
QByteArray GridPicture(const TXwdPuzzle& puzzle, int kind, const QString& creator);

// A module without a window of its own: the widget is never shown.
class TExportForm : public QWidget {
    Q_OBJECT
public:
    explicit TExportForm(const TDemProcs& procs);

    // Kind 1 the numbered grid, 2 the solution; offered as SVG and as a PNG
    // of the same drawing.
    void GridToClipboard(int kind, const QString& creator);
    // The across and down lists as plain text with CR LF line ends.
    void CluesToClipboard();

private:
    const TDemProcs& Procs;
};

} // namespace wl

// The grid as an Encapsulated PostScript file, for page-layout programs.
#pragma once

#include "DemoProcsUnit.h"
#include "GridShapes.h"

#include <QByteArray>
#include <QString>

namespace wl {

// One page the size of the SVG picture, a point a picture unit, its bounding
// box the whole picture. Texts are Helvetica-Bold, one of the fonts every
// PostScript device has, so nothing is embedded; the font is re-encoded to
// Windows-1252, the record's own code page. `title` goes to %%Title.
QByteArray GridEps(const TXwdPuzzle& puzzle, const TExportLook& look, const QString& title);

} // namespace wl

// Icons drawn from SVG pictures by Qt's SVG renderer at every size asked for,
// without the icon engine plug-in: loading that plug-in and the image format
// plug-ins it pulls in cost the start-up more than the drawing does.
#pragma once

#include <QIcon>
#include <QString>

namespace wl {

// An icon of the SVG picture at `path` (a resource or a file): fitted into the
// size asked for with its aspect kept; disabled, active and selected looks are
// the style's, made from the normal one.
QIcon SvgIcon(const QString& path);

} // namespace wl

// The program's own pictures: tool button glyphs and the logo, drawn from SVG so
// they stay crisp at any screen scale.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace wl {

inline constexpr QSize LogoSize{227, 146};

// A tool button glyph by its bitmap name: "MOUSEACR", "MOUSEDWN", "ONSYMMETRY",
// "OFFSYMMETRY", "CHEAT", "SQUARES", "LETTERS", "AUTOCLUE".
QIcon ToolGlyph(const QString& name);

// The logo picture at LogoSize, rendered for the given device pixel ratio.
QPixmap LogoPixmap(qreal devicePixelRatio);

} // namespace wl

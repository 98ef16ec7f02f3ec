#include "Artwork.h"
#include "SvgIcon.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace wl {

QIcon ToolGlyph(const QString& name) {
    return SvgIcon(":/toolbar/" + name + ".svg");
}

// Drawn once per pixel ratio: the main window and the about box show the same logo.
QPixmap LogoPixmap(qreal devicePixelRatio) {
    const QString key = QStringLiteral("wordlatch-logo-%1").arg(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap = QPixmap(LogoSize * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/logo/logo.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace wl

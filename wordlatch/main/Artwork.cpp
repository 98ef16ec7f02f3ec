#include "Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace wl {

QIcon ToolGlyph(const QString& name) {
    return QIcon(":/toolbar/" + name + ".svg");
}

QPixmap LogoPixmap(qreal devicePixelRatio) {
    QPixmap pixmap(LogoSize * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/logo/logo.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace wl

#include "SvgIcon.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace wl {

namespace {

class TSvgIconEngine : public QIconEngine {
public:
    explicit TSvgIconEngine(const QString& path) : Path(path) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) Svg = file.readAll();
    }

    QIconEngine* clone() const override { return new TSvgIconEngine(*this); }
    QString key() const override { return QStringLiteral("wordlatch-svg"); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return Fitted(QSvgRenderer(Svg), size);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const QString cacheKey =
            QStringLiteral("wordlatch-svg-icon-%1-%2x%3-%4").arg(Path).arg(size.width()).arg(size.height()).arg(int(mode));
        QPixmap pm;
        if (QPixmapCache::find(cacheKey, &pm)) return pm;
        QSvgRenderer renderer(Svg);
        const QSize fitted = Fitted(renderer, size);
        if (!renderer.isValid() || fitted.isEmpty()) return {};
        QImage image(fitted, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        pm = QPixmap::fromImage(image);
        if (mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pm, &option);
            if (!generated.isNull()) pm = generated;
        }
        QPixmapCache::insert(cacheKey, pm);
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(rect.size() * ratio, mode, state);
        if (pm.isNull()) return;
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }

private:
    static QSize Fitted(const QSvgRenderer& renderer, const QSize& size) {
        QSize fitted = renderer.defaultSize();
        if (!fitted.isNull()) fitted.scale(size, Qt::KeepAspectRatio);
        return fitted;
    }

    QString Path;
    QByteArray Svg;
};

} // namespace

QIcon SvgIcon(const QString& path) {
    return QIcon(new TSvgIconEngine(path));
}

} // namespace wl

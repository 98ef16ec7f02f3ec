#include "DeferredIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace puzzles {

namespace {

// The base style's icon, read on the first request for a picture or a size. A
// stand-in is never empty: the styles draw these buttons with an icon of their own.
class TDeferredIcon : public QIconEngine {
public:
    TDeferredIcon(QStyle* base, QStyle::StandardPixmap which, Qt::LayoutDirection direction)
        : Base(base), Which(which), Direction(direction) {}

    // Drawn as the style's own icons draw themselves: their picture for the rectangle's
    // device pixels, into the rectangle (a second QIcon::paint would align it twice).
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const QPaintDevice* device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, Real().pixmap(rect.size(), ratio, mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Real().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Real().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new TDeferredIcon(*this); }

private:
    const QIcon& Real() {
        if (Icon.isNull() && Base) {
            QStyleOption option;
            option.direction = Direction; // as when the icon was asked for
            Icon = Base->standardIcon(Which, &option);
        }
        return Icon;
    }

    QPointer<QStyle> Base;
    QStyle::StandardPixmap Which;
    Qt::LayoutDirection Direction;
    QIcon Icon;
};

class TDeferredIconsStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        const auto direction = option ? option->direction : QGuiApplication::layoutDirection();
        return QIcon(new TDeferredIcon(baseStyle(), which, direction));
    }
};

} // namespace

void InstallDeferredExtensionIcons(QApplication& app) {
    app.setStyle(new TDeferredIconsStyle);
}

} // namespace puzzles

#include "SystemMetrics.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <algorithm>

namespace wl {

namespace {

int TitleBarHeight(Qt::WindowFlags flags) {
    QStyleOptionTitleBar option;
    option.titleBarFlags = flags;
    option.fontMetrics = QFontMetrics(QApplication::font());
    return QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight, &option);
}

} // namespace

TSystemMetrics QtSystemMetrics() {
    QMenuBar bar;
    bar.addMenu(QStringLiteral("&File"));
    TSystemMetrics m;
    m.CaptionHeight = TitleBarHeight(Qt::Window);
    m.SmallCaptionHeight = TitleBarHeight(Qt::Tool);
    m.MenuHeight = bar.sizeHint().height();
    // The client area of a maximised window: the usable screen below its caption.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int usable = screen ? screen->availableGeometry().height() : 0;
    m.FullScreenHeight = std::max(0, usable - m.CaptionHeight);
    return m;
}

int CellSizeFor(const TSystemMetrics& m) {
    return std::max(1, (m.FullScreenHeight - m.MenuHeight) / 23);
}

} // namespace wl

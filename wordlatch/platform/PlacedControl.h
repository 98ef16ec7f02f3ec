// A control at a fixed place in its dialog, named as tests and accessibility
// tools find it, with its caption where it takes one.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace wl {

template <class T>
T* Control(QWidget* parent, const char* name, QRect geometry, const QString& caption = {}) {
    auto* w = new T(parent);
    w->setObjectName(name);
    w->setGeometry(geometry);
    if (caption.isEmpty()) return w;
    if constexpr (requires { w->setText(caption); })
        w->setText(caption);
    else if constexpr (requires { w->setTitle(caption); })
        w->setTitle(caption);
    return w;
}

} // namespace wl

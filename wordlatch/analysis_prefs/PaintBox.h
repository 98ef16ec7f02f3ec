// A paint box: a plain area that its owner draws on at every paint request.
#pragma once

#include <QPainter>
#include <QWidget>
#include <functional>

namespace wl {

class TPaintBox : public QWidget {
public:
    using QWidget::QWidget;
    // Draws on the box; its background is whatever lies beneath it.
    std::function<void(QPainter&)> OnPaint;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (OnPaint) OnPaint(painter);
    }
};

} // namespace wl

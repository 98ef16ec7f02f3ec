#include "ColorGrid.h"

#include <QMouseEvent>
#include <QPainter>

namespace wl {

const std::array<QColor, 16> TColorGrid::Colors{
    QColor(0, 0, 0),       QColor(128, 0, 0),   QColor(0, 128, 0),   QColor(128, 128, 0),
    QColor(0, 0, 128),     QColor(128, 0, 128), QColor(0, 128, 128), QColor(128, 128, 128),
    QColor(192, 192, 192), QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(255, 255, 0),
    QColor(0, 0, 255),     QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 255, 255)};

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect TColorGrid::CellRect(int index) const {
    const int w = width() / 4, h = height() / 4;
    return {index % 4 * w, index / 4 * h, w, h};
}

QColor TColorGrid::ColorAt(QPoint point) const {
    for (int i = 0; i < 16; ++i)
        if (CellRect(i).contains(point)) return Colors[std::size_t(i)];
    return {};
}

void TColorGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int i = 0; i < 16; ++i) {
        // A sunken cell: dark edge at the top left, light at the bottom right.
        const QRect cell = CellRect(i).adjusted(1, 1, -1, -1);
        painter.fillRect(cell, Colors[std::size_t(i)]);
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(cell.topLeft(), cell.topRight());
        painter.drawLine(cell.topLeft(), cell.bottomLeft());
        painter.setPen(Qt::white);
        painter.drawLine(cell.bottomLeft(), cell.bottomRight());
        painter.drawLine(cell.topRight(), cell.bottomRight());
    }
}

void TColorGrid::mousePressEvent(QMouseEvent* event) {
    const QColor color = ColorAt(event->position().toPoint());
    if (color.isValid() &&
        (event->button() == Qt::LeftButton || event->button() == Qt::RightButton))
        emit ColorClicked(color, event->button());
}

} // namespace wl

// A grid of the 16 standard colours, four by four, that reports which colour
// was clicked with which mouse button. It marks no current colour.
#pragma once

#include <QColor>
#include <QWidget>
#include <array>

namespace wl {

class TColorGrid : public QWidget {
    Q_OBJECT
public:
    explicit TColorGrid(QWidget* parent = nullptr);

    // Rows top to bottom, four colours each.
    static const std::array<QColor, 16> Colors;
    // The colour under a point of the grid; invalid outside it.
    QColor ColorAt(QPoint point) const;

signals:
    void ColorClicked(const QColor& color, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect CellRect(int index) const;
};

} // namespace wl

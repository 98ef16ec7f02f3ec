// Small drawing controls of the game window: pictures painted from SVG resources and the
// straight lines of the gallows. Both are transparent outside what they draw, so the stage
// pictures stack in creation order (later siblings paint over earlier ones).
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <future>

namespace hangman {

// Positions and sizes of the window are designed in twips; 15 twips make one pixel at 96 dpi.
constexpr int twips(int t) {
    return (t >= 0 ? t + 7 : t - 7) / 15;
}
QRect twipsRect(int left, int top, int width, int height);

// A picture control: paints its SVG scaled to its whole area. A missing resource paints nothing.
// The SVG is drawn once per size into an image that later paints reuse; pictures still hidden
// at start-up cost nothing then.
class Picture : public QWidget {
public:
    Picture(const QString& resource, QWidget* parent);
    bool hasArt();

    // Draws the given pictures at their present sizes on a second thread, one after the
    // other, so their first paint finds them drawn. The returned future ends that thread;
    // it must be finished (destroyed) before the pictures are.
    static std::future<void> drawAhead(const QList<Picture*>& pictures);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString resource_;
    std::future<QImage> ahead_;
    QImage drawn_;
};

// A line control from one point to another (client pixels), drawn with a pen of `penWidth`
// pixels. The widget covers the line's bounding box widened by the pen.
class GallowsLine : public QWidget {
public:
    GallowsLine(QPoint from, QPoint to, int penWidth, QWidget* parent);
    QPoint from() const { return lineFrom; }
    QPoint to() const { return lineTo; }
    int penWidth() const { return width_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint lineFrom, lineTo;
    int width_;
};

} // namespace hangman

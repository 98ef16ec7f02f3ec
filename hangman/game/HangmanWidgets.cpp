#include "HangmanWidgets.h"

#include <QPainter>

namespace hangman {

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), resource_(resource) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSvgRenderer& Picture::art() {
    if (!renderer_) renderer_ = std::make_unique<QSvgRenderer>(resource_);
    return *renderer_;
}

bool Picture::hasArt() {
    return art().isValid();
}

void Picture::paintEvent(QPaintEvent*) {
    if (!art().isValid()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    art().render(&painter, QRectF(rect()));
}

GallowsLine::GallowsLine(QPoint from, QPoint to, int penWidth, QWidget* parent)
    : QWidget(parent), lineFrom(from), lineTo(to), width_(penWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int grow = (penWidth + 1) / 2;
    setGeometry(QRect(from, to).normalized().adjusted(-grow, -grow, grow, grow));
}

void GallowsLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Weathered timber brown, square ends so the beam meets the post cleanly.
    painter.setPen(QPen(QColor(92, 58, 30), width_, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(lineFrom - pos(), lineTo - pos());
}

} // namespace hangman

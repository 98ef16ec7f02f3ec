#include "HangmanWidgets.h"

#include <QPainter>
#include <QSvgRenderer>

namespace hangman {

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

namespace {

// The SVG at `resource` drawn over a transparent image of `pixels` at pixel ratio `ratio`.
QImage drawSvg(const QString& resource, QSize pixels, qreal ratio) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid() || pixels.isEmpty()) return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(), QSizeF(pixels) / ratio));
    return image;
}

} // namespace

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), resource_(resource) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool Picture::hasArt() {
    return QSvgRenderer(resource_).isValid();
}

std::future<void> Picture::drawAhead(const QList<Picture*>& pictures) {
    struct Job {
        QString resource;
        QSize pixels;
        qreal ratio;
        std::promise<QImage> drawn;
    };
    std::vector<Job> jobs;
    for (Picture* picture : pictures) {
        const qreal ratio = picture->devicePixelRatioF();
        jobs.push_back({picture->resource_, picture->size() * ratio, ratio, {}});
        picture->ahead_ = jobs.back().drawn.get_future();
    }
    return std::async(std::launch::async, [jobs = std::move(jobs)]() mutable {
        for (Job& job : jobs) job.drawn.set_value(drawSvg(job.resource, job.pixels, job.ratio));
    });
}

void Picture::paintEvent(QPaintEvent*) {
    if (ahead_.valid()) drawn_ = ahead_.get();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (drawn_.size() != pixels || drawn_.devicePixelRatio() != ratio)
        drawn_ = drawSvg(resource_, pixels, ratio);
    if (drawn_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(QPointF(), drawn_);
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

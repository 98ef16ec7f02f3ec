#include "PrintCanvas.h"

#include "Win1252.h"

#include <QFontMetrics>
#include <QPaintDevice>

namespace wl {

TPrintJob::TPrintJob(QPaintDevice& device, std::function<bool()> newPage)
    : Target(device), NewPage(std::move(newPage)) {}

TPrintJob::~TPrintJob() {
    if (Canvas.isActive()) Canvas.end();
}

void TPrintJob::NextPage() {
    if (!Open) {
        if (!Canvas.begin(&Target)) throw EPrintError("The printer could not start the print job.");
        Open = true;
    } else if (!NewPage()) {
        throw EPrintError("The printer could not start a new page.");
    }
    ++Page;
    Canvas.setPen(QPen(Qt::black, 1));
    Canvas.setBrush(Qt::white);
}

void TPrintJob::End() {
    if (!Open) return;
    Open = false;
    if (!Canvas.end()) throw EPrintError("The printer could not finish the print job.");
}

int TPrintJob::PageWidth() const {
    return Target.width();
}

int TPrintJob::PageHeight() const {
    return Target.height();
}

QFont PrintFont(const char* family, int pointSize, bool bold) {
    QFont f(family, pointSize, bold ? QFont::Bold : QFont::Normal);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

QFont CourierFont(bool bold) {
    QFont f = PrintFont("Courier New", 12, bold);
    f.setStyleHint(QFont::Monospace);
    return f;
}

TLayoutValues MeasureLayout(QPaintDevice& device) {
    const QFontMetrics fm(CourierFont(), &device);
    TLayoutValues v;
    v.PageWidth = device.width();
    v.PageHeight = device.height();
    v.MWidth = fm.horizontalAdvance('M');
    v.LineHeight = fm.height() + 5;
    v.LeftMargin = (v.PageWidth - 69 * v.MWidth) / 2;
    v.WrapWidth = 40 * v.MWidth;
    v.LinesPerPage = v.PageHeight / v.LineHeight - 2;
    return v;
}

int TextWidth(QPainter& p, const QString& text) {
    return p.fontMetrics().horizontalAdvance(text);
}

int TextHeight(QPainter& p) {
    return p.fontMetrics().height();
}

void TextOut(QPainter& p, int x, int y, const QString& text) {
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
}

void TextOut(QPainter& p, int x, int y, std::string_view bytes) {
    TextOut(p, x, y, FromWin1252(bytes));
}

void Rectangle(QPainter& p, int x1, int y1, int x2, int y2) {
    p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void SetPenWidth(QPainter& p, int width) {
    QPen pen = p.pen();
    pen.setWidth(width);
    p.setPen(pen);
}

} // namespace wl

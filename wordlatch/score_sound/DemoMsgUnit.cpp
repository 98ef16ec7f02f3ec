#include "DemoMsgUnit.h"

#include "WaitFor.h"

#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QShowEvent>

namespace wl {

TInfoPanel::TInfoPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("Panel1");
    setGeometry(0, 0, 194, 69);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    QFont font("Arial");
    font.setPixelSize(15);
    font.setBold(true);
    font.setItalic(true);
    setFont(font);
}

void TInfoPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    // Measured by hand: text layout would let trailing spaces hang past the edge.
    const QRect inside = contentsRect();
    const int width = painter.fontMetrics().horizontalAdvance(Caption);
    painter.drawText(QRect(inside.right() + 1 - width, inside.top(), width, inside.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, Caption);
}

TInfoWin::TInfoWin(QWidget* gridWindow, IWaiter& waiter)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      GridWindow(gridWindow), Waiter(waiter) {
    setObjectName("InfoWin");
    setFixedSize(194, 69);
    setAttribute(Qt::WA_ShowWithoutActivating); // the user's typing stays where it was
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    grey.setColor(QPalette::WindowText, QColor(0, 0, 128));
    grey.setColor(QPalette::Light, Qt::white);
    grey.setColor(QPalette::Dark, QColor(128, 128, 128));
    setPalette(grey);

    Panel1 = new TInfoPanel(this);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName("Image1");
    Image1->setGeometry(14, 19, 34, 31);
}

QString TInfoWin::InfoText(std::uint8_t kind) {
    switch (kind) {
    case InfoSaving:
        return QStringLiteral("Saving puzzle ...    ");
    case InfoPrinting:
        return QStringLiteral("Printing puzzle ...   ");
    case InfoExporting:
        return QStringLiteral("Exporting puzzle ...  ");
    default:
        return {};
    }
}

QString TInfoWin::PictureName(std::uint8_t kind) {
    return kind == InfoPrinting ? QStringLiteral("PRINT") : QStringLiteral("SAVE");
}

void TInfoWin::showEvent(QShowEvent* event) {
    Panel1->Caption = InfoText(InfoKind);
    Panel1->update();
    Image1->setPixmap(QPixmap(":/" + PictureName(InfoKind)));
    // pos() of a top-level window is its outer top-left corner, kept while hidden.
    if (GridWindow) move(GridWindow->pos() + QPoint(35, 35));
    QWidget::showEvent(event);
}

void TInfoWin::ShowWhile(std::uint8_t kind, const std::function<void()>& work) {
    InfoKind = kind;
    show();
    if (kind != InfoSaving) Waiter.WaitFor(5);
    try {
        work();
    } catch (...) {
        Waiter.WaitFor(1000);
        close();
        throw;
    }
    Waiter.WaitFor(1000);
    close();
}

} // namespace wl

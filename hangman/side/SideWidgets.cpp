#include "SideWidgets.h"
#include "HangmanWidgets.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>

namespace hangman {

QCursor pointingHandCursor() {
    // Drawn at the screen's scale so the pointer stays sharp on a 2x screen.
    const qreal scale = qGuiApp->primaryScreen() ? qGuiApp->primaryScreen()->devicePixelRatio() : 1;
    QPixmap pixmap(QSize(32, 32) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/hangman/hand.svg"));
    if (!svg.isValid()) return QCursor(Qt::PointingHandCursor);
    QPainter painter(&pixmap);
    svg.render(&painter, QRectF(0, 0, 32, 32));
    painter.end();
    return QCursor(pixmap, 11, 1);
}

QString fromBytes(const std::string& text) {
    return QString::fromLatin1(text);
}

std::string toBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

SideDialog::SideDialog(const char* name, const QString& caption, int width, int height,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(twips(width), twips(height));
    setFont(QFont("Arial", 8));
    setModal(true);
}

namespace {

// Widens a one-line label where its font needs more room for its text than the designed
// width gives: the fonts at hand differ from the designed ones by a few pixels. It never
// narrows; a right-aligned label grows to the left, a centred one to both sides.
void fitToText(QLabel* label) {
    const int extra = label->sizeHint().width() - label->width();
    if (label->wordWrap() || extra <= 0) return;
    const Qt::Alignment across = label->alignment() & Qt::AlignHorizontal_Mask;
    const int shift = across & Qt::AlignRight ? extra : across & Qt::AlignHCenter ? extra / 2 : 0;
    label->setGeometry(label->geometry().adjusted(-shift, 0, extra - shift, 0));
}

} // namespace

void SideDialog::showEvent(QShowEvent* event) {
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) fitToText(label);
    QDialog::showEvent(event);
}

QPushButton* SideDialog::addButton(const char* name, const QString& caption, QRect place,
                                   bool isDefault) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(twipsRect(place.x(), place.y(), place.width(), place.height()));
    button->setDefault(isDefault);
    button->setAutoDefault(isDefault);
    return button;
}

QLabel* SideDialog::addLabel(const char* name, const QString& text, QRect place) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(twipsRect(place.x(), place.y(), place.width(), place.height()));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

Picture* SideDialog::addPicture(const char* name, const char* resource, QRect place) {
    auto* image = new Picture(QString(":/hangman/") + resource, this);
    image->setObjectName(name);
    image->setGeometry(twipsRect(place.x(), place.y(), place.width(), place.height()));
    image->lower(); // decoration lies behind the controls
    return image;
}

} // namespace hangman

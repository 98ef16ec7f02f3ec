#include "URLLink.h"
#include "SideWidgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

namespace hangman {

namespace {

// The hourglass while the shell works; whatever happens, the pointer comes back.
class Hourglass {
public:
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

struct BadProperty {};

QString readString(const QVariantMap& store, const QString& name, const QString& fallback) {
    const QVariant value = store.value(name, fallback);
    if (value.typeId() != QMetaType::QString) throw BadProperty{};
    return value.toString();
}

bool readBool(const QVariantMap& store, const QString& name, bool fallback) {
    const QVariant value = store.value(name, fallback);
    if (value.typeId() != QMetaType::Bool) throw BadProperty{};
    return value.toBool();
}

template <typename T>
void writeProperty(QVariantMap& store, const QString& name, const T& value, const T& fallback) {
    if (value == fallback)
        store.remove(name);
    else
        store.insert(name, value);
}

} // namespace

URLLink::URLLink(Shell& shell, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), shell_(shell), messages_(messages), lblURL(new QLabel(this)) {
    setObjectName("URLLink");
    lblURL->setObjectName("lblURL");
    QFont font("MS Sans Serif");
    font.setPointSizeF(8.25);
    font.setUnderline(true);
    setFont(font);
    lblURL->setFont(font);
    QPalette palette = lblURL->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Highlight));
    lblURL->setPalette(palette);
    lblURL->setCursor(pointingHandCursor());
    lblURL->installEventFilter(this);
    UserControl_InitProperties();
    changed.clear(); // a new instance has nothing to save yet
}

QString URLLink::Text() const {
    return lblURL->text();
}

void URLLink::setText(const QString& text) {
    lblURL->setText(text);
    const QFontMetrics metrics(lblURL->font());
    lblURL->setGeometry(0, 0, text.isEmpty() ? 0 : metrics.horizontalAdvance(text),
                        metrics.height());
    resize(lblURL->size());
    changed.insert("Text");
}

void URLLink::setURL(const QString& url) {
    urlAddress = url;
    updateToolTip();
    changed.insert("URL");
}

void URLLink::setShowToolTip(bool show) {
    showTip = show;
    updateToolTip();
    changed.insert("ShowToolTip");
}

void URLLink::updateToolTip() {
    lblURL->setToolTip(showTip ? urlAddress : QString());
}

void URLLink::UserControl_InitProperties() {
    setText(DefaultText);
    urlAddress = DefaultURL;
    setShowToolTip(false);
}

void URLLink::UserControl_ReadProperties(const QVariantMap& store) {
    try {
        const QString text = readString(store, "Text", DefaultText);
        const QString url = readString(store, "URL", DefaultURL);
        const bool show = readBool(store, "ShowToolTip", false);
        setText(text);
        urlAddress = url;
        setShowToolTip(show);
    } catch (const BadProperty&) {
        UserControl_InitProperties();
    }
}

void URLLink::UserControl_WriteProperties(QVariantMap& store) const {
    writeProperty(store, "Text", Text(), DefaultText);
    writeProperty(store, "URL", urlAddress, DefaultURL);
    writeProperty(store, "ShowToolTip", showTip, false);
}

bool URLLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblURL && event->type() == QEvent::MouseButtonPress) {
        lblURL_MouseDown(static_cast<QMouseEvent*>(event)->buttons());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void URLLink::lblURL_MouseDown(Qt::MouseButtons buttons) {
    if (!(buttons & Qt::LeftButton)) return;
    QString address = urlAddress;
    bool cancel = false;
    if (GoToURL) GoToURL(address, cancel);
    if (cancel) return;
    try {
        Hourglass hourglass;
        shell_.open(address);
    } catch (const ShellError& error) {
        messages_.message(window(), "Tobbin Hangman",
                          "Unable to load '" + address + "' : " + error.description + " (Error " +
                              QString::number(error.number) + ")");
    }
}

} // namespace hangman

// URLLink: a one-line text that looks and acts like a web link. A left-button press
// raises GoToURL, then asks the shell to open the address.
#pragma once

#include "HangmanPlatform.h"

#include <QSet>
#include <QString>
#include <QVariantMap>
#include <QWidget>
#include <functional>

class QLabel;

namespace hangman {

class URLLink : public QWidget {
public:
    static inline const QString DefaultText = QStringLiteral("The Tobbin Hangman Home Page");
    static inline const QString DefaultURL = QStringLiteral("https://example.org/tobbin-hangman");

    // A new instance: the default caption and address, no tool tip.
    URLLink(Shell& shell, MessageBoxes& messages, QWidget* parent);

    QString Text() const;
    // Sizes the label, and the control with it, to the text in the control's font.
    void setText(const QString& text);
    QString URL() const { return urlAddress; }
    void setURL(const QString& url);
    bool ShowToolTip() const { return showTip; }
    void setShowToolTip(bool show);

    // Raised on the press, before anything opens. The handler may replace url (the
    // control keeps its own address) and set cancel to stop the opening.
    std::function<void(QString& url, bool& cancel)> GoToURL;

    void UserControl_InitProperties();
    // Values equal to their defaults are not stored. A value of the wrong kind
    // makes the whole read fall back to a new instance's defaults.
    void UserControl_ReadProperties(const QVariantMap& store);
    void UserControl_WriteProperties(QVariantMap& store) const;
    // Properties set since the last write, which the containing window must save.
    const QSet<QString>& changedProperties() const { return changed; }

    QLabel* label() const { return lblURL; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateToolTip();
    void lblURL_MouseDown(Qt::MouseButtons buttons);

    Shell& shell_;
    MessageBoxes& messages_;
    QLabel* lblURL;
    QString urlAddress;
    bool showTip = false;
    QSet<QString> changed;
};

} // namespace hangman

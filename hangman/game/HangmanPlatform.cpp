#include "HangmanPlatform.h"

#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

#include <cerrno>

namespace hangman {

void QtMessageBoxes::message(QWidget* parent, const QString& title, const QString& text,
                             MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::question(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtDialogs::runModal(QDialog& dialog) {
    dialog.exec();
}

void QtShell::open(const QString& url) {
    const QUrl address = QUrl::fromUserInput(url);
    if (!address.isValid() || address.isEmpty())
        throw ShellError{"The address is not a valid web address", EINVAL};
    QDesktopServices::openUrl(address);
}

} // namespace hangman

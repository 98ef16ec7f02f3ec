#include "HangmanPlatform.h"

#include <QMessageBox>

namespace hangman {

void QtMessageBoxes::message(QWidget* parent, const QString& title, const QString& text,
                             MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace hangman

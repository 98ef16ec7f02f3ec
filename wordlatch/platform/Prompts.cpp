#include "Prompts.h"

#include <QApplication>
#include <QMessageBox>

namespace wl {

TPromptAnswer TQtMessageBoxes::Show(TPromptKind kind, TPromptButtons buttons,
                                    const QString& caption, const QString& text) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (kind) {
    case TPromptKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case TPromptKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case TPromptKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    case TPromptKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case TPromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case TPromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case TPromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return TPromptAnswer::Yes;
    case QMessageBox::Ok:
        return TPromptAnswer::Ok;
    case QMessageBox::Cancel:
        return TPromptAnswer::Cancel;
    case QMessageBox::No:
        return TPromptAnswer::No;
    default:
        break;
    }
    // Closed without a button (Escape where no Cancel exists).
    switch (buttons) {
    case TPromptButtons::Ok:
        return TPromptAnswer::Ok;
    case TPromptButtons::YesNo:
        return TPromptAnswer::No;
    case TPromptButtons::YesNoCancel:
        return TPromptAnswer::Cancel;
    }
    return TPromptAnswer::Cancel;
}

void TPrompts::ErrorBox(const QString& text) {
    Sounds.ErrorSound();
    Boxes.Show(TPromptKind::Error, TPromptButtons::Ok, ApplicationTitle, text);
}

TPromptAnswer TPrompts::Confirm(const QString& text, TPromptButtons buttons) {
    Sounds.QuestionSound();
    return Boxes.Show(TPromptKind::Confirmation, buttons, ApplicationTitle, text);
}

TPromptAnswer TPrompts::Warning(const QString& text, TPromptButtons buttons) {
    Sounds.QuestionSound();
    return Boxes.Show(TPromptKind::Warning, buttons, ApplicationTitle, text);
}

void TPrompts::ReportException(const QString& text) {
    Boxes.Show(TPromptKind::Error, TPromptButtons::Ok, ApplicationTitle, text);
}

void TPrompts::Inform(const QString& text) {
    Boxes.Show(TPromptKind::Information, TPromptButtons::Ok, ApplicationTitle, text);
}

} // namespace wl

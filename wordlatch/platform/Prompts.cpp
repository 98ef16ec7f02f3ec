#include "Prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
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

std::optional<QString> IMessageBoxes::AskText(const QString&, const QString&, const QString&, int) {
    return std::nullopt;
}

std::optional<QString> TQtMessageBoxes::AskText(const QString& caption, const QString& label,
                                                const QString& text, int maxLength) {
    QInputDialog box(QApplication::activeWindow());
    box.setObjectName("TextDlg");
    box.setWindowTitle(caption);
    box.setLabelText(label);
    box.setTextValue(text);
    if (auto* edit = box.findChild<QLineEdit*>()) edit->setMaxLength(maxLength);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
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

std::optional<QString> TPrompts::AskText(const QString& label, const QString& text, int maxLength) {
    return Boxes.AskText(ApplicationTitle, label, text, maxLength);
}

} // namespace wl

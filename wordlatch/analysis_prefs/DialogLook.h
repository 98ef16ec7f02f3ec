// The look both dialogs of this folder share: a modal tool window on top, of a
// fixed size, Arial 11 pixels on silver.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QPalette>

namespace wl {

inline QFont PixelFont(const char* family, int pixelSize, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

inline void SetUpSilverDialog(QDialog& dialog, const char* objectName, const char* title, QSize size) {
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(title);
    dialog.setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    dialog.setModal(true);
    dialog.setFixedSize(size);
    dialog.setFont(PixelFont("Arial", 11));
    QPalette silver = dialog.palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    silver.setColor(QPalette::Button, QColor(192, 192, 192));
    dialog.setPalette(silver);
}

} // namespace wl

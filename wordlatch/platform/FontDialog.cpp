#include "FontDialog.h"

#include <QFontDialog>

namespace wl {

std::optional<QFont> TQtFontDialog::Execute(QWidget* parent, const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    if (!ok) return std::nullopt;
    return font;
}

} // namespace wl

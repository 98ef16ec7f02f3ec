// The font dialog, behind a small interface so tests answer it from a script.
#pragma once

#include <QFont>
#include <optional>

class QWidget;

namespace wl {

class IFontDialog {
public:
    virtual ~IFontDialog() = default;
    // The font chosen, starting from `initial`; none when the user cancels.
    virtual std::optional<QFont> Execute(QWidget* parent, const QFont& initial) = 0;
};

// QFontDialog, modal.
class TQtFontDialog : public IFontDialog {
public:
    std::optional<QFont> Execute(QWidget* parent, const QFont& initial) override;
};

} // namespace wl

// Services of the window system that the game window reaches through small interfaces,
// so tests script them instead of opening real dialogs.
#pragma once

#include <QString>

class QWidget;

namespace hangman {

enum class MessageIcon { None, Critical };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A message with an OK button; returns when the user has read it.
    virtual void message(QWidget* parent, const QString& title, const QString& text,
                         MessageIcon icon = MessageIcon::None) = 0;
};

class QtMessageBoxes : public MessageBoxes {
public:
    void message(QWidget* parent, const QString& title, const QString& text,
                 MessageIcon icon) override;
};

} // namespace hangman

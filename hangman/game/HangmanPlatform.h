// Services of the window system that the game window reaches through small interfaces,
// so tests script them instead of opening real dialogs.
#pragma once

#include <QString>

class QDialog;
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

// Modal dialogs and questions of the side windows.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A Yes/No question with a question icon; true on Yes.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;
    // Shows dialog modally; returns once it is hidden again.
    virtual void runModal(QDialog& dialog) = 0;
};

class QtDialogs : public Dialogs {
public:
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    void runModal(QDialog& dialog) override;
};

// An error raised while asking the shell to open an address.
struct ShellError {
    QString description;
    int number;
};

// The shell's handler for a web address.
class Shell {
public:
    virtual ~Shell() = default;
    // Asks the default handler to open url. A refusal of the handler itself is
    // silent; an address that cannot be handed over raises ShellError.
    virtual void open(const QString& url) = 0;
};

class QtShell : public Shell {
public:
    void open(const QString& url) override;
};

} // namespace hangman

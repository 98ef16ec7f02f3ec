// The Mailbot: sends the open puzzle by e-mail through the desktop's mail
// program. A small dialog chooses the attachment and the subject; the mail
// program gets them as the freedesktop mail command takes them.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace wl {

// The desktop's mail command (package xdg-utils).
inline constexpr const char* DesktopMailProgram = "xdg-email";

enum class TMailAttachment { Xwd, Puz, Ipuz, Pdf };

// The arguments of the mail command for a subject and an attached file.
QStringList MailArguments(const QString& subject, const QString& attachment);
// What a failed mail command means to the user: its exit code or why it did
// not start (`started` false), with its own message when it printed one.
QString MailFailure(const QString& program, bool started, int exitCode, const QString& output);

// Runs the mail command without waiting for it; `failed` gets the text to
// show if it cannot start or ends in failure.
void RunMailProgram(QObject* owner, const QString& program, const QStringList& arguments,
                    std::function<void(const QString&)> failed);

class TMailbotForm : public QDialog {
    Q_OBJECT
public:
    TMailbotForm(QWidget* parent = nullptr);

    QComboBox* AttachCombo;
    QLineEdit* SubjectEdit;
    QPushButton* SendBtn;
    QPushButton* CancelBtn;

    // Before each show: the subject proposed.
    void Prepare(const QString& subject);
    TMailAttachment Attachment() const;
    QString Subject() const;
};

} // namespace wl

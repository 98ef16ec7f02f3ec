#include "MailbotUnit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace wl {

QStringList MailArguments(const QString& subject, const QString& attachment) {
    return {"--utf8", "--subject", subject, "--attach", attachment};
}

QString MailFailure(const QString& program, bool started, int exitCode, const QString& output) {
    if (!started)
        return QString("No mail program was found: %1 could not be started. Install xdg-utils and a mail "
                       "program, or name one on the Tools page of the Preferences.")
            .arg(program);
    QString text;
    switch (exitCode) {
    case 3:
        text = "No mail program was found on this desktop. Set one up, or name one on the Tools page of "
               "the Preferences.";
        break;
    case 2:
        text = "The attachment could not be handed to the mail program.";
        break;
    default:
        text = QString("The mail program failed (%1 ended with exit code %2).").arg(program).arg(exitCode);
    }
    const QString said = output.trimmed();
    return said.isEmpty() ? text : text + "\n\n" + said;
}

void RunMailProgram(QObject* owner, const QString& program, const QStringList& arguments,
                    std::function<void(const QString&)> failed) {
    auto* process = new QProcess(owner);
    // A mail program still running when the program ends reports to no one.
    QObject::connect(owner, &QObject::destroyed, process, [process] { process->disconnect(); });
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process, [=](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        failed(MailFailure(program, false, 0, {}));
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::finished, process, [=](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0)
            failed(MailFailure(program, true, status == QProcess::NormalExit ? exitCode : -1,
                               QString::fromLocal8Bit(process->readAll())));
        process->deleteLater();
    });
    process->start(program, arguments);
}

TMailbotForm::TMailbotForm(QWidget* parent) : QDialog(parent) {
    setObjectName("MailbotForm");
    setWindowTitle("Mailbot");
    AttachCombo = new QComboBox(this);
    AttachCombo->setObjectName("AttachCombo");
    AttachCombo->addItems({"The puzzle file (.xwd)", "A .puz copy", "An .ipuz copy", "The puzzle page (PDF)"});
    SubjectEdit = new QLineEdit(this);
    SubjectEdit->setObjectName("SubjectEdit");
    SendBtn = new QPushButton("Send", this);
    SendBtn->setObjectName("SendBtn");
    SendBtn->setDefault(true);
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    auto* form = new QFormLayout;
    form->addRow("Attach:", AttachCombo);
    form->addRow("Subject:", SubjectEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SendBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(360);
    connect(SendBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TMailbotForm::Prepare(const QString& subject) {
    SubjectEdit->setText(subject);
    SubjectEdit->selectAll();
    SubjectEdit->setFocus();
}

TMailAttachment TMailbotForm::Attachment() const {
    return TMailAttachment(AttachCombo->currentIndex());
}

QString TMailbotForm::Subject() const {
    return SubjectEdit->text().trimmed();
}

} // namespace wl

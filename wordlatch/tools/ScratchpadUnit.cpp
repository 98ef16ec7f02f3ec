#include "ScratchpadUnit.h"

#include "ReadFile.h"
#include "SafeSave.h"
#include "ToolControls.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTimer>
#include <QVBoxLayout>

namespace wl {

namespace {

// Larger files are no notes of ours: shown nowhere, never written over.
constexpr qsizetype MaxPadBytes = 16 * 1024 * 1024;

} // namespace

QString DefaultScratchpadFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/wordlatch/scratchpad.txt";
}

TScratchpadForm::TScratchpadForm(std::function<QString()> padFile, std::function<std::string()> selectedWord,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), PadFile(std::move(padFile)), GridWord(std::move(selectedWord)),
      Pause(new QTimer(this)) {
    setObjectName("ScratchpadForm");
    setWindowTitle("Scratchpad");
    resize(420, 360);
    PadMemo = new QPlainTextEdit(this);
    PadMemo->setObjectName("PadMemo");
    AddWordBtn = Button(this, "AddWordBtn", "Add Grid Word");
    AddWordBtn->setToolTip("Adds the word selected in the grid on a line of its own");
    StatusLbl = StatusLabel(this);
    CloseBtn = Button(this, "CloseBtn", "Close");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddWordBtn);
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PadMemo, 1);
    layout->addWidget(StatusLbl);
    layout->addLayout(buttons);

    Pause->setSingleShot(true);
    Pause->setInterval(PauseMilliseconds);
    connect(Pause, &QTimer::timeout, this, &TScratchpadForm::Save);
    connect(PadMemo, &QPlainTextEdit::textChanged, this, &TScratchpadForm::Edited);
    connect(AddWordBtn, &QPushButton::clicked, this, &TScratchpadForm::AddWordBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
}

TScratchpadForm::~TScratchpadForm() {
    // The program's exit saves first and asks when that fails; this is the last chance.
    if (Dirty) Save();
}

void TScratchpadForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QString file = PadFile();
    if (file.isEmpty()) file = DefaultScratchpadFile();
    if (file == Path) return;
    // A new file in the preferences: the old one keeps what was typed into it.
    if (Dirty && !Save()) return;
    Load(file);
}

void TScratchpadForm::closeEvent(QCloseEvent* event) {
    Save();
    QWidget::closeEvent(event);
}

void TScratchpadForm::Load(const QString& file) {
    Path = file;
    Dirty = false;
    LastError.clear();
    const puzzles::FileRead read = puzzles::ReadWholeFile(QFile::encodeName(file).toStdString());
    QString text, problem;
    if (read.Status == puzzles::ReadStatus::Failed) {
        problem = QString::fromStdString(read.Error);
    } else if (read.Status == puzzles::ReadStatus::Read) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8(QByteArray::fromStdString(read.Bytes));
        if (qsizetype(read.Bytes.size()) > MaxPadBytes || utf8.hasError() ||
            read.Bytes.find('\0') != std::string::npos) {
            problem = "it is not a text file of notes";
            text.clear();
        }
    }
    Loading = true;
    PadMemo->setPlainText(text);
    Loading = false;
    PadMemo->setReadOnly(!problem.isEmpty());
    AddWordBtn->setEnabled(problem.isEmpty());
    StatusLbl->setText(problem.isEmpty() ? QDir::toNativeSeparators(file)
                                         : QString("%1 cannot be used as the scratchpad (%2); it is left as it is.")
                                               .arg(QDir::toNativeSeparators(file), problem));
}

void TScratchpadForm::Edited() {
    if (Loading) return;
    Dirty = true;
    Pause->start();
}

bool TScratchpadForm::Save() {
    Pause->stop();
    if (!Dirty) return true;
    try {
        QDir().mkpath(QFileInfo(Path).absolutePath());
        puzzles::WriteWholeFile(QFile::encodeName(Path).toStdString(), PadMemo->toPlainText().toStdString());
        Dirty = false;
        LastError.clear();
        StatusLbl->setText("Saved to " + QDir::toNativeSeparators(Path));
        return true;
    } catch (const puzzles::ESaveError& e) {
        LastError = QString::fromLocal8Bit(e.what());
        StatusLbl->setText(QString("Not saved (%1); trying again after the next pause.").arg(LastError));
        Pause->start();
        return false;
    }
}

void TScratchpadForm::AddWordBtnClick() {
    const std::string word = GridWord();
    if (word.empty()) {
        StatusLbl->setText("Select a word in the grid to add it.");
        return;
    }
    PadMemo->moveCursor(QTextCursor::End);
    const QString text = PadMemo->toPlainText();
    PadMemo->insertPlainText((text.isEmpty() || text.endsWith('\n') ? "" : "\n") + QString::fromStdString(word) + "\n");
    PadMemo->setFocus();
}

} // namespace wl

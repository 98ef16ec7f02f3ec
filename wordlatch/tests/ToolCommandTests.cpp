// The Tools commands around their windows: a path naming a program starts it
// with the puzzle and the selected word; the Mailbot hands each kind of
// attachment to the mail program; the Scratchpad saves after a pause, retries
// a failed save and never writes over a file it could not read.
#include "MainTestSupport.h"

#include "ScratchpadUnit.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <sys/stat.h>

namespace wl::fakes {
namespace {

class ToolCommandTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        setenv("XDG_CACHE_HOME", Path("cache").toLocal8Bit().constData(), 1);
        setenv("XDG_DATA_HOME", Path("data").toLocal8Bit().constData(), 1);
        // COW ARE TEN across, CAT ORE WEN down.
        OpenPuzzle(MakePuzzleFile("tool.xwd", 3,
                                  [](TXwdPuzzle& p) {
                                      const char* rows = "COWARETEN";
                                      for (int i = 0; i < 9; ++i) p.Solution(i % 3 + 1, i / 3 + 1) = std::uint8_t(rows[i]);
                                  }),
                   false);
        App->DemGridForm->SelectWordAt(1, 1, 2);
    }
    void TearDown() override {
        unsetenv("XDG_CACHE_HOME");
        unsetenv("XDG_DATA_HOME");
        MainWindowTest::TearDown();
    }
    // A program that writes its arguments, one a line, to `log`, then ends with `exitCode`.
    QString Program(const QString& name, const QString& log, int exitCode = 0) {
        const QString path = Path(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QString("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\nexit %2\n").arg(log).arg(exitCode).toUtf8());
        f.close();
        chmod(path.toLocal8Bit().constData(), 0755);
        return path;
    }
    QStringList Lines(const QString& file) {
        if (!QTest::qWaitFor([&] { return QFile::exists(file) && QFileInfo(file).size() > 0; }, 5000)) return {};
        return QString::fromUtf8(FileBytes(file)).split('\n', Qt::SkipEmptyParts);
    }
};

TEST_F(ToolCommandTest, APathNamingAProgramStartsItInsteadOfTheWindow) {
    TToolPaths& paths = App->DemPrefForm->ToolPaths;
    const std::vector<std::pair<QAction*, QString*>> tools = {{Main->Dictionary1, &paths.Dictionary},
                                                              {Main->Thesaurus1, &paths.Thesaurus},
                                                              {Main->ClueBank1, &paths.ClueBank},
                                                              {Main->Scratchpad1, &paths.Scratchpad}};
    for (const auto& [command, path] : tools) {
        const QString log = Path(command->objectName() + ".log");
        *path = Program(command->objectName() + ".sh", log);
        command->trigger();
        EXPECT_EQ(Lines(log), (QStringList{Path("tool.xwd"), "CAT"})) << command->objectName().toStdString();
    }
    EXPECT_FALSE(App->DictionaryForm || App->ThesaurusForm || App->ClueBankForm || App->ScratchpadForm);
    EXPECT_TRUE(Boxes->Shown.empty());

    // A program that cannot start is named with the system's reason.
    paths.Thesaurus = Program("broken.sh", Path("never.log"));
    QFile script(paths.Thesaurus);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/no/such/shell\n");
    script.close();
    Main->Thesaurus1->trigger();
    ASSERT_EQ(Boxes->Shown.size(), 1u);
    EXPECT_TRUE(Boxes->Shown[0].Text.startsWith("The program " + paths.Thesaurus + " could not be started: "))
        << Boxes->Shown[0].Text.toStdString();
}

TEST_F(ToolCommandTest, MailbotHandsEachAttachmentToTheMailProgram) {
    const QString log = Path("mail.log");
    App->DemPrefForm->ToolPaths.Mailbot = Program("mail.sh", log);
    // The attachment chosen, its file, and what that file starts with.
    const struct {
        int Choice;
        QString File;
        QByteArray Start;
        int Offset;
    } cases[] = {{0, Path("tool.xwd"), QByteArray("\x03\x00", 2), 0},
                 {1, Path("cache/wordlatch/mail/tool.puz"), "ACROSS&DOWN", 2},
                 {2, Path("cache/wordlatch/mail/tool.ipuz"), "{", 0},
                 {3, Path("cache/wordlatch/mail/tool.pdf"), "%PDF", 0}};
    for (const auto& c : cases) {
        QFile::remove(log);
        QTimer::singleShot(0, [&] {
            TMailbotForm& form = *App->MailbotForm;
            EXPECT_EQ(form.SubjectEdit->text(), "tool");
            form.AttachCombo->setCurrentIndex(c.Choice);
            form.SubjectEdit->setText("Puzzle for Sunday");
            form.grab().save(QDir::current().filePath("mailbot.png"));
            form.SendBtn->click();
        });
        Main->Mailbot1->trigger();
        EXPECT_EQ(Lines(log), (QStringList{"--utf8", "--subject", "Puzzle for Sunday", "--attach", c.File}));
        EXPECT_EQ(FileBytes(c.File).mid(c.Offset, c.Start.size()), c.Start) << c.File.toStdString();
    }
    EXPECT_TRUE(Boxes->Shown.empty());

    // The desktop has no mail program: the command says so.
    Boxes->Shown.clear();
    App->DemPrefForm->ToolPaths.Mailbot = Program("nomail.sh", Path("nomail.log"), 3);
    QTimer::singleShot(0, [&] { App->MailbotForm->SendBtn->click(); });
    Main->Mailbot1->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Boxes->Shown.empty(); }, 5000));
    EXPECT_TRUE(Boxes->Shown[0].Text.startsWith("No mail program was found on this desktop."));
}

TEST_F(ToolCommandTest, ScratchpadSavesAfterAPauseRetriesAndKeepsFilesItCannotRead) {
    const QString pad = Path("data/wordlatch/scratchpad.txt");
    Main->Scratchpad1->trigger();
    TScratchpadForm& form = *App->ScratchpadForm;
    EXPECT_EQ(form.File(), pad);
    QTest::keyClicks(form.PadMemo, "theme: cats");
    form.AddWordBtn->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return FileBytes(pad) == "theme: cats\nCAT\n"; }, 5000)) << FileBytes(pad).toStdString();

    // A save that fails is shown and tried again at the next pause, untouched.
    chmod(pad.toLocal8Bit().constData(), 0444);
    QTest::keyClicks(form.PadMemo, "dog");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.SaveError().isEmpty(); }, 5000));
    EXPECT_EQ(form.StatusLbl->text(), "Not saved (Permission denied); trying again after the next pause.");
    form.grab().save(QDir::current().filePath("scratchpad.png"));
    chmod(pad.toLocal8Bit().constData(), 0644);
    EXPECT_TRUE(QTest::qWaitFor([&] { return FileBytes(pad) == "theme: cats\nCAT\ndog"; }, 5000));

    // Exit asks before notes are lost.
    chmod(pad.toLocal8Bit().constData(), 0444);
    QTest::keyClicks(form.PadMemo, "!");
    Boxes->Answers = {TPromptAnswer::No};
    EXPECT_FALSE(Main->close());
    ASSERT_EQ(Boxes->Shown.size(), 1u);
    EXPECT_EQ(Boxes->Shown[0].Text, "The scratchpad could not be saved (Permission denied). Exit anyway?");
    chmod(pad.toLocal8Bit().constData(), 0644);

    // Another file that is no text: shown empty, read-only, never written.
    const QString binary = Path("image.bin");
    QFile f(binary);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("GIF89a\0\0\1", 9));
    f.close();
    form.close();
    App->DemPrefForm->ToolPaths.Scratchpad = binary;
    Main->Scratchpad1->trigger();
    EXPECT_EQ(FileBytes(pad), "theme: cats\nCAT\ndog!") << "the old file got what was typed into it";
    EXPECT_TRUE(form.PadMemo->isReadOnly());
    EXPECT_EQ(form.StatusLbl->text(), binary + " cannot be used as the scratchpad (it is not a text file of notes); it is left as it is.");
    form.close();
    EXPECT_EQ(FileBytes(binary), QByteArray("GIF89a\0\0\1", 9));
}

} // namespace
} // namespace wl::fakes

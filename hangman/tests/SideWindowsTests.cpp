// The side windows opened from the game window, offscreen, with every modal dialog run
// by a script in place of the user: the exit sequence and topten.txt, the statistics,
// the word list editor with its cheating warning, help and about, and the keys of a
// running game.
#include "Form1.h"
#include "HangmanWidgets.h"
#include "HelpWindows.h"
#include "HighScoreWindows.h"
#include "MciInterpreter.h"
#include "URLLink.h"
#include "frmStats.h"
#include "frmWordList.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>

// Texts in failures as text.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

using hangman::Form1;

struct Recorder : hangman::MessageBoxes, hangman::Dialogs, hangman::Shell {
    QStringList messages, questions, opened, urls;
    bool answer = true;
    QString grabDir; // each dialog is grabbed there as it opens, for a look
    // What the user does in a modal dialog, by its object name; a dialog left shown
    // afterwards is closed by its close box.
    std::map<QString, std::function<void(QDialog&)>> script;
    std::map<QString, QString> captions; // by object name
    QStringList clipped;                 // labels that do not show their whole text

    void message(QWidget*, const QString&, const QString& text, hangman::MessageIcon) override {
        messages << text;
    }
    bool question(QWidget*, const QString& title, const QString& text) override {
        questions << title + ": " + text;
        return answer;
    }
    void runModal(QDialog& dialog) override {
        opened << dialog.objectName();
        dialog.show();
        captions[dialog.objectName()] = dialog.windowTitle();
        for (QLabel* l : dialog.findChildren<QLabel*>()) {
            const bool fits = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                            : l->sizeHint().width() <= l->width();
            if (!fits) clipped << dialog.objectName() + "." + l->objectName() + ": " + l->text();
        }
        dialog.grab().save(grabDir + "/hangman-" + dialog.objectName() + ".png");
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            if (auto* picture = dynamic_cast<hangman::Picture*>(widget)) {
                EXPECT_TRUE(picture->hasArt()) << picture->objectName().toStdString();
            }
        }
        if (auto act = script.find(dialog.objectName()); act != script.end()) act->second(dialog);
        if (dialog.isVisible()) dialog.close();
    }
    void open(const QString& url) override { urls << url; }
};

template <typename T = QWidget> T* child(QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

QString label(QObject* window, const QString& name) {
    return child<QLabel>(window, name)->text();
}

void press(QObject* dialog, const char* button) {
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

const QByteArray Ladder =
    "\"Ann\",900\r\n\"Bo\",800\r\n\"Cy\",800\r\n\"Di\",700\r\n\"Ed\",600\r\n"
    "\"Flo\",500\r\n\"Gus\",400\r\n\"Hal\",300\r\n\"Ivy\",200\r\n\"Jo\",100\r\n";

// The help's topics as the topic window lists them, with the title and answer of each.
const struct {
    const char* label;
    const char* caption;
    const char* title;
    const char* answer;
} HelpTexts[] = {
    {"Label7", "Playing the game", "So, how exactly do I play this game?!",
     "Playing is easy; winning is a little tougher. A certain word is hidden in the gray box; "
     "click on the letters at the bottom of the window until you solve the puzzle... or kill "
     "the tobbin (Now we wouldn't want to do that, would we?! Don't answer that!). If your "
     "score is high enough, you will get the opportunity to enter your name in the coveted "
     "Tobbin Top Ten. Wow, what an honor! Now stop reading this and go save some tobbins!"},
    {"Label1", "Why a game starring tobbins?!", "Why Tobbins, and not, let's say, Barney Hangman?!",
     "Stop by The Tobbins!! Home Page and you will understand. The Tobbins have actually been "
     "persecuted for several centuries by the cruel and heartless prunes. The prunes have a "
     "knack for severe torture and punishment, just because they're bigger and uglier than "
     "the poor Tobbins. Hey, it hasn't been done before (though Barney Hangman does sound "
     "very tempting!)! "},
    {"Label8", "Can I add new words to the game?", "Can I Add My Own Words to the Game?",
     "Adding words to the Tobbin Hangman database is easy. Simply select Options, and then "
     "Word Lists. Enter in a word between 4 and 10 letters long, then hit the Add button. If "
     "the word is not already in the word list, it will automatically be included with the "
     "others in alphabetic order."},
    {"Label3", "What is this cheating business?", "What's up with this cheating message I get?",
     "When a letter in a current game is visible, you are not allowed to view the word list. "
     "If you do, a Tobbin will pop up exclaiming, 'Cheating is NOT allowed!' You may freely "
     "view the words in the list any other time."},
    {"Label4", "Does Tobbin Hangman keep track of statistics?", "I want to see some stats!",
     "You can view your current game statistics by choosing 'Statistics' from the File menu. "
     " Tobbin Hangman keeps track of your current amount of wins and losses, the percent of "
     "letters guessed correctly, and your current streak.  Now put away that calculator!"},
    {"Label5", "Turning the Tobbin's sounds on/off", "Those Tobbinous sounds!",
     "The poor Tobbin is more than just a tad bit scared when he's inches away from death-- "
     "the poor thing is bound to express joy when it is set free and sadness when the noose "
     "ain't so loose!  You can select whether to listen to the Tobbin's sounds by selecting "
     "'Sound' from the Options menu."},
};

class SideWindows : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();
    hm::MciInterpreter mci;
    hm::API sounds{mci, dir.path().toStdString()};
    Recorder user;
    std::unique_ptr<Form1> form;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        user.grabDir = previousDir;
    }
    void TearDown() override {
        form.reset();
        QDir::setCurrent(previousDir);
    }
    void write(const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const char* name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    // Two copies of the word, so the list holds two words and every game uses it.
    void start(const char* word = "LEVEL") {
        write("wordlist.dat", QByteArray("\"") + word + "\"\r\n\"" + word + "\"\r\n");
        form = std::make_unique<Form1>(sounds, user, hm::systemTimeOfDay, &user, &user);
        ASSERT_TRUE(form->Form_Load());
        form->show();
    }
    void menu(const char* name) { child<QAction>(form.get(), name)->trigger(); }
    void guess(const char* letters) {
        for (const char* c = letters; *c; ++c)
            QTest::mouseClick(child<QPushButton>(form.get(), QString("Command1_%1").arg(*c - 'A')),
                              Qt::LeftButton);
    }
    void nameAs(const QString& name) {
        user.script["frmHighScore"] = [name](QDialog& d) {
            QTest::keyClicks(child<QLineEdit>(&d, "Text1"), name);
            press(&d, "Command1");
        };
    }
};

TEST_F(SideWindows, AScoreThatDoesNotBeatTheTenthEndsAtOnceAndLeavesTheFileAlone) {
    write("topten.txt", Ladder);
    start();
    guess("L"); // 200 points
    QFile::remove(dir.filePath("topten.txt"));
    write("topten.txt", QByteArray(Ladder).replace("\"Jo\",100", "\"Jo\",200"));
    const QByteArray before = read("topten.txt");
    menu("mnuExit");
    EXPECT_TRUE(form->ended());
    EXPECT_TRUE(user.opened.isEmpty()) << "no name prompt for a score equal to the tenth";
    EXPECT_TRUE(user.questions.isEmpty());
    EXPECT_EQ(read("topten.txt"), before);
    EXPECT_EQ(mci.commandLog().back(), "Close th20GoodSnd3");
    EXPECT_FALSE(form->isVisible());
}

// Every way out with a new high score asks for the name, writes the table best first and
// shows it; the program then runs on, in a real event loop, until the table's Exit.
TEST_F(SideWindows, EveryWayOutOffersTheHighScoreAndTheTableKeepsTheProgramRunning) {
    const struct {
        const char* way;
        std::function<void()> leave;
        const char* opened;
    } ways[] = {
        {"close box", [this] { form->windowHandle()->close(); }, "frmHighScore"},
        {"File, Exit", [this] { menu("mnuExit"); }, "frmHighScore"},
        {"close box of High Scores",
         [this] {
             user.script["Form4"] = [](QDialog& d) { d.close(); };
             menu("mnuHigh");
         },
         "Form4 frmHighScore"},
    };
    for (const auto& way : ways) {
        write("topten.txt", Ladder);
        user.opened.clear(), user.questions.clear(), user.script.clear();
        start();
        guess("LEV"); // 1000 points: the new first
        nameAs("Zed, the Great");
        QString shown; // what the table shows while the program runs on
        QObject round; // ends the timers with the round
        QTimer::singleShot(0, &round, way.leave);
        QTimer::singleShot(100, &round, [&] {
            hangman::Form4* view = form->highScoreWindow();
            if (!view || !view->isVisible() || form->isVisible() || form->ended())
                return QCoreApplication::exit(1);
            shown = view->Label2[0]->text() + " " + view->Label3[0]->text();
            EXPECT_FALSE(view->Command1->isVisible() || view->isModal()) << way.way;
            press(view, "Command2");
        });
        EXPECT_EQ(QApplication::exec(), 0) << way.way << ": the table never showed";
        EXPECT_EQ(shown, "Zed, the Great 1000") << way.way << ": ended before the table's Exit";
        EXPECT_TRUE(form->ended()) << way.way;
        EXPECT_FALSE(form->highScoreWindow()->isVisible()) << way.way;
        EXPECT_EQ(user.opened.join(" "), way.opened) << way.way;
        EXPECT_EQ(user.questions.join("|"),
                  "View High Scores?: Would you like to view the high scores?");
        EXPECT_EQ(mci.commandLog().back(), "Close th20GoodSnd3") << "sounds closed before the view";
        EXPECT_EQ(read("topten.txt"),
                  "\"Zed, the Great\",1000\r\n\"Ann\",900\r\n\"Cy\",800\r\n\"Bo\",800\r\n"
                  "\"Di\",700\r\n\"Ed\",600\r\n\"Flo\",500\r\n\"Gus\",400\r\n\"Hal\",300\r\n"
                  "\"Ivy\",200\r\n")
            << way.way;
    }
}

TEST_F(SideWindows, ThePromptsCloseBoxRecordsAnEmptyNameAndNoEndsAtOnce) {
    write("topten.txt", Ladder);
    start();
    guess("L");
    user.script["frmHighScore"] = [](QDialog& d) {
        auto* name = child<QLineEdit>(&d, "Text1");
        QTest::keyClicks(name, "A name far longer than twenty-one");
        EXPECT_EQ(name->text().size(), 21);
        d.close();
    };
    user.answer = false;
    menu("mnuExit");
    EXPECT_TRUE(read("topten.txt").contains("\"Hal\",300\r\n\"\",200\r\n\"Ivy\",200\r\n"))
        << read("topten.txt").toStdString();
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(form->highScoreWindow(), nullptr) << "No never builds the table window";
}

TEST_F(SideWindows, AFailedWriteAtExitIsReportedKeepsTheOldFileAndStillEnds) {
    write("topten.txt", Ladder);
    start();
    guess("L");
    const auto file = std::filesystem::path(dir.filePath("topten.txt").toStdString());
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read);
    nameAs("Ann");
    menu("mnuExit");
    EXPECT_EQ(read("topten.txt"), Ladder);
    ASSERT_EQ(user.messages.size(), 1);
    EXPECT_TRUE(user.messages[0].contains("topten.txt")) << user.messages[0].toStdString();
    EXPECT_TRUE(user.questions.isEmpty());
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";
}

TEST_F(SideWindows, AMissingTableReadsAsEmptyRecordsAndTheGameRunsOn) {
    start();
    user.script["Form4"] = [](QDialog& d) { press(&d, "Command1"); };
    menu("mnuHigh");
    hangman::Form4* table = form->highScoreWindow();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->Label2[9]->text(), "");
    EXPECT_EQ(table->Label3[9]->text(), "0");
    guess("L");
    user.script["frmHighScore"] = [](QDialog& d) {
        QTest::keyClicks(child<QLineEdit>(&d, "Text1"), "Ann");
        QTest::keyClick(&d, Qt::Key_Escape); // Esc is OK here and keeps the name
    };
    user.answer = false;
    menu("mnuExit");
    EXPECT_TRUE(read("topten.txt").startsWith("\"Ann\",200\r\n\"\",0\r\n"));
}

// A folder in place of topten.txt, there at start-up or appearing later, is reported with the
// system's reason; the game runs on, and no table is written over the one that could not be read.
TEST_F(SideWindows, ATableThatCannotBeReadIsReportedAndNeverWrittenOver) {
    const QString file = dir.filePath("topten.txt");
    const QString problem = "The high scores in " + file + " could not be read: Is a directory.";
    const struct {
        const char* when;
        bool atStart;
        QStringList messages, opened;
    } rows[] = {
        {"at start-up",
         true,
         {problem + "\n\nYou can play on, but no score of this run can enter the table.", problem},
         {}},
        {"at exit", false, {problem + "\n\nYour score has not been saved."}, {"Form4"}},
    };
    user.script["Form4"] = [](QDialog& d) { press(&d, "Command1"); };
    for (const auto& row : rows) {
        user.messages.clear(), user.opened.clear();
        QDir(dir.path()).rmdir("topten.txt");
        if (row.atStart)
            QDir(dir.path()).mkdir("topten.txt");
        else
            write("topten.txt", Ladder);
        start();
        menu("mnuHigh");
        guess("LEV"); // 1000 points would be the new first
        if (!row.atStart) QFile::remove(file), QDir(dir.path()).mkdir("topten.txt");
        menu("mnuExit");
        EXPECT_EQ(user.messages, row.messages) << row.when;
        EXPECT_EQ(user.opened, row.opened) << row.when << ": no name prompt";
        EXPECT_TRUE(user.questions.isEmpty()) << row.when;
        EXPECT_TRUE(QFileInfo(file).isDir()) << row.when;
        EXPECT_TRUE(form->ended()) << row.when;
    }
}

TEST_F(SideWindows, HighScoresShowTheTableReadAtStartUpAndTheCloseBoxEndsTheProgram) {
    write("topten.txt", Ladder);
    start();
    write("topten.txt", ""); // a change after start-up is not seen
    user.script["Form4"] = [](QDialog& d) { press(&d, "Command1"); };
    menu("mnuHigh");
    hangman::Form4* table = form->highScoreWindow();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->windowTitle(), "Tobbinous High Scores!");
    EXPECT_EQ(table->Label2[0]->text(), "Ann");
    EXPECT_EQ(table->Label3[2]->text(), "800");
    EXPECT_EQ(label(table, "Label1_9"), "10.");
    EXPECT_FALSE(table->isVisible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->ended());
    const QColor colours[] = {{0, 0, 192}, {192, 0, 0}, {128, 0, 128}};
    for (int rank = 0; rank < 3; ++rank) {
        table->Label2[rank]->ensurePolished();
        EXPECT_EQ(table->Label2[rank]->palette().color(QPalette::WindowText), colours[rank])
            << rank;
    }
    EXPECT_EQ(table->Label3[5]->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));

    user.script["Form4"] = [](QDialog& d) { d.close(); };
    menu("mnuHigh");
    EXPECT_TRUE(form->ended()) << "closing the table leaves the program, however it was opened";
}

TEST_F(SideWindows, TheWordListOpensOnlyWhileNoLetterOfARunningGameShows) {
    start();
    int editors = 0, warnings = 0;
    user.script["frmWordList"] = [&](QDialog& d) { ++editors, press(&d, "Command1"); };
    user.script["frmCheating"] = [&](QDialog& d) {
        ++warnings;
        EXPECT_EQ(label(&d, "lblMessage"), "Cheating is NOT allowed!");
        press(&d, "Command1");
    };
    const struct {
        const char* why;
        std::function<void()> step;
        bool editor;
    } rows[] = {
        {"at start", [] {}, true},
        {"a letter shows", [&] { guess("L"); }, false},
        {"a miss shows nothing",
         [&] { child<QPushButton>(form.get(), "Command2")->click(), guess("Z"); }, true},
        {"won", [&] { guess("LEV"); }, true},
        {"lost", [&] { child<QPushButton>(form.get(), "Command2")->click(), guess("LABCDFGH"); },
         true},
    };
    for (const auto& row : rows) {
        row.step();
        const int e = editors, w = warnings;
        menu("mnuWordLists");
        EXPECT_EQ(editors - e, row.editor ? 1 : 0) << row.why;
        EXPECT_EQ(warnings - w, row.editor ? 0 : 1) << row.why;
    }
}

TEST_F(SideWindows, TheEditorFiltersKeysAddsOnEnterAndKeepsItsListWhenClosed) {
    start();
    hangman::frmWordList* editor = nullptr;
    user.script["frmWordList"] = [&](QDialog& d) {
        editor = static_cast<hangman::frmWordList*>(&d);
        QLineEdit* field = editor->newWord;
        QTest::keyClicks(field, "ti 1-'ger");
        EXPECT_EQ(field->text(), "tiger") << "only letters can be typed";
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, "r");
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(field->text(), "");
        EXPECT_EQ(editor->Label2->text(), "3");

        QTest::keyClicks(field, "cat");
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(field->text(), "cat") << "a refused word stays for correction";
        field->selectAll();
        QApplication::clipboard()->setText("ti-ger");
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field->text(), "ti-ger") << "pasting is not filtered";
        press(editor, "btnAdd");
        EXPECT_EQ(editor->Label2->text(), "3");
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(field->text(), "") << "Esc empties the field";
    };
    menu("mnuWordLists");
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(user.messages.size(), 2);
    EXPECT_EQ(user.messages[0], hm::BadLengthMessage);
    EXPECT_EQ(user.messages[1], hm::NotLettersMessage);
    EXPECT_TRUE(read("wordlist.dat").endsWith("\"TIGER\"\r\n"));

    user.script["frmWordList"] = [](QDialog& d) { d.close(); };
    menu("mnuWordLists");
    menu("mnuWordLists");
    QStringList listed;
    for (int i = 0; i < editor->List1->count(); ++i) listed << editor->List1->item(i)->text();
    EXPECT_EQ(listed, (QStringList{"level", "level", "tiger"})) << "the close box keeps the list";
}

TEST_F(SideWindows, TheAboutWindowHasItsSizeVersionAndALinkThatOpens) {
    start();
    user.script["Form2"] = [](QDialog& d) {
        EXPECT_EQ(d.size(), QSize(279, 210));
        EXPECT_EQ(child(&d, "Command1")->pos(), QPoint(96, 152));
        EXPECT_EQ(label(&d, "Label2"), "Version 2.0");
        auto* link = child<hangman::URLLink>(&d, "URLLink1");
        EXPECT_TRUE(QRect(QPoint(), d.size()).contains(link->geometry()));
        QTest::mousePress(link->label(), Qt::LeftButton);
        QTest::keyClick(&d, Qt::Key_Return);
    };
    menu("mnuAbout");
    EXPECT_EQ(user.urls, QStringList{"https://example.org/tobbin-hangman"});
    EXPECT_EQ(user.opened, QStringList{"Form2"});
}

// One run as a new player has it: games, a look at the figures and the list during and
// after a game, a word added, every help topic and about, then a high score at exit and the
// table. Every window carries its caption, every help text is whole, every label shows all
// of its text in the font it is drawn in.
TEST_F(SideWindows, AWholeRunPassesThroughEveryWindow) {
    write("topten.txt", Ladder);
    start("TOBBINS");
    QStringList figures; // won, lost, percent won and streak at each look
    user.script["frmStats"] = [&](QDialog& d) {
        for (const char* value : {"Label2", "Label3", "Label7", "Label14"})
            figures << label(&d, value);
        press(&d, "Command1");
    };
    user.script["frmCheating"] = [](QDialog& d) { press(&d, "Command1"); };
    user.script["frmWordList"] = [](QDialog& d) {
        QTest::keyClicks(static_cast<hangman::frmWordList&>(d).newWord, "prune\r");
        press(&d, "Command1");
    };
    QStringList answers;
    user.script["frmHlpPlay"] = [&](QDialog& d) {
        answers << label(&d, "Label2") + "|" + label(&d, "Label1");
        QTest::keyClick(&d, answers.size() % 2 ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_TRUE(child(d.parent(), "Label8")->isVisible()) << "the topic list stays open";
    };
    user.script["tobbins"] = [](QDialog& d) {
        for (const auto& help : HelpTexts) {
            auto* topic = child<QLabel>(&d, help.label);
            EXPECT_EQ(topic->text(), help.caption);
            EXPECT_EQ(topic->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            EXPECT_NE(topic->cursor().shape(), Qt::ArrowCursor);
            QTest::mouseClick(topic, Qt::LeftButton);
        }
        press(&d, "Command4");
    };
    user.script["Form2"] = [](QDialog& d) { press(&d, "Command1"); };
    guess("TOB");
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F3);
    menu("mnuWordLists");
    guess("INS"); // won: 700 + 500
    menu("mnuWordLists");
    menu("mnuStats");
    child<QPushButton>(form.get(), "Command2")->click();
    guess("XYZQ");
    menu("mnuHelp2");
    menu("mnuAbout");
    form->grab().save(user.grabDir + "/hangman-Form1-run.png");
    EXPECT_EQ(user.opened.join(" "), "frmStats frmCheating frmWordList frmStats tobbins "
                                     "frmHlpPlay frmHlpPlay frmHlpPlay frmHlpPlay frmHlpPlay "
                                     "frmHlpPlay Form2");
    QStringList texts;
    for (const auto& help : HelpTexts) texts << QString(help.title) + "|" + help.answer;
    EXPECT_EQ(answers, texts);
    EXPECT_EQ(form->game().words.wordCount(), 3) << "prune was added";
    const QString hundred = QString("100") + QLocale().decimalPoint() + "00%";
    const QString none = QString("0") + QLocale().decimalPoint() + "00%";
    EXPECT_EQ(figures,
              (QStringList{"0", "  0", none, "No games completed.", "1", "  0", hundred, "1 Win"}))
        << "each opening refills the figures";

    nameAs("New Player");
    menu("mnuExit");
    hangman::Form4* view = form->highScoreWindow();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Label2[0]->text(), "New Player");
    EXPECT_EQ(view->Label3[0]->text(), "1080"); // 1200, less four misses of the running game
    view->close();
    EXPECT_TRUE(form->ended());
    EXPECT_TRUE(user.messages.isEmpty());
    const std::map<QString, QString> captions = {
        {"Form2", "About Tobbin Hangman"},          {"frmCheating", "You think you're SO sneaky!"},
        {"frmHighScore", "You Have A High Score!"}, {"frmHlpPlay", "Help for Tobbin Hangman"},
        {"frmStats", "Tobbin Statistics"},          {"frmWordList", "Tobbin Hangman Word List"},
        {"tobbins", "Help for Tobbin Hangman"}};
    EXPECT_EQ(user.captions, captions);
    EXPECT_TRUE(user.clipped.isEmpty()) << user.clipped.join("\n").toStdString();
}

// New Word holds the focus, but a running game takes Space and Enter only where the user
// sent the focus with Tab; after a game the focused New Word deals the next word.
TEST_F(SideWindows, SpaceAndEnterDoNotAbandonARunningGame) {
    start();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* newWord = child<QPushButton>(form.get(), "Command2");
    guess("L");
    newWord->setFocus();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(newWord, key);
        EXPECT_EQ(label(form.get(), "Label7"), "200") << key;
        EXPECT_FALSE(child(form.get(), "Command1_11")->isVisible()) << "the guess stands";
    }
    QTest::mouseClick(child(form.get(), "Text1_0"), Qt::LeftButton);
    EXPECT_EQ(form->focusWidget(), newWord);
    QTest::keyClick(newWord, Qt::Key_Space);
    EXPECT_EQ(label(form.get(), "Label7"), "200") << "after a click into a letter box too";

    guess("EV");
    QTest::keyClick(newWord, Qt::Key_Return);
    EXPECT_TRUE(child(form.get(), "Command3")->isEnabled()) << "after a win Enter deals anew";
    guess("L");
    child(form.get(), "Command3")->setFocus();
    QTest::keyClick(form->focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(form->focusWidget(), newWord);
    QTest::keyClick(newWord, Qt::Key_Space);
    EXPECT_EQ(label(form.get(), "Label7"), "1100") << "a tabbed-to New Word takes Space";
    EXPECT_TRUE(child(form.get(), "Command1_11")->isVisible());
}

} // namespace

// The hangman game window played through real clicks and keys, offscreen: what the
// player sees after start-up, a win, a loss, giving up and starting over, and the
// designed places of the controls.
#include "Form1.h"
#include "HangmanWidgets.h"
#include "MciInterpreter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using hangman::Form1;

struct ScriptedMessages : hangman::MessageBoxes {
    struct Shown {
        QString title, text;
        hangman::MessageIcon icon;
    };
    std::vector<Shown> shown;
    void message(QWidget*, const QString& title, const QString& text,
                 hangman::MessageIcon icon) override {
        shown.push_back({title, text, icon});
    }
};

// Stage pictures in the order misses reveal them.
const char* const StageOrder[] = {"Image1", "Image2",  "Image3", "Image10",
                                  "Image5", "Image12", "Image7"};

class GameWindow : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString previousDir = QDir::currentPath();
    hm::MciInterpreter mci; // no backend: records the commands, makes no sound
    hm::API sounds{mci, dir.path().toStdString()};
    ScriptedMessages messages;
    std::unique_ptr<Form1> form;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // The word list is read from the current directory.
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
    }
    void TearDown() override {
        form.reset();
        QDir::setCurrent(previousDir);
    }

    void writeWordList(const QByteArray& bytes) {
        QFile file(dir.filePath("wordlist.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Starts the program with a list of one word, so every game uses that word.
    void start(const char* word, hm::TimeOfDay clock = hm::systemTimeOfDay) {
        writeWordList(QByteArray("\"") + word + "\"\r\n");
        form = std::make_unique<Form1>(sounds, messages, std::move(clock));
        ASSERT_TRUE(form->Form_Load());
        form->show();
    }

    template <typename T = QWidget> T* control(const QString& name) const {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QPushButton* letter(char c) const {
        return control<QPushButton>(QString("Command1_%1").arg(c - 'A'));
    }
    void click(const QString& button) {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    void clickLetters(const char* letters) {
        for (const char* c = letters; *c; ++c) QTest::mouseClick(letter(*c), Qt::LeftButton);
    }
    // Keys go where the window sends them: its focus widget.
    void type(const QString& keys) {
        QWidget* target = form->focusWidget() ? form->focusWidget() : form.get();
        QTest::keyClicks(target, keys);
    }

    QString text(const char* label) const { return control<QLabel>(label)->text(); }
    QString status() const {
        return control<QStatusBar>("StatusBar1")->findChild<QLabel*>()->text();
    }
    bool shown(const QString& name) const { return control(name)->isVisible(); }
    QString word() const {
        QString letters;
        for (int k = 0; k < 10; ++k) {
            auto* box = control<QLineEdit>(QString("Text1_%1").arg(k));
            if (box->isVisible()) letters += box->text();
        }
        return letters;
    }
    int stagesShown() const {
        int n = 0;
        for (const char* stage : StageOrder) n += shown(stage);
        return n;
    }
    int commandsStartingWith(const std::string& prefix) const {
        int n = 0;
        for (const std::string& c : mci.commandLog()) n += c.starts_with(prefix);
        return n;
    }
    int playCount(const char* kind) const {
        return commandsStartingWith(std::string("Play th20") + kind);
    }
    bool soundsClosed() const {
        return !mci.commandLog().empty() && mci.commandLog().back() == "Close th20GoodSnd3";
    }
    // The core asks for the focus on New Word at the end of a game.
    bool newWordFocused() const { return form->focusWidget() == control("Command2"); }
};

TEST_F(GameWindow, StartsWithARunningGameOfTheFirstWord) {
    start("TOBBINS");
    EXPECT_EQ(form->windowTitle(), "Tobbin Hangman");
    EXPECT_EQ(mci.commandLog().size(), 6u) << "the six sounds are opened first";
    EXPECT_EQ(text("Label4"), "0");
    EXPECT_EQ(text("Label5"), "0");
    EXPECT_EQ(text("Label7"), "0");
    EXPECT_EQ(text("Label2"), " 7 Letters");
    EXPECT_EQ(status(), "Status: Brain Dead");
    EXPECT_TRUE(shown("Frame1"));
    EXPECT_TRUE(control("Command3")->isEnabled());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(newWordFocused()) << "a stray key must not give the first game up";
    for (char c = 'A'; c <= 'Z'; ++c)
        EXPECT_TRUE(letter(c)->isVisible() && letter(c)->isEnabled()) << c;
    EXPECT_EQ(word(), "") << "every letter box starts hidden";
    EXPECT_FALSE(shown("Text1_10"));
    EXPECT_EQ(stagesShown(), 0);
    for (const char* line : {"Line1", "Line2", "Line3", "Line4"}) EXPECT_TRUE(shown(line));
    EXPECT_FALSE(shown("Picture8"));
    EXPECT_FALSE(shown("Picture9"));
    // 615 + 5 x 260 twips behind a seven-letter word.
    EXPECT_EQ(control("Picture1")->width(), 128);
}

TEST_F(GameWindow, EveryPictureFindsItsArtwork) {
    start("TOBBINS");
    for (const char* name :
         {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9",
          "Image10", "Image11", "Image12", "Picture8", "Picture9"}) {
        auto* picture = dynamic_cast<hangman::Picture*>(control(name));
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_TRUE(picture->hasArt()) << name;
    }
}

TEST(Pictures, ADrawingMadeAheadPaintsAsOneMadeAtPaintAndFollowsANewSize) {
    QWidget parent;
    hangman::Picture ahead(":/hangman/mascot.svg", &parent), atPaint(":/hangman/mascot.svg", &parent);
    for (auto* p : {&ahead, &atPaint}) p->resize(160, 163);
    auto drawing = hangman::Picture::drawAhead({&ahead});
    EXPECT_EQ(ahead.grab().toImage(), atPaint.grab().toImage());
    for (auto* p : {&ahead, &atPaint}) p->resize(80, 81);
    const QImage small = ahead.grab().toImage();
    EXPECT_EQ(small, atPaint.grab().toImage());
    EXPECT_EQ(small.size(), QSize(80, 81));
    // The mascot is drawn, over the background left in the corner.
    EXPECT_NE(small.pixel(62, 40), small.pixel(0, 0));
}

TEST_F(GameWindow, ClickingEveryLetterOfTheWordWinsTheGame) {
    start("LEVEL");
    clickLetters("L");
    EXPECT_EQ(text("Label7"), "200") << "both L boxes are revealed by one click";
    EXPECT_EQ(word(), "LL");
    EXPECT_FALSE(letter('L')->isVisible());
    EXPECT_EQ(status(), "Status: Brain-Dead");

    clickLetters("EV");
    EXPECT_EQ(word(), "LEVEL");
    EXPECT_EQ(text("Label7"), "1000");
    EXPECT_EQ(text("Label4"), "1");
    EXPECT_EQ(status(), "Status: Brain the size of a prune");
    EXPECT_TRUE(shown("Picture9"));
    EXPECT_FALSE(shown("Picture8"));
    EXPECT_FALSE(shown("Frame1"));
    // The whole living figure stands free of the gallows.
    for (const char* stage : {"Image1", "Image2", "Image3", "Image10", "Image5"})
        EXPECT_TRUE(shown(stage)) << stage;
    EXPECT_FALSE(shown("Image12"));
    EXPECT_FALSE(shown("Image7"));
    for (const char* line : {"Line1", "Line2", "Line3", "Line4"}) EXPECT_FALSE(shown(line));
    EXPECT_FALSE(control("Command3")->isEnabled());
    EXPECT_TRUE(newWordFocused());
    EXPECT_EQ(playCount("GoodSnd"), 1);
}

TEST_F(GameWindow, SevenMissesHangTheStagesInOrderAndLoseTheGame) {
    start("LEVEL");
    const char* misses = "ABCDFGH";
    const char* scores[] = {"-15", "-40", "-75", "-120", "-175", "-240", "-490"};
    for (int n = 0; n < 7; ++n) {
        QTest::mouseClick(letter(misses[n]), Qt::LeftButton);
        EXPECT_EQ(text("Label7"), scores[n]) << "miss " << n + 1;
        for (int s = 0; s < 6; ++s)
            EXPECT_EQ(shown(StageOrder[s]), s <= n) << "miss " << n + 1 << ", " << StageOrder[s];
    }
    EXPECT_TRUE(shown("Image7"));
    EXPECT_TRUE(shown("Picture8"));
    EXPECT_FALSE(shown("Picture9"));
    EXPECT_FALSE(shown("Frame1"));
    EXPECT_EQ(word(), "LEVEL") << "the lost word is shown whole";
    EXPECT_EQ(text("Label5"), "1");
    EXPECT_EQ(status(), "Status: Tobbin Killer");
    for (char c = 'A'; c <= 'Z'; ++c) EXPECT_FALSE(letter(c)->isEnabled()) << c;
    EXPECT_FALSE(control("Command3")->isEnabled());
    EXPECT_TRUE(newWordFocused());
    EXPECT_EQ(playCount("BadSnd"), 1);

    // The dying and dead faces are drawn over the body's face, the banner over the buttons.
    const QObjectList& stack = control("Image1")->parent()->children();
    EXPECT_GT(stack.indexOf(control("Image12")), stack.indexOf(control("Image1")));
    EXPECT_GT(stack.indexOf(control("Image7")), stack.indexOf(control("Image12")));
    EXPECT_GT(stack.indexOf(control("Picture8")), stack.indexOf(control("Frame1")));

    click("Command2");
    EXPECT_EQ(text("Label7"), "-590") << "a lost game with guesses costs 100 more";
    EXPECT_EQ(stagesShown(), 0);
    EXPECT_TRUE(shown("Frame1"));
    EXPECT_FALSE(shown("Picture8"));
    EXPECT_EQ(word(), "");
}

TEST_F(GameWindow, TypedLettersPressTheirButtonsAndOtherKeysDoNothing) {
    start("LEVEL");
    type("l");
    EXPECT_EQ(text("Label7"), "200");
    EXPECT_FALSE(letter('L')->isVisible());
    type("L1 -");
    EXPECT_EQ(text("Label7"), "200") << "a guessed letter, digits and blanks are no guesses";
    EXPECT_EQ(stagesShown(), 0);
    type("q");
    EXPECT_EQ(stagesShown(), 1) << "a typed miss hangs a stage like a clicked one";
    type("eV");
    EXPECT_TRUE(shown("Picture9"));
    const QString won = text("Label7");
    type("xyz");
    EXPECT_EQ(text("Label7"), won) << "after the game the disabled letters take no key";
}

TEST_F(GameWindow, RevealWordGivesUpAndNewWordThenCostsNothingWithoutAGuess) {
    start("TOBBINS");
    click("Command3");
    EXPECT_EQ(word(), "TOBBINS");
    EXPECT_EQ(text("Label7"), "-200");
    EXPECT_EQ(text("Label5"), "1");
    EXPECT_TRUE(shown("Picture8"));
    EXPECT_TRUE(shown("Image7"));
    EXPECT_FALSE(control("Command3")->isEnabled());
    EXPECT_TRUE(newWordFocused());
    EXPECT_EQ(playCount("BadSnd"), 1);

    // The focused New Word takes Enter, as a focused button does.
    QTest::keyClick(form->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(text("Label7"), "-200");
    EXPECT_TRUE(control("Command3")->isEnabled());
    EXPECT_EQ(stagesShown(), 0);
}

TEST_F(GameWindow, NewGameFromTheMenuAbandonsAGuessedGameForAHundredPoints) {
    start("TOBBINS");
    clickLetters("TZ");
    EXPECT_EQ(text("Label7"), "85");
    control<QAction>("mnuNew")->trigger();
    EXPECT_EQ(text("Label7"), "-15");
    EXPECT_EQ(text("Label4"), "0") << "an abandoned game is neither won";
    EXPECT_EQ(text("Label5"), "0") << "nor lost";
    EXPECT_EQ(word(), "");
    EXPECT_EQ(stagesShown(), 0);
    EXPECT_TRUE(letter('T')->isVisible());
    EXPECT_TRUE(letter('Z')->isVisible());

    // F2 is the same command: one more guessed game abandoned.
    clickLetters("T");
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(text("Label7"), "-15");
    EXPECT_TRUE(letter('T')->isVisible());
}

TEST_F(GameWindow, ClickingALetterBoxSendsTheFocusToNewWord) {
    start("TOBBINS");
    clickLetters("B");
    control("Command3")->setFocus();
    auto* box = control<QLineEdit>("Text1_2");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(newWordFocused());
    EXPECT_FALSE(box->hasFocus());
    type("x");
    EXPECT_EQ(box->text(), "B") << "nothing can be typed into a letter box";
}

TEST_F(GameWindow, MenuCarriesItsCaptionsAndShortcuts) {
    start("TOBBINS");
    auto* mnuNew = control<QAction>("mnuNew");
    EXPECT_EQ(mnuNew->text(), "&New Game");
    EXPECT_EQ(mnuNew->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(control<QAction>("mnuStats")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(control<QAction>("mnuExit")->text(), "E&xit");
    EXPECT_EQ(control<QAction>("mnuAbout")->text(), "&About Tobbin Hangman");

    auto* mnuSound = control<QAction>("mnuSound");
    EXPECT_TRUE(mnuSound->isChecked());
    mnuSound->trigger();
    EXPECT_FALSE(mnuSound->isChecked());
    click("Command3");
    EXPECT_EQ(playCount("BadSnd"), 0) << "no sound while Sound is unchecked";
    mnuSound->trigger();
    EXPECT_TRUE(mnuSound->isChecked());
}

TEST_F(GameWindow, ControlsSitAtTheirDesignedPlaces) {
    start("ABCDEFGHIJ");
    // Twips / 15, relative to the client area below the menu bar.
    QWidget* client = form->centralWidget();
    auto place = [&](const char* name) {
        QWidget* w = control(name);
        return QRect(w->mapTo(client, QPoint(0, 0)), w->size());
    };
    EXPECT_EQ(client->size(), QSize(365, 405));
    EXPECT_EQ(place("Command1_0"), QRect(24, 320, 25, 17));
    EXPECT_EQ(place("Command1_25"), QRect(312, 336, 25, 17));
    EXPECT_EQ(place("Text1_3"), QRect(72, 192, 17, 25));
    EXPECT_EQ(place("Text1_10"), QRect(24, 248, 17, 24));
    EXPECT_EQ(place("Label7"), QRect(256, 32, 97, 20));
    EXPECT_EQ(place("Frame1"), QRect(16, 296, 329, 73));
    EXPECT_EQ(place("Picture8"), QRect(-24, 280, 400, 101));
    EXPECT_EQ(place("Image12"), place("Image7"));
    EXPECT_EQ(place("StatusBar1"), QRect(0, 388, 365, 17));
    // 615 + 8 x 260 = 2695 twips behind a ten-letter word.
    EXPECT_EQ(place("Picture1"), QRect(16, 191, 180, 27));
    // A letter box is light grey edge to edge, its letter navy.
    clickLetters("D");
    const QImage box = control("Text1_3")->grab().toImage();
    const QColor grey(192, 192, 192);
    for (const QPoint corner : {QPoint(0, 0), QPoint(16, 0), QPoint(0, 24), QPoint(16, 24)})
        EXPECT_EQ(box.pixelColor(corner), grey);
    int navy = 0;
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x) navy += box.pixelColor(x, y) == QColor(0, 0, 128);
    EXPECT_GT(navy, 10);
}

TEST_F(GameWindow, TheCloseBoxAndExitCloseTheSoundsAndEndTheProgram) {
    for (bool closeBox : {true, false}) {
        start("TOBBINS");
        if (closeBox)
            form->close();
        else
            control<QAction>("mnuExit")->trigger();
        EXPECT_TRUE(soundsClosed()) << closeBox;
        EXPECT_EQ(commandsStartingWith("Close "), 6) << "the six aliases are closed once";
        EXPECT_FALSE(form->isVisible()) << closeBox;
        mci = hm::MciInterpreter();
    }
}

// The sounds lie beside the program; each win rewinds and plays one of the three good
// ones, picked from the time of day, and the player never hears of a missing file.
TEST_F(GameWindow, WinsPlayAGoodSoundFromItsStartAndMissingFilesStaySilent) {
    for (bool filesPresent : {false, true}) {
        mci = hm::MciInterpreter();
        if (filesPresent) {
            for (const hm::SoundFile& sound : hm::SoundFiles)
                ASSERT_TRUE(QFile(dir.filePath(sound.file)).open(QIODevice::WriteOnly));
        }
        double now = 36000.25;
        start("LEVEL", [&now] { return now; });
        EXPECT_EQ(mci.isOpen("th20GoodSnd3"), filesPresent);
        std::set<std::string> picked;
        for (int game = 0; game < 6; ++game) {
            now += 1.5;
            click("Command2");
            clickLetters("LEV");
            ASSERT_TRUE(shown("Picture9")) << game;
            const std::vector<std::string>& sent = mci.commandLog();
            const std::string name = sent.back().substr(std::string("Play th20").size());
            EXPECT_EQ(sent.back(), "Play th20" + name);
            EXPECT_EQ(sent[sent.size() - 2], "Seek th20" + name + " To 0");
            EXPECT_TRUE(name == "GoodSnd1" || name == "GoodSnd2" || name == "GoodSnd3") << name;
            picked.insert(name);
        }
        EXPECT_GT(picked.size(), 1u) << "the sound changes with the time of day";
        EXPECT_TRUE(messages.shown.empty()) << filesPresent;
        EXPECT_EQ(text("Label4"), "6");
    }
}

TEST_F(GameWindow, AWordListMissingEmptyOrAFolderIsReportedWithItsPlaceAndStopsTheStart) {
    const QString file = dir.filePath("wordlist.dat");
    const struct {
        const char* what;
        std::function<void()> make;
        QString problem;
    } rows[] = {
        {"missing", [] {},
         "Cannot read the word list \"" + file + "\": No such file or directory."},
        {"empty", [&] { writeWordList(""); }, "The word list \"" + file + "\" holds no words."},
        {"a folder", [&] { QFile::remove(file), QDir(dir.path()).mkdir("wordlist.dat"); },
         "Cannot read the word list \"" + file + "\": Is a directory."},
    };
    for (const auto& row : rows) {
        row.make();
        messages.shown.clear();
        form = std::make_unique<Form1>(sounds, messages);
        EXPECT_FALSE(form->Form_Load()) << row.what;
        ASSERT_EQ(messages.shown.size(), 1u) << row.what;
        EXPECT_EQ(messages.shown[0].title, "Tobbin Hangman");
        EXPECT_EQ(messages.shown[0].icon, hangman::MessageIcon::Critical);
        EXPECT_EQ(messages.shown[0].text,
                  row.problem + "\n\nTobbin Hangman reads its words from the file wordlist.dat "
                                "in the folder it is started from, or, where that folder has none, in "
                                "its folder of the user's data (~/.local/share/tobbin-hangman), and "
                                "cannot start without it.");
        EXPECT_TRUE(soundsClosed()) << row.what;
    }
}

} // namespace

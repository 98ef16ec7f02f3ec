// The Autoclue editor and the clue list, driven through the running program:
// the sample puzzle is clued through the editor, saved and opened for
// solving, and the clue list and the grid select each other.
#include "AutoclueTools.h"
#include "MainTestSupport.h"
#include "OutputTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace wl::fakes {
namespace {

class ClueWindowTest : public MainWindowTest {
protected:
    // The sample puzzle opened for constructing, the editor on its first word.
    void OpenSample() {
        OpenPuzzle(MakePuzzleFile("sample.xwd", 7, [](TXwdPuzzle& p) { p = SamplePuzzle(); }),
                   false);
        Main->AutoclueBtn->click();
        Auto = App->AutoclueForm.get();
        ASSERT_TRUE(Auto->isVisible());
    }
    // The number label, the letters and the clue text as shown.
    QString Shown() const {
        return Auto->NumLbl->text() + "|" + Auto->ClueLbl->text() + "|" + Auto->DefEdit->text();
    }
    void Type(const QString& text) { QTest::keyClicks(Auto->DefEdit, text); }
    void Key(int key, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(Auto->DefEdit, Qt::Key(key), m);
    }
    // One typed character, whatever the keyboard.
    void TypeChar(const QString& ch) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
        QApplication::sendEvent(Auto->DefEdit, &press);
    }
    QPoint SquarePoint(int x, int y, int inside = 3) const {
        return {(x - 1) * Procs->CellSize + inside, (y - 1) * Procs->CellSize + inside};
    }
    QColor GridPixel(int x, int y) {
        const QImage image = App->DemGridForm->grab().toImage();
        return image.pixelColor(SquarePoint(x, y) * image.devicePixelRatio());
    }

    TAutoclueForm* Auto = nullptr;
};

TEST_F(ClueWindowTest, ConstructedCluedSavedAndSolvedWithListAndGridInStep) {
    OpenSample();
    EXPECT_EQ(Auto->height(), AutoclueHeight);
    // Every word gets its clue through the editor, Enter stepping on.
    for (int i = 1; i <= 18; ++i) {
        Key(Qt::Key_Y, Qt::ControlModifier);
        Type(QString("Clue %1").arg(i));
        Key(Qt::Key_Return);
    }
    EXPECT_EQ(Auto->Walk.CurEntry, 18); // Enter after the last word stays on it
    Main->Save1->trigger();
    OpenPuzzle(Path("sample.xwd"), true);
    EXPECT_FALSE(Auto->isVisible()); // opening a puzzle closes the editor

    TCluesForm& clues = *App->CluesForm;
    TDemGridForm& grid = *App->DemGridForm;
    ASSERT_TRUE(clues.isVisible());
    ASSERT_EQ(clues.ClueList->count(), 18);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(clues.ClueList->item(i)->text(), QString("Clue %1").arg(i + 1));
    EXPECT_EQ(clues.ClueList->currentRow(), -1);
    EXPECT_EQ(clues.ClueList->visualItemRect(clues.ClueList->item(0)).height(), ClueItemHeight);
    EXPECT_EQ(clues.ClueList->horizontalScrollBar()->maximum(),
              ClueListExtent - clues.ClueList->viewport()->width());

    // Line 3 is entry 4: the down word of (4,1), which starts no across word.
    grid.SelectWord(SquarePoint(2, 2), Qt::LeftButton); // an across word is highlighted
    const QColor before = GridPixel(2, 2);
    const auto click = [&](int row) {
        const QRect r = clues.ClueList->visualItemRect(clues.ClueList->item(row));
        QTest::mouseClick(clues.ClueList->viewport(), Qt::LeftButton, {}, r.center());
    };
    click(3);
    EXPECT_EQ(before, QColor(HighlightColor));
    EXPECT_EQ(GridPixel(2, 2), QColor(Qt::white)); // the old word back to white
    EXPECT_EQ(grid.Direction, 2);
    EXPECT_EQ(grid.CursorPos, QPoint(Procs->CellSize * 3, 0));
    EXPECT_EQ(GridPixel(4, 1), QColor(HighlightColor));
    EXPECT_EQ(GridPixel(4, 2), QColor(HighlightColor));
    EXPECT_EQ(Main->DataMemo->toPlainText(), "Clue 4");
    EXPECT_EQ(Main->ModeLabel->text(), "Down Clue");

    // The grid selects lines back; a word without an entry clears the selection.
    grid.SelectWord(SquarePoint(3, 2), Qt::LeftButton);
    EXPECT_EQ(clues.ClueList->currentRow(), 5);
    EXPECT_EQ(Main->DataMemo->toPlainText(), "Clue 6");
    Procs->Puzzle.Index(1, 7).AcrossClue = 0;
    grid.SelectWord(SquarePoint(2, 7), Qt::LeftButton);
    EXPECT_EQ(clues.ClueList->currentRow(), -1);

    // A line whose entry no square carries leaves the grid as it is.
    Procs->Puzzle.Index(1, 2).AcrossClue = 0;
    grid.SelectWord(SquarePoint(1, 1), Qt::RightButton);
    click(5);
    EXPECT_EQ(grid.Direction, 2);
    EXPECT_EQ(GridPixel(1, 2), QColor(HighlightColor));

    // The list refuses to close while the program runs.
    clues.close();
    EXPECT_TRUE(clues.isVisible());
    clues.grab().save(Path("clues.png"));
}

// Records the number label's text and colour at every paint.
class TPaintLog : public QObject {
public:
    QStringList Seen;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const auto* label = static_cast<QLabel*>(watched);
            Seen << label->text() + " " + label->palette().color(QPalette::WindowText).name();
        }
        return false;
    }
};

TEST_F(ClueWindowTest, WalkingShowsEveryWordAndTheEndsWithTheirSounds) {
    OpenSample();
    // Every word forward and back; (4,1) shows the text of its ordinal's entry
    // and is linked to it.
    const QString walk =
        "1  Down|SOW|; 2  Across|PLUM|Purple fruit; 2  Down|PARTYOG|Made-up word; "
        "3  Down|LL|Not linked; 4  Down|MOE|Larry's pal; 5  Across|OVAL|Egg shape; "
        "6  Across|OX|Yoke wearer; 7  Down|XN|; 8  Across|HEN|\"Layer\" on a farm; "
        "8  Down|HERED|Coined word; 9  Across|TOE|Foot digit; 10  Across|BAY|Inlet; "
        "10  Down|BED|Place to sleep; 11  Across|RIB|Spare ___; 12  Down|BOG|Marsh; "
        "13  Across|ONE|Single; 14  Across|DIG|Excavate; 15  Across|DOG|Man's best friend";
    QStringList forward{Shown()};
    for (int i = 1; i < 18; ++i) {
        Auto->NextBtn->click();
        forward << Shown();
    }
    EXPECT_EQ(forward.join("; "), walk);
    EXPECT_EQ(Procs->Puzzle.Index(4, 1).DownClue, 4);
    QStringList back{Shown()};
    for (int i = 1; i < 18; ++i) {
        Auto->PrevBtn->click();
        back.prepend(Shown());
    }
    EXPECT_EQ(back.join("; "), walk);
    Player->Played.clear();
    Auto->PrevBtn->click(); // before the first word: sound only
    EXPECT_EQ(Player->Played, QStringList{"WAVE_4"});
    EXPECT_EQ(Shown(), forward[0]);
    Auto->NextBtn->click();
    EXPECT_EQ(Shown(), forward[1]);

    // "Next blank" stops at the clueless XN, then walks past the end: the label
    // is painted red during the pauses and the last across word is shown.
    Auto->BlankBtn->click();
    EXPECT_EQ(Shown(), forward[7]);
    TPaintLog log;
    Auto->NumLbl->installEventFilter(&log);
    Player->Played.clear();
    Waiter->Waits.clear();
    Auto->BlankBtn->click();
    EXPECT_TRUE(log.Seen.contains("NO MORE CLUES! #ff0000")) << log.Seen.join(", ").toStdString();
    EXPECT_EQ(Waiter->Waits, (std::vector<int>{5, 500}));
    EXPECT_EQ(Player->Played, QStringList{"WAVE_4"});
    EXPECT_EQ(Auto->NumLbl->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(Shown(), forward[17]);
    // Speech: the spoken sound to its end and no pause after it.
    Procs->SoundMode = 2;
    Player->Played.clear();
    Waiter->Waits.clear();
    Auto->BlankBtn->click();
    EXPECT_EQ(Player->Played, QStringList{"WAVE_5*"});
    EXPECT_EQ(Waiter->Waits, std::vector<int>{5});
}

TEST_F(ClueWindowTest, GridSelectionAimsTheEditor) {
    OpenSample();
    TDemGridForm& grid = *App->DemGridForm;
    // Inside a word, not on its first square: the first word of the grid.
    Auto->NextBtn->click();
    grid.SelectWord(SquarePoint(4, 2), Qt::LeftButton);
    EXPECT_EQ(Shown(), "1  Down|SOW|");
    // (5,7) across now spells what the earlier (7,5) down spells: the earlier word wins.
    Procs->Puzzle.Solution(5, 7) = 'B';
    grid.SelectWord(SquarePoint(5, 7), Qt::LeftButton);
    EXPECT_EQ(Shown(), "12  Down|BOG|Marsh");
    // A down word picked with the other button.
    grid.SelectWord(SquarePoint(7, 2), Qt::RightButton);
    EXPECT_EQ(Shown(), "7  Down|XN|");
}

TEST_F(ClueWindowTest, EditingStoresEightBitTextOfAtMostSixtyCharacters) {
    OpenSample();
    TXwdPuzzle& p = Procs->Puzzle;
    Type("Caf");
    TypeChar(QString(QChar(0xE9)));   // é is byte 233
    TypeChar(QString(QChar(0x0151))); // ő has no byte: refused with a note
    EXPECT_EQ(p.Clue(1).Text(), "Caf\xE9");
    EXPECT_FALSE(Auto->NoteLbl->text().isEmpty());

    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(p.Clue(1).Text(), "");
    Type(QString(61, 'a'));
    EXPECT_EQ(Auto->DefEdit->text().size(), 60);
    EXPECT_EQ(p.Clue(1).Text(), std::string(60, 'a'));

    // Pasting: what does not fit or cannot be stored is left out, with a note.
    Key(Qt::Key_Y, Qt::ControlModifier);
    QApplication::clipboard()->setText(QString(58, 'b') + QChar(0x20AC) + QChar(0x0151) + "cd\n");
    Auto->InsertBtn->click();
    EXPECT_EQ(p.Clue(1).Text(), std::string(58, 'b') + "\x80" + "c");
    EXPECT_TRUE(Auto->NoteLbl->text().contains(QChar(0x0151)));
    Key(Qt::Key_Y, Qt::ControlModifier);
    QApplication::clipboard()->setText("two\nlines");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(p.Clue(1).Text(), "two lines");

    // Ctrl+U puts the blank before the selection.
    Auto->DefEdit->setSelection(4, 5);
    Key(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(p.Clue(1).Text(), "two ___lines");

    // The picker of special characters inserts at the caret.
    Auto->CharsBtn->click();
    Auto->findChild<QToolButton*>("Char_150")->click(); // the en dash
    EXPECT_EQ(p.Clue(1).Text(), "two ___lines\x96");

    // Stepping over stored clues and pasting the same text change nothing.
    Main->Save1->trigger();
    ASSERT_FALSE(Procs->PuzzleChanged);
    Auto->NextBtn->click();
    Auto->PrevBtn->click();
    Auto->DefEdit->selectAll();
    QApplication::clipboard()->setText(Auto->DefEdit->text());
    Auto->InsertBtn->click();
    EXPECT_FALSE(Procs->PuzzleChanged);

    // The window keeps its height; the edit box follows the width.
    Auto->resize(700, 300);
    EXPECT_EQ(Auto->height(), AutoclueHeight);
    EXPECT_EQ(Auto->DefEdit->width(), 676);
}

TEST_F(ClueWindowTest, DefinitionsListShowsEveryWordAndMovesTheEditor) {
    OpenSample();
    Type("First");
    Auto->ListdefsBtn->click();
    auto* list = Auto->findChild<TDefinitionsList*>();
    ASSERT_TRUE(list && list->isVisible());
    ASSERT_EQ(list->DefsList->topLevelItemCount(), 18);
    const QTreeWidgetItem* first = list->DefsList->topLevelItem(0);
    EXPECT_EQ(first->text(0) + " " + first->text(1) + " " + first->text(3), "1 Down First");
    QTreeWidgetItem* fourth = list->DefsList->topLevelItem(3);
    EXPECT_EQ(fourth->text(1), "Down");
    emit list->DefsList->itemDoubleClicked(fourth, 0);
    EXPECT_EQ(Auto->NumLbl->text(), "3  Down");
    EXPECT_EQ(Auto->Walk.CurEntry, 4);
}

TEST_F(ClueWindowTest, TheWordLimitWarnsAndStoresNothingBeyondEntry179) {
    NewPuzzle(Main->N23x1, "many.xwd");
    for (int x = 3; x <= 21; x += 3)
        for (int y = 1; y <= 23; ++y) Procs->Puzzle.Solution(x, y) = BlackSquare;
    for (int x = 1; x <= 23; ++x)
        for (int y = 1; y <= 23; ++y)
            if (Procs->Puzzle.Solution(x, y) == NoLetter) Procs->Puzzle.Solution(x, y) = 'A';
    Main->AutoclueBtn->click();
    Auto = App->AutoclueForm.get();
    for (int i = 1; i < MaxWords; ++i) Auto->NextBtn->click();
    ASSERT_EQ(Auto->Walk.CurEntry, MaxWords);
    const QString shown = Auto->NumLbl->text();
    Player->Played.clear();
    Auto->NextBtn->click();
    ASSERT_FALSE(Boxes->Shown.empty());
    EXPECT_EQ(Boxes->Shown.back().Text, WordLimitText);
    EXPECT_EQ(Boxes->Shown.back().Kind, TPromptKind::Warning);
    EXPECT_EQ(Player->Played, QStringList{"WAVE_1"});
    EXPECT_EQ(Auto->NumLbl->text(), shown);
    Type("last");
    EXPECT_EQ(Procs->Puzzle.Clue(MaxWords).Text(), "last");
    Auto->grab().save(Path("autoclue.png"));
}

} // namespace
} // namespace wl::fakes

// The Autoclue editor and the clue list, driven through the running program:
// a 15 x 15 puzzle is constructed, clued through the editor, saved and opened
// for solving, and the clue list and the grid select each other.
#include "AutoclueTools.h"
#include "MainTestSupport.h"
#include "Win1252.h"

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
    // A new 15 x 15 puzzle with black squares where x and y are both multiples
    // of 4, every white square lettered; the editor open on its first word.
    void Construct(const QString& name = "clues.xwd") {
        NewPuzzle(Main->N15x1, name);
        TXwdPuzzle& p = Procs->Puzzle;
        for (int x = 1; x <= 15; ++x)
            for (int y = 1; y <= 15; ++y)
                p.Solution(x, y) = x % 4 == 0 && y % 4 == 0
                                       ? BlackSquare
                                       : std::uint8_t('A' + (x * 7 + y * 3) % 26);
        Words = 0;
        for (const TNumberedSquare& s : NumberGrid(p))
            Words += (s.AcrossWord > 0) + (s.DownWord > 0);
        Main->AutoclueBtn->click();
        Auto = App->AutoclueForm.get();
        ASSERT_TRUE(Auto->isVisible());
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

    int Words = 0;
    TAutoclueForm* Auto = nullptr;
};

TEST_F(ClueWindowTest, ConstructedCluedSavedAndSolvedWithListAndGridInStep) {
    Construct();
    EXPECT_EQ(Auto->NumLbl->text(), "1  Across");
    EXPECT_EQ(Auto->height(), AutoclueHeight);
    // Every word gets its clue through the editor, Enter stepping on.
    for (int i = 1; i <= Words; ++i) {
        Type(QString("Clue %1").arg(i));
        Key(Qt::Key_Return);
    }
    EXPECT_EQ(Auto->Walk.CurEntry, Words); // Enter after the last word stays on it
    Main->Save1->trigger();
    OpenPuzzle(Path("clues.xwd"), true);
    EXPECT_FALSE(Auto->isVisible()); // opening a puzzle closes the editor

    TCluesForm& clues = *App->CluesForm;
    TDemGridForm& grid = *App->DemGridForm;
    ASSERT_TRUE(clues.isVisible());
    ASSERT_EQ(clues.ClueList->count(), Words);
    for (int i = 0; i < Words; ++i)
        EXPECT_EQ(clues.ClueList->item(i)->text(), QString("Clue %1").arg(i + 1));
    EXPECT_EQ(clues.ClueList->currentRow(), -1);
    EXPECT_EQ(clues.ClueList->visualItemRect(clues.ClueList->item(0)).height(), ClueItemHeight);
    EXPECT_EQ(clues.ClueList->horizontalScrollBar()->maximum(),
              ClueListExtent - clues.ClueList->viewport()->width());

    // Line 3 is entry 4: the down word of (2,1); (1,1) carries entries 1 and 2.
    grid.SelectWord(SquarePoint(5, 2), Qt::LeftButton); // an across word is highlighted
    const QColor before = GridPixel(5, 2);
    const auto click = [&](int row) {
        const QRect r = clues.ClueList->visualItemRect(clues.ClueList->item(row));
        QTest::mouseClick(clues.ClueList->viewport(), Qt::LeftButton, {}, r.center());
    };
    click(3);
    EXPECT_EQ(before, QColor(HighlightColor));
    EXPECT_EQ(GridPixel(5, 2), QColor(Qt::white)); // the old word back to white
    EXPECT_EQ(grid.Direction, 2);
    EXPECT_EQ(grid.CursorPos, QPoint(Procs->CellSize * 2, 0));
    EXPECT_EQ(GridPixel(3, 1), QColor(HighlightColor));
    EXPECT_EQ(GridPixel(3, 3), QColor(HighlightColor));
    EXPECT_EQ(Main->DataMemo->toPlainText(), "Clue 4");
    EXPECT_EQ(Main->ModeLabel->text(), "Down Clue");

    // The grid selects lines back; a word without an entry clears the selection.
    grid.SelectWord(SquarePoint(1, 2), Qt::LeftButton);
    const int entry = Procs->Puzzle.Index(1, 2).AcrossClue;
    EXPECT_EQ(clues.ClueList->currentRow(), entry - 1);
    EXPECT_EQ(Main->DataMemo->toPlainText(), QString("Clue %1").arg(entry));
    Procs->Puzzle.Index(1, 3).AcrossClue = 0;
    grid.SelectWord(SquarePoint(2, 3), Qt::LeftButton);
    EXPECT_EQ(clues.ClueList->currentRow(), -1);

    // A line whose entry no square carries leaves the grid as it is.
    Procs->Puzzle.Index(1, 2).AcrossClue = 0;
    grid.SelectWord(SquarePoint(1, 1), Qt::RightButton);
    click(entry - 1);
    EXPECT_EQ(grid.Direction, 2);
    EXPECT_EQ(GridPixel(1, 2), QColor(HighlightColor));

    // The list refuses to close while the program runs.
    clues.close();
    EXPECT_TRUE(clues.isVisible());
    clues.grab().save(Path("clues.png"));
}

TEST_F(ClueWindowTest, WalkingShowsWordsAndTheEndsWithTheirSounds) {
    Construct();
    Auto->NextBtn->click();
    EXPECT_EQ(Auto->NumLbl->text(), "1  Down"); // same square, same number
    EXPECT_EQ(Auto->ClueLbl->text(), FromWin1252(GetWord(Procs->Puzzle, 1, 1, 'd')));
    Auto->NextBtn->click();
    EXPECT_EQ(Auto->NumLbl->text(), "2  Down");
    Auto->PrevBtn->click();
    Auto->PrevBtn->click();
    EXPECT_EQ(Auto->NumLbl->text(), "1  Across");
    Player->Played.clear();
    Auto->PrevBtn->click(); // before the first word: sound only
    EXPECT_EQ(Player->Played, QStringList{"WAVE_4"});
    EXPECT_EQ(Auto->NumLbl->text(), "1  Across");

    // All words clued: "next blank" walks to the end, with the pauses and the sound.
    for (int n = 1; n <= MaxWords; ++n) Procs->Puzzle.Clue(n).SetText("x");
    for (const TNumberedSquare& s : NumberGrid(Procs->Puzzle))
        Procs->Puzzle.Index(s.X, s.Y) = {1, 1};
    Player->Played.clear();
    Waiter->Waits.clear();
    Auto->BlankBtn->click();
    EXPECT_EQ(Waiter->Waits, (std::vector<int>{5, 500}));
    EXPECT_EQ(Player->Played, QStringList{"WAVE_4"});
    EXPECT_EQ(Auto->NumLbl->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(Auto->Walk.CurY, 15); // the last across word
    EXPECT_EQ(Auto->NumLbl->text(), QString("%1  Across").arg(Auto->Walk.CurNumber));
    // Speech: the spoken sound to its end and no pause after it.
    Procs->SoundMode = 2;
    Player->Played.clear();
    Waiter->Waits.clear();
    Auto->BlankBtn->click();
    EXPECT_EQ(Player->Played, QStringList{"WAVE_5*"});
    EXPECT_EQ(Waiter->Waits, std::vector<int>{5});
}

TEST_F(ClueWindowTest, GridSelectionAimsTheEditor) {
    Construct();
    TDemGridForm& grid = *App->DemGridForm;
    // Inside a word, not on its first square: the first word of the grid.
    Auto->NextBtn->click();
    grid.SelectWord(SquarePoint(2, 2), Qt::LeftButton);
    EXPECT_EQ(Auto->NumLbl->text(), "1  Across");
    // Row 6 spells what row 2 spells: the earlier word wins.
    for (int x = 1; x <= 15; ++x) Procs->Puzzle.Solution(x, 6) = Procs->Puzzle.Solution(x, 2);
    grid.SelectWord(SquarePoint(1, 6), Qt::LeftButton);
    EXPECT_EQ(Auto->Walk.CurY, 2);
    EXPECT_EQ(Auto->Walk.CurDir, 'a');
    // A down word picked with the other button.
    grid.SelectWord(SquarePoint(5, 1), Qt::RightButton);
    EXPECT_EQ(Auto->NumLbl->text(), "5  Down");
}

TEST_F(ClueWindowTest, EditingStoresEightBitTextOfAtMostSixtyCharacters) {
    Construct();
    TXwdPuzzle& p = Procs->Puzzle;
    Type("Caf");
    TypeChar(QString(QChar(0xE9)));   // é is byte 233
    TypeChar(QString(QChar(0x0151))); // ő has no byte: refused with a note
    EXPECT_EQ(p.Clue(1).Text(), "Caf\xE9");
    EXPECT_FALSE(Auto->NoteLbl->text().isEmpty());
    EXPECT_EQ(p.Index(1, 1).AcrossClue, 1);

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
    Construct();
    Type("First");
    Auto->ListdefsBtn->click();
    auto* list = Auto->findChild<TDefinitionsList*>();
    ASSERT_TRUE(list && list->isVisible());
    ASSERT_EQ(list->DefsList->topLevelItemCount(), Words);
    const QTreeWidgetItem* first = list->DefsList->topLevelItem(0);
    EXPECT_EQ(first->text(0) + " " + first->text(1) + " " + first->text(3), "1 Across First");
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

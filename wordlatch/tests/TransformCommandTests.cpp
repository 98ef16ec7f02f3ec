// The design commands driven through the menu with scripted dialogs: the grid
// transforms, the byline, Copy Grid As and the guidelines. Each grabs the grid
// to a PNG beside the test, for looking at it.
#include "MainTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>

#include "Win1252.h"

#include <cstring>
#include <unistd.h>

namespace wl::fakes {
namespace {

class TransformCommandTest : public MainWindowTest {
protected:
    // An 11 x 11 construction with a black corner pair, letters everywhere and
    // the across word of row 2 clued.
    void NewDesign() {
        NewPuzzle(Main->N11x1, "design.xwd");
        TXwdPuzzle& p = Procs->Puzzle;
        p.Solution(1, 1) = p.Solution(11, 11) = BlackSquare;
        for (int x = 1; x <= 11; ++x)
            for (int y = 1; y <= 11; ++y)
                if (!p.IsBlack(x, y)) p.Solution(x, y) = std::uint8_t('A' + (x + 2 * y) % 26);
        const int entry = NumberGrid(p)[10].AcrossWord; // (1, 2), after ten squares of row 1
        ASSERT_EQ(NumberGrid(p)[10].Y, 2);
        p.Index(1, 2).AcrossClue = std::uint16_t(entry);
        p.Clue(entry).SetText("Row two");
        Procs->PuzzleChanged = false;
    }
    QImage GrabGrid(const QString& name) {
        QImage image = App->DemGridForm->grab().toImage();
        image.save(QDir::current().filePath("transform-" + name + ".png"));
        return image;
    }
    // The colour in the middle of square (x, y), or at a pixel offset from it.
    static QColor Middle(const QImage& image, int x, int y, QPoint offset = {}) {
        return image.pixelColor(QPoint((x - 1) * 27 + 13, (y - 1) * 27 + 13) + offset);
    }
};

TEST_F(TransformCommandTest, FlipKeepsCluesTurnAndInvertAskAndClear) {
    NewDesign();
    Procs->Puzzle.Solution(3, 1) = BlackSquare; // its partner (9, 11) stays white
    Main->AutoclueBtnClick();
    ASSERT_TRUE(App->AutoclueForm->isVisible());
    Main->Flip1->trigger();
    EXPECT_FALSE(App->AutoclueForm->isVisible()) << "its walk would point at moved words";
    EXPECT_TRUE(Boxes->Shown.empty()) << "nothing is lost, nothing asked";
    EXPECT_TRUE(Procs->PuzzleChanged);
    TXwdPuzzle& p = Procs->Puzzle;
    EXPECT_TRUE(p.IsBlack(1, 3));
    EXPECT_FALSE(p.IsBlack(3, 1));
    // The across word of row 2 is the down word of column 2 now, clue and all.
    const TClueIndexPair index = p.Index(2, 1);
    ASSERT_NE(index.DownClue, 0);
    EXPECT_EQ(p.Clue(index.DownClue).Text(), "Row two");
    EXPECT_EQ(index.AcrossClue, 0);
    QImage image = GrabGrid("flip");
    EXPECT_EQ(Middle(image, 1, 3), QColor(Qt::black));
    EXPECT_NE(Middle(image, 3, 1), QColor(Qt::black));

    const TXwdPuzzle flipped = p;
    Procs->PuzzleChanged = false;
    for (QAction* item : {Main->Turn1, Main->Invert1}) {
        SCOPED_TRACE(item->objectName().toStdString());
        Boxes->Shown.clear();
        Boxes->Answers = {TPromptAnswer::No};
        item->trigger();
        ASSERT_EQ(BoxTexts(), QStringList{item == Main->Turn1 ? TurnQuestion : InvertQuestion});
        EXPECT_EQ(Boxes->Shown[0].Buttons, TPromptButtons::YesNo);
        EXPECT_EQ(std::memcmp(&p, &flipped, sizeof p), 0) << "No leaves the puzzle alone";
        EXPECT_FALSE(Procs->PuzzleChanged);
    }
    Main->Turn1->trigger(); // answered Yes
    // A quarter turn clockwise: (1, 3) goes to (9, 1), (1, 1) to (11, 1).
    EXPECT_TRUE(p.IsBlack(9, 1) && p.IsBlack(11, 1) && p.IsBlack(1, 11));
    EXPECT_FALSE(p.IsBlack(1, 3));
    EXPECT_EQ(p.Solution(5, 5), NoLetter);
    EXPECT_EQ(p.Index(2, 1).DownClue, 0);
    EXPECT_TRUE(Procs->PuzzleChanged);
    image = GrabGrid("turn");
    EXPECT_EQ(Middle(image, 9, 1), QColor(Qt::black));

    // Nothing left to lose: Invert asks nothing and the statistics follow.
    Boxes->Shown.clear();
    Main->Invert1->trigger();
    EXPECT_TRUE(Boxes->Shown.empty());
    EXPECT_TRUE(p.IsBlack(5, 5));
    EXPECT_FALSE(p.IsBlack(9, 1));
    EXPECT_TRUE(Main->DataMemo->toPlainText().contains("Black Squares: 118 "));
    image = GrabGrid("invert");
    EXPECT_EQ(Middle(image, 5, 5), QColor(Qt::black));
    EXPECT_EQ(Middle(image, 9, 1), QColor(Qt::white));
}

TEST_F(TransformCommandTest, BylineIsEditedShownSavedAndRefusedWhenItCannotBeStored) {
    NewDesign();
    struct TRow {
        std::optional<QString> Typed;
        QString Refusal; // empty: stored
    } rows[] = {
        {std::nullopt, ""},                       // Cancel
        {QString("Jo \u00C9crivain \u20AC"), ""}, // É and € are in the code page
        {QString("Piotr \u0141ada"), "\"\u0141\" cannot be stored in a byline."},
        {QString(61, 'x'), BylineTooLong},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Typed.value_or("(cancel)").toStdString());
        const std::string before = Procs->Puzzle.Byline.Text();
        Procs->PuzzleChanged = false;
        Boxes->Shown.clear();
        Boxes->TextAnswers = {row.Typed};
        Main->Byline1->trigger();
        EXPECT_EQ(Boxes->TextAsked.takeLast(), BylineLabel);
        const bool stored = row.Typed && row.Refusal.isEmpty();
        EXPECT_EQ(BoxTexts(), row.Refusal.isEmpty() ? QStringList() : QStringList{row.Refusal});
        EXPECT_EQ(Procs->PuzzleChanged, stored);
        EXPECT_EQ(Procs->Puzzle.Byline.Text(), stored ? ToWin1252(*row.Typed) : before);
    }
    EXPECT_EQ(Main->Byline->text(), "by Jo \u00C9crivain \u20AC");
    Main->Save1Click();
    EXPECT_EQ(FileBytes(Path("design.xwd")).mid(14095, 14), QByteArray("\x0DJo \xC9"
                                                                       "crivain \x80"));
    OpenPuzzle(Path("design.xwd"), true);
    EXPECT_EQ(Main->Byline->text(), "by Jo \u00C9crivain \u20AC");
    Main->grab().save(QDir::current().filePath("transform-byline.png"));
}

TEST_F(TransformCommandTest, CopyGridAsWritesTheBlackSquaresOnlyAndKeepsThePuzzleOpen) {
    NewDesign();
    Procs->SavePuzzle(Path("design.xwd").toStdString());
    const QByteArray saved = FileBytes(Path("design.xwd"));
    Procs->PuzzleChanged = true;
    const TXwdPuzzle open = Procs->Puzzle;
    ASSERT_TRUE(QFile::link(Path("design.xwd"), Path("link.xwd")));
    ASSERT_EQ(::link(QFile::encodeName(Path("design.xwd")), QFile::encodeName(Path("hard.xwd"))), 0);
    // Refused: another extension, the open puzzle's own file by its name, a
    // symbolic and a hard link to it; then Cancel.
    Dialogs->Answers = {Path("copy.txt"), Path("design.xwd"), Path("link.xwd"), Path("hard.xwd"),
                        QString()};
    for (int i = 0; i < 5; ++i) Main->CopyGridAs1->trigger();
    EXPECT_EQ(BoxTexts(), (QStringList{"Not a valid XWD puzzle.", CopyOverOpenPuzzle,
                                       CopyOverOpenPuzzle, CopyOverOpenPuzzle}));
    EXPECT_EQ(FileBytes(Path("design.xwd")), saved);
    EXPECT_TRUE(Dialogs->Shown[0].Save && Dialogs->Shown[0].OverwritePrompt);
    EXPECT_EQ(Dialogs->Shown[0].DefaultExt, "XWD");
    EXPECT_FALSE(QFile::exists(Path("copy.txt")));

    Dialogs->Answers = {Path("copy.xwd")};
    Main->CopyGridAs1->trigger();
    const QByteArray bytes = FileBytes(Path("copy.xwd"));
    ASSERT_EQ(bytes.size(), qsizetype(XwdFileSize));
    const TXwdPuzzle copy =
        ParsePuzzle({reinterpret_cast<const std::uint8_t*>(bytes.data()), XwdFileSize});
    EXPECT_TRUE(copy.IsBlack(1, 1) && copy.IsBlack(11, 11));
    EXPECT_EQ(copy.Solution(5, 5), NoLetter);
    EXPECT_EQ(copy.Index(1, 2).AcrossClue, 0);
    // The open puzzle is still the same file, unsaved changes and all.
    EXPECT_EQ(Procs->PuzzleFileName, Path("design.xwd").toStdString());
    EXPECT_TRUE(Procs->PuzzleChanged);
    EXPECT_EQ(std::memcmp(&Procs->Puzzle, &open, sizeof open), 0);
}

TEST_F(TransformCommandTest, GuidelinesMarkThePartnerOfTheSquareUnderTheMouse) {
    NewDesign();
    Main->SquaresBtn->click();
    TDemGridForm& grid = *App->DemGridForm;
    const auto move = [&](QPoint at) {
        QMouseEvent event(QEvent::MouseMove, at, grid.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&grid, &event);
    };
    EXPECT_TRUE(Main->ShowGuidelines1->isCheckable());
    Main->ShowGuidelines1->trigger();
    EXPECT_TRUE(Main->ShowGuidelines1->isChecked() && grid.Guidelines());
    const TXwdPuzzle before = Procs->Puzzle;
    move({27 + 13, 2 * 27 + 13}); // square (2, 3)
    EXPECT_EQ(grid.GuideSquare(), QPoint(2, 3));
    EXPECT_EQ(std::memcmp(&Procs->Puzzle, &before, sizeof before), 0)
        << "a move without a button paints nothing";
    QImage image = GrabGrid("guidelines");
    // The partner (10, 9) carries the mark; the centre lines cross square (6, 6).
    const auto bluish = [](QColor c) { return c.blue() > c.red() + 40; };
    EXPECT_TRUE(bluish(Middle(image, 10, 9, {-11, 0})));
    EXPECT_FALSE(bluish(Middle(image, 2, 3, {-11, 0})));
    EXPECT_TRUE(bluish(Middle(image, 6, 2, {0, 4})));
    EXPECT_TRUE(bluish(Middle(image, 2, 6, {4, 0})));
    move({-5, 40});
    EXPECT_EQ(grid.GuideSquare(), QPoint());

    Main->ShowGuidelines1->trigger();
    EXPECT_FALSE(grid.Guidelines());
    image = GrabGrid("no-guidelines");
    EXPECT_FALSE(bluish(Middle(image, 6, 2, {0, 4})));
    // A new puzzle keeps the switch; solving shows no design guides.
    Main->ShowGuidelines1->trigger();
    OpenPuzzle(Path("design.xwd"), true);
    EXPECT_FALSE(grid.Guidelines());
    NewPuzzle(Main->N13x1, "next.xwd");
    EXPECT_TRUE(grid.Guidelines());
}

} // namespace
} // namespace wl::fakes

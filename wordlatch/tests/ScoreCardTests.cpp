// The score card through the running program on the sample puzzle: solved
// with one revealed letter; scored wrong with the error crosses, started over,
// solved cleanly and deleted; and the failures of Start Over and Delete.
#include "MainTestSupport.h"
#include "OutputTestSupport.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace wl::fakes {
namespace {

class ScoreCardTest : public MainWindowTest {
protected:
    void OpenForSolving() {
        File = MakePuzzleFile("solve.xwd", 7, [](TXwdPuzzle& p) { p = SamplePuzzle(); });
        OpenPuzzle(File, true);
        Card = App->ScoreForm.get();
    }
    void FillAnswers() {
        TXwdPuzzle& p = Procs->Puzzle;
        for (int x = 1; x <= 7; ++x)
            for (int y = 1; y <= 7; ++y)
                if (!p.IsBlack(x, y)) p.Player(x, y) = p.Solution(x, y);
    }
    QPoint SquarePoint(int x, int y) const {
        return {(x - 1) * Procs->CellSize + 3, (y - 1) * Procs->CellSize + 3};
    }
    // Scores the puzzle and presses `button` once the card is up; `look` sees the card then.
    void Score(QPushButton* TScoreForm::*button, const std::function<void()>& look = {}) {
        // Waits inside the scoring (the celebration) run events too: press only
        // once the card is up.
        auto* press = new QTimer(Card);
        QObject::connect(press, &QTimer::timeout, Card, [this, press, button, look] {
            if (!Card->isVisible()) return;
            press->deleteLater();
            press->stop();
            WaitsBeforeCard = Waiter->Waits.size();
            if (look) look();
            (Card->*button)->click();
        });
        press->start(0);
        Main->ScorePuzzle1->trigger();
    }
    // The grid as shown, a row a line: 'x' for a square with red in it, else '.'.
    std::vector<std::string> RedSquares() {
        const QImage image = App->DemGridForm->grab().toImage();
        const qreal r = image.devicePixelRatio();
        const int c = Procs->CellSize;
        std::vector<std::string> rows(7, std::string(7, '.'));
        for (int px = 0; px < 7 * c; ++px)
            for (int py = 0; py < 7 * c; ++py) {
                const QColor colour = image.pixelColor(QPoint(px, py) * r);
                if (colour.red() > 200 && colour.green() < 100)
                    rows[std::size_t(py / c)][std::size_t(px / c)] = 'x';
            }
        return rows;
    }
    // No square of the solver's grid holds a letter.
    static bool Cleared(const TXwdPuzzle& p) {
        const std::uint8_t* b = &p.PlayerGrid[0][0];
        return std::all_of(b, b + sizeof p.PlayerGrid, [](std::uint8_t c) { return c == 0; });
    }

    QString File;
    TScoreForm* Card = nullptr;
    std::size_t WaitsBeforeCard = 0;
    const std::vector<std::string> NoCrosses = std::vector<std::string>(7, ".......");
};

TEST_F(ScoreCardTest, SolvedWithOneRevealedLetterCongratulatesAndNotesTheCheat) {
    OpenForSolving();
    FillAnswers();
    TDemGridForm& grid = *App->DemGridForm;
    Procs->Puzzle.Player(4, 2) = 0;
    grid.SelectWord(SquarePoint(4, 2), Qt::LeftButton);
    grid.TypeKey('+');
    Player->Played.clear();
    Score(&TScoreForm::CancelBtn, [&] {
        EXPECT_EQ(Card->BannerLbl->text(), "CONGRATULATIONS!");
        EXPECT_EQ(Card->BannerLbl->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        EXPECT_TRUE(Card->CheatLbl->isVisible());
        EXPECT_FALSE(Card->ShowErrsBtn->isEnabled());
        EXPECT_TRUE(Card->DeleteBtn->isEnabled());
        EXPECT_EQ(Card->focusWidget(), Card->CancelBtn);
        Card->grab().save(Path("card.png"));
    });
    EXPECT_EQ(Player->Played.front(), "WAVE_2");
    // The celebration ran to its end before the card came up.
    EXPECT_GE(WaitsBeforeCard, 100u);
    EXPECT_EQ(Waiter->Waits.size(), WaitsBeforeCard);
}

TEST_F(ScoreCardTest, WrongThenStartOverThenSolvedCleanlyAndDeleted) {
    OpenForSolving();
    FillAnswers();
    TXwdPuzzle& p = Procs->Puzzle;
    App->History.Change("Letters", [&] { p.Player(3, 2) = 'Z', p.Player(6, 7) = 0; });
    Player->Played.clear();
    Score(&TScoreForm::ShowErrsBtn, [&] {
        EXPECT_EQ(Card->BannerLbl->text(), "PUZZLE INCORRECT!");
        EXPECT_EQ(Card->BannerLbl->palette().color(QPalette::WindowText), QColor(Qt::red));
        EXPECT_TRUE(Card->ShowErrsBtn->isEnabled());
        EXPECT_FALSE(Card->DeleteBtn->isEnabled());
        EXPECT_FALSE(Card->CheatLbl->isVisible());
    });
    EXPECT_EQ(Player->Played, QStringList{"WAVE_3"});
    EXPECT_EQ(RedSquares(), (std::vector<std::string>{".......", "..x....", ".......", ".......",
                                                      ".......", ".......", ".....x."}));
    App->DemGridForm->Invalidate();
    EXPECT_EQ(RedSquares(), NoCrosses); // the crosses go with the next full repaint

    // Start Over empties the solver's letters in memory and in the file, marks
    // nothing and leaves nothing to undo.
    Score(&TScoreForm::StartOverBtn);
    EXPECT_TRUE(Cleared(p));
    EXPECT_FALSE(App->History.Stack.canUndo());
    EXPECT_EQ(RedSquares(), NoCrosses);
    TDemProcs saved;
    saved.LoadPuzzle(File.toStdString());
    EXPECT_TRUE(Cleared(saved.Puzzle));
    EXPECT_FALSE(Procs->PuzzleChanged);
    Score(&TScoreForm::CancelBtn, [&] { EXPECT_EQ(Card->BannerLbl->text(), "PUZZLE INCORRECT!"); });

    // Solved without help after a wrong score, a clue on show; then deleted: the
    // file moves to ".XW!", the windows close, the menu goes dark.
    FillAnswers();
    App->DemGridForm->SelectWord(SquarePoint(4, 1), Qt::LeftButton);
    ASSERT_EQ(Main->DataMemo->toPlainText(), "Purple fruit");
    ASSERT_EQ(Main->ModeLabel->text(), "Across Clue");
    Score(&TScoreForm::DeleteBtn, [&] {
        EXPECT_EQ(Card->BannerLbl->text(), "CONGRATULATIONS!");
        EXPECT_EQ(Card->BannerLbl->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        EXPECT_FALSE(Card->CheatLbl->isVisible());
        EXPECT_FALSE(Card->ShowErrsBtn->isEnabled());
        EXPECT_TRUE(Card->DeleteBtn->isEnabled());
    });
    EXPECT_FALSE(QFileInfo::exists(File));
    EXPECT_TRUE(QFileInfo::exists(Path("solve.XW!")));
    EXPECT_EQ(Main->Byline->text(), "!!! DELETED !!!");
    EXPECT_EQ(Main->ModeLabel->text(), "");
    EXPECT_EQ(Main->DataMemo->toPlainText(), "");
    for (QAction* a : {Main->Save1, Main->Print1, Main->ScorePuzzle1, Main->ReverttoSaved1})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(Main->CheatBtn->isEnabled());
    EXPECT_FALSE(App->DemGridForm->isVisible());
    EXPECT_FALSE(App->CluesForm->isVisible());
}

TEST_F(ScoreCardTest, FailedSaveOfStartOverShowsTheSystemsTextWithTheGridCleared) {
    OpenForSolving();
    FillAnswers();
    Procs->PuzzleFileName = Path("gone/solve.xwd").toStdString();
    Score(&TScoreForm::StartOverBtn);
    ASSERT_FALSE(Boxes->Shown.empty());
    EXPECT_EQ(Boxes->Shown.back().Kind, TPromptKind::Error);
    EXPECT_FALSE(Boxes->Shown.back().Text.isEmpty());
    EXPECT_TRUE(Cleared(Procs->Puzzle));
    EXPECT_FALSE(Card->isVisible());
}

TEST_F(ScoreCardTest, FailedRenameOfDeleteShowsTheSystemsTextAndKeepsTheFile) {
    OpenForSolving();
    FillAnswers();
    QFile blocker(Path("solve.XW!"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Score(&TScoreForm::DeleteBtn);
    ASSERT_FALSE(Boxes->Shown.empty());
    EXPECT_EQ(Boxes->Shown.back().Kind, TPromptKind::Error);
    EXPECT_FALSE(Boxes->Shown.back().Text.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(File));
    // The windows were closed and the byline changed before the rename.
    EXPECT_EQ(Main->Byline->text(), "!!! DELETED !!!");
    EXPECT_FALSE(App->DemGridForm->isVisible());
}

} // namespace
} // namespace wl::fakes

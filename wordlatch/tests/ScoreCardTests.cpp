// The score card through the running program: solved with one revealed
// letter, scored wrong with the error crosses, started over, and deleted.
#include "MainTestSupport.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace wl::fakes {
namespace {

class ScoreCardTest : public MainWindowTest {
protected:
    // An 11 x 11 puzzle with a black square at every (4k, 4k), opened for solving.
    void OpenForSolving() {
        File = MakePuzzleFile("solve.xwd", 11, [](TXwdPuzzle& p) {
            for (int x = 1; x <= 11; ++x)
                for (int y = 1; y <= 11; ++y)
                    p.Solution(x, y) =
                        x % 4 == 0 && y % 4 == 0 ? BlackSquare : std::uint8_t('A' + (x + y) % 26);
        });
        OpenPuzzle(File, true);
        Card = App->ScoreForm.get();
    }
    void FillAnswers() {
        TXwdPuzzle& p = Procs->Puzzle;
        for (int x = 1; x <= 11; ++x)
            for (int y = 1; y <= 11; ++y)
                if (!p.IsBlack(x, y)) p.Player(x, y) = p.Solution(x, y);
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
    int RedPixels(int x, int y) {
        const QImage image = App->DemGridForm->grab().toImage();
        const qreal r = image.devicePixelRatio();
        const int c = Procs->CellSize;
        int red = 0;
        for (int px = (x - 1) * c; px < x * c; ++px)
            for (int py = (y - 1) * c; py < y * c; ++py) {
                const QColor colour = image.pixelColor(QPoint(px, py) * r);
                red += colour.red() > 200 && colour.green() < 100;
            }
        return red;
    }

    QString File;
    TScoreForm* Card = nullptr;
    std::size_t WaitsBeforeCard = 0;
};

TEST_F(ScoreCardTest, SolvedWithOneRevealedLetterCongratulatesAndNotesTheCheat) {
    OpenForSolving();
    FillAnswers();
    TDemGridForm& grid = *App->DemGridForm;
    Procs->Puzzle.Player(2, 1) = 0;
    grid.SelectWord(QPoint(Procs->CellSize + 3, 3), Qt::LeftButton);
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

TEST_F(ScoreCardTest, WrongThenStartOverThenDelete) {
    OpenForSolving();
    FillAnswers();
    TXwdPuzzle& p = Procs->Puzzle;
    p.Player(3, 2) = 'Z';
    Player->Played.clear();
    Score(&TScoreForm::ShowErrsBtn, [&] {
        EXPECT_EQ(Card->BannerLbl->text(), "PUZZLE INCORRECT!");
        EXPECT_EQ(Card->BannerLbl->palette().color(QPalette::WindowText), QColor(Qt::red));
        EXPECT_FALSE(Card->DeleteBtn->isEnabled());
        EXPECT_FALSE(Card->CheatLbl->isVisible());
    });
    EXPECT_EQ(Player->Played, QStringList{"WAVE_3"});
    EXPECT_GT(RedPixels(3, 2), 10);
    EXPECT_EQ(RedPixels(2, 2), 0);
    App->DemGridForm->Invalidate();
    EXPECT_EQ(RedPixels(3, 2), 0); // the crosses go with the next full repaint

    // Start Over empties the solver's letters in memory and in the file.
    Score(&TScoreForm::StartOverBtn);
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) EXPECT_EQ(p.Player(x, y), 0);
    TDemProcs saved;
    saved.LoadPuzzle(File.toStdString());
    EXPECT_EQ(saved.Puzzle.Player(1, 1), 0);
    EXPECT_FALSE(Procs->PuzzleChanged);
    Score(&TScoreForm::CancelBtn, [&] { EXPECT_EQ(Card->BannerLbl->text(), "PUZZLE INCORRECT!"); });

    // Solved and deleted: the file moves to ".XW!", the windows close, the menu goes dark.
    FillAnswers();
    Score(&TScoreForm::DeleteBtn);
    EXPECT_FALSE(QFileInfo::exists(File));
    EXPECT_TRUE(QFileInfo::exists(Path("solve.XW!")));
    EXPECT_EQ(Main->Byline->text(), "!!! DELETED !!!");
    EXPECT_TRUE(Main->ModeLabel->text().isEmpty());
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
    EXPECT_EQ(Procs->Puzzle.Player(1, 1), 0);
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

// The Dictionary window over lists of its own: the lists it loads and shows,
// a pattern search, suggestions for the selected word placed as one step, and
// a fill undone as one step. Grabs the window to PNGs beside the test.
#include "MainTestSupport.h"

#include "DictionaryUnit.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include <cstdlib>

namespace wl::fakes {
namespace {

class DictionaryWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // CAT ORE WED across and COW ARE TED down fill the 3 x 3 grid.
        Write(Path("builtin-words.txt"), "CAT;60\nORE;50\nWED;40\nCOW;55\nARE;45\nTED;35\nCOT;30\n"
                                         "CUT;20\nDOG\nEGG;10\nbad line 1\n");
        QDir(Path("data")).mkpath("wordlatch/wordlists");
        setenv("XDG_DATA_HOME", Path("data").toLocal8Bit().constData(), 1);
        Write(Path("data/wordlatch/wordlists/mine.txt"), "dog;0\nCUT;65\n");
    }
    void TearDown() override {
        unsetenv("XDG_DATA_HOME");
        MainWindowTest::TearDown();
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QStringList Rows(QTreeWidget* table) {
        QStringList rows;
        for (int i = 0; i < table->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c) cells << table->topLevelItem(i)->text(c);
            rows << cells.join(' ');
        }
        return rows;
    }
    QString Grid() const {
        QString rows;
        for (int y = 1; y <= 3; ++y)
            for (int x = 1; x <= 3; ++x) rows += QChar(Procs->Puzzle.Solution(x, y) ? Procs->Puzzle.Solution(x, y) : '.');
        return rows;
    }
};

TEST_F(DictionaryWindowTest, SearchesSuggestsAndFillsAsOneStepEach) {
    OpenPuzzle(MakePuzzleFile("small.xwd", 3), false);
    Main->Dictionary1->trigger();
    TDictionaryForm& d = *App->DictionaryForm;
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.Words() && !d.Busy(); }, 5000));
    EXPECT_EQ(d.ListsLbl->text(), "Lists: builtin-words.txt: 10 entries, 1 bad line skipped; mine.txt: 2 entries");

    QTest::keyClicks(d.PatternEdit, "c?t");
    EXPECT_EQ(d.FoundLbl->text(), "3 found");
    EXPECT_EQ(Rows(d.MatchList), (QStringList{"CUT 65", "CAT 60", "COT 30"}));
    d.ScoreSpin->setValue(62);
    EXPECT_EQ(Rows(d.MatchList), QStringList{"CUT 65"});
    d.ScoreSpin->setValue(1);

    // 1 Down: a word fits when every row can still start with its letter;
    // CUT cannot (no word starts with U), and only C starts more than one.
    App->DemGridForm->SelectWordAt(1, 1, 2);
    EXPECT_EQ(d.SuggestLbl->text(), "1 Down (\?\?\?): 3 fit");
    EXPECT_EQ(Rows(d.SuggestList), (QStringList{"CAT 60 1", "COW 55 1", "COT 30 1"}));
    emit d.SuggestList->itemActivated(d.SuggestList->topLevelItem(0), 0);
    EXPECT_EQ(Grid(), "C..A..T..");
    App->History.Undo();
    EXPECT_EQ(Grid(), ".........");
    d.grab().save(QDir::current().filePath("dictionary-search.png"));

    d.FillBtn->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !d.Busy(); }, 5000));
    EXPECT_TRUE(Grid() == "CATOREWED" || Grid() == "COWARETED") << Grid().toStdString();
    EXPECT_TRUE(d.StatusLbl->text().startsWith("Filled 6 words (mean score 47.5) in ")) << d.StatusLbl->text().toStdString();
    d.grab().save(QDir::current().filePath("dictionary-filled.png"));
    App->History.Undo();
    EXPECT_EQ(Grid(), ".........") << "the fill is one step";

    // No fill once the only word for the first row is taken away.
    Procs->Puzzle.Solution(3, 3) = 'Z';
    d.FillBtn->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !d.Busy(); }, 5000));
    EXPECT_EQ(d.StatusLbl->text(), "No fill exists with these lists: 3 Down cannot be filled.");
    EXPECT_EQ(Grid(), "........Z");
}

} // namespace
} // namespace wl::fakes

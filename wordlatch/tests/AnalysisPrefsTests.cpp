// The analysis window and the preferences dialog in a running application:
// the counts and the letter table as shown, the arrangement preview, and each
// setting reaching what it sets (sounds, windows, grid colours and font,
// printing, tool paths).
#include "ColorGrid.h"
#include "MainTestSupport.h"
#include "ManuscriptPages.h"
#include "PaintBox.h"
#include "RecordingDevice.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace wl {
namespace {

class AnalysisPrefsTest : public fakes::MainWindowTest {
protected:
    // A new 11x11 puzzle whose rows 1..3 read as given ("#" black, "?"
    // unknown, "." empty); the rest stays black.
    void Construct(const std::vector<std::string>& rows) {
        NewPuzzle(Main->N11x1, "a.xwd");
        for (int y = 1; y <= 11; ++y)
            for (int x = 1; x <= 11; ++x) {
                const char c =
                    y <= int(rows.size()) ? rows[std::size_t(y - 1)][std::size_t(x - 1)] : '#';
                Procs->Puzzle.Solution(x, y) = c == '#'   ? BlackSquare
                                               : c == '?' ? UnknownLetter
                                               : c == '.' ? NoLetter
                                                          : std::uint8_t(c);
            }
    }
    TAnalysisForm& ShowAnalysis() {
        TAnalysisForm& form = *App->AnalysisForm;
        form.hide();
        form.show();
        return form;
    }
    TDemPrefForm& ShowPrefs() {
        TDemPrefForm& form = *App->DemPrefForm;
        form.show();
        return form;
    }
    static void Grab(QWidget& w, const char* name) {
        w.grab().save(QDir::current().filePath(name));
    }
};

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

TEST_F(AnalysisPrefsTest, AnalysisCountsTheGridAgainEachTimeItIsShown) {
    // Across CAT and DOGS, lengths 3 and 4; no down word, no 2-letter word.
    Construct({"CAT########", "###########", "DOGS#######"});
    TAnalysisForm& form = ShowAnalysis();
    EXPECT_EQ(form.windowTitle(), "Puzzle Analysis");
    EXPECT_EQ(form.BkSqLbl->text(), "114");
    EXPECT_EQ(form.AcrLbl->text(), "2");
    EXPECT_EQ(form.DwnLbl->text(), "0");
    EXPECT_EQ(form.WdsLbl->text(), "2");
    EXPECT_EQ(form.Ltr3Lbl->text(), "1");
    EXPECT_EQ(form.EndSLbl->text(), "1");
    EXPECT_EQ(form.AvgLbl->text(), "3");
    EXPECT_EQ(form.IDLbl->text(), "CAT - DOGS    11x");
    EXPECT_EQ(form.Ltr2Lbl->text(), "0");
    EXPECT_EQ(TextColour(form.Ltr2Lbl), GreyTextColor);
    EXPECT_EQ(TextColour(form.Ltr2Caption), GreyTextColor);
    Grab(form, "analysis.png");

    // A 2-letter word turns the line black; the first word gaining "?" shows it.
    Construct({"C?T########", "###########", "DOGS#AT####"});
    ShowAnalysis();
    EXPECT_EQ(form.Ltr2Lbl->text(), "1");
    EXPECT_EQ(TextColour(form.Ltr2Lbl), QColor(Qt::black));
    EXPECT_EQ(TextColour(form.Ltr2Caption), QColor(Qt::black));
    EXPECT_EQ(form.IDLbl->text(), "C?T - DOGS    11x");

    // An empty square in the first across word, all else filled.
    Construct({"C.T########", "###########", "DOGS#######"});
    ShowAnalysis();
    EXPECT_EQ(form.IDLbl->text(), "INCOMPLETE");

    // All black: no word, no average.
    Construct({});
    ShowAnalysis();
    EXPECT_EQ(form.AvgLbl->text(), "-");
    EXPECT_EQ(form.IDLbl->text(), " -     11x");
}

TEST_F(AnalysisPrefsTest, LetterTableDrawsCountedLettersInMaroonAndMissingOnesInWhite) {
    const int rh = 125 / 7 + 1, cw = 237 / 4 + 6;
    // Text is smoothed onto the silver box: count the pixels leaning to each colour.
    const auto maroon = [](QColor c) {
        return c.red() > c.green() + 40 && c.red() > c.blue() + 40;
    };
    const auto white = [](QColor c) { return std::min({c.red(), c.green(), c.blue()}) > 215; };
    // Pixels of one entry's place (letter, dash and count) passing `test`.
    const auto pixels = [&](const QImage& shown, int row, int column, auto test) {
        const QPoint box = App->AnalysisForm->LtrBox->mapTo(App->AnalysisForm.get(), QPoint());
        int n = 0;
        for (int y = 0; y < rh; ++y)
            for (int x = 0; x < 41; ++x)
                n += test(shown.pixelColor(box + QPoint(column * cw + x, row * rh + y)));
        return n;
    };
    Construct({"AAB?#######"});
    QImage shown = ShowAnalysis().grab().toImage();
    EXPECT_GT(pixels(shown, 0, 0, maroon), 20); // A - 2
    EXPECT_GT(pixels(shown, 0, 1, maroon), 20); // B - 1
    EXPECT_EQ(pixels(shown, 0, 2, maroon), 0);  // C - 0 keeps its place, in white
    EXPECT_GT(pixels(shown, 0, 2, white), 20);
    EXPECT_EQ(pixels(shown, 6, 1, maroon), 0); // Z, the last letter
    EXPECT_GT(pixels(shown, 6, 1, white), 20);
    EXPECT_GT(pixels(shown, 6, 3, maroon), 20);                             // ? - 1
    EXPECT_EQ(pixels(shown, 6, 2, white) + pixels(shown, 6, 2, maroon), 0); // no letter here

    Construct({"AAB########"});
    shown = ShowAnalysis().grab().toImage();
    EXPECT_EQ(pixels(shown, 6, 3, maroon), 0); // ? - 0
    EXPECT_GT(pixels(shown, 6, 3, white), 20);
}

} // namespace
} // namespace wl

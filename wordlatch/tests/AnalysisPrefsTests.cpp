// The analysis window and the preferences dialog in a running application:
// the counts and the letter table as shown, the arrangement preview, and each
// setting reaching what it sets (sounds, windows, grid colours and font,
// printing, tool paths).
#include "ColorGrid.h"
#include "MainTestSupport.h"
#include "ManuscriptPages.h"
#include "PaintBox.h"
#include "ScanUnit.h"
#include "RecordingDevice.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

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
    // The pixel at a point in widget coordinates, at any scale factor.
    static QColor Pixel(const QImage& image, QPoint at) {
        const qreal r = image.devicePixelRatio();
        return image.pixelColor(int(at.x() * r), int(at.y() * r));
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

    // Two full-width first words: the whole line shows, inside the window.
    Construct({"ABCDEFGHIJK", "###########", "WWWWWWWWWMW"});
    ShowAnalysis();
    EXPECT_EQ(form.IDLbl->text(), "ABCDEFGHIJK - WWWWWWWWWMW    11x");
    EXPECT_LE(form.IDLbl->fontMetrics().horizontalAdvance(form.IDLbl->text()),
              form.IDLbl->contentsRect().width());
    EXPECT_LE(form.IDLbl->geometry().right(), form.width() - 8);
    EXPECT_LE(form.BitBtn1->geometry().right(), form.width() - 8);
    Grab(form, "analysis-long.png");

    // All black: no word, no average; the window is back to its own size.
    Construct({});
    ShowAnalysis();
    EXPECT_EQ(form.AvgLbl->text(), "-");
    EXPECT_EQ(form.IDLbl->text(), " -     11x");
    EXPECT_EQ(form.size(), QSize(426, 235));
}

TEST_F(AnalysisPrefsTest, ScanGridListsTheFindingsAndEnterSelectsTheirWordInTheGrid) {
    // CAT and WAS across, COW down from (2,1); the rest of the grid black.
    Construct({"#CAT#######", "#O#########", "#WAS#######"});
    Main->ScanGrid1->trigger();
    TScanForm& scan = *App->ScanForm;
    ASSERT_TRUE(scan.isVisible());
    EXPECT_EQ(scan.windowTitle(), "Scan Grid");
    QStringList shown;
    for (int i = 0; i < scan.FindingsList->count(); ++i) shown << scan.FindingsList->item(i)->text();
    EXPECT_EQ(shown.first(), "Square (2,1) is white, its twin (10,11) black.");
    EXPECT_EQ(shown.last(), "Black squares along the right edge from (11,1) to (11,11).");
    EXPECT_EQ(scan.FindingsList->item(0)->foreground().color(), QColor(128, 0, 0));
    EXPECT_EQ(scan.FindingsList->item(int(shown.size()) - 1)->foreground().color(), QColor(0, 0, 128));
    Grab(scan, "scan-grid.png");

    TDemGridForm& grid = *App->DemGridForm;
    const struct {
        QString Line;
        int Direction;
        QPoint Cursor;
    } choices[] = {
        {"1 Across (CAT) has no clue.", 1, {27, 0}},
        {"Square (2,2) is only in 1 Down.", 2, {27, 0}},   // the word through the square
        {"Square (4,3) is only in 2 Across.", 1, {27, 54}}, // from its first square
    };
    for (const auto& c : choices) {
        scan.FindingsList->setFocus();
        scan.FindingsList->setCurrentRow(int(shown.indexOf(c.Line)));
        ASSERT_GE(scan.FindingsList->currentRow(), 0) << c.Line.toStdString();
        QTest::keyClick(scan.FindingsList, Qt::Key_Return);
        EXPECT_EQ(grid.Direction, c.Direction) << c.Line.toStdString();
        EXPECT_EQ(grid.CursorPos, c.Cursor) << c.Line.toStdString();
    }
    // Shown again, it scans the grid as it is now.
    Procs->Puzzle.Solution(2, 1) = BlackSquare;
    Main->ScanGrid1->trigger();
    EXPECT_TRUE(scan.FindingsList->findItems("1 Across (CAT) has no clue.", Qt::MatchExactly).isEmpty());
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
                n += test(Pixel(shown, box + QPoint(column * cw + x, row * rh + y)));
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

struct TPanels {
    QPoint Puzzle, Menu, Clues;
    bool operator==(const TPanels&) const = default;
};
TPanels PanelsOf(const TDemPrefForm& f) {
    return {f.PuzzlePnl->pos(), f.MenuPnl->pos(), f.CluesPnl->pos()};
}
// The previews of presets 1..4.
const TPanels Presets[] = {{{16, 24}, {124, 24}, {124, 66}},
                           {{16, 24}, {124, 116}, {124, 24}},
                           {{90, 24}, {16, 116}, {16, 24}},
                           {{90, 24}, {16, 24}, {16, 66}}};

TEST_F(AnalysisPrefsTest, ArrangePreviewCyclesAndEveryOpeningShowsPresetOne) {
    TDemPrefForm& form = ShowPrefs();
    EXPECT_EQ(form.windowTitle(), "Wordlatch Preferences");
    EXPECT_EQ(form.ArrangeIndex, 1);
    EXPECT_EQ(PanelsOf(form), Presets[0]);
    // Four clicks come back to the preset that was showing.
    for (int click = 1; click <= 4; ++click) {
        form.ArrangeBtn->click();
        EXPECT_EQ(PanelsOf(form), Presets[click % 4]) << click;
    }
    EXPECT_EQ(form.ArrangeIndex, 1);
    Grab(form, "preferences-general.png");

    form.ArrangeBtn->click();
    form.ArrangeBtn->click();
    form.reject();
    ShowPrefs();
    EXPECT_EQ(form.ArrangeIndex, 1);
    EXPECT_EQ(PanelsOf(form), Presets[0]);

    // Each page has its note.
    QStringList notes;
    for (int page = 0; page < 4; ++page) {
        form.PageControl1->setCurrentIndex(page);
        notes << form.Txt->text();
    }
    notes.removeDuplicates();
    EXPECT_EQ(notes.size(), 4);
    EXPECT_FALSE(notes.contains(""));
}

TEST_F(AnalysisPrefsTest, ArrangeMovesTheWindowsAsThePreviewShowedWhenTheDialogCloses) {
    NewPuzzle(Main->N15x1, "a.xwd"); // a grid window 412 pixels wide
    TDemGridForm& grid = *App->DemGridForm;
    const int mh = Main->OuterHeight();
    TDemPrefForm& form = *App->DemPrefForm;
    // Opening and closing without a click moves nothing.
    grid.move(5, 5);
    Main->move(7, 7);
    ShowPrefs();
    form.accept();
    EXPECT_EQ(grid.pos(), QPoint(5, 5));
    EXPECT_EQ(Main->pos(), QPoint(7, 7));

    struct TRow {
        int Clicks;
        QPoint Grid, Main;
    };
    // Screen 1024 x 768, main window 233 wide: gaps of 126 (and 127 left over).
    const int gridTop = (768 - grid.OuterHeight()) / 2;
    const TRow rows[] = {{1, {126, gridTop}, {664, 768 - mh - 12}},
                         {2, {486, gridTop}, {127, 768 - mh - 12}},
                         {3, {486, gridTop}, {127, 12}},
                         {4, {126, gridTop}, {664, 12}}};
    for (const TRow& row : rows) {
        ShowPrefs();
        for (int i = 0; i < row.Clicks; ++i) form.ArrangeBtn->click();
        form.reject(); // Escape closes as Done does
        EXPECT_EQ(grid.pos(), row.Grid) << row.Clicks;
        EXPECT_EQ(Main->pos(), row.Main) << row.Clicks;
    }
}

TEST_F(AnalysisPrefsTest, SoundsAndSpeechSetTheSoundModeHeardBeforeQuestions) {
    TDemPrefForm& form = ShowPrefs();
    EXPECT_TRUE(form.SoundChk->isChecked()); // sound effects from the start
    EXPECT_FALSE(form.SpeechChk->isChecked());
    struct TRow {
        QCheckBox* Click;
        int Mode;
        QStringList Heard;
    };
    const TRow rows[] = {{form.SpeechChk, 2, {"WAVE_6"}},
                         {form.SpeechChk, 0, {}},
                         {form.SoundChk, 1, {"WAVE_1"}},
                         {form.SpeechChk, 2, {"WAVE_6"}}};
    for (const TRow& row : rows) {
        QTest::mouseClick(row.Click, Qt::LeftButton);
        EXPECT_EQ(Procs->SoundMode, row.Mode);
        EXPECT_EQ(form.SoundChk->isChecked(), row.Mode == 1);
        EXPECT_EQ(form.SpeechChk->isChecked(), row.Mode == 2);
        Player->Played.clear();
        App->Prompts->Confirm("Go on?", TPromptButtons::YesNo);
        EXPECT_EQ(Player->Played, row.Heard) << row.Mode;
    }
    form.accept();
    Procs->SoundMode = 0;
    ShowPrefs();
    EXPECT_FALSE(form.SoundChk->isChecked());
    EXPECT_FALSE(form.SpeechChk->isChecked());
}

TEST_F(AnalysisPrefsTest, ColourGridPaintsWhiteSquaresWithTheLeftButtonAndBlackWithTheRight) {
    NewPuzzle(Main->N15x1, "a.xwd");
    Procs->Puzzle.Solution(1, 1) = BlackSquare;
    TDemPrefForm& form = ShowPrefs();
    form.PageControl1->setCurrentWidget(form.ViewPg);
    const QColor navy(0, 0, 128), yellow(255, 255, 0);
    const auto cell = [](int index) { return QPoint(index % 4 * 24 + 12, index / 4 * 24 + 12); };
    QTest::mouseClick(form.ColorGrid1, Qt::RightButton, {}, cell(4));
    QTest::mouseClick(form.ColorGrid1, Qt::LeftButton, {}, cell(11));
    ASSERT_EQ(form.ColorGrid1->ColorAt(cell(4)), navy);
    ASSERT_EQ(form.ColorGrid1->ColorAt(cell(11)), yellow);
    Grab(form, "preferences-view.png");
    const QImage pad = form.GridPad->grab().toImage();
    EXPECT_EQ(Pixel(pad, {3 * 27 + 5, 5}), navy); // the black bar of column 4
    EXPECT_EQ(Pixel(pad, {3, 3}), yellow);        // "A" at the top left
    EXPECT_EQ(Pixel(pad, {27, 5}), navy);         // an outline
    form.accept();

    // The grid keeps the colours, also when the puzzle is shown again.
    Main->ShowPuzzle();
    const QImage shown = App->DemGridForm->grab().toImage();
    EXPECT_EQ(Pixel(shown, {5, 5}), navy);
    EXPECT_EQ(Pixel(shown, {27 + 3, 3}), yellow);
    EXPECT_EQ(Pixel(shown, {2 * 27, 5}), navy);
    // Printing fills black squares with it unless "Gray Squares" is asked for.
    EXPECT_EQ(App->DemPrintForm->Settings.BlackSquares, (TRgb{0, 0, 128}));
}

TEST_F(AnalysisPrefsTest, SetFontChangesTheLettersOfTheGridAndCancelKeepsThem) {
    NewPuzzle(Main->N15x1, "a.xwd");
    Procs->Puzzle.Solution(1, 1) = 'W';
    App->DemGridForm->Invalidate();
    const QImage before = App->DemGridForm->grab().toImage();
    TDemPrefForm& form = ShowPrefs();
    QFont big("Times New Roman");
    big.setPixelSize(22);
    big.setBold(true);
    FontDialog->Answers.push_back(big);
    form.FontBtn->click();
    ASSERT_EQ(FontDialog->Shown.size(), 1u);
    EXPECT_EQ(FontDialog->Shown[0], GridFont()); // starts from the font in use
    EXPECT_EQ(App->DemGridForm->Font, big);
    const QImage after = App->DemGridForm->grab().toImage();
    EXPECT_NE(after.copy(0, 0, 28, 28), before.copy(0, 0, 28, 28));

    form.FontBtn->click(); // cancelled
    EXPECT_EQ(FontDialog->Shown.back(), big);
    EXPECT_EQ(App->DemGridForm->Font, big);
}

TEST_F(AnalysisPrefsTest, PrintPageFillsTheAuthorBlockCluePositionAndMargin) {
    TDemPrefForm& form = ShowPrefs();
    form.PageControl1->setCurrentWidget(form.PrintPg);
    EXPECT_EQ(form.NameEd->text(), "Wordlatch Demo");
    EXPECT_TRUE(form.DefLeftChk->isChecked());
    EXPECT_EQ(form.PmSpin->value(), 0);
    form.NameEd->clear();
    QTest::keyClicks(form.NameEd, "Ann Cr");
    QTest::sendKeyEvent(QTest::Click, form.NameEd, Qt::Key_Eacute, QString("\u00E9"), {});
    QTest::keyClicks(form.NameEd, "ateur");
    // A letter the 8-bit text cannot hold is refused.
    QTest::sendKeyEvent(QTest::Click, form.NameEd, Qt::Key_unknown, QString("\u0151"), {});
    QTest::keyClicks(form.Add2Ed, "1 Main Street");
    QTest::mouseClick(form.DefLeftChk, Qt::LeftButton);
    form.PmSpin->setValue(3);
    Grab(form, "preferences-print.png");
    form.accept();

    const TPrintSettings& settings = App->DemPrintForm->Settings;
    EXPECT_EQ(settings.Name, "Ann Cr\xE9"
                             "ateur"); // the 8-bit text
    EXPECT_FALSE(settings.DefinitionsAtLeft);
    EXPECT_EQ(settings.BottomMargin, 3);
    // The manuscript's first page carries the name and the address line.
    fakes::TRecordingDevice device;
    TPrintJob job(device, [&] { return device.NewPage(); });
    const TLayoutValues values = MeasureLayout(device);
    const TPrintContent content{Procs->Puzzle, "T", "", settings, Qt::black};
    job.NextPage();
    TManuscriptPages(job, values, content).PrintHeader(true);
    EXPECT_NE(device.Find("Ann Cr\u00E9ateur", 1), nullptr);
    EXPECT_NE(device.Find("1 Main Street", 1), nullptr);

    ShowPrefs();
    EXPECT_EQ(form.NameEd->text(), "Ann Cr\u00E9ateur");
    EXPECT_EQ(form.Add2Ed->text(), "1 Main Street");
    EXPECT_FALSE(form.DefLeftChk->isChecked());
    EXPECT_EQ(form.PmSpin->value(), 3);
}

TEST_F(AnalysisPrefsTest, ToolPathsComeFromBrowseOrTypingAndStayForTheRun) {
    TDemPrefForm& form = ShowPrefs();
    form.PageControl1->setCurrentWidget(form.ToolsPg);
    Dialogs->Answers.push_back("/opt/tools/dict");
    form.DictBtn->click();
    ASSERT_EQ(Dialogs->Shown.size(), 1u);
    EXPECT_FALSE(Dialogs->Shown[0].Save);
    EXPECT_TRUE(Dialogs->Shown[0].MustExist);
    EXPECT_TRUE(Dialogs->Shown[0].Title.contains("Dictionary"));
    EXPECT_EQ(form.DictEdit->text(), "/opt/tools/dict");
    // Cancel keeps the path; the next dialog starts from it.
    form.DictBtn->click();
    EXPECT_EQ(Dialogs->Shown[1].FileName, "/opt/tools/dict");
    EXPECT_EQ(form.DictEdit->text(), "/opt/tools/dict");
    QTest::keyClicks(form.MailEdit, "/opt/tools/mail");
    Grab(form, "preferences-tools.png");
    form.accept();
    EXPECT_EQ(form.ToolPaths.Dictionary, "/opt/tools/dict");
    EXPECT_EQ(form.ToolPaths.Mailbot, "/opt/tools/mail");
    ShowPrefs();
    EXPECT_EQ(form.MailEdit->text(), "/opt/tools/mail");
}

} // namespace
} // namespace wl

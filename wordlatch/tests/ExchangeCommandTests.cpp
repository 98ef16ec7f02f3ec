// Opening .puz and .ipuz files and "Save Puzzle As" in each format, driven
// through the menu with scripted dialogs.
#include "MainTestSupport.h"

#include "Interop.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include <cstring>
#include <string>

namespace wl::fakes {
namespace {

class ExchangeCommandTest : public MainWindowTest {
protected:
    // A 13 x 13 record with black corners, every white square lettered and the
    // byline "Ann Author".
    static TXwdPuzzle Lettered() {
        TDemProcs d;
        d.NewPuzzle(13);
        TXwdPuzzle& p = d.Puzzle;
        for (int x = 1; x <= 13; ++x)
            for (int y = 1; y <= 13; ++y)
                p.Solution(x, y) = (x == 1 || x == 13) && (y == 1 || y == 13)
                                       ? BlackSquare
                                       : std::uint8_t('A' + (x * 5 + y) % 26);
        p.Byline.SetText("Ann Author");
        return p;
    }
    QString Write(const QString& name, const std::string& bytes) {
        QFile f(Path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), qsizetype(bytes.size()));
        return Path(name);
    }
    TReadResult ReadBack(const QString& name) {
        const QByteArray bytes = FileBytes(Path(name));
        return ReadExchange(
            *FormatOfFile(name.toStdString()),
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), std::size_t(bytes.size())});
    }
};

TEST_F(ExchangeCommandTest, ImportAsksWhatTheFileNeedsAndOpensItAsAnXwdBesideIt) {
    const std::string ipuz = WriteIpuz(Lettered(), "Sunday");
    std::string withCopyright = ipuz;
    withCopyright.insert(withCopyright.find('{') + 1, "\"copyright\": \"(c) Someone\", ");
    std::string damaged = WritePuz(Lettered(), "Sunday");
    damaged[0x34 + 1] = damaged[0x34 + 1] == 'Q' ? 'R' : 'Q'; // a solution letter
    const QString fits = "Not everything in this file fits a Wordlatch puzzle:\n\n";
    const QString sunday = fits + "The title \"Sunday\" is not kept.";
    struct TRow {
        const char* Name;
        std::string Bytes;
        std::deque<TPromptAnswer> Answers;
        QStringList Texts; // the boxes shown
        bool Opened;       // the puzzle became the XWD file beside it
    } rows[] = {
        {"clean.ipuz", ipuz, {}, {sunday}, true},
        {"noted.ipuz",
         withCopyright,
         {},
         {fits + "The copyright line \"(c) Someone\" is not kept.\n"
                 "The title \"Sunday\" is not kept."},
         true},
        {"junk.puz", "not a puzzle at all", {}, {"This is not a .puz crossword file."}, false},
        {"damaged.puz",
         damaged,
         {TPromptAnswer::No},
         {QString(DamagedPuzText) + "\n\nOpen it anyway?"},
         false},
        {"damaged2.puz",
         damaged,
         {TPromptAnswer::Yes},
         {QString(DamagedPuzText) + "\n\nOpen it anyway?", sunday},
         true},
    };
    for (TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const QString path = Write(row.Name, row.Bytes);
        const QString xwd = Path(QFileInfo(row.Name).completeBaseName() + ".xwd");
        Boxes->Shown.clear();
        Boxes->Answers = row.Answers;
        OpenPuzzle(path, true);
        EXPECT_EQ(BoxTexts(), row.Texts);
        EXPECT_EQ(QFile::exists(xwd), row.Opened);
        EXPECT_EQ(FileBytes(path).toStdString(), row.Bytes) << "the original is never rewritten";
        if (!row.Opened) continue;
        EXPECT_EQ(Procs->PuzzleFileName, xwd.toStdString());
        EXPECT_EQ(Procs->PuzzleMode, ModeSolve);
        EXPECT_EQ(Procs->Puzzle.Solution(5, 5), Lettered().Solution(5, 5));
        EXPECT_EQ(Main->Byline->text(), "by Ann Author");
        EXPECT_EQ(FileBytes(xwd).size(), qsizetype(XwdFileSize));
    }
    // The junk file's error is the reader's own; the damaged file's question is a warning.
    Boxes->Shown.clear();
    OpenPuzzle(Path("junk.puz"), false);
    ASSERT_EQ(Boxes->Shown.size(), 1u);
    EXPECT_EQ(Boxes->Shown[0].Kind, TPromptKind::Error);
    EXPECT_EQ(Procs->PuzzleFileName, Path("damaged2.xwd").toStdString()) << "still open";
    EXPECT_EQ(Dialogs->Shown.back().Filter, OpenFilter);
    App->DemGridForm->grab().save(QDir::current().filePath("exchange-imported.png"));

    // 3 x 2 without answers, a down-only start at (3, 1): asked, then constructed under its title.
    Boxes->Shown.clear();
    Boxes->Answers = {TPromptAnswer::Yes};
    OpenPuzzle(Write("small.ipuz",
                     R"({"kind":["http://ipuz.org/crossword#1"],"title":"Small Hours",)"
                     R"("dimensions":{"width":3,"height":2},"puzzle":[[1,"#",2],[3,0,0]],)"
                     R"("clues":{"Across":[[3,"Row"]],"Down":[[1,""],[2,"Side"]]}})"),
               true);
    EXPECT_EQ(BoxTexts(),
              QStringList{fits +
                          "The grid is 3 x 2 squares; black squares are added to make it 3 x 3.\n"
                          "The file holds no answers, so a solution cannot be checked.\n"
                          "The title \"Small Hours\" is not kept.\n\n"
                          "The puzzle opens for construction.\n\nOpen it anyway?"});
    EXPECT_EQ(Procs->PuzzleMode, ModeLetters);
    EXPECT_EQ(Procs->Puzzle.Clue(2).Text() + "|" + Procs->Puzzle.Clue(3).Text(), "Side|Row");
    App->DemPrintForm->FormShow();
    EXPECT_EQ(App->DemPrintForm->TitleEdit->text(), "Small Hours");

    // An XWD file of that name already there: asked first, No keeps it.
    const QByteArray before = FileBytes(Path("clean.xwd"));
    Boxes->Shown.clear();
    Boxes->Answers = {TPromptAnswer::No};
    TXwdPuzzle other = Lettered();
    other.Solution(2, 1) = NoLetter;
    Write("clean.ipuz", WriteIpuz(other, ""));
    OpenPuzzle(Path("clean.ipuz"), false);
    EXPECT_EQ(BoxTexts(), QStringList{QString(ReplaceXwdQuestion).arg("clean.xwd")});
    EXPECT_EQ(FileBytes(Path("clean.xwd")), before);
    Boxes->Answers = {TPromptAnswer::Yes};
    OpenPuzzle(Path("clean.ipuz"), false);
    EXPECT_EQ(Procs->PuzzleFileName, Path("clean.xwd").toStdString());
    EXPECT_EQ(Procs->Puzzle.Solution(2, 1), NoLetter);
    App->DemPrintForm->FormShow();
    EXPECT_EQ(App->DemPrintForm->TitleEdit->text(), "clean");
}

// No command writes over a file it must keep, by whatever name it is reached; a folder is no
// puzzle.
TEST_F(ExchangeCommandTest, ImportAndSaveAsKeepTheOriginalAndTheOpenPuzzle) {
    NewPuzzle(Main->N13x1, "mine.xwd");
    Procs->Puzzle = Lettered();
    Procs->Puzzle.Solution(2, 3) = UnknownLetter;
    Main->Save1->trigger();
    const QByteArray mine = FileBytes(Path("mine.xwd"));
    const std::string puz = WritePuz(Lettered(), "");
    for (const char* name : {"orig.puz", "mine.puz"}) Write(name, puz);
    QFile::link(Path("mine.xwd"), Path("link.puz"));
    QFile::link(Path("orig.puz"), Path("orig.xwd"));
    QDir(Dir.path()).mkdir("folder.ipuz");
    for (const char* name : {"orig.puz", "mine.puz", "folder.ipuz"}) OpenPuzzle(Path(name), false);
    Dialogs->Answers = {Path("link.puz"), Path("declined.puz"), Path("unknown.puz")};
    Boxes->Answers = {TPromptAnswer::Ok, TPromptAnswer::No};
    for (int i = 0; i < 3; ++i) Main->SavePuzzleAs1->trigger();
    const QString unknown =
        "Not everything in this puzzle fits the file:\n\nSquares whose letter is unknown "
        "are written with the answer \"?\": (2, 3).\n\nSave it anyway?";
    EXPECT_EQ(
        BoxTexts(),
        (QStringList{
            "orig.xwd is the file orig.puz itself, which stays as it is: the puzzle cannot be kept "
            "beside it.",
            "mine.xwd is the open puzzle's own file: open another puzzle before this file replaces "
            "it.",
            "This is a folder, not a puzzle file.",
            "The copy cannot be written over the open puzzle's own file. Choose another name.",
            unknown, unknown}));
    EXPECT_EQ(FileBytes(Path("mine.xwd")), mine);
    EXPECT_EQ(FileBytes(Path("orig.puz")).toStdString(), puz);
    EXPECT_EQ(Procs->PuzzleFileName, Path("mine.xwd").toStdString());
    EXPECT_FALSE(QFile::exists(Path("declined.puz")));
    EXPECT_EQ(ReadBack("unknown.puz").Puzzle.Solution(2, 3), UnknownLetter) << "written after Yes";
}

TEST_F(ExchangeCommandTest, LockedPuzFileAsksForItsKeyUntilItUnlocksOrTheUserCancels) {
    // Locks the solution of a written .puz the way the format does.
    std::string puz = WritePuz(Lettered(), "Locked");
    std::string letters;
    for (int x = 1; x <= 13; ++x)
        for (int y = 1; y <= 13; ++y)
            if (!Lettered().IsBlack(x, y)) letters += char(Lettered().Solution(x, y));
    const std::string locked = ScrambleLetters(letters, 1234);
    std::size_t k = 0;
    for (int x = 0; x < 13; ++x)
        for (int y = 0; y < 13; ++y)
            if (!Lettered().IsBlack(x + 1, y + 1))
                puz[0x34 + std::size_t(y * 13 + x)] = locked[k++];
    puz[0x32] = 4; // scrambled
    const auto checksum = [](const std::string& s) {
        return PuzChecksum({reinterpret_cast<const std::uint8_t*>(s.data()), s.size()});
    };
    const std::uint16_t sum = checksum(letters);
    puz[0x1E] = char(sum & 0xFF);
    puz[0x1F] = char(sum >> 8);
    const QString path = Write("locked.puz", puz);
    Boxes->TextAnswers = {QString("abc"), QString("12"), QString("9999"), QString("1234")};
    Boxes->Answers = {TPromptAnswer::Yes}; // the checksums of the file as changed here
    OpenPuzzle(path, false);
    EXPECT_EQ(Boxes->TextAsked.size(), 4) << "not a number, not four digits, a wrong key, the key";
    EXPECT_EQ(Procs->PuzzleFileName, Path("locked.xwd").toStdString());
    EXPECT_EQ(Procs->Puzzle.Solution(2, 1), Lettered().Solution(2, 1));
    Boxes->TextAnswers = {std::nullopt};
    Boxes->TextAsked.clear();
    QFile::remove(Path("locked.xwd"));
    OpenPuzzle(path, false);
    EXPECT_FALSE(QFile::exists(Path("locked.xwd"))) << "Cancel opens nothing";
}

TEST_F(ExchangeCommandTest, SaveAsWritesEachFormatAndOnlyXwdMovesThePuzzle) {
    NewPuzzle(Main->N13x1, "mine.xwd");
    Procs->Puzzle = Lettered();
    Procs->PuzzleChanged = true;
    Dialogs->Answers = {Path("copy.puz"), Path("copy.ipuz")};
    Main->SavePuzzleAs1->trigger();
    Main->SavePuzzleAs1->trigger();
    EXPECT_TRUE(Boxes->Shown.empty()) << BoxTexts().join("|").toStdString();
    EXPECT_EQ(Dialogs->Shown.back().Filter, SaveAsFilter);
    EXPECT_EQ(Dialogs->Shown.back().FileName, "mine.xwd");
    for (const char* name : {"copy.puz", "copy.ipuz"}) {
        SCOPED_TRACE(name);
        const TReadResult back = ReadBack(name);
        ASSERT_TRUE(back.Ok()) << back.Error;
        EXPECT_EQ(back.Puzzle.Byline.Text(), "Ann Author") << "the byline is the author";
        EXPECT_EQ(back.Title, "mine");
        EXPECT_EQ(back.Puzzle.Solution(5, 5), Lettered().Solution(5, 5));
    }
    EXPECT_EQ(Procs->PuzzleFileName, Path("mine.xwd").toStdString());
    EXPECT_TRUE(Procs->PuzzleChanged) << "a copy in another format leaves the XWD unsaved";

    // What a format cannot hold and an unknown extension are refused; nothing written.
    Procs->Puzzle.Solution(5, 5) = NoLetter;
    Dialogs->Answers = {Path("part.puz"), Path("mine.txt")};
    Main->SavePuzzleAs1->trigger();
    Main->SavePuzzleAs1->trigger();
    ASSERT_EQ(Boxes->Shown.size(), 2u);
    EXPECT_EQ(Boxes->Shown[1].Text, NoSaveAsFormat);
    EXPECT_FALSE(QFile::exists(Path("part.puz")) || QFile::exists(Path("mine.txt")));

    Dialogs->Answers = {Path("other.xwd")};
    Main->SavePuzzleAs1->trigger();
    EXPECT_EQ(Procs->PuzzleFileName, Path("other.xwd").toStdString());
    EXPECT_FALSE(Procs->PuzzleChanged);
    EXPECT_EQ(App->DemGridForm->windowTitle(), "OTHER");
    TXwdPuzzle saved{};
    std::memcpy(&saved, FileBytes(Path("other.xwd")).constData(), XwdFileSize);
    EXPECT_EQ(std::memcmp(&saved, &Procs->Puzzle, XwdFileSize), 0);
}

} // namespace
} // namespace wl::fakes

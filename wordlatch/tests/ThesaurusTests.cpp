// The thesaurus over small files in its sources' own formats: lookups of a
// plain word, a squashed phrase and an accented one; damaged and missing files;
// the window's lookups, its load on a worker and the word copied into a clue.
// Grabs the window to a PNG beside the test.
#include "Thesaurus.h"
#include "ThesaurusUnit.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace wl {
namespace {

namespace fs = std::filesystem;

// Entries out of order on purpose: bank's noun meanings come in the other order
// in WordNet, and its verb has no WordNet sense here.
constexpr const char* ThesaurusData = "UTF-8\n"
                                      "bank|3\n"
                                      "(noun)|depository|financial institution (generic term)\n"
                                      "(noun)|slope (generic term)\n"
                                      "(verb)|rely|trust (generic term)|distrust (antonym)\n"
                                      "crème brûlée|1\n"
                                      "(noun)|custard (generic term)\n"
                                      "ice cream|1\n"
                                      "(noun)|icecream|frozen dessert (generic term)\n"
                                      "ice-cream|1\n"
                                      "(noun)|ice cream\n";

// Synsets as "#k" for their offsets, worked out as the files are written.
const std::vector<std::string> NounSynsets = {
    "#0 06 n 02 bank 0 depository 0 001 @ #2 n 0000 | a financial institution; \"he cashed a check "
    "at the bank\"  ",
    "#1 17 n 01 bank 1 001 @ #3 n 0000 | sloping land beside water  ",
    "#2 14 n 01 financial_institution 0 000 | an institution dealing in money  ",
    "#3 17 n 01 slope 0 000 | an incline of the ground  ",
    "#4 13 n 02 ice_cream 0 icecream 0 001 @ #5 n 0000 | frozen dessert containing cream and sugar "
    "and flavoring  ",
    "#5 13 n 01 frozen_dessert 0 000 | any of various desserts prepared by freezing  "};
constexpr const char* NounIndex = "  1 a licence line, indented\n"
                                  "bank n 2 1 @ 2 0 #1 #0  \n"
                                  "financial_institution n 1 0 1 0 #2  \n"
                                  "frozen_dessert n 1 0 1 0 #5  \n"
                                  "ice_cream n 1 1 @ 1 0 #4  \n"
                                  "slope n 1 0 1 0 #3  \n";

// Every "#k" in `text` as synset k's offset.
std::string Placed(std::string text, const std::vector<std::size_t>& offsets) {
    for (std::size_t k = offsets.size(); k-- > 0;) {
        const std::string mark = std::string("#").append(std::to_string(k));
        for (std::size_t at; (at = text.find(mark)) != std::string::npos;) {
            char offset[9];
            std::snprintf(offset, sizeof offset, "%08zu", offsets[k]);
            text.replace(at, 2, offset);
        }
    }
    return text;
}

// Each entry on a line, its meanings and definitions below it.
std::string Text(const std::vector<TThesaurusEntry>& entries) {
    std::string text;
    for (const TThesaurusEntry& e : entries) {
        text.append(e.Word).append("\n");
        for (const TMeaning& m : e.Meanings) {
            text.append("  ").append(m.PartOfSpeech).append(" [").append(m.Sense).append("]:");
            for (const std::string& w : m.Words) text.append(" ").append(w).append(";");
            text.append("\n");
        }
        for (const TDefinitions& d : e.Definitions)
            for (std::size_t k = 0; k < d.Glosses.size(); ++k)
                text.append("  ")
                    .append(d.PartOfSpeech)
                    .append(" ")
                    .append(std::to_string(k + 1))
                    .append(". ")
                    .append(d.Glosses[k])
                    .append("\n");
    }
    return text;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text.append(line).append("\n");
    return text;
}

class ThesaurusTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        WriteThesaurus(ThesaurusData);
        fs::create_directory(WordNet);
        // Offsets are eight digits whatever they are: lay the lines out with zeros first.
        const std::string header = "  1 a licence line, indented\n";
        std::vector<std::size_t> offsets;
        for (std::size_t at = header.size(); const std::string& s : NounSynsets) {
            offsets.push_back(at);
            at += Placed(s, std::vector<std::size_t>(NounSynsets.size())).size() + 1;
        }
        std::string data = header;
        for (const std::string& s : NounSynsets) data.append(Placed(s, offsets)).append("\n");
        Write(WordNet / "data.noun", data);
        Write(WordNet / "index.noun", Placed(NounIndex, offsets));
        for (const char* other : {"verb", "adj", "adv"}) {
            Write(WordNet / (std::string("index.") + other), "");
            Write(WordNet / (std::string("data.") + other), "");
        }
    }
    static void Write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // The .dat as given and its .idx: each entry's line and offset, sorted.
    void WriteThesaurus(const std::string& dat) {
        Write(Dat, dat);
        std::vector<std::string> index;
        for (std::size_t line = dat.find('\n') + 1, next; line < dat.size(); line = next) {
            const std::size_t bar = dat.find('|', line);
            next = dat.find('\n', line) + 1;
            for (int n = std::stoi(dat.substr(bar + 1)); n > 0; --n)
                next = dat.find('\n', next) + 1;
            index.push_back(dat.substr(line, bar - line) + "|" + std::to_string(line));
        }
        Write(Dat.parent_path() / "th.idx",
              "UTF-8\n" + std::to_string(index.size()) + "\n" + Joined(index));
    }

    QTemporaryDir Dir;
    const fs::path Root = Dir.path().toStdString(), Dat = Root / "th.dat",
                   WordNet = Root / "wordnet";
};

TEST_F(ThesaurusTest, FindsEverySpellingOfASquashedWordWithItsSensesAndDefinitions) {
    TThesaurus thesaurus(Dat.string(), WordNet.string());
    EXPECT_EQ(Joined(thesaurus.Problems()), "");
    EXPECT_EQ(thesaurus.Entries(), 4u);
    const struct {
        const char* Word;
        std::string Found;
    } rows[] = {
        {"BANK",
         "bank\n"
         "  noun [a financial institution]: depository; financial institution (generic term);\n"
         "  noun [sloping land beside water]: slope (generic term);\n"
         "  verb []: rely; trust (generic term); distrust (antonym);\n"
         "  noun 1. sloping land beside water\n"
         "  noun 2. a financial institution; \"he cashed a check at the bank\"\n"},
        {"ICECREAM", "ice cream\n"
                     "  noun [frozen dessert containing cream and sugar and flavoring]: icecream; "
                     "frozen dessert (generic term);\n"
                     "  noun 1. frozen dessert containing cream and sugar and flavoring\n"
                     "ice-cream\n"
                     "  noun []: ice cream;\n"},
        // The spelling typed comes first.
        {"Ice-Cream", "ice-cream\n"
                      "  noun []: ice cream;\n"
                      "ice cream\n"
                      "  noun [frozen dessert containing cream and sugar and flavoring]: icecream; "
                      "frozen dessert (generic term);\n"
                      "  noun 1. frozen dessert containing cream and sugar and flavoring\n"},
        {"CREMEBRULEE", "crème brûlée\n  noun []: custard (generic term);\n"},
        {"FROZEN DESSERT",
         "frozen dessert\n  noun 1. any of various desserts prepared by freezing\n"},
        {"XYZZY", ""},
        {"?-?", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(Text(thesaurus.Lookup(row.Word)), row.Found) << row.Word;
    EXPECT_EQ(BareWord("frozen dessert (generic term)"), "frozen dessert");
    EXPECT_EQ(BareWord("icecream"), "icecream");
}

TEST_F(ThesaurusTest, NamesTheFileThatCannotBeReadAndKeepsTheRest) {
    const std::string root = Root.string();
    const std::string bankFromWordNet =
        "bank\n"
        "  noun 1. sloping land beside water\n"
        "  noun 2. a financial institution; \"he cashed a check at the bank\"\n";
    std::string unsorted = ThesaurusData, cut = ThesaurusData;
    unsorted.replace(unsorted.find("bank|3"), 6, "zoo|3");
    cut.erase(cut.rfind("(noun)"));
    const struct {
        const char* Name;
        std::function<void()> Damage;
        std::string Dat, Problems;
        std::size_t Entries;
        std::string Word, Found;
    } rows[] = {
        {"missing", [] {}, root + "/none.dat",
         root + "/none.dat: No such file or directory\n" + root +
             "/none.idx: No such file or directory\n",
         0, "bank", bankFromWordNet},
        {"empty", [&] { Write(Dat, ""), Write(Root / "th.idx", ""); }, Dat.string(),
         root + "/th.idx: empty; its first line should name the encoding\n", 0, "bank",
         bankFromWordNet},
        {"miscounted", [&] { Write(Root / "th.idx", "UTF-8\n5\nbank|6\n"); }, Dat.string(),
         root + "/th.idx: says 5 entries but holds 1\n", 0, "bank", bankFromWordNet},
        {"unsorted", [&] { WriteThesaurus(unsorted); }, Dat.string(),
         root + "/th.idx: not in sorted order at line 4\n", 0, "bank", bankFromWordNet},
        // The last entry has lost its meaning; the .idx may be the file named.
        {"entry cut short", [&] { Write(Dat, cut); }, root + "/th.idx",
         root + "/th.dat: 1 of 4 entries are damaged and left out\n", 3, "ICECREAM",
         "ice cream\n"
         "  noun [frozen dessert containing cream and sugar and flavoring]: icecream; frozen "
         "dessert (generic term);\n"
         "  noun 1. frozen dessert containing cream and sugar and flavoring\n"},
        // The river bank's synset is cut; its meaning keeps no sense.
        {"synset cut short",
         [&] {
             std::ifstream in(WordNet / "data.noun", std::ios::binary);
             const std::string data{std::istreambuf_iterator<char>(in), {}};
             Write(WordNet / "data.noun", data.substr(0, data.find("sloping")));
         },
         Dat.string(), "", 4, "bank",
         "bank\n"
         "  noun [a financial institution]: depository; financial institution (generic term);\n"
         "  noun []: slope (generic term);\n"
         "  verb []: rely; trust (generic term); distrust (antonym);\n"
         "  noun 1. a financial institution; \"he cashed a check at the bank\"\n"},
    };
    for (const auto& row : rows) {
        SetUp();
        row.Damage();
        TThesaurus thesaurus(row.Dat, WordNet.string());
        EXPECT_EQ(Joined(thesaurus.Problems()), row.Problems) << row.Name;
        EXPECT_EQ(Text(thesaurus.Lookup(row.Word)), row.Found) << row.Name;
        EXPECT_EQ(thesaurus.Entries(), row.Entries) << row.Name;
    }
    const TThesaurus noWordNet(Dat.string(), root + "/nowhere");
    EXPECT_EQ(Joined(noWordNet.Problems()), root + "/nowhere: no such folder\n");
}

std::string TreeText(const QTreeWidget* tree) {
    QStringList lines;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        lines << tree->topLevelItem(i)->text(0);
        for (int k = 0; k < tree->topLevelItem(i)->childCount(); ++k)
            lines << "  " + tree->topLevelItem(i)->child(k)->text(0);
    }
    return lines.join('\n').toStdString();
}

std::string ListText(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines.join('\n').toStdString();
}

// The window reads the WordNet installed with it.
TEST_F(ThesaurusTest, WindowLooksUpOnAWorkerAndCopiesTheBareWordIntoTheClue) {
    QString path = QString::fromStdString(Dat.string());
    std::string selected = "B?NK";
    QStringList copied;
    bool clueOpen = true;
    TThesaurusForm form([&] { return path; }, [&] { return selected; },
                        [&](const QString& word) {
                            copied << word;
                            return clueOpen;
                        });
    form.ShowSelectedWord();
    EXPECT_EQ(form.StatusLbl->text().toStdString(), "") << "nothing loads for a hidden window";
    form.show();
    form.ShowSelectedWord();
    EXPECT_FALSE(form.Busy()) << "a word with empty squares is not looked up";

    QTest::keyClicks(form.WordEdit, "icecream");
    QTest::keyClick(form.WordEdit, Qt::Key_Return);
    EXPECT_EQ(form.StatusLbl->text().toStdString(), "Loading the thesaurus...");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Busy(); }, 10000));
    EXPECT_EQ(TreeText(form.MeaningsTree),
              "ice cream (noun): frozen dessert containing cream and sugar and flavoring\n"
              "  icecream\n"
              "  frozen dessert (generic term)\n"
              "ice-cream (noun)\n"
              "  ice cream");
    // WordNet also knows the spelling typed, which comes first.
    EXPECT_EQ(ListText(form.DefinitionsList),
              "icecream (noun)\n"
              "1. frozen dessert containing cream and sugar and flavoring\n"
              "ice cream (noun)\n"
              "1. frozen dessert containing cream and sugar and flavoring");
    EXPECT_EQ(form.StatusLbl->text().toStdString(), "\"icecream\": 2 meanings, 2 definitions.");
    form.grab().save(QDir::current().filePath("thesaurus-window.png"));

    // A real double-click begins with a click; the test's double-click event alone does not.
    const QPoint related =
        form.MeaningsTree->visualItemRect(form.MeaningsTree->topLevelItem(0)->child(1)).center();
    QTest::mouseClick(form.MeaningsTree->viewport(), Qt::LeftButton, {}, related);
    QTest::mouseDClick(form.MeaningsTree->viewport(), Qt::LeftButton, {}, related);
    EXPECT_EQ(copied.join('|').toStdString(), "frozen dessert");
    EXPECT_EQ(form.StatusLbl->text().toStdString(), "Copied \"frozen dessert\" into the clue.");
    clueOpen = false;
    form.MeaningsTree->setCurrentItem(form.MeaningsTree->topLevelItem(1)->child(0));
    QTest::keyClick(form.MeaningsTree, Qt::Key_Return);
    EXPECT_EQ(copied.join('|').toStdString(), "frozen dessert|ice cream");
    EXPECT_EQ(form.StatusLbl->text().toStdString(),
              "Open the clue editor (Autoclue) to copy a word into a clue.");

    form.WordEdit->clear();
    QTest::keyClicks(form.WordEdit, "XYZZY");
    form.LookUpBtn->click();
    EXPECT_EQ(form.StatusLbl->text().toStdString(), "No entry for \"XYZZY\".");
    EXPECT_EQ(form.MeaningsTree->topLevelItemCount() + form.DefinitionsList->count(), 0);

    // Another file loads at the next lookup; the one asked for during the load is answered.
    path = QString::fromStdString((Root / "none.dat").string());
    selected = "ICECREAM";
    form.ShowSelectedWord();
    EXPECT_TRUE(form.Busy());
    form.LookUp("crème brûlée");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Busy(); }, 10000));
    EXPECT_EQ(form.WordEdit->text().toStdString(), "crème brûlée");
    EXPECT_EQ(form.DefinitionsList->item(0)->text().toStdString(), "creme brulee (noun)")
        << "WordNet's spelling, accents folded";
    EXPECT_EQ(form.StatusLbl->text().toStdString(),
              QString("\"crème brûlée\": 0 meanings, 1 definition.\nNot all of the thesaurus could "
                      "be read: %1/none.dat: No such file or directory; %1/none.idx: No such "
                      "file or directory.")
                  .arg(Dir.path())
                  .toStdString());
}

} // namespace
} // namespace wl

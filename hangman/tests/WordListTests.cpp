// The word list file: reading the sequential-data forms, and the add rules with
// their append to the file.
#include "PlayerFolder.h"
#include "WordList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class WordFile : public ::testing::Test {
protected:
    fs::path dir;
    fs::path file;
    hm::WordList list;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / (std::string("hangman_words_") + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / "wordlist.dat";
    }
    void TearDown() override { fs::remove_all(dir); }

    void write(const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
    std::string contents() const {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::vector<std::string> load(const std::string& bytes) {
        write(bytes);
        const hm::LoadResult result = hm::loadWords(file, list);
        EXPECT_TRUE(result.ok) << result.error;
        return list.words;
    }
};

using Words = std::vector<std::string>;

TEST_F(WordFile, QuotedBareAndCommaSeparatedFormsReadAlike) {
    const Words expected{"APPLE", "BANANA", "CHERRY"};
    EXPECT_EQ(load("\"APPLE\"\r\n\"BANANA\"\r\n\"CHERRY\"\r\n"), expected);
    EXPECT_EQ(load("APPLE\nBANANA\nCHERRY"), expected) << "bare words, no final line break";
    EXPECT_EQ(load("APPLE,BANANA,\"CHERRY\""), expected);
    EXPECT_EQ(load("   \"APPLE\"  \r\n\tBANANA   \r\n  CHERRY, "), expected) << "blanks around";
    EXPECT_EQ(load("\r\n\r\nAPPLE\r\n\r\n\"\"\r\nBANANA,,\rCHERRY\n\n"), expected)
        << "blank lines, empty items and lone CRs are no words";
    EXPECT_EQ(load("\"Apple\"junk,banana\n"), (Words{"Apple", "banana"}))
        << "case kept as read; text after a closing quote is dropped";
}

// Hand-edited files: an editor's byte order mark or one forgotten closing quote
// must not cost the words around it.
TEST_F(WordFile, AStrayQuoteOrAByteOrderMarkCostsNoOtherWord) {
    const Words expected{"APPLE", "BANANA", "CHERRY"};
    EXPECT_EQ(load("\xEF\xBB\xBF"
                   "APPLE\r\nBANANA\r\nCHERRY\r\n"),
              expected);
    EXPECT_EQ(load("\xEF\xBB\xBF\"APPLE\"\r\n\"BANANA\"\r\n\"CHERRY\"\r\n"), expected);
    EXPECT_EQ(load("\"APPLE\r\n\"BANANA\"\r\n\"CHERRY\"\r\n"), expected);
    EXPECT_EQ(load("\"APPLE\nBANANA\nCHERRY"), expected);
}

TEST_F(WordFile, MissingEmptyAndUnplayableFilesFailWithAMessage) {
    hm::LoadResult result = hm::loadWords(file, list);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("No such file or directory"), std::string::npos) << result.error;

    write("");
    result = hm::loadWords(file, list);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("holds no words"), std::string::npos) << result.error;

    write("\"MUCHTOOLONGWORD\"\r\n\"ICE CREAM\"\r\n");
    result = hm::loadWords(file, list);
    EXPECT_FALSE(result.ok) << "no word the game could show";
    EXPECT_EQ(list.wordCount(), 0);
}

TEST_F(WordFile, OverlongWordsAreKeptInTheListButArePlayedAround) {
    EXPECT_EQ(load("\"MUCHTOOLONGWORD\"\r\n\"TIGER\"\r\n"), (Words{"MUCHTOOLONGWORD", "TIGER"}));
    EXPECT_FALSE(hm::isPlayableWord("MUCHTOOLONGWORD"));
    EXPECT_FALSE(hm::isPlayableWord(""));
    EXPECT_FALSE(hm::isPlayableWord("ICE-CREAM"));
    EXPECT_TRUE(hm::isPlayableWord("abcdefghij"));
}

TEST_F(WordFile, AnyBytesReadWithoutCrashing) {
    std::string bytes;
    for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 7919) % 256);
    bytes += "\r\n\"TIGER";
    write(bytes);
    EXPECT_TRUE(hm::loadWords(file, list).ok);
    EXPECT_EQ(list.words.back(), "TIGER") << "a quote left open ends at the end of the data";
    for (const std::string& word : list.words)
        EXPECT_EQ(word.find_first_of("\r\n,"), std::string::npos) << "separators are no part of a word";
}

TEST_F(WordFile, AnAddedWordIsTrimmedUpperCasedAppendedAndLast) {
    write("\"APPLE\"\r\n\"BANANA\"\r\n");
    ASSERT_TRUE(hm::loadWords(file, list).ok);
    const hm::AddResult result = hm::addWord("  tiger  ", file, list);
    EXPECT_EQ(result.status, hm::AddStatus::Added);
    EXPECT_EQ(result.word, "TIGER");
    EXPECT_EQ(contents(), "\"APPLE\"\r\n\"BANANA\"\r\n\"TIGER\"\r\n");
    EXPECT_EQ(list.words, (Words{"APPLE", "BANANA", "TIGER"}));
    EXPECT_EQ(list.listBoxWords(), (Words{"apple", "banana", "tiger"}));
    EXPECT_FALSE(fs::exists(dir / "wordlist.dat.tmp"));
}

TEST_F(WordFile, AnAppendAfterALastLineWithoutBreakStartsANewLine) {
    write("APPLE");
    ASSERT_TRUE(hm::loadWords(file, list).ok);
    ASSERT_EQ(hm::addWord("pear", file, list).status, hm::AddStatus::Added);
    hm::WordList reloaded;
    ASSERT_TRUE(hm::loadWords(file, reloaded).ok);
    EXPECT_EQ(reloaded.words, (Words{"APPLE", "PEAR"}));
}

TEST_F(WordFile, LengthAndDuplicateRulesRefuseWithTheirMessages) {
    write("\"APPLE\"\r\n\"pear\"\r\n");
    ASSERT_TRUE(hm::loadWords(file, list).ok);
    for (const char* bad : {"cat", "abcdefghijkl", "   ", "  cat  "}) {
        const hm::AddResult result = hm::addWord(bad, file, list);
        EXPECT_EQ(result.status, hm::AddStatus::BadLength) << bad;
        EXPECT_EQ(result.message, "Please choose a word that is greater than 3 letters or less "
                                  "than 11 letters long.");
    }
    for (const char* pasted : {"ice cream", "say\"hi\"", "new\r\nline", "tobbin's"})
        EXPECT_EQ(hm::addWord(pasted, file, list).status, hm::AddStatus::NotLetters) << pasted;
    const hm::AddResult duplicate = hm::addWord("apple", file, list);
    EXPECT_EQ(duplicate.status, hm::AddStatus::Duplicate);
    EXPECT_EQ(duplicate.message,
              "The word you have attempted to add already exists.  Please try another word!");
    EXPECT_EQ(contents(), "\"APPLE\"\r\n\"pear\"\r\n") << "nothing written on a refusal";
    EXPECT_EQ(list.wordCount(), 2);

    EXPECT_EQ(hm::addWord("PEAR", file, list).status, hm::AddStatus::Added)
        << "the duplicate test is exact: pear in small letters is another word";
    EXPECT_EQ(hm::addWord("abcd", file, list).status, hm::AddStatus::Added);
    EXPECT_EQ(hm::addWord("abcdefghij", file, list).status, hm::AddStatus::Added);
    EXPECT_EQ(list.wordCount(), 5);
}

TEST_F(WordFile, AFailedAppendReportsTheSystemErrorAndChangesNothing) {
    const std::string before = "\"APPLE\"\r\n\"BANANA\"\r\n";
    write(before);
    ASSERT_TRUE(hm::loadWords(file, list).ok);
    // The user marked the list read-only: refused also when running as root.
    fs::permissions(file, fs::perms(0444));
    hm::AddResult result = hm::addWord("tiger", file, list);
    EXPECT_EQ(result.status, hm::AddStatus::FileError);
    EXPECT_NE(result.message.find("Permission denied"), std::string::npos) << result.message;
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(list.words, (Words{"APPLE", "BANANA"}));

    // The word list itself cannot be opened for appending.
    const fs::path elsewhere = dir / "missing" / "wordlist.dat";
    result = hm::addWord("tiger", elsewhere, list);
    EXPECT_EQ(result.status, hm::AddStatus::FileError);
    EXPECT_NE(result.message.find("No such file or directory"), std::string::npos)
        << result.message;
    EXPECT_EQ(list.wordCount(), 2);
}

// Where the player's files live: the start folder when it holds a word list,
// else the user's folder, filled once from the installed copies and kept.
TEST(PlayerFolderTest, StartFolderOrTheUsersOwnFilledOnceFromTheInstall) {
    const fs::path root = fs::temp_directory_path() / ("hm-folders-" + std::to_string(::getpid()));
    fs::remove_all(root);
    const fs::path here = root / "here", user = root / "data" / "tobbin-hangman", installed = root / "share";
    fs::create_directories(here);
    fs::create_directories(installed);
    const auto write = [](const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; };
    const auto read = [](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    write(installed / "wordlist.dat", "\"APPLE\",\"a fruit\"\r\n");
    write(installed / "topten.txt", "scores\r\n");

    EXPECT_EQ(hm::PlayerFolder(here, user, installed), user);
    EXPECT_EQ(read(user / "wordlist.dat"), "\"APPLE\",\"a fruit\"\r\n");
    EXPECT_EQ(read(user / "topten.txt"), "scores\r\n");
    // The player's own words stay; a missing table comes back.
    write(user / "wordlist.dat", "mine\r\n");
    fs::remove(user / "topten.txt");
    EXPECT_EQ(hm::PlayerFolder(here, user, installed), user);
    EXPECT_EQ(read(user / "wordlist.dat"), "mine\r\n");
    EXPECT_EQ(read(user / "topten.txt"), "scores\r\n");
    // Started in a folder of its own, the game keeps to it.
    write(here / "wordlist.dat", "here\r\n");
    EXPECT_EQ(hm::PlayerFolder(here, user, installed), here);
    // A user folder that cannot be made leaves the start folder.
    fs::remove(here / "wordlist.dat");
    write(root / "file", "");
    EXPECT_EQ(hm::PlayerFolder(here, root / "file" / "sub", installed), here);
    fs::remove_all(root);
}

} // namespace

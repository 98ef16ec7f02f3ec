// Rules of the side windows without a window: the top-ten file read and rewritten,
// the statistics figures and the word list editor's key filter.
#include "Statistics.h"
#include "TopTen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using hm::TopTen;

// Ten records with the given scores, named A, B, C, ... best first.
std::string fileOf(const std::vector<int>& scores) {
    std::string text;
    char name = 'A';
    for (int score : scores)
        text += std::string("\"") + name++ + "\"," + std::to_string(score) + "\r\n";
    return text;
}

struct ReadRow {
    const char* why;
    std::string bytes;
    int rank; // 1-based
    const char* name;
    float score;
};

TEST(TopTenFile, ReadsQuotedAndBareFieldsAndFillsMissingRecords) {
    const ReadRow rows[] = {
        {"quoted name, comma inside", "\"Smith, Jo\",1500\r\n", 1, "Smith, Jo", 1500},
        {"bare fields, blanks", "  Jo Bloggs , -250\r\n", 1, "Jo Bloggs", -250},
        {"decimal score", "\"Pip\",12.5\r\n", 1, "Pip", 12.5f},
        {"empty quoted name", "\"\",700\r\n", 1, "", 700},
        {"LF only, second record", "\"A\",9\n\"B\",8\n", 2, "B", 8},
        {"blank line skipped", "\"A\",9\r\n\r\n\"B\",8\r\n", 2, "B", 8},
        {"short file: missing record", "\"A\",9\r\n", 2, "", 0},
        {"record without score", "\"A\"\r\n\"B\",8\r\n", 1, "A", 0},
        {"record without score, next intact", "\"A\"\r\n\"B\",8\r\n", 2, "B", 8},
        {"open quote ends at line", "\"A,9\r\n\"B\",8\r\n", 2, "B", 8},
        {"extra fields dropped", "\"A\",9,x,y\r\n\"B\",8\r\n", 2, "B", 8},
        {"no number", "\"A\",lots\r\n", 1, "A", 0},
        {"not finite", "\"A\",nan\r\n\"B\",1e999\r\n", 2, "B", 0},
        {"empty file", "", 10, "", 0},
    };
    for (const ReadRow& row : rows) {
        const TopTen table = hm::readTopTen(row.bytes);
        EXPECT_EQ(table.entry[row.rank - 1].name, row.name) << row.why;
        EXPECT_EQ(table.entry[row.rank - 1].score, row.score) << row.why;
    }
    std::string error;
    EXPECT_EQ(hm::readTopTenFile("/nonexistent/topten.txt", error)->entry[9].name, "");
    EXPECT_FALSE(hm::readTopTenFile(std::filesystem::temp_directory_path(), error))
        << "a folder in the file's place is no empty table";
    EXPECT_EQ(error, "Is a directory");
}

TEST(TopTenFile, TheDeliveredTableIsTenNamedRecordsBestFirstInTheFileFormat) {
    std::ifstream in(HANGMAN_RESOURCES_DIR "/topten.txt", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const TopTen table = hm::readTopTen(bytes);
    for (int i = 0; i < hm::TopTenSize; ++i) {
        EXPECT_FALSE(table.entry[i].name.empty()) << i;
        if (i > 0) {
            EXPECT_GT(table.entry[i - 1].score, table.entry[i].score) << i;
        }
    }
    // Written back unchanged: quoted names, plain scores, CR LF, best first.
    TopTen ascending = table;
    std::reverse(ascending.entry.begin(), ascending.entry.begin() + hm::TopTenSize);
    EXPECT_EQ(hm::topTenFileText(ascending), bytes);
}

TEST(TopTenFile, ScoresAreWrittenInTheirShortestPlainForm) {
    const std::pair<float, const char*> rows[] = {
        {1500, "1500"}, {-250, "-250"},    {12.5f, "12.5"},           {0, "0"},
        {-0.0f, "0"},   {1e6f, "1000000"}, {16777217.0f, "16777216"}, {0.1f, "0.1"}};
    for (const auto& [score, text] : rows) {
        EXPECT_EQ(hm::scoreText(score), text) << text;
        EXPECT_EQ(hm::parseScore(text), score == 0 ? 0 : score) << text;
    }
}

// The exit sequence's table work: place the candidate, sort, write reversed.
struct ExitRow {
    const char* why;
    std::vector<int> before;
    float candidate;
    bool enters;
    std::string after; // the written file when it enters
};

TEST(TopTenFile, ANewScoreIsPlacedSortedAndWrittenBestFirst) {
    const std::vector<int> ladder = {9000, 8000, 7000, 6000, 5000, 4000, 3000, 1000, 500, 500};
    const ExitRow rows[] = {
        {"equal to the tenth", ladder, 500, false, ""},
        {"below the tenth", ladder, 20, false, ""},
        {"900 replaces the last 500", ladder, 900, true,
         "\"A\",9000\r\n\"B\",8000\r\n\"C\",7000\r\n\"D\",6000\r\n\"E\",5000\r\n\"F\",4000\r\n"
         "\"G\",3000\r\n\"H\",1000\r\n\"New\",900\r\n\"I\",500\r\n"},
        {"equal to the first goes above it", ladder, 9000, true,
         "\"New\",9000\r\n\"A\",9000\r\n\"B\",8000\r\n\"C\",7000\r\n\"D\",6000\r\n\"E\",5000\r\n"
         "\"F\",4000\r\n\"G\",3000\r\n\"H\",1000\r\n\"I\",500\r\n"},
        {"older equal scores swap on rewrite",
         {900, 800, 800, 700, 600, 500, 400, 300, 200, 100},
         150,
         true,
         "\"A\",900\r\n\"C\",800\r\n\"B\",800\r\n\"D\",700\r\n\"E\",600\r\n\"F\",500\r\n"
         "\"G\",400\r\n\"H\",300\r\n\"I\",200\r\n\"New\",150\r\n"},
    };
    for (const ExitRow& row : rows) {
        TopTen table = hm::readTopTen(fileOf(row.before));
        EXPECT_EQ(hm::entersTopTen(table, row.candidate), row.enters) << row.why;
        if (!row.enters) continue;
        hm::placeNewScore(table, row.candidate, "New");
        EXPECT_EQ(hm::topTenFileText(table), row.after) << row.why;
    }
}

TEST(TopTenFile, NamesCannotBreakTheirRecord) {
    TopTen table = hm::readTopTen(fileOf({9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    hm::placeNewScore(table, 100, "");
    EXPECT_TRUE(hm::topTenFileText(table).starts_with("\"\",100\r\n")) << "empty name quoted";
    table = hm::readTopTen(hm::topTenFileText(table));
    hm::placeNewScore(table, 200, "Jo \"Ace\"\r\nX");
    const TopTen back = hm::readTopTen(hm::topTenFileText(table));
    EXPECT_EQ(back.entry[0].name, "Jo 'Ace'  X");
    EXPECT_EQ(back.entry[1].score, 100);
}

// The statistics after games played through the core's own rules: "w" a win of LEVEL,
// "l" a loss by Reveal Word.
hm::HangmanGame played(const std::string& games) {
    hm::HangmanGame game;
    game.words.words = {"LEVEL", "LEVEL"};
    for (char g : games) {
        game.Command2_Click();
        if (g == 'l') game.Command3_Click();
        for (char c : std::string(g == 'w' ? "LEV" : ""))
            game.Command1_Click(static_cast<std::int16_t>(c - 'A'));
    }
    return game;
}

TEST(Statistics, PercentWonAndTheLongestStreakFollowTheGames) {
    const struct {
        const char* games;
        const char* percentWon;
        const char* streak;
    } rows[] = {
        {"", "0.00%", "No games completed."},
        {"www", "100.00%", "3 Wins"},
        {"wll", "33.33%", "2 Losses"},
        {"lw", "50.00%", "1 Win"}, // equal streaks show as wins
        {"l", "0.00%", "1 Loss"},
    };
    for (const auto& row : rows) {
        const hm::Statistics s = hm::showStatistics(played(row.games), ".");
        EXPECT_EQ(s.Label7, row.percentWon) << row.games;
        EXPECT_EQ(s.Label14, row.streak) << row.games;
    }
    EXPECT_EQ(hm::showStatistics(played("wll"), ",").Label7, "33,33%") << "user's separator";
}

TEST(Statistics, NoGamesShowZerosAndFiguresComeFromTheLabelsAndCounters) {
    hm::HangmanGame game = played("");
    hm::Statistics s = hm::showStatistics(game, ",");
    EXPECT_EQ(s.Label2, "0");
    EXPECT_EQ(s.Label3, "  0");
    EXPECT_EQ(s.Label13, "0.00%") << "no letters yet";
    EXPECT_EQ(s.Label1, "Brain-Dead");

    game.Command2_Click();
    game.Command1_Click('Z' - 'A');
    game.Command1_Click('L' - 'A');
    s = hm::showStatistics(game, ".");
    EXPECT_EQ(s.Label9, "185");
    EXPECT_EQ(s.Label15, "2");
    EXPECT_EQ(s.Label18, "1");
    EXPECT_EQ(s.Label13, "66.67%");
    game.form.Label7 = "-15";
    EXPECT_EQ(hm::showStatistics(game, ".").Label1, "Tobbin Killer") << "a negative score";
}

TEST(WordListEditor, KeyFilterPassesLettersBackspaceAndEnterOnly) {
    for (int c = 0; c < 256; ++c) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        EXPECT_EQ(hm::newWordKeyPasses(c), letter || c == 8 || c == 13) << c;
    }
}

} // namespace

// The top-ten table of topten.txt: reading, the place of a new score, the sort and
// the file text. Standard C++ only: no window system here.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace hm {

inline constexpr int TopTenSize = 10;

struct TopTenEntry {
    std::string name; // 8-bit text
    float score = 0;
};

// entry[i - 1] is rank i for i = 1..10; entry[10] is the eleventh place the
// candidate score of an exit uses.
struct TopTen {
    std::array<TopTenEntry, TopTenSize + 1> entry;
};

// topten.txt in the current working directory.
std::filesystem::path defaultTopTenFile();

// Ten records of "name",score, one per line. A field may be quoted (a comma inside
// the quotes is part of the name) or bare; blank lines between records are skipped.
// Records missing from short data are empty names with score 0.
TopTen readTopTen(std::string_view bytes);
// The same from a file; a missing file reads as ten empty records. A file that is
// there but cannot be read (a folder in its place, an I/O error) gives nullopt and
// the system's text in error: ten empty records would lose the real table at exit.
std::optional<TopTen> readTopTenFile(const std::filesystem::path& file, std::string& error);

// The leading number of a field ("1500", "-250", "12.5"); 0 when there is none or
// it is not a finite single-precision value.
float parseScore(std::string_view field);
// Shortest decimal text that reads back as the same value, never in exponent form,
// no leading blank: 1500, -250, 12.5.
std::string scoreText(float score);

// A score enters the table only when it beats the tenth.
bool entersTopTen(const TopTen& table, float candidate);
// The new entry takes rank 10 (the old tenth is dropped), then entries 1..10 are
// sorted ascending by a bubble sort that never swaps equal scores.
void placeNewScore(TopTen& table, float candidate, std::string name);
void sortTopTen(TopTen& table);
// File text of entries 10 down to 1, so the ascending table is written best first:
// "name",score CR LF. A double quote in a name becomes an apostrophe and a line
// break a blank, so the name cannot break its record.
std::string topTenFileText(const TopTen& table);

} // namespace hm

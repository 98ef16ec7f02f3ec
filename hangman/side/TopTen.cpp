#include "TopTen.h"
#include "ReadFile.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace hm {

namespace {

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// One field of a record, quoted or bare, and the separator after it (a comma or
// one line break; lineEnded tells which). A quote left open ends at the line break.
std::string nextField(std::string_view& rest, bool& lineEnded) {
    std::size_t i = rest.find_first_not_of(" \t");
    if (i == std::string_view::npos) i = rest.size();
    std::string_view value;
    if (i < rest.size() && rest[i] == '"') {
        const std::size_t end = std::min(rest.find_first_of("\"\r\n", i + 1), rest.size());
        value = rest.substr(i + 1, end - i - 1);
        i = end;
        // Whatever follows the closing quote up to the separator is dropped.
        while (i < rest.size() && rest[i] != ',' && !isLineBreak(rest[i])) ++i;
    } else {
        const std::size_t end = std::min(rest.find_first_of(",\r\n", i), rest.size());
        value = rest.substr(i, end - i);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.remove_suffix(1);
        i = end;
    }
    lineEnded = !(i < rest.size() && rest[i] == ',');
    if (!lineEnded) {
        ++i;
    } else if (i < rest.size() && rest[i] == '\r') {
        i += (i + 1 < rest.size() && rest[i + 1] == '\n') ? 2 : 1;
    } else if (i < rest.size()) {
        ++i; // '\n'
    }
    rest.remove_prefix(i);
    return std::string(value);
}

void skipBlankLines(std::string_view& rest) {
    while (!rest.empty()) {
        const std::size_t text = rest.find_first_not_of(" \t");
        if (text == std::string_view::npos) {
            rest = {};
        } else if (isLineBreak(rest[text])) {
            rest.remove_prefix(text + 1);
        } else {
            return;
        }
    }
}

} // namespace

std::filesystem::path defaultTopTenFile() {
    std::error_code ec;
    return std::filesystem::current_path(ec) / "topten.txt";
}

TopTen readTopTen(std::string_view bytes) {
    TopTen table;
    for (int i = 0; i < TopTenSize; ++i) {
        skipBlankLines(bytes);
        if (bytes.empty()) break;
        bool lineEnded = false;
        table.entry[i].name = nextField(bytes, lineEnded);
        // A record cut short at its line break keeps its name with score 0; fields
        // beyond the score are dropped with the rest of their line.
        if (!lineEnded) table.entry[i].score = parseScore(nextField(bytes, lineEnded));
        while (!lineEnded) nextField(bytes, lineEnded);
    }
    return table;
}

std::optional<TopTen> readTopTenFile(const std::filesystem::path& file, std::string& error) {
    const puzzles::FileRead read = puzzles::ReadWholeFile(file);
    if (read.Status == puzzles::ReadStatus::Failed) {
        error = read.Error;
        return std::nullopt;
    }
    return readTopTen(read.Bytes);
}

float parseScore(std::string_view field) {
    const std::size_t start = field.find_first_not_of(" \t");
    if (start == std::string_view::npos) return 0;
    field.remove_prefix(start);
    if (field.starts_with('+')) field.remove_prefix(1);
    float value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    (void)end;
    if (error != std::errc() || !std::isfinite(value)) return 0;
    return value == 0 ? 0 : value; // no "-0" in the file
}

std::string scoreText(float score) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, score == 0 ? 0.0f : score,
                                      std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

bool entersTopTen(const TopTen& table, float candidate) {
    return candidate > table.entry[TopTenSize - 1].score;
}

void placeNewScore(TopTen& table, float candidate, std::string name) {
    table.entry[TopTenSize - 1] = {std::move(name), candidate};
    sortTopTen(table);
}

void sortTopTen(TopTen& table) {
    auto& e = table.entry;
    for (int pass = 1;; ++pass) {
        bool sorted = true;
        for (int j = 1; j <= TopTenSize - pass; ++j) {
            if (e[j - 1].score > e[j].score) {
                std::swap(e[j - 1], e[j]);
                sorted = false;
            }
        }
        if (sorted) return;
    }
}

std::string topTenFileText(const TopTen& table) {
    std::string text;
    for (int i = TopTenSize - 1; i >= 0; --i) {
        std::string name = table.entry[i].name;
        for (char& c : name) {
            if (c == '"') c = '\'';
            if (isLineBreak(c)) c = ' ';
        }
        text += '"' + name + "\"," + scoreText(table.entry[i].score) + "\r\n";
    }
    return text;
}

} // namespace hm

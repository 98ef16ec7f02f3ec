#include "WordList.h"

#include "ReadFile.h"
#include "SafeSave.h"

#include <algorithm>

namespace hm {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

std::string quoted(const std::filesystem::path& file) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely on "literal" + string.
    std::string text = "\"";
    text += file.string();
    text += '"';
    return text;
}

} // namespace

std::vector<std::string> WordList::listBoxWords() const {
    std::vector<std::string> shown;
    shown.reserve(words.size());
    for (const std::string& word : words) shown.push_back(lowerCase(word));
    std::sort(shown.begin(), shown.end());
    return shown;
}

std::filesystem::path defaultWordFile() {
    std::error_code ec;
    return std::filesystem::current_path(ec) / "wordlist.dat";
}

bool SequentialReader::next(std::string& item) {
    while (!rest_.empty()) {
        std::size_t i = 0;
        while (i < rest_.size() && isBlank(rest_[i])) ++i;
        if (i == rest_.size()) break;
        std::string_view value;
        if (rest_[i] == '"') {
            // A quote left open in a hand-edited line ends at the line break, so it
            // cannot swallow the words of the lines below.
            const std::size_t end = std::min(rest_.find_first_of("\"\r\n", i + 1), rest_.size());
            value = rest_.substr(i + 1, end - i - 1);
            i = end < rest_.size() && rest_[end] == '"' ? end + 1 : end;
            // Whatever follows the closing quote up to the separator is not part of the item.
            while (i < rest_.size() && rest_[i] != ',' && !isLineBreak(rest_[i])) ++i;
        } else {
            std::size_t end = i;
            while (end < rest_.size() && rest_[end] != ',' && !isLineBreak(rest_[end])) ++end;
            value = rest_.substr(i, end - i);
            while (!value.empty() && isBlank(value.back())) value.remove_suffix(1);
            i = end;
        }
        // One separator: a comma, or a line break (CR LF, CR or LF).
        if (i < rest_.size() && rest_[i] == ',') {
            ++i;
        } else if (i < rest_.size() && rest_[i] == '\r') {
            ++i;
            if (i < rest_.size() && rest_[i] == '\n') ++i;
        } else if (i < rest_.size() && rest_[i] == '\n') {
            ++i;
        }
        rest_.remove_prefix(i);
        if (!value.empty()) {
            item.assign(value);
            return true;
        }
    }
    return false;
}

bool isPlayableWord(std::string_view word) {
    return !word.empty() && word.size() <= MaxShownLetters &&
           std::all_of(word.begin(), word.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

std::string upperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string lowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

LoadResult loadWords(const std::filesystem::path& file, WordList& list) {
    list.words.clear();
    const puzzles::FileRead read = puzzles::ReadWholeFile(file);
    if (read.Status != puzzles::ReadStatus::Read)
        return {false, "Cannot read the word list " + quoted(file) + ": " + read.Error + "."};

    // Counting pass, then one sizing and a reading pass that fills without resizing.
    // A text editor may start the file with a UTF-8 byte order mark; it is no part
    // of the first word.
    std::string_view data = read.Bytes;
    if (data.starts_with("\xEF\xBB\xBF")) data.remove_prefix(3);
    std::size_t count = 0;
    std::string item;
    for (SequentialReader counter(data); counter.next(item);) ++count;
    list.words.resize(count);
    SequentialReader reader(data);
    for (std::string& word : list.words) reader.next(word);

    if (count == 0) return {false, "The word list " + quoted(file) + " holds no words."};
    if (std::none_of(list.words.begin(), list.words.end(), isPlayableWord)) {
        list.words.clear();
        return {false, "The word list " + quoted(file) +
                           " holds no word of 1 to 10 letters A to Z that the game can show."};
    }
    return {true, {}};
}

AddResult addWord(std::string_view typed, const std::filesystem::path& file, WordList& list) {
    std::string_view trimmed = typed;
    while (!trimmed.empty() && isBlank(trimmed.front())) trimmed.remove_prefix(1);
    while (!trimmed.empty() && isBlank(trimmed.back())) trimmed.remove_suffix(1);
    if (trimmed.size() < 4 || trimmed.size() > 10)
        return {AddStatus::BadLength, BadLengthMessage, {}};

    if (!isPlayableWord(trimmed)) return {AddStatus::NotLetters, NotLettersMessage, {}};

    std::string word = upperCase(trimmed);
    if (std::find(list.words.begin(), list.words.end(), word) != list.words.end())
        return {AddStatus::Duplicate, DuplicateMessage, {}};

    // One append; a failed write leaves the file at its old length, so no other
    // word is touched and nothing half-written remains.
    try {
        puzzles::AppendToFile(file, "\"" + word + "\"\r\n");
    } catch (const puzzles::ESaveError& e) {
        return {AddStatus::FileError,
                "Cannot add to the word list " + quoted(file) + ": " + e.what() + ".",
                {}};
    }

    list.words.push_back(word);
    return {AddStatus::Added, {}, word};
}

} // namespace hm

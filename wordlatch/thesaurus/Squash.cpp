#include "Squash.h"

#include "WordList.h"

#include <algorithm>
#include <charconv>

namespace wl {

std::string SquashedWord(std::string_view word) {
    const bool ascii =
        std::all_of(word.begin(), word.end(), [](char c) { return (unsigned char)c < 0x80; });
    if (!ascii) {
        // The word lists' reader folds accents; it refuses what no list may hold
        // (a digit, a stop, too few or too many letters), which keeps its ASCII below.
        const TListRead read = ParseWordList(word);
        if (read.Entries.size() == 1 && read.Skipped == 0) return read.Entries.front().Word;
    }
    std::string key;
    for (const char c : word) {
        if (c >= 'a' && c <= 'z')
            key += char(c - 'a' + 'A');
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            key += c;
    }
    return key;
}

std::optional<std::uint32_t> WholeNumber(std::string_view token, int base) {
    std::uint32_t n = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), n, base);
    if (token.empty() || error != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return n;
}

void TSquashedIndex::Add(std::string_view spelling, std::uint32_t place) {
    std::string key = SquashedWord(spelling);
    if (!key.empty()) Keys.emplace_back(std::move(key), place);
}

void TSquashedIndex::Sort() {
    std::sort(Keys.begin(), Keys.end());
}

std::vector<std::uint32_t> TSquashedIndex::Find(std::string_view key) const {
    auto it =
        std::lower_bound(Keys.begin(), Keys.end(), key,
                         [](const auto& entry, std::string_view k) { return entry.first < k; });
    std::vector<std::uint32_t> places;
    for (; it != Keys.end() && it->first == key; ++it) places.push_back(it->second);
    return places;
}

} // namespace wl

// Grid words are capitals without spaces: ICECREAM must find "ice cream". Both
// sources behind the Thesaurus window index their spellings by that squashed
// form, and read the numbers in their files alike. Standard C++ only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wl {

// The letters of `word` in capitals, accents folded to A-Z as the word lists
// fold them, digits kept (so that CATCH does not find "catch-22"); spaces,
// hyphens, apostrophes and other signs dropped. "Ice-cream" is ICECREAM.
std::string SquashedWord(std::string_view word);

// A whole token as a number in `base`, without sign or spaces; nothing for
// anything else, or for a number past 32 bits.
std::optional<std::uint32_t> WholeNumber(std::string_view token, int base = 10);

// Squashed forms, each naming the places in a source of the spellings that
// squash to it (several, as "ice cream" and "ice-cream" may).
class TSquashedIndex {
public:
    // An empty squashed form is not indexed; `Sort` must follow the last `Add`.
    void Add(std::string_view spelling, std::uint32_t place);
    void Sort();
    std::vector<std::uint32_t> Find(std::string_view key) const;
    std::size_t Size() const { return Keys.size(); }

private:
    std::vector<std::pair<std::string, std::uint32_t>> Keys;
};

} // namespace wl

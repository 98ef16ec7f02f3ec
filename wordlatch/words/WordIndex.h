// The dictionary's words indexed for search: grouped by length, each group
// best score first and then alphabetical, with a bitset over the group for
// every position and letter. Pattern search, suggestions and the fill solver
// all work on these bitsets. Standard C++ only.
#pragma once

#include "Bitset.h"
#include "WordList.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace wl {

// The built-in word list's file, found beside the programs.
inline constexpr const char* BuiltinWordListName = "builtin-words.txt";

class TWordIndex {
public:
    TWordIndex() = default;
    // Entries with a score of 0 or a length outside 3..23 are left out.
    explicit TWordIndex(std::vector<TWordEntry> entries);

    // The words of length n, best first; none outside 3..23.
    const std::vector<TWordEntry>& OfLength(int n) const;
    // Over OfLength(n): the words with `letter` (A-Z) at position `pos` (from 0).
    const TBitset& WithLetter(int n, int pos, char letter) const {
        return Groups[n].Letters[std::size_t(pos) * 26 + std::size_t(letter - 'A')];
    }
    // Over OfLength(n): the words scoring at least `minScore`, which lead the group.
    TBitset AtLeast(int n, int minScore) const;
    // Over OfLength(letters.size()): the words that have the letters A-Z
    // given, '?' standing for any letter; any other character fits no word.
    TBitset Fitting(std::string_view letters, int minScore = 1) const;
    std::size_t Size() const { return Total; }

    struct TMatches {
        std::vector<const TWordEntry*> Best; // at most the limit asked, ranked
        std::size_t Found = 0;               // all that match
    };
    // `?` one letter, `*` any run of letters (none too); other characters are
    // letters, case folded. Ranked by score, then alphabetically.
    TMatches Match(std::string_view pattern, int minScore, std::size_t limit) const;

private:
    struct TGroup {
        std::vector<TWordEntry> Words;
        std::vector<TBitset> Letters; // [pos * 26 + letter]
    };
    std::array<TGroup, MaxWordLength + 1> Groups;
    std::size_t Total = 0;
};

} // namespace wl

#include "Suggest.h"

#include <algorithm>
#include <array>
#include <limits>

namespace wl {

std::vector<TSuggestion> Suggest(const TXwdPuzzle& p, const TGridSlots& slots, int slot,
                                 const TWordIndex& words, int minScore, std::size_t limit,
                                 std::size_t* found) {
    const TSlot& s = slots.Slots()[std::size_t(slot)];
    const int n = int(s.Cells.size());
    // For each square of the slot still empty and crossed by a word with
    // empty squares: how many completions each letter leaves that word.
    struct TCrossing {
        int Pos;
        std::array<std::size_t, 26> Completions;
    };
    std::vector<TCrossing> crossings;
    for (int pos = 0; pos < n; ++pos) {
        const int cell = s.Cells[std::size_t(pos)];
        if (CellLetter(p, cell) != '?') continue;
        for (int other : slots.Through(cell)) {
            if (other < 0 || other == slot) continue;
            const TSlot& o = slots.Slots()[std::size_t(other)];
            const std::string letters = SlotLetters(p, o);
            const TBitset fit = words.Fitting(letters, minScore);
            const int at = int(std::find(o.Cells.begin(), o.Cells.end(), cell) - o.Cells.begin());
            TCrossing c{pos, {}};
            for (int a = 0; a < 26; ++a) {
                TBitset with = fit;
                if (!with.Size()) break;
                with &= words.WithLetter(int(o.Cells.size()), at, char('A' + a));
                c.Completions[std::size_t(a)] = with.Count();
            }
            crossings.push_back(c);
        }
    }
    const TBitset fit = words.Fitting(SlotLetters(p, s), minScore);
    const std::vector<TWordEntry>& group = words.OfLength(n);
    std::vector<TSuggestion> all;
    for (std::size_t i = fit.First(); i < fit.Size(); i = fit.Next(i + 1)) {
        std::size_t keeps = crossings.empty() ? 0 : std::numeric_limits<std::size_t>::max();
        for (const TCrossing& c : crossings)
            keeps = std::min(keeps, c.Completions[std::size_t(group[i].Word[std::size_t(c.Pos)] - 'A')]);
        if (!crossings.empty() && keeps == 0) continue;
        all.push_back({&group[i], keeps});
    }
    if (found) *found = all.size();
    // The group is best first already; among equal scores the freer word first.
    std::stable_sort(all.begin(), all.end(), [](const TSuggestion& a, const TSuggestion& b) {
        return a.Entry->Score != b.Entry->Score ? a.Entry->Score > b.Entry->Score : a.Keeps > b.Keeps;
    });
    if (all.size() > limit) all.resize(limit);
    return all;
}

} // namespace wl

#include "WordScan.h"

#include "GridSlots.h"

namespace wl {

std::vector<TScanFinding> ScanWords(const TXwdPuzzle& p, const TWordIndex& words, int minScore) {
    std::vector<TScanFinding> missing, low;
    const TGridSlots slots(p);
    for (std::size_t s = 0; s < slots.Slots().size(); ++s) {
        const TSlot& slot = slots.Slots()[s];
        const std::string word = SlotLetters(p, slot);
        if (word.find('?') != std::string::npos || word.size() < std::size_t(MinWordLength)) continue;
        const TBitset found = words.Fitting(word);
        std::string text = slots.Name(int(s));
        text.append(" (").append(word).append(")");
        if (found.None()) {
            missing.push_back({TScanLevel::Warning, slot.X, slot.Y, slot.Direction, text.append(" is not in the word lists.")});
            continue;
        }
        const int score = words.OfLength(int(word.size()))[found.First()].Score;
        if (score < minScore)
            low.push_back({TScanLevel::Warning, slot.X, slot.Y, slot.Direction,
                           text.append(" scores ").append(std::to_string(score)).append(", under ").append(std::to_string(minScore)).append(".")});
    }
    missing.insert(missing.end(), low.begin(), low.end());
    return missing;
}

} // namespace wl

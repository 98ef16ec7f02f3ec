#include "Transforms.h"

#include <utility>
#include <vector>

namespace wl {

namespace {

// Lays the squares out anew: square (x, y) takes the answer and solver's
// letter of square from(x, y) of the grid as it was.
template <class From> void Remap(TXwdPuzzle& p, From from) {
    const TXwdPuzzle old = p;
    const int n = p.Side();
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            const auto [ox, oy] = from(x, y);
            p.Solution(x, y) = old.Solution(ox, oy);
            p.Player(x, y) = old.Player(ox, oy);
        }
}

bool HasLetters(const TXwdPuzzle& p) {
    const int n = p.Side();
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if ((!p.IsBlack(x, y) && p.Solution(x, y) != NoLetter) || p.Player(x, y) != 0)
                return true;
    return false;
}

bool HasClues(const TXwdPuzzle& p) {
    const int n = p.Side();
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (p.Index(x, y).AcrossClue != 0 || p.Index(x, y).DownClue != 0) return true;
    for (const TXwdString& clue : p.Clues)
        if (clue.Bytes[0] != 0) return true;
    return false;
}

void ClearClues(TXwdPuzzle& p) {
    const int n = p.Side();
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) p.Index(x, y) = {0, 0};
    for (TXwdString& clue : p.Clues) clue.Clear();
}

void ClearLettersAndClues(TXwdPuzzle& p) {
    const int n = p.Side();
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            if (!p.IsBlack(x, y)) p.Solution(x, y) = NoLetter;
            p.Player(x, y) = 0;
        }
    ClearClues(p);
}

// A word's clue, by the word's first square and direction.
struct TLinkedClue {
    int X;
    int Y;
    bool Across;
    int Entry;
    TXwdString Text;
};

std::vector<TLinkedClue> LinkedClues(const TXwdPuzzle& p) {
    std::vector<TLinkedClue> linked;
    const auto entry = [](int e) { return e >= 1 && e <= MaxWords; };
    for (const TNumberedSquare& s : NumberGrid(p)) {
        const TClueIndexPair& index = p.Index(s.X, s.Y);
        if (s.AcrossWord && entry(index.AcrossClue))
            linked.push_back({s.X, s.Y, true, index.AcrossClue, p.Clue(index.AcrossClue)});
        if (s.DownWord && entry(index.DownClue))
            linked.push_back({s.X, s.Y, false, index.DownClue, p.Clue(index.DownClue)});
    }
    return linked;
}

// Clue texts that no word's first square links to: Flip has no word to carry them to.
int UnlinkedTexts(const TXwdPuzzle& p, const std::vector<TLinkedClue>& linked) {
    std::vector<bool> used(MaxWords + 1);
    for (const TLinkedClue& c : linked) used[std::size_t(c.Entry)] = true;
    int count = 0;
    for (int e = 1; e <= MaxWords; ++e) count += !used[std::size_t(e)] && p.Clue(e).Bytes[0] != 0;
    return count;
}

// Flips the grid; returns how many clue texts it lost: those no word links to
// and those whose word it numbers past the last entry.
int Flip(TXwdPuzzle& p) {
    const std::vector<TLinkedClue> linked = LinkedClues(p);
    int lost = UnlinkedTexts(p, linked);
    Remap(p, [](int x, int y) { return std::pair{y, x}; });
    ClearClues(p);
    for (const TNumberedSquare& s : NumberGrid(p)) {
        for (const TLinkedClue& c : linked) {
            // The across word at (x, y) is now the down word at (y, x), and the other way round.
            if (c.X != s.Y || c.Y != s.X) continue;
            const int e = c.Across ? s.DownWord : s.AcrossWord;
            if (e == 0) continue;
            if (e > MaxWords) {
                ++lost;
                continue;
            }
            p.Clue(e) = c.Text;
            (c.Across ? p.Index(s.X, s.Y).DownClue : p.Index(s.X, s.Y).AcrossClue) =
                std::uint16_t(e);
        }
    }
    return lost;
}

} // namespace

bool TransformLoses(const TXwdPuzzle& p, TTransform t) {
    if (t != TTransform::Flip) return HasLetters(p) || HasClues(p);
    TXwdPuzzle flipped = p;
    return Flip(flipped) > 0;
}

void Transform(TXwdPuzzle& p, TTransform t) {
    const int n = p.Side();
    switch (t) {
    case TTransform::Flip:
        Flip(p);
        return;
    case TTransform::Turn:
        // Square (x, y) goes to (n + 1 - y, x), so (x, y) comes from (y, n + 1 - x).
        Remap(p, [n](int x, int y) { return std::pair{y, n + 1 - x}; });
        break;
    case TTransform::Invert:
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y)
                p.Solution(x, y) = p.IsBlack(x, y) ? NoLetter : BlackSquare;
        break;
    }
    ClearLettersAndClues(p);
}

TXwdPuzzle GridPattern(const TXwdPuzzle& p) {
    TXwdPuzzle pattern = p;
    ClearLettersAndClues(pattern);
    return pattern;
}

} // namespace wl

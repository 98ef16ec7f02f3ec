// A filled puzzle record for the exchange-format tests and benchmarks: black
// squares where x and y are both multiples of 4, letters, some solver's
// letters, a clue with Windows-1252 bytes for every word, linked on every
// square of its word.
#pragma once

#include "Interop.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace wl::testing {

inline TXwdPuzzle SamplePuzzle(int side) {
    TXwdPuzzle p{};
    p.GridSize = std::int16_t(side);
    for (int x = 1; x <= side; ++x)
        for (int y = 1; y <= side; ++y) {
            const bool black = x % 4 == 0 && y % 4 == 0;
            p.Solution(x, y) = black ? BlackSquare : std::uint8_t('A' + (x * 7 + y * 3) % 26);
            p.Player(x, y) = !black && (x + y) % 5 == 0 ? p.Solution(x, y) : 0;
        }
    for (const auto& s : NumberGrid(p))
        for (const char dir : {'a', 'd'}) {
            const int entry = dir == 'a' ? s.AcrossWord : s.DownWord;
            if (entry == 0) continue;
            p.Clue(entry).SetText(std::to_string(s.SquareNumber) + (dir == 'a' ? " across, caf\xE9 \x93quoted\x94" : " down"));
            ForEachWordSquare(p, s.X, s.Y, dir, [&](int x, int y) {
                (dir == 'a' ? p.Index(x, y).AcrossClue : p.Index(x, y).DownClue) = std::uint16_t(entry);
            });
        }
    p.Byline.SetText("M. \x8A" "kofi\x9F");
    return p;
}

// The same puzzle for what the record means: side, squares, links and texts
// (bytes beyond a string's length carry no meaning).
inline bool SameContent(const TXwdPuzzle& a, const TXwdPuzzle& b) {
    if (a.GridSize != b.GridSize || a.Byline.Text() != b.Byline.Text()) return false;
    for (int x = 1; x <= a.Side(); ++x)
        for (int y = 1; y <= a.Side(); ++y)
            if (a.Solution(x, y) != b.Solution(x, y) || a.Player(x, y) != b.Player(x, y) ||
                a.Index(x, y).AcrossClue != b.Index(x, y).AcrossClue ||
                a.Index(x, y).DownClue != b.Index(x, y).DownClue)
                return false;
    for (int n = 1; n <= MaxWords; ++n)
        if (a.Clue(n).Text() != b.Clue(n).Text()) return false;
    return true;
}

// Nothing of a refused file is kept: the record is all zeros.
inline bool IsEmptyRecord(const TXwdPuzzle& p) {
    const auto* b = reinterpret_cast<const std::uint8_t*>(&p);
    return std::all_of(b, b + sizeof p, [](std::uint8_t v) { return v == 0; });
}

// A read either refused, with nothing kept, or opened; an opened record that
// `write` can put into bytes reads back through `read` as the same record.
template <class Write, class Read>
bool HoldsUp(const TReadResult& r, Write write, Read read) {
    if (!r.Ok()) return IsEmptyRecord(r.Puzzle);
    try {
        const TReadResult back = read(write(r.Puzzle, r.Title));
        return back.Ok() && SameContent(r.Puzzle, back.Puzzle);
    } catch (const EExchangeError&) {
        return true;
    }
}

#ifdef WORDLATCH_INTEROP_DATA
inline std::vector<std::uint8_t> FixtureBytes(const std::string& name) {
    std::ifstream in(std::string(WORDLATCH_INTEROP_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
#endif

inline std::vector<std::uint8_t> AsBytes(const std::string& s) {
    return {s.begin(), s.end()};
}

} // namespace wl::testing

#include "GridSlots.h"

namespace wl {

TGridSlots::TGridSlots(const TXwdPuzzle& p) : N(p.Side()), Crossing(std::size_t(N * N), {-1, -1}) {
    for (const TNumberedSquare& s : NumberGrid(p))
        for (char direction : {'a', 'd'}) {
            if ((direction == 'a' ? s.AcrossWord : s.DownWord) == 0) continue;
            TSlot slot{s.X, s.Y, direction, s.SquareNumber, {}};
            ForEachWordSquare(p, s.X, s.Y, direction, [&](int x, int y) {
                const int cell = (x - 1) + (y - 1) * N;
                Crossing[std::size_t(cell)][direction == 'a' ? 0 : 1] = int(All.size());
                slot.Cells.push_back(cell);
            });
            All.push_back(std::move(slot));
        }
}

int TGridSlots::Find(int x, int y, char direction) const {
    const int slot = Through(x, y, direction);
    return slot >= 0 && All[std::size_t(slot)].X == x && All[std::size_t(slot)].Y == y ? slot : -1;
}

int TGridSlots::Through(int x, int y, char direction) const {
    if (x < 1 || y < 1 || x > N || y > N) return -1;
    return Crossing[std::size_t((x - 1) + (y - 1) * N)][direction == 'a' ? 0 : 1];
}

std::string TGridSlots::Name(int slot) const {
    const TSlot& s = All[std::size_t(slot)];
    std::string name = std::to_string(s.Number);
    name += s.Direction == 'a' ? " Across" : " Down";
    return name;
}

char CellLetter(const TXwdPuzzle& p, int cell) {
    const int n = p.Side();
    const std::uint8_t b = p.Solution(cell % n + 1, cell / n + 1);
    return b == NoLetter || b == UnknownLetter ? '?' : char(b);
}

std::string SlotLetters(const TXwdPuzzle& p, const TSlot& slot) {
    std::string letters;
    for (int cell : slot.Cells) letters += CellLetter(p, cell);
    return letters;
}

} // namespace wl

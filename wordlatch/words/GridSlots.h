// The words of a grid as slots for the dictionary: their squares, their
// letters and the slots crossing them. Standard C++ only.
#pragma once

#include "DemoProcsUnit.h"

#include <array>
#include <string>
#include <vector>

namespace wl {

struct TSlot {
    int X = 0; // the first square
    int Y = 0;
    char Direction = 'a'; // 'a' across, 'd' down
    int Number = 0;       // the square number the grid gives it
    std::vector<int> Cells; // (x - 1) + (y - 1) * side, first square first
};

class TGridSlots {
public:
    // Every word of two squares or more, in numbering order.
    explicit TGridSlots(const TXwdPuzzle& p);

    int Side() const { return N; }
    const std::vector<TSlot>& Slots() const { return All; }
    // The slots through a square: across first, -1 where there is none.
    const std::array<int, 2>& Through(int cell) const { return Crossing[std::size_t(cell)]; }
    // The slot with first square (x, y) in `direction`; -1 when none starts there.
    int Find(int x, int y, char direction) const;
    // The slot whose word runs through square (x, y) in `direction`, or -1.
    int Through(int x, int y, char direction) const;
    // "12 Across", "3 Down".
    std::string Name(int slot) const;

private:
    int N = 0;
    std::vector<TSlot> All;
    std::vector<std::array<int, 2>> Crossing;
};

// A square's letter as the dictionary reads it: '?' for an empty or unknown
// square, else the byte it holds (A-Z, or another that no word fits).
char CellLetter(const TXwdPuzzle& p, int cell);
// The letters of a slot, '?' for the squares still to fill.
std::string SlotLetters(const TXwdPuzzle& p, const TSlot& slot);

} // namespace wl

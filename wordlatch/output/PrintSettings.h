// What the Print page of the preferences sets for printing: the heading lines
// of the manuscript, the clue position, the bottom margin and the colour of the
// black squares. Plain data; the print dialog holds one for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace wl {

struct TRgb {
    std::uint8_t Red = 0, Green = 0, Blue = 0;
    bool operator==(const TRgb&) const = default;
};

struct TPrintSettings {
    // The constructor's name and address, in the record's 8-bit text.
    std::string Name = "Wordlatch Demo";
    std::array<std::string, 4> Address;
    // Clue text at the left and answers at the right of the manuscript; when
    // false the answers stand at the left and the clue text at the right.
    bool DefinitionsAtLeft = true;
    // Blank lines kept free above the bottom of each manuscript page (0..9).
    int BottomMargin = 0;
    // Black squares of printed grids when "Gray Squares" is not checked.
    TRgb BlackSquares{0, 0, 0};
};

// The four lines under the title of a manuscript's first page: the name, then
// the address lines that are not blank. A fifth line, when all four address
// lines are filled, joins the last line after a comma, so nothing is dropped.
std::array<std::string, 4> AuthorBlock(const TPrintSettings& settings);

} // namespace wl

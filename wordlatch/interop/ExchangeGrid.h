// The puzzle as the exchange formats hold it (any width and height, answers of
// any length, texts in UTF-8), and its mapping to and from the record. Each
// file format only turns bytes into this and back; what fits the record, what
// is cut or lost and what refuses to open is decided here once.
#pragma once

#include "Interop.h"

#include <string>
#include <vector>

namespace wl {

struct TExchangeCell {
    bool Block = false;
    std::string Answer; // the solution text; empty when none is given
    std::string Player; // the solver's entry; empty when none
    std::string Label;  // the number shown in the square; empty for none
    bool Circled = false;
};

struct TExchangeClue {
    bool Across = true;
    // The number of the square the word starts on; empty: the clue belongs to
    // the next word of its direction (clues listed without numbers).
    std::string Label;
    std::string Text;
};

struct TExchangePuzzle {
    int Width = 0;
    int Height = 0;
    std::vector<TExchangeCell> Cells; // rows top to bottom, squares left to right
    std::vector<TExchangeClue> Clues;
    // The n-th clue belongs to the n-th word of the numbering walk (.puz).
    bool CluesInWalkOrder = false;
    bool Diagramless = false;
    std::string Title, Author, Copyright, Notes;
    std::vector<std::string> Dropped; // other content the reader met and cannot keep

    // 1 <= x <= Width, 1 <= y <= Height
    TExchangeCell& At(int x, int y) { return Cells[std::size_t((y - 1) * Width + (x - 1))]; }
    const TExchangeCell& At(int x, int y) const { return Cells[std::size_t((y - 1) * Width + (x - 1))]; }
};

// The record for an exchange puzzle, with the warnings and refusals it calls for.
TReadResult ToRecord(const TExchangePuzzle& puzzle);
// The exchange form of a record; raises EExchangeError for a grid side outside
// 1..23 or more than 179 words. Clues come in walk order, labelled.
TExchangePuzzle FromRecord(const TXwdPuzzle& puzzle, std::string_view title);

} // namespace wl

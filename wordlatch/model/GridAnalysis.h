// The statistics of the analysis window: square counts, word counts and the
// letter table of the grid, all from one numbering walk. Standard C++ only.
#pragma once

#include "DemoProcsUnit.h"

#include <array>
#include <optional>
#include <string>

namespace wl {

struct TGridAnalysis {
    int BlackSquares = 0;
    int AcrossWords = 0;
    int DownWords = 0;
    int TwoLetterWords = 0;
    int ThreeLetterWords = 0;
    int EndsInS = 0;
    // The lengths of all words added up; a square in two words counts twice.
    int TotalLetters = 0;
    // How often "A".."Z" occur in the grid, as element 0..25.
    std::array<int, 26> LetterCount{};
    // Squares holding UnknownLetter.
    int QueryCount = 0;
    // The first two across words in reading order, as GetWord reads them
    // ("?" for UnknownLetter, the byte 0 for NoLetter); empty when missing.
    std::string FirstAcross;
    std::string SecondAcross;

    int Words() const { return AcrossWords + DownWords; }
    // Total letters div total words, truncated; none for a grid without words.
    std::optional<int> AverageLength() const;
};

TGridAnalysis AnalyseGrid(const TXwdPuzzle& puzzle);

// "INCOMPLETE" while the first across word has an empty square; otherwise the
// first across word, " - ", the second, four spaces and the side with "x"
// ("CAT - DOG    15x"), cut before the first byte 0.
std::string IdentificationLine(const TGridAnalysis& analysis, int gridSize);

} // namespace wl

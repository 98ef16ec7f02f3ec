#include "GridAnalysis.h"

namespace wl {

namespace {

void CountWord(TGridAnalysis& a, const std::string& word) {
    a.TwoLetterWords += int(word.size() == 2);
    a.ThreeLetterWords += int(word.size() == 3);
    a.EndsInS += int(!word.empty() && word.back() == 'S');
    a.TotalLetters += int(word.size());
}

} // namespace

std::optional<int> TGridAnalysis::AverageLength() const {
    if (Words() == 0) return std::nullopt;
    return TotalLetters / Words();
}

TGridAnalysis AnalyseGrid(const TXwdPuzzle& puzzle) {
    TGridAnalysis a;
    const int n = puzzle.Side();
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            const std::uint8_t c = puzzle.Solution(x, y);
            if (c == UnknownLetter)
                ++a.QueryCount;
            else if (c == BlackSquare)
                ++a.BlackSquares;
            else if (c >= 'A' && c <= 'Z')
                ++a.LetterCount[c - 'A'];
        }
    for (const TNumberedSquare& s : NumberGrid(puzzle)) {
        if (s.AcrossWord != 0) {
            const std::string word = GetWord(puzzle, s.X, s.Y, 'a');
            if (++a.AcrossWords == 1)
                a.FirstAcross = word;
            else if (a.AcrossWords == 2)
                a.SecondAcross = word;
            CountWord(a, word);
        }
        if (s.DownWord != 0) {
            ++a.DownWords;
            CountWord(a, GetWord(puzzle, s.X, s.Y, 'd'));
        }
    }
    return a;
}

std::string IdentificationLine(const TGridAnalysis& analysis, int gridSize) {
    if (analysis.FirstAcross.find('\0') != std::string::npos) return "INCOMPLETE";
    std::string line = analysis.FirstAcross + " - " + analysis.SecondAcross + "    " +
                       std::to_string(gridSize) + "x";
    return line.substr(0, line.find('\0'));
}

} // namespace wl

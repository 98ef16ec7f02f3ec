#include "OutputText.h"

#include <cstdio>

namespace wl {

std::string ClueEntry(const TXwdPuzzle& puzzle, int n) {
    return n >= 1 && n <= MaxWords ? puzzle.Clue(n).Text() : std::string();
}

std::string EntryLine(int n, std::string_view clue) {
    char number[16];
    std::snprintf(number, sizeof number, "%3d ", n);
    return number + std::string(clue);
}

std::string AnswerText(const TXwdPuzzle& puzzle, int x, int y, char direction) {
    std::string word = GetWord(puzzle, x, y, direction);
    word.resize(word.find('\0') == std::string::npos ? word.size() : word.find('\0'));
    return word;
}

std::string CluesText(const TXwdPuzzle& puzzle) {
    std::string across = "ACROSS\r\n";
    std::string down = "DOWN\r\n";
    for (const TNumberedSquare& s : NumberGrid(puzzle)) {
        const TClueIndexPair& index = puzzle.Index(s.X, s.Y);
        if (s.AcrossWord)
            across += EntryLine(s.SquareNumber, ClueEntry(puzzle, index.AcrossClue)) + "\r\n";
        if (s.DownWord)
            down += EntryLine(s.SquareNumber, ClueEntry(puzzle, index.DownClue)) + "\r\n";
    }
    return across + down;
}

std::string CurlyQuotes(std::string_view text) {
    std::string out(text);
    bool opening = true;
    for (char& c : out) {
        if (c == '"') {
            c = char(opening ? 147 : 148);
            opening = !opening;
        } else if (c == '\'') {
            c = char(146);
        }
    }
    return out;
}

std::pair<std::string, std::string> BreakLine(std::string_view text,
                                              const std::function<bool(std::string_view)>& fits) {
    for (std::size_t i = text.size(); i-- > 1;)
        if (text[i] == ' ' && fits(text.substr(0, i)))
            return {std::string(text.substr(0, i)), std::string(text.substr(i + 1))};
    if (text.size() <= 1) return {std::string(text), std::string()};
    std::size_t k = 1;
    while (k + 1 < text.size() && fits(std::string(text.substr(0, k + 1)) + "-")) ++k;
    return {std::string(text.substr(0, k)) + "-", std::string(text.substr(k))};
}

} // namespace wl

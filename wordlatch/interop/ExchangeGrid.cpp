#include "ExchangeGrid.h"

#include "AutoclueWalk.h"
#include "Text1252.h"

#include <algorithm>
#include <map>
#include <utility>

namespace wl {

namespace {

// Built by appending: GCC 12 at -O3 warns falsely on "literal" + string.
std::string Square(int x, int y) {
    std::string text(1, '(');
    text += std::to_string(x);
    text += ", ";
    text += std::to_string(y);
    text += ')';
    return text;
}

std::string WordName(int number, bool across) {
    return std::to_string(number) + (across ? " Across" : " Down");
}

// A text of the file in quotes, on one line: each run of line breaks, tabs
// and other control characters shows as one space.
std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::uint8_t(text[i]) >= 32) quoted += text[i];
        else if (i == 0 || std::uint8_t(text[i - 1]) >= 32) quoted += ' ';
    }
    quoted += '"';
    return quoted;
}

std::string Count(std::size_t n, const char* thing) {
    return std::to_string(n) + " " + thing + (n == 1 ? "" : "s");
}

std::string Listed(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& item : items) out += (out.empty() ? "" : ", ") + item;
    return out;
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// The lists of squares whose contents the record cannot hold as they are.
struct TSquareLosses {
    std::vector<std::string> Rebus, NotLetters, Player;
    int Circles = 0;
};

// Windows-1252 text for the record; control characters (line breaks, tabs,
// NUL) become spaces, as a clue is one line.
std::string RecordText(std::string_view utf8, bool& exact) {
    std::string text = Utf8To1252(utf8, &exact);
    std::replace_if(text.begin(), text.end(), [](char c) { return std::uint8_t(c) < 32; }, ' ');
    return text;
}

std::uint8_t AnswerByte(const TExchangeCell& cell, int x, int y, TSquareLosses& losses) {
    const std::string& a = cell.Answer;
    if (a.empty()) return NoLetter;
    if (a == "?") return UnknownLetter;
    if (a.size() == 1 && IsLetter(a[0])) return std::uint8_t(Upper(a[0]));
    const bool oneCharacter = Utf8To1252(a).size() == 1;
    (oneCharacter ? losses.NotLetters : losses.Rebus).push_back(Square(x, y) + " " + Quoted(a));
    return !oneCharacter && IsLetter(a[0]) ? std::uint8_t(Upper(a[0])) : UnknownLetter;
}

std::uint8_t PlayerByte(const TExchangeCell& cell, int x, int y, TSquareLosses& losses) {
    // Like answers, an entry of several letters keeps its first.
    const std::string& e = cell.Player;
    if (e.size() == 1 && IsLetter(e[0])) return std::uint8_t(Upper(e[0]));
    if (e.empty()) return 0;
    losses.Player.push_back(Square(x, y) + " " + Quoted(e));
    return e.size() > 1 && IsLetter(e[0]) && Utf8To1252(e).size() > 1 ? std::uint8_t(Upper(e[0])) : 0;
}

// Fills the grid of the record, black squares padding a grid that is not square.
void FillSquares(const TExchangePuzzle& in, TXwdPuzzle& p, TSquareLosses& losses) {
    p.GridSize = std::int16_t(std::max(in.Width, in.Height));
    for (int x = 1; x <= p.GridSize; ++x)
        for (int y = 1; y <= p.GridSize; ++y) {
            if (x > in.Width || y > in.Height || in.At(x, y).Block) {
                p.Solution(x, y) = BlackSquare;
                continue;
            }
            const TExchangeCell& cell = in.At(x, y);
            p.Solution(x, y) = AnswerByte(cell, x, y, losses);
            p.Player(x, y) = PlayerByte(cell, x, y, losses);
            losses.Circles += cell.Circled;
        }
}

int WordCount(const std::vector<TNumberedSquare>& squares) {
    int words = 0;
    for (const auto& s : squares) words = std::max({words, s.AcrossWord, s.DownWord});
    return words;
}

// The clue of every entry 1..words, or null; clues that find no word of their
// own are listed in `unplaced`.
std::vector<const TExchangeClue*> PlaceClues(const TExchangePuzzle& in,
                                             const std::vector<TNumberedSquare>& squares, int words,
                                             std::vector<std::string>& unplaced) {
    std::vector<const TExchangeClue*> byEntry(std::size_t(words) + 1, nullptr);
    if (in.CluesInWalkOrder) {
        for (int e = 1; e <= words; ++e) byEntry[std::size_t(e)] = &in.Clues[std::size_t(e - 1)];
        return byEntry;
    }
    // The square of each label shown in the file; without any, our own numbers.
    std::map<std::string, std::pair<int, int>> labelled;
    for (int y = 1; y <= in.Height; ++y)
        for (int x = 1; x <= in.Width; ++x)
            if (!in.At(x, y).Label.empty()) labelled.emplace(in.At(x, y).Label, std::pair{x, y});
    if (labelled.empty())
        for (const auto& s : squares) labelled.emplace(std::to_string(s.SquareNumber), std::pair{s.X, s.Y});
    std::vector<int> inOrder[2]; // entries of the across [1] and down [0] words, walk order
    for (const auto& s : squares) {
        if (s.AcrossWord) inOrder[1].push_back(s.AcrossWord);
        if (s.DownWord) inOrder[0].push_back(s.DownWord);
    }
    std::size_t next[2] = {0, 0};
    for (const auto& clue : in.Clues) {
        int entry = 0;
        if (clue.Label.empty()) {
            auto& list = inOrder[clue.Across];
            if (next[clue.Across] < list.size()) entry = list[next[clue.Across]++];
        } else if (auto at = labelled.find(clue.Label); at != labelled.end()) {
            for (const auto& s : squares)
                if (s.X == at->second.first && s.Y == at->second.second)
                    entry = clue.Across ? s.AcrossWord : s.DownWord;
        }
        if (entry == 0 || byEntry[std::size_t(entry)]) {
            const std::string name = clue.Label.empty() ? (clue.Across ? "an across clue" : "a down clue")
                                                        : clue.Label + (clue.Across ? " Across" : " Down");
            unplaced.push_back(name + " " + Quoted(clue.Text));
            continue;
        }
        byEntry[std::size_t(entry)] = &clue;
    }
    return byEntry;
}

} // namespace

TReadResult ToRecord(const TExchangePuzzle& in) {
    const auto refuse = [](std::string text) {
        TReadResult failed;
        failed.Error = std::move(text);
        return failed;
    };
    if (in.Width < 1 || in.Height < 1 || in.Cells.size() != std::size_t(in.Width * in.Height))
        return refuse("The puzzle has no squares.");
    const std::string size = std::to_string(in.Width) + " x " + std::to_string(in.Height);
    if (in.Width > MaxGridSize || in.Height > MaxGridSize)
        return refuse("The grid is " + size + " squares; Wordlatch puzzles are at most 23 x 23.");

    TReadResult r;
    TXwdPuzzle& p = r.Puzzle;
    TSquareLosses losses;
    FillSquares(in, p, losses);
    const auto squares = NumberGrid(p);
    const int words = WordCount(squares);
    if (words > MaxWords)
        return refuse("The puzzle has " + std::to_string(words) +
                      " words; Wordlatch puzzles have at most 179.");
    if (in.CluesInWalkOrder && in.Clues.size() != std::size_t(words))
        return refuse("The file holds " + Count(in.Clues.size(), "clue") + " but its grid has " +
                      Count(std::size_t(words), "word") + ".");

    std::vector<std::string> unplaced, cut, notWin1252;
    const auto byEntry = PlaceClues(in, squares, words, unplaced);
    const auto store = [&](const TNumberedSquare& s, int entry, bool across) {
        bool exact = true;
        const std::string text = byEntry[std::size_t(entry)]
                                     ? RecordText(byEntry[std::size_t(entry)]->Text, exact)
                                     : std::string();
        const std::string name = WordName(s.SquareNumber, across);
        if (!exact) notWin1252.push_back("clue " + name);
        if (text.size() > std::size_t(MaxClueLength))
            cut.push_back("Clue " + name + " is longer than 60 characters; it is cut to " +
                          Quoted(Utf8From1252(text.substr(0, MaxClueLength))) + ", losing " +
                          Quoted(Utf8From1252(text.substr(MaxClueLength))) + ".");
        p.Clue(entry).SetText(text);
        ForEachWordSquare(p, s.X, s.Y, across ? 'a' : 'd', [&](int x, int y) {
            (across ? p.Index(x, y).AcrossClue : p.Index(x, y).DownClue) = std::uint16_t(entry);
        });
    };
    for (const auto& s : squares) {
        if (s.AcrossWord) store(s, s.AcrossWord, true);
        if (s.DownWord) store(s, s.DownWord, false);
    }
    bool exact = true;
    const std::string author = RecordText(in.Author, exact);
    if (!exact) notWin1252.push_back("the author");
    p.Byline.SetText(author);

    auto& w = r.Misfits.Changes;
    if (in.Width != in.Height)
        w.push_back("The grid is " + size + " squares; black squares are added to make it " +
                    std::to_string(p.GridSize) + " x " + std::to_string(p.GridSize) + ".");
    if (!losses.Rebus.empty())
        w.push_back("Squares holding more than one letter keep only the first: " + Listed(losses.Rebus) + ".");
    if (!losses.NotLetters.empty())
        w.push_back("Answers that are not letters A-Z become \"?\": " + Listed(losses.NotLetters) + ".");
    if (!losses.Player.empty())
        w.push_back("Solver's entries that are not one letter A-Z keep only a first letter or are dropped: " + Listed(losses.Player) + ".");
    w.insert(w.end(), cut.begin(), cut.end());
    if (!unplaced.empty()) w.push_back("Clues without a word in the grid are not kept: " + Listed(unplaced) + ".");
    if (author.size() > std::size_t(MaxClueLength)) w.push_back("The author is cut to 60 characters.");
    if (!notWin1252.empty())
        w.push_back("Characters outside Windows-1252 become \"?\" in " + Listed(notWin1252) + ".");
    w.insert(w.end(), in.Dropped.begin(), in.Dropped.end());

    auto& n = r.Misfits.Notices;
    if (!HasAnswers(p)) n.push_back("The file holds no answers, so a solution cannot be checked.");
    if (in.Diagramless) n.push_back("The puzzle is diagramless; its black squares will show.");
    if (losses.Circles == 1) n.push_back("The circle in 1 square is not kept.");
    if (losses.Circles > 1) n.push_back("The circles in " + std::to_string(losses.Circles) + " squares are not kept.");
    if (!in.Copyright.empty()) n.push_back("The copyright line " + Quoted(in.Copyright) + " is not kept.");
    if (!in.Notes.empty()) n.push_back("The notes " + Quoted(in.Notes) + " are not kept.");
    r.Title = in.Title;
    r.Copyright = in.Copyright;
    r.Notes = in.Notes;
    return r;
}

bool HasAnswers(const TXwdPuzzle& p) {
    for (int x = 1; x <= p.Side(); ++x)
        for (int y = 1; y <= p.Side(); ++y)
            if (!p.IsBlack(x, y) && p.Solution(x, y) != NoLetter) return true;
    return false;
}

TMisfits ExportMisfits(TExchangeFormat format, const TXwdPuzzle& p, std::string_view title) {
    TMisfits m;
    if (format == TExchangeFormat::Xwd && !title.empty())
        m.Notices.push_back("The title " + Quoted(title) + " is not kept.");
    if (format != TExchangeFormat::Puz) return m;
    // Other programs take "?" for the answer itself, not for a letter still unknown.
    std::vector<std::string> unknown;
    for (int y = 1; y <= p.Side(); ++y)
        for (int x = 1; x <= p.Side(); ++x)
            if (p.Solution(x, y) == UnknownLetter) unknown.push_back(Square(x, y));
    if (!unknown.empty())
        m.Changes.push_back("Squares whose letter is unknown are written with the answer \"?\": " +
                            Listed(unknown) + ".");
    bool exact = true;
    Utf8To1252(title, &exact);
    if (!exact) m.Notices.push_back("Characters outside Windows-1252 become \"?\" in the title.");
    return m;
}

TExchangePuzzle FromRecord(const TXwdPuzzle& p, std::string_view title) {
    if (p.GridSize < 1 || p.GridSize > MaxGridSize)
        throw EExchangeError("The grid side " + std::to_string(p.GridSize) + " is not between 1 and 23.");
    const auto squares = NumberGrid(p);
    const int words = WordCount(squares);
    if (words > MaxWords)
        throw EExchangeError("The grid has " + std::to_string(words) +
                             " words; no more than 179 can be saved.");
    TExchangePuzzle out;
    out.Width = out.Height = p.GridSize;
    out.Cells.resize(std::size_t(out.Width * out.Height));
    for (int y = 1; y <= p.GridSize; ++y)
        for (int x = 1; x <= p.GridSize; ++x) {
            TExchangeCell& cell = out.At(x, y);
            const std::uint8_t b = p.Solution(x, y);
            cell.Block = b == BlackSquare;
            if (!cell.Block && b != NoLetter) cell.Answer = b >= 'A' && b <= 'Z' ? std::string(1, char(b)) : "?";
            const std::uint8_t e = p.Player(x, y);
            if (!cell.Block && e >= 'A' && e <= 'Z') cell.Player = std::string(1, char(e));
        }
    for (const auto& s : squares) {
        out.At(s.X, s.Y).Label = std::to_string(s.SquareNumber);
        const auto& index = p.Index(s.X, s.Y);
        if (s.AcrossWord)
            out.Clues.push_back({true, out.At(s.X, s.Y).Label, Utf8From1252(EntryText(p, index.AcrossClue))});
        if (s.DownWord)
            out.Clues.push_back({false, out.At(s.X, s.Y).Label, Utf8From1252(EntryText(p, index.DownClue))});
    }
    out.CluesInWalkOrder = true;
    out.Title = std::string(title);
    out.Author = Utf8From1252(p.Byline.Text());
    return out;
}

} // namespace wl

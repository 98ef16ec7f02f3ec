#include "GridScan.h"

#include "GridAnalysis.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <string_view>

namespace wl {

namespace {

struct TWord {
    int X, Y;
    char Direction;
    int Number; // the square number printed in the grid
    int Entry;  // the clue entry the numbering walk gives it
    std::vector<std::pair<int, int>> Squares;
    std::string Letters; // "?" as is, an empty square as "."
};

// The parts joined: operator+ on temporaries trips GCC 12's false overlap
// warning in optimised builds.
std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) text += part;
    return text;
}

std::string Square(int x, int y) {
    return Cat({"(", std::to_string(x), ",", std::to_string(y), ")"});
}

std::string Label(const TWord& w) {
    return Cat({std::to_string(w.Number), w.Direction == 'a' ? " Across" : " Down"});
}

std::vector<TWord> Words(const TXwdPuzzle& p) {
    std::vector<TWord> words;
    for (const TNumberedSquare& s : NumberGrid(p))
        for (const char d : {'a', 'd'}) {
            const int entry = d == 'a' ? s.AcrossWord : s.DownWord;
            if (!entry) continue;
            TWord w{s.X, s.Y, d, s.SquareNumber, entry, {}, {}};
            ForEachWordSquare(p, s.X, s.Y, d, [&](int x, int y) {
                w.Squares.emplace_back(x, y);
                const std::uint8_t c = p.Solution(x, y);
                w.Letters += c == NoLetter ? '.' : c == UnknownLetter ? '?' : char(c);
            });
            words.push_back(std::move(w));
        }
    return words;
}

bool Clued(const TXwdPuzzle& p, const TWord& w) {
    const TClueIndexPair& index = p.Index(w.X, w.Y);
    const int e = w.Direction == 'a' ? index.AcrossClue : index.DownClue;
    return e >= 1 && e <= MaxWords && p.Clue(e).Bytes[0] != 0;
}

int WordCount(const TXwdPuzzle& p) {
    int count = 0;
    for (int x = 1; x <= p.Side(); ++x)
        for (int y = 1; y <= p.Side(); ++y) count += StartsAcross(p, x, y) + StartsDown(p, x, y);
    return count;
}

class TScan {
public:
    explicit TScan(const TXwdPuzzle& p) : P(p), N(p.Side()), AllWords(Words(p)) {}

    std::vector<TScanFinding> Run(std::vector<TScanFinding> wordWarnings) {
        Letters();
        Regions();
        Symmetry();
        ShortWords();
        if (AllWords.size() > std::size_t(MaxWords))
            Add(TScanLevel::Fault, 0, 0, 0,
                Cat({"The grid has ", std::to_string(AllWords.size()), " words; a puzzle clues at most ",
                     std::to_string(MaxWords), "."}));
        Repeats();
        for (const TWord& w : AllWords)
            if (!Clued(P, w)) Add(TScanLevel::Warning, w, Cat({Label(w), " (", w.Letters, ") has no clue."}));
        Unchecked();
        Found.insert(Found.end(), wordWarnings.begin(), wordWarnings.end());
        if (Found.empty()) Add(TScanLevel::Info, 0, 0, 0, "No problems found.");
        Facts();
        return std::move(Found);
    }

private:
    void Add(TScanLevel level, int x, int y, char d, std::string text) {
        Found.push_back({level, x, y, d, std::move(text)});
    }
    void Add(TScanLevel level, const TWord& w, std::string text) {
        Add(level, w.X, w.Y, w.Direction, std::move(text));
    }
    bool White(int x, int y) const { return x >= 1 && y >= 1 && x <= N && y <= N && !P.IsBlack(x, y); }

    void Letters() {
        for (int y = 1; y <= N; ++y)
            for (int x = 1; x <= N; ++x) {
                const std::uint8_t c = P.Solution(x, y);
                if (c == NoLetter) Add(TScanLevel::Fault, x, y, 0, Cat({"Square ", Square(x, y), " is empty."}));
                if (c == UnknownLetter)
                    Add(TScanLevel::Fault, x, y, 0, Cat({"Square ", Square(x, y), " holds \"?\"."}));
            }
    }

    // The white squares fall apart into regions; all but the largest are cut off.
    void Regions() {
        std::vector<int> region(std::size_t(N * N), -1);
        std::vector<std::pair<int, int>> starts; // each region's first square in reading order
        std::vector<int> sizes;
        for (int y = 1; y <= N; ++y)
            for (int x = 1; x <= N; ++x) {
                if (!White(x, y) || region[std::size_t((y - 1) * N + x - 1)] >= 0) continue;
                const int id = int(sizes.size());
                starts.emplace_back(x, y);
                sizes.push_back(0);
                std::vector<std::pair<int, int>> todo{{x, y}};
                region[std::size_t((y - 1) * N + x - 1)] = id;
                while (!todo.empty()) {
                    const auto [cx, cy] = todo.back();
                    todo.pop_back();
                    ++sizes.back();
                    for (const auto& [nx, ny] : {std::pair{cx + 1, cy}, {cx - 1, cy}, {cx, cy + 1}, {cx, cy - 1}}) {
                        if (!White(nx, ny)) continue;
                        int& r = region[std::size_t((ny - 1) * N + nx - 1)];
                        if (r < 0) r = id, todo.emplace_back(nx, ny);
                    }
                }
            }
        if (sizes.size() < 2) return;
        const auto largest = std::size_t(std::max_element(sizes.begin(), sizes.end()) - sizes.begin());
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            if (i == largest) continue;
            const auto [x, y] = starts[i];
            Add(TScanLevel::Fault, x, y, 0,
                sizes[i] == 1 ? Cat({"The square ", Square(x, y), " is cut off from the rest of the grid."})
                              : Cat({std::to_string(sizes[i]), " squares from ", Square(x, y),
                                     " are cut off from the rest of the grid."}));
        }
    }

    void Symmetry() {
        for (int y = 1; y <= N; ++y)
            for (int x = 1; x <= N; ++x) {
                const int tx = N + 1 - x, ty = N + 1 - y;
                // Each pair once, from the square met first.
                if ((y - 1) * N + x >= (ty - 1) * N + tx || P.IsBlack(x, y) == P.IsBlack(tx, ty)) continue;
                const bool black = P.IsBlack(x, y);
                Add(TScanLevel::Fault, x, y, 0,
                    Cat({"Square ", Square(x, y), black ? " is black, its twin " : " is white, its twin ",
                         Square(tx, ty), black ? " white." : " black."}));
            }
    }

    void ShortWords() {
        for (const TWord& w : AllWords)
            if (w.Squares.size() < 3)
                Add(TScanLevel::Fault, w, Cat({Label(w), " (", w.Letters, ") is shorter than three letters."}));
    }

    void Repeats() {
        std::map<std::string, std::vector<const TWord*>> byAnswer;
        for (const TWord& w : AllWords)
            if (w.Letters.find_first_of(".?") == std::string::npos) byAnswer[w.Letters].push_back(&w);
        for (const TWord& w : AllWords) {
            const auto it = byAnswer.find(w.Letters);
            if (it == byAnswer.end() || it->second.size() < 2 || it->second.front() != &w) continue;
            std::string where;
            for (std::size_t i = 0; i < it->second.size(); ++i)
                where += Cat({i == 0 ? "" : i + 1 == it->second.size() ? " and " : ", ", Label(*it->second[i])});
            Add(TScanLevel::Warning, w, Cat({w.Letters, " is the answer of ", where, "."}));
        }
    }

    // A white square in one word only (or none) is checked by no crossing.
    void Unchecked() {
        std::map<std::pair<int, int>, std::vector<const TWord*>> in;
        for (const TWord& w : AllWords)
            for (const auto& s : w.Squares) in[s].push_back(&w);
        std::vector<TScanFinding> lines;
        for (int y = 1; y <= N; ++y)
            for (int x = 1; x <= N; ++x) {
                if (!White(x, y)) continue;
                const auto it = in.find({x, y});
                if (it == in.end())
                    lines.push_back({TScanLevel::Warning, x, y, 0, Cat({"Square ", Square(x, y), " is in no word."})});
                else if (it->second.size() == 1)
                    lines.push_back({TScanLevel::Warning, x, y, 0,
                                     Cat({"Square ", Square(x, y), " is only in ", Label(*it->second[0]), "."})});
            }
        if (lines.empty()) return;
        Add(TScanLevel::Warning, 0, 0, 0,
            lines.size() == 1 ? std::string("1 square is unchecked (in one word at most):")
                              : Cat({std::to_string(lines.size()), " squares are unchecked (in one word at most):"}));
        Found.insert(Found.end(), lines.begin(), lines.end());
    }

    // The counts the analysis window shows, with the average to one decimal.
    void Facts() {
        const TGridAnalysis counts = AnalyseGrid(P);
        Add(TScanLevel::Info, 0, 0, 0,
            Cat({std::to_string(counts.Words()), " words: ", std::to_string(counts.AcrossWords),
                 " across, ", std::to_string(counts.DownWords), " down."}));
        char text[96];
        std::snprintf(text, sizeof text, "Black squares: %d of %d (%.1f%%).", counts.BlackSquares,
                      N * N, N ? 100.0 * counts.BlackSquares / (N * N) : 0.0);
        Add(TScanLevel::Info, 0, 0, 0, text);
        if (counts.Words()) {
            std::snprintf(text, sizeof text, "Average word length: %.1f letters.",
                          double(counts.TotalLetters) / counts.Words());
            Add(TScanLevel::Info, 0, 0, 0, text);
        }
        Cheaters();
        EdgeRuns();
    }

    // A black square beside a white one that could be white without changing
    // the number of words (inside a block of black squares it would stand alone).
    void Cheaters() {
        const int words = int(AllWords.size());
        TXwdPuzzle trial = P;
        for (int y = 1; y <= N; ++y)
            for (int x = 1; x <= N; ++x) {
                if (!P.IsBlack(x, y) ||
                    !(White(x - 1, y) || White(x + 1, y) || White(x, y - 1) || White(x, y + 1)))
                    continue;
                trial.Solution(x, y) = NoLetter;
                if (WordCount(trial) == words)
                    Add(TScanLevel::Info, x, y, 0,
                        Cat({"Black square ", Square(x, y), " changes no word count (a cheater)."}));
                trial.Solution(x, y) = BlackSquare;
            }
    }

    void EdgeRuns() {
        const struct {
            const char* Name;
            int X, Y, Dx, Dy;
        } edges[] = {{"top", 1, 1, 1, 0}, {"bottom", 1, N, 1, 0}, {"left", 1, 1, 0, 1}, {"right", N, 1, 0, 1}};
        for (const auto& e : edges) {
            for (int i = 0; i < N;) {
                int j = i;
                while (j < N && P.IsBlack(e.X + e.Dx * j, e.Y + e.Dy * j)) ++j;
                if (j - i >= 2)
                    Add(TScanLevel::Info, e.X + e.Dx * i, e.Y + e.Dy * i, 0,
                        Cat({"Black squares along the ", e.Name, " edge from ",
                             Square(e.X + e.Dx * i, e.Y + e.Dy * i), " to ",
                             Square(e.X + e.Dx * (j - 1), e.Y + e.Dy * (j - 1)), "."}));
                i = std::max(j, i + 1);
            }
        }
    }

    const TXwdPuzzle& P;
    const int N;
    const std::vector<TWord> AllWords;
    std::vector<TScanFinding> Found;
};

} // namespace

std::vector<TScanFinding> ScanGrid(const TXwdPuzzle& p, std::vector<TScanFinding> wordWarnings) {
    return TScan(p).Run(std::move(wordWarnings));
}

} // namespace wl

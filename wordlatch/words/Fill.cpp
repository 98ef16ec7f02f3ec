#include "Fill.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <random>

namespace wl {

namespace {

using TClock = std::chrono::steady_clock;
constexpr std::uint32_t AllLetters = (1u << 26) - 1;
// Up to this many words a domain's letters are read word by word.
constexpr std::size_t SmallDomain = 96;
// The words weighed for each placement.
constexpr std::size_t Candidates = 16;

// One slot to fill: its domain over the index's group of its length, and for
// each position the square and the other slot through it.
struct TVar {
    int Slot = 0;
    int Length = 0;
    std::vector<int> Cells;
    std::vector<int> Other;    // the crossing variable at each position, -1 for none
    std::vector<int> OtherPos; // and the position in it
    TBitset Domain;
    double Weight = 1;  // failures seen here, for dom/wdeg
    int SavedLevel = -1; // the level its domain was last put on the trail
    // The domain's size, counted again only after it changed: counting is
    // most of the cost of choosing the next slot.
    std::size_t Size = 0;
    bool Counted = false;
    // For each position and letter, the block where the domain last held a
    // word with that letter there.
    std::vector<std::uint32_t> Support;
};

class TSolver {
public:
    TSolver(const TXwdPuzzle& p, const TWordIndex& words, const TFillOptions& options,
            const std::atomic<bool>* cancel, const std::function<void(const TFillProgress&)>& progress)
        : Grid(p), Slots(p), Words(words), Options(options), Cancel(cancel), Progress(progress),
          Random(options.Seed), Start(TClock::now()) {}

    TFillResult Run();

private:
    void Build();
    // Empty squares to fill: all of them, or those joined to the region's word.
    std::vector<bool> CellsToFill() const;
    bool Propagate();
    void Enqueue(int v);
    // Narrows the letters of a square; false when none is left.
    bool NarrowCell(int cell, std::uint32_t letters, int from);
    // Removes from v's domain the words whose letter at `pos` is in `gone`.
    bool Remove(int v, int pos, std::uint32_t gone, std::uint32_t kept);
    void SaveDomain(int v);
    std::uint32_t LettersAt(TVar& v, int pos, std::uint32_t allowed) const;
    int ChooseVar();
    std::size_t ChooseWord(const TVar& v);
    bool Assign(int v, std::size_t word);
    bool Refute(int v, std::size_t word);
    void Backtrack(std::size_t level);
    bool Stopped();
    bool Complete() const;
    TFillResult Finish(TFillOutcome outcome);

    const TXwdPuzzle& Grid;
    TGridSlots Slots;
    const TWordIndex& Words;
    const TFillOptions& Options;
    const std::atomic<bool>* Cancel;
    const std::function<void(const TFillProgress&)>& Progress;
    std::mt19937 Random;
    TClock::time_point Start;
    TClock::time_point LastReport;

    std::vector<TVar> Vars;
    std::vector<std::uint32_t> CellLetters; // the letters each square may still take
    std::vector<int> Queue;
    std::vector<bool> Queued;
    int Failed = -1; // the variable whose domain ran out last
    std::vector<TBitset> Scratch; // one per length, for the filters

    // The trail: what each level changed, to put back on backtracking.
    struct TDomainSave {
        int Var;
        TBitset Domain;
        int SavedLevel;
    };
    std::vector<TDomainSave> Domains;
    std::vector<std::pair<int, std::uint32_t>> Cells;
    struct TDecision {
        int Var;
        std::size_t Word;
        std::size_t DomainMark, CellMark;
    };
    std::vector<TDecision> Decisions;
    long long Steps = 0;
    bool Timeout = false, Cancelled = false;
};

std::vector<bool> TSolver::CellsToFill() const {
    const std::size_t cells = std::size_t(Slots.Side() * Slots.Side());
    std::vector<bool> fill(cells, false);
    for (std::size_t c = 0; c < cells; ++c) fill[c] = CellLetter(Grid, int(c)) == '?';
    if (!Options.Region) return fill;
    // The region grows from the empty squares of the chosen word and of the
    // words crossing it, along words, through empty squares only.
    const TWordAt& at = *Options.Region;
    const int first = Slots.Through(at.X, at.Y, at.Direction);
    std::vector<bool> region(cells, false);
    std::vector<int> todo;
    const auto reach = [&](int cell) {
        if (fill[std::size_t(cell)] && !region[std::size_t(cell)]) {
            region[std::size_t(cell)] = true;
            todo.push_back(cell);
        }
    };
    if (first >= 0)
        for (int cell : Slots.Slots()[std::size_t(first)].Cells) {
            reach(cell);
            for (int s : Slots.Through(cell))
                if (s >= 0)
                    for (int c : Slots.Slots()[std::size_t(s)].Cells) reach(c);
        }
    while (!todo.empty()) {
        const int cell = todo.back();
        todo.pop_back();
        for (int s : Slots.Through(cell))
            if (s >= 0)
                for (int c : Slots.Slots()[std::size_t(s)].Cells) reach(c);
    }
    return region;
}

void TSolver::Build() {
    const std::vector<bool> fill = CellsToFill();
    const std::size_t cells = fill.size();
    CellLetters.assign(cells, AllLetters);
    for (std::size_t c = 0; c < cells; ++c) {
        const char letter = CellLetter(Grid, int(c));
        if (letter >= 'A' && letter <= 'Z') CellLetters[c] = 1u << (letter - 'A');
    }
    std::vector<int> varOfSlot(Slots.Slots().size(), -1);
    for (std::size_t s = 0; s < Slots.Slots().size(); ++s) {
        const TSlot& slot = Slots.Slots()[s];
        if (std::none_of(slot.Cells.begin(), slot.Cells.end(), [&](int c) { return fill[std::size_t(c)]; }))
            continue;
        varOfSlot[s] = int(Vars.size());
        TVar v;
        v.Slot = int(s);
        v.Length = int(slot.Cells.size());
        v.Cells = slot.Cells;
        v.Domain = Words.Fitting(SlotLetters(Grid, slot), Options.MinScore);
        Vars.push_back(std::move(v));
    }
    // The answers already whole in the grid are taken.
    if (Options.NoRepeats)
        for (std::size_t s = 0; s < Slots.Slots().size(); ++s) {
            if (varOfSlot[s] >= 0) continue;
            const std::string word = SlotLetters(Grid, Slots.Slots()[s]);
            if (word.find('?') != std::string::npos) continue; // outside the region
            for (TVar& v : Vars) {
                if (v.Length != int(word.size())) continue;
                const TBitset same = Words.Fitting(word);
                v.Domain.Subtract(same);
            }
        }
    for (TVar& v : Vars) {
        v.Other.assign(std::size_t(v.Length), -1);
        v.OtherPos.assign(std::size_t(v.Length), 0);
        v.Support.assign(std::size_t(v.Length) * 26, 0);
        for (int pos = 0; pos < v.Length; ++pos)
            for (int s : Slots.Through(v.Cells[std::size_t(pos)])) {
                if (s < 0 || s == v.Slot || varOfSlot[std::size_t(s)] < 0) continue;
                const TSlot& other = Slots.Slots()[std::size_t(s)];
                v.Other[std::size_t(pos)] = varOfSlot[std::size_t(s)];
                v.OtherPos[std::size_t(pos)] = int(std::find(other.Cells.begin(), other.Cells.end(),
                                                             v.Cells[std::size_t(pos)]) -
                                                   other.Cells.begin());
            }
    }
    Scratch.resize(MaxWordLength + 1);
    for (int n = MinWordLength; n <= MaxWordLength; ++n)
        Scratch[std::size_t(n)] = TBitset(Words.OfLength(n).size());
    Queued.assign(Vars.size(), false);
}

void TSolver::Enqueue(int v) {
    if (Queued[std::size_t(v)]) return;
    Queued[std::size_t(v)] = true;
    Queue.push_back(v);
}

void TSolver::SaveDomain(int v) {
    TVar& var = Vars[std::size_t(v)];
    var.Counted = false;
    const int level = int(Decisions.size());
    if (var.SavedLevel == level) return;
    Domains.push_back({v, var.Domain, var.SavedLevel});
    var.SavedLevel = level;
}

std::uint32_t TSolver::LettersAt(TVar& v, int pos, std::uint32_t allowed) const {
    std::uint32_t found = 0;
    for (std::uint32_t rest = allowed; rest; rest &= rest - 1) {
        const int letter = std::countr_zero(rest);
        if (v.Domain.Intersects(Words.WithLetter(v.Length, pos, char('A' + letter)),
                                v.Support[std::size_t(pos * 26 + letter)]))
            found |= 1u << letter;
    }
    return found;
}

bool TSolver::Remove(int v, int pos, std::uint32_t gone, std::uint32_t kept) {
    TVar& var = Vars[std::size_t(v)];
    TBitset& filter = Scratch[std::size_t(var.Length)];
    // Whichever set of letters is smaller makes the filter.
    const bool keep = std::popcount(kept) < std::popcount(gone);
    filter.Clear();
    for (std::uint32_t rest = keep ? kept : gone; rest; rest &= rest - 1)
        filter |= Words.WithLetter(var.Length, pos, char('A' + std::countr_zero(rest)));
    if (keep ? var.Domain.Within(filter) : !var.Domain.Intersects(filter)) return true;
    SaveDomain(v);
    if (keep)
        var.Domain &= filter;
    else
        var.Domain.Subtract(filter);
    if (var.Domain.None()) {
        Failed = v;
        return false;
    }
    Enqueue(v);
    return true;
}

bool TSolver::NarrowCell(int cell, std::uint32_t letters, int from) {
    const std::uint32_t old = CellLetters[std::size_t(cell)];
    const std::uint32_t now = old & letters;
    if (now == old) return true;
    if (now == 0) {
        Failed = from;
        return false;
    }
    Cells.emplace_back(cell, old);
    CellLetters[std::size_t(cell)] = now;
    const TVar& var = Vars[std::size_t(from)];
    const auto at = std::find(var.Cells.begin(), var.Cells.end(), cell) - var.Cells.begin();
    const int other = var.Other[std::size_t(at)];
    return other < 0 || Remove(other, var.OtherPos[std::size_t(at)], old & ~now, now);
}

bool TSolver::Propagate() {
    std::array<std::uint32_t, MaxWordLength> letters{};
    while (!Queue.empty()) {
        const int v = Queue.back();
        Queue.pop_back();
        Queued[std::size_t(v)] = false;
        TVar& var = Vars[std::size_t(v)];
        // A small domain is read word by word; a large one through the index.
        letters.fill(0);
        const std::vector<TWordEntry>& words = Words.OfLength(var.Length);
        std::size_t seen = 0;
        for (std::size_t i = var.Domain.First(); i < var.Domain.Size() && seen <= SmallDomain;
             i = var.Domain.Next(i + 1), ++seen)
            for (int pos = 0; pos < var.Length; ++pos)
                letters[std::size_t(pos)] |= 1u << (words[i].Word[std::size_t(pos)] - 'A');
        for (int pos = 0; pos < var.Length; ++pos) {
            const int cell = var.Cells[std::size_t(pos)];
            const std::uint32_t allowed = CellLetters[std::size_t(cell)];
            const std::uint32_t found =
                seen <= SmallDomain ? letters[std::size_t(pos)] : LettersAt(var, pos, allowed);
            if (!NarrowCell(cell, found, v)) {
                for (int q : Queue) Queued[std::size_t(q)] = false;
                Queue.clear();
                return false;
            }
        }
    }
    return true;
}

int TSolver::ChooseVar() {
    int best = -1;
    double bestRatio = 0;
    for (std::size_t v = 0; v < Vars.size(); ++v) {
        TVar& var = Vars[v];
        if (!var.Counted) var.Size = var.Domain.Count(), var.Counted = true;
        const std::size_t size = var.Size;
        if (size <= 1) continue;
        const double ratio = double(size) / Vars[v].Weight;
        if (best < 0 || ratio < bestRatio) {
            best = int(v);
            bestRatio = ratio;
        }
    }
    return best;
}

std::size_t TSolver::ChooseWord(const TVar& v) {
    const TBitset& d = v.Domain;
    const std::vector<TWordEntry>& words = Words.OfLength(v.Length);
    // The candidates: the best-scored words, or words drawn at random when
    // scores do not count.
    std::vector<std::size_t> candidates;
    if (Options.UseScores) {
        const int top = words[d.First()].Score;
        for (std::size_t i = d.First(); i < d.Size() && candidates.size() < Candidates && words[i].Score == top;
             i = d.Next(i + 1))
            candidates.push_back(i);
    } else {
        const std::size_t size = d.Count();
        for (std::size_t k = 0; k < Candidates; ++k) {
            std::size_t skip = std::uniform_int_distribution<std::size_t>(0, size - 1)(Random);
            std::size_t i = d.First();
            while (skip--) i = d.Next(i + 1);
            candidates.push_back(i);
        }
    }
    // Of those, the one that leaves its crossings the most words (the product
    // of their counts), with a little noise so that restarts look elsewhere.
    std::uniform_real_distribution<double> noise(0, 0.3);
    std::size_t best = candidates.front();
    double bestValue = -HUGE_VAL;
    for (std::size_t w : candidates) {
        double value = noise(Random);
        for (int pos = 0; pos < v.Length && value > -HUGE_VAL; ++pos) {
            const int o = v.Other[std::size_t(pos)];
            if (o < 0) continue;
            const TVar& other = Vars[std::size_t(o)];
            const std::size_t n = other.Domain.CountAnd(
                Words.WithLetter(other.Length, v.OtherPos[std::size_t(pos)], words[w].Word[std::size_t(pos)]));
            value = n ? value + std::log(double(n)) : -HUGE_VAL;
        }
        if (value > bestValue) best = w, bestValue = value;
    }
    return best;
}

bool TSolver::Assign(int v, std::size_t word) {
    Decisions.push_back({v, word, Domains.size(), Cells.size()});
    TVar& var = Vars[std::size_t(v)];
    SaveDomain(v);
    var.Domain = TBitset(var.Domain.Size());
    var.Domain.Set(word);
    Enqueue(v);
    if (Options.NoRepeats)
        for (std::size_t u = 0; u < Vars.size(); ++u) {
            TVar& other = Vars[u];
            if (int(u) == v || other.Length != var.Length || !other.Domain.Test(word)) continue;
            SaveDomain(int(u));
            other.Domain.Reset(word);
            if (other.Domain.None()) {
                Failed = int(u);
                return false;
            }
            Enqueue(int(u));
        }
    return Propagate();
}

bool TSolver::Refute(int v, std::size_t word) {
    TVar& var = Vars[std::size_t(v)];
    SaveDomain(v);
    var.Domain.Reset(word);
    if (var.Domain.None()) {
        Failed = v;
        return false;
    }
    Enqueue(v);
    return Propagate();
}

void TSolver::Backtrack(std::size_t level) {
    const TDecision& d = Decisions[level];
    while (Domains.size() > d.DomainMark) {
        TDomainSave& save = Domains.back();
        Vars[std::size_t(save.Var)].Domain = std::move(save.Domain);
        Vars[std::size_t(save.Var)].SavedLevel = save.SavedLevel;
        Vars[std::size_t(save.Var)].Counted = false;
        Domains.pop_back();
    }
    while (Cells.size() > d.CellMark) {
        CellLetters[std::size_t(Cells.back().first)] = Cells.back().second;
        Cells.pop_back();
    }
    Decisions.resize(level);
}

bool TSolver::Stopped() {
    if (++Steps % 64) return false;
    const auto now = TClock::now();
    const double seconds = std::chrono::duration<double>(now - Start).count();
    if (Cancel && Cancel->load()) Cancelled = true;
    if (seconds > Options.TimeLimit) Timeout = true;
    if (Progress && now - LastReport > std::chrono::milliseconds(100)) {
        LastReport = now;
        int placed = 0;
        for (const TVar& v : Vars) placed += v.Domain.Count() == 1;
        Progress({placed, int(Vars.size()), Steps, seconds});
    }
    return Cancelled || Timeout;
}

bool TSolver::Complete() const {
    if (!Options.NoRepeats) return true;
    // Words forced by propagation were never placed by a decision: no two may be the same.
    std::vector<std::pair<int, std::size_t>> placed;
    for (const TVar& v : Vars) placed.emplace_back(v.Length, v.Domain.First());
    std::sort(placed.begin(), placed.end());
    return std::adjacent_find(placed.begin(), placed.end()) == placed.end();
}

TFillResult TSolver::Finish(TFillOutcome outcome) {
    TFillResult r;
    r.Outcome = outcome;
    r.Puzzle = Grid;
    r.Steps = Steps;
    r.Seconds = std::chrono::duration<double>(TClock::now() - Start).count();
    if (outcome == TFillOutcome::Filled) {
        const int n = Slots.Side();
        double total = 0;
        for (const TVar& v : Vars) {
            const TWordEntry& e = Words.OfLength(v.Length)[v.Domain.First()];
            for (int pos = 0; pos < v.Length; ++pos) {
                const int cell = v.Cells[std::size_t(pos)];
                r.Puzzle.Solution(cell % n + 1, cell / n + 1) = std::uint8_t(e.Word[std::size_t(pos)]);
            }
            total += e.Score;
        }
        r.Placed = int(Vars.size());
        r.MeanScore = Vars.empty() ? 0 : total / double(Vars.size());
        return r;
    }
    int worst = Failed;
    for (std::size_t v = 0; v < Vars.size(); ++v)
        if (Vars[v].Weight > (worst >= 0 ? Vars[std::size_t(worst)].Weight : 1)) worst = int(v);
    if (worst >= 0) r.HardestSlot = Slots.Name(Vars[std::size_t(worst)].Slot);
    return r;
}

TFillResult TSolver::Run() {
    Build();
    if (Vars.empty()) return Finish(TFillOutcome::NothingToFill);
    LastReport = Start;
    for (std::size_t v = 0; v < Vars.size(); ++v) {
        if (Vars[v].Domain.None()) {
            Failed = int(v);
            return Finish(TFillOutcome::NoFill);
        }
        Enqueue(int(v));
    }
    if (!Propagate()) return Finish(TFillOutcome::NoFill);
    // The root state, to restart from.
    const std::vector<TVar> root = Vars;
    const std::vector<std::uint32_t> rootCells = CellLetters;
    double restartAfter = 100;
    long long failures = 0;
    while (true) {
        const int v = ChooseVar();
        if (v < 0) {
            if (Complete()) return Finish(TFillOutcome::Filled);
            Failed = -1;
        }
        bool ok = v >= 0 && Assign(v, ChooseWord(Vars[std::size_t(v)]));
        while (!ok) {
            if (Failed >= 0) Vars[std::size_t(Failed)].Weight += 1;
            ++failures;
            if (Stopped()) return Finish(Cancelled ? TFillOutcome::Cancelled : TFillOutcome::TimedOut);
            if (Decisions.empty()) return Finish(TFillOutcome::NoFill);
            const TDecision d = Decisions.back();
            Backtrack(Decisions.size() - 1);
            if (failures > restartAfter) {
                // Start again from the top, keeping what the failures taught.
                failures = 0;
                restartAfter *= 1.5;
                std::vector<double> weights;
                for (const TVar& var : Vars) weights.push_back(var.Weight);
                Vars = root;
                for (std::size_t i = 0; i < Vars.size(); ++i) Vars[i].Weight = weights[i];
                CellLetters = rootCells;
                Decisions.clear();
                Domains.clear();
                Cells.clear();
                ok = true;
                break;
            }
            ok = Refute(d.Var, d.Word);
        }
        if (Stopped()) return Finish(Cancelled ? TFillOutcome::Cancelled : TFillOutcome::TimedOut);
    }
}

} // namespace

TFillResult FillGrid(const TXwdPuzzle& p, const TWordIndex& words, const TFillOptions& options,
                     const std::atomic<bool>* cancel,
                     const std::function<void(const TFillProgress&)>& progress) {
    return TSolver(p, words, options, cancel, progress).Run();
}

} // namespace wl

// The dictionary's costs: reading and merging a list the size of the built-in
// one (the fill tool pays for it on every run), loading and indexing the
// built-in list itself, pattern queries and the suggestions for a long slot.
#include "OutputTestSupport.h"
#include "Suggest.h"
#include "WordList.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>

namespace {

// `count` lines "WORD;SCORE" of 3 to 15 letters; one in sixteen lower case with a
// space and an accented letter, to take the slower path.
std::string SyntheticList(int count) {
    std::string list;
    unsigned seed = 12345;
    const auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % range;
    };
    for (int i = 0; i < count; ++i) {
        const unsigned length = 3 + next(13);
        const bool plain = next(16) != 0;
        for (unsigned k = 0; k < length; ++k) list += char((plain ? 'A' : 'a') + next(26));
        if (!plain) list += " caf\xC3\xA9";
        list += ';';
        list += std::to_string(1 + next(100));
        list += '\n';
    }
    return list;
}

void BM_ParseAndMergeList(benchmark::State& state) {
    const std::string list = SyntheticList(int(state.range(0)));
    for (auto _ : state) {
        wl::TDictionary dictionary;
        dictionary.Add("built-in", wl::ParseWordList(list));
        benchmark::DoNotOptimize(std::move(dictionary).Entries());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * std::int64_t(list.size()));
}
BENCHMARK(BM_ParseAndMergeList)->Arg(250'000)->Unit(benchmark::kMillisecond);

wl::TWordIndex LoadBuiltin() {
    return wl::TWordIndex(wl::LoadDictionary({WORDLATCH_WORDS_FILE}).Entries());
}

// What the Dictionary window and the fill tool do before their first search.
void BM_LoadAndIndexBuiltinList(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(LoadBuiltin().Size());
}
BENCHMARK(BM_LoadAndIndexBuiltinList)->Unit(benchmark::kMillisecond);

// A set of patterns as a constructor types them; the counter is the median
// over the set of each pattern's mean time.
void BM_PatternQueries(benchmark::State& state) {
    static const wl::TWordIndex words = LoadBuiltin();
    const std::vector<std::string> patterns = {"C?T",   "*ING",        "?A?E",  "A?E?T", "S*S",
                                               "*Q*",   "BE*ED",       "??X??", "*",     "???????????????",
                                               "T*E*S", "?????????ION", "RE*",  "*TION", "E?E"};
    std::vector<double> micros(patterns.size(), 0);
    for (auto _ : state)
        for (std::size_t i = 0; i < patterns.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(words.Match(patterns[i], 1, 500).Found);
            micros[i] += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        }
    for (double& m : micros) m /= double(state.iterations());
    std::nth_element(micros.begin(), micros.begin() + std::ptrdiff_t(micros.size() / 2), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["slowest_us"] = *std::max_element(micros.begin(), micros.end());
}
BENCHMARK(BM_PatternQueries)->Unit(benchmark::kMillisecond);

// The suggestions for the 15-letter top row of a 15 x 15 grid with two of its
// letters given and its fifteen crossings partly lettered.
void BM_Suggest15LetterSlot(benchmark::State& state) {
    static const wl::TWordIndex words = LoadBuiltin();
    const wl::TXwdPuzzle p = wl::fakes::FromRows({
        "...S.....E.....", "...#...#...#...", "R..............", "...#...#...#...",
        "T......#.......", "....#.....#....", "...............", "###.........###",
        "...............", "....#.....#....", ".......#.......", "...#...#...#...",
        "...............", "...#...#...#...", "...............",
    });
    const wl::TGridSlots slots(p);
    const int top = slots.Find(1, 1, 'a');
    for (auto _ : state) benchmark::DoNotOptimize(wl::Suggest(p, slots, top, words, 1, 500).size());
}
BENCHMARK(BM_Suggest15LetterSlot)->Unit(benchmark::kMillisecond);

} // namespace

// Reading and merging a list the size of the built-in one: the fill tool pays for
// it on every run.
#include "WordList.h"

#include <benchmark/benchmark.h>

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

} // namespace

// Reading and writing a filled 21 x 21 puzzle (82 clues, solver's letters)
// in the two exchange formats.
#include "Interop.h"
#include "InteropSamples.h"

#include <benchmark/benchmark.h>

namespace {

const wl::TXwdPuzzle& Sample() {
    static const wl::TXwdPuzzle puzzle = wl::testing::SamplePuzzle(21);
    return puzzle;
}

void BM_WritePuz(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(wl::WritePuz(Sample(), "Benchmark"));
}

void BM_ReadPuz(benchmark::State& state) {
    const auto bytes = wl::testing::AsBytes(wl::WritePuz(Sample(), "Benchmark"));
    for (auto _ : state) benchmark::DoNotOptimize(wl::ReadPuz(bytes));
    state.SetBytesProcessed(std::int64_t(state.iterations() * bytes.size()));
}

void BM_WriteIpuz(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(wl::WriteIpuz(Sample(), "Benchmark"));
}

void BM_ReadIpuz(benchmark::State& state) {
    const auto bytes = wl::testing::AsBytes(wl::WriteIpuz(Sample(), "Benchmark"));
    for (auto _ : state) benchmark::DoNotOptimize(wl::ReadIpuz(bytes));
    state.SetBytesProcessed(std::int64_t(state.iterations() * bytes.size()));
}

} // namespace

BENCHMARK(BM_WritePuz);
BENCHMARK(BM_ReadPuz);
BENCHMARK(BM_WriteIpuz);
BENCHMARK(BM_ReadIpuz);

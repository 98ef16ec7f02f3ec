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

template <auto Write>
void BM_Write(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Write(Sample(), "Benchmark"));
}

template <auto Write, auto Read>
void BM_Read(benchmark::State& state) {
    const auto bytes = wl::testing::AsBytes(Write(Sample(), "Benchmark"));
    for (auto _ : state) benchmark::DoNotOptimize(Read(bytes));
    state.SetBytesProcessed(std::int64_t(state.iterations() * bytes.size()));
}

} // namespace

BENCHMARK(BM_Write<wl::WritePuz>)->Name("BM_WritePuz");
// ReadPuz read with its default options.
BENCHMARK(BM_Read<wl::WritePuz, [](std::span<const std::uint8_t> b) { return wl::ReadPuz(b); }>)
    ->Name("BM_ReadPuz");
BENCHMARK(BM_Write<wl::WriteIpuz>)->Name("BM_WriteIpuz");
BENCHMARK(BM_Read<wl::WriteIpuz, wl::ReadIpuz>)->Name("BM_ReadIpuz");

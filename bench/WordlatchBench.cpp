// Puzzle file load and save, the numbering walk and scan of the largest grid, and the undo history.
#include "DemoProcsUnit.h"
#include "GridScan.h"
#include "PuzzleHistory.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <malloc.h>

using namespace wl;

namespace {

// A 23x23 grid with a regular pattern of black squares and letters.
TDemProcs LargePuzzle() {
    TDemProcs d;
    d.NewPuzzle(23);
    for (int x = 1; x <= 23; ++x)
        for (int y = 1; y <= 23; ++y)
            d.Puzzle.Solution(x, y) =
                (x % 4 == 0 && y % 3 == 0) ? BlackSquare : std::uint8_t('A' + (x * y) % 26);
    return d;
}

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void BM_LoadPuzzle(benchmark::State& state) {
    TDemProcs d = LargePuzzle();
    const auto path = TempPath("bench_load.xwd");
    d.SavePuzzle(path);
    for (auto _ : state) {
        d.LoadPuzzle(path);
        benchmark::DoNotOptimize(d.Puzzle.GridSize);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadPuzzle);

void BM_SavePuzzle(benchmark::State& state) {
    TDemProcs d = LargePuzzle();
    const auto path = TempPath("bench_save.xwd");
    for (auto _ : state) d.SavePuzzle(path);
    std::filesystem::remove(path);
}
BENCHMARK(BM_SavePuzzle);

void BM_NumberGrid23(benchmark::State& state) {
    const TDemProcs d = LargePuzzle();
    for (auto _ : state) benchmark::DoNotOptimize(NumberGrid(d.Puzzle));
}
BENCHMARK(BM_NumberGrid23);

// The whole scan of a filled 23x23 grid, its many unchecked squares and
// cheaters included: it runs each time the scan window is shown.
void BM_ScanGrid23(benchmark::State& state) {
    const TDemProcs d = LargePuzzle();
    for (auto _ : state) benchmark::DoNotOptimize(ScanGrid(d.Puzzle));
}
BENCHMARK(BM_ScanGrid23)->Unit(benchmark::kMicrosecond);

// A history of 1,000 letters typed into a filled 23x23 grid.
struct TTypedHistory {
    TDemProcs Procs = LargePuzzle();
    TPuzzleHistory History{Procs};
    TTypedHistory() {
        for (int i = 0; i < 1000; ++i) {
            const int x = 1 + i % 23, y = 1 + i / 23 % 23;
            History.Change("Letters", [&] { Procs.Puzzle.Player(x, y) = std::uint8_t('A' + i % 26); });
        }
    }
};

// Undo of all 1,000 letters, then redo of all: the time per step and the
// slowest single step seen.
void BM_UndoRedo1000Letters(benchmark::State& state) {
    TTypedHistory typed;
    double slowest = 0;
    const auto timed = [&](void (TPuzzleHistory::*step)()) {
        const auto start = std::chrono::steady_clock::now();
        (typed.History.*step)();
        slowest = std::max(slowest, std::chrono::duration<double, std::micro>(
                                        std::chrono::steady_clock::now() - start).count());
    };
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) timed(&TPuzzleHistory::Undo);
        for (int i = 0; i < 1000; ++i) timed(&TPuzzleHistory::Redo);
    }
    state.counters["step"] = benchmark::Counter(
        2000, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["slowest_us"] = slowest;
}
BENCHMARK(BM_UndoRedo1000Letters)->Unit(benchmark::kMillisecond);

// The heap a full history takes when every step rewrites the whole record,
// the largest step there is.
void BM_HistoryOf1000WholeRecordSteps(benchmark::State& state) {
    for (auto _ : state) {
        TDemProcs procs = LargePuzzle();
        const std::size_t before = mallinfo2().uordblks;
        TPuzzleHistory history(procs);
        for (int i = 0; i < 1000; ++i)
            history.Change("Whole", [&] {
                auto* bytes = reinterpret_cast<std::uint8_t*>(&procs.Puzzle);
                for (std::size_t b = 0; b < sizeof procs.Puzzle; ++b) bytes[b] = std::uint8_t(~bytes[b]);
            });
        state.counters["steps"] = history.Stack.count();
        state.counters["MiB"] = double(mallinfo2().uordblks - before) / (1024 * 1024);
    }
}
BENCHMARK(BM_HistoryOf1000WholeRecordSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

// Puzzle file load and save, and the numbering walk of the largest grid.
#include "DemoProcsUnit.h"
#include "GridScan.h"
#include "RecordDelta.h"

#include <benchmark/benchmark.h>

#include <filesystem>

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

// One typed letter as an undo step: the delta of the record, undone and redone.
void BM_LetterDeltaUndoRedo(benchmark::State& state) {
    TDemProcs d = LargePuzzle();
    TXwdPuzzle typed = d.Puzzle;
    typed.Player(12, 12) = 'Q';
    for (auto _ : state) {
        const TRecordDelta delta = Difference(d.Puzzle, typed);
        Redo(d.Puzzle, delta);
        Undo(d.Puzzle, delta);
        benchmark::DoNotOptimize(d.Puzzle.GridSize);
    }
}
BENCHMARK(BM_LetterDeltaUndoRedo)->Unit(benchmark::kMicrosecond);

} // namespace

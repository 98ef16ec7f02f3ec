// One full repaint of a filled 23x23 grid, the largest the grid window shows.
#include "GridPainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace wl;

namespace {

void BM_FullRepaint23(benchmark::State& state) {
    TXwdPuzzle puzzle{};
    puzzle.GridSize = 23;
    for (int x = 1; x <= 23; ++x)
        for (int y = 1; y <= 23; ++y)
            puzzle.Solution(x, y) =
                (x % 4 == 0 && y % 3 == 0) ? BlackSquare : std::uint8_t('A' + (x * y) % 26);
    const int cell = 27;
    QImage canvas(23 * cell + 1, 23 * cell + 1, QImage::Format_RGB32);
    TGridLook look;
    look.CellSize = cell;
    look.Font = GridFont();
    for (auto _ : state) {
        QPainter painter(&canvas);
        TGridPainter grid(painter, puzzle, ModeLetters, look);
        grid.Grid();
        grid.Word(1, 1, 1, HighlightColor);
        painter.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(BM_FullRepaint23)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // Painting text needs a GUI application; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

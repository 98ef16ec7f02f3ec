// Printing and export of a full 23 x 23 puzzle with long clues: one print job
// of all five layouts to a PDF file, each clipboard export and each file export.
#include "DemoPrintUnit.h"
#include "EpsFile.h"
#include "ExportUnit.h"
#include "OutputTestSupport.h"
#include "Prompts.h"
#include "RtfFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace wl {
namespace {

class TSilentBoxes : public IMessageBoxes {
public:
    TPromptAnswer Show(TPromptKind, TPromptButtons, const QString&, const QString&) override {
        return TPromptAnswer::Ok;
    }
};

class TSilentSounds : public IPromptSounds {
public:
    void ErrorSound() override {}
    void QuestionSound() override {}
};

TDemProcs LargePuzzle(const QTemporaryDir& dir) {
    TDemProcs procs;
    procs.Puzzle = fakes::MakePuzzle(23);
    procs.PuzzleFileName = dir.filePath("BENCH.XWD").toStdString();
    procs.PuzzleMode = ModeLetters;
    return procs;
}

void BM_PrintAllLayoutsToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    TDemProcs procs = LargePuzzle(dir);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("default.pdf"));
    TSilentBoxes boxes;
    TSilentSounds sounds;
    TPrompts prompts(boxes, sounds);
    TDemPrintForm form(procs, [&]() -> QPrinter& { return printer; }, dir.filePath("default.pdf"), prompts);
    for (QCheckBox* b : {form.MSChk, form.MSGChk, form.NGChk, form.SGChk, form.PPChk})
        b->setChecked(true);
    for (auto _ : state) {
        form.FormShow();
        form.PrintBtnClick();
    }
}
BENCHMARK(BM_PrintAllLayoutsToPdf)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state) {
    QTemporaryDir dir;
    TDemProcs procs = LargePuzzle(dir);
    TExportForm exporter(procs);
    for (auto _ : state) {
        if (state.range(0) == 0)
            exporter.CluesToClipboard();
        else
            exporter.GridToClipboard(int(state.range(0)), "BENCH.XWD");
    }
}
// 0 the clues, 1 the numbered grid, 2 the solution.
BENCHMARK(BM_Export)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_ExportFile(benchmark::State& state) {
    const TXwdPuzzle puzzle = fakes::MakePuzzle(23);
    const TExportLook look{true, true};
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            benchmark::DoNotOptimize(GridSvg(puzzle, look, "BENCH.XWD"));
            break;
        case 1:
            benchmark::DoNotOptimize(GridEps(puzzle, look, "BENCH.XWD"));
            break;
        default:
            benchmark::DoNotOptimize(PuzzleRtf(puzzle, look, "BENCH"));
            break;
        }
    }
}
// The solution in gray: 0 the SVG file, 1 the EPS file, 2 the RTF document.
BENCHMARK(BM_ExportFile)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace wl

int main(int argc, char** argv) {
    // Layouts measure fonts and the export uses the clipboard: a GUI
    // application without a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "ToolLinks.h"

#include "DemoGridUnit.h"
#include "GridSlots.h"

#include <QFileInfo>
#include <QProcess>

namespace wl {

namespace {

int SlotThrough(const TGridSlots& numbering, const TDemProcs& procs, const TDemGridForm& grid) {
    if (grid.Direction == 0 || procs.CellSize <= 0) return -1;
    const QPoint square = grid.SquareAt(grid.CursorPos);
    return numbering.Through(square.x(), square.y(), grid.Direction == 1 ? 'a' : 'd');
}

} // namespace

int SelectedSlot(const TDemProcs& procs, const TDemGridForm& grid) {
    return SlotThrough(TGridSlots(procs.Puzzle), procs, grid);
}

std::string SelectedWord(const TDemProcs& procs, const TDemGridForm& grid) {
    const TGridSlots numbering(procs.Puzzle);
    const int s = SlotThrough(numbering, procs, grid);
    if (s < 0) return {};
    const TSlot& slot = numbering.Slots()[std::size_t(s)];
    if (procs.PuzzleMode != ModeSolve) return SlotLetters(procs.Puzzle, slot);
    std::string word;
    for (int cell : slot.Cells) {
        const std::uint8_t b = procs.Puzzle.Player(cell % numbering.Side() + 1, cell / numbering.Side() + 1);
        word += b >= 'A' && b <= 'Z' ? char(b) : '?';
    }
    return word;
}

bool IsToolProgram(const QString& path) {
    const QFileInfo file(path);
    return !path.isEmpty() && file.isFile() && file.isExecutable();
}

std::optional<QString> StartToolProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached()) return std::nullopt;
    return process.errorString();
}

} // namespace wl

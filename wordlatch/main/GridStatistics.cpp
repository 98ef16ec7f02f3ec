#include "GridStatistics.h"

#include "GridAnalysis.h"

#include <array>

namespace wl {

int BlackSquarePar(int n) {
    return n * n / 6;
}

int WordPar(int n) {
    // 11, 13 and 15 are the customary figures; the rest carry the series on
    // while keeping below the 179 words a puzzle can hold.
    static constexpr std::array<std::pair<int, int>, 7> pars{
        {{11, 40}, {13, 56}, {15, 78}, {17, 100}, {19, 120}, {21, 140}, {23, 170}}};
    for (const auto& [side, par] : pars)
        if (n <= side) return par;
    return pars.back().second;
}

TGridCounts CountGrid(const TXwdPuzzle& puzzle) {
    const TGridAnalysis a = AnalyseGrid(puzzle);
    return {a.BlackSquares, a.Words()};
}

QString SpecificationsText(const TXwdPuzzle& puzzle) {
    const int n = puzzle.Side();
    const TGridCounts counts = CountGrid(puzzle);
    return QString(
               "Size of Grid: %1\u00D7\r\nBlack Squares: %2  Par: %3\r\nWord Count: %4  Par: %5")
        .arg(n)
        .arg(counts.BlackSquares)
        .arg(BlackSquarePar(n))
        .arg(counts.Words)
        .arg(WordPar(n));
}

TArrangement ArrangeWindows(QSize screen, QSize grid, QSize main, int preset) {
    const int gap = (screen.width() - grid.width() - main.width()) / 3;
    TArrangement a;
    a.Grid = {gap, (screen.height() - grid.height()) / 2};
    a.Main = {2 * gap + grid.width(), 12};
    a.Clues =
        QRect(a.Main.x(), main.height() + 20, main.width(), screen.height() - main.height() - 32);
    if (preset == 2 || preset == 3) {
        a.Clues.moveTop(12);
        a.Main.setY(screen.height() - main.height() - 12);
    }
    if (preset == 3 || preset == 4) {
        a.Grid.setX(screen.width() - a.Grid.x() - grid.width());
        a.Main.setX(screen.width() - a.Main.x() - main.width());
        a.Clues.moveLeft(a.Main.x());
    }
    return a;
}

} // namespace wl

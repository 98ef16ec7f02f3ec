#include "ScoreRules.h"

namespace wl {

bool PuzzleSolved(const TXwdPuzzle& p) {
    const int n = p.Side();
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (p.Solution(x, y) != BlackSquare && p.Solution(x, y) != p.Player(x, y)) return false;
    return true;
}

void ClearPlayerGrid(TXwdPuzzle& p) {
    const int n = p.Side();
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) p.Player(x, y) = 0;
}

} // namespace wl

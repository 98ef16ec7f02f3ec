#include "GridShapes.h"

namespace wl {

TGridShapes GridShapes(const TXwdPuzzle& puzzle, const TExportLook& look) {
    TGridShapes shapes;
    const int n = shapes.Side = puzzle.Side();
    shapes.Squares.resize(std::size_t(n * n));
    for (int y = 1; y <= n; ++y) {
        for (int x = 1; x <= n; ++x) {
            TGridSquare& s = shapes.Squares[std::size_t((y - 1) * n + x - 1)];
            s.X = x;
            s.Y = y;
            const std::uint8_t cell = puzzle.Solution(x, y);
            s.Black = cell == BlackSquare;
            if (s.Black) s.Fill = BlackFill(look);
            // An empty or unknown square shows no letter.
            else if (look.Solution && cell != NoLetter && cell != UnknownLetter)
                s.Letter = std::string(1, char(cell));
        }
    }
    if (!look.Solution)
        for (const TNumberedSquare& w : NumberGrid(puzzle))
            shapes.Squares[std::size_t((w.Y - 1) * n + w.X - 1)].Number =
                std::to_string(w.SquareNumber);
    return shapes;
}

} // namespace wl

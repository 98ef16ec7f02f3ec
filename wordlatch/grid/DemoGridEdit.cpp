// The grid window's editing: square painting, word selection and typing.
#include "DemoGridUnit.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace wl {

namespace {
constexpr char Backspace = 8;
constexpr char Enter = 13;
} // namespace

void TDemGridForm::mousePressEvent(QMouseEvent* event) {
    FormMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TDemGridForm::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void TDemGridForm::keyPressEvent(QKeyEvent* event) {
    char key = 0;
    if (event->key() == Qt::Key_Backspace)
        key = Backspace;
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = Enter;
    else if (event->text().size() == 1 && event->text()[0].unicode() < 128)
        key = char(event->text()[0].unicode());
    if (key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    FormKeyPress(key);
}

void TDemGridForm::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint point) {
    if (Procs.PuzzleMode == ModeSquares)
        PaintSquare(point, button != Qt::LeftButton);
    else
        SelectWord(point, button);
}

void TDemGridForm::FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift,
                                 QPoint point) {
    // Only a drag with exactly one of the two buttons and no modifier paints.
    if (Procs.PuzzleMode != ModeSquares || shift != Qt::NoModifier) return;
    if (buttons == Qt::LeftButton)
        PaintSquare(point, false);
    else if (buttons == Qt::RightButton)
        PaintSquare(point, true);
}

void TDemGridForm::SetSquare(int x, int y, bool makeWhite) {
    DrawNow([&](TGridPainter& grid) { grid.Square(x, y, makeWhite ? PaperColor : GridColor); });
    Procs.Puzzle.Solution(x, y) = makeWhite ? NoLetter : BlackSquare;
    // The word changed shape: its clue text goes and the entry is detached.
    TClueIndexPair& index = Procs.Puzzle.Index(x, y);
    for (std::uint16_t* entry : {&index.AcrossClue, &index.DownClue}) {
        if (*entry == 0) continue;
        // A loaded file may name an entry beyond the table; only the link goes then.
        if (*entry <= MaxWords) Procs.Puzzle.Clue(*entry).Clear();
        *entry = 0;
    }
}

void TDemGridForm::PaintSquare(QPoint point, bool makeWhite) {
    const QPoint square = SquareAt(point);
    const int x = square.x();
    const int y = square.y();
    // The square and its twin are one step; a click that changes nothing still counts.
    const bool changed = InGrid(x, y) && History.Change("Squares", [&] {
        SetSquare(x, y, makeWhite);
        if (SymmetryOn) {
            const int n = Procs.Puzzle.Side();
            SetSquare(n + 1 - x, n + 1 - y, makeWhite);
        }
    });
    if (!changed) History.MarkChanged();
}

void TDemGridForm::SelectWord(QPoint point, Qt::MouseButton button) {
    const bool solving = Procs.PuzzleMode == ModeSolve;
    const QPoint square = SquareAt(point);
    const int x = square.x();
    const int y = square.y();
    if (Direction != 0) HighlightWord(CursorPos, Qt::white);
    if (solving && MainPeer) MainPeer->ClearClue();
    if (!InGrid(x, y) || Procs.Puzzle.IsBlack(x, y)) {
        if (solving) {
            if (ClueListPeer) ClueListPeer->SelectClue(-1);
        } else if (AutocluePeer && AutocluePeer->IsShowing()) {
            AutocluePeer->BringToFront();
        }
        Direction = 0;
        return;
    }
    CursorPos = point;
    const bool across = (button == Qt::LeftButton) != SwapButtons;
    Direction = across ? 1 : 2;
    HighlightWord(point, HighlightColor);
    if (AutocluePeer && AutocluePeer->IsShowing()) AutocluePeer->GotoCursorWord();
    if (solving) SelectClueOf(x, y);
    emit SelectionChanged();
}

void TDemGridForm::SelectClueOf(int x, int y) {
    // Back to the word's first square, which carries the clue entry.
    if (Direction == 1)
        while (x > 1 && !Procs.Puzzle.IsBlack(x - 1, y)) --x;
    else
        while (y > 1 && !Procs.Puzzle.IsBlack(x, y - 1)) --y;
    const TClueIndexPair& index = Procs.Puzzle.Index(x, y);
    const int entry = Direction == 1 ? index.AcrossClue : index.DownClue;
    // Entry 0 is no clue; a loaded file may name one beyond the list.
    if (entry < 1 || entry > MaxWords) {
        if (ClueListPeer) ClueListPeer->SelectClue(-1);
        return;
    }
    if (ClueListPeer) ClueListPeer->SelectClue(entry - 1);
    if (MainPeer) MainPeer->ShowClue();
}

void TDemGridForm::FormKeyPress(char key) {
    if (Procs.PuzzleMode == ModeSquares || Direction == 0) return;
    if (key >= 'a' && key <= 'z') key = char(key - 'a' + 'A');
    const bool accepted =
        key == Backspace || key == Enter || key == ' ' || key == '+' || (key >= 'A' && key <= 'Z');
    if (accepted) TypeKey(key);
}

char TDemGridForm::KeptChar(int x, int y) const {
    if (Procs.PuzzleMode == ModeSolve) {
        const std::uint8_t b = Procs.Puzzle.Player(x, y);
        return b == 0 ? ' ' : char(b);
    }
    const std::uint8_t b = Procs.Puzzle.Solution(x, y);
    return b == NoLetter ? ' ' : b == UnknownLetter ? '?' : char(b);
}

char TDemGridForm::StepBack(int& x, int& y, QColor& fill) {
    const int c = Procs.CellSize;
    const QPoint back = Direction == 1 ? QPoint(c, 0) : QPoint(0, c);
    const bool canMove = Direction == 1 ? x > 1 && !Procs.Puzzle.IsBlack(x - 1, y)
                                        : y > 1 && !Procs.Puzzle.IsBlack(x, y - 1);
    if (canMove) {
        (Direction == 1 ? x : y) -= 1;
        CursorPos -= back;
    }
    fill = HighlightColor;
    // One more square back: the advance of TypeKey brings the cursor onto this square again.
    CursorPos -= back;
    return KeptChar(x, y);
}

void TDemGridForm::TypeKey(char key) {
    const bool solving = Procs.PuzzleMode == ModeSolve;
    const QPoint square = SquareAt(CursorPos);
    int x = square.x();
    int y = square.y();
    if (!InGrid(x, y)) return;
    QColor fill = PaperColor;
    char c = key;
    if (key == Backspace) {
        c = StepBack(x, y, fill);
    } else if (key == Enter) {
        c = KeptChar(x, y);
    } else if (key == '+') {
        if (solving) {
            c = char(Procs.Puzzle.Solution(x, y));
            Cheated = true;
        } else {
            c = '?';
        }
    }
    DrawNow([&](TGridPainter& grid) {
        grid.Square(x, y, fill);
        grid.Letter(x, y, c, FontColor);
    });
    const bool changed = History.Change("Letters", [&] {
        if (solving)
            Procs.Puzzle.Player(x, y) = c == ' ' ? 0 : std::uint8_t(c);
        else
            Procs.Puzzle.Solution(x, y) = c == ' '   ? NoLetter
                                          : c == '?' ? UnknownLetter
                                                     : std::uint8_t(c);
    });
    if (!changed) History.MarkChanged();
    const int n = Procs.Puzzle.Side();
    if (Direction == 1) {
        if (x == n || Procs.Puzzle.IsBlack(x + 1, y))
            EndOfWord();
        else
            CursorPos.rx() += Procs.CellSize;
    } else {
        if (y == n || Procs.Puzzle.IsBlack(x, y + 1))
            EndOfWord();
        else
            CursorPos.ry() += Procs.CellSize;
    }
    emit SelectionChanged();
}

void TDemGridForm::EndOfWord() {
    Direction = 0;
    if (Procs.PuzzleMode != ModeSolve) return;
    if (ClueListPeer) ClueListPeer->SelectClue(-1);
    if (MainPeer) MainPeer->ClearClue();
}

} // namespace wl

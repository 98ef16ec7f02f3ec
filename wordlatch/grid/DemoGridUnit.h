// The grid window: draws the puzzle record and edits it with mouse and keys.
#pragma once

#include "DemoProcsUnit.h"
#include "GridPainter.h"
#include "GridPeers.h"
#include "PuzzleHistory.h"
#include "SystemMetrics.h"
#include "WaitFor.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>

namespace wl {

// The faint blue of the design guides.
inline const QColor GuidelineColor{0, 112, 224, 150};

// Drawing model: the window keeps an off-screen canvas that paintEvent copies
// to the screen. A full repaint (Invalidate) draws the whole grid into it again;
// the immediate drawings (highlighted word, typed square, painted square, grey
// answers, celebration, error crosses) draw into the canvas at once and stay
// until the next full repaint.
//
// The caption: a window frame is drawn by the window system, which Qt cannot
// ask to draw it as active. The window keeps its inactive palette equal to its
// active one, so everything Qt draws for it looks the same whether it has the
// focus or not.
class TDemGridForm : public QWidget {
    Q_OBJECT

public:
    // `procs` holds the record and the puzzle-wide globals; the window reads
    // them and changes the record through `history`. `waiter` pauses the
    // celebration and the error crosses; `metrics` gives the narrow caption's
    // height. The window must not outlive `procs`, `history` or `waiter`.
    TDemGridForm(TDemProcs& procs, TPuzzleHistory& history, IWaiter& waiter,
                 const TSystemMetrics& metrics, QWidget* parent = nullptr);

    // Fields read and set by the other windows.
    int TextOffset = 0;
    QColor GridColor = Qt::black;
    QColor PaperColor = Qt::white;
    QFont Font;
    QColor FontColor = Qt::black;
    QPoint CursorPos;  // a pixel point inside the cursor square
    int Direction = 0; // 0 no word selected, 1 across, 2 down
    bool Cheated = false;
    bool SymmetryOn = true;
    bool SwapButtons = false;
    // The colours and letter font chosen in the preferences; ResetCanvas
    // returns to them.
    TGridStyle Style;

    void SetPeers(TGridMainPeer* main, TGridClueListPeer* clueList, TGridAutocluePeer* autoclue);

    // The outer size of the window with its frame and narrow caption.
    int OuterWidth() const;
    int OuterHeight() const;
    // The square under a pixel point; may lie outside the grid.
    QPoint SquareAt(QPoint point) const;

    void ResetCanvas();
    // Takes a new style and repaints with it.
    void SetStyle(const TGridStyle& style);
    // Redraws the word from the square under `point` to its end in `colour`;
    // white un-highlights and clears Direction.
    void HighlightWord(QPoint point, const QColor& colour);
    void ShowAnswers();
    void Celebrate();
    void MarkErrors();
    // The ordinary invalidate-and-paint: removes every immediate drawing.
    void Invalidate();

    // Design guides drawn over the grid: faint centre lines and a mark on the
    // symmetric partner (through the centre) of the square under the mouse.
    void SetGuidelines(bool on);
    bool Guidelines() const { return GuidelinesOn; }
    // The square whose partner is marked; (0, 0) while the mouse is away.
    QPoint GuideSquare() const { return GuideSquare_; }

    // Editing.
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint point);
    void FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPoint point);
    void FormKeyPress(char key);
    void PaintSquare(QPoint point, bool makeWhite);
    void SelectWord(QPoint point, Qt::MouseButton button);
    // Selects the word from square (x, y), direction 1 across or 2 down, in
    // yellow with the cursor on its first square; the last word is un-highlighted.
    void SelectWordAt(int x, int y, int direction);
    // `key` is upper case: a letter, space, "+", Enter (13) or backspace (8).
    void TypeKey(char key);

signals:
    // The selected word, or the letters around it, changed.
    void SelectionChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void FormPaint();
    void FormCloseQuery(QCloseEvent* event);
    // Brings the canvas up to date before an immediate drawing.
    void EnsureCanvas();
    TGridLook Look() const;
    void DrawNow(const std::function<void(TGridPainter&)>& draw);
    bool InGrid(int x, int y) const;
    // Paints one square black or white and detaches its clue entries.
    void SetSquare(int x, int y, bool makeWhite);
    // The byte at (x, y) as Enter keeps it: 0 as a space, in construction 32 as "?".
    char KeptChar(int x, int y) const;
    char StepBack(int& x, int& y, QColor& fill);
    void EndOfWord();
    void SelectClueOf(int x, int y);

    TDemProcs& Procs;
    TPuzzleHistory& History;
    IWaiter& Waiter;
    int SmallCaptionHeight;
    TGridMainPeer* MainPeer = nullptr;
    TGridClueListPeer* ClueListPeer = nullptr;
    TGridAutocluePeer* AutocluePeer = nullptr;
    void DrawGuidelines(QPainter& painter) const;
    QImage Canvas;
    bool CanvasStale = true;
    bool GuidelinesOn = false;
    QPoint GuideSquare_;
};

} // namespace wl

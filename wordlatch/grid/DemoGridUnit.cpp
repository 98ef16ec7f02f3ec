// The grid window: geometry, caption, painting and the drawings other windows ask for.
#include "DemoGridUnit.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QShowEvent>

#include <algorithm>
#include <chrono>
#include <random>

namespace wl {

TDemGridForm::TDemGridForm(TDemProcs& procs, TPuzzleHistory& history, IWaiter& waiter,
                           const TSystemMetrics& metrics, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), Procs(procs),
      History(history), Waiter(waiter), SmallCaptionHeight(metrics.SmallCaptionHeight) {
    setObjectName("DemGridForm");
    // Keys go to the grid whenever it is the active window.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette look = palette();
    look.setColor(QPalette::Window, Qt::white);
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        look.setColor(QPalette::Inactive, r, look.color(QPalette::Active, r));
    }
    setPalette(look);
    move(200, 109);
    ResetCanvas();
}

void TDemGridForm::SetPeers(TGridMainPeer* main, TGridClueListPeer* clueList,
                            TGridAutocluePeer* autoclue) {
    MainPeer = main;
    ClueListPeer = clueList;
    AutocluePeer = autoclue;
}

int TDemGridForm::OuterWidth() const {
    return Procs.Puzzle.Side() * Procs.CellSize + 7;
}

int TDemGridForm::OuterHeight() const {
    return SmallCaptionHeight + Procs.Puzzle.Side() * Procs.CellSize + 7;
}

QPoint TDemGridForm::SquareAt(QPoint point) const {
    const int c = Procs.CellSize;
    if (c <= 0) return {0, 0};
    // Floor division, so a point left of or above the grid (a drag that left
    // the window) lies outside it rather than in the first column or row.
    const auto floorDiv = [c](int v) { return v >= 0 ? v / c : -((-v + c - 1) / c); };
    return {floorDiv(point.x()) + 1, floorDiv(point.y()) + 1};
}

bool TDemGridForm::InGrid(int x, int y) const {
    const int n = Procs.Puzzle.Side();
    return x >= 1 && y >= 1 && x <= n && y <= n;
}

void TDemGridForm::ResetCanvas() {
    GridColor = Style.GridColor;
    PaperColor = Style.PaperColor;
    Font = Style.Font;
    FontColor = Qt::black;
}

void TDemGridForm::SetStyle(const TGridStyle& style) {
    Style = style;
    ResetCanvas();
    Invalidate();
}

TGridLook TDemGridForm::Look() const {
    return {Procs.CellSize, GridColor, PaperColor, Font, FontColor};
}

void TDemGridForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    QWidget::showEvent(event);
}

void TDemGridForm::FormShow() {
    Cheated = false;
    ResetCanvas();
    const int side = Procs.Puzzle.Side() * Procs.CellSize + 1;
    setFixedSize(side, side);
    QString caption = windowTitle();
    caption.chop(4);
    setWindowTitle(caption.toUpper());
    Direction = 0;
    Invalidate();
}

void TDemGridForm::Invalidate() {
    CanvasStale = true;
    update();
}

void TDemGridForm::EnsureCanvas() {
    const int side = std::max(1, Procs.Puzzle.Side() * Procs.CellSize + 1);
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qRound(side * ratio), qRound(side * ratio));
    if (Canvas.size() != pixels || Canvas.devicePixelRatio() != ratio) {
        Canvas = QImage(pixels, QImage::Format_RGB32);
        Canvas.setDevicePixelRatio(ratio);
        CanvasStale = true;
    }
    if (CanvasStale) FormPaint();
}

void TDemGridForm::FormPaint() {
    CanvasStale = false;
    Canvas.fill(PaperColor);
    QPainter painter(&Canvas);
    TGridPainter grid(painter, Procs.Puzzle, Procs.PuzzleMode, Look());
    TextOffset = grid.TextOffset();
    grid.Grid();
    if (Direction != 0) {
        const QPoint square = SquareAt(CursorPos);
        if (InGrid(square.x(), square.y()))
            grid.Word(square.x(), square.y(), Direction, HighlightColor);
    }
}

void TDemGridForm::DrawNow(const std::function<void(TGridPainter&)>& draw) {
    EnsureCanvas();
    {
        QPainter painter(&Canvas);
        TGridPainter grid(painter, Procs.Puzzle, Procs.PuzzleMode, Look());
        draw(grid);
    }
    update();
}

void TDemGridForm::paintEvent(QPaintEvent* event) {
    EnsureCanvas();
    QPainter painter(this);
    painter.fillRect(event->rect(), PaperColor);
    painter.drawImage(0, 0, Canvas);
    if (GuidelinesOn) DrawGuidelines(painter);
}

void TDemGridForm::SetGuidelines(bool on) {
    GuidelinesOn = on;
    setMouseTracking(on);
    GuideSquare_ = {};
    update();
}

bool TDemGridForm::event(QEvent* event) {
    // Follows the mouse for the partner mark; editing still gets every move.
    if (GuidelinesOn && (event->type() == QEvent::MouseMove || event->type() == QEvent::Leave)) {
        const QPoint square =
            event->type() == QEvent::Leave
                ? QPoint()
                : SquareAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        const QPoint shown = InGrid(square.x(), square.y()) ? square : QPoint();
        if (shown != GuideSquare_) {
            GuideSquare_ = shown;
            update();
        }
    }
    return QWidget::event(event);
}

void TDemGridForm::DrawGuidelines(QPainter& painter) const {
    const int n = Procs.Puzzle.Side();
    const int c = Procs.CellSize;
    if (n == 0 || c <= 0) return;
    painter.save();
    // Through the middle of the centre row and column (the centre square of an odd grid).
    const int middle = n * c / 2;
    painter.setPen(QPen(GuidelineColor, 1, Qt::DashLine));
    painter.drawLine(middle, 0, middle, n * c);
    painter.drawLine(0, middle, n * c, middle);
    if (!GuideSquare_.isNull()) {
        const int px = n - GuideSquare_.x();
        const int py = n - GuideSquare_.y();
        painter.setPen(QPen(GuidelineColor, 2));
        QColor fill = GuidelineColor;
        fill.setAlpha(40);
        painter.setBrush(fill);
        painter.drawRect(QRect(px * c + 3, py * c + 3, c - 5, c - 5));
    }
    painter.restore();
}

void TDemGridForm::closeEvent(QCloseEvent* event) {
    FormCloseQuery(event);
}

void TDemGridForm::FormCloseQuery(QCloseEvent* event) {
    // Only the program closes the grid window, never the user.
    if (Procs.AllowChildClose)
        event->accept();
    else
        event->ignore();
}

void TDemGridForm::HighlightWord(QPoint point, const QColor& colour) {
    const bool unhighlight = colour == QColor(Qt::white);
    const QColor fill = unhighlight ? PaperColor : colour;
    const QPoint square = SquareAt(point);
    if (InGrid(square.x(), square.y()))
        DrawNow([&](TGridPainter& grid) { grid.Word(square.x(), square.y(), Direction, fill); });
    if (unhighlight) Direction = 0;
}

void TDemGridForm::SelectWordAt(int x, int y, int direction) {
    if (Direction != 0) HighlightWord(CursorPos, Qt::white);
    Direction = direction;
    const QPoint corner((x - 1) * Procs.CellSize, (y - 1) * Procs.CellSize);
    HighlightWord(corner, HighlightColor);
    CursorPos = corner;
    emit SelectionChanged();
}

void TDemGridForm::ShowAnswers() {
    Cheated = true;
    DrawNow([](TGridPainter& grid) { grid.Answers(); });
}

void TDemGridForm::Celebrate() {
    const int n = Procs.Puzzle.Side();
    if (n == 0) return;
    std::mt19937 random(
        static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<int> square(1, n);
    std::uniform_int_distribution<int> colour(0, int(CelebratePalette.size()) - 1);
    for (int pass = 0; pass < 120; ++pass) {
        DrawNow([&](TGridPainter& grid) {
            for (int i = 0; i < 50; ++i) {
                const int x = square(random);
                const int y = square(random);
                const int k = colour(random);
                if (!Procs.Puzzle.IsBlack(x, y))
                    grid.Letter(x, y, char(Procs.Puzzle.Solution(x, y)), CelebratePalette[k]);
            }
        });
        Waiter.WaitFor(2);
    }
    Invalidate();
}

void TDemGridForm::MarkErrors() {
    // Lets a pending repaint (the score card closing over the grid) happen first.
    Waiter.WaitFor(5);
    DrawNow([](TGridPainter& grid) { grid.Errors(); });
}

} // namespace wl

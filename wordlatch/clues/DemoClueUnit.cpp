#include "DemoClueUnit.h"

#include "AutoclueWalk.h"
#include "DemoGridUnit.h"
#include "GridPainter.h"
#include "Win1252.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>
#include <QShowEvent>
#include <QVBoxLayout>

namespace wl {

TCluesForm::TCluesForm(TDemProcs& procs)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ClueList(new QListWidget(this)), Procs(procs) {
    setObjectName("CluesForm");
    setWindowTitle("Clues");
    ClueList->setObjectName("ClueList");
    ClueList->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont font("Times New Roman");
    font.setPixelSize(15);
    ClueList->setFont(font);
    ClueList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ClueList->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The selected line keeps its colour while the grid window has the focus.
    QPalette p = ClueList->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
    ClueList->setPalette(p);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ClueList);
    resize(235, 287);

    // A mouse click acts on release; the keys act as they move the selection.
    connect(ClueList, &QListWidget::itemClicked, this, &TCluesForm::ClueListClick);
    connect(ClueList, &QListWidget::currentRowChanged, this, [this] {
        if (!Selecting && QApplication::mouseButtons() == Qt::NoButton) ClueListClick();
    });
}

void TCluesForm::Connect(TDemGridForm& grid, TGridMainPeer& main) {
    Grid = &grid;
    Main = &main;
}

void TCluesForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    QWidget::showEvent(event);
}

void TCluesForm::FormShow() {
    Selecting = true;
    ClueList->clear();
    const TXwdPuzzle& p = Procs.Puzzle;
    const auto add = [&](int entry) {
        if (ClueList->count() >= MaxWords) return;
        auto* item = new QListWidgetItem(FromWin1252(EntryText(p, entry)), ClueList);
        // Every line as wide as the extent, so the list scrolls that far.
        item->setSizeHint(QSize(ClueListExtent, ClueItemHeight));
    };
    for (const TNumberedSquare& s : NumberGrid(p)) {
        if (s.AcrossWord) add(p.Index(s.X, s.Y).AcrossClue);
        if (s.DownWord) add(p.Index(s.X, s.Y).DownClue);
    }
    ClueList->setCurrentRow(-1);
    Selecting = false;
}

void TCluesForm::SelectClue(int index) {
    Selecting = true;
    ClueList->setCurrentRow(index >= 0 && index < ClueList->count() ? index : -1);
    Selecting = false;
}

QString TCluesForm::SelectedText() const {
    const QListWidgetItem* item = ClueList->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void TCluesForm::ClueListClick() {
    if (!Grid) return;
    const int n = ClueList->currentRow() + 1;
    if (n < 1) return;
    const TXwdPuzzle& p = Procs.Puzzle;
    const int side = p.Side();
    // The first square, row by row, linking the entry; across wins at one square.
    int direction = 0;
    int x = 0;
    int y = 0;
    for (int row = 1; row <= side && !direction; ++row)
        for (int col = 1; col <= side && !direction; ++col) {
            const TClueIndexPair& index = p.Index(col, row);
            direction = index.AcrossClue == n ? 1 : index.DownClue == n ? 2 : 0;
            x = col;
            y = row;
        }
    // No word carries the entry: the grid stays as it is.
    if (!direction) return;
    TDemGridForm& grid = *Grid;
    grid.SelectWordAt(x, y, direction);
    if (Main) Main->ShowClue();
    grid.activateWindow();
    grid.setFocus();
}

void TCluesForm::closeEvent(QCloseEvent* event) {
    // FormCloseQuery: only the main window's closing lets the list go.
    if (Procs.AllowChildClose)
        event->accept();
    else
        event->ignore();
}

} // namespace wl

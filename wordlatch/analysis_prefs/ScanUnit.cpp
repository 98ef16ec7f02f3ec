#include "ScanUnit.h"

#include "DemoGridUnit.h"
#include "DialogLook.h"
#include "Win1252.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace wl {

TScanForm::TScanForm(const TDemProcs& procs, TDemGridForm& grid, QWidget* parent)
    : QDialog(parent), Procs(procs), Grid(grid) {
    setObjectName("ScanForm");
    setWindowTitle("Scan Grid");
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setFont(PixelFont("Arial", 12));
    resize(460, 320);
    FindingsList = new QListWidget(this);
    FindingsList->setObjectName("FindingsList");
    CloseBtn = new QPushButton("&Close", this);
    CloseBtn->setObjectName("CloseBtn");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FindingsList);
    layout->addWidget(CloseBtn, 0, Qt::AlignRight);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
    // Emitted for a double-click and for Enter on the current line.
    connect(FindingsList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Choose(FindingsList->row(item)); });
}

void TScanForm::showEvent(QShowEvent* event) {
    Rescan();
    QDialog::showEvent(event);
}

void TScanForm::Rescan() {
    Findings = ScanGrid(Procs.Puzzle, WordChecks ? WordChecks(Procs.Puzzle) : std::vector<TScanFinding>{});
    FindingsList->clear();
    for (const TScanFinding& f : Findings) {
        auto* item = new QListWidgetItem(FromWin1252(f.Text), FindingsList);
        item->setForeground(f.Level == TScanLevel::Fault     ? QColor(128, 0, 0)
                            : f.Level == TScanLevel::Warning ? QColor(Qt::black)
                                                             : QColor(0, 0, 128));
    }
    FindingsList->setCurrentRow(0);
}

void TScanForm::Choose(int row) {
    if (row < 0 || row >= int(Findings.size())) return;
    const TScanFinding& f = Findings[std::size_t(row)];
    const TXwdPuzzle& p = Procs.Puzzle;
    int x = f.X, y = f.Y, direction = f.Direction == 'a' ? 1 : f.Direction == 'd' ? 2 : 0;
    // A white square selects the word through it: across where there is one.
    const auto white = [&](int sx, int sy) {
        return sx >= 1 && sy >= 1 && sx <= p.Side() && sy <= p.Side() && !p.IsBlack(sx, sy);
    };
    if (!direction && white(x, y)) {
        const bool across = white(x - 1, y) || white(x + 1, y);
        const int dx = across ? 1 : 0, dy = across ? 0 : 1;
        if (across || white(x, y - 1) || white(x, y + 1)) {
            while (white(x - dx, y - dy)) x -= dx, y -= dy;
            direction = across ? 1 : 2;
        }
    }
    if (direction) Grid.SelectWordAt(x, y, direction);
    Grid.activateWindow();
    Grid.raise();
}

} // namespace wl

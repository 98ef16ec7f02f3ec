// Scan Grid: the constructor's checks of the open grid, one line each, most
// serious first; choosing a line selects its square or word in the grid window.
#pragma once

#include "GridScan.h"

#include <QDialog>

#include <functional>
#include <vector>

class QListWidget;
class QPushButton;

namespace wl {

class TDemGridForm;

class TScanForm : public QDialog {
    Q_OBJECT
public:
    // Reads the record of `procs` and selects in `grid`; both must outlive the window.
    TScanForm(const TDemProcs& procs, TDemGridForm& grid, QWidget* parent = nullptr);

    QListWidget* FindingsList;
    QPushButton* CloseBtn;
    // The checks against the word lists, where the lists are loaded.
    std::function<std::vector<TScanFinding>(const TXwdPuzzle&)> WordChecks;

    // Scans the grid as it is now and lists what it finds.
    void Rescan();
    // Selects the square or word of line `row` (double-click or Enter).
    void Choose(int row);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const TDemProcs& Procs;
    TDemGridForm& Grid;
    std::vector<TScanFinding> Findings;
};

} // namespace wl

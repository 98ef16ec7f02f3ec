// TCluesForm, the solver's clue list: line i holds the text of clue entry i + 1,
// in the order of the words in the grid. Clicking a line selects its word.
#pragma once

#include "GridPeers.h"

#include <QString>
#include <QWidget>

class QListWidget;

namespace wl {

class TDemGridForm;
class TDemProcs;

inline constexpr int ClueItemHeight = 17;
inline constexpr int ClueListExtent = 550;

class TCluesForm : public QWidget, public TGridClueListPeer {
    Q_OBJECT
public:
    explicit TCluesForm(TDemProcs& procs);
    // The grid window and the main window's clue display; both must outlive this.
    void Connect(TDemGridForm& grid, TGridMainPeer& main);

    QListWidget* ClueList;

    // TGridClueListPeer: selects line `index`, none for -1, without acting on it.
    void SelectClue(int index) override;
    // The text of the selected line; empty when none is selected.
    QString SelectedText() const;
    void ClueListClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();

    TDemProcs& Procs;
    TDemGridForm* Grid = nullptr;
    TGridMainPeer* Main = nullptr;
    // Set while the selection changes from outside, which is not a click.
    bool Selecting = false;
};

} // namespace wl

// The Dictionary window: pattern search over the word lists, suggestions for
// the word selected in the grid, and the automatic fill. The lists load on a
// worker thread when the window is first shown; a fill runs on one too.
#pragma once

#include "Fill.h"
#include "WordIndex.h"

#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace wl {

class TDemGridForm;
class TDemProcs;
class TPuzzleHistory;

// Shown in the status line.
inline constexpr const char* FillCancelledText = "Fill cancelled; the grid is as it was.";
inline constexpr const char* GridChangedText =
    "The grid changed while it was being filled; nothing was placed. Fill again.";

class TDictionaryForm : public QWidget {
    Q_OBJECT
public:
    // `listPaths` names the lists to load, in order; the windows and the
    // history must outlive this window.
    TDictionaryForm(TDemProcs& procs, TPuzzleHistory& history, TDemGridForm& grid,
                    std::function<std::vector<std::string>()> listPaths);
    ~TDictionaryForm() override;

    QLineEdit* PatternEdit;
    QSpinBox* ScoreSpin;
    QLabel* FoundLbl;
    QTreeWidget* MatchList;
    QLabel* SuggestLbl;
    QTreeWidget* SuggestList;
    QCheckBox* NoRepeatsChk;
    QPushButton* FillBtn;
    QPushButton* FillRegionBtn;
    QPushButton* AnotherFillBtn;
    QPushButton* CancelBtn;
    QLabel* ListsLbl;
    QPushButton* ReloadBtn;
    QProgressBar* ProgressBar;
    QLabel* StatusLbl;
    QPushButton* CloseBtn;

    // The index once the lists are loaded; null before.
    const TWordIndex* Words() const { return Index.get(); }
    bool Busy() const { return Worker != nullptr; }

    void Search();
    void ShowSuggestions();
    // Places the suggestion in the grid as one step.
    void PlaceSuggestion(QTreeWidgetItem* item);
    // Fills the grid (or the region of the selected word); `another` asks for
    // a fill other than the last one.
    void StartFill(bool region, bool another);
    void CancelWork();
    void Reload();

signals:
    // The lists are loaded (or failed) and the index is ready.
    void Loaded();
    // A fill ended; the status line says how.
    void FillEnded(TFillOutcome outcome);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs `work` on a worker thread, then `done` on this one.
    void Run(std::function<void()> work, std::function<void()> done);
    void LoadDone();
    void FillDone();
    void ShowLists();
    void EnableCommands();

    TDemProcs& Procs;
    TPuzzleHistory& History;
    TDemGridForm& Grid;
    std::function<std::vector<std::string>()> ListPaths;

    std::shared_ptr<const TWordIndex> Index;
    std::vector<TLoadedList> Lists;
    QThread* Worker = nullptr;
    QTimer* ProgressTimer;
    std::function<void()> WorkDone;
    std::atomic<bool> CancelFlag{false};
    std::atomic<int> Permille{0};
    std::atomic<int> Placed{0}, Slots{0};
    std::atomic<long long> Steps{0};
    std::atomic<int> Milliseconds{0};
    bool Filling = false;

    // The load's and the fill's results, handed over when the worker ends.
    std::shared_ptr<TWordIndex> LoadedIndex;
    std::vector<TLoadedList> LoadedLists;
    TXwdPuzzle FillStart{};
    TFillResult FillResult;
    std::uint32_t Seed = 1;
    int LastSlot = -1;
};

} // namespace wl

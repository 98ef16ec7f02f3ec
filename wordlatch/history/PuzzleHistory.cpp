#include "PuzzleHistory.h"

#include "RecordDelta.h"

#include <QUndoCommand>

namespace wl {

namespace {

class TDeltaCommand : public QUndoCommand {
public:
    TDeltaCommand(const QString& name, TXwdPuzzle& record, TRecordDelta delta, int mergeKey)
        : QUndoCommand(name), Record(record), Delta(std::move(delta)), MergeKey(mergeKey) {}

    // The change is already in the record when the step is pushed.
    void redo() override {
        if (Done) Exchange(Record, Delta);
        Done = true;
    }
    void undo() override { Exchange(Record, Delta); }
    int id() const override { return MergeKey == 0 ? -1 : 1; }

    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const TDeltaCommand*>(other);
        if (next->MergeKey != MergeKey) return false;
        // Back to the state before this step, then one delta to the state now.
        TXwdPuzzle before = Record;
        TRecordDelta later = next->Delta;
        Exchange(before, later);
        Exchange(before, Delta);
        Delta = Difference(before, Record);
        setObsolete(Delta.Empty());
        return true;
    }

private:
    TXwdPuzzle& Record;
    TRecordDelta Delta;
    int MergeKey;
    bool Done = false;
};

} // namespace

TPuzzleHistory::TPuzzleHistory(TDemProcs& procs) : Procs(procs) {
    Stack.setUndoLimit(HistorySteps);
}

void TPuzzleHistory::MarkSavedState() {
    if (!Procs.PuzzleChanged && !Stack.isClean()) Stack.setClean();
}

void TPuzzleHistory::FollowCleanState() {
    Procs.PuzzleChanged = !Stack.isClean();
}

bool TPuzzleHistory::Change(const QString& name, const std::function<void()>& change, int mergeKey) {
    const TXwdPuzzle before = Procs.Puzzle;
    change();
    TRecordDelta delta = Difference(before, Procs.Puzzle);
    if (delta.Empty()) return false;
    MarkSavedState();
    Stack.push(new TDeltaCommand(name, Procs.Puzzle, std::move(delta), mergeKey));
    FollowCleanState();
    return true;
}

void TPuzzleHistory::MarkChanged() {
    MarkSavedState();
    Procs.PuzzleChanged = true;
}

void TPuzzleHistory::Undo() {
    Step(Stack.canUndo(), &QUndoStack::undo);
}

void TPuzzleHistory::Redo() {
    Step(Stack.canRedo(), &QUndoStack::redo);
}

void TPuzzleHistory::Step(bool possible, void (QUndoStack::*step)()) {
    if (!possible) return;
    MarkSavedState();
    (Stack.*step)();
    FollowCleanState();
    emit Restored();
}

void TPuzzleHistory::Restart() {
    Stack.clear();
    // A record its file does not hold (a save that failed) never counts as saved.
    if (Procs.PuzzleChanged) Stack.resetClean();
}

} // namespace wl

// The open puzzle's history: every change to the record is a step that can be
// taken back and done again. Windows change the record through Change only.
#pragma once

#include "DemoProcsUnit.h"

#include <QObject>
#include <QUndoStack>
#include <functional>

namespace wl {

// How many steps are kept. A step holds one copy of the bytes it changed, at
// most a record's 14156, so the history stays under 15 MiB.
inline constexpr int HistorySteps = 1000;

class TPuzzleHistory : public QObject {
    Q_OBJECT
public:
    explicit TPuzzleHistory(TDemProcs& procs);

    // Runs `change`, which edits procs.Puzzle in place, and keeps what it did
    // as one step named `name`. Consecutive steps with the same non-zero
    // `mergeKey` (the characters typed into one clue) become one. A change that
    // leaves every byte as it was is no step. True when the record changed.
    bool Change(const QString& name, const std::function<void()>& change, int mergeKey = 0);
    // The puzzle counts as changed although no byte did: the edits whose rule
    // says so (a square painted the colour it had). No step.
    void MarkChanged();
    void Undo();
    void Redo();
    // A history of its own for the record as it is now: after open, new, revert
    // and start over. The record counts as saved unless PuzzleChanged says otherwise.
    void Restart();

    QUndoStack Stack;

signals:
    // An undo or redo put other bytes into the record: the windows show it again.
    void Restored();

private:
    // The record's saved state is where the data module last said it was unchanged.
    void MarkSavedState();
    void FollowCleanState();
    // An undo or redo, where there is one to take.
    void Step(bool possible, void (QUndoStack::*step)());

    TDemProcs& Procs;
};

} // namespace wl

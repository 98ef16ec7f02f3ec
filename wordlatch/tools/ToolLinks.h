// What the Tools windows share: the word selected in the grid window, and the
// rule that a Tools path naming an executable file starts that program.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace wl {

class TDemGridForm;
class TDemProcs;

// The slot of the word selected in the grid window (TGridSlots numbering), or -1.
int SelectedSlot(const TDemProcs& procs, const TDemGridForm& grid);
// Its letters as the grid shows them (the solver's own in solve mode), '?'
// for an empty square; empty when no word is selected.
std::string SelectedWord(const TDemProcs& procs, const TDemGridForm& grid);

// A path that names an executable file (not a folder).
bool IsToolProgram(const QString& path);
// Starts `program` as a process of its own with `arguments`; the system's
// reason when it cannot be started.
std::optional<QString> StartToolProgram(const QString& program, const QStringList& arguments);

} // namespace wl

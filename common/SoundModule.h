// The sound of both programs lives in a module of its own (beside the program,
// or in its installed module folder), loaded when the first sound plays: the multimedia libraries then cost a program that is
// only started, or kept silent, neither time nor memory.
#pragma once

#include <QString>

namespace puzzles {

// The function `symbol` of the module `baseName` in `folder` (the program's
// module folder; "wordlatch-sound" is libwordlatch-sound.so there); null when the
// module or the function is missing, and the program then stays silent.
void* SoundModuleFunction(const QString& folder, const QString& baseName, const char* symbol);
// The module folder of the running program `name`.
QString ProgramModules(const char* name);

} // namespace puzzles

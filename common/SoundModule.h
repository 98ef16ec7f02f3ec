// The sound of both programs lives in a module beside the program, loaded when
// the first sound plays: the multimedia libraries then cost a program that is
// only started, or kept silent, neither time nor memory.
#pragma once

#include <QString>

namespace puzzles {

// The function `symbol` of the module `baseName` in `folder` (the program's
// folder; "wordlatch-sound" is libwordlatch-sound.so there); null when the
// module or the function is missing, and the program then stays silent.
void* SoundModuleFunction(const QString& folder, const QString& baseName, const char* symbol);

} // namespace puzzles

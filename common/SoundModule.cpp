#include "SoundModule.h"

#include "ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace puzzles {

void* SoundModuleFunction(const QString& folder, const QString& baseName, const char* symbol) {
    // Loaded for the rest of the run: the sound objects it makes live as long.
    QLibrary module(QDir(folder).filePath(baseName));
    return module.load() ? reinterpret_cast<void*>(module.resolve(symbol)) : nullptr;
}

QString ProgramModules(const char* name) {
    return QString::fromStdString(ModuleFolder(QCoreApplication::applicationDirPath().toStdString(), name).string());
}

} // namespace puzzles

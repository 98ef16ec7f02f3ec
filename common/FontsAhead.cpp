#include "FontsAhead.h"

#include <QFontDatabase>
#include <QStringList>

namespace puzzles {

std::future<void> LoadFontsAhead() {
    return std::async(std::launch::async, [] { QFontDatabase::families(); });
}

} // namespace puzzles

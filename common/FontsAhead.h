// The first text a window lays out makes Qt read the system's font configuration,
// the largest single cost of a start-up, while the QApplication before it spends
// most of its time on the window system's connection and its plug-ins. Reading the
// configuration on a second thread meanwhile takes it off the way to the first paint.
#pragma once

#include <thread>

namespace puzzles {

// Starts reading the system's font configuration; call first in main, before the
// QApplication, and join the thread once the QApplication exists, before any text.
// Qt then finds the configuration read. (Had Qt asked for it while the thread was
// still reading, each would have read all of it for itself.)
std::jthread ReadFontConfigAhead();

} // namespace puzzles

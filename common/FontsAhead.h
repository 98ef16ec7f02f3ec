// The first text a window lays out makes Qt read the system's font configuration
// and list its fonts, the largest single cost of a start-up. Loading that list on a
// second thread, while the main thread builds the first window (and waits on the
// window system and the accessibility bus), takes most of it off the way to the
// first paint. Qt's font database is thread-safe: the first text simply finds it
// loaded, or waits until it is.
#pragma once

#include <future>

namespace puzzles {

// Starts loading the font list; call once the QApplication exists and keep the
// result while it does (destroying it waits for the thread).
std::future<void> LoadFontsAhead();

} // namespace puzzles

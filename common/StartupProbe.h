// Start-up measurement for bench/startup: when PUZZLES_STARTUP_PROBE holds the
// launch time (nanoseconds since the epoch), the program prints the time to its
// first painted window, keeps running one more second (so work deferred past
// the first paint is counted), prints its peak resident size and ends at once.
// Without the variable it does nothing.
#pragma once

class QApplication;

namespace puzzles {

void InstallStartupProbe(QApplication& app);

} // namespace puzzles

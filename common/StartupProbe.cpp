#include "StartupProbe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace puzzles {

namespace {

long PeakResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

class TFirstPaint : public QObject {
public:
    explicit TFirstPaint(long long launchNs) : LaunchNs(launchNs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !Seen && watched->isWidgetType()) {
            Seen = true;
            // Reported once this paint and the flush to the screen are done, ahead
            // of the work the programs queue for after their first paint.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), INT_MAX);
        }
        return false;
    }

    void customEvent(QEvent*) override {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
        std::printf("first-paint-ms %.2f\n", double(ns - LaunchNs) / 1e6);
        QTimer::singleShot(1000, [] {
            std::printf("peak-rss-kib %ld\n", PeakResidentKiB());
            std::fflush(stdout);
            ::_exit(0);
        });
    }

private:
    long long LaunchNs;
    bool Seen = false;
};

} // namespace

void InstallStartupProbe(QApplication& app) {
    const char* launch = std::getenv("PUZZLES_STARTUP_PROBE");
    if (!launch) return;
    app.installEventFilter(new TFirstPaint(std::atoll(launch)));
}

} // namespace puzzles

#include "WaitFor.h"

#include <QEventLoop>
#include <QTimer>

namespace wl {

void TQtWaiter::WaitFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms < 0 ? 0 : ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace wl

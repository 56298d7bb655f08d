// Pending events and timed waits on the Qt event loop.
#include "qt_event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace vz {

void QtEventPump::runPending() {
    QCoreApplication::processEvents();
}

void QtEventPump::wait(int ms) {
    if (ms <= 0) {
        runPending();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace vz

// The Qt program's clock and one-shot timers.
#include "qt_clock.h"

#include <QTimer>

namespace vz {

QtClock::QtClock() {
    elapsed_.start();
}

QtClock::~QtClock() {
    for (auto& [id, timer] : timers_)
        delete timer;
}

std::int64_t QtClock::nowMs() const {
    return elapsed_.elapsed();
}

TimerId QtClock::startTimer(int delayMs, std::function<void()> callback) {
    const TimerId id = nextId_++;
    auto* timer = new QTimer;
    timer->setSingleShot(true);
    timer->setInterval(delayMs < 0 ? 0 : delayMs);
    QObject::connect(timer, &QTimer::timeout, [this, id, callback = std::move(callback)]() {
        // The timer is gone from the table before the callback runs, so the
        // callback may start or cancel timers freely.
        const auto found = timers_.find(id);
        if (found == timers_.end())
            return;
        found->second->deleteLater();
        timers_.erase(found);
        callback();
    });
    timers_[id] = timer;
    timer->start();
    return id;
}

void QtClock::cancelTimer(TimerId id) {
    const auto found = timers_.find(id);
    if (found == timers_.end())
        return;
    found->second->stop();
    found->second->deleteLater();
    timers_.erase(found);
}

} // namespace vz

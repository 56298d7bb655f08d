// The Qt program's clock and one-shot timers.
#pragma once

#include "platform/clock.h"

#include <QElapsedTimer>

#include <map>

class QTimer;

namespace vz {

// Monotonic time from QElapsedTimer; one-shot timers as QTimer objects.
class QtClock : public Clock {
public:
    QtClock();
    ~QtClock() override;

    std::int64_t nowMs() const override;
    TimerId startTimer(int delayMs, std::function<void()> callback) override;
    void cancelTimer(TimerId id) override;

private:
    QElapsedTimer elapsed_;
    std::map<TimerId, QTimer*> timers_;
    TimerId nextId_ = 1;
};

} // namespace vz

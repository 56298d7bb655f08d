// The clock the logic reads and the timers it starts.
#pragma once

#include <cstdint>
#include <functional>

namespace vz {

using TimerId = int;

// Monotonic time and one-shot timers. The fake clock is advanced by tests.
class Clock {
public:
    Clock() = default;
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;
    virtual ~Clock() = default;

    virtual std::int64_t nowMs() const = 0;
    // Runs `callback` once after `delayMs`; returns an id for cancelTimer.
    virtual TimerId startTimer(int delayMs, std::function<void()> callback) = 0;
    // Cancelling an id that already fired or was never started does nothing.
    virtual void cancelTimer(TimerId id) = 0;
};

} // namespace vz

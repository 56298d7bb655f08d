// The shared limit on automatic answers to other people.
#pragma once

#include "platform/clock.h"

#include <cstdint>

namespace vz {

// One token bucket for every line the program sends by itself in answer to
// someone else (CTCP answers, version answers, ident replies): up to 5 at
// once, one more every 6 seconds. A flood of requests cannot get the user
// disconnected for excess flood.
class ReplyLimiter {
public:
    static constexpr int Capacity = 5;
    static constexpr std::int64_t RefillMs = 6000;

    explicit ReplyLimiter(const Clock& clock);
    // True (and one token used) when an automatic answer may go out now.
    bool tryTake();

private:
    void refill();

    const Clock& clock_;
    int tokens_ = Capacity;
    std::int64_t lastRefillMs_;
};

} // namespace vz

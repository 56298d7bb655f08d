// The shared limit on automatic answers to other people.
#include "interpret/reply_limiter.h"

namespace vz {

ReplyLimiter::ReplyLimiter(const Clock& clock) : clock_(clock), lastRefillMs_(clock.nowMs()) {}

void ReplyLimiter::refill() {
    const std::int64_t now = clock_.nowMs();
    if (tokens_ >= Capacity) {
        lastRefillMs_ = now;
        return;
    }
    const std::int64_t earned = (now - lastRefillMs_) / RefillMs;
    if (earned <= 0)
        return;
    const std::int64_t total = tokens_ + earned;
    tokens_ = total >= Capacity ? Capacity : static_cast<int>(total);
    lastRefillMs_ += earned * RefillMs;
}

bool ReplyLimiter::tryTake() {
    refill();
    if (tokens_ == 0)
        return false;
    --tokens_;
    return true;
}

} // namespace vz

#include "interpret/reply_limiter.h"

#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

// Steps of {the clock moves on by ms, then this many answers may go out}.
const struct {
    const char* name;
    std::vector<std::pair<int, int>> steps;
} Rows[] = {
    {"five at once, then none", {{0, 5}, {0, 0}}},
    {"one more every six seconds", {{0, 5}, {5999, 0}, {1, 1}, {13000, 2}}},
    {"failed tries", {{0, 5}, {1000, 0}, {1000, 0}, {1000, 0}, {1000, 0}, {1000, 0}, {1000, 1}}},
    {"part time carries over", {{0, 5}, {9000, 1}, {3000, 1}}},
    {"a long silence fills only to five", {{0, 5}, {3600 * 1000, 5}}},
    {"a full bucket saves no time", {{61000, 5}, {5999, 0}}},
};

TEST(ReplyLimiter, FiveAtOnceThenOneEverySixSeconds) {
    fake::FakeClock clock;
    const auto drain = [](ReplyLimiter& limiter) {
        int taken = 0;
        while (limiter.tryTake())
            ++taken;
        return taken;
    };
    for (const auto& row : Rows) {
        ReplyLimiter limiter{clock};
        for (const auto& [ms, answers] : row.steps) {
            clock.advance(ms);
            EXPECT_EQ(drain(limiter), answers) << row.name << ", after " << ms << " ms";
        }
    }
    ReplyLimiter steady{clock}; // one answer every six seconds is always allowed
    for (int i = 0; i < 20; ++i, clock.advance(6000))
        EXPECT_TRUE(steady.tryTake()) << i;
    EXPECT_EQ(drain(steady), 5);
}

} // namespace
} // namespace vz

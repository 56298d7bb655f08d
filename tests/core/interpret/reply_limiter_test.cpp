#include "interpret/reply_limiter.h"

#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

class ReplyLimiterTest : public ::testing::Test {
protected:
    // How many answers may go out now, emptying the bucket.
    int drain() {
        int taken = 0;
        while (limiter.tryTake())
            ++taken;
        return taken;
    }

    fake::FakeClock clock;
    ReplyLimiter limiter{clock};
};

TEST_F(ReplyLimiterTest, FiveAtOnceThenNone) {
    EXPECT_EQ(drain(), 5);
    EXPECT_FALSE(limiter.tryTake());
}

TEST_F(ReplyLimiterTest, OneTokenEverySixSeconds) {
    drain();
    clock.advance(5999);
    EXPECT_FALSE(limiter.tryTake());
    clock.advance(1);
    EXPECT_EQ(drain(), 1);
    clock.advance(13000);
    EXPECT_EQ(drain(), 2);
}

TEST_F(ReplyLimiterTest, FailedAttemptsDoNotDelayTheRefill) {
    drain();
    for (int i = 0; i < 5; ++i) {
        clock.advance(1000);
        EXPECT_FALSE(limiter.tryTake());
    }
    clock.advance(1000);
    EXPECT_TRUE(limiter.tryTake());
}

TEST_F(ReplyLimiterTest, PartTimeCarriesOverToTheNextToken) {
    drain();
    clock.advance(9000);
    EXPECT_EQ(drain(), 1);
    clock.advance(3000);
    EXPECT_EQ(drain(), 1);
}

TEST_F(ReplyLimiterTest, LongSilenceFillsTheBucketOnlyToFive) {
    drain();
    clock.advance(3600 * 1000);
    EXPECT_EQ(drain(), 5);
}

TEST_F(ReplyLimiterTest, FullBucketSavesNoTimeForLater) {
    clock.advance(60000);
    EXPECT_EQ(drain(), 5);
    clock.advance(5999);
    EXPECT_FALSE(limiter.tryTake());
}

TEST_F(ReplyLimiterTest, SteadyRateOfOnePerSixSecondsIsAlwaysAnswered) {
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(limiter.tryTake()) << i;
        clock.advance(6000);
    }
    EXPECT_EQ(drain(), 5);
}

} // namespace
} // namespace vz

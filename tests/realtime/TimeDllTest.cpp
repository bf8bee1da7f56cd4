#include "realtime/TimeDll.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
constexpr double kRate = 48000.0;
constexpr int kBlock = 128;
constexpr double kPeriod = kBlock / kRate;
} // namespace

TEST (TimeDll, UpdateBeforeAResetChangesNothing)
{
    TimeDll dll;
    EXPECT_EQ (dll.update (12.5, kBlock), 0.0);
    EXPECT_FALSE (dll.currentLine().valid);
    EXPECT_EQ (dll.positionAt (12.5).index, 0);
}

TEST (TimeDll, FirstBlockStartsTheLineAtItsOwnTime)
{
    TimeDll dll;
    dll.reset (kRate, kBlock);
    EXPECT_EQ (dll.update (10.0, kBlock), 10.0);
    const auto& line = dll.currentLine();
    EXPECT_TRUE (line.valid);
    EXPECT_EQ (line.s0, kBlock);
    EXPECT_EQ (line.s1, 2 * kBlock);
    EXPECT_DOUBLE_EQ (line.t1, 10.0 + kPeriod);

    // Halfway to the next block the stream stands half a block further.
    const auto p = dll.positionAt (10.0 + kPeriod / 2.0);
    EXPECT_EQ (p.index, kBlock + kBlock / 2);
    EXPECT_NEAR (p.fraction, 0.0, 1e-6);
}

TEST (TimeDll, FollowsAClockThatRunsFastAndFiltersJitter)
{
    // The writer's clock runs 200 ppm fast and its stamps scatter by +-0.5 ms.
    TimeDll dll;
    dll.reset (kRate, kBlock);
    dll.setBandwidth (TimeDll::kConfigureBandwidth);
    const double truePeriod = kPeriod / (1.0 + 200e-6);
    unsigned state = 12345;
    double worst = 0.0;
    for (int k = 0; k < 200000; ++k)
    {
        state = state * 1103515245u + 12345u;
        const double jitter = ((state >> 8) / double (1u << 24) - 0.5) * 1e-3;
        const double filtered = dll.update (5.0 + k * truePeriod + jitter, kBlock);
        dll.decayBandwidth (0.05, 0.0007);
        if (k > 100000)
            worst = std::max (worst, std::abs (filtered - (5.0 + k * truePeriod)));
    }
    EXPECT_NEAR (dll.currentLine().e2 / truePeriod, 1.0, 5e-6);
    EXPECT_LT (worst, 1e-4) << "the filtered time keeps far closer than the jitter";
    EXPECT_NEAR (dll.getBandwidth(), 0.05, 1e-3);
}

struct JumpCase
{
    const char* name;
    double lateByPeriods;
    bool jump;
};

class TimeDllJump : public ::testing::TestWithParam<JumpCase>
{
};

TEST_P (TimeDllJump, ALateStampOfThreePeriodsIsAJump)
{
    TimeDll dll;
    dll.reset (kRate, kBlock);
    for (int k = 0; k < 10; ++k)
        dll.update (1.0 + k * kPeriod, kBlock);
    dll.update (1.0 + (10 + GetParam().lateByPeriods) * kPeriod, kBlock);
    EXPECT_EQ (dll.jumped(), GetParam().jump);
    EXPECT_TRUE (dll.currentLine().valid) << "the update completes either way";
    dll.reset (kRate, kBlock);
    EXPECT_FALSE (dll.jumped());
}

INSTANTIATE_TEST_SUITE_P (Cases, TimeDllJump,
                          ::testing::Values (JumpCase { "OnTime", 0.0, false }, JumpCase { "Late2_9", 2.9, false },
                                             JumpCase { "Late3_01", 3.01, true }, JumpCase { "Late50", 50.0, true },
                                             JumpCase { "Early", -0.9, false }),
                          [] (const auto& info) { return std::string (info.param.name); });

TEST (TimeDll, ResetPublishesAnInvalidLine)
{
    TimeDll dll;
    dll.reset (kRate, kBlock);
    dll.update (1.0, kBlock);
    dll.update (1.0 + kPeriod, kBlock);
    EXPECT_GT (dll.positionAt (1.0 + kPeriod).index, 0);
    dll.reset (kRate, kBlock);
    const auto p = dll.positionAt (1.0 + kPeriod);
    EXPECT_EQ (p.index, 0);
    EXPECT_EQ (p.fraction, 0.0);
}

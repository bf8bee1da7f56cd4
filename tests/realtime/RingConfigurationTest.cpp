#include "realtime/RingConfiguration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

struct CapacityCase
{
    const char* name;
    double writerRate;
    int writerBlock;
    double readerRate;
    int readerBlock;
    double margin;
    int capacity;
    double marginUsed;
};

class RingCapacity : public ::testing::TestWithParam<CapacityCase>
{
};

TEST_P (RingCapacity, FollowsReaderBlockAndTargetUnderTheCap)
{
    const auto& c = GetParam();
    const auto plan = planRingConfiguration (c.writerRate, c.writerBlock, c.readerRate, c.readerBlock, c.margin, 0.0);
    ASSERT_TRUE (plan.isValid());
    EXPECT_EQ (plan.capacity, c.capacity);
    EXPECT_NEAR (plan.marginPercent, c.marginUsed, 0.01);
    EXPECT_EQ (plan.marginClamped, c.marginUsed < c.margin);
    const double expectedTarget = (c.readerBlock / c.readerRate + c.writerBlock / c.writerRate) * 2.0 * c.writerRate
                                * plan.marginPercent / 100.0;
    EXPECT_NEAR (plan.targetLatency, expectedTarget, 1e-6);
    // The ring always holds twice the distance the reader keeps plus both blocks and the kernel.
    EXPECT_LE (2.0 * (plan.targetLatency + c.writerBlock + c.readerBlock + 33), plan.capacity);
}

INSTANTIATE_TEST_SUITE_P (
    Cases, RingCapacity,
    ::testing::Values (
        // device to host: 32 reader blocks decide
        CapacityCase { "HostBlock512", 48000, 128, 44100, 512, 100, 16384, 100 },
        CapacityCase { "HostBlock1024", 48000, 128, 48000, 1024, 100, 32768, 100 },
        CapacityCase { "HostBlock8192", 48000, 128, 48000, 8192, 25, 262144, 25 },
        CapacityCase { "SmallBlocksStayAtTheSmallestUsefulSize", 48000, 16, 48000, 16, 100, 512, 100 },
        // host to device: the host's large writer block and the margin decide
        CapacityCase { "LargeWriterBlock", 44100, 1024, 48000, 128, 100, 8192, 100 },
        CapacityCase { "MarginOf1000Percent", 48000, 512, 44100, 512, 1000, 65536, 1000 },
        // the cap cannot hold the target: the margin is lowered
        CapacityCase { "CapLowersTheMargin", 48000, 512, 11025, 8192, 1000, 262144, 169.074 }),
    [] (const auto& info) { return std::string (info.param.name); });

struct ValidityCase
{
    const char* name;
    double readerRate;
    int writerBlock;
    int readerBlock;
    double result;
};

class RingValidity : public ::testing::TestWithParam<ValidityCase>
{
};

TEST_P (RingValidity, RefusedRatesAndBlocks)
{
    const auto& c = GetParam();
    const auto plan = planRingConfiguration (48000, c.writerBlock, c.readerRate, c.readerBlock, 100, 1.0);
    EXPECT_FALSE (plan.isValid());
    EXPECT_EQ (plan.result(), c.result);
}

INSTANTIATE_TEST_SUITE_P (
    Cases, RingValidity,
    ::testing::Values (ValidityCase { "ReaderAt8000Hz", 8000.0, 128, 128, std::numeric_limits<double>::infinity() },
                       ValidityCase { "ReaderJustBelow", 11024.8, 128, 128, std::numeric_limits<double>::infinity() },
                       ValidityCase { "ReaderAbove192k", 192000.2, 128, 128, std::numeric_limits<double>::infinity() },
                       ValidityCase { "ReaderRateNaN", std::nan (""), 128, 128, std::numeric_limits<double>::infinity() },
                       ValidityCase { "WriterBlockZero", 48000, 0, 128, 0.0 },
                       ValidityCase { "ReaderBlockNegative", 48000, 128, -1, 0.0 }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST (RingConfiguration, RatesAtTheLimitsAreAccepted)
{
    EXPECT_TRUE (planRingConfiguration (48000, 128, 11025, 128, 100, 0).isValid());
    EXPECT_TRUE (planRingConfiguration (48000, 128, 192000, 128, 100, 0).isValid());
}

TEST (RingConfiguration, InitialRatioFallsBackToTheNominalRatio)
{
    EXPECT_DOUBLE_EQ (planRingConfiguration (48000, 128, 44100, 512, 100, 0.0).initialRatio, 48000.0 / 44100.0);
    EXPECT_DOUBLE_EQ (planRingConfiguration (48000, 128, 44100, 512, 100, 0.009).initialRatio, 48000.0 / 44100.0);
    EXPECT_DOUBLE_EQ (planRingConfiguration (48000, 128, 44100, 512, 100, std::nan ("")).initialRatio,
                      48000.0 / 44100.0);
    EXPECT_DOUBLE_EQ (planRingConfiguration (48000, 128, 44100, 512, 100, 1.0).initialRatio, 1.0);
    EXPECT_DOUBLE_EQ (planRingConfiguration (48000, 128, 44100, 512, 100, -0.5).initialRatio, -0.5);
}

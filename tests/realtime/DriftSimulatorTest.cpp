#include "DriftSimulator.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
DriftResult simulate (const DriftScenario& scenario)
{
    auto set = std::make_unique<AudioRingSet>();
    return runDriftSimulation (scenario, *set);
}

std::string describe (const DriftResult& r)
{
    return "lock " + std::to_string (r.lockSeconds) + " s, ratio error mean " + std::to_string (r.ratioErrorMeanPpm)
         + " rms " + std::to_string (r.ratioErrorRmsPpm) + " peak " + std::to_string (r.ratioErrorPeakPpm)
         + " ppm, latency " + std::to_string (r.latencyMean) + " (target " + std::to_string (r.targetLatency)
         + "), underruns " + std::to_string (r.underruns) + ", tone error " + std::to_string (r.outputErrorDb) + " dB";
}
} // namespace

struct SteadyCase
{
    const char* name;
    DriftScenario scenario;
    double maxRatioRmsPpm;
};

class DriftSteadyStream : public ::testing::TestWithParam<SteadyCase>
{
};

// Streams that only drift and jitter lock, follow the drift, keep the target latency,
// never run dry and carry the tone through unharmed.
TEST_P (DriftSteadyStream, LocksAndFollowsTheDrift)
{
    const auto& c = GetParam();
    const auto r = simulate (c.scenario);
    SCOPED_TRACE (describe (r));
    EXPECT_EQ (r.underruns, 0);
    EXPECT_EQ (r.overruns, 0);
    EXPECT_EQ (r.readStatus[AudioRingSet::readerJump], 0);
    EXPECT_EQ (r.writeStatus[AudioRingSet::writerJump], 0);
    EXPECT_GE (r.lockSeconds, 0.0);
    // Without jitter the ratio is right from the first block; with jitter the loops'
    // bandwidths must narrow first (time constant about 17 s).
    EXPECT_LT (r.lockSeconds, c.scenario.writerJitterMs > 0.0 ? 120.0 : 1.0);
    EXPECT_LT (std::abs (r.ratioErrorMeanPpm), 1.0) << "no bias: the reader follows the writer's drift";
    EXPECT_LT (r.ratioErrorRmsPpm, c.maxRatioRmsPpm);
    // The reader keeps the target latency behind the writer, within a writer block and
    // the kernel's look-ahead.
    EXPECT_NEAR (r.latencyMean, r.targetLatency, c.scenario.writerBlock + 33.0);
    if (c.scenario.channelsRead > 0)
    {
        EXPECT_LT (r.outputErrorDb, -90.0);
    }
}

namespace
{
DriftScenario steady (double writerPpm, double jitterMs, double readerRate, int readerBlock, int channels)
{
    DriftScenario s;
    s.writerDriftPpm = writerPpm;
    s.writerJitterMs = jitterMs;
    s.readerJitterMs = jitterMs;
    s.readerRate = readerRate;
    s.readerBlock = readerBlock;
    s.channelsRead = channels;
    s.seconds = 180.0;
    s.settleSeconds = 90.0;   // the loops' bandwidths have narrowed to their floors
    return s;
}
} // namespace

INSTANTIATE_TEST_SUITE_P (
    Cases, DriftSteadyStream,
    ::testing::Values (SteadyCase { "EqualClocks48k", steady (0, 0, 48000, 128, 1), 1.0 },
                       SteadyCase { "Host44k1Block512", steady (0, 0, 44100, 512, 1), 1.0 },
                       // Half a millisecond of jitter on both sides leaves about 10 ppm rms
                       // on a single block's ratio.
                       SteadyCase { "Plus200ppmJitter", steady (200, 0.5, 44100, 512, 1), 20.0 },
                       SteadyCase { "Minus200ppmJitter", steady (-200, 0.5, 44100, 512, 1), 20.0 },
                       SteadyCase { "Host96kBlock64", steady (50, 0.5, 96000, 64, 0), 20.0 },
                       SteadyCase { "HostWriterBlock1024", [] {
                                        auto s = steady (-120, 0.5, 48000, 128, 1);
                                        s.writerRate = 44100.0;
                                        s.writerBlock = 1024;
                                        return s;
                                    }(), 20.0 }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST (DriftSimulator, RatioSettlesAtTheMeasuredRatioNotTheNominalOne)
{
    auto s = steady (0, 0, 44100, 512, 0);
    s.readerDriftPpm = 300.0;   // the host's clock runs fast: the ratio follows the clocks, not 48000/44100
    const auto r = simulate (s);
    EXPECT_NEAR (r.trueRatio, 48000.0 / 44100.0 / 1.0003, 1e-12);
    EXPECT_LT (std::abs (r.ratioErrorMeanPpm), 1.0);
}

struct DisturbanceCase
{
    const char* name;
    DriftScenario scenario;
    int readerJumps;
    int writerJumps;
};

class DriftDisturbance : public ::testing::TestWithParam<DisturbanceCase>
{
};

// Late callbacks, stalls and block-size changes: the stream restarts only where the
// loops must (a jump of three periods), and reads again afterwards without underruns.
TEST_P (DriftDisturbance, RecoversAndReadsAgain)
{
    const auto& c = GetParam();
    const auto r = simulate (c.scenario);
    SCOPED_TRACE (describe (r));
    EXPECT_EQ (r.readStatus[AudioRingSet::readerJump], c.readerJumps);
    EXPECT_EQ (r.writeStatus[AudioRingSet::writerJump], c.writerJumps);
    // A stalled writer leaves the reader dry until the stream restarts; otherwise the
    // reader never runs out.
    EXPECT_EQ (r.underrunsWhileWriting, 0);
    if (c.writerJumps == 0)
    {
        EXPECT_EQ (r.underruns, 0);
    }
    EXPECT_LT (std::abs (r.ratioErrorMeanPpm), 5.0) << "the ratio follows the clocks again after the disturbance";
    if (c.scenario.channelsRead > 0)
    {
        EXPECT_LT (r.outputErrorDb, -90.0);
    }
}

namespace
{
DriftScenario disturbed (std::vector<DriftScenario::LateCallback> late, std::vector<DriftScenario::WriterStall> stalls,
                         std::vector<DriftScenario::ReaderBlockChange> changes)
{
    auto s = steady (100, 0.5, 44100, 512, 1);
    s.seconds = 150.0;
    s.settleSeconds = 120.0;
    s.lateCallbacks = std::move (late);
    s.writerStalls = std::move (stalls);
    s.blockChanges = std::move (changes);
    return s;
}
} // namespace

INSTANTIATE_TEST_SUITE_P (
    Cases, DriftDisturbance,
    ::testing::Values (
        DisturbanceCase { "LateCallbacksWithinTwoPeriods", disturbed ({ { 5, 15 }, { 20, 20 }, { 40, 8 } }, {}, {}), 0, 0 },
        DisturbanceCase { "CallbackLateByFourPeriods", disturbed ({ { 10, 4 * 11.61 } }, {}, {}), 1, 0 },
        DisturbanceCase { "WriterStall100ms", disturbed ({}, { { 10, 100 } }, {}), 0, 1 },
        DisturbanceCase { "ReaderBlockSizeChanges", disturbed ({}, {}, { { 10, 256 }, { 25, 1024 }, { 40, 480 } }), 0, 0 }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST (DriftSimulator, NoUnderrunInAnHourAt200ppmWithHalfAMillisecondOfJitter)
{
    for (double ppm : { 200.0, -200.0 })
    {
        auto s = steady (ppm, 0.5, 44100, 512, 0);
        s.seconds = 3600.0;
        const auto r = simulate (s);
        SCOPED_TRACE (describe (r));
        EXPECT_EQ (r.underruns, 0) << ppm << " ppm";
        EXPECT_EQ (r.overruns, 0) << ppm << " ppm";
        EXPECT_EQ (r.readStatus[AudioRingSet::readerJump] + r.writeStatus[AudioRingSet::writerJump], 0);
    }
}

TEST (DriftSimulator, PositionsAfterTheBlockAvoidTheMixedConventionsSpikes)
{
    // The history and the writer filter's line both count a block in once it is
    // written. Publishing the position before the block (and so mixing two
    // conventions) makes the reader see a one-block step whenever it switches between
    // them.
    auto s = steady (200, 0.5, 44100, 512, 0);
    s.seconds = 600.0;
    s.settleSeconds = 120.0;
    const auto one = simulate (s);
    s.convention = AudioRingSet::HistoryConvention::positionBeforeBlock;
    const auto mixed = simulate (s);
    SCOPED_TRACE ("one: " + describe (one) + "; mixed: " + describe (mixed));
    EXPECT_LT (one.ratioErrorPeakPpm, 100.0);
    EXPECT_GT (mixed.ratioErrorPeakPpm, 500.0);
    EXPECT_GT (mixed.ratioErrorRmsPpm, 5.0 * one.ratioErrorRmsPpm);
}

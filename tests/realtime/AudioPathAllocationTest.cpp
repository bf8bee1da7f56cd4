#include "DriftSimulator.h"

#include "support/AudioThreadChecks.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>

namespace
{
class MarkLoopAsAudioThread : public DriftLoopObserver
{
public:
    void loopStarts() override { mark.emplace(); }
    void loopEnds() override
    {
        calls = mark->calls();
        mark.reset();
    }

    fhtest::AudioThreadCalls calls;

private:
    std::optional<fhtest::ScopedAudioThread> mark;
};

std::string describe (const fhtest::AudioThreadCalls& calls)
{
    std::ostringstream text;
    text << calls;
    return text.str();
}
} // namespace

// Writes, reads, interpolation, reconfiguration, stalls and resynchronisation: the
// whole simulated stream neither allocates nor waits.
TEST (AudioPathAllocation, ADisturbedStreamNeitherAllocatesNorBlocks)
{
    ASSERT_TRUE (fhtest::audioThreadCountersInstalled());
    DriftScenario s;
    s.writerDriftPpm = 200.0;
    s.writerJitterMs = 0.5;
    s.readerJitterMs = 0.5;
    s.channelsRead = 20;
    s.seconds = 60.0;
    s.settleSeconds = 40.0;
    s.lateCallbacks = { { 5.0, 20.0 }, { 12.0, 60.0 } };
    s.writerStalls = { { 20.0, 100.0 } };
    s.blockChanges = { { 30.0, 256 } };
    auto set = std::make_unique<AudioRingSet>();
    MarkLoopAsAudioThread observer;
    const auto result = runDriftSimulation (s, *set, &observer);
    EXPECT_GT (result.readStatus[AudioRingSet::dataAvailable], 1000);
    EXPECT_EQ (observer.calls.total(), 0u) << describe (observer.calls);
}

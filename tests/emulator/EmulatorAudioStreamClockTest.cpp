#include "EmulatorAudioStream.h"

#include <juce_core/juce_core.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
struct ClockCase
{
    const char* name;
    double driftPpm;
    double jitterMs;
};

class EmulatorAudioStreamClock : public ::testing::TestWithParam<ClockCase>
{
};
} // namespace

// The stream's blocks come at the drifted device rate, and each block's stamp is the
// monotonic clock's milliseconds scattered by the jitter.
TEST_P (EmulatorAudioStreamClock, BlocksFollowTheDriftAndStampsScatterByTheJitter)
{
    const auto& c = GetParam();
    fhemu::EmulatorAudioStream::Settings settings;
    settings.clockDriftPpm = c.driftPpm;
    settings.stampJitterMs = c.jitterMs;
    settings.answerTimeoutMs = 0;   // nobody answers: the stream only paces itself
    fhemu::EmulatorAudioStream stream ("fh_clock_test_" + std::string (c.name) + "_" + std::to_string (::getpid()),
                                       settings);
    ASSERT_TRUE (stream.create());

    std::vector<double> stamps;
    std::vector<double> offsets;   // stamp minus the monotonic clock when the block is posted
    stamps.reserve (4096);
    offsets.reserve (4096);
    stream.setBeforePost ([&] (std::uint8_t* block) {
        double stamp;
        std::memcpy (&stamp, block + fhemu::AudioBlockLayout::timeStamp, sizeof stamp);
        if (stamps.size() < stamps.capacity())
        {
            stamps.push_back (stamp);
            offsets.push_back (stamp - juce::Time::getMillisecondCounterHiRes());
        }
    });
    stream.start();
    std::this_thread::sleep_for (std::chrono::milliseconds (1500));
    stream.stop();
    stream.setBeforePost ({});

    ASSERT_GT (stamps.size(), 100u);
    // The pacing keeps an absolute schedule: a block may come late (the machine is
    // busy) but never earlier than its jitter allows. Against the expected period, the
    // earliest stamps of the first and of the second half of the run lie on one line.
    const double expected = 48000.0 * (1.0 + c.driftPpm * 1e-6);
    const double periodMs = 1000.0 * 128 / expected;
    double earliestFirst = 1e300, earliestSecond = 1e300;
    for (std::size_t k = 0; k < stamps.size(); ++k)
    {
        double& earliest = k < stamps.size() / 2 ? earliestFirst : earliestSecond;
        earliest = std::min (earliest, stamps[k] - static_cast<double> (k) * periodMs);
    }
    EXPECT_NEAR (earliestSecond - earliestFirst, 0.0, 2.0 * c.jitterMs + 2.0);

    // Uniform scatter within +-J has a median distance of J / 2; the time from taking
    // the stamp to the hook adds a little, and on a loaded machine now and then more,
    // which the median ignores.
    for (auto& o : offsets)
        o = std::abs (o);
    std::nth_element (offsets.begin(), offsets.begin() + static_cast<long> (offsets.size() / 2), offsets.end());
    const double median = offsets[offsets.size() / 2];
    EXPECT_GT (median, 0.5 * c.jitterMs - 0.5);
    EXPECT_LT (median, 0.5 * c.jitterMs + 0.5);
}

INSTANTIATE_TEST_SUITE_P (Cases, EmulatorAudioStreamClock,
                          ::testing::Values (ClockCase { "Exact", 0.0, 0.0 }, ClockCase { "Fast2Percent", 20000.0, 0.0 },
                                             ClockCase { "Slow2Percent", -20000.0, 0.0 },
                                             ClockCase { "Jitter4ms", 0.0, 4.0 }),
                          [] (const auto& info) { return std::string (info.param.name); });

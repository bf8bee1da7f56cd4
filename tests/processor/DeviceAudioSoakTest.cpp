// The device's audio on the real clock: the emulator streams at 48 kHz on a
// clock that runs fast against the monotonic clock, and a reader thread in
// place of the host reads 512-sample blocks at 44.1 kHz, paced by the same
// monotonic clock. Once the loops have locked, no block underruns and the
// measured ratio is the drifted one.
//
// It runs for half a minute on the wall clock and judges scheduling as much as
// the loops, so it runs only when FH_SOAK is set (a quiet machine is best):
//   FH_SOAK=1 processor_tests --gtest_filter='*RealClock*'
#include "ProcessorFixture.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>

using namespace processortest;

namespace
{
constexpr double hostRate = 44100.0;
constexpr int hostBlock = 512;
constexpr double driftPpm = 300.0;
constexpr auto lockTime = 6s;
constexpr auto soakTime = 20s;

// What the reader saw after the loops locked.
struct SoakResult
{
    int blocks = 0;
    int underruns = 0;
    int withoutData = 0;
    int byStatus[8] {};             // blocks without data, by read status
    double ratioSum = 0.0;          // of the blocks' ratios
    double ratioSquareSum = 0.0;
};

// Asks for first-in-first-out scheduling, as a host's audio thread has; where
// the system refuses, the thread runs as it is.
bool raisePriority()
{
    sched_param param {};
    param.sched_priority = 20;
    return pthread_setschedparam (pthread_self(), SCHED_FIFO, &param) == 0;
}

// The host's audio thread: one block every hostBlock / hostRate seconds on the
// monotonic clock, stamped with that clock's milliseconds.
SoakResult readOnTheRealClock (AudioRingSet& rings, int channels)
{
    if (! raisePriority())
        std::printf ("The reader runs at normal priority: the system refused first-in-first-out scheduling\n");
    using clock = std::chrono::steady_clock;
    const auto period = std::chrono::duration_cast<clock::duration> (std::chrono::duration<double> (hostBlock / hostRate));
    std::vector<float> out (hostBlock);
    SoakResult result;

    const auto start = clock::now();
    auto next = start;
    while (clock::now() - start < lockTime + soakTime)
    {
        next += period;
        std::this_thread::sleep_until (next);
        const int status = rings.prepareRead (juce::Time::getMillisecondCounterHiRes(), hostBlock);
        for (int c = 0; c < channels; ++c)
            rings.readChannel (out.data(), c, hostBlock);
        rings.finishRead();

        if (clock::now() - start < lockTime)
            continue;
        ++result.blocks;
        result.underruns += status == AudioRingSet::underrun ? 1 : 0;
        result.withoutData += status == AudioRingSet::dataAvailable ? 0 : 1;
        if (status != AudioRingSet::dataAvailable)
            ++result.byStatus[std::clamp (status, 0, 7)];
        result.ratioSum += rings.getRatio();
        result.ratioSquareSum += rings.getRatio() * rings.getRatio();
    }
    return result;
}
} // namespace

TEST_F (ProcessorTest, DeviceAudioReadOnTheRealClockNeverUnderrunsAndFollowsTheDrift)
{
    if (std::getenv ("FH_SOAK") == nullptr)
        GTEST_SKIP() << "a real-clock soak; set FH_SOAK=1 to run it";
    fhemu::EmulatorAudioStream::Settings audio;
    audio.clockDriftPpm = driftPpm;
    audio.stampJitterMs = 0.5;
    audio.realtimePriority = 30;
    engine->setAudioSettings (audio);
    startEngine();
    makeProcessor();
    processor->setRateAndBufferSizeDetails (hostRate, hostBlock);
    processor->prepareToPlay (hostRate, hostBlock);
    auto& rings = processor->getAudioExchange().deviceToHost;
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return rings.isConfigured() && rings.getSamplesWritten() > 4800; }, 20s));

    SoakResult result;
    std::thread reader ([&] { result = readOnTheRealClock (rings, 2); });
    fhtest::pumpFor (lockTime + soakTime + 1s);
    reader.join();

    const double drifted = 48000.0 * (1.0 + driftPpm * 1e-6) / hostRate;
    const double mean = result.ratioSum / std::max (1, result.blocks);
    const double meanErrorPpm = (mean / drifted - 1.0) * 1e6;
    const double rmsPpm = std::sqrt (std::max (0.0, result.ratioSquareSum / std::max (1, result.blocks) - mean * mean)) / drifted * 1e6;
    std::printf ("%d blocks: mean ratio %+.1f ppm off the drifted one, block-to-block rms %.1f ppm\n", result.blocks,
                 meanErrorPpm, rmsPpm);

    // How long the program took to answer the engine's blocks: an answer later than
    // three block periods delays the next block's stamp enough to count as a jump.
    if (auto* open = engine->openDevice (kUid); open != nullptr && open->audio != nullptr)
    {
        const auto times = open->audio->answerTimes();
        const double period = 1000.0 * 128 / 48000.0;
        const auto late = std::count_if (times.begin(), times.end(), [&] (double t) { return t >= 3.0 * period; });
        const double longest = times.empty() ? 0.0 : *std::max_element (times.begin(), times.end());
        std::printf ("  answers: %zu, longest %.2f ms, %ld of them 3 block periods or more\n", times.size(), longest,
                     static_cast<long> (late));
    }
    for (int status = 1; status < 8; ++status)
        if (result.byStatus[status] > 0)
            std::printf ("  read status %d: %d blocks\n", status, result.byStatus[status]);

    EXPECT_GT (result.blocks, static_cast<int> (0.9 * soakTime.count() * hostRate / hostBlock));
    EXPECT_EQ (result.underruns, 0);
    EXPECT_EQ (result.withoutData, 0);
    // Over the soak the ratio is the drifted one, not the nominal one. How much
    // single blocks scatter around it depends on the machine's scheduling: it
    // is printed, not judged.
    EXPECT_LT (std::abs (meanErrorPpm), driftPpm / 3.0);
}

#pragma once

#include "realtime/AudioRingSet.h"

#include <array>
#include <cstdint>
#include <vector>

// An offline drift simulator: drives one AudioRingSet with simulated writer and reader
// clocks, no threads. Both sides stamp their blocks on one reference clock (the
// system's monotonic clock in the program); each side's own clock runs off by its
// drift, and the stamps scatter by a jitter. Late reader callbacks, writer stalls and
// reader block-size changes can be scheduled.
struct DriftScenario
{
    double writerRate = 48000.0;
    int writerBlock = 128;
    double readerRate = 44100.0;
    int readerBlock = 512;
    double writerDriftPpm = 0.0;   // the writer's clock against the reference clock
    double readerDriftPpm = 0.0;
    double writerJitterMs = 0.0;   // each stamp uniformly within +- this
    double readerJitterMs = 0.0;
    int marginPercent = 100;
    double seconds = 60.0;
    double settleSeconds = 30.0;   // ratio and latency figures count from here on
    // Locked: the ratio error averaged over each second stays within the tolerance for
    // the hold time (a single block's ratio carries the stamps' jitter).
    double lockTolerancePpm = 20.0;
    double lockHoldSeconds = 10.0;
    AudioRingSet::HistoryConvention convention = AudioRingSet::HistoryConvention::positionAfterBlock;
    int channelsRead = 0;          // 0: positions only; else a sine on ring channel 0 is read and checked
    double toneHz = 997.0;
    std::uint32_t seed = 1;

    struct LateCallback
    {
        double atSeconds;
        double byMs;
    };
    struct WriterStall
    {
        double atSeconds;
        double forMs;
    };
    struct ReaderBlockChange
    {
        double atSeconds;
        int readerBlock;
    };
    std::vector<LateCallback> lateCallbacks;
    std::vector<WriterStall> writerStalls;
    std::vector<ReaderBlockChange> blockChanges;
};

struct DriftResult
{
    std::int64_t writerBlocks = 0;
    std::int64_t readerBlocks = 0;
    std::array<std::int64_t, 7> readStatus {};   // count per AudioRingSet::ReadStatus
    std::array<std::int64_t, 3> writeStatus {};  // count per AudioRingSet::WriteStatus
    std::int64_t underruns = 0;                  // status 6 after the first block with data
    std::int64_t underrunsWhileWriting = 0;      // of these, while the writer delivers its blocks on time
    std::int64_t overruns = 0;
    double trueRatio = 0.0;
    double targetLatency = 0.0;                  // writer samples
    double lockSeconds = -1.0;                   // from the first block with data to the start of the
                                                 // locked stretch; -1 when never locked
    double ratioErrorMeanPpm = 0.0;              // blocks with data after settleSeconds
    double ratioErrorRmsPpm = 0.0;
    double ratioErrorPeakPpm = 0.0;
    double latencyMean = 0.0;                    // writer samples between the writer and the next read position
    double latencyRms = 0.0;                     // deviation of the latency around its mean
    double outputErrorDb = -400.0;               // rms error of the read tone against the ideal tone, dB re the tone
    std::int64_t checkedSamples = 0;
};

// Told when the simulation's loop (every write, read and the bookkeeping around them)
// starts and ends, on the simulating thread: tests mark the loop as an audio thread.
class DriftLoopObserver
{
public:
    virtual ~DriftLoopObserver() = default;
    virtual void loopStarts() = 0;
    virtual void loopEnds() = 0;
};

// Runs a scenario against a set (configured here). Allocates nothing once its loop runs.
DriftResult runDriftSimulation (const DriftScenario& scenario, AudioRingSet& set,
                                DriftLoopObserver* observer = nullptr);

#pragma once

#include "realtime/LatestValueMailbox.h"
#include "realtime/ReadPosition.h"

#include <atomic>
#include <cstdint>

// The line a time filter has measured: at time t0 (seconds) the stream stood at
// sample s0, and the next block is expected at t1, where it will stand at s1.
struct TimeDllLine
{
    bool valid = false;
    double t0 = 0.0;
    double t1 = 0.0;
    double e2 = 0.0;   // filtered block period, seconds
    std::int64_t s0 = 0;
    std::int64_t s1 = 0;
};

// A second-order delay-locked loop over block time stamps: filters the jitter out of
// the times at which blocks arrive and maps times to sample positions. The owner
// thread calls reset and update; one other thread reads the published line with
// positionAt. The bandwidth is the only value both threads write.
class TimeDll
{
public:
    static constexpr double kConstructionBandwidth = 0.999999;
    static constexpr double kConfigureBandwidth = 0.99999;

    // Owner thread: starts the loop again for a stream of this rate and nominal block.
    void reset (double rate, int blockSize) noexcept;

    // Owner thread: one block of numSamples arrived at timeSeconds. Returns the filtered
    // time of the block (the time itself for the first block after a reset).
    double update (double timeSeconds, int numSamples) noexcept;

    // Owner thread: makes the current line visible to positionAt.
    void publish() noexcept;

    // Reading thread: the stream position at a time, from the newest published line;
    // {0, 0} while no line is valid.
    ReadPosition positionAt (double timeSeconds) noexcept;

    // The position of a time on a line; {0, 0} when the line is not usable.
    static ReadPosition positionOnLine (const TimeDllLine& line, double timeSeconds) noexcept;

    // Owner thread: the owner's own current line (not the published copy).
    const TimeDllLine& currentLine() const noexcept { return line; }

    // Set when a time stamp came three nominal periods or more after its prediction;
    // cleared by reset.
    bool jumped() const noexcept { return jump; }
    bool isConfigured() const noexcept { return configured.load (std::memory_order_acquire); }
    double nominalPeriod() const noexcept { return nominalPeriodSeconds; }

    double getBandwidth() const noexcept { return bandwidth.load (std::memory_order_relaxed); }
    void setBandwidth (double hz) noexcept { bandwidth.store (hz, std::memory_order_relaxed); }
    // Moves the bandwidth a step of factor towards floorHz (either thread).
    void decayBandwidth (double floorHz, double factor) noexcept;

private:
    TimeDllLine line;
    bool first = true;
    bool jump = false;
    int nominalBlock = 1;
    double samplePeriod = 1.0 / 48000.0;
    double nominalPeriodSeconds = 1.0 / 48000.0;
    std::atomic<double> bandwidth { kConstructionBandwidth };
    std::atomic<bool> configured { false };
    LatestValueMailbox<TimeDllLine> published;
};

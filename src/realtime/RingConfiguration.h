#pragma once

// What a ring set is configured with, and the figures derived from it: the target
// latency (writer samples the reader keeps behind the writer) and the ring capacity.
struct RingConfiguration
{
    static constexpr int kMaxCapacity = 262144;
    static constexpr int kInitialCapacity = 4096;
    static constexpr int kReaderBlocksHeld = 32;
    static constexpr double kMinReaderRate = 11024.9;
    static constexpr double kMaxReaderRate = 192000.1;

    enum class Validity
    {
        valid,
        readerRateOutOfRange,
        blockNotPositive
    };

    Validity validity = Validity::blockNotPositive;
    double writerRate = 48000.0;
    double readerRate = 48000.0;
    int writerBlock = 0;
    int readerBlock = 0;
    double requestedMarginPercent = 100.0;
    double marginPercent = 100.0;   // the margin used, below the requested one when the cap cannot hold it
    bool marginClamped = false;
    double initialRatio = 1.0;      // writer samples per reader sample until the reader measures its own
    double targetLatency = 0.0;
    int capacity = kInitialCapacity;

    bool isValid() const noexcept { return validity == Validity::valid; }

    // What configure returns: the target latency; positive infinity when the reader
    // rate is out of range, 0 when a block size is not positive.
    double result() const noexcept;
};

// Plans a configuration. The capacity is the next power of two of
// max(32 x readerBlock, 2 x (target + writerBlock + readerBlock + 33)), at most
// kMaxCapacity; where that cap cannot hold the target, the margin is lowered until it
// does. The initial ratio is initialRatio when its magnitude is at least 0.01, else
// writerRate / readerRate.
RingConfiguration planRingConfiguration (double writerRate, int writerBlock, double readerRate, int readerBlock,
                                         double marginPercent, double initialRatio) noexcept;

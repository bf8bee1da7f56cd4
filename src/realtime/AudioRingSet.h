#pragma once

#include "realtime/LatestValueMailbox.h"
#include "realtime/ReadPosition.h"
#include "realtime/RingConfiguration.h"
#include "realtime/TimeDll.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

// One direction of audio between two clocks: twenty channel rings written in blocks by
// one thread (the writer) and read by another (the reader) at the position that the
// block time stamps give, through the drift-following interpolator. Every write
// publishes when it happened and where the stream stood; the reader finds, for its own
// time stamp, the matching writer position, keeps a target latency behind it and
// reads at the measured ratio of the two clocks.
//
// Threads: configure from any thread (it only posts a request, which the writer applies
// before its next write, never while the reader is inside a read); write, resetHistory
// and toReaderPosition on the writer thread; prepareRead, readChannel(s),
// resampleChannel(s) and finishRead on the reader thread. Neither audio thread allocates, locks or
// waits. The ring storage (20 x 262144 samples) is allocated once, with the set; only
// the capacity in use is touched.
class AudioRingSet
{
public:
    static constexpr int kChannels = 20;
    static constexpr int kHistoryEntries = 256;
    static constexpr double kWriterBandwidthFloor = 0.05;
    static constexpr double kReaderTimeBandwidthFloor = 0.05;
    static constexpr double kPositionBandwidthFloor = 0.075;
    static constexpr double kBandwidthDecay = 0.0007;
    static constexpr double kDefaultStartDelaySeconds = 0.01;
    static constexpr int kLookAhead = 32;
    static constexpr int kMaxDeferredWrites = 16;

    enum WriteStatus
    {
        written = 0,
        writeNotConfigured = 1,
        writerJump = 2
    };

    enum ReadStatus
    {
        dataAvailable = 0,
        nothingWritten = 1,
        notConfigured = 2,
        resetPending = 3,
        waitingForStart = 4,
        readerJump = 5,
        underrun = 6   // also an overrun or a position that is not finite: the reader resynchronises
    };

    // Which writer position a history entry publishes with its block's time: the
    // position after the block (as the writer filter's line counts it), or the position
    // before it (kept to compare the two in simulations).
    enum class HistoryConvention
    {
        positionAfterBlock,
        positionBeforeBlock
    };

    AudioRingSet();
    AudioRingSet (const AudioRingSet&) = delete;
    AudioRingSet& operator= (const AudioRingSet&) = delete;

    // Any thread: asks for the set to be prepared for a stream. The request is applied
    // by the writer before its next write; until then the reader sees the set as not
    // configured. Returns the target latency (writer samples), positive infinity when
    // the reader rate is out of range and 0 when a block size is not positive (the set
    // then stays unconfigured). plan, when given, receives the whole plan (for example
    // to log a margin the ring capacity could not hold).
    double configure (double writerRate, int writerBlock, double readerRate, int readerBlock, double marginPercent,
                      double initialRatio, RingConfiguration* plan = nullptr) noexcept;

    // Writer thread. Returns a WriteStatus. channels may hold null pointers (written as
    // silence); channels beyond kChannels are ignored.
    int write (double timeStampMs, const float* const* channels, int numChannels, int numSamples) noexcept;

    // Writer thread: empties every history entry.
    void resetHistory() noexcept;

    // Writer thread: the reader sample at which a writer sample is read.
    std::int64_t toReaderPosition (std::int64_t writerPosition) noexcept;

    // Reader thread: positions the reader for a block of numSamples stamped at
    // timeStampMs. Returns a ReadStatus; only dataAvailable lets readChannel read.
    int prepareRead (double timeStampMs, int numSamples) noexcept;

    // Reader thread: the reader has read every channel of the block it prepared. A
    // pending reconfiguration waits (for at most kMaxDeferredWrites writer blocks) while
    // the reader is between a prepareRead that found data and this call or its next
    // prepareRead.
    void finishRead() noexcept { readerInside.store (false, std::memory_order_seq_cst); }

    // Reader thread: one channel of the block prepared last (silence unless it found data).
    void readChannel (float* out, int channel, int numSamples) noexcept;
    // Reader thread: several channels at once (they share the interpolation kernel).
    void readChannels (float* const* outs, const int* channels, int numChannels, int numSamples) noexcept;

    // Reader thread: channels interpolated from start at ratio writer samples per output
    // sample, times gain. The set's read position is not changed.
    void resampleChannel (float* out, int channel, int numSamples, ReadPosition start, double ratio,
                          double gain) const noexcept;
    void resampleChannels (float* const* outs, const int* channels, int numChannels, int numSamples,
                           ReadPosition start, double ratio, double gain) const noexcept;

    // Reader thread: where the block prepared last starts, and whether it found data.
    ReadPosition getReadPosition() const noexcept { return readPosition; }
    ReadPosition getNextReadPosition() const noexcept { return nextReadPosition; }
    bool hasData() const noexcept { return dataFound; }

    // Any thread.
    double getRatio() const noexcept { return ratio.load (std::memory_order_relaxed); }
    double getTargetLatency() const noexcept { return requestedTargetLatency.load (std::memory_order_relaxed); }
    std::int64_t getWritePosition() const noexcept { return writePosition.load (std::memory_order_acquire); }
    std::int64_t getSamplesWritten() const noexcept { return samplesWritten.load (std::memory_order_acquire); }
    // Reader samples read since the reader last synchronised (the reader side's clock).
    std::int64_t getSamplesRead() const noexcept { return samplesRead.load (std::memory_order_relaxed); }
    int getCapacity() const noexcept { return capacity.load (std::memory_order_relaxed); }
    int getResyncCount() const noexcept { return resyncCount.load (std::memory_order_relaxed); }
    int getOverrunCount() const noexcept { return overrunCount.load (std::memory_order_relaxed); }
    bool isConfigured() const noexcept;

    // Set before streaming.
    void setStartDelay (double seconds) noexcept { startDelay.store (seconds, std::memory_order_relaxed); }
    void setHistoryConvention (HistoryConvention c) noexcept { convention.store (c, std::memory_order_relaxed); }

    // The filters' bandwidths in Hz (writer, reader time, position), for tests.
    double getWriterBandwidth() const noexcept { return writerFilter.getBandwidth(); }
    double getReaderTimeBandwidth() const noexcept { return readerTimeFilter.getBandwidth(); }
    double getPositionBandwidth() const noexcept { return positionFilter.getBandwidth(); }

private:
    struct HistoryEntry
    {
        bool valid = false;
        double time = 0.0;
        std::int64_t position = 0;
    };

    // A configuration request: filled by a requester between two sequence stores.
    struct RequestSlot
    {
        std::atomic<std::uint64_t> sequence { 0 };
        std::atomic<bool> valid { false };
        std::atomic<double> writerRate { 48000.0 };
        std::atomic<double> readerRate { 48000.0 };
        std::atomic<int> writerBlock { 0 };
        std::atomic<int> readerBlock { 0 };
        std::atomic<double> targetLatency { 0.0 };
        std::atomic<double> initialRatio { 1.0 };
        std::atomic<int> capacity { RingConfiguration::kInitialCapacity };
    };
    static constexpr int kRequestSlots = 8;

    void applyRequest (std::uint64_t generation) noexcept;
    ReadPosition writerPositionAt (double time) noexcept;
    int resync (bool overrun) noexcept;
    float* ring (int channel) const noexcept;

    std::unique_ptr<float[]> storage;

    // Configuration requests.
    std::array<RequestSlot, kRequestSlots> requests;
    std::atomic<std::uint64_t> requestedGeneration { 0 };
    std::atomic<std::uint64_t> appliedGeneration { 0 };
    std::atomic<bool> configuredFlag { false };
    std::atomic<bool> readerInside { false };
    std::atomic<double> requestedTargetLatency { 0.0 };

    // Applied configuration: written by the writer, read by both.
    std::atomic<double> writerRate { 48000.0 };
    std::atomic<double> readerRate { 48000.0 };
    std::atomic<int> writerBlock { 0 };
    std::atomic<int> readerBlock { 0 };
    std::atomic<double> targetLatency { 0.0 };
    std::atomic<int> capacity { RingConfiguration::kInitialCapacity };
    std::atomic<double> startDelay { kDefaultStartDelaySeconds };
    std::atomic<HistoryConvention> convention { HistoryConvention::positionAfterBlock };

    // Shared flags and counters.
    std::atomic<bool> needReset { false };
    std::atomic<bool> readerNeedsSync { false };
    std::atomic<std::int64_t> writePosition { 0 };
    std::atomic<std::int64_t> samplesWritten { 0 };
    std::atomic<int> historyIndex { 0 };
    std::atomic<double> ratio { 1.0 };
    std::atomic<int> resyncCount { 0 };
    std::atomic<int> overrunCount { 0 };
    std::atomic<std::int64_t> samplesRead { 0 };

    // Writer side.
    TimeDll writerFilter;
    bool writerConfigured = false;
    int deferredWrites = 0;
    std::array<LatestValueMailbox<HistoryEntry>, kHistoryEntries> history;

    // Reader side.
    TimeDll positionFilter;
    TimeDll readerTimeFilter;
    ReadPosition readPosition;
    ReadPosition nextReadPosition;
    double readStartTime = 0.0;
    bool dataFound = false;
};

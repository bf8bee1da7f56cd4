#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

// One published channel on its way to the meters: a ring of 65536 samples with
// 16-bit write and read indices. One thread writes whole blocks (or drops them),
// one other thread reads; neither waits. Reading starts the read delay before the
// read index, so the samples handed on lag the published ones by that delay; the
// writer never overwrites them.
class SampleRing
{
public:
    static constexpr int kSize = 65536;
    // Unread samples the 16-bit indices can tell apart: one fewer than the ring.
    static constexpr int kMaxUnread = kSize - 1;
    // The longest read delay: half the ring, leaving the other half for blocks.
    static constexpr int kMaxReadDelay = kSize / 2;

    SampleRing();   // allocates the cleared ring
    SampleRing (const SampleRing&) = delete;
    SampleRing& operator= (const SampleRing&) = delete;

    // Writer thread: appends the block, or drops it whole (false) when it does not
    // fit beside the unread samples and the read delay. Never blocks or allocates.
    bool write (const float* samples, int numSamples) noexcept;

    // Reader thread: samples written and not yet read.
    int available() const noexcept;

    // Reader thread: copies min(available, maxSamples) samples starting read delay
    // samples before the read index, advances the read index by that count and
    // returns it.
    int read (float* out, int maxSamples) noexcept;

    // Reader thread: the delay, clamped to 0..kMaxReadDelay.
    void setReadDelay (int samples) noexcept;
    int getReadDelay() const noexcept { return readDelay.load (std::memory_order_relaxed); }

    // Free space as the writer sees it: the ring less the unread samples and the delay.
    int freeSpace() const noexcept;

private:
    std::unique_ptr<float[]> data;
    std::atomic<std::uint16_t> writeIndex { 0 };
    std::atomic<std::uint16_t> readIndex { 0 };
    std::atomic<int> readDelay { 0 };
};

#include "realtime/SampleRing.h"

#include <algorithm>
#include <cstring>

SampleRing::SampleRing() : data (new float[kSize]())
{
}

int SampleRing::freeSpace() const noexcept
{
    const auto used = static_cast<std::uint16_t> (writeIndex.load (std::memory_order_relaxed)
                                                  - readIndex.load (std::memory_order_acquire));
    return kMaxUnread - static_cast<int> (used) - readDelay.load (std::memory_order_relaxed);
}

bool SampleRing::write (const float* samples, int numSamples) noexcept
{
    if (numSamples <= 0)
        return true;
    if (numSamples > freeSpace())
        return false;
    const auto start = writeIndex.load (std::memory_order_relaxed);
    const int head = std::min (numSamples, kSize - static_cast<int> (start));
    std::memcpy (data.get() + start, samples, sizeof (float) * static_cast<std::size_t> (head));
    std::memcpy (data.get(), samples + head, sizeof (float) * static_cast<std::size_t> (numSamples - head));
    writeIndex.store (static_cast<std::uint16_t> (start + numSamples), std::memory_order_release);
    return true;
}

int SampleRing::available() const noexcept
{
    return static_cast<std::uint16_t> (writeIndex.load (std::memory_order_acquire)
                                       - readIndex.load (std::memory_order_relaxed));
}

int SampleRing::read (float* out, int maxSamples) noexcept
{
    const int n = std::min (available(), std::max (maxSamples, 0));
    const auto read = readIndex.load (std::memory_order_relaxed);
    const auto start = static_cast<std::uint16_t> (read - readDelay.load (std::memory_order_relaxed));
    const int head = std::min (n, kSize - static_cast<int> (start));
    std::memcpy (out, data.get() + start, sizeof (float) * static_cast<std::size_t> (head));
    std::memcpy (out + head, data.get(), sizeof (float) * static_cast<std::size_t> (n - head));
    readIndex.store (static_cast<std::uint16_t> (read + n), std::memory_order_release);
    return n;
}

void SampleRing::setReadDelay (int samples) noexcept
{
    readDelay.store (std::clamp (samples, 0, kMaxReadDelay), std::memory_order_relaxed);
}

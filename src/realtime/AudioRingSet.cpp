#include "realtime/AudioRingSet.h"

#include "realtime/InterpolationTables.h"
#include "realtime/Resampler.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
constexpr std::size_t kStride = RingConfiguration::kMaxCapacity;
} // namespace

AudioRingSet::AudioRingSet()
    // Not value-initialised: the pages are touched only when a configuration uses them.
    : storage (new float[kStride * kChannels])
{
    interpolationTables();
}

float* AudioRingSet::ring (int channel) const noexcept
{
    return storage.get() + kStride * static_cast<std::size_t> (channel);
}

bool AudioRingSet::isConfigured() const noexcept
{
    const auto applied = appliedGeneration.load (std::memory_order_seq_cst);
    return configuredFlag.load (std::memory_order_seq_cst)
        && applied == requestedGeneration.load (std::memory_order_seq_cst);
}

double AudioRingSet::configure (double wRate, int wBlock, double rRate, int rBlock, double marginPercent,
                                double initialRatio, RingConfiguration* planOut) noexcept
{
    const auto plan = planRingConfiguration (wRate, wBlock, rRate, rBlock, marginPercent, initialRatio);
    if (planOut != nullptr)
        *planOut = plan;

    // Taking the generation makes the reader see the set as unconfigured at once.
    const auto generation = requestedGeneration.fetch_add (1, std::memory_order_seq_cst) + 1;
    auto& slot = requests[generation % kRequestSlots];
    slot.sequence.store (2 * generation + 1, std::memory_order_relaxed);
    std::atomic_thread_fence (std::memory_order_release);
    slot.valid.store (plan.isValid(), std::memory_order_relaxed);
    slot.writerRate.store (plan.writerRate, std::memory_order_relaxed);
    slot.readerRate.store (plan.readerRate, std::memory_order_relaxed);
    slot.writerBlock.store (plan.writerBlock, std::memory_order_relaxed);
    slot.readerBlock.store (plan.readerBlock, std::memory_order_relaxed);
    slot.targetLatency.store (plan.targetLatency, std::memory_order_relaxed);
    slot.initialRatio.store (plan.initialRatio, std::memory_order_relaxed);
    slot.capacity.store (plan.capacity, std::memory_order_relaxed);
    slot.sequence.store (2 * generation + 2, std::memory_order_release);

    if (plan.isValid())
        requestedTargetLatency.store (plan.targetLatency, std::memory_order_relaxed);
    return plan.result();
}

void AudioRingSet::applyRequest (std::uint64_t generation) noexcept
{
    auto& slot = requests[generation % kRequestSlots];
    const auto before = slot.sequence.load (std::memory_order_acquire);
    if (before != 2 * generation + 2)
        return;   // still being filled, or already replaced: tried again at the next write
    const bool valid = slot.valid.load (std::memory_order_relaxed);
    const double wRate = slot.writerRate.load (std::memory_order_relaxed);
    const double rRate = slot.readerRate.load (std::memory_order_relaxed);
    const int wBlock = slot.writerBlock.load (std::memory_order_relaxed);
    const int rBlock = slot.readerBlock.load (std::memory_order_relaxed);
    const double target = slot.targetLatency.load (std::memory_order_relaxed);
    const double firstRatio = slot.initialRatio.load (std::memory_order_relaxed);
    const int newCapacity = slot.capacity.load (std::memory_order_relaxed);
    std::atomic_thread_fence (std::memory_order_acquire);
    if (slot.sequence.load (std::memory_order_relaxed) != before)
        return;

    configuredFlag.store (false, std::memory_order_release);
    writerConfigured = false;
    samplesWritten.store (0, std::memory_order_release);

    if (valid)
    {
        writerRate.store (wRate, std::memory_order_relaxed);
        readerRate.store (rRate, std::memory_order_relaxed);
        writerBlock.store (wBlock, std::memory_order_relaxed);
        readerBlock.store (rBlock, std::memory_order_relaxed);
        targetLatency.store (target, std::memory_order_relaxed);
        ratio.store (firstRatio, std::memory_order_relaxed);
        capacity.store (newCapacity, std::memory_order_relaxed);
        for (int c = 0; c < kChannels; ++c)
            std::memset (ring (c), 0, sizeof (float) * static_cast<std::size_t> (newCapacity));

        needReset.store (true, std::memory_order_release);
        resyncCount.store (0, std::memory_order_relaxed);
        overrunCount.store (0, std::memory_order_relaxed);
        writerFilter.setBandwidth (TimeDll::kConfigureBandwidth);
        positionFilter.setBandwidth (TimeDll::kConfigureBandwidth);
        readerTimeFilter.setBandwidth (TimeDll::kConfigureBandwidth);
        writerConfigured = true;
        configuredFlag.store (true, std::memory_order_release);
    }
    appliedGeneration.store (generation, std::memory_order_release);
}

void AudioRingSet::resetHistory() noexcept
{
    for (auto& entry : history)
        entry.publish (HistoryEntry {});
}

int AudioRingSet::write (double timeStampMs, const float* const* channels, int numChannels, int n) noexcept
{
    const auto requested = requestedGeneration.load (std::memory_order_seq_cst);
    if (requested != appliedGeneration.load (std::memory_order_relaxed))
    {
        // The reader saw the set configured and may still read its rings: wait for it,
        // but not for ever (a reader that stopped inside a block never finishes it).
        if (readerInside.load (std::memory_order_seq_cst) && deferredWrites < kMaxDeferredWrites)
        {
            ++deferredWrites;
            return writeNotConfigured;
        }
        deferredWrites = 0;
        applyRequest (requested);
    }
    if (! writerConfigured || requested != appliedGeneration.load (std::memory_order_relaxed))
        return writeNotConfigured;
    if (n <= 0)
        return written;
    if (! std::isfinite (timeStampMs))
    {
        // A stamp that is not a time cannot be filtered: start the stream again.
        needReset.store (true, std::memory_order_release);
        readerNeedsSync.store (false, std::memory_order_release);
        return writerJump;
    }

    if (needReset.load (std::memory_order_acquire))
    {
        resetHistory();
        writePosition.store (0, std::memory_order_release);
        historyIndex.store (0, std::memory_order_release);
        writerFilter.reset (writerRate.load (std::memory_order_relaxed), writerBlock.load (std::memory_order_relaxed));
        needReset.store (false, std::memory_order_release);
        readerNeedsSync.store (true, std::memory_order_release);
    }

    const double t = writerFilter.update (timeStampMs * 0.001, n);
    if (writerFilter.jumped())
    {
        needReset.store (true, std::memory_order_release);
        readerNeedsSync.store (false, std::memory_order_release);
        return writerJump;
    }

    const auto cap = static_cast<std::uint32_t> (capacity.load (std::memory_order_relaxed));
    const auto mask = cap - 1;
    const auto start = writePosition.load (std::memory_order_relaxed);
    // Only the newest capacity samples of an oversized block can be kept.
    const int skip = n > static_cast<int> (cap) ? n - static_cast<int> (cap) : 0;
    const int count = n - skip;
    const auto first = static_cast<std::uint32_t> (static_cast<std::uint64_t> (start + skip)) & mask;
    const auto headCount = std::min<std::uint32_t> (static_cast<std::uint32_t> (count), cap - first);
    const auto tailCount = static_cast<std::uint32_t> (count) - headCount;
    const int channelsWritten = std::clamp (numChannels, 0, kChannels);
    for (int c = 0; c < channelsWritten; ++c)
    {
        float* dest = ring (c);
        const float* source = channels != nullptr ? channels[c] : nullptr;
        if (source == nullptr)
        {
            std::memset (dest + first, 0, sizeof (float) * headCount);
            std::memset (dest, 0, sizeof (float) * tailCount);
            continue;
        }
        std::memcpy (dest + first, source + skip, sizeof (float) * headCount);
        std::memcpy (dest, source + skip + headCount, sizeof (float) * tailCount);
    }

    const auto end = start + n;
    writePosition.store (end, std::memory_order_release);
    const auto published = convention.load (std::memory_order_relaxed) == HistoryConvention::positionAfterBlock
                               ? end
                               : start;
    const int index = historyIndex.load (std::memory_order_relaxed);
    history[static_cast<std::size_t> (index % kHistoryEntries)].publish (HistoryEntry { true, t, published });
    historyIndex.store (index + 1, std::memory_order_release);
    samplesWritten.fetch_add (n, std::memory_order_acq_rel);
    return written;
}

std::int64_t AudioRingSet::toReaderPosition (std::int64_t wp) noexcept
{
    const auto& line = writerFilter.currentLine();
    double t = 0.0;
    if (line.valid && std::abs (static_cast<double> (line.s1 - line.s0)) >= 1e-6)
        t = line.t0 + static_cast<double> (wp - line.s0) * (line.t1 - line.t0) / static_cast<double> (line.s1 - line.s0);
    return readerTimeFilter.positionAt (t).index;
}

ReadPosition AudioRingSet::writerPositionAt (double t) noexcept
{
    if (! (t > 0.0))
        return {};

    ReadPosition p;
    const int newest = historyIndex.load (std::memory_order_acquire);
    // The slot that the next write fills still holds the oldest entry, so one entry
    // fewer than the history holds can be searched without meeting the newest again.
    for (int step = 0; step < kHistoryEntries - 1; ++step)
    {
        const auto& newer = history[static_cast<std::size_t> ((newest - step - 1) & (kHistoryEntries - 1))].latest();
        if (! newer.valid)
            break;
        if (t > newer.time)
        {
            p = writerFilter.positionAt (t);
            break;
        }
        const auto& older = history[static_cast<std::size_t> ((newest - step - 2) & (kHistoryEntries - 1))].latest();
        if (! older.valid)
            break;
        if (t >= older.time)
        {
            const double span = newer.time - older.time;
            const double offset = static_cast<double> (newer.position - older.position) * (t - older.time) / span;
            // A position that is not finite counts as no match.
            const auto split = ReadPosition::fromSamples (offset);
            if (split.isFinite())
                p = { older.position + split.index, split.fraction };
            break;
        }
    }
    if (p.isZero())
        p = writerFilter.positionAt (t);
    return p;
}

int AudioRingSet::resync (bool overrun) noexcept
{
    resyncCount.fetch_add (1, std::memory_order_relaxed);
    if (overrun)
        overrunCount.fetch_add (1, std::memory_order_relaxed);
    readerNeedsSync.store (true, std::memory_order_release);
    return underrun;
}

int AudioRingSet::prepareRead (double timeStampMs, int n) noexcept
{
    dataFound = false;
    readerInside.store (false, std::memory_order_seq_cst);
    if (samplesWritten.load (std::memory_order_acquire) <= 0)
        return nothingWritten;
    if (! isConfigured())
        return notConfigured;
    if (needReset.load (std::memory_order_acquire))
        return resetPending;

    const double x = timeStampMs * 0.001;
    if (! std::isfinite (x))
        return resync (false);
    const double rRate = readerRate.load (std::memory_order_relaxed);
    const int rBlock = readerBlock.load (std::memory_order_relaxed);
    if (readerNeedsSync.exchange (false, std::memory_order_acq_rel))
    {
        readPosition = {};
        nextReadPosition = {};
        samplesRead.store (0, std::memory_order_relaxed);
        readerTimeFilter.reset (rRate, rBlock);
        positionFilter.reset (rRate, rBlock);
        readStartTime = x;
    }
    if (x < readStartTime + startDelay.load (std::memory_order_relaxed))
        return waitingForStart;

    const double t = readerTimeFilter.update (x, n);
    if (readerTimeFilter.jumped())
    {
        needReset.store (true, std::memory_order_release);
        return readerJump;
    }

    const ReadPosition p = writerPositionAt (t);
    readPosition = nextReadPosition;

    const double wRate = writerRate.load (std::memory_order_relaxed);
    const double q = positionFilter.update ((p.toSamples() - targetLatency.load (std::memory_order_relaxed)) / wRate, n)
                   * wRate;
    nextReadPosition = ReadPosition::fromSamples (q);
    if (! p.isFinite() || ! nextReadPosition.isFinite())
        return resync (false);

    double blockRatio = ratio.load (std::memory_order_relaxed);
    if (samplesRead.load (std::memory_order_relaxed) == 0)
        readPosition = nextReadPosition.movedBy (-blockRatio * n);
    if (n > 0)
        blockRatio = nextReadPosition.minus (readPosition) / n;
    if (! std::isfinite (blockRatio) || ! readPosition.isFinite())
        return resync (false);
    ratio.store (blockRatio, std::memory_order_relaxed);

    writerFilter.decayBandwidth (kWriterBandwidthFloor, kBandwidthDecay);
    readerTimeFilter.decayBandwidth (kReaderTimeBandwidthFloor, kBandwidthDecay);
    positionFilter.decayBandwidth (kPositionBandwidthFloor, kBandwidthDecay);
    samplesRead.fetch_add (n, std::memory_order_relaxed);

    const auto written = writePosition.load (std::memory_order_acquire);
    // The oldest sample the kernel needs must not have been overwritten, even by a
    // block that is being written while this one is read.
    const auto oldestKept = written + writerBlock.load (std::memory_order_relaxed) - capacity.load (std::memory_order_relaxed);
    if (std::min (readPosition.index, nextReadPosition.index) - kKernelHalfTaps < oldestKept)
        return resync (true);
    if (nextReadPosition.index + kLookAhead < written)
    {
        // Announce the read, then look again: either the writer sees the reader inside
        // and keeps a new configuration back, or the reader sees the request here.
        readerInside.store (true, std::memory_order_seq_cst);
        if (! isConfigured())
        {
            readerInside.store (false, std::memory_order_seq_cst);
            return notConfigured;
        }
        dataFound = true;
        return dataAvailable;
    }
    return resync (false);
}

void AudioRingSet::readChannel (float* out, int channel, int numSamples) noexcept
{
    readChannels (&out, &channel, 1, numSamples);
}

void AudioRingSet::readChannels (float* const* outs, const int* channels, int numChannels, int numSamples) noexcept
{
    if (! dataFound)
    {
        for (int i = 0; i < numChannels; ++i)
            std::memset (outs[i], 0, sizeof (float) * static_cast<std::size_t> (std::max (numSamples, 0)));
        return;
    }
    resampleChannels (outs, channels, numChannels, numSamples, readPosition, ratio.load (std::memory_order_relaxed),
                      1.0);
}

void AudioRingSet::resampleChannel (float* out, int channel, int numSamples, ReadPosition start, double r,
                                    double gain) const noexcept
{
    resampleChannels (&out, &channel, 1, numSamples, start, r, gain);
}

void AudioRingSet::resampleChannels (float* const* outs, const int* channels, int numChannels, int numSamples,
                                     ReadPosition start, double r, double gain) const noexcept
{
    if (numSamples <= 0)
        return;
    // Rings are read in groups that share one kernel per output sample.
    constexpr int kGroup = kChannels;
    const float* rings[kGroup];
    float* targets[kGroup];
    const auto cap = static_cast<std::uint32_t> (capacity.load (std::memory_order_relaxed));
    int count = 0;
    for (int i = 0; i < numChannels; ++i)
    {
        if (channels[i] < 0 || channels[i] >= kChannels)
        {
            std::memset (outs[i], 0, sizeof (float) * static_cast<std::size_t> (numSamples));
            continue;
        }
        rings[count] = ring (channels[i]);
        targets[count] = outs[i];
        if (++count == kGroup)
        {
            resampleRings (targets, rings, count, cap, numSamples, start, r, static_cast<float> (gain));
            count = 0;
        }
    }
    if (count > 0)
        resampleRings (targets, rings, count, cap, numSamples, start, r, static_cast<float> (gain));
}

#include "DriftSimulator.h"

#include "KernelResponse.h"

#include "realtime/InterpolationKernel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace
{
constexpr double kStartSeconds = 1.0;         // reference time of the writer's start
constexpr double kReaderOffsetSeconds = 0.0037;
constexpr double kToneAmplitude = 0.891;      // -1 dBFS
constexpr double kKernelDelay = 63.0 / 64.0;

struct RunningStats
{
    double sum = 0.0;
    double sumSquares = 0.0;
    double peak = 0.0;
    std::int64_t count = 0;

    void add (double v)
    {
        sum += v;
        sumSquares += v * v;
        peak = std::max (peak, std::abs (v));
        ++count;
    }
    double mean() const { return count > 0 ? sum / static_cast<double> (count) : 0.0; }
    double rms() const { return count > 0 ? std::sqrt (sumSquares / static_cast<double> (count)) : 0.0; }
    double deviation() const
    {
        const double m = mean();
        return count > 0 ? std::sqrt (std::max (sumSquares / static_cast<double> (count) - m * m, 0.0)) : 0.0;
    }
};
} // namespace

DriftResult runDriftSimulation (const DriftScenario& s, AudioRingSet& set, DriftLoopObserver* observer)
{
    DriftResult result;
    set.setHistoryConvention (s.convention);
    int readerBlock = s.readerBlock;
    result.targetLatency = set.configure (s.writerRate, s.writerBlock, s.readerRate, readerBlock, s.marginPercent, 0.0);

    const double writerTrueRate = s.writerRate * (1.0 + s.writerDriftPpm * 1e-6);
    const double readerTrueRate = s.readerRate * (1.0 + s.readerDriftPpm * 1e-6);
    result.trueRatio = writerTrueRate / readerTrueRate;

    int largestReaderBlock = readerBlock;
    for (const auto& change : s.blockChanges)
        largestReaderBlock = std::max (largestReaderBlock, change.readerBlock);
    const int channels = std::clamp (s.channelsRead, 0, AudioRingSet::kChannels);
    std::vector<float> writerBuffer (static_cast<std::size_t> (s.writerBlock));
    std::vector<float> readerStorage (static_cast<std::size_t> (std::max (channels, 1) * largestReaderBlock));
    std::array<float*, AudioRingSet::kChannels> outs {};
    std::array<int, AudioRingSet::kChannels> channelIndices {};
    for (int c = 0; c < channels; ++c)
    {
        outs[static_cast<std::size_t> (c)] = readerStorage.data() + static_cast<std::size_t> (c * largestReaderBlock);
        channelIndices[static_cast<std::size_t> (c)] = c;
    }
    const float* writerChannels[1] = { writerBuffer.data() };

    std::mt19937 random (s.seed);
    std::uniform_real_distribution<double> unit (-1.0, 1.0);
    const double amplitude = kToneAmplitude
                           * (channels > 0 ? kernelAmplitudeAt (kernelPrototype(), s.toneHz / s.writerRate) : 1.0);
    const double toneStep = 2.0 * M_PI * s.toneHz / s.writerRate;

    const double endSeconds = kStartSeconds + s.seconds;
    const double writerPeriod = s.writerBlock / writerTrueRate;
    std::int64_t writerBlockNumber = 0;
    std::int64_t writerGlobalSample = 0;    // the tone's sample counter, continuous through resets
    std::int64_t writerOffset = 0;          // global sample of set position 0
    double lastDeliverySeconds = kStartSeconds;
    double nextReaderSeconds = kStartSeconds + kReaderOffsetSeconds;
    double lastReaderCall = 0.0;
    std::size_t nextLate = 0;
    std::size_t nextChange = 0;

    RunningStats ratioError;
    RunningStats latency;
    RunningStats toneError;
    double firstDataSeconds = -1.0;
    double lockedSince = -1.0;
    double windowStart = -1.0;
    RunningStats window;

    if (observer != nullptr)
        observer->loopStarts();
    for (;;)
    {
        const double writerSeconds = kStartSeconds + static_cast<double> (writerBlockNumber + 1) * writerPeriod;
        if (std::min (writerSeconds, nextReaderSeconds) >= endSeconds)
            break;

        if (writerSeconds <= nextReaderSeconds)
        {
            ++writerBlockNumber;
            const std::int64_t blockStart = writerGlobalSample;
            writerGlobalSample += s.writerBlock;
            bool stalled = false;
            for (const auto& stall : s.writerStalls)
                stalled = stalled
                       || (writerSeconds >= kStartSeconds + stall.atSeconds
                           && writerSeconds < kStartSeconds + stall.atSeconds + stall.forMs * 0.001);
            if (stalled)
                continue;

            if (channels > 0)
                for (int i = 0; i < s.writerBlock; ++i)
                    writerBuffer[static_cast<std::size_t> (i)] = static_cast<float> (
                        kToneAmplitude * std::sin (toneStep * static_cast<double> (blockStart + i)));
            const double stampMs = (writerSeconds + s.writerJitterMs * 0.001 * unit (random)) * 1000.0;
            const int status = set.write (stampMs, writerChannels, channels > 0 ? 1 : 0, s.writerBlock);
            ++result.writeStatus[static_cast<std::size_t> (std::clamp (status, 0, 2))];
            ++result.writerBlocks;
            if (status == AudioRingSet::written)
            {
                if (set.getWritePosition() == s.writerBlock)
                    writerOffset = blockStart;
                lastDeliverySeconds = writerSeconds;
            }
            continue;
        }

        // A reader callback.
        double callSeconds = nextReaderSeconds;
        if (nextLate < s.lateCallbacks.size() && callSeconds >= s.lateCallbacks[nextLate].atSeconds + kStartSeconds)
            callSeconds += s.lateCallbacks[nextLate++].byMs * 0.001;
        callSeconds = std::max (callSeconds, lastReaderCall);
        lastReaderCall = callSeconds;
        if (nextChange < s.blockChanges.size() && callSeconds >= s.blockChanges[nextChange].atSeconds + kStartSeconds)
        {
            readerBlock = s.blockChanges[nextChange++].readerBlock;
            result.targetLatency = set.configure (s.writerRate, s.writerBlock, s.readerRate, readerBlock,
                                                  s.marginPercent, set.getRatio());
        }
        nextReaderSeconds += readerBlock / readerTrueRate;
        if (callSeconds >= endSeconds)
            break;

        const double stampMs = (callSeconds + s.readerJitterMs * 0.001 * unit (random)) * 1000.0;
        const int status = set.prepareRead (stampMs, readerBlock);
        struct FinishRead
        {
            AudioRingSet& set;
            ~FinishRead() { set.finishRead(); }
        } finishRead { set };
        ++result.readStatus[static_cast<std::size_t> (std::clamp (status, 0, 6))];
        ++result.readerBlocks;
        if (status == AudioRingSet::underrun && firstDataSeconds >= 0.0)
        {
            ++result.underruns;
            if (callSeconds - lastDeliverySeconds < 2.0 * writerPeriod)
                ++result.underrunsWhileWriting;
        }
        if (status != AudioRingSet::dataAvailable)
            continue;
        if (firstDataSeconds < 0.0)
            firstDataSeconds = callSeconds;

        const double ratio = set.getRatio();
        const double errorPpm = (ratio / result.trueRatio - 1.0) * 1e6;
        if (windowStart < 0.0)
            windowStart = callSeconds;
        window.add (errorPpm);
        if (callSeconds - windowStart >= 1.0)
        {
            if (std::abs (window.mean()) > s.lockTolerancePpm)
                lockedSince = -1.0;
            else if (lockedSince < 0.0)
                lockedSince = windowStart;
            if (result.lockSeconds < 0.0 && lockedSince >= 0.0 && callSeconds - lockedSince >= s.lockHoldSeconds)
                result.lockSeconds = lockedSince - firstDataSeconds;
            window = {};
            windowStart = callSeconds;
        }

        const bool settled = callSeconds >= kStartSeconds + s.settleSeconds;
        if (settled)
        {
            ratioError.add (errorPpm);
            const double writerNow = static_cast<double> (set.getWritePosition())
                                   + (callSeconds - lastDeliverySeconds) * writerTrueRate;
            latency.add (writerNow - set.getNextReadPosition().toSamples());
        }

        if (channels > 0)
        {
            set.readChannels (outs.data(), channelIndices.data(), channels, readerBlock);
            const auto start = set.getReadPosition();
            if (settled && start.index - kKernelHalfTaps > 0)
            {
                double fraction = start.fraction;
                std::int64_t index = start.index;
                for (int i = 0; i < readerBlock; ++i)
                {
                    const double position = static_cast<double> (index + writerOffset) + fraction - kKernelDelay;
                    const double ideal = amplitude * std::sin (toneStep * position);
                    toneError.add (outs[0][i] - ideal);
                    fraction += ratio;
                    const double whole = std::floor (fraction);
                    index += static_cast<std::int64_t> (whole);
                    fraction -= whole;
                }
            }
        }
    }

    if (observer != nullptr)
        observer->loopEnds();
    result.overruns = set.getOverrunCount();
    result.ratioErrorMeanPpm = ratioError.mean();
    result.ratioErrorRmsPpm = ratioError.rms();
    result.ratioErrorPeakPpm = ratioError.peak;
    result.latencyMean = latency.mean();
    result.latencyRms = latency.deviation();
    result.checkedSamples = toneError.count;
    if (toneError.count > 0)
        result.outputErrorDb = 20.0 * std::log10 (std::max (toneError.rms(), 1e-20) / (kToneAmplitude / M_SQRT2));
    return result;
}

#include "realtime/RingConfiguration.h"

#include "realtime/InterpolationKernel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
int nextPowerOfTwo (double value) noexcept
{
    int capacity = 1;
    while (capacity < RingConfiguration::kMaxCapacity && capacity < value)
        capacity *= 2;
    return capacity;
}
} // namespace

double RingConfiguration::result() const noexcept
{
    switch (validity)
    {
        case Validity::valid: return targetLatency;
        case Validity::readerRateOutOfRange: return std::numeric_limits<double>::infinity();
        case Validity::blockNotPositive: return 0.0;
    }
    return 0.0;
}

RingConfiguration planRingConfiguration (double writerRate, int writerBlock, double readerRate, int readerBlock,
                                         double marginPercent, double initialRatio) noexcept
{
    RingConfiguration plan;
    plan.writerRate = writerRate;
    plan.readerRate = readerRate;
    plan.writerBlock = writerBlock;
    plan.readerBlock = readerBlock;
    plan.requestedMarginPercent = marginPercent;
    plan.marginPercent = marginPercent;

    if (! (readerRate >= RingConfiguration::kMinReaderRate && readerRate <= RingConfiguration::kMaxReaderRate))
    {
        plan.validity = RingConfiguration::Validity::readerRateOutOfRange;
        return plan;
    }
    if (writerBlock < 1 || readerBlock < 1 || ! (writerRate > 0.0) || ! std::isfinite (writerRate))
    {
        plan.validity = RingConfiguration::Validity::blockNotPositive;
        return plan;
    }

    plan.validity = RingConfiguration::Validity::valid;
    plan.initialRatio = std::isfinite (initialRatio) && std::abs (initialRatio) >= 0.01 ? initialRatio
                                                                                         : writerRate / readerRate;

    // Writer samples per percent of margin.
    const double perPercent = (readerBlock / readerRate + writerBlock / writerRate) * 2.0 * writerRate / 100.0;
    const double fixedPart = static_cast<double> (writerBlock) + readerBlock + kKernelTaps;
    const double largestTarget = RingConfiguration::kMaxCapacity / 2.0 - fixedPart;
    const double wanted = perPercent * std::max (marginPercent, 0.0);
    if (wanted > largestTarget)
    {
        plan.marginClamped = true;
        plan.marginPercent = std::max (largestTarget, 0.0) / perPercent;
    }
    else
    {
        plan.marginPercent = std::max (marginPercent, 0.0);
    }
    plan.targetLatency = perPercent * plan.marginPercent;

    const double needed = std::max (static_cast<double> (readerBlock) * RingConfiguration::kReaderBlocksHeld,
                                    2.0 * (plan.targetLatency + fixedPart));
    plan.capacity = nextPowerOfTwo (needed);
    return plan;
}

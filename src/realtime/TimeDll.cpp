#include "realtime/TimeDll.h"

#include <cmath>

void TimeDll::reset (double rate, int blockSize) noexcept
{
    first = true;
    nominalBlock = blockSize > 0 ? blockSize : 1;
    line.valid = false;
    samplePeriod = rate > 0.0 ? 1.0 / rate : 0.0;
    nominalPeriodSeconds = nominalBlock * samplePeriod;
    publish();
    jump = false;
    configured.store (true, std::memory_order_release);
}

double TimeDll::update (double x, int n) noexcept
{
    if (! configured.load (std::memory_order_acquire))
        return line.t0;

    if (first)
    {
        line.t0 = x;
        line.e2 = nominalPeriodSeconds;
        line.t1 = x + line.e2;
        line.s0 = n;
        line.s1 = static_cast<std::int64_t> (n) + nominalBlock;
        line.valid = true;
        publish();
        first = false;
        return line.t0;
    }

    const double predicted = line.t0 + (static_cast<double> (n) / nominalBlock) * (line.t1 - line.t0);
    if (x - predicted >= 3.0 * nominalPeriodSeconds)
        jump = true;

    const double err = x - predicted;
    const double w = 2.0 * M_PI * getBandwidth() * n * samplePeriod;
    line.s1 = line.s0 + nominalBlock + n;
    line.s0 += n;
    line.t0 = predicted;
    line.valid = true;
    const double previousPeriod = line.e2;
    line.t1 = predicted + M_SQRT2 * w * err + previousPeriod;
    line.e2 = previousPeriod + w * w * err;
    publish();
    return predicted;
}

void TimeDll::publish() noexcept
{
    published.publish (line);
}

ReadPosition TimeDll::positionOnLine (const TimeDllLine& l, double x) noexcept
{
    if (! l.valid || ! (std::abs (l.t1 - l.t0) >= 1e-6))
        return {};
    const double p = static_cast<double> (l.s1 - l.s0) * (x - l.t0) / (l.t1 - l.t0);
    const auto split = ReadPosition::fromSamples (p);
    return { l.s0 + split.index, split.fraction };
}

ReadPosition TimeDll::positionAt (double x) noexcept
{
    return positionOnLine (published.latest(), x);
}

void TimeDll::decayBandwidth (double floorHz, double factor) noexcept
{
    auto current = bandwidth.load (std::memory_order_relaxed);
    while (! bandwidth.compare_exchange_weak (current, current - (current - floorHz) * factor,
                                              std::memory_order_relaxed))
    {
    }
}

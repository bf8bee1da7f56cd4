#include "platform/Clock.h"

#include <time.h>

Clock& Clock::system() noexcept
{
    static MonotonicClock clock;
    return clock;
}

double MonotonicClock::nowMs() const noexcept
{
    // CLOCK_MONOTONIC: the clock the engine's block stamps are taken from.
    timespec t {};
    ::clock_gettime (CLOCK_MONOTONIC, &t);
    return static_cast<double> (t.tv_sec) * 1000.0 + static_cast<double> (t.tv_nsec) * 1.0e-6;
}

void DrivenClock::advanceMs (double ms) noexcept
{
    double expected = now.load (std::memory_order_relaxed);
    while (! now.compare_exchange_weak (expected, expected + ms, std::memory_order_acq_rel))
    {
    }
}

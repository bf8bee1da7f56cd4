#pragma once

#include <atomic>

// The monotonic clock in milliseconds on which the engine stamps its audio blocks
// and the host callback stamps its own. Reading it never blocks or allocates, so
// audio threads read it. The running program uses the system's clock; tests drive
// one by hand.
class Clock
{
public:
    virtual ~Clock() = default;

    // Any thread: milliseconds since an arbitrary start, never going back.
    virtual double nowMs() const noexcept = 0;

    // The system's monotonic clock (the engine's stamps), shared by everyone.
    static Clock& system() noexcept;
};

// The system's monotonic clock.
class MonotonicClock final : public Clock
{
public:
    double nowMs() const noexcept override;
};

// A clock that moves only when told: tests set and advance it from any thread.
class DrivenClock final : public Clock
{
public:
    explicit DrivenClock (double startMs = 1000.0) noexcept : now (startMs) {}

    double nowMs() const noexcept override { return now.load (std::memory_order_acquire); }
    void setMs (double ms) noexcept { now.store (ms, std::memory_order_release); }
    void advanceMs (double ms) noexcept;

private:
    std::atomic<double> now;
};

#pragma once

#include "platform/SchedulerBackend.h"

#include <cstdint>
#include <memory>

// Registers the calling thread for real-time scheduling for as long as the
// guard lives (see makeThreadCharacteristicsGuard). Task types: 0 "Audio",
// 1 "Pro Audio". Priorities: 0 low, 1 normal, 2 high, 3 critical (scheduler
// values -1..2). Anything else is a programming error: std::invalid_argument
// "Unknown task type." / "Unknown priority.". A refused registration is logged
// and the thread runs on at its ordinary priority; the priority argument is
// then neither checked nor applied. An unknown priority after a successful
// registration takes the registration back before it throws, so the thread
// does not keep real-time scheduling that nothing would ever release.
struct ScopedThreadCharacteristics
{
    ScopedThreadCharacteristics (int taskType, int priority, SchedulerBackend& backend = systemSchedulerBackend());

    SchedulerBackend::TaskHandle taskHandle = nullptr;   // null when the registration failed
    std::uint32_t taskIndex = 0;
    SchedulerBackend& backend;

    ScopedThreadCharacteristics (const ScopedThreadCharacteristics&) = delete;
    ScopedThreadCharacteristics& operator= (const ScopedThreadCharacteristics&) = delete;
};

// The guard's deleter: takes the registration back (when there is one) and
// frees the record. Runs on the registered thread, at the end of its work.
void releaseThreadCharacteristics (ScopedThreadCharacteristics* characteristics);

struct ThreadCharacteristicsReleaser
{
    void operator() (ScopedThreadCharacteristics* c) const { releaseThreadCharacteristics (c); }
};

using ThreadCharacteristicsGuard = std::unique_ptr<ScopedThreadCharacteristics, ThreadCharacteristicsReleaser>;

inline ThreadCharacteristicsGuard makeThreadCharacteristicsGuard (int taskType, int priority,
                                                                  SchedulerBackend& backend = systemSchedulerBackend())
{
    return ThreadCharacteristicsGuard (new ScopedThreadCharacteristics (taskType, priority, backend));
}

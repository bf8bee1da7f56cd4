#pragma once

#include <cstdint>
#include <string>

// Real-time scheduling of the calling thread, modelled on a multimedia class
// scheduler: a thread registers under a task name ("Audio", "Pro Audio"), may
// then raise or lower its priority relative to the task's base, and takes the
// registration back when its work ends. All calls concern the calling thread;
// registration, priority changes and revert happen on the same thread.
class SchedulerBackend
{
public:
    // Opaque registration; nullptr means "not registered".
    using TaskHandle = void*;

    virtual ~SchedulerBackend() = default;

    // Registers the calling thread under the task name and fills taskIndex with
    // a number that names the registration in log lines. Returns nullptr when
    // the registration is refused (see lastError).
    virtual TaskHandle setThreadCharacteristics (const std::string& taskName, std::uint32_t& taskIndex) = 0;

    // Relative priority -1 (low) .. 2 (critical). False when refused.
    virtual bool setThreadPriority (TaskHandle task, int relativePriority) = 0;

    // Gives the thread back its scheduling from before the registration and
    // ends the registration (the handle is invalid afterwards, also on failure).
    virtual bool revertThreadCharacteristics (TaskHandle task) = 0;

    // The system's error code of the calling thread's last failed call.
    virtual int lastError() const = 0;
};

// The scheduler of this platform (SCHED_FIFO on Linux); lives for the whole process.
SchedulerBackend& systemSchedulerBackend();

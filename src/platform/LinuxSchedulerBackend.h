#pragma once

#include "platform/SchedulerBackend.h"

#include <atomic>

// SCHED_FIFO in place of the multimedia class scheduler: "Audio" runs at base
// priority 60 and "Pro Audio" at 70, and the relative priority -1/0/1/2 moves it
// by -5/0/+5/+10, kept within what the system allows. Registration saves the
// thread's policy and priority, and revert puts them back. Without the right to
// real-time scheduling (EPERM) the registration is refused; callers log it and
// run on at their ordinary priority.
class LinuxSchedulerBackend : public SchedulerBackend
{
public:
    static constexpr int audioBasePriority = 60;
    static constexpr int proAudioBasePriority = 70;
    static constexpr int relativePriorityStep = 5;

    TaskHandle setThreadCharacteristics (const std::string& taskName, std::uint32_t& taskIndex) override;
    bool setThreadPriority (TaskHandle task, int relativePriority) override;
    bool revertThreadCharacteristics (TaskHandle task) override;
    int lastError() const override;

    // The SCHED_FIFO priority for a task name (-1 for an unknown name) and a
    // relative priority, limited to the system's range.
    static int fifoPriority (const std::string& taskName, int relativePriority);

private:
    std::atomic<std::uint32_t> nextTaskIndex { 1 };
};

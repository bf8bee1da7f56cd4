#include "platform/LinuxSchedulerBackend.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace
{
thread_local int threadLastError = 0;

struct Registration
{
    pthread_t thread;
    int savedPolicy;
    sched_param savedParam;
    std::string taskName;
};

int basePriority (const std::string& taskName)
{
    if (taskName == "Audio")
        return LinuxSchedulerBackend::audioBasePriority;
    if (taskName == "Pro Audio")
        return LinuxSchedulerBackend::proAudioBasePriority;
    return -1;
}

bool setFifo (pthread_t thread, int priority)
{
    sched_param param {};
    param.sched_priority = priority;

    if (const int error = ::pthread_setschedparam (thread, SCHED_FIFO, &param); error != 0)
    {
        threadLastError = error;
        return false;
    }
    return true;
}
} // namespace

int LinuxSchedulerBackend::fifoPriority (const std::string& taskName, int relativePriority)
{
    const int base = basePriority (taskName);
    if (base < 0)
        return -1;

    return std::clamp (base + relativePriority * relativePriorityStep,
                       ::sched_get_priority_min (SCHED_FIFO),
                       ::sched_get_priority_max (SCHED_FIFO));
}

SchedulerBackend::TaskHandle LinuxSchedulerBackend::setThreadCharacteristics (const std::string& taskName,
                                                                              std::uint32_t& taskIndex)
{
    const int priority = fifoPriority (taskName, 0);
    if (priority < 0)
    {
        threadLastError = EINVAL;
        return nullptr;
    }

    auto registration = std::make_unique<Registration>();
    registration->thread = ::pthread_self();
    registration->taskName = taskName;

    if (const int error = ::pthread_getschedparam (registration->thread, &registration->savedPolicy,
                                                   &registration->savedParam);
        error != 0)
    {
        threadLastError = error;
        return nullptr;
    }

    if (! setFifo (registration->thread, priority))
        return nullptr;

    taskIndex = nextTaskIndex.fetch_add (1);
    return registration.release();
}

bool LinuxSchedulerBackend::setThreadPriority (TaskHandle task, int relativePriority)
{
    auto* registration = static_cast<Registration*> (task);
    if (registration == nullptr || relativePriority < -1 || relativePriority > 2)
    {
        threadLastError = EINVAL;
        return false;
    }

    return setFifo (registration->thread, fifoPriority (registration->taskName, relativePriority));
}

bool LinuxSchedulerBackend::revertThreadCharacteristics (TaskHandle task)
{
    std::unique_ptr<Registration> registration (static_cast<Registration*> (task));
    if (registration == nullptr)
    {
        threadLastError = EINVAL;
        return false;
    }

    if (const int error = ::pthread_setschedparam (registration->thread, registration->savedPolicy,
                                                   &registration->savedParam);
        error != 0)
    {
        threadLastError = error;
        return false;
    }
    return true;
}

int LinuxSchedulerBackend::lastError() const
{
    return threadLastError;
}

SchedulerBackend& systemSchedulerBackend()
{
    static LinuxSchedulerBackend backend;
    return backend;
}

#include "foundation/ScopedThreadCharacteristics.h"

#include "foundation/Logger.h"

#include <stdexcept>

namespace
{
const char* taskName (int taskType)
{
    switch (taskType)
    {
        case 0: return "Audio";
        case 1: return "Pro Audio";
        default: throw std::invalid_argument ("Unknown task type.");
    }
}

int relativePriority (int priority)
{
    if (priority < 0 || priority > 3)
        throw std::invalid_argument ("Unknown priority.");

    return priority - 1;   // low -1, normal 0, high 1, critical 2
}
} // namespace

ScopedThreadCharacteristics::ScopedThreadCharacteristics (int taskType, int priority, SchedulerBackend& schedulerBackend)
    : backend (schedulerBackend)
{
    const char* name = taskName (taskType);

    taskHandle = backend.setThreadCharacteristics (name, taskIndex);
    if (taskHandle == nullptr)
    {
        FH_LOG (spdlog::level::err, "Failed to set thread characteristics to '{}'. Error: {}", name, backend.lastError());
        return;
    }

    FH_LOG (spdlog::level::debug, "Thread characteristics set to '{}' for thread with index {}.", name, taskIndex);

    int value = 0;
    try
    {
        value = relativePriority (priority);
    }
    catch (const std::invalid_argument&)
    {
        // No guard will exist to release the registration: take it back now.
        if (! backend.revertThreadCharacteristics (taskHandle))
            FH_LOG (spdlog::level::err, "Failed to revert thread characteristics. Error: {}", backend.lastError());
        taskHandle = nullptr;
        throw;
    }

    if (backend.setThreadPriority (taskHandle, value))
        FH_LOG (spdlog::level::debug, "Relative thread priority set to {} for thread with index {}.", value, taskIndex);
    else
        FH_LOG (spdlog::level::err, "Failed to set relative thread priority to {}. Error: {} ", value, backend.lastError());
}

void releaseThreadCharacteristics (ScopedThreadCharacteristics* characteristics)
{
    if (characteristics != nullptr && characteristics->taskHandle != nullptr)
    {
        if (characteristics->backend.revertThreadCharacteristics (characteristics->taskHandle))
            FH_LOG (spdlog::level::debug, "Thread characteristics reverted for thread with index {}.", characteristics->taskIndex);
        else
            FH_LOG (spdlog::level::err, "Failed to revert thread characteristics. Error: {}", characteristics->backend.lastError());
    }

    delete characteristics;
}

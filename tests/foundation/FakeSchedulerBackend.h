#pragma once

#include "platform/SchedulerBackend.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A scheduler that records what it is asked and refuses what the test tells it to.
class FakeSchedulerBackend : public SchedulerBackend
{
public:
    bool refuseRegistration = false;
    bool refusePriority = false;
    bool refuseRevert = false;
    int errorCode = 1;
    std::uint32_t indexToGive = 7;

    std::vector<std::string> registrations;   // task names asked for
    std::vector<int> priorities;              // relative priorities asked for
    int reverts = 0;
    int liveRegistrations = 0;

    TaskHandle setThreadCharacteristics (const std::string& taskName, std::uint32_t& taskIndex) override
    {
        registrations.push_back (taskName);
        if (refuseRegistration)
            return nullptr;
        taskIndex = indexToGive;
        ++liveRegistrations;
        return this;
    }

    bool setThreadPriority (TaskHandle task, int relativePriority) override
    {
        EXPECT_EQ (task, this);
        priorities.push_back (relativePriority);
        return ! refusePriority;
    }

    bool revertThreadCharacteristics (TaskHandle task) override
    {
        EXPECT_EQ (task, this);
        ++reverts;
        --liveRegistrations;
        return ! refuseRevert;
    }

    int lastError() const override { return errorCode; }
};

// Named worker threads and the real-time scheduling guard (over a fake scheduler).
#include "FakeSchedulerBackend.h"

#include "foundation/InternalThread.h"
#include "foundation/ScopedThreadCharacteristics.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <stdexcept>

namespace
{
bool waitUntil (const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (! condition())
    {
        if (std::chrono::steady_clock::now() >= deadline)
            return condition();
        juce::Thread::sleep (2);
    }
    return true;
}
} // namespace

TEST (InternalThreadTest, RunsTheBodyOnANamedThreadUntilAskedToExit)
{
    std::atomic<int> passes { 0 };
    juce::String seenName;
    std::atomic<bool> ranOnCaller { false };
    const auto caller = juce::Thread::getCurrentThreadId();

    InternalThread* self = nullptr;
    InternalThread thread ("MachineDataObject", [&]
    {
        seenName = juce::Thread::getCurrentThread()->getThreadName();
        ranOnCaller = juce::Thread::getCurrentThreadId() == caller;
        while (! self->threadShouldExit())
        {
            ++passes;
            self->wait (-1);
        }
    });
    self = &thread;

    EXPECT_FALSE (thread.isThreadRunning());   // construction does not start it
    ASSERT_TRUE (thread.startThread (juce::Thread::Priority::high));
    ASSERT_TRUE (waitUntil ([&] { return passes.load() == 1; }, std::chrono::seconds (10)));
    thread.notify();
    ASSERT_TRUE (waitUntil ([&] { return passes.load() == 2; }, std::chrono::seconds (10)));

    thread.signalThreadShouldExit();
    thread.notify();
    ASSERT_TRUE (thread.waitForThreadToExit (10000));
    EXPECT_EQ (seenName, "MachineDataObject");
    EXPECT_FALSE (ranOnCaller.load());
}

TEST (InternalThreadTest, ANeverStartedThreadCanBeDestroyed)
{
    bool ran = false;
    {
        InternalThread thread ("CharacteristicsChangedThread", [&] { ran = true; });
    }
    EXPECT_FALSE (ran);
}

TEST (InternalThreadTest, DestroyingARunningThreadStopsItBeforeTheBodyGoes)
{
    std::atomic<bool> started { false }, finished { false };
    {
        InternalThread* self = nullptr;
        InternalThread thread ("Forgotten", [&]
        {
            started = true;
            while (! self->threadShouldExit())
                self->wait (-1);
            finished = true;
        });
        self = &thread;
        thread.startThread();
        ASSERT_TRUE (waitUntil ([&] { return started.load(); }, std::chrono::seconds (10)));
    }
    EXPECT_TRUE (finished.load());
}

TEST (InternalThreadTest, AnEmptyBodyIsLoggedAndEndsTheThread)
{
    fhtest::ScopedLogCapture log;
    InternalThread thread ("Empty", {});
    thread.startThread();
    ASSERT_TRUE (thread.waitForThreadToExit (10000));
    EXPECT_TRUE (log.contains ("Thread 'Empty' was started without work."));
}

namespace
{
struct GuardCase
{
    int taskType;
    int priority;
    const char* taskName;
    int schedulerPriority;
};
} // namespace

TEST (ScopedThreadCharacteristicsTest, RegistersTheTaskAndItsRelativePriorityThenReverts)
{
    const GuardCase cases[] = {
        { 0, 0, "Audio", -1 },     { 0, 1, "Audio", 0 },      { 0, 2, "Audio", 1 },      { 0, 3, "Audio", 2 },
        { 1, 0, "Pro Audio", -1 }, { 1, 1, "Pro Audio", 0 }, { 1, 2, "Pro Audio", 1 }, { 1, 3, "Pro Audio", 2 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (std::string (c.taskName) + " priority " + std::to_string (c.priority));
        fhtest::ScopedLogCapture log;
        FakeSchedulerBackend scheduler;
        {
            auto guard = makeThreadCharacteristicsGuard (c.taskType, c.priority, scheduler);
            EXPECT_NE (guard->taskHandle, nullptr);
            EXPECT_EQ (guard->taskIndex, 7u);
            EXPECT_EQ (scheduler.registrations, std::vector<std::string> { c.taskName });
            EXPECT_EQ (scheduler.priorities, std::vector<int> { c.schedulerPriority });
            EXPECT_EQ (scheduler.reverts, 0);
        }
        EXPECT_EQ (scheduler.reverts, 1);
        EXPECT_EQ (scheduler.liveRegistrations, 0);

        const auto lines = log.lines();
        const std::vector<std::string> expected {
            "Thread characteristics set to '" + std::string (c.taskName) + "' for thread with index 7.",
            "Relative thread priority set to " + std::to_string (c.schedulerPriority) + " for thread with index 7.",
            "Thread characteristics reverted for thread with index 7.",
        };
        EXPECT_EQ (lines, expected);
    }
}

TEST (ScopedThreadCharacteristicsTest, AnUnknownTaskTypeThrowsAndRegistersNothing)
{
    FakeSchedulerBackend scheduler;
    for (int type : { 2, -1 })
    {
        try
        {
            ScopedThreadCharacteristics c (type, 3, scheduler);
            ADD_FAILURE() << "no exception for task type " << type;
        }
        catch (const std::invalid_argument& e)
        {
            EXPECT_STREQ (e.what(), "Unknown task type.");
        }
    }
    EXPECT_TRUE (scheduler.registrations.empty());
}

TEST (ScopedThreadCharacteristicsTest, AnUnknownPriorityThrowsAndTakesTheRegistrationBack)
{
    FakeSchedulerBackend scheduler;
    for (int priority : { 4, -1, 7 })
    {
        try
        {
            makeThreadCharacteristicsGuard (1, priority, scheduler);
            ADD_FAILURE() << "no exception for priority " << priority;
        }
        catch (const std::invalid_argument& e)
        {
            EXPECT_STREQ (e.what(), "Unknown priority.");
        }
    }
    EXPECT_EQ (scheduler.registrations.size(), 3u);
    EXPECT_TRUE (scheduler.priorities.empty());
    EXPECT_EQ (scheduler.liveRegistrations, 0);
}

TEST (ScopedThreadCharacteristicsTest, ARefusedRegistrationIsLoggedAndReleasedSilently)
{
    fhtest::ScopedLogCapture log;
    FakeSchedulerBackend scheduler;
    scheduler.refuseRegistration = true;
    scheduler.errorCode = 1;   // EPERM

    {
        // The priority is not even looked at when there is no registration.
        auto guard = makeThreadCharacteristicsGuard (1, 7, scheduler);
        EXPECT_EQ (guard->taskHandle, nullptr);
        EXPECT_EQ (guard->taskIndex, 0u);
    }

    EXPECT_TRUE (scheduler.priorities.empty());
    EXPECT_EQ (scheduler.reverts, 0);
    EXPECT_EQ (log.lines(), std::vector<std::string> { "Failed to set thread characteristics to 'Pro Audio'. Error: 1" });
}

TEST (ScopedThreadCharacteristicsTest, RefusedPriorityAndRefusedRevertAreLogged)
{
    fhtest::ScopedLogCapture log;
    FakeSchedulerBackend scheduler;
    scheduler.refusePriority = true;
    scheduler.refuseRevert = true;
    scheduler.errorCode = 22;

    makeThreadCharacteristicsGuard (1, 3, scheduler).reset();

    EXPECT_EQ (scheduler.reverts, 1);
    EXPECT_TRUE (log.contains ("Failed to set relative thread priority to 2. Error: 22 "));
    EXPECT_TRUE (log.contains ("Failed to revert thread characteristics. Error: 22"));
}

TEST (ScopedThreadCharacteristicsTest, ReleasingNothingIsHarmless)
{
    releaseThreadCharacteristics (nullptr);
    ThreadCharacteristicsGuard empty;
    empty.reset();
}

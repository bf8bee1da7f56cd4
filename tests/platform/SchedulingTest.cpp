// The Linux scheduler behind the real-time guard, and the mapping of the old
// thread-priority numbers.
#include "foundation/ScopedThreadCharacteristics.h"
#include "platform/LinuxSchedulerBackend.h"
#include "platform/ThreadPriority.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace
{
struct Policy
{
    int policy = -1;
    int priority = -1;
};

Policy currentPolicy()
{
    Policy p;
    sched_param param {};
    ::pthread_getschedparam (::pthread_self(), &p.policy, &param);
    p.priority = param.sched_priority;
    return p;
}

template <typename Fn>
void onFreshThread (Fn&& fn)
{
    std::thread t (std::forward<Fn> (fn));
    t.join();
}
} // namespace

TEST (ThreadPriorityLevels, OldNumbersMapToNamedPriorities)
{
    using P = juce::Thread::Priority;
    const std::pair<int, P> cases[] = {
        { 0, P::normal }, { 5, P::normal }, { 6, P::normal }, { 7, P::high },
        { 8, P::highest }, { 9, P::highest }, { 10, P::normal }, { -1, P::normal },
    };
    for (const auto& [level, priority] : cases)
        EXPECT_EQ (threadPriorityFromLevel (level), priority) << level;
}

TEST (LinuxSchedulerBackendTest, FifoPrioritiesFollowTheTaskBaseAndStep)
{
    const int max = ::sched_get_priority_max (SCHED_FIFO);
    const struct
    {
        const char* task;
        int relative;
        int expected;
    } cases[] = {
        { "Audio", -1, 55 }, { "Audio", 0, 60 }, { "Audio", 1, 65 }, { "Audio", 2, 70 },
        { "Pro Audio", -1, 65 }, { "Pro Audio", 0, 70 }, { "Pro Audio", 1, 75 }, { "Pro Audio", 2, 80 },
        { "Pro Audio", 8, max },   // never above what the system allows
        { "Games", 0, -1 },
    };
    for (const auto& c : cases)
        EXPECT_EQ (LinuxSchedulerBackend::fifoPriority (c.task, c.relative), c.expected) << c.task << " " << c.relative;
}

// Real-time scheduling needs a privilege the test machine may not give: either
// the thread really runs SCHED_FIFO and gets its old policy back, or the refusal
// (EPERM) is reported and the thread is left as it was.
TEST (LinuxSchedulerBackendTest, RegistersAndRevertsOrReportsTheRefusal)
{
    onFreshThread ([]
    {
        LinuxSchedulerBackend backend;
        const auto before = currentPolicy();
        std::uint32_t index = 0;

        auto task = backend.setThreadCharacteristics ("Pro Audio", index);
        if (task == nullptr)
        {
            EXPECT_EQ (backend.lastError(), EPERM);
            EXPECT_EQ (currentPolicy().policy, before.policy);
            EXPECT_EQ (currentPolicy().priority, before.priority);
            return;
        }

        EXPECT_NE (index, 0u);
        EXPECT_EQ (currentPolicy().policy, SCHED_FIFO);
        EXPECT_EQ (currentPolicy().priority, 70);
        EXPECT_TRUE (backend.setThreadPriority (task, 2));
        EXPECT_EQ (currentPolicy().priority, 80);
        EXPECT_TRUE (backend.revertThreadCharacteristics (task));
        EXPECT_EQ (currentPolicy().policy, before.policy);
        EXPECT_EQ (currentPolicy().priority, before.priority);
    });
}

TEST (LinuxSchedulerBackendTest, TheGuardOnTheSystemSchedulerNeverFails)
{
    onFreshThread ([]
    {
        fhtest::ScopedLogCapture log;
        const auto before = currentPolicy();
        {
            auto guard = makeThreadCharacteristicsGuard (1, 3);
            if (guard->taskHandle == nullptr)
                EXPECT_TRUE (log.contains ("Failed to set thread characteristics to 'Pro Audio'. Error: "
                                           + std::to_string (EPERM)));
            else
                EXPECT_EQ (currentPolicy().priority, 80);
        }
        EXPECT_EQ (currentPolicy().policy, before.policy);
    });
}

// Without the privilege (an ordinary user, no real-time allowance) the system
// refuses with EPERM; the backend reports it and leaves the thread as it was.
// Checked in a forked child that gives up its privileges first.
TEST (LinuxSchedulerBackendTest, WithoutThePrivilegeTheRefusalIsEPERM)
{
    const pid_t pid = ::fork();
    ASSERT_GE (pid, 0);

    if (pid == 0)
    {
        const rlimit none { 0, 0 };
        ::setrlimit (RLIMIT_RTPRIO, &none);
        if (::geteuid() == 0 && ::setresuid (65534, 65534, 65534) != 0)
            ::_exit (3);

        int policyBefore = -1;
        sched_param paramBefore {};
        ::pthread_getschedparam (::pthread_self(), &policyBefore, &paramBefore);

        LinuxSchedulerBackend backend;
        std::uint32_t index = 0;
        auto task = backend.setThreadCharacteristics ("Pro Audio", index);

        int policyAfter = -1;
        sched_param paramAfter {};
        ::pthread_getschedparam (::pthread_self(), &policyAfter, &paramAfter);

        if (task != nullptr)
            ::_exit (4);
        if (backend.lastError() != EPERM)
            ::_exit (5);
        ::_exit (policyAfter == policyBefore && index == 0 ? 0 : 6);
    }

    int status = 0;
    ASSERT_EQ (::waitpid (pid, &status, 0), pid);
    ASSERT_TRUE (WIFEXITED (status));
    if (WEXITSTATUS (status) == 3)
        GTEST_SKIP() << "cannot give up privileges here";
    EXPECT_EQ (WEXITSTATUS (status), 0) << "4: registered anyway, 5: other error, 6: thread changed";
}

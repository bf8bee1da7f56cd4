#include "support/AudioThreadChecks.h"

#include <juce_core/juce_core.h>

#include <boost/date_time/posix_time/posix_time_types.hpp>
#include <boost/interprocess/sync/interprocess_semaphore.hpp>
#include <boost/interprocess/sync/named_semaphore.hpp>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <pthread.h>
#include <semaphore.h>
#include <shared_mutex>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using fhtest::AudioThreadCalls;
using fhtest::callsOnAudioThread;

namespace
{
// Keeps the optimiser from removing an allocation that nothing reads.
void keep (const void* p)
{
    asm volatile ("" : : "g"(p) : "memory");
}

timespec secondsFromNow (int seconds, clockid_t clock = CLOCK_REALTIME)
{
    timespec t {};
    clock_gettime (clock, &t);
    t.tv_sec += seconds;
    return t;
}

std::string uniqueName (const char* what)
{
    return std::string ("fh-checks-") + what + "-" + std::to_string (::getpid());
}

struct CountCase
{
    const char* name;
    std::function<AudioThreadCalls()> run;   // sets up unmarked, acts marked, returns what the marked part did
    AudioThreadCalls expected;
};

constexpr AudioThreadCalls heapCalls (std::uint64_t n) { return { .heap = n }; }
constexpr AudioThreadCalls mutexWaits (std::uint64_t n) { return { .mutexWaits = n }; }
constexpr AudioThreadCalls rwWaits (std::uint64_t n) { return { .readWriteLockWaits = n }; }
constexpr AudioThreadCalls semaphoreWaits (std::uint64_t n) { return { .semaphoreWaits = n }; }

std::vector<CountCase> countCases()
{
    return {
        // Heap
        { "NewAndDelete", [] { return callsOnAudioThread ([] { auto* p = new int (7); keep (p); delete p; }); }, heapCalls (2) },
        { "MallocAndFree", [] { return callsOnAudioThread ([] { void* p = std::malloc (64); keep (p); std::free (p); }); }, heapCalls (2) },
        { "Realloc",
          [] {
              void* p = std::malloc (16);
              const auto calls = callsOnAudioThread ([&] { p = std::realloc (p, 4096); keep (p); });
              std::free (p);
              return calls;
          },
          heapCalls (1) },
        { "LongString", [] { return callsOnAudioThread ([] { std::string s (200, 'x'); keep (s.data()); }); }, heapCalls (2) },
        { "VectorPushBack", [] { return callsOnAudioThread ([] { std::vector<int> v; v.push_back (1); keep (v.data()); }); }, heapCalls (2) },
        { "JuceString", [] { return callsOnAudioThread ([] { juce::String s ("a text longer than any small buffer"); keep (s.toRawUTF8()); }); }, heapCalls (2) },
        { "ReservedVectorPushBack",
          [] {
              std::vector<int> v;
              v.reserve (8);
              return callsOnAudioThread ([&] { v.push_back (1); keep (v.data()); });
          },
          {} },
        { "FreeOfNull", [] { return callsOnAudioThread ([] { std::free (nullptr); }); }, {} },

        // Mutexes
        { "StdMutexLock", [] { std::mutex m; return callsOnAudioThread ([&] { m.lock(); m.unlock(); }); }, mutexWaits (1) },
        { "StdMutexTryLock", [] { std::mutex m; return callsOnAudioThread ([&] { if (m.try_lock()) m.unlock(); }); }, {} },
        { "StdRecursiveMutexLock", [] { std::recursive_mutex m; return callsOnAudioThread ([&] { m.lock(); m.lock(); m.unlock(); m.unlock(); }); }, mutexWaits (2) },
        { "StdTimedMutexTryLockFor",
          [] {
              std::timed_mutex m;
              return callsOnAudioThread ([&] { if (m.try_lock_for (std::chrono::milliseconds (10))) m.unlock(); });
          },
          mutexWaits (1) },
        { "StdTimedMutexTryLock", [] { std::timed_mutex m; return callsOnAudioThread ([&] { if (m.try_lock()) m.unlock(); }); }, {} },
        { "JuceCriticalSectionEnter", [] { juce::CriticalSection cs; return callsOnAudioThread ([&] { const juce::ScopedLock lock (cs); }); }, mutexWaits (1) },
        { "JuceCriticalSectionTryEnter", [] { juce::CriticalSection cs; return callsOnAudioThread ([&] { const juce::ScopedTryLock lock (cs); }); }, {} },
        { "PthreadMutexLock",
          [] {
              pthread_mutex_t m = PTHREAD_MUTEX_INITIALIZER;
              return callsOnAudioThread ([&] { pthread_mutex_lock (&m); pthread_mutex_unlock (&m); });
          },
          mutexWaits (1) },
        { "PthreadMutexTimedLock",
          [] {
              pthread_mutex_t m = PTHREAD_MUTEX_INITIALIZER;
              const auto deadline = secondsFromNow (5);
              return callsOnAudioThread ([&] { if (pthread_mutex_timedlock (&m, &deadline) == 0) pthread_mutex_unlock (&m); });
          },
          mutexWaits (1) },
        { "PthreadMutexTryLock",
          [] {
              pthread_mutex_t m = PTHREAD_MUTEX_INITIALIZER;
              return callsOnAudioThread ([&] { if (pthread_mutex_trylock (&m) == 0) pthread_mutex_unlock (&m); });
          },
          {} },

        // Read-write locks
        { "SharedMutexExclusive", [] { std::shared_mutex m; return callsOnAudioThread ([&] { m.lock(); m.unlock(); }); }, rwWaits (1) },
        { "SharedMutexShared", [] { std::shared_mutex m; return callsOnAudioThread ([&] { m.lock_shared(); m.unlock_shared(); }); }, rwWaits (1) },
        { "SharedMutexTryLocks",
          [] {
              std::shared_mutex m;
              return callsOnAudioThread ([&] {
                  if (m.try_lock_shared()) m.unlock_shared();
                  if (m.try_lock()) m.unlock();
              });
          },
          {} },
        { "SharedTimedMutexTryLockFor",
          [] {
              std::shared_timed_mutex m;
              return callsOnAudioThread ([&] {
                  if (m.try_lock_for (std::chrono::milliseconds (10))) m.unlock();
                  if (m.try_lock_shared_for (std::chrono::milliseconds (10))) m.unlock_shared();
              });
          },
          rwWaits (2) },

        // Semaphores
        { "PosixSemaphoreWait",
          [] {
              sem_t s;
              sem_init (&s, 0, 2);
              const auto deadline = secondsFromNow (5);
              const auto calls = callsOnAudioThread ([&] { sem_wait (&s); sem_timedwait (&s, &deadline); });
              sem_destroy (&s);
              return calls;
          },
          semaphoreWaits (2) },
        { "PosixSemaphoreTryWaitAndPost",
          [] {
              sem_t s;
              sem_init (&s, 0, 1);
              const auto calls = callsOnAudioThread ([&] { sem_trywait (&s); sem_post (&s); });
              sem_destroy (&s);
              return calls;
          },
          {} },
        { "BoostNamedSemaphore",
          [] {
              namespace bip = boost::interprocess;
              const auto name = uniqueName ("named");
              bip::named_semaphore::remove (name.c_str());
              AudioThreadCalls calls;
              {
                  bip::named_semaphore s (bip::create_only, name.c_str(), 3);
                  const auto deadline = boost::posix_time::microsec_clock::universal_time() + boost::posix_time::seconds (5);
                  calls = callsOnAudioThread ([&] {
                      s.wait();
                      s.try_wait();
                      s.timed_wait (deadline);
                      s.post();
                  });
              }
              bip::named_semaphore::remove (name.c_str());
              return calls;
          },
          semaphoreWaits (2) },
        { "BoostInterprocessSemaphore",
          [] {
              boost::interprocess::interprocess_semaphore s (2);
              return callsOnAudioThread ([&] {
                  s.wait();
                  s.try_wait();
              });
          },
          semaphoreWaits (1) },

        // Condition variables
        { "ConditionVariableWaitFor",
          [] {
              std::mutex m;
              std::condition_variable c;
              return callsOnAudioThread ([&] {
                  std::unique_lock lock (m);
                  c.wait_for (lock, std::chrono::milliseconds (1));
              });
          },
          { .mutexWaits = 1, .conditionWaits = 1 } },
        { "ConditionVariableNotify",
          [] {
              std::condition_variable c;
              return callsOnAudioThread ([&] { c.notify_one(); c.notify_all(); });
          },
          {} },
    };
}

class AudioThreadCountsTest : public ::testing::TestWithParam<CountCase>
{
};

TEST (AudioThreadChecksTest, CountersAreInstalledInTestPrograms)
{
    EXPECT_TRUE (fhtest::audioThreadCountersInstalled());
}

TEST_P (AudioThreadCountsTest, MarkedThreadCountsWhatItDid)
{
    EXPECT_EQ (GetParam().run(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P (Calls, AudioThreadCountsTest, ::testing::ValuesIn (countCases()),
                          [] (const auto& info) { return std::string (info.param.name); });

TEST (AudioThreadChecksTest, UnmarkedThreadIsNotCounted)
{
    const fhtest::AudioThreadWatch watch;
    std::mutex m;
    {
        const std::lock_guard lock (m);
        std::vector<int> v (100);
        keep (v.data());
    }
    EXPECT_FALSE (fhtest::isMarkedAudioThread());
    EXPECT_EQ (watch.calls(), AudioThreadCalls {});
}

TEST (AudioThreadChecksTest, NestedScopesKeepTheThreadMarkedUntilTheOuterEnds)
{
    std::mutex m;
    const fhtest::ScopedAudioThread outer;
    {
        const fhtest::ScopedAudioThread inner;
        m.lock();
        m.unlock();
        EXPECT_EQ (inner.calls(), mutexWaits (1));
    }
    EXPECT_TRUE (fhtest::isMarkedAudioThread());
    m.lock();
    m.unlock();
    EXPECT_EQ (outer.calls(), mutexWaits (2));
}

TEST (AudioThreadChecksTest, WatchCollectsWhatOtherMarkedThreadsDid)
{
    const fhtest::AudioThreadWatch watch;
    std::mutex m;

    std::thread marked ([&] {
        const fhtest::ScopedAudioThread mark;
        m.lock();
        m.unlock();
        auto* p = new int (1);
        keep (p);
        delete p;
    });
    std::thread unmarked ([&] {
        m.lock();
        m.unlock();
    });
    marked.join();
    unmarked.join();

    EXPECT_EQ (watch.calls(), (AudioThreadCalls { .heap = 2, .mutexWaits = 1 }));
}

TEST (AudioThreadChecksTest, ThreadScopeSeesOnlyItsOwnThread)
{
    std::mutex m;
    std::thread other ([&] {
        const fhtest::ScopedAudioThread otherMark;
        m.lock();
        m.unlock();
    });

    AudioThreadCalls calls;
    {
        // Starting a thread allocates; joining it does not.
        const fhtest::ScopedAudioThread mark;
        other.join();
        calls = mark.calls();
    }
    EXPECT_EQ (calls, AudioThreadCalls {});
}

TEST (AudioThreadChecksTest, CallsPrintByKind)
{
    std::ostringstream text;
    text << AudioThreadCalls { .heap = 2, .semaphoreWaits = 1 };
    EXPECT_EQ (text.str(), "heap 2, mutex waits 0, read-write lock waits 0, semaphore waits 1, condition waits 0");
}
} // namespace

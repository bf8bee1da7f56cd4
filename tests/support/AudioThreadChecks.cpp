#include "support/AudioThreadChecks.h"

#include <array>
#include <atomic>
#include <ostream>

namespace fhtest
{
namespace
{
    constexpr std::size_t kindCount = 5;

    // Plain data with constant initialisation: the replaced malloc reads it
    // before any constructor of the program has run, and on threads that are
    // just starting.
    struct ThreadCounts
    {
        int markDepth;
        std::uint64_t calls[kindCount];
    };

    constinit thread_local ThreadCounts thisThread {};
    constinit std::array<std::atomic<std::uint64_t>, kindCount> allThreads {};

    AudioThreadCalls fromArray (const std::uint64_t (&c)[kindCount])
    {
        return { c[0], c[1], c[2], c[3], c[4] };
    }

    AudioThreadCalls thisThreadCalls()
    {
        return fromArray (thisThread.calls);
    }

    AudioThreadCalls allThreadCalls()
    {
        std::uint64_t c[kindCount];
        for (std::size_t i = 0; i < kindCount; ++i)
            c[i] = allThreads[i].load (std::memory_order_acquire);
        return fromArray (c);
    }
} // namespace

AudioThreadCalls AudioThreadCalls::operator- (const AudioThreadCalls& earlier) const
{
    return { heap - earlier.heap,
             mutexWaits - earlier.mutexWaits,
             readWriteLockWaits - earlier.readWriteLockWaits,
             semaphoreWaits - earlier.semaphoreWaits,
             conditionWaits - earlier.conditionWaits };
}

std::ostream& operator<< (std::ostream& out, const AudioThreadCalls& c)
{
    return out << "heap " << c.heap << ", mutex waits " << c.mutexWaits << ", read-write lock waits "
               << c.readWriteLockWaits << ", semaphore waits " << c.semaphoreWaits << ", condition waits "
               << c.conditionWaits;
}

ScopedAudioThread::ScopedAudioThread()
{
    start = thisThreadCalls();
    ++thisThread.markDepth;
}

ScopedAudioThread::~ScopedAudioThread()
{
    --thisThread.markDepth;
}

AudioThreadCalls ScopedAudioThread::calls() const
{
    return thisThreadCalls() - start;
}

AudioThreadWatch::AudioThreadWatch() : start (allThreadCalls()) {}

AudioThreadCalls AudioThreadWatch::calls() const
{
    return allThreadCalls() - start;
}

bool isMarkedAudioThread()
{
    return thisThread.markDepth > 0;
}

bool audioThreadCountersInstalled()
{
    return detail::countingAllocatorInstalled() && detail::lockCounterInstalled();
}

namespace detail
{
    void noteCall (CountedCall kind) noexcept
    {
        if (thisThread.markDepth <= 0)
            return;

        const auto i = static_cast<std::size_t> (kind);
        ++thisThread.calls[i];
        allThreads[i].fetch_add (1, std::memory_order_acq_rel);
    }
} // namespace detail
} // namespace fhtest

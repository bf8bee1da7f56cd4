#pragma once

// Proof that audio-thread code neither allocates nor blocks. A thread marked as
// an audio thread has its heap calls and its blocking lock, semaphore and
// condition waits counted; unmarked threads are not counted. Try-locks never
// count: they do not block.
//
// The counting allocator (CountingAllocator.cpp) and the lock counter
// (LockCounter.cpp) replace the C library's entry points in the test program
// that links them, so they see std::mutex, std::shared_mutex,
// std::condition_variable, juce::CriticalSection, juce::WaitableEvent, pthread
// locks, POSIX and Boost.Interprocess semaphores and every operator new/delete.
// Futex waits that bypass the C library (std::counting_semaphore,
// std::atomic::wait) are not seen.

#include <cstdint>
#include <iosfwd>

namespace fhtest
{
struct AudioThreadCalls
{
    std::uint64_t heap = 0;                 // malloc, calloc, realloc, free and the aligned forms (new and delete land here)
    std::uint64_t mutexWaits = 0;           // blocking and timed mutex locks
    std::uint64_t readWriteLockWaits = 0;   // shared and exclusive read-write locks, blocking and timed
    std::uint64_t semaphoreWaits = 0;       // semaphore waits, blocking and timed
    std::uint64_t conditionWaits = 0;       // condition variable waits, blocking and timed

    std::uint64_t total() const { return heap + mutexWaits + readWriteLockWaits + semaphoreWaits + conditionWaits; }

    bool operator== (const AudioThreadCalls&) const = default;
    AudioThreadCalls operator- (const AudioThreadCalls& earlier) const;
};

// "heap 2, mutex waits 1, ..." for test failure messages.
std::ostream& operator<< (std::ostream&, const AudioThreadCalls&);

// Marks the calling thread as an audio thread for the object's lifetime. Scopes
// nest; the thread stays marked until the outermost one ends.
class ScopedAudioThread
{
public:
    ScopedAudioThread();
    ~ScopedAudioThread();

    ScopedAudioThread (const ScopedAudioThread&) = delete;
    ScopedAudioThread& operator= (const ScopedAudioThread&) = delete;

    // What this thread did since the scope began.
    AudioThreadCalls calls() const;

private:
    AudioThreadCalls start;
};

// Runs fn on the calling thread, marked as an audio thread, and returns what it did.
template <typename Fn>
AudioThreadCalls callsOnAudioThread (Fn&& fn)
{
    const ScopedAudioThread mark;
    fn();
    return mark.calls();
}

// What every marked thread did from the watch's construction on: for audio
// threads that the test does not run itself (they mark themselves with a
// ScopedAudioThread, for example inside a callback).
class AudioThreadWatch
{
public:
    AudioThreadWatch();

    AudioThreadCalls calls() const;

private:
    AudioThreadCalls start;
};

// Whether the calling thread is marked.
bool isMarkedAudioThread();

// False when the counters could not hook into this program (a C library entry
// point was not found); then nothing is counted and the checks prove nothing.
bool audioThreadCountersInstalled();

namespace detail
{
    enum class CountedCall
    {
        heap,
        mutexWait,
        readWriteLockWait,
        semaphoreWait,
        conditionWait
    };

    // Called by the replaced entry points on every call; counts only on marked
    // threads. Allocates nothing and takes no lock.
    void noteCall (CountedCall) noexcept;

    // Defined by CountingAllocator.cpp and LockCounter.cpp: referring to them
    // links both into every program that uses the checks.
    bool countingAllocatorInstalled() noexcept;
    bool lockCounterInstalled() noexcept;
} // namespace detail
} // namespace fhtest

// The lock counter: every blocking (or timed) mutex, read-write lock, semaphore
// and condition wait of a marked audio thread is counted (AudioThreadChecks.h).
//
// This file replaces the C library's waiting functions for the whole test
// program; each replacement counts and hands the call on to the next definition
// (the C library's, or a sanitizer's interceptor in front of it). Try-locks are
// not replaced: they never block.
#include "support/AudioThreadChecks.h"

#include <atomic>
#include <cerrno>
#include <ctime>
#include <dlfcn.h>
#include <pthread.h>
#include <semaphore.h>

using fhtest::detail::CountedCall;
using fhtest::detail::noteCall;

namespace
{
// The next definition of a replaced function, looked up once. Lookups are
// idempotent, so two threads racing on the first call store the same pointer.
template <typename Fn>
Fn next (std::atomic<Fn>& slot, const char* name) noexcept
{
    Fn fn = slot.load (std::memory_order_acquire);
    if (fn == nullptr)
    {
        fn = reinterpret_cast<Fn> (::dlsym (RTLD_NEXT, name));
        slot.store (fn, std::memory_order_release);
    }
    return fn;
}

using MutexFn = int (*) (pthread_mutex_t*);
using MutexTimedFn = int (*) (pthread_mutex_t*, const timespec*);
using MutexClockFn = int (*) (pthread_mutex_t*, clockid_t, const timespec*);
using RwFn = int (*) (pthread_rwlock_t*);
using RwTimedFn = int (*) (pthread_rwlock_t*, const timespec*);
using RwClockFn = int (*) (pthread_rwlock_t*, clockid_t, const timespec*);
using SemFn = int (*) (sem_t*);
using SemTimedFn = int (*) (sem_t*, const timespec*);
using SemClockFn = int (*) (sem_t*, clockid_t, const timespec*);
using CondFn = int (*) (pthread_cond_t*, pthread_mutex_t*);
using CondTimedFn = int (*) (pthread_cond_t*, pthread_mutex_t*, const timespec*);
using CondClockFn = int (*) (pthread_cond_t*, pthread_mutex_t*, clockid_t, const timespec*);

constinit std::atomic<MutexFn> nextMutexLock { nullptr };
constinit std::atomic<MutexTimedFn> nextMutexTimedLock { nullptr };
constinit std::atomic<MutexClockFn> nextMutexClockLock { nullptr };
constinit std::atomic<RwFn> nextRdLock { nullptr };
constinit std::atomic<RwFn> nextWrLock { nullptr };
constinit std::atomic<RwTimedFn> nextTimedRdLock { nullptr };
constinit std::atomic<RwTimedFn> nextTimedWrLock { nullptr };
constinit std::atomic<RwClockFn> nextClockRdLock { nullptr };
constinit std::atomic<RwClockFn> nextClockWrLock { nullptr };
constinit std::atomic<SemFn> nextSemWait { nullptr };
constinit std::atomic<SemTimedFn> nextSemTimedWait { nullptr };
constinit std::atomic<SemClockFn> nextSemClockWait { nullptr };
constinit std::atomic<CondFn> nextCondWait { nullptr };
constinit std::atomic<CondTimedFn> nextCondTimedWait { nullptr };
constinit std::atomic<CondClockFn> nextCondClockWait { nullptr };

// A replaced function whose next definition is missing fails like the call
// would on a broken object, and audioThreadCountersInstalled() reports it.
template <typename Fn, typename... Args>
int forward (std::atomic<Fn>& slot, const char* name, Args... args) noexcept
{
    if (auto fn = next (slot, name))
        return fn (args...);
    return EINVAL;
}
} // namespace

extern "C"
{
    int pthread_mutex_lock (pthread_mutex_t* m) noexcept
    {
        noteCall (CountedCall::mutexWait);
        return forward (nextMutexLock, "pthread_mutex_lock", m);
    }

    int pthread_mutex_timedlock (pthread_mutex_t* m, const timespec* deadline) noexcept
    {
        noteCall (CountedCall::mutexWait);
        return forward (nextMutexTimedLock, "pthread_mutex_timedlock", m, deadline);
    }

    int pthread_mutex_clocklock (pthread_mutex_t* m, clockid_t clock, const timespec* deadline) noexcept
    {
        noteCall (CountedCall::mutexWait);
        return forward (nextMutexClockLock, "pthread_mutex_clocklock", m, clock, deadline);
    }

    int pthread_rwlock_rdlock (pthread_rwlock_t* l) noexcept
    {
        noteCall (CountedCall::readWriteLockWait);
        return forward (nextRdLock, "pthread_rwlock_rdlock", l);
    }

    int pthread_rwlock_wrlock (pthread_rwlock_t* l) noexcept
    {
        noteCall (CountedCall::readWriteLockWait);
        return forward (nextWrLock, "pthread_rwlock_wrlock", l);
    }

    int pthread_rwlock_timedrdlock (pthread_rwlock_t* l, const timespec* deadline) noexcept
    {
        noteCall (CountedCall::readWriteLockWait);
        return forward (nextTimedRdLock, "pthread_rwlock_timedrdlock", l, deadline);
    }

    int pthread_rwlock_timedwrlock (pthread_rwlock_t* l, const timespec* deadline) noexcept
    {
        noteCall (CountedCall::readWriteLockWait);
        return forward (nextTimedWrLock, "pthread_rwlock_timedwrlock", l, deadline);
    }

    int pthread_rwlock_clockrdlock (pthread_rwlock_t* l, clockid_t clock, const timespec* deadline) noexcept
    {
        noteCall (CountedCall::readWriteLockWait);
        return forward (nextClockRdLock, "pthread_rwlock_clockrdlock", l, clock, deadline);
    }

    int pthread_rwlock_clockwrlock (pthread_rwlock_t* l, clockid_t clock, const timespec* deadline) noexcept
    {
        noteCall (CountedCall::readWriteLockWait);
        return forward (nextClockWrLock, "pthread_rwlock_clockwrlock", l, clock, deadline);
    }

    int sem_wait (sem_t* s)
    {
        noteCall (CountedCall::semaphoreWait);
        return forward (nextSemWait, "sem_wait", s);
    }

    int sem_timedwait (sem_t* s, const timespec* deadline)
    {
        noteCall (CountedCall::semaphoreWait);
        return forward (nextSemTimedWait, "sem_timedwait", s, deadline);
    }

    int sem_clockwait (sem_t* s, clockid_t clock, const timespec* deadline)
    {
        noteCall (CountedCall::semaphoreWait);
        return forward (nextSemClockWait, "sem_clockwait", s, clock, deadline);
    }

    int pthread_cond_wait (pthread_cond_t* c, pthread_mutex_t* m)
    {
        noteCall (CountedCall::conditionWait);
        return forward (nextCondWait, "pthread_cond_wait", c, m);
    }

    int pthread_cond_timedwait (pthread_cond_t* c, pthread_mutex_t* m, const timespec* deadline)
    {
        noteCall (CountedCall::conditionWait);
        return forward (nextCondTimedWait, "pthread_cond_timedwait", c, m, deadline);
    }

    int pthread_cond_clockwait (pthread_cond_t* c, pthread_mutex_t* m, clockid_t clock, const timespec* deadline)
    {
        noteCall (CountedCall::conditionWait);
        return forward (nextCondClockWait, "pthread_cond_clockwait", c, m, clock, deadline);
    }
}

namespace
{
// Every lookup done once at start-up, so that a marked thread never pays for
// one (a lookup may allocate).
bool resolveAll() noexcept
{
    bool found = true;
    found &= next (nextMutexLock, "pthread_mutex_lock") != nullptr;
    found &= next (nextMutexTimedLock, "pthread_mutex_timedlock") != nullptr;
    found &= next (nextMutexClockLock, "pthread_mutex_clocklock") != nullptr;
    found &= next (nextRdLock, "pthread_rwlock_rdlock") != nullptr;
    found &= next (nextWrLock, "pthread_rwlock_wrlock") != nullptr;
    found &= next (nextTimedRdLock, "pthread_rwlock_timedrdlock") != nullptr;
    found &= next (nextTimedWrLock, "pthread_rwlock_timedwrlock") != nullptr;
    found &= next (nextClockRdLock, "pthread_rwlock_clockrdlock") != nullptr;
    found &= next (nextClockWrLock, "pthread_rwlock_clockwrlock") != nullptr;
    found &= next (nextSemWait, "sem_wait") != nullptr;
    found &= next (nextSemTimedWait, "sem_timedwait") != nullptr;
    found &= next (nextSemClockWait, "sem_clockwait") != nullptr;
    found &= next (nextCondWait, "pthread_cond_wait") != nullptr;
    found &= next (nextCondTimedWait, "pthread_cond_timedwait") != nullptr;
    found &= next (nextCondClockWait, "pthread_cond_clockwait") != nullptr;
    return found;
}

const bool allResolved = resolveAll();
} // namespace

bool fhtest::detail::lockCounterInstalled() noexcept
{
    return allResolved;
}

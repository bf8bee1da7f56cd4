// The counting allocator: every heap call of a marked audio thread is counted
// (AudioThreadChecks.h).
//
// In a plain build this file replaces the C library's allocation functions for
// the whole test program and hands each call on to the C library's own
// allocator; operator new and delete reach them through malloc and free. Under a
// sanitizer, whose runtime owns the heap, the sanitizer's allocation hooks count
// instead.
#include "support/AudioThreadChecks.h"

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    #define FH_SANITIZER_OWNS_HEAP 1
#elif defined(__has_feature)
    #if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
        #define FH_SANITIZER_OWNS_HEAP 1
    #endif
#endif

using fhtest::detail::CountedCall;
using fhtest::detail::noteCall;

#if defined(FH_SANITIZER_OWNS_HEAP)

extern "C" int __sanitizer_install_malloc_and_free_hooks (void (*mallocHook) (const volatile void*, std::size_t),
                                                          void (*freeHook) (const volatile void*));

namespace
{
void countMalloc (const volatile void*, std::size_t)
{
    noteCall (CountedCall::heap);
}

void countFree (const volatile void* p)
{
    if (p != nullptr)
        noteCall (CountedCall::heap);
}

const bool hooksInstalled = __sanitizer_install_malloc_and_free_hooks (countMalloc, countFree) != 0;
} // namespace

bool fhtest::detail::countingAllocatorInstalled() noexcept
{
    return hooksInstalled;
}

#else

extern "C"
{
    void* __libc_malloc (std::size_t);
    void* __libc_calloc (std::size_t, std::size_t);
    void* __libc_realloc (void*, std::size_t);
    void __libc_free (void*);
    void* __libc_memalign (std::size_t, std::size_t);
    void* __libc_valloc (std::size_t);
    void* __libc_pvalloc (std::size_t);

    void* malloc (std::size_t size) noexcept
    {
        noteCall (CountedCall::heap);
        return __libc_malloc (size);
    }

    void* calloc (std::size_t count, std::size_t size) noexcept
    {
        noteCall (CountedCall::heap);
        return __libc_calloc (count, size);
    }

    void* realloc (void* p, std::size_t size) noexcept
    {
        noteCall (CountedCall::heap);
        return __libc_realloc (p, size);
    }

    void free (void* p) noexcept
    {
        if (p != nullptr)
            noteCall (CountedCall::heap);
        __libc_free (p);
    }

    void* memalign (std::size_t alignment, std::size_t size) noexcept
    {
        noteCall (CountedCall::heap);
        return __libc_memalign (alignment, size);
    }

    void* aligned_alloc (std::size_t alignment, std::size_t size) noexcept
    {
        noteCall (CountedCall::heap);
        return __libc_memalign (alignment, size);
    }

    int posix_memalign (void** out, std::size_t alignment, std::size_t size) noexcept
    {
        noteCall (CountedCall::heap);
        if (alignment % sizeof (void*) != 0 || (alignment & (alignment - 1)) != 0)
            return EINVAL;
        void* p = __libc_memalign (alignment, size);
        if (p == nullptr)
            return ENOMEM;
        *out = p;
        return 0;
    }

    void* valloc (std::size_t size) noexcept
    {
        noteCall (CountedCall::heap);
        return __libc_valloc (size);
    }

    void* pvalloc (std::size_t size) noexcept
    {
        noteCall (CountedCall::heap);
        return __libc_pvalloc (size);
    }
}

bool fhtest::detail::countingAllocatorInstalled() noexcept
{
    return true;
}

#endif

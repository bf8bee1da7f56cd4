#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <memory>
#include <new>
#include <utility>

// A fixed-size lock-free queue (bounded multi-producer multi-consumer ring,
// one sequence number per cell). Pushing and popping never allocate and never
// lock, so the audio thread may push; a push that finds the queue full drops
// its item and returns false. The slots are allocated once, with the queue.
template <typename T, std::size_t Capacity>
class BoundedQueue
{
    static_assert (Capacity >= 2 && (Capacity & (Capacity - 1)) == 0, "capacity must be a power of two");

public:
    BoundedQueue() : cells (std::make_unique<Cell[]> (Capacity))
    {
        for (std::size_t i = 0; i < Capacity; ++i)
            cells[i].sequence.store (i, std::memory_order_relaxed);
    }

    BoundedQueue (const BoundedQueue&) = delete;
    BoundedQueue& operator= (const BoundedQueue&) = delete;

    static constexpr std::size_t capacity() { return Capacity; }

    template <typename U>
    bool push (U&& item)
    {
        Cell* cell = nullptr;
        auto pos = enqueuePos.load (std::memory_order_relaxed);

        for (;;)
        {
            cell = &cells[pos & mask];
            const auto seq = cell->sequence.load (std::memory_order_acquire);
            const auto diff = static_cast<std::ptrdiff_t> (seq) - static_cast<std::ptrdiff_t> (pos);

            if (diff == 0)
            {
                if (enqueuePos.compare_exchange_weak (pos, pos + 1, std::memory_order_relaxed))
                    break;
            }
            else if (diff < 0)
            {
                return false;   // full
            }
            else
            {
                pos = enqueuePos.load (std::memory_order_relaxed);
            }
        }

        cell->data = std::forward<U> (item);
        cell->sequence.store (pos + 1, std::memory_order_release);
        return true;
    }

    bool pop (T& out)
    {
        Cell* cell = nullptr;
        auto pos = dequeuePos.load (std::memory_order_relaxed);

        for (;;)
        {
            cell = &cells[pos & mask];
            const auto seq = cell->sequence.load (std::memory_order_acquire);
            const auto diff = static_cast<std::ptrdiff_t> (seq) - static_cast<std::ptrdiff_t> (pos + 1);

            if (diff == 0)
            {
                if (dequeuePos.compare_exchange_weak (pos, pos + 1, std::memory_order_relaxed))
                    break;
            }
            else if (diff < 0)
            {
                return false;   // empty
            }
            else
            {
                pos = dequeuePos.load (std::memory_order_relaxed);
            }
        }

        out = std::move (cell->data);
        cell->sequence.store (pos + mask + 1, std::memory_order_release);
        return true;
    }

    // Drops every queued item (a consumer-side operation).
    void clear()
    {
        T item;
        while (pop (item)) {}
    }

    // Items queued at the moment of the call (exact only while nobody pushes or pops).
    std::size_t size() const
    {
        const auto in = enqueuePos.load (std::memory_order_acquire);
        const auto out = dequeuePos.load (std::memory_order_acquire);
        return in >= out ? in - out : 0;
    }

private:
    static constexpr std::size_t mask = Capacity - 1;

    struct Cell
    {
        std::atomic<std::size_t> sequence { 0 };
        T data {};
    };

    std::unique_ptr<Cell[]> cells;
    alignas (64) std::atomic<std::size_t> enqueuePos { 0 };
    alignas (64) std::atomic<std::size_t> dequeuePos { 0 };
};

#pragma once

#include "realtime/BoundedQueue.h"

#include <cstdint>

// A fixed-size lock-free queue whose consumer looks at the oldest item before taking
// it, and which the consumer empties when asked: the producer tags each item with the
// generation current when it pushes, and the consumer drops every item of another
// generation than its own. So the side that wants the queue emptied only moves the
// generation on; it never pops from the other side. T has a `generation` member.
template <typename T, std::size_t Capacity>
class GenerationQueue
{
public:
    // Producer: false (the item dropped) when the queue is full.
    bool push (const T& item) noexcept { return queue.push (item); }

    // Consumer: from now on only items of this generation count.
    void setGeneration (std::uint32_t newGeneration) noexcept
    {
        generation = newGeneration;
        if (holding && held.generation != generation)
            holding = false;
    }

    // Consumer: the oldest item of the current generation, left in the queue.
    bool peek (T& out) noexcept
    {
        if (! holding)
        {
            do
            {
                if (! queue.pop (held))
                    return false;
            } while (held.generation != generation);
            holding = true;
        }
        out = held;
        return true;
    }

    // Consumer: removes the item the last peek returned.
    void pop() noexcept { holding = false; }

private:
    BoundedQueue<T, Capacity> queue;
    T held {};
    bool holding = false;
    std::uint32_t generation = 0;
};

#pragma once

#include <array>
#include <atomic>
#include <bit>
#include <cstdint>

// A single-slot mailbox between one producer and one consumer that never waits: the
// producer fills a free node and exchanges it into the pending slot (a node it
// displaces goes back to the pool); the consumer exchanges the pending slot with
// nothing and keeps a copy of what it received. The consumer always sees the previous
// or the newest complete value, never a half-written one. No allocation after
// construction.
template <typename T, int Nodes = 4>
class LatestValueMailbox
{
    static_assert (Nodes >= 3 && Nodes <= 32);

public:
    LatestValueMailbox() = default;
    LatestValueMailbox (const LatestValueMailbox&) = delete;
    LatestValueMailbox& operator= (const LatestValueMailbox&) = delete;

    // Producer thread. False only when every node is taken, which one producer and one
    // consumer never cause.
    bool publish (const T& value) noexcept
    {
        const int node = takeFreeNode();
        if (node < 0)
            return false;
        nodes[static_cast<std::size_t> (node)] = value;
        const int displaced = pending.exchange (node, std::memory_order_acq_rel);
        if (displaced >= 0)
            giveBack (displaced);
        return true;
    }

    // Consumer thread: the newest value published, or the last one received when
    // nothing new arrived.
    const T& latest() noexcept
    {
        const int node = pending.exchange (-1, std::memory_order_acq_rel);
        if (node >= 0)
        {
            consumed = nodes[static_cast<std::size_t> (node)];
            giveBack (node);
        }
        return consumed;
    }

private:
    int takeFreeNode() noexcept
    {
        auto mask = freeMask.load (std::memory_order_acquire);
        while (mask != 0)
        {
            const int node = std::countr_zero (mask);
            if (freeMask.compare_exchange_weak (mask, mask & ~(1u << node), std::memory_order_acquire,
                                                std::memory_order_acquire))
                return node;
        }
        return -1;
    }

    void giveBack (int node) noexcept { freeMask.fetch_or (1u << node, std::memory_order_release); }

    std::array<T, Nodes> nodes {};
    std::atomic<std::uint32_t> freeMask { Nodes == 32 ? ~0u : (1u << Nodes) - 1u };
    std::atomic<int> pending { -1 };
    T consumed {};
};

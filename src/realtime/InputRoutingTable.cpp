#include "realtime/InputRoutingTable.h"

InputRoutingTable::InputRoutingTable() noexcept
{
    for (int i = 0; i < kSize; ++i)
    {
        routing[static_cast<std::size_t> (i)].store (i, std::memory_order_relaxed);
        fed[static_cast<std::size_t> (i)].store (true, std::memory_order_relaxed);
    }
}

bool InputRoutingTable::set (int hostInput, int deviceInput) noexcept
{
    if (hostInput < 0 || hostInput >= kSize || deviceInput < -1 || deviceInput >= kSize)
        return false;

    routing[static_cast<std::size_t> (hostInput)].exchange (deviceInput, std::memory_order_acq_rel);

    std::array<bool, kSize> newlyFed {};
    for (const auto& entry : routing)
    {
        const int d = entry.load (std::memory_order_acquire);
        if (d >= 0 && d < kSize)
            newlyFed[static_cast<std::size_t> (d)] = true;
    }
    for (int i = 0; i < kSize; ++i)
        fed[static_cast<std::size_t> (i)].store (newlyFed[static_cast<std::size_t> (i)], std::memory_order_release);
    return true;
}

int InputRoutingTable::get (int hostInput) const noexcept
{
    if (hostInput < 0 || hostInput >= kSize)
        return -1;
    return routing[static_cast<std::size_t> (hostInput)].load (std::memory_order_acquire);
}

bool InputRoutingTable::isFed (int deviceInput) const noexcept
{
    if (deviceInput < 0 || deviceInput >= kSize)
        return false;
    return fed[static_cast<std::size_t> (deviceInput)].load (std::memory_order_acquire);
}

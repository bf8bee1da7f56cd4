#pragma once

#include <array>
#include <atomic>

// Which device input each host input channel feeds (-1 for none), and per device input
// whether any host channel feeds it. Written on the message thread, read on the audio
// threads; every entry and flag is an atomic of its own.
class InputRoutingTable
{
public:
    static constexpr int kSize = 12;

    // The identity: host channel j feeds device input j; every device input is fed.
    InputRoutingTable() noexcept;

    // Message thread. Stores the entry and recomputes the fed flags aside, storing each
    // once. False (and nothing changed) when hostInput is outside 0..11 or deviceInput
    // outside -1..11.
    bool set (int hostInput, int deviceInput) noexcept;

    // Any thread. -1 for a host channel outside 0..11.
    int get (int hostInput) const noexcept;
    bool isFed (int deviceInput) const noexcept;

private:
    std::array<std::atomic<int>, kSize> routing;
    std::array<std::atomic<bool>, kSize> fed;
};

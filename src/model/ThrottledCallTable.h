#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

// Rate-limited calls of a data object, by key. The first call for a key runs at
// once on the caller's thread; later ones wait until at least delayMs has passed
// since the previous run and are run by runDue() (the transmit thread). A pending
// call that has not run yet is replaced by a newer one, so a burst collapses into
// one run of its last call.
//
// The table is used by the caller's thread and the transmit thread at once: it
// has its own mutex, which is never held while a call runs (a call may itself
// add a throttled call).
class ThrottledCallTable
{
public:
    using Clock = std::chrono::steady_clock;

    // Returns true when the call ran at once (the key was new).
    bool add (const std::string& key, std::function<void()> call, std::uint64_t delayMs);

    // Runs every pending call whose delay has passed. Returns the time in
    // milliseconds until the next pending call is due, or nothing when no call
    // is pending.
    std::optional<std::uint64_t> runDue();

private:
    struct Entry
    {
        std::function<void()> call;
        std::uint64_t delayMs = 0;
        Clock::time_point lastRun;
        bool done = true;
    };

    std::mutex mutex;
    std::unordered_map<std::string, Entry> calls;
};

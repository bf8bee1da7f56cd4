#include "model/ThrottledCallTable.h"

#include <vector>

bool ThrottledCallTable::add (const std::string& key, std::function<void()> call, std::uint64_t delayMs)
{
    {
        const std::lock_guard<std::mutex> lock (mutex);
        auto it = calls.find (key);
        if (it != calls.end())
        {
            it->second.call = std::move (call);
            it->second.delayMs = delayMs;
            it->second.done = false;
            return false;
        }

        // The entry is made before the call runs, so that a second first call
        // from another thread waits its turn instead of running as well.
        calls.emplace (key, Entry { {}, delayMs, Clock::now(), true });
    }

    if (call)
        call();
    return true;
}

std::optional<std::uint64_t> ThrottledCallTable::runDue()
{
    std::vector<std::function<void()>> due;
    std::optional<std::uint64_t> nextDueMs;

    {
        const std::lock_guard<std::mutex> lock (mutex);
        const auto now = Clock::now();
        for (auto& [key, entry] : calls)
        {
            if (entry.done)
                continue;

            const auto elapsed = (std::uint64_t) std::chrono::duration_cast<std::chrono::milliseconds> (now - entry.lastRun).count();
            if (elapsed >= entry.delayMs)
            {
                due.push_back (std::move (entry.call));
                entry.call = nullptr;
                entry.lastRun = now;
                entry.done = true;
            }
            else
            {
                const auto remaining = entry.delayMs - elapsed;
                if (! nextDueMs || remaining < *nextDueMs)
                    nextDueMs = remaining;
            }
        }
    }

    for (auto& call : due)
        if (call)
            call();

    return nextDueMs;
}

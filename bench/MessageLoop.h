#pragma once

#include <juce_events/juce_events.h>

#include <chrono>
#include <functional>

namespace bench
{
// Runs the message loop until the condition holds (or 10 s): the engine client
// follows its device list and plug-in state on the message thread.
inline bool pumpUntil (const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds (10);
    while (! condition())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
    }
    return true;
}
} // namespace bench

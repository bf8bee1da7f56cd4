#pragma once

#include <juce_core/juce_core.h>

// The program starts its threads with priorities of the old 0..10 scale of the
// framework ("priority 7", "priority 8"); this framework version has named
// priorities instead. 7 is high, 8 and 9 are highest, anything else normal.
inline juce::Thread::Priority threadPriorityFromLevel (int level) noexcept
{
    switch (level)
    {
        case 7:  return juce::Thread::Priority::high;
        case 8:
        case 9:  return juce::Thread::Priority::highest;
        default: return juce::Thread::Priority::normal;
    }
}

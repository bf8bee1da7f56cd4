#pragma once

#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>

// The echo hold of one data object. A value that has just come from the device
// holds its identifier for holdTimeMs: during that time a host-side write of the
// identifier is stored but not sent back to the device.
//
// Each identifier has a count of timer ticks; hold() sets it to
// holdTimeMs * rateHz / 1000 and every tick of the 10 Hz timer (message thread)
// takes one off each count above zero. The counts have their own read-write
// lock, which is never taken together with the data object's mutex.
class ParameterGestures : public juce::Timer
{
public:
    static constexpr int holdTimeMs = 1000;
    static constexpr int rateHz = 10;

    // Starts the 10 Hz timer; it runs until destruction.
    ParameterGestures();
    ~ParameterGestures() override;

    // Any thread: starts (or restarts) the hold of the identifier.
    void hold (const juce::Identifier& id);

    // Any thread: the identifier's remaining ticks (0 when it was never held).
    int getCount (const juce::Identifier& id) const;
    bool isHeld (const juce::Identifier& id) const { return getCount (id) > 0; }

    // Message thread: one tick of the hold.
    void timerCallback() override;

private:
    juce::HashMap<juce::String, int> counts { 101 };
    juce::ReadWriteLock lock;

    JUCE_DECLARE_NON_COPYABLE (ParameterGestures)
};

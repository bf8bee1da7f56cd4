#include "model/ParameterGestures.h"

ParameterGestures::ParameterGestures()
{
    startTimerHz (rateHz);
}

ParameterGestures::~ParameterGestures()
{
    stopTimer();
}

void ParameterGestures::hold (const juce::Identifier& id)
{
    const juce::ScopedWriteLock scope (lock);
    counts.set (id.toString(), holdTimeMs * rateHz / 1000);
}

int ParameterGestures::getCount (const juce::Identifier& id) const
{
    const juce::ScopedReadLock scope (lock);
    return counts[id.toString()];
}

void ParameterGestures::timerCallback()
{
    const juce::ScopedWriteLock scope (lock);
    for (juce::HashMap<juce::String, int>::Iterator it (counts); it.next();)
        if (it.getValue() > 0)
            counts.set (it.getKey(), it.getValue() - 1);
}

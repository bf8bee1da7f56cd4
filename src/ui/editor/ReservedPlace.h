#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// An empty, transparent component that holds the place (name and bounds) of a
// part of the editor that is not built yet. It draws nothing and lets clicks
// through.
class ReservedPlace : public juce::Component
{
public:
    explicit ReservedPlace (const juce::String& name) : juce::Component (name)
    {
        setInterceptsMouseClicks (false, false);
    }
};

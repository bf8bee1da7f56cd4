#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A status lamp. state 0: grey ring; 1 to 4: green, yellow, orange, red;
// anything else: only the background. The owner writes state and repaints.
class Led : public juce::Component, public juce::SettableTooltipClient
{
public:
    Led();

    void paint (juce::Graphics& g) override;
    void resized() override {}

    juce::Rectangle<int> getLampBounds() const;

    int state = 1;
    juce::Colour backgroundColour { 0xFF1E1E1E };
};

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The small dash beside the envelope and amp panels' infinite, automatic and
// reset toggles: it fills its bounds with its colour id. The owner sets the
// colour, opacity, click interception and bounds. Message thread only.
class RectangleWidget : public juce::Component
{
public:
    static constexpr int colourId = 0x390002;

    void paint (juce::Graphics& g) override { g.fillAll (findColour (colourId)); }
};

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace corvanel
{
// A light background grid: evenly spaced horizontal lines and, per
// horizontal division, logarithmically spaced vertical lines. Ignores the
// mouse. Message thread only.
class LineGridComponent : public juce::Component
{
public:
    static constexpr int lineColourId = 0x200B009;

    LineGridComponent();

    void paint (juce::Graphics& g) override;

    int xDivisions = 2;
    int yDivisions = 2;
    int logarithmicSteps = 1;
};
} // namespace corvanel

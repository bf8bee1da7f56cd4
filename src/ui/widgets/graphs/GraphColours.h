#pragma once

#include "ui/lookandfeel/HuePalette.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

// The four shades of a hue for a graph: the palette entry when the component
// uses the program's look and feel, else the neutral grey. Message thread.
inline HueColours graphHueColours (juce::Component& component, int hue)
{
    if (findLookAndFeelCorvanel (component) != nullptr)
        return HuePalette::shades (hue);
    return { juce::Colour (0xFFF0F0F0), juce::Colour (0xFF646464), juce::Colour (0xFF2B2B2B), juce::Colour (0xFF1E1E1E) };
}

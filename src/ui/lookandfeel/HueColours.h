#pragma once

#include <juce_graphics/juce_graphics.h>

// The four shades of one palette entry. Widgets use bright for values, pointers
// and active text, dark for tracks and rings, darkest for backgrounds.
struct HueColours
{
    juce::Colour bright;
    juce::Colour mid;
    juce::Colour dark;
    juce::Colour darkest;
};

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <utility>
#include <vector>

// The (colour id, colour) pairs that the look and feel registers at
// construction, in registration order. A few ids appear twice: the later pair
// wins, because registering an id again replaces its colour.
using ColourTableEntry = std::pair<int, juce::Colour>;

std::vector<ColourTableEntry> makeCorvanelColourTable (const juce::LookAndFeel_V4::ColourScheme& scheme);

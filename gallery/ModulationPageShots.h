#pragma once

#include <juce_core/juce_core.h>

namespace gallery
{
// Writes into the folder the velocity page of a T1 and of a T10 sound with
// some destinations and depths set ("modulation_T1.png", "modulation_T10.png")
// and a destination box with its menu drawn open ("destination_menu.png").
// Returns the number of pictures that could not be written.
int writeModulationPageShots (const juce::File& folder);
} // namespace gallery

#pragma once

#include <juce_core/juce_core.h>

// One MIDI performance source of the parameter menu: the getter of its
// destination parameters (slots 0..3 are A..D; any other slot gives the null
// identifier), the submenu's name and the item id of slot A. Item id minus the
// first id is the slot.
struct ModulationSourceMenuEntry
{
    const juce::Identifier& (*destinationId) (int slot);
    const char* name;
    int firstItemId;
};

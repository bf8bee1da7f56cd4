#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The submenu of one modulation source: per destination slot an item with id
// firstItemId + i and the text "Destination <i + 1> (<name>)", enabled, never
// ticked. An empty name leaves the brackets empty.
juce::PopupMenu makeDestinationSubMenu (int firstItemId, const juce::StringArray& names);

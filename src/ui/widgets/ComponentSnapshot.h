#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Renders a component (with its children) at targetWidth pixels wide, the height
// scaled alike, and saves it as "<name>.png" in the user's documents folder; when
// that name is taken, as "<name>(2).png", "<name>(3).png" and so on. Message
// thread. Returns the file written, or juce::File() when nothing was saved (the
// reason is logged): a component without size, a bad width, or a write error.
juce::File saveComponentSnapshot (juce::Component& component, juce::String name, float targetWidth);

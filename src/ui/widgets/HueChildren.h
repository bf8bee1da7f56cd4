#pragma once

#include "ui/lookandfeel/HasHue.h"

#include <juce_gui_basics/juce_gui_basics.h>

// Gives a hue to every direct child of a component that has one. Message thread.
inline void passHueToChildren (juce::Component& parent, int hue)
{
    for (auto* child : parent.getChildren())
        if (auto* tinted = dynamic_cast<HasHue*> (child))
            tinted->setHue (hue);
}

#pragma once

#include "ui/lookandfeel/HasHue.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace corvanel
{
// Base of every parameter panel: a component with a hue that it hands down to
// its child controls. Message thread only.
class Panel : public juce::Component, public HasHue
{
public:
    Panel() = default;

    // Stores the hue, passes it to every direct child that has a hue (a nested
    // panel passes it on to its own children) and repaints.
    void setHue (int newHue) override;
};
} // namespace corvanel

#pragma once

#include "ui/lookandfeel/HasHue.h"

#include <juce_gui_basics/juce_gui_basics.h>

// An on/off switch with its caption: a 24 x 9 track (9 x 24 when vertical)
// whose lit half sits at the right (top) end when on. Clicking toggles; the
// right mouse button does nothing.
class LabeledOnOffButton : public juce::Button, public HasHue
{
public:
    LabeledOnOffButton();
    explicit LabeledOnOffButton (const juce::String& name);

    void mouseDown (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void colourChanged() override;
    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;

    // Geometry of the switch at the current bounds (local coordinates).
    juce::Rectangle<int> getTrackBounds() const;
    juce::Rectangle<int> getLitBounds() const;

    bool vertical = false;
};

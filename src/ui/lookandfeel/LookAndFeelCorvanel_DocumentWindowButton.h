#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A title-bar button of document windows: a shape (another one while toggled
// on) without background, white while pressed. Message thread only.
class LookAndFeelCorvanel_DocumentWindowButton : public juce::Button
{
public:
    LookAndFeelCorvanel_DocumentWindowButton (const juce::String& name, juce::Colour colour, juce::Path normalShape,
                                              juce::Path toggledShape);

    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;

    const juce::Path& getNormalShape() const { return normalShape; }

private:
    juce::Colour colour;
    juce::Path normalShape, toggledShape;
};

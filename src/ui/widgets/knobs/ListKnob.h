#pragma once

#include "ui/widgets/knobs/BaseKnob.h"

#include <functional>

// A knob over the positions 0 .. maxIndex that draws the text (and, when
// given, the icon) of its position instead of a number. Message thread only.
class ListKnob : public UnidirectionalKnob
{
public:
    using TextFunction = std::function<juce::String (double)>;
    using IconFunction = std::function<juce::Path (double)>;

    // textFunction is required; iconFunction may be empty.
    ListKnob (juce::String name, int maxIndex, TextFunction textFunction, IconFunction iconFunction);

    void enablementChanged() override {}
    void paint (juce::Graphics& g) override;
    void resized() override { BaseKnob::resized(); }
    void setCompact (int shouldBeCompact) override;

    // The text shown for the current position.
    juce::String getShownText() const;

    TextFunction textFunction;
    IconFunction iconFunction;
    juce::Font font;
};

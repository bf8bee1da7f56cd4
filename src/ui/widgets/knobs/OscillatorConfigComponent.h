#pragma once

#include "ui/widgets/knobs/BaseKnob.h"

// The dual oscillator's configuration (0 .. 79 as its owner sets it): a mode
// text with two oscillator glyphs and a sync underline. Message thread only.
class OscillatorConfigComponent : public UnidirectionalKnob
{
public:
    OscillatorConfigComponent();

    void paint (juce::Graphics& g) override;

    struct Picture
    {
        juce::String mode, leftGlyph, rightGlyph;
        bool underline = false;
    };
    // What the value shows.
    static Picture pictureFor (int value);
};

#pragma once

#include "ui/widgets/knobs/BaseKnob.h"

// The LFO fade control, -64 .. 63: negative values fade in, positive fade
// out; drawn as a comb with the fade shape and a pointer. Message thread only.
class FadeSlider : public BaseKnob
{
public:
    struct LookAndFeelMethods
    {
        virtual ~LookAndFeelMethods() = default;
        virtual void drawFadeSlider (juce::Graphics&, FadeSlider&, bool isMouseOver, bool isMouseButtonDown) = 0;
    };

    explicit FadeSlider (juce::String name);

    void lookAndFeelChanged() override;
    void paint (juce::Graphics& g) override;
    void resized() override;
    void setScrollWheelEnabled (bool enabled) override { juce::Slider::setScrollWheelEnabled (enabled); }

    // The fade shape for a value, in the slider's own pixel coordinates.
    juce::Path makeFadeShape (double value) const;

    const juce::Path& getFadeShape() const { return fadeShape; }

private:
    void setLabelColours();

    juce::Path fadeShape;
};

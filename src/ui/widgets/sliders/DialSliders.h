#pragma once

#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/MouseWheelValueChangeEnabler.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

// Common part of the picture dials with a text box below (circle, cube and
// overdrive sliders). Device values arrive through setKnobValue, which also
// applies during a drag, notifies nobody and raises the highlight when the
// value changes. Owners listen as juce::Slider::Listener. Message thread only.
class DialSlider : public juce::Slider, public HasHue, public MouseWheelValueChangeEnabler
{
public:
    explicit DialSlider (bool highResolution);

    void setKnobValue (double value);

    // A negative step lights the highlight; otherwise lowers it by step
    // while it is 0 or more. Called from the owner's 33 ms timer.
    void fadeHighlight (float step);

    void setScrollWheelEnabled (bool enabled) override { juce::Slider::setScrollWheelEnabled (enabled); }
    juce::String getTextFromValue (double value) override;
    double getValueFromText (const juce::String& text) override;

    // 0xFFF0F0F0 while pressed, else the hue's bright shade, lifted towards
    // 0xFFF0F0F0 by the highlight; null colour without the program's look and feel.
    juce::Colour pointerColour();

    float highlightLevel = 0.0f;
    bool highResolution = false;
};

// Concentric rings: one to six by the value.
class CircleSlider : public DialSlider
{
public:
    explicit CircleSlider (bool highResolution);
    void paint (juce::Graphics& g) override;

    // Number of inner rings besides the outer one (0 .. 5) for the value.
    int innerRingCount() const;
};

// A wire-frame box that fills up with the value.
class CubeSlider : public DialSlider
{
public:
    explicit CubeSlider (bool highResolution);
    void paint (juce::Graphics& g) override;

    // The fill level in pixels for the current value and size.
    float fillLevel() const;
};

// A ring that roughens from a circle at the minimum to a noise shape at the
// maximum, with a pointer. The level control of every machine panel.
class OverdriveSlider : public DialSlider
{
public:
    static constexpr int pointCount = 256;

    OverdriveSlider();
    void paint (juce::Graphics& g) override;

    // The ring for a proportion 0 .. 1, radius 1 around the origin.
    juce::Path makeRing (float proportion) const;

    // Shape point i (the full noise shape), the same for every instance.
    static juce::Point<float> shapePoint (int i);

private:
    std::array<juce::Point<float>, pointCount> circlePoints;
    std::array<juce::Point<float>, pointCount> shapePoints;
};

// The reverb decay: a wire-frame cube that grows; "Inf" at 128.
class ReverbDecayKnob : public juce::Slider, public HasHue, public MouseWheelValueChangeEnabler
{
public:
    ReverbDecayKnob();

    void setKnobValue (double value);
    void fadeHighlight (float step);
    void setScrollWheelEnabled (bool enabled) override { juce::Slider::setScrollWheelEnabled (enabled); }
    void paint (juce::Graphics& g) override;
    void valueChanged() override;

    // True while the value is 128 (shown as "Inf" without the text box).
    bool showsInfinity() const { return getValue() == 128.0; }

    float highlightLevel = 0.0f;

private:
    void updateTextBox();
};

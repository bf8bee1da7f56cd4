#pragma once

#include "ui/lookandfeel/HasHue.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// A value in a bracketed box, dragged up/down or sideways; optionally with a
// small icon before the text. The wheel never moves it. Message thread only.
class TextBoxSlider : public juce::Slider, public HasHue
{
public:
    using IconFunction = std::function<juce::Path (double)>;

    explicit TextBoxSlider (IconFunction iconFunction = {});

    // Text shown instead of the value while disabled (empty: the value).
    void setDisabledText (juce::String text);

    // The text the box shows: the value text, "+" in front of values of 0
    // and more when the range minimum is negative.
    juce::String getDisplayText();

    // Width of the box: 24 (0), 32 (1), else 48.
    int getBoxWidth() const { return boxWidthMode == 0 ? 24 : (boxWidthMode == 1 ? 32 : 48); }

    void paint (juce::Graphics& g) override;

    int boxWidthMode = 0;

private:
    juce::String disabledText;
    IconFunction iconFunction;
};

// The text-box slider of the fine values: 0 .. 32512, text value / 256.
class HighResultionTextBoxSlider : public TextBoxSlider
{
public:
    HighResultionTextBoxSlider();
    juce::String getTextFromValue (double value) override;
};

// A display of a modulation depth: a line with a dot. Not editable.
class ModulationSlider : public juce::Component, public HasHue, public juce::SettableTooltipClient
{
public:
    ModulationSlider();

    // Stores the value and repaints only when it differs.
    void setValue (double newValue);
    double getValue() const { return value; }

    // A minimum above the maximum is raised to it.
    void setRange (double newMinimum, double newMaximum);

    void paint (juce::Graphics& g) override;

    juce::Colour dotColour { 0xFF1F1F1F };

private:
    double minimum = 0.0;
    double maximum = 127.0;
    double value = 0.0;
};

#pragma once

#include "ui/widgets/knobs/BaseKnob.h"

// Shared behaviour of the continuous fine-value knobs: an own value label,
// editable on one click, that shows the fine value (the last value the slider
// took or the owner set) with two decimals. Message thread only.
template <typename KnobBase>
class FineValueKnob : public KnobBase
{
public:
    explicit FineValueKnob (juce::String name);

    // The device-side setter of these knobs: stores the fine value and shows
    // it, without notification.
    void setHighResValue (double value);

    // Redraws the own label from the fine value.
    virtual void refreshLabel();

    juce::Label& getOwnLabel() { return ownLabel; }

    void mouseMove (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void enablementChanged() override;
    void valueChanged() override;
    double snapValue (double attemptedValue, juce::Slider::DragMode dragMode) override;
    void setTooltip (const juce::String& text) override;

    double fineValue = 0.0;

protected:
    void finishTypedValue (double v);

    SneakyLabel ownLabel;
};

// Bipolar fine knob: 0 .. 32766, text (value - minimum - 16384) / 128.
class HighResKnob : public FineValueKnob<DuodirectionalKnob>
{
public:
    explicit HighResKnob (juce::String name);

    juce::String getTextFromValue (double value) override;
    void setLabelPosition (int position) override;
    using BaseKnob::setLabelPosition;
    void resized() override;
    void labelTextChanged (juce::Label* label) override;
};

// Unipolar fine knob: 0 .. 32512, text value / 256.
class UniHighResKnob : public FineValueKnob<UnidirectionalKnob>
{
public:
    explicit UniHighResKnob (juce::String name);

    juce::String getTextFromValue (double value) override;
    void resized() override;
    void labelTextChanged (juce::Label* label) override;
};

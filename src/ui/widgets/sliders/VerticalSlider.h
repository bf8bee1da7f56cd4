#pragma once

#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/MouseWheelValueChangeEnabler.h"
#include "ui/widgets/Panel.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A captioned vertical fader with an editable number below. Owners listen to
// the inner slider as juce::Slider::Listener. Message thread only.
class VerticalSlider : public corvanel::Panel, public MouseWheelValueChangeEnabler, public juce::Label::Listener
{
public:
    // The fader itself: ignores the right mouse button; drawn by the look and
    // feel's linear slider drawing, which reads its hue and highlight.
    class ExtendedSlider : public juce::Slider, public HasHue
    {
    public:
        ExtendedSlider() = default;

        void mouseDown (const juce::MouseEvent& e) override;
        void mouseDrag (const juce::MouseEvent& e) override;
        void mouseUp (const juce::MouseEvent& e) override;

        // Device-side setter: raises the highlight when the value changes.
        void setKnobValue (double value, juce::NotificationType notification);

        float highlightLevel = 0.0f;
    };

    // Takes ownership of the inner slider.
    VerticalSlider (juce::String name, ExtendedSlider* innerSlider);
    // The form the machine panels use; the layout value is kept for them and
    // changes nothing in the drawing.
    VerticalSlider (juce::String name, int layoutValue, ExtendedSlider* innerSlider);
    ~VerticalSlider() override;

    // Shows the value in the label and, unless the user drags the fader,
    // sets the fader with the given notification.
    virtual void setValue (int value, juce::NotificationType notification);

    ExtendedSlider& getSlider() { return *slider; }
    SneakyLabel& getValueLabel() { return valueLabel; }
    SmallLabel& getCaption() { return caption; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    void labelTextChanged (juce::Label* label) override;
    void editorShown (juce::Label* label, juce::TextEditor& editor) override;
    void setScrollWheelEnabled (bool enabled) override { slider->setScrollWheelEnabled (enabled); }

    juce::Colour backgroundColour { 0xFF1E1E1E };
    int layout = 0;

private:
    juce::String name;
    SmallLabel caption;
    std::unique_ptr<ExtendedSlider> slider;
    SneakyLabel valueLabel;
};

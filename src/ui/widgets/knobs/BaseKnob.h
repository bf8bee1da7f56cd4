#pragma once

#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/MouseWheelValueChangeEnabler.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The rotary parameter control of the panels. User edits (drag, wheel,
// double-click or Alt-click, typed value) reach the knob's listeners; device
// values arrive through setKnobValue without notification and are dropped
// while the user holds the knob. Message thread only.
class BaseKnob : public juce::Slider,
                 public juce::Slider::Listener,
                 public juce::Label::Listener,
                 public MouseWheelValueChangeEnabler,
                 public HasHue
{
public:
    // Label positions (juce::Justification flags).
    static constexpr int labelBelow = 20;   // centredBottom
    static constexpr int labelRight = 34;   // centredRight
    static constexpr int labelCentred = 36; // centred

    static constexpr int labelWidth = 42;
    static constexpr int labelHeight = 18;

    // Observer of user edits. Called on the message thread.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void knobValueChanged (BaseKnob* knob, double value) = 0;
    };

    // Drawing operations, implemented by the program's look and feel.
    struct LookAndFeelMethods
    {
        virtual ~LookAndFeelMethods() = default;
        virtual void drawKnobBody (juce::Graphics&, BaseKnob&, bool isMouseOver, bool isMouseButtonDown) = 0;
        virtual void drawUnipolarValueArc (juce::Graphics&, BaseKnob&, bool isMouseOver, bool isMouseButtonDown) = 0;
        virtual void drawBipolarValueArc (juce::Graphics&, BaseKnob&, bool isMouseOver, bool isMouseButtonDown) = 0;
        virtual void drawModulationAmountArc (juce::Graphics&, BaseKnob&, bool isMouseOver) = 0;
        virtual void drawModulationRangeArc (juce::Graphics&, BaseKnob&, bool isMouseOver) = 0;
    };

    explicit BaseKnob (juce::String name);
    ~BaseKnob() override;

    // The device-side setter: ignored while the user drags; raises the
    // highlight when the raw value differs from the shown one; clamps.
    void setKnobValue (double value, juce::NotificationType notification);

    // Knob listeners (not owned, no duplicates; null ignored).
    void addListener (Listener* listener);
    void removeListener (Listener* listener);
    using juce::Slider::addListener;
    using juce::Slider::removeListener;

    virtual void setCompact (int shouldBeCompact);
    virtual void setLabelPosition (int position);
    void setLabelPosition (juce::Justification position) { setLabelPosition (position.getFlags()); }

    juce::Rectangle<int> getValueLabelBounds() const;
    void hideValueLabel();

    bool isCompact() const { return compact != 0; }
    int getLabelPosition() const { return labelPosition; }
    SneakyLabel& getValueLabel() { return *valueLabel; }

    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;
    void lookAndFeelChanged() override;
    void enablementChanged() override;
    void paint (juce::Graphics& g) override;
    void resized() override;
    void sliderValueChanged (juce::Slider* slider) override;
    void labelTextChanged (juce::Label* label) override;
    void setScrollWheelEnabled (bool enabled) override;
    void setTooltip (const juce::String& text) override;

    // True while the user holds the knob with the mouse.
    bool isBeingDragged() const { return getThumbBeingDragged() >= 0; }

    // 1.0 right after a device change; the owning panel lowers it.
    float highlightLevel = 0.0f;

    // Modulation display of the drawing; nothing sets them in this program.
    float modulationAmount = 0.0f;
    float modulationRangeLow = 0.0f;
    float modulationRangeHigh = 0.0f;

protected:
    // The shown value written with the knob's decimal places.
    juce::String valueText (double value) const;
    void notifyListeners (double value);
    void drawKnob (juce::Graphics& g);
    int valueBoxHeight() const;

    int compact = 1;
    bool valueLabelInUse = true;
    std::unique_ptr<SneakyLabel> valueLabel;
    int decimalPlaces = 0;

public:
    double scale = 1.0;

protected:
    int labelPosition = labelBelow;
    juce::Array<Listener*> listeners;
};

// 0 .. 127.
class UnidirectionalKnob : public BaseKnob
{
public:
    explicit UnidirectionalKnob (juce::String name);
};

// -64 .. 63, drawn from the centre.
class DuodirectionalKnob : public BaseKnob
{
public:
    explicit DuodirectionalKnob (juce::String name);
};

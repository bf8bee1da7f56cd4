#pragma once

#include "ui/panels/engine/CustomColumnControl.h"
#include "ui/panels/engine/ValueMapping.h"
#include "ui/widgets/LabeledOnOffButton.h"
#include "ui/widgets/knobs/BaseKnob.h"
#include "ui/widgets/knobs/HighResKnobs.h"
#include "ui/widgets/sliders/DialSliders.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <vector>

// Where a binding hands a user edit: the owning panel, which writes through
// its data object. Message thread.
class ParameterWriter
{
public:
    virtual ~ParameterWriter() = default;
    virtual void writeFromGui (const juce::Identifier& id, int value) = 0;
};

// One parameter control of a panel, adapted to one behaviour whatever the
// widget's own notification style:
// - a user edit (drag, wheel, typed value, double-click or Alt-click, click)
//   is written once, through exactly one of the widget's notification paths;
// - a device value is shown without notification, so it is never echoed, and
//   is dropped while the user drags the control;
// - a knob lights its highlight on every change, and the panel's timer fades it.
// The widget is not owned and must outlive the binding. Message thread only.
class ControlBinding
{
public:
    ControlBinding (const juce::Identifier& id, ControlKind kind, ParameterWriter& writer);
    virtual ~ControlBinding() = default;

    const juce::Identifier& getIdentifier() const { return id; }
    ControlKind getKind() const { return kind; }

    virtual void showDeviceValue (int value) = 0;

    // The parameter's default, as the control's double-click and Alt-click value.
    virtual void setDefaultValue (int) {}

    // Lowers a highlight that is 0 or more by step and repaints; nothing else.
    virtual void fadeHighlight (float) {}

    // The components a right click may hit for this parameter, in hit order.
    virtual std::vector<juce::Component*> getHitComponents() const = 0;

    // Whether a right click on the control opens its parameter's menu (default yes).
    bool opensMenu() const { return menuOnRightClick; }
    void setOpensMenu (bool shouldOpen) { menuOnRightClick = shouldOpen; }

protected:
    void write (int value) { writer.writeFromGui (id, value); }

    const juce::Identifier id;
    const ControlKind kind;

private:
    ParameterWriter& writer;
    bool menuOnRightClick = true;

    JUCE_DECLARE_NON_COPYABLE (ControlBinding)
};

// A unipolar, bipolar or list knob: user edits arrive as knobValueChanged.
class KnobBinding : public ControlBinding, private BaseKnob::Listener
{
public:
    KnobBinding (BaseKnob& knob, const juce::Identifier& id, ControlKind kind, ParameterWriter& writer);
    ~KnobBinding() override;

    void showDeviceValue (int value) override;
    void setDefaultValue (int value) override;
    void fadeHighlight (float step) override;
    std::vector<juce::Component*> getHitComponents() const override { return { &knob }; }

private:
    // Message thread, from the knob on a user edit.
    void knobValueChanged (BaseKnob* changed, double value) override;

    BaseKnob& knob;
};

// A unipolar fine knob (UniHighResKnob) whose control value is the device
// value less a fixed offset: user edits arrive only through its value-change
// callback (its typed-value path calls the callback too), never as
// knobValueChanged, and write (int) c + offset; a device value v shows v -
// offset, clamped to the knob, except during a drag.
class UniFineKnobBinding : public ControlBinding
{
public:
    UniFineKnobBinding (UniHighResKnob& knob, const juce::Identifier& id, int offset, ParameterWriter& writer,
                        ControlKind kind = ControlKind::fine);
    ~UniFineKnobBinding() override;

    void showDeviceValue (int value) override;
    void setDefaultValue (int value) override;
    void fadeHighlight (float step) override;
    std::vector<juce::Component*> getHitComponents() const override { return { &knob }; }

private:
    UniHighResKnob& knob;
    const int offset;
};

// A fine tune knob: the device value is the control value plus the centre 0x4000.
class TuneKnobBinding : public UniFineKnobBinding
{
public:
    TuneKnobBinding (UniHighResKnob& knob, const juce::Identifier& id, ParameterWriter& writer);
};

// A fine knob of the raw device value (a modulation depth): user edits, by
// drag or typed value, arrive as knobValueChanged and are written truncated;
// a device value sets the fine value and its text, except during a drag.
class FineKnobBinding : public ControlBinding, private BaseKnob::Listener
{
public:
    FineKnobBinding (HighResKnob& knob, const juce::Identifier& id, ParameterWriter& writer);
    ~FineKnobBinding() override;

    void showDeviceValue (int value) override;
    void fadeHighlight (float step) override;
    std::vector<juce::Component*> getHitComponents() const override { return { &knob }; }

private:
    // Message thread, from the knob on a user edit.
    void knobValueChanged (BaseKnob* changed, double value) override;

    HighResKnob& knob;
};

// A picture dial (circle, cube or overdrive slider): user edits arrive as
// sliderValueChanged and are written in the binding's encoding, with the
// highlight lit when lightOnEdit; a device value lights it when it changes and
// is dropped while the user drags the dial.
class DialBinding : public ControlBinding, private juce::Slider::Listener
{
public:
    DialBinding (DialSlider& slider, const juce::Identifier& id, ControlKind kind, bool lightOnEdit, ParameterWriter& writer);
    ~DialBinding() override;

    void showDeviceValue (int value) override;
    void setDefaultValue (int value) override;
    void fadeHighlight (float step) override;
    std::vector<juce::Component*> getHitComponents() const override { return { &slider }; }

private:
    // Message thread, from the slider on a user edit.
    void sliderValueChanged (juce::Slider* changed) override;

    DialSlider& slider;
    const bool lightOnEdit;
};

// The overdrive slider: 0 .. 127 shifted by 8; a user edit lights no highlight.
class OverdriveBinding : public DialBinding
{
public:
    OverdriveBinding (OverdriveSlider& slider, const juce::Identifier& id, ParameterWriter& writer);
};

// The reverb's decay, 1 .. 128 for the device's 0 .. 127 shifted by 8: a user
// edit lights the highlight fully; a device value that changes the shown one
// lights it too, and is dropped while the user drags the knob.
class ReverbDecayBinding : public ControlBinding, private juce::Slider::Listener
{
public:
    ReverbDecayBinding (ReverbDecayKnob& knob, const juce::Identifier& id, ParameterWriter& writer);
    ~ReverbDecayBinding() override;

    static int toDevice (double c) noexcept { return (static_cast<int> (c) - 1) * 256; }
    static double toControl (int v) noexcept { return (v >> 8) + 1; }

    void showDeviceValue (int value) override;
    void setDefaultValue (int value) override;
    void fadeHighlight (float step) override { knob.fadeHighlight (step); }
    std::vector<juce::Component*> getHitComponents() const override { return { &knob }; }

private:
    // Message thread, from the knob on a user edit.
    void sliderValueChanged (juce::Slider* changed) override;

    ReverbDecayKnob& knob;
};

// An on/off switch: a click (which has already toggled it) writes 256 or 0.
class SwitchBinding : public ControlBinding
{
public:
    SwitchBinding (LabeledOnOffButton& button, const juce::Identifier& id, OnOffThreshold threshold, ParameterWriter& writer);
    ~SwitchBinding() override;

    void showDeviceValue (int value) override;
    std::vector<juce::Component*> getHitComponents() const override { return { &button }; }

private:
    LabeledOnOffButton& button;
    const OnOffThreshold threshold;
};

// A control of its own: it encodes and shows values itself; the binding writes
// what it says after a user edit.
class CustomBinding : public ControlBinding
{
public:
    CustomBinding (CustomColumnControl& control, const juce::Identifier& id, ParameterWriter& writer);
    ~CustomBinding() override;

    void showDeviceValue (int value) override { control.showDeviceValue (value); }
    void setDefaultValue (int value) override { control.setDefaultValue (value); }
    void fadeHighlight (float step) override { control.fadeHighlight (step); }
    std::vector<juce::Component*> getHitComponents() const override;

private:
    CustomColumnControl& control;
};

// A control whose panel decodes device values and writes user edits itself
// (the filter panels' value boxes, selectors and graphs): the binding hands
// device values of its identifier and the parameter's default to the panel's
// functions and names the components a right click may hit (none: the
// control opens no menu).
class PanelFunctionBinding : public ControlBinding
{
public:
    PanelFunctionBinding (const juce::Identifier& id, std::vector<juce::Component*> hitComponents,
                          std::function<void (int)> show, std::function<void (int)> useDefault, ParameterWriter& writer);

    void showDeviceValue (int value) override;
    void setDefaultValue (int value) override;
    std::vector<juce::Component*> getHitComponents() const override { return hits; }

private:
    const std::vector<juce::Component*> hits;
    const std::function<void (int)> show, useDefault;
};

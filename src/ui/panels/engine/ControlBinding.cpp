#include "ui/panels/engine/ControlBinding.h"

namespace
{
void fadeKnob (BaseKnob& knob, float step)
{
    if (knob.highlightLevel < 0.0f)
        return;
    knob.highlightLevel -= step;
    knob.repaint();
}

void lightKnob (BaseKnob& knob)
{
    knob.highlightLevel = 1.0f;
    knob.repaint();
}

void setReturnValue (juce::Slider& slider, double value)
{
    slider.setDoubleClickReturnValue (true, value, juce::ModifierKeys::altModifier);
}
} // namespace

ControlBinding::ControlBinding (const juce::Identifier& idToUse, ControlKind kindToUse, ParameterWriter& writerToUse)
    : id (idToUse), kind (kindToUse), writer (writerToUse)
{
}

//==============================================================================
KnobBinding::KnobBinding (BaseKnob& knobToUse, const juce::Identifier& idToUse, ControlKind kindToUse, ParameterWriter& writerToUse)
    : ControlBinding (idToUse, kindToUse, writerToUse), knob (knobToUse)
{
    knob.addListener (this);
}

KnobBinding::~KnobBinding()
{
    knob.removeListener (this);
}

void KnobBinding::knobValueChanged (BaseKnob*, double value)
{
    lightKnob (knob);
    write (ValueMapping::toDevice (kind, value));
}

void KnobBinding::showDeviceValue (int value)
{
    knob.setKnobValue (ValueMapping::toControl (kind, value), juce::dontSendNotification);
}

void KnobBinding::setDefaultValue (int value)
{
    setReturnValue (knob, ValueMapping::toControl (kind, value));
}

void KnobBinding::fadeHighlight (float step)
{
    fadeKnob (knob, step);
}

//==============================================================================
UniFineKnobBinding::UniFineKnobBinding (UniHighResKnob& knobToUse, const juce::Identifier& idToUse, int offsetToUse,
                                        ParameterWriter& writerToUse, ControlKind kindToUse)
    : ControlBinding (idToUse, kindToUse, writerToUse), knob (knobToUse), offset (offsetToUse)
{
    knob.onValueChange = [this]
    {
        lightKnob (knob);
        write (static_cast<int> (knob.getValue()) + offset);
    };
}

UniFineKnobBinding::~UniFineKnobBinding()
{
    knob.onValueChange = nullptr;
}

void UniFineKnobBinding::showDeviceValue (int value)
{
    // The knob's own setter moves its label even during a drag; neither may move then.
    if (knob.isBeingDragged())
        return;
    // Clamped here as the knob clamps its value, so the label never shows more than the knob.
    knob.setHighResValue (juce::jlimit (knob.getMinimum(), knob.getMaximum(), static_cast<double> (value - offset)));
}

void UniFineKnobBinding::setDefaultValue (int value)
{
    setReturnValue (knob, value - offset);
}

void UniFineKnobBinding::fadeHighlight (float step)
{
    fadeKnob (knob, step);
}

TuneKnobBinding::TuneKnobBinding (UniHighResKnob& knobToUse, const juce::Identifier& idToUse, ParameterWriter& writerToUse)
    : UniFineKnobBinding (knobToUse, idToUse, static_cast<int> (ValueMapping::toDevice (ControlKind::tune, 0.0)), writerToUse,
                          ControlKind::tune)
{
}

//==============================================================================
FineKnobBinding::FineKnobBinding (HighResKnob& knobToUse, const juce::Identifier& idToUse, ParameterWriter& writerToUse)
    : ControlBinding (idToUse, ControlKind::fine, writerToUse), knob (knobToUse)
{
    knob.addListener (this);
}

FineKnobBinding::~FineKnobBinding()
{
    knob.removeListener (this);
}

void FineKnobBinding::knobValueChanged (BaseKnob*, double value)
{
    lightKnob (knob);
    write (ValueMapping::toDevice (kind, value));
}

void FineKnobBinding::showDeviceValue (int value)
{
    if (knob.isBeingDragged())
        return;
    knob.setHighResValue (juce::jlimit (knob.getMinimum(), knob.getMaximum(), ValueMapping::toControl (kind, value)));
}

void FineKnobBinding::fadeHighlight (float step)
{
    fadeKnob (knob, step);
}

//==============================================================================
DialBinding::DialBinding (DialSlider& sliderToUse, const juce::Identifier& idToUse, ControlKind kindToUse, bool lightOnEditToUse,
                          ParameterWriter& writerToUse)
    : ControlBinding (idToUse, kindToUse, writerToUse), slider (sliderToUse), lightOnEdit (lightOnEditToUse)
{
    slider.addListener (this);
}

DialBinding::~DialBinding()
{
    slider.removeListener (this);
}

void DialBinding::sliderValueChanged (juce::Slider*)
{
    if (lightOnEdit)
        slider.fadeHighlight (-1.0f);
    write (ValueMapping::toDevice (kind, slider.getValue()));
}

void DialBinding::showDeviceValue (int value)
{
    // The slider's own setter applies during a drag; the user's drag wins.
    if (slider.getThumbBeingDragged() >= 0)
        return;
    slider.setKnobValue (ValueMapping::toControl (kind, value));
}

void DialBinding::setDefaultValue (int value)
{
    setReturnValue (slider, ValueMapping::toControl (kind, value));
}

void DialBinding::fadeHighlight (float step)
{
    slider.fadeHighlight (step);
}

OverdriveBinding::OverdriveBinding (OverdriveSlider& sliderToUse, const juce::Identifier& idToUse, ParameterWriter& writerToUse)
    : DialBinding (sliderToUse, idToUse, ControlKind::overdrive, false, writerToUse)
{
}

//==============================================================================
ReverbDecayBinding::ReverbDecayBinding (ReverbDecayKnob& knobToUse, const juce::Identifier& idToUse, ParameterWriter& writerToUse)
    : ControlBinding (idToUse, ControlKind::custom, writerToUse), knob (knobToUse)
{
    knob.addListener (this);
}

ReverbDecayBinding::~ReverbDecayBinding()
{
    knob.removeListener (this);
}

void ReverbDecayBinding::sliderValueChanged (juce::Slider*)
{
    knob.fadeHighlight (-1.0f);
    write (toDevice (knob.getValue()));
}

void ReverbDecayBinding::showDeviceValue (int value)
{
    if (knob.getThumbBeingDragged() >= 0)
        return;
    knob.setKnobValue (toControl (value));
}

void ReverbDecayBinding::setDefaultValue (int value)
{
    setReturnValue (knob, toControl (value));
}

//==============================================================================
SwitchBinding::SwitchBinding (LabeledOnOffButton& buttonToUse, const juce::Identifier& idToUse, OnOffThreshold thresholdToUse,
                              ParameterWriter& writerToUse)
    : ControlBinding (idToUse, ControlKind::onOff, writerToUse), button (buttonToUse), threshold (thresholdToUse)
{
    button.onClick = [this] { write (ValueMapping::toDevice (ControlKind::onOff, button.getToggleState() ? 1.0 : 0.0)); };
}

SwitchBinding::~SwitchBinding()
{
    button.onClick = nullptr;
}

void SwitchBinding::showDeviceValue (int value)
{
    button.setToggleState (ValueMapping::switchIsOn (threshold, value), juce::dontSendNotification);
}

//==============================================================================
CustomBinding::CustomBinding (CustomColumnControl& controlToUse, const juce::Identifier& idToUse, ParameterWriter& writerToUse)
    : ControlBinding (idToUse, ControlKind::custom, writerToUse), control (controlToUse)
{
    control.onUserChange = [this]
    {
        if (const auto value = control.valueToWrite())
            write (*value);
    };
}

CustomBinding::~CustomBinding()
{
    control.onUserChange = nullptr;
}

std::vector<juce::Component*> CustomBinding::getHitComponents() const
{
    std::vector<juce::Component*> hits;
    for (const auto& part : control.getParts())
        if (part.opensMenu && part.component != nullptr)
            hits.push_back (part.component);
    return hits;
}

PanelFunctionBinding::PanelFunctionBinding (const juce::Identifier& idToUse, std::vector<juce::Component*> hitComponents,
                                            std::function<void (int)> showToUse, std::function<void (int)> useDefaultToUse,
                                            ParameterWriter& writerToUse)
    : ControlBinding (idToUse, ControlKind::custom, writerToUse),
      hits (std::move (hitComponents)),
      show (std::move (showToUse)),
      useDefault (std::move (useDefaultToUse))
{
    setOpensMenu (! hits.empty());
}

void PanelFunctionBinding::showDeviceValue (int value)
{
    if (show)
        show (value);
}

void PanelFunctionBinding::setDefaultValue (int value)
{
    if (useDefault)
        useDefault (value);
}

#include "ui/panels/effects/DelayPanel.h"

#include "ui/lookandfeel/HuePalette.h"
#include "ui/widgets/formatters/ValueFormatters.h"

namespace
{
const char* const captionTexts[] = { "Delay Time", "Feedback", "HP Filter", "LP Filter", "Stereo Width", "Pingpong", "Reverb", "Mix Volume" };

constexpr int diagramSize = 147;
constexpr int columnWidth = 82;
constexpr int knobHeight = 57;
constexpr int switchHeight = 32;

void setFineRange (juce::Slider& s, double low, double high)
{
    s.setRange (low, high, 0.01);
}
} // namespace

int DelayPanel::feedbackPercent (int index)
{
    return percentOf64Formatter (index).getIntValue();
}

DelayPanel::DelayPanel (PanelContextIfc& context, int track)
    : ParameterPanel (context, track, true, false),
      feedbackKnob ("Feedback", 127, percentOf64Formatter, {}),
      globalMode (context, globalModeBit, { &captions[0], &captions[1], &captions[2], &captions[3], &captions[4], &captions[5],
                                            &captions[6], &captions[7] })
{
    setFineRange (timeKnob, 256.0, 32768.0);
    feedbackKnob.setRange (0.0, 127.0, 1.0);
    setFineRange (hpKnob, 0.0, 32512.0);
    setFineRange (lpKnob, 0.0, 32512.0);
    setFineRange (widthKnob, -16384.0, 16128.0);
    setFineRange (sendSlider, 0.0, 32512.0);
    setFineRange (volumeKnob, 0.0, 32512.0);
    hpKnob.setCompact (true);
    lpKnob.setCompact (true);
    pingPongSwitch.vertical = true;

    timeKnob.setTooltip (juce::translate ("Sets the delay time relative to the current BPM. Measured in 128th notes. A setting of 32 "
                                          "equals a one beat delay (four 1/16th notes)."));
    feedbackKnob.setTooltip (juce::translate ("Sets the amount of delay output that will be fed back into the input of the delay. High "
                                              "values may result in rapidly increasing, even infinite delays. Note that high feedback "
                                              "can lead to a very loud signal."));
    hpKnob.setTooltip (juce::translate ("Sets the highpass filtering of the delay."));
    lpKnob.setTooltip (juce::translate ("Sets the lowpass filtering of the delay."));
    widthKnob.setTooltip (juce::translate ("Sets the location in the stereo field of the delay signal."));
    pingPongSwitch.setTooltip (juce::translate ("Sets the delay signal to alternate, \"ping pong\", across the stereo field."));
    sendSlider.setTooltip (juce::translate ("Sets the amount of delay signal to send through to the reverb."));
    volumeKnob.setTooltip (juce::translate ("Adjusts the volume of the delay signal."));
    diagram.setTooltip (juce::translate ("Spacing is determined by the Time parameter, gradual decrease or increase depends on the "
                                         "Feedback, and clarity or distortion is set using the Overdrive parameter."));
    diagram.setOpaque (true);

    for (BaseKnob* knob : { static_cast<BaseKnob*> (&timeKnob), static_cast<BaseKnob*> (&feedbackKnob), static_cast<BaseKnob*> (&hpKnob),
                            static_cast<BaseKnob*> (&lpKnob), static_cast<BaseKnob*> (&widthKnob), static_cast<BaseKnob*> (&volumeKnob) })
    {
        knob->referToValue (preferences.getSliderMouseWheelValue());
        addAndMakeVisible (knob);
    }
    sendSlider.referToValue (preferences.getSliderMouseWheelValue());
    addAndMakeVisible (sendSlider);
    addAndMakeVisible (pingPongSwitch);
    addAndMakeVisible (diagram);

    for (size_t i = 0; i < captions.size(); ++i)
    {
        captions[i].setText (juce::translate (captionTexts[i]), juce::dontSendNotification);
        captions[i].setJustificationType (juce::Justification::centredTop);
        addAndMakeVisible (captions[i]);
    }
}

DelayPanel::~DelayPanel()
{
    releaseBindings();
}

void DelayPanel::setParameterIds (const juce::Identifier& time, const juce::Identifier& feedback, const juce::Identifier& hpFilter,
                                  const juce::Identifier& lpFilter, const juce::Identifier& width, const juce::Identifier& pingPong,
                                  const juce::Identifier& reverbSend, const juce::Identifier& volume, const juce::Identifier& ninth)
{
    ids = { time, feedback, hpFilter, lpFilter, width, pingPong, reverbSend, volume, ninth };

    // In the order a right click tests them.
    addBinding (std::make_unique<UniFineKnobBinding> (timeKnob, time, -timeOffset, *this));
    addBinding (std::make_unique<KnobBinding> (feedbackKnob, feedback, ControlKind::list, *this));
    addBinding (std::make_unique<UniFineKnobBinding> (hpKnob, hpFilter, 0, *this));
    addBinding (std::make_unique<UniFineKnobBinding> (lpKnob, lpFilter, 0, *this));
    addBinding (std::make_unique<UniFineKnobBinding> (widthKnob, width, widthOffset, *this));
    addBinding (std::make_unique<DialBinding> (sendSlider, reverbSend, ControlKind::fine, true, *this));
    addBinding (std::make_unique<UniFineKnobBinding> (volumeKnob, volume, 0, *this));
    addBinding (std::make_unique<SwitchBinding> (pingPongSwitch, pingPong, OnOffThreshold::shiftedNonZero, *this));

    watch ({ time, feedback, hpFilter, lpFilter, width, pingPong, reverbSend, volume, ninth });
    applyDefaults();
    if (int v = 0; getDataObject() != nullptr && getDataObject()->getValue (pingPong, v))
    {
        pingPongSwitch.setToggleState (ValueMapping::switchIsOn (OnOffThreshold::shiftedNonZero, v), juce::dontSendNotification);
        diagram.setPingPong (pingPongSwitch.getToggleState());
    }
    start();
}

void DelayPanel::valueChanged (MachineDataObject* object, const juce::Identifier& id, int value)
{
    ParameterPanel::valueChanged (object, id, value);
    showOnDiagram (id, value, true);
}

void DelayPanel::writeFromGui (const juce::Identifier& id, int value)
{
    showOnDiagram (id, value, false);
    ParameterPanel::writeFromGui (id, value);
}

void DelayPanel::showOnDiagram (const juce::Identifier& id, int value, bool fromDevice)
{
    if (! id.isValid())
        return;
    if (id == ids[0])
        diagram.setTime ((value + timeOffset) / 256.0);
    else if (id == ids[1])
        diagram.setFeedback (feedbackPercent (value >> 8));
    else if (id == ids[4])
        diagram.setStereoWidth (fromDevice ? (value >> 8) - 64 : (value - widthOffset) / 256.0);
    else if (id == ids[5])
        diagram.setPingPong (ValueMapping::switchIsOn (OnOffThreshold::shiftedNonZero, value));
}

void DelayPanel::paint (juce::Graphics& g)
{
    g.setColour (HuePalette::shades (hue > 16 ? 15 : hue).darkest);
    g.fillRect (diagram.getBounds().expanded (8));
}

void DelayPanel::resized()
{
    const int a = juce::jmax (getWidth() - 16, 0);
    const int b = juce::jmax (getHeight() - 24, 0);

    const int m = juce::jmin (a, 150);
    diagram.setBounds (a - m + (m - diagramSize) / 2, 12 + (b - diagramSize) / 2, diagramSize, diagramSize);

    int rest = a - m;
    int columns[4] {};
    int widths[4] {};
    for (int c = 0, x = 8; c < 4; ++c)
    {
        widths[c] = juce::jmax (0, juce::jmin (rest, columnWidth));
        columns[c] = x;
        x += widths[c];
        rest -= widths[c];
    }

    const int r1 = juce::jmin (b, 100);
    const int l1 = juce::jmin (r1, 20);
    const int y2 = 17 + r1;
    const int r2 = juce::jmax (0, juce::jmin (b - r1, 100));
    const int l2 = juce::jmin (r2, 20);

    auto caption = [&] (int index, int column, int rowTop, int strip, int extra = 0) {
        const int w = 60 + 2 * extra;
        captions[static_cast<size_t> (index)].setBounds (columns[column] + (widths[column] - w) / 2,
                                                         rowTop + (juce::jmax (strip - 6, 0) - 14) / 2, w, 14);
    };
    auto knob = [&] (juce::Component& c, int column, int top, int height) { c.setBounds (columns[column], top, widths[column], height); };

    caption (timeCaption, 0, 12, l1);
    knob (timeKnob, 0, 12 + l1, juce::jmin (r1 - l1, knobHeight));
    caption (pingPongCaption, 1, 12, l1);
    knob (pingPongSwitch, 1, 12 + l1, juce::jmin (r1 - l1, switchHeight));
    caption (widthCaption, 2, 12, l1, 2);
    knob (widthKnob, 2, 12 + l1, juce::jmin (r1 - l1, knobHeight));
    caption (feedbackCaption, 3, 12, l1);
    knob (feedbackKnob, 3, 12 + l1, juce::jmin (r1 - l1, knobHeight));

    caption (hpCaption, 0, y2, l2);
    knob (hpKnob, 0, y2 + l2, juce::jmin (r2 - l2, knobHeight));
    caption (lpCaption, 1, y2, l2);
    knob (lpKnob, 1, y2 + l2, juce::jmin (r2 - l2, knobHeight));
    caption (sendCaption, 2, y2, l2);
    sendSlider.setBounds (columns[2] + (widths[2] - 50) / 2, y2 + l2 + 5 + juce::jmin (r2 - l2 - 53, 0) / 2, 50, 53);
    caption (volumeCaption, 3, y2, l2);
    knob (volumeKnob, 3, y2 + l2, juce::jmin (r2 - l2, knobHeight));
}

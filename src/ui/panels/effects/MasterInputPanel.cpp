#include "ui/panels/effects/MasterInputPanel.h"

#include "model/tables/ParameterIds.h"

namespace
{
struct InputTexts
{
    const char* level;
    const char* pan;
    const char* reverb;
    const char* delay;
    const char* panCaption;
};

const InputTexts stereoTexts { "Level of the stereo input signal.", "Balance of the input stereo signal.",
                               "Amount to send to the reverb effect for the external stereo input signal.",
                               "Amount to send to the delay effect for the external stereo input signal.", "Balance LR" };
const InputTexts monoTexts { "Level of the external mono inputs.", "Pan for the external mono inputs.",
                             "Amount to send to the reverb effect for external mono inputs.",
                             "Amount to send to the delay effect for external mono inputs.", "Pan LR" };

constexpr int sendWidth = 58;
constexpr int sendHeight = 56;
} // namespace

MasterInputPanel::MasterInputPanel (PanelContextIfc& context, int track)
    : ParameterPanel (context, track, true, false),
      levelKnob (juce::translate ("Stereo Level")),
      panKnob (juce::translate ("Stereo Pan")),
      globalMode (context, globalModeBit, { &inputCaption, &panCaption, &reverbCaption, &delayCaption }),
      modeWatch (context, &context.getSettings(), [this] (const juce::Identifier& id, int value) {
          if (id == Settings_ExternalInMonoStereoMode)
          {
              stereo = value != 0;
              applyStereoTexts();
          }
      })
{
    applyStereoTexts();

    for (DialSlider* send : { static_cast<DialSlider*> (&delaySend), static_cast<DialSlider*> (&reverbSend) })
    {
        addAndMakeVisible (send);
        send->setRange (0.0, 32512.0, 0.01);
        send->referToValue (preferences.getSliderMouseWheelValue());
    }
    for (BaseKnob* knob : { static_cast<BaseKnob*> (&levelKnob), static_cast<BaseKnob*> (&panKnob) })
    {
        addAndMakeVisible (knob);
        knob->referToValue (preferences.getSliderMouseWheelValue());
    }
    for (auto* caption : { &inputCaption, &panCaption, &reverbCaption, &delayCaption })
    {
        addAndMakeVisible (caption);
        caption->setJustificationType (juce::Justification::centredTop);
    }
}

MasterInputPanel::~MasterInputPanel()
{
    releaseBindings();
}

void MasterInputPanel::setParameterIds()
{
    // In the order a right click tests them.
    addBinding (std::make_unique<UniFineKnobBinding> (levelKnob, FX_ExtInInputLevel, 0, *this));
    addBinding (std::make_unique<KnobBinding> (panKnob, FX_ExtInInputBalance, ControlKind::bipolar, *this));
    addBinding (std::make_unique<DialBinding> (delaySend, FX_ExtInDelaySend, ControlKind::fine, true, *this));
    addBinding (std::make_unique<DialBinding> (reverbSend, FX_ExtInReverbSend, ControlKind::fine, true, *this));

    watch ({ FX_ExtInInputLevel, FX_ExtInInputBalance, FX_ExtInDelaySend, FX_ExtInReverbSend });
    modeWatch.addIdentifiers ({ Settings_ExternalInMonoStereoMode });
    applyDefaults();
    start();
}

void MasterInputPanel::applyStereoTexts()
{
    const auto& texts = stereo ? stereoTexts : monoTexts;
    levelKnob.setTooltip (juce::translate (texts.level));
    panKnob.setTooltip (juce::translate (texts.pan));
    reverbSend.setTooltip (juce::translate (texts.reverb));
    delaySend.setTooltip (juce::translate (texts.delay));
    panCaption.setText (juce::translate (texts.panCaption), juce::dontSendNotification);
}

void MasterInputPanel::resized()
{
    const int iw = juce::jmax (getWidth() - 8, 0);
    const int ih = juce::jmax (getHeight() - 32, 0);
    const int c1 = iw / 2;
    const int c2 = juce::jmin (iw - c1, iw / 2);

    const int a = juce::jmin (ih, 72);
    const int cap = juce::jmin (a, 16);
    const int cy = (juce::jmax (cap - 4, 0) - 14) / 2;
    inputCaption.setBounds (4 + (c1 - 60) / 2, 16 + cy, 60, 14);
    levelKnob.setBounds (4, 16 + cap, c1, a - cap);
    panCaption.setBounds (c1 + 4 + (c2 - 60) / 2, 16 + cy, 60, 14);
    panKnob.setBounds (c1 + 4, 16 + cap, c2, a - cap);

    const int g = juce::jmin (ih - a, 20);
    const int y2 = 16 + a + g;
    const int b = juce::jmin (ih - a - g, 72);
    const int cap2 = juce::jmin (b, 16);
    const int cy2 = (juce::jmax (cap2 - 4, 0) - 14) / 2;
    delayCaption.setBounds (4 + (c1 - 60) / 2, y2 + cy2, 60, 14);
    delaySend.setBounds (4, y2 + cap2, c1, b - cap2);
    reverbCaption.setBounds (c1 + 4 + (c2 - 60) / 2, y2 + cy2, 60, 14);
    reverbSend.setBounds (c1 + 4 + (c2 - sendWidth) / 2, y2 + cap2 + (b - cap2 - sendHeight) / 2, sendWidth, sendHeight);
}

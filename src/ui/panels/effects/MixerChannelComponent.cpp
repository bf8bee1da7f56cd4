#include "model/tables/ParameterIds.h"
#include "ui/panels/effects/MixerPanel.h"
#include "ui/panels/engine/GlobalModeCaptions.h"

namespace
{
constexpr juce::uint32 panBackground = 0xFF1E1E1E;
constexpr int on = 256;
}

MixerPanel::MixerChannelComponent::MixerChannelComponent (PanelContextIfc& context, SamplePublisher* publisher,
                                                          int trackToUse, int source)
    : track (trackToUse),
      nameLabel (Vantu::Kit::trackName (trackToUse)),
      meter (publisher, source, 0),
      kitWatch (context, &context.getKit(), [this] (const juce::Identifier& id, int v) { kitValueChanged (id, v); }),
      settingsWatch (context, &context.getSettings(), [this] (const juce::Identifier& id, int v) { settingsValueChanged (id, v); }),
      soundWatch (context, context.getKit().getSound (trackToUse),
                  [this] (const juce::Identifier& id, int v) { soundValueChanged (id, v); })
{
    setOpaque (true);
    nameLabel.setJustificationType (juce::Justification::centred);
    levelFader.setTooltip (juce::translate ("Change the volume of the track."));
    globalLevelFader.setTooltip (juce::translate ("Change the global volume of the track."));
    muteButton.setTooltip (juce::translate ("Toggle to mute this track."));
    patternMuteButton.setTooltip (juce::translate ("Toggle to pattern mute this track."));
    panSlider.backgroundColour = juce::Colour (panBackground);

    for (juce::Component* c : std::initializer_list<juce::Component*> { &nameLabel, &levelFader, &globalLevelFader, &muteButton,
                                                                        &patternMuteButton, &panSlider, &meter.getMeter() })
        addAndMakeVisible (c);
    globalLevelFader.setVisible (false);

    levelFader.addListener (this);
    globalLevelFader.addListener (this);
    panSlider.addListener (this);
    muteButton.addListener (this);
    patternMuteButton.addListener (this);
}

MixerPanel::MixerChannelComponent::~MixerChannelComponent()
{
    levelFader.removeListener (this);
    globalLevelFader.removeListener (this);
    panSlider.removeListener (this);
    muteButton.removeListener (this);
    patternMuteButton.removeListener (this);
}

void MixerPanel::MixerChannelComponent::setParameterIds (const juce::Identifier& level, const juce::Identifier& globalLevel,
                                                          const juce::Identifier& mute, const juce::Identifier& patternMute)
{
    levelId = level;
    globalLevelId = globalLevel;
    muteId = mute;
    patternMuteId = patternMute;
    panId = Sound_AmpPan;
    maskId = Settings_GlobalModeMask;

    int defaultLevel = 0;
    if (auto* kit = kitWatch.getOwner(); kit != nullptr && kit->getDefaultValue (levelId, defaultLevel))
        levelFader.setDoubleClickReturnValue (true, defaultLevel >> 8, juce::ModifierKeys::altModifier);

    kitWatch.addIdentifiers ({ levelId, patternMuteId });
    settingsWatch.addIdentifiers ({ muteId, globalLevelId, maskId });
    soundWatch.addIdentifiers ({ panId });
}

void MixerPanel::MixerChannelComponent::kitValueChanged (const juce::Identifier& id, int value)
{
    if (id == levelId)
    {
        levelFader.setValue (value >> 8, juce::dontSendNotification);
        if (! global)
            globalLevelFader.setValue (value >> 8, juce::dontSendNotification);
    }
    else if (id == patternMuteId)
    {
        patternMuteButton.setToggleState (value > 128, juce::dontSendNotification);
    }
}

void MixerPanel::MixerChannelComponent::settingsValueChanged (const juce::Identifier& id, int value)
{
    if (id == globalLevelId)
    {
        settingsLevel = value;
        globalLevelFader.setValue (value >> 8, juce::dontSendNotification);
    }
    else if (id == muteId)
    {
        muteButton.setToggleState (value > 128, juce::dontSendNotification);
    }
    else if (id == maskId)
    {
        global = (value & (1 << globalModeBit)) > 0;
        // Outside global mode the hidden fader follows the kit level; in it, the
        // settings level, which may have been reported while the mode was off.
        globalLevelFader.setValue (global ? settingsLevel >> 8 : levelFader.getValue(), juce::dontSendNotification);
        levelFader.setVisible (! global);
        globalLevelFader.setVisible (global);
        GlobalModeCaptions::colourCaption (nameLabel, global);
    }
}

void MixerPanel::MixerChannelComponent::soundValueChanged (const juce::Identifier& id, int value)
{
    if (id == panId)
        panSlider.setValue ((value >> 8) - 64, juce::dontSendNotification);
}

void MixerPanel::MixerChannelComponent::sliderValueChanged (juce::Slider* slider)
{
    const int value = static_cast<int> (slider->getValue());
    if (slider == &levelFader)
        kitWatch.write (levelId, value << 8);
    else if (slider == &globalLevelFader)
        settingsWatch.write (globalLevelId, value << 8);
    else if (slider == &panSlider)
        soundWatch.write (panId, (value + 64) << 8);
}

void MixerPanel::MixerChannelComponent::buttonClicked (juce::Button* button)
{
    const int value = button->getToggleState() ? on : 0;
    if (button == &muteButton)
        settingsWatch.write (muteId, value);
    else if (button == &patternMuteButton)
        kitWatch.write (patternMuteId, value);
}

void MixerPanel::MixerChannelComponent::paint (juce::Graphics& g)
{
    paintStripFrame (g, getWidth(), getHeight());
}

void MixerPanel::MixerChannelComponent::resized()
{
    const int w = getWidth();
    const int h = getHeight();
    // Each row takes what is left of the strip's height, at most its size.
    int y = 0;
    auto take = [&y, h] (int size) {
        const int top = y;
        y = juce::jmin (h, y + size);
        return std::pair<int, int> { top, y - top };
    };

    const auto [nameY, nameH] = take (24);
    nameLabel.setBounds (0, nameY, w, nameH);
    take (2);
    const auto [muteY, muteRow] = take (28);
    muteButton.setBounds ((w - 22) / 2, muteY + (muteRow - juce::jmin (muteRow, 22)) / 2, 22, juce::jmin (muteRow, 22));
    const auto [patternY, patternRow] = take (28);
    patternMuteButton.setBounds ((w - 22) / 2, patternY + (patternRow - juce::jmin (patternRow, 22)) / 2, 22,
                                 juce::jmin (patternRow, 22));
    take (2);
    const auto [panY, panH] = take (16);
    panSlider.setBounds (2, panY, juce::jmax (0, w - 4), panH);

    const auto fader = stripFaderBounds (w, h);
    levelFader.setBounds (fader);
    globalLevelFader.setBounds (fader);
    meter.getMeter().setBounds (fader.translated (-10, 0));
}

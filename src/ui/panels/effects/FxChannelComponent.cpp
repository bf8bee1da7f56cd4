#include "ui/panels/effects/MixerPanel.h"

MixerPanel::FxChannelComponent::FxChannelComponent (PanelContextIfc& context, SamplePublisher* publisher, int track, int source)
    : nameLabel (Vantu::Kit::trackName (track)),
      leftMeter (publisher, source, 0),
      rightMeter (publisher, source, 1),
      kitWatch (context, &context.getKit(), [this] (const juce::Identifier& id, int v) {
          if (id == levelId)
              levelFader.setValue (v >> 8, juce::dontSendNotification);
      })
{
    setOpaque (true);
    nameLabel.setJustificationType (juce::Justification::centred);
    levelFader.setTooltip (juce::translate ("Change the volume of the track."));
    addAndMakeVisible (nameLabel);
    addAndMakeVisible (levelFader);
    addAndMakeVisible (leftMeter.getMeter());
    addAndMakeVisible (rightMeter.getMeter());
    levelFader.addListener (this);
}

MixerPanel::FxChannelComponent::~FxChannelComponent()
{
    levelFader.removeListener (this);
}

void MixerPanel::FxChannelComponent::setLevelId (const juce::Identifier& id)
{
    levelId = id;
    kitWatch.addIdentifiers ({ levelId });
}

void MixerPanel::FxChannelComponent::sliderValueChanged (juce::Slider*)
{
    kitWatch.write (levelId, static_cast<int> (levelFader.getValue()) << 8);
}

void MixerPanel::FxChannelComponent::paint (juce::Graphics& g)
{
    paintStripFrame (g, getWidth(), getHeight());
}

void MixerPanel::FxChannelComponent::resized()
{
    const int w = getWidth();
    nameLabel.setBounds (0, 0, w, juce::jmin (getHeight(), 24));
    const auto fader = stripFaderBounds (w, getHeight());
    levelFader.setBounds (fader);
    leftMeter.getMeter().setBounds (fader.translated (-10, 0));
    rightMeter.getMeter().setBounds (fader.translated (10, 0));
}

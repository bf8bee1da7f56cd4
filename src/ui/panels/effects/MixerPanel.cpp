#include "ui/panels/effects/MixerPanel.h"

MixerPanel::MixerPanel (PanelContextIfc& context, SamplePublisher* publisher)
{
    for (int track = 0; track < Vantu::Kit::numTracks; ++track)
    {
        auto strip = std::make_unique<MixerChannelComponent> (context, publisher, track, track + 1);
        addAndMakeVisible (*strip);
        strip->setParameterIds (Vantu::Kit::trackLevelId (track), Vantu::Settings::trackLevelId (track),
                                Vantu::Settings::trackMuteId (track), Vantu::Kit::trackPatternMuteId (track));
        strips.push_back (std::move (strip));
    }

    fxStrip = std::make_unique<FxChannelComponent> (context, publisher, Vantu::Kit::numTracks, fxSource);
    addAndMakeVisible (*fxStrip);
    fxStrip->setLevelId (Vantu::Kit::trackLevelId (Vantu::Kit::numTracks));
}

MixerPanel::~MixerPanel() = default;

void MixerPanel::resized()
{
    // Columns of up to 50 pixels from x 8 over the width less 16; the effects
    // strip takes the last column at the right end.
    const int h = juce::jmax (0, getHeight() - 20);
    int rest = juce::jmax (0, getWidth() - 16);

    for (size_t t = 0; t < strips.size(); ++t)
    {
        const int column = juce::jmin (rest, stripWidth);
        rest -= column;
        strips[t]->setBounds (8 + stripWidth * static_cast<int> (t) + 2, 10, juce::jmax (0, column - 4), h);
    }

    const int m = juce::jmin (rest, stripWidth);
    fxStrip->setBounds (getWidth() - 8 - m + 2, 10, juce::jmax (0, m - 4), h);
}

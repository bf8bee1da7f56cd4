#include "ui/editor/SoundBrowser.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"

SoundBrowser::SoundBrowser (VantuAudioProcessor& processor) : libraryPanel (processor), poolPanel (processor), trackPanel (processor)
{
    for (auto* c : std::initializer_list<juce::Component*> { &trackCaption, &poolCaption, &libraryCaption, &libraryPanel,
                                                             &poolPanel, &trackPanel })
        addAndMakeVisible (c);

    const auto captionFont = CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f);
    for (auto* caption : { &trackCaption, &poolCaption, &libraryCaption })
        caption->setFont (captionFont);
    trackCaption.setColour (CorvanelColourIds::smallLabelText, juce::Colour (0xff285765));
    poolCaption.setColour (CorvanelColourIds::smallLabelText, juce::Colour (0xff285765));
    libraryCaption.setColour (CorvanelColourIds::smallLabelText, juce::Colour (0xff24604e));
    // Neither table posts on its broadcaster: these links carry no messages.
    libraryPanel.table.addChangeListener (&poolPanel.table);
    poolPanel.table.addChangeListener (&libraryPanel.table);
}

SoundBrowser::~SoundBrowser()
{
    poolPanel.table.removeChangeListener (&libraryPanel.table);
    libraryPanel.table.removeChangeListener (&poolPanel.table);
}

void SoundBrowser::paint (juce::Graphics& g)
{
    g.fillAll (findColour (CorvanelColourIds::staticPanelBody));
}

void SoundBrowser::resized()
{
    const int w = getWidth();
    const int left = juce::jmin (juce::roundToInt (0.4 * w), juce::jmax (w - 6, 0));
    trackCaption.setBounds (11, 2, juce::jmax (left - 8, 0), 24);
    trackPanel.setBounds (3, 26, left, 174);
    poolCaption.setBounds (11, 212, juce::jmax (left - 8, 0), 24);
    poolPanel.setBounds (3, 236, left, 298);

    const int right = juce::jmax (w - 6, 0) - left;
    const int gap = juce::jmin (right, 16);
    libraryCaption.setBounds (left + gap + 7, 2, juce::jmax (right - gap - 4, 0), 24);
    libraryPanel.setBounds (left + gap + 3, 26, right - gap, 508);
}

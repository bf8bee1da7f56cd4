#include "ui/editor/SoundSlotsPanel.h"

#include "ui/editor/BrowserRule.h"

namespace
{
const juce::Colour poolColour (0xff285765);
}

SoundSlotsPanel::SoundSlotsPanel (VantuAudioProcessor& processor) : table (processor)
{
    setHue (9);
    addAndMakeVisible (table);
    addAndMakeVisible (clearButton);
    clearButton.addListener (this);
    clearButton.setHue (6);
    clearButton.setTooltip ("Use to clear selected rows in sound slots list.");

    auto& scrollBar = table.getVerticalScrollBar();
    scrollBar.setColour (juce::ScrollBar::backgroundColourId, juce::Colour (0x00000000));
    scrollBar.setColour (juce::ScrollBar::thumbColourId, poolColour);
    scrollBar.setColour (juce::ScrollBar::trackColourId, juce::Colour (0xff24604e));
}

SoundSlotsPanel::~SoundSlotsPanel()
{
    clearButton.removeListener (this);
}

void SoundSlotsPanel::buttonClicked (juce::Button* button)
{
    if (button == &clearButton)
        table.deleteKeyPressed (0);
}

void SoundSlotsPanel::resized()
{
    const int w = juce::jmax (getWidth(), 0);
    const int h = getHeight();
    const int b = juce::jmin (h, 32);
    const int bw = juce::jmin (w, 80);
    clearButton.setBounds (w - bw + 2, h - b + 2, juce::jmax (bw - 4, 0), juce::jmax (b - 4, 0));
    table.setBounds (0, 0, getWidth(), juce::jmax (h - b, 0));
}

void SoundSlotsPanel::paintOverChildren (juce::Graphics& g)
{
    g.setColour (poolColour);
    drawBrowserRule (g, getWidth(), table.getY() + 24);
}

// Drawing of the framework's menu bar items, concertina panel headers and
// progress bars.
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

void LookAndFeelCorvanel::drawMenuBarItem (juce::Graphics& g, int width, int height, int itemIndex,
                                           const juce::String& itemText, bool isMouseOverItem, bool isMenuOpen, bool,
                                           juce::MenuBarComponent& menuBar)
{
    if (! menuBar.isEnabled())
    {
        g.setColour (menuBar.findColour (juce::TextButton::textColourOffId).withMultipliedAlpha (0.5f));
    }
    else if (isMenuOpen || isMouseOverItem)
    {
        g.fillAll (menuBar.findColour (juce::TextButton::buttonOnColourId));
        g.setColour (menuBar.findColour (juce::TextButton::textColourOnId));
    }
    else
    {
        g.setColour (menuBar.findColour (juce::TextButton::textColourOffId));
    }

    g.setFont (getMenuBarFont (menuBar, itemIndex, itemText));
    g.drawFittedText (itemText, 0, 0, width, height, juce::Justification::centredLeft, 1);
}

void LookAndFeelCorvanel::drawConcertinaPanelHeader (juce::Graphics& g, const juce::Rectangle<int>& area, bool isMouseOver,
                                                     bool, juce::ConcertinaPanel& concertina, juce::Component& panel)
{
    const auto bounds = area.toFloat().reduced (0.5f);
    constexpr float cornerSize = 4.0f;
    const auto isTopPanel = concertina.getPanel (0) == &panel;

    juce::Path p;
    p.addRoundedRectangle (bounds.getX(), bounds.getY(), bounds.getWidth(), bounds.getHeight(), cornerSize, cornerSize,
                           isTopPanel, isTopPanel, false, false);

    g.setColour (juce::Colours::white.withAlpha (isMouseOver ? 0.4f : 0.2f));
    g.fillPath (p);
}

void LookAndFeelCorvanel::drawProgressBar (juce::Graphics& g, juce::ProgressBar& progressBar, int width, int height,
                                           double progress, const juce::String& textToShow)
{
    // The framework draws a square bar as a spinning circle (with its text)
    // and any other as a linear bar; ours never writes text on a linear bar.
    const auto square = width == height;
    juce::LookAndFeel_V4::drawProgressBar (g, progressBar, width, height, progress, square ? textToShow : juce::String());
}

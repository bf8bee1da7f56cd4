// Drawing of the call-out boxes, the framework's and the program's own.
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

void LookAndFeelCorvanel::drawCustomCallOutBoxBackground (CustomCallOutBox& box, juce::Graphics& g, const juce::Path& path,
                                                          juce::Image& cachedBackground)
{
    if (cachedBackground.isNull())
    {
        cachedBackground = juce::Image (juce::Image::ARGB, juce::jmax (1, box.getWidth()), juce::jmax (1, box.getHeight()), true);
        juce::Graphics shadowGraphics (cachedBackground);
        const auto shadow = colourScheme.getUIColour (juce::LookAndFeel_V4::ColourScheme::widgetBackground).withAlpha (static_cast<juce::uint8> (0xB4));
        juce::DropShadow (shadow, 8, { 0, 2 }).drawForPath (shadowGraphics, path);
    }
    g.drawImageAt (cachedBackground, 0, 0);

    g.setColour (box.findColour (0x299300));
    g.fillPath (path);
    g.setColour (box.findColour (0x299301));
    g.strokePath (path, juce::PathStrokeType (2.0f));
    g.setColour (box.findColour (0x299302));
    g.strokePath (path, juce::PathStrokeType (1.0f));
}

int LookAndFeelCorvanel::getCustomCallOutBoxBorderSize (const CustomCallOutBox&)
{
    return 20;
}

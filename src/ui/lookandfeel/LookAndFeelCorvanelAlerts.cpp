// Drawing of the framework's alert windows.
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

#include <cmath>

namespace
{
// The side of the alert's icon square: at most 130, no more than the box's
// inner height + 20, and no more than the text area's height + 50 when the
// box holds more than a message and two buttons.
int alertIconSize (juce::AlertWindow& alert, const juce::Rectangle<int>& textArea)
{
    const auto bounds = alert.getLocalBounds().reduced (1);
    auto iconSize = juce::jmin (130, bounds.getHeight() + 20);

    if (alert.containsAnyExtraComponents() || alert.getNumButtons() > 2)
        iconSize = juce::jmin (iconSize, textArea.getHeight() + 50);

    return iconSize;
}
} // namespace

void LookAndFeelCorvanel::drawAlertBox (juce::Graphics& g, juce::AlertWindow& alert, const juce::Rectangle<int>& textArea,
                                        juce::TextLayout& textLayout)
{
    constexpr float cornerSize = 4.0f;

    g.setColour (alert.findColour (juce::AlertWindow::outlineColourId));
    g.drawRoundedRectangle (alert.getLocalBounds().toFloat(), cornerSize, 2.0f);

    const auto bounds = alert.getLocalBounds().reduced (1);
    g.reduceClipRegion (bounds);

    g.setColour (alert.findColour (juce::AlertWindow::backgroundColourId));
    g.fillRoundedRectangle (bounds.toFloat(), cornerSize);

    const auto iconSize = alertIconSize (alert, textArea);
    auto messageX = bounds.getX();

    if (alert.getAlertType() != juce::MessageBoxIconType::NoIcon)
    {
        // The icon hangs over the top-left corner by a tenth of its size.
        const juce::Rectangle<int> iconRect (iconSize / -10, iconSize / -10, iconSize, iconSize);
        const auto r = iconRect.toFloat();
        juce::Path icon;
        char character;
        juce::Colour colour;

        if (alert.getAlertType() == juce::MessageBoxIconType::WarningIcon)
        {
            character = '!';
            icon.addTriangle (r.getCentreX(), r.getY(), r.getRight(), r.getBottom(), r.getX(), r.getBottom());
            icon = icon.createPathWithRoundedCorners (5.0f);
            colour = juce::Colour (0x66ff2a00);
        }
        else
        {
            character = alert.getAlertType() == juce::MessageBoxIconType::InfoIcon ? 'i' : '?';
            icon.addEllipse (r);
            colour = juce::Colour (0xff00b0b9).withAlpha (0.4f);
        }

        juce::GlyphArrangement glyphs;
        glyphs.addFittedText ({ r.getHeight() * 0.9f, juce::Font::bold }, juce::String::charToString (character), r.getX(),
                              r.getY(), r.getWidth(), r.getHeight(), juce::Justification::centred, false);
        glyphs.createPath (icon);

        icon.setUsingNonZeroWinding (false);
        g.setColour (colour);
        g.fillPath (icon);

        // The message starts clear of the whole icon. The window made room for
        // an 80-pixel icon column only, so a long message moves back left as
        // far as needed to keep its longest line whole, inside the window's
        // 10-pixel edge, but never into that column.
        const auto lineWidth = static_cast<int> (std::ceil (textLayout.getWidth()));
        const auto latestStart = bounds.getRight() - 10 - lineWidth;
        messageX += juce::jmax (80, juce::jmin (iconSize, latestStart - bounds.getX()));
    }

    const juce::Rectangle<int> messageArea (messageX, 30, bounds.getWidth(),
                                            bounds.getHeight() - getAlertWindowButtonHeight() - 20);
    g.setColour (alert.findColour (juce::AlertWindow::textColourId));
    textLayout.draw (g, messageArea.toFloat());
}

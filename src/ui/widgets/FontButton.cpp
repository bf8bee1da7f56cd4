#include "ui/widgets/FontButton.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/HuePalette.h"

FontButton::FontButton (const juce::String& glyphText, FontMaker maker)
    : juce::TextButton ("FontAwesome", glyphText),
      fontMaker (std::move (maker))
{
    setButtonText (glyphText);
    setOpaque (true);
}

void FontButton::internalClickCallback (const juce::ModifierKeys& mods)
{
    // The right mouse button never changes a control; the owning panel still
    // sees the mouse-down and opens its menu.
    if (mods.isRightButtonDown())
        return;
    juce::TextButton::internalClickCallback (mods);
}

int FontButton::getFontSizeToUse() const
{
    if (fixedFontSize >= 1)
        return fixedFontSize;

    const auto fitWidth = juce::jmax (getWidth() - 2 * margin, 0);
    const auto fitHeight = juce::jmax (getHeight() - 2 * margin - bottomInset, 0);
    return juce::jmin (fitWidth, fitHeight);
}

FontButton::LookAndFeelMethods* FontButton::findDrawing()
{
    return dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel());
}

void FontButton::paintButton (juce::Graphics& g, bool isHighlighted, bool isDown)
{
    auto* lf = findDrawing();
    if (lf == nullptr)
        return;

    using namespace CorvanelColourIds;
    const auto on = isDown || getToggleState();
    lf->drawFontButton (g, *this, isHighlighted, isDown, on ? fontButtonBackgroundOn : fontButtonBackgroundOff,
                        on ? fontButtonGlyphOn : fontButtonGlyphOff);
}

//==============================================================================
ColourfulFontButton::ColourfulFontButton (const juce::String& glyphText, FontMaker maker)
    : FontButton (glyphText, std::move (maker))
{
}

void ColourfulFontButton::paintButton (juce::Graphics& g, bool isHighlighted, bool isDown)
{
    auto* lf = findDrawing();
    if (lf == nullptr)
        return;

    using namespace CorvanelColourIds;
    const auto step = getToggleState() ? 1 : 0;

    g.fillAll (HuePalette::shades (hue).darkest);
    lf->drawFontButton (g, *this, isHighlighted, isDown, colourfulFontButtonBackgroundOff + step,
                        colourfulFontButtonGlyphOff + step);
}

void ColourfulFontButton::setHue (int newHue)
{
    HasHue::setHue (newHue);

    if (findDrawing() == nullptr)
        return;

    using namespace CorvanelColourIds;
    setColour (colourfulFontButtonBackgroundOn, juce::Colours::transparentBlack);
    setColour (colourfulFontButtonBackgroundOff, juce::Colours::transparentBlack);
    setColour (colourfulFontButtonGlyphOff,
               HuePalette::shades (hue).bright.withAlpha (static_cast<juce::uint8> (0x57)));
}

#include "ui/widgets/ActionButton.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/HuePalette.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

#include <cstdlib>

namespace
{
constexpr juce::uint8 dimmedAlpha = 0x57;

bool isCloseTo (juce::Colour a, juce::Colour b)
{
    const auto near = [] (juce::uint8 x, juce::uint8 y) { return std::abs (int (x) - int (y)) < 0x20; };
    return near (a.getRed(), b.getRed()) && near (a.getGreen(), b.getGreen()) && near (a.getBlue(), b.getBlue());
}
}

ActionButton::ActionButton (const juce::String& name, const juce::String& tooltip)
    : juce::TextButton (name, tooltip)
{
    setConnectedEdges (ConnectedOnLeft | ConnectedOnRight | ConnectedOnTop | ConnectedOnBottom);
    setComponentID ("Button");
    setOpaque (true);
}

void ActionButton::paintButton (juce::Graphics& g, bool isHighlighted, bool isDown)
{
    g.fillAll (juce::Colour (0xFF1E1E1E));

    if (auto* methods = dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel()))
        methods->drawActionButton (g, *this, isHighlighted, isDown);
}

void ActionButton::setHue (int newHue)
{
    HasHue::setHue (newHue);

    auto* lf = findLookAndFeelCorvanel (*this);
    if (lf == nullptr)
        return;

    // A lit button's text takes the hue's bright shade, unless that shade is the
    // lit fill itself (the neutral greys): then the text keeps the table's dark
    // colour, or a lit button would show no label at all.
    const auto bright = HuePalette::shades (hue).bright;
    if (isCloseTo (bright, findColour (CorvanelColourIds::actionButtonFillOn)))
        removeColour (CorvanelColourIds::actionButtonTextOn);
    else
        setColour (CorvanelColourIds::actionButtonTextOn, bright);
}

void ActionButton::internalClickCallback (const juce::ModifierKeys& mods)
{
    // The right mouse button never changes a control.
    if (mods.isRightButtonDown())
        return;

    juce::TextButton::internalClickCallback (mods);
}

//==============================================================================
FontActionButton::FontActionButton (const juce::String& text)
    : ActionButton (text, {})
{
}

void FontActionButton::paintButton (juce::Graphics& g, bool isHighlighted, bool isDown)
{
    using namespace CorvanelColourIds;
    const auto w = getWidth();
    const auto h = getHeight();
    const juce::Rectangle<int> inner (1, 1, juce::jmax (w - 2, 0), juce::jmax (h - 2, 0));

    g.fillAll (juce::Colour (0xFF1E1E1E));

    auto* lf = findLookAndFeelCorvanel (*this);
    if (lf == nullptr)
        return;   // the palette and the shared drawing live in the program's look and feel

    if (getToggleState())
    {
        g.setColour (findColour (actionButtonFillOn));
        g.fillRect (inner);
        g.setColour (findColour (actionButtonOutlineOn));
        g.drawRect (0, 0, w, h, 1);
    }
    else
    {
        lf->fillButtonRect (g, inner, findColour (isDown ? actionButtonFillOn : actionButtonFillOff), isHighlighted, isDown);
        g.setColour (HuePalette::shades (hue).bright.withAlpha (dimmedAlpha));
        g.drawRect (0, 0, w, h, 1);
    }

    auto textColour = findColour (getToggleState() || isDown ? actionButtonTextOn : actionButtonTextOff);
    if (! isEnabled())
        textColour = juce::Colour (0xFF808080);

    font = font.withPointHeight (14.0f);

    const auto dx = juce::jmin (juce::roundToInt (font.getHeight() * 0.6f), 2);
    const auto dy = juce::jmin (juce::roundToInt (static_cast<float> (h) * 0.3f), 4);

    g.setColour (textColour);
    g.setFont (font);
    g.drawFittedText (getButtonText(), dx, dy, w - 2 * dx, h - 2 * dy, juce::Justification::centred, 1, 1.0f);
}

//==============================================================================
ColorfulActionButton::ColorfulActionButton (juce::String text, juce::String tooltip)
    : ActionButton (text, tooltip)
{
    setOpaque (true);
}

void ColorfulActionButton::paintButton (juce::Graphics& g, bool isHighlighted, bool isDown)
{
    auto* lf = findLookAndFeelCorvanel (*this);
    if (lf == nullptr)
        return;

    const auto font = lf->getTextButtonFont (*this, getHeight()).withPointHeight (10.0f);
    const auto colourId = getToggleState() ? CorvanelColourIds::actionButtonTextOn : CorvanelColourIds::actionButtonTextOff;

    g.fillAll (HuePalette::shades (hue).darkest);
    lf->drawButtonText (g, *this, font, findColour (colourId), isHighlighted, isDown, juce::Justification::centred);
}

void ColorfulActionButton::setHue (int newHue)
{
    HasHue::setHue (newHue);

    auto* lf = findLookAndFeelCorvanel (*this);
    if (lf == nullptr)
        return;

    using namespace CorvanelColourIds;
    for (auto id : { actionButtonFillOff, actionButtonFillOn, actionButtonFillThird, actionButtonOutlineOff,
                     actionButtonOutlineOn })
        setColour (id, juce::Colours::transparentBlack);

    setColour (actionButtonTextOff, HuePalette::shades (hue).bright.withAlpha (dimmedAlpha));
    setColour (actionButtonTextOn, juce::Colour (0xFFF0F0F0));
}

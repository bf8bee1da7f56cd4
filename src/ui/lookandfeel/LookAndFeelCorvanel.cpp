#include "ui/lookandfeel/LookAndFeelCorvanel.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/ColourTable.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/FontButton.h"

#include <array>
#include <cmath>

namespace
{
bool isDisabled (const juce::Component& component)
{
    // isEnabled() is false as soon as the component or any parent is disabled.
    return ! component.isEnabled();
}

// The inset text box of the text buttons.
juce::Rectangle<int> buttonTextArea (const juce::Component& button, const juce::Font& font)
{
    const auto dx = juce::jmin (juce::roundToInt (font.getHeight() * 0.6f), 2);
    const auto dy = juce::jmin (juce::roundToInt (static_cast<float> (button.getHeight()) * 0.3f), 4);
    return { dx, dy, button.getWidth() - 2 * dx, button.getHeight() - 2 * dy };
}
}   // namespace

LookAndFeelCorvanel::LookAndFeelCorvanel()
{
    standardTextSize = 10.0f;
    makeColourScheme();
    setDefaultSansSerifTypefaceName (CorvanelFonts::text55);
    initialiseColours();
}

LookAndFeelCorvanel::~LookAndFeelCorvanel() = default;

void LookAndFeelCorvanel::makeColourScheme()
{
    colourScheme = juce::LookAndFeel_V4::ColourScheme (0xFF1E1E1E,    // window background
                                                       0xFF1E1E1E,    // widget background
                                                       0xFF2B2B2B,    // menu background
                                                       0xFF646464,    // outline
                                                       0xFFF0F0F0,    // default text
                                                       0xFF646464,    // default fill
                                                       0xFFF0F0F0,    // highlighted text
                                                       0xFF646464,    // highlighted fill
                                                       0xFFF0F0F0);   // menu text
}

void LookAndFeelCorvanel::initialiseColours()
{
    for (const auto& [id, colour] : makeCorvanelColourTable (colourScheme))
        setColour (id, colour);
}

//==============================================================================
juce::Typeface::Ptr LookAndFeelCorvanel::getTypefaceForFont (const juce::Font& font)
{
    return CorvanelFonts::typefaceForFont (font);
}

juce::Font LookAndFeelCorvanel::getAlertWindowTitleFont() { return CorvanelFonts::atHeight (CorvanelFonts::text75, 18.0f); }
juce::Font LookAndFeelCorvanel::getAlertWindowMessageFont() { return CorvanelFonts::atHeight (CorvanelFonts::text55, 16.0f); }
juce::Font LookAndFeelCorvanel::getAlertWindowFont() { return CorvanelFonts::atHeight (CorvanelFonts::text55, 14.0f); }
juce::Font LookAndFeelCorvanel::getPopupMenuFont() { return CorvanelFonts::atPoints (CorvanelFonts::text55, standardTextSize); }

juce::Font LookAndFeelCorvanel::getMenuBarFont (juce::MenuBarComponent&, int, const juce::String&)
{
    return CorvanelFonts::atHeight (CorvanelFonts::text55, 12.0f);
}

juce::Font LookAndFeelCorvanel::getComboBoxFont (juce::ComboBox&)
{
    return CorvanelFonts::atPoints (CorvanelFonts::text75, standardTextSize);
}

//==============================================================================
void LookAndFeelCorvanel::drawActionButton (juce::Graphics& g, ActionButton& button, bool isHighlighted, bool isDown)
{
    using namespace CorvanelColourIds;
    const auto w = button.getWidth();
    const auto h = button.getHeight();
    const juce::Rectangle<int> inner (1, 1, juce::jmax (w - 2, 0), juce::jmax (h - 2, 0));
    const auto on = button.getToggleState();

    if (on)
    {
        g.setColour (button.findColour (actionButtonFillOn));
        g.fillRect (inner);
        g.setColour (button.findColour (actionButtonOutlineOn));
        g.drawRect (0, 0, w, h, 1);
    }
    else
    {
        fillButtonRect (g, inner, button.findColour (isDown ? actionButtonFillOn : actionButtonFillOff), isHighlighted, isDown);
        g.setColour (getHueColours (button.hue).bright.withAlpha (static_cast<juce::uint8> (0x57)));
        g.drawRect (0, 0, w, h, 1);
    }

    const auto font = getTextButtonFont (button, h).withPointHeight (standardTextSize);
    auto textColour = button.findColour (on || isDown ? actionButtonTextOn : actionButtonTextOff);
    if (isDisabled (button))
        textColour = juce::Colour (0xFF808080);

    g.setFont (font);
    g.setColour (textColour);
    // A text a little too wide for its button is narrowed rather than cut.
    g.drawFittedText (button.getButtonText(), buttonTextArea (button, font), juce::Justification::centred, 1, 0.85f);
}

void LookAndFeelCorvanel::drawCustomTabButton (juce::Graphics& g, CustomTabButton& button, bool isHighlighted, bool isDown)
{
    using namespace CorvanelColourIds;
    const auto on = isDown || button.getToggleState();

    g.setColour (button.findColour (on ? customTabFillOn : customTabFillOff));
    g.fillRect (button.getLocalBounds());

    auto font = CorvanelFonts::atPoints (CorvanelFonts::text75, standardTextSize);
    if (on)
        font = font.boldened();

    drawButtonText (g, button, font, button.findColour (on ? customTabTextOn : customTabTextOff), isHighlighted, isDown,
                    juce::Justification::centred);
}

void LookAndFeelCorvanel::drawCustomSectionTabButton (juce::Graphics& g, CustomSectionTabButton& button, bool, bool isDown)
{
    const auto on = isDown || button.getToggleState();
    const auto w = button.getWidth();
    const auto h = button.getHeight();

    g.setColour (juce::Colour (on ? 0xFF1E1E1E : 0xFF2B2B2B));
    g.fillRect (0, 4, w, h - 4);

    const auto font = CorvanelFonts::atPoints (CorvanelFonts::text75, standardTextSize);
    const auto x = juce::jmin (juce::roundToInt (font.getHeight()), 12);

    g.setFont (font);
    g.setColour (juce::Colour (on ? 0xFFF0F0F0 : 0x57F0F0F0));
    g.drawFittedText (button.getButtonText(), x, 9, w - 2 * x, h - 14, juce::Justification::centredTop, 1, 1.0f);
}

void LookAndFeelCorvanel::drawStaticPanel (juce::Graphics& g, Corvanel::StaticPanel& panel, bool)
{
    using namespace CorvanelColourIds;
    const auto w = panel.getWidth();
    const auto h = panel.getHeight();

    g.setColour (panel.findColour (staticPanelBody));
    g.fillRect (1, 0, w - 2, h);
    g.setColour (panel.findColour (staticPanelHeading));
    g.fillRect (1, 0, w - 2, juce::jmin (h, panel.headingHeight));
    g.setColour (panel.findColour (staticPanelBorder));
    g.drawRect (0, 0, w, h, 1);
}

//==============================================================================
void LookAndFeelCorvanel::drawPlainLabel (juce::Graphics& g, juce::Label& label, juce::Colour background,
                                          juce::Colour textColour)
{
    g.setColour (background);
    g.fillRect (g.getClipBounds());

    const auto disabled = isDisabled (label);

    if (! label.isBeingEdited())
    {
        const auto alpha = disabled ? 0.5f : 1.0f;
        const auto font = label.getFont();
        const auto textArea = label.getBorderSize().subtractedFrom (label.getLocalBounds());
        const auto maxLines = juce::jmax (1, static_cast<int> (static_cast<float> (label.getHeight()) / font.getHeight()));

        g.setColour (textColour.withMultipliedAlpha (alpha));
        g.setFont (font);
        g.drawFittedText (label.getText(), textArea, label.getJustificationType(), maxLines,
                          label.getMinimumHorizontalScale());

        g.setColour (label.findColour (juce::Label::outlineColourId).withMultipliedAlpha (alpha));
    }
    else if (! disabled)
    {
        g.setColour (label.findColour (juce::Label::outlineColourId));
    }

    g.drawRect (label.getLocalBounds(), 1);
}

void LookAndFeelCorvanel::drawFontButton (juce::Graphics& g, FontButton& button, bool isHighlighted, bool isDown,
                                          int backgroundColourId, int textColourId)
{
    g.setColour (button.findColour (backgroundColourId));
    g.fillRect (button.getLocalBounds());

    auto colour = button.findColour (textColourId);
    if (isDisabled (button))
        colour = colour.withMultipliedBrightness (0.7f);
    else if (isDown)
        colour = darken (colour);
    else if (isHighlighted)
        colour = lighten (colour);

    const auto font = button.fontMaker != nullptr ? button.fontMaker (button.getFontSizeToUse()) : juce::Font();

    g.setColour (colour);
    g.setFont (font);
    g.drawText (button.getButtonText(), button.getLocalBounds(), button.justification, false);
}

void LookAndFeelCorvanel::fillButtonRect (juce::Graphics& g, juce::Rectangle<int> area, juce::Colour colour,
                                          bool isHighlighted, bool isDown)
{
    g.setColour (isHighlighted && isDown ? colour.withMultipliedBrightness (0.9f) : colour);
    g.fillRect (area);
}

void LookAndFeelCorvanel::drawButtonText (juce::Graphics& g, juce::Button& button, const juce::Font& font,
                                          juce::Colour colour, bool isHighlighted, bool,
                                          juce::Justification justification)
{
    if (isDisabled (button))
        colour = juce::Colour (0xFF808080);
    else if (isHighlighted)
        colour = lighten (colour);

    g.setColour (colour);
    g.setFont (font);
    g.drawFittedText (button.getButtonText(), buttonTextArea (button, font), justification, 1, 1.0f);
}

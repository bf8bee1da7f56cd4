#include "ui/widgets/LabeledOnOffButton.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/HuePalette.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

#include <cmath>

namespace
{
constexpr int trackLength = 24;
constexpr int trackThickness = 9;
constexpr int litLength = 12;

// Start of the track along one side: flush with the far end, or centred (and
// sticking out on both sides) when the side is shorter than the track.
int trackStart (int side)
{
    return side >= trackLength ? side - trackLength : (side - trackLength) / 2;
}

juce::Colour withAlphaFactor (juce::Colour colour, float factor)
{
    const auto alpha = juce::jmin (255, juce::roundToInt (static_cast<float> (colour.getAlpha()) * factor));
    return colour.withAlpha (static_cast<juce::uint8> (alpha));
}
} // namespace

LabeledOnOffButton::LabeledOnOffButton()
    : LabeledOnOffButton ("LabeledOnOffButton")
{
}

LabeledOnOffButton::LabeledOnOffButton (const juce::String& name)
    : juce::Button (name)
{
    setOpaque (true);
    setClickingTogglesState (true);
    setColour (CorvanelColourIds::onOffBackground, juce::Colour (0xFF1E1E1E));
}

void LabeledOnOffButton::mouseDown (const juce::MouseEvent& e)
{
    if (! e.mods.isRightButtonDown())
        juce::Button::mouseDown (e);
}

void LabeledOnOffButton::mouseUp (const juce::MouseEvent& e)
{
    if (! e.mods.isRightButtonDown())
        juce::Button::mouseUp (e);
}

void LabeledOnOffButton::colourChanged()
{
    repaint();
}

juce::Rectangle<int> LabeledOnOffButton::getTrackBounds() const
{
    if (vertical)
        return { (getWidth() - trackThickness) / 2, trackStart (getHeight()), trackThickness, trackLength };

    return { trackStart (getWidth()), (getHeight() - trackThickness) / 2, trackLength, trackThickness };
}

juce::Rectangle<int> LabeledOnOffButton::getLitBounds() const
{
    const auto track = getTrackBounds();
    const auto on = getToggleState();

    if (vertical)
        return { track.getX(), track.getY() + (on ? 0 : litLength), trackThickness, litLength };

    return { track.getX() + (on ? litLength : 0), track.getY(), litLength, trackThickness };
}

void LabeledOnOffButton::paintButton (juce::Graphics& g, bool, bool)
{
    auto* lf = findLookAndFeelCorvanel (*this);
    if (lf == nullptr)
        return;

    using namespace CorvanelColourIds;
    const auto& shades = HuePalette::shades (hue);
    const auto on = getToggleState();
    const auto k = isEnabled() ? 1.0f : 0.5f;

    g.fillAll (findColour (onOffBackground));

    g.setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f));
    g.setColour (findColour (onOffCaption));
    g.drawText (getButtonText(), getLocalBounds(),
                vertical ? juce::Justification::centredTop : juce::Justification::centredLeft, true);

    g.setColour (withAlphaFactor (on ? shades.dark : findColour (onOffTrackWhileOff), k));
    g.fillRect (getTrackBounds());

    juce::Colour lit;
    if (on)
    {
        lit = shades.bright;
    }
    else
    {
        const auto base = findColour (onOffLitWhileOff);
        const auto scaled = [] (juce::uint8 channel) { return static_cast<juce::uint8> (static_cast<float> (channel) * 0.714286f); };
        lit = juce::Colour (scaled (base.getRed()), scaled (base.getGreen()), scaled (base.getBlue()), base.getAlpha());
    }

    g.setColour (withAlphaFactor (lit, k));
    g.fillRect (getLitBounds());
}

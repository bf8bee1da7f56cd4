#include "ui/panels/effects/MixerWidgets.h"

#include <cmath>

namespace
{
constexpr juce::uint32 trackColour = 0xFF2B2B2B;
constexpr juce::uint32 barColour = 0xFF626262;
constexpr juce::uint32 levelColour = 0xFF646464;
constexpr juce::uint32 handleColour = 0xFFF0F0F0;
constexpr juce::uint32 panStrip = 0xFF603134;
constexpr juce::uint32 panMarker = 0xFFDF575E;
constexpr juce::uint32 muteOff = 0xFF404040;
constexpr juce::uint32 muteText = 0xFFF0F0F0;

void returnTo (juce::Slider& slider, double value)
{
    slider.setDoubleClickReturnValue (true, value, juce::ModifierKeys::altModifier);
}
} // namespace

VolumeSlider::VolumeSlider()
    : juce::Slider (juce::Slider::LinearVertical, juce::Slider::NoTextBox)
{
    setRange (0.0, 127.0, 1.0);
    returnTo (*this, defaultLevel);
    setOpaque (true);
}

int VolumeSlider::handleY() const
{
    const double proportion = getMaximum() > 0.0 ? getValue() / getMaximum() : 0.0;
    return juce::roundToInt ((1.0 - proportion) * (getHeight() - handleHeight));
}

void VolumeSlider::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (trackColour));
    const int y = handleY();
    g.setColour (juce::Colour (levelColour));
    g.fillRect (0, y, getWidth(), getHeight() - y);
    g.setColour (juce::Colour (handleColour));
    g.fillRect (0, y, getWidth(), handleHeight);
}

//==============================================================================
PanSlider::PanSlider()
    : juce::Slider (juce::Slider::LinearHorizontal, juce::Slider::NoTextBox)
{
    setRange (-64.0, 63.0, 1.0);
    returnTo (*this, 0.0);
    setOpaque (true);
    setTooltip ("Positions the Sound in the stereo field.");
}

int PanSlider::handleX() const
{
    const int c = juce::jmax (0, getWidth()) / 2;
    const double value = getValue();
    if (value > 0.0)
        return juce::roundToInt (c + (c - handleWidth) * value / 63.0);
    if (value < 0.0)
        return juce::roundToInt ((1.0 - value / -64.0) * (c - handleWidth));
    return c - handleWidth / 2;
}

void PanSlider::paint (juce::Graphics& g)
{
    const int w = juce::jmax (0, getWidth());
    const int c = w / 2;
    const int h = getHeight();
    const double value = getValue();

    g.fillAll (backgroundColour);
    g.setColour (juce::Colour (trackColour));
    g.fillRect (0, trackTop, w, juce::jmax (0, h - trackTop));

    const int handle = handleX();
    g.setColour (juce::Colour (barColour));
    if (value > 0.0)
        g.fillRect (c, trackTop, juce::roundToInt (c * value / 63.0), h - trackTop);
    else if (value < 0.0)
        g.fillRect (handle, trackTop, juce::roundToInt (c - (1.0 - value / -64.0) * (c - handleWidth)), h - trackTop);

    g.setColour (juce::Colour (handleColour));
    g.fillRect (handle, trackTop, handleWidth, h - trackTop);

    g.setColour (juce::Colour (panStrip));
    g.fillRect (0, 0, w, 2);
    g.setColour (juce::Colour (panMarker));
    g.fillRect (handle, 0, handleWidth, 2);
}

//==============================================================================
MuteButton::MuteButton() : juce::Button ("M")
{
    setClickingTogglesState (true);
    setOpaque (true);
}

void MuteButton::paintButton (juce::Graphics& g, bool, bool)
{
    g.fillAll (getToggleState() ? onColour : juce::Colour (muteOff));
    g.setColour (juce::Colour (muteText));
    g.drawText (getName(), getLocalBounds(), juce::Justification::centred, false);
}

//==============================================================================
void paintStripFrame (juce::Graphics& g, int width, int height)
{
    constexpr juce::uint32 outline = 0xFF787878;
    g.fillAll (juce::Colour (0xFF1E1E1E));
    g.setColour (juce::Colour (outline));
    g.drawRect (0, 0, width, height, 1);
    if (width - 4 > 4)
        g.fillRect (4, 22, width - 8, 1);
}

juce::Rectangle<int> stripFaderBounds (int width, int height)
{
    return { (width - 12) / 2, 108, 12, juce::jmax (0, height - 116) };
}

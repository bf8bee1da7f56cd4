#include "ui/widgets/LogoPart.h"

#include "ui/lookandfeel/CorvanelFonts.h"

namespace
{
constexpr int logoWidth = 38;
constexpr int familyWordWidth = 80;
} // namespace

juce::Rectangle<int> LogoPart::getLogoArea() const
{
    const auto m = juce::jmin (getWidth(), logoWidth);
    return { 2, 2, juce::jmax (m - 4, 0), juce::jmax (getHeight() - 4, 0) };
}

juce::Rectangle<int> LogoPart::getFamilyWordArea() const
{
    const auto m = juce::jmin (getWidth(), logoWidth);
    return { m, 0, juce::jmin (getWidth() - m, familyWordWidth), getHeight() };
}

juce::Rectangle<int> LogoPart::getDeviceTextArea() const
{
    const auto family = getFamilyWordArea();
    return { family.getRight(), 0, getWidth() - family.getRight(), getHeight() };
}

void LogoPart::paint (juce::Graphics& g)
{
    if (logo != nullptr)
        logo->drawWithin (g, getLogoArea().toFloat(), juce::RectanglePlacement::centred, 1.0f);

    g.setColour (colour);
    g.setFont (CorvanelFonts::atPoints (CorvanelFonts::text75, 14.0f));
    // The word's trailing blank only separates it from the device text, which
    // the box edge already does; measured with it, the bold face's word would
    // be cut to an ellipsis in its 80-pixel box.
    g.drawText ("Fernhollow", getFamilyWordArea(), juce::Justification::centredLeft, true);

    g.setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 14.0f));
    // A device name a little too wide for its box is narrowed rather than cut.
    g.drawFittedText ("/ " + deviceName, getDeviceTextArea(), juce::Justification::centredLeft, 1, 0.85f);
}

#include "ui/lookandfeel/LookAndFeelCorvanel_DocumentWindowButton.h"

LookAndFeelCorvanel_DocumentWindowButton::LookAndFeelCorvanel_DocumentWindowButton (const juce::String& name,
                                                                                    juce::Colour c, juce::Path normal,
                                                                                    juce::Path toggled)
    : juce::Button (name), colour (c), normalShape (std::move (normal)), toggledShape (std::move (toggled))
{
}

void LookAndFeelCorvanel_DocumentWindowButton::paintButton (juce::Graphics& g, bool, bool isDown)
{
    g.setColour (isDown ? juce::Colours::white : colour);
    const auto& shape = getToggleState() ? toggledShape : normalShape;

    const auto h = static_cast<float> (getHeight());
    auto square = juce::Rectangle<float> (h, h).withCentre (getLocalBounds().toFloat().getCentre());
    square = square.reduced (0.3f * h);
    g.fillPath (shape, shape.getTransformToScaleToFit (square, true));
}

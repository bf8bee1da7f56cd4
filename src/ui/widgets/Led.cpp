#include "ui/widgets/Led.h"

#include "ui/lookandfeel/ColourIds.h"

Led::Led()
{
    setSize (32, 32);
    setOpaque (true);
}

juce::Rectangle<int> Led::getLampBounds() const
{
    const auto d = static_cast<int> (static_cast<float> (juce::jmin (getWidth(), getHeight())) * 0.8f);
    return { (getWidth() - d) / 2, (getHeight() - d) / 2, d, d };
}

void Led::paint (juce::Graphics& g)
{
    using namespace CorvanelColourIds;
    g.fillAll (backgroundColour);

    const auto lamp = getLampBounds().toFloat();

    if (state == 0)
    {
        g.setColour (findColour (ledOutline));
        g.drawEllipse (lamp, 1.0f);
    }
    else if (state >= 1 && state <= 4)
    {
        g.setColour (findColour (ledFill1 + state - 1));
        g.fillEllipse (lamp);
    }
}

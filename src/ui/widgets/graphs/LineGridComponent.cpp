#include "ui/widgets/graphs/LineGridComponent.h"

#include "ui/lookandfeel/LookAndFeelCorvanel.h"

#include <cmath>

namespace corvanel
{
LineGridComponent::LineGridComponent()
{
    setInterceptsMouseClicks (false, false);
    if (auto* laf = findLookAndFeelCorvanel (*this))
        setColour (lineColourId, laf->getCorvanelColourScheme()
                                     .getUIColour (juce::LookAndFeel_V4::ColourScheme::widgetBackground)
                                     .withAlpha (static_cast<juce::uint8> (0x1A)));
}

void LineGridComponent::paint (juce::Graphics& g)
{
    const auto w = static_cast<float> (getWidth());
    const auto h = static_cast<float> (getHeight());
    g.setColour (findColour (lineColourId));

    if (yDivisions > 0)
    {
        const auto step = static_cast<float> (juce::roundToInt (h / static_cast<float> (yDivisions)));
        for (int k = 1; k < yDivisions; ++k)
            g.fillRect (0.0f, static_cast<float> (k) * step, w, 1.0f);
    }

    if (xDivisions > 0)
    {
        const auto xstep = static_cast<float> (juce::roundToInt (w / static_cast<float> (xDivisions)));
        for (int i = 0; i < xDivisions; ++i)
            for (int j = i == 0 ? 2 : 1; j <= logarithmicSteps; ++j)
            {
                const auto xpos = (std::log10 (static_cast<float> (j)) + static_cast<float> (i)) * xstep;
                g.fillRect (xpos, 0.0f, j == 1 ? 1.0f : 0.5f, h);
            }
    }
}
} // namespace corvanel

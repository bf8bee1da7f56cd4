#include "ui/widgets/graphs/MultimodeFilterComponent.h"

#include "ui/widgets/graphs/GraphColours.h"

#include <cmath>

namespace corvanel
{
namespace
{
constexpr ResonanceTable generalTable { 0.51f, 1.0f, 2.5f, 6.3f, 16.0f, 28.0f, 50.0f, 62.0f, 70.0f };
constexpr ResonanceTable dampedTable { 0.51f, 0.7f, 0.9f, 1.1f, 1.2f, 1.4f, 1.6f, 1.8f, 1.9f };

// Stands in for a gain of exactly 0, whose flat curve of exact zeros could not be drawn.
constexpr float tinyGain = 1.1920929e-7f;
} // namespace

MultimodeFilterComponent::MultimodeFilterComponent()
{
    chooseCurve();
}

float MultimodeFilterComponent::resonanceToQ (float value)
{
    return readResonanceTable (generalTable, value);
}

float MultimodeFilterComponent::equaliserStepToQ (float step)
{
    // Truncated toward zero, then kept on the table (NaN counts as step 1).
    const auto whole = std::isfinite (step) ? juce::jlimit (1, 5, static_cast<int> (juce::jlimit (-1.0f, 6.0f, step))) : 1;
    return equaliserQ[whole - 1];
}

void MultimodeFilterComponent::setResonance (float value)
{
    if (! acceptDeviceValue())
        return;
    resonance = value;
    if (filterType == equaliserType)
    {
        q = equaliserStepToQ (value);
    }
    else if (filterType >= 13 && filterType <= 16)
    {
        q = readResonanceTable (dampedTable, value);
    }
    else
    {
        q = resonanceToQ (value);
        controlPoint.setY (value);
    }
    refresh();
}

void MultimodeFilterComponent::setGain (float value)
{
    if (! acceptDeviceValue())
        return;
    gain = value;
    controlPoint.setY (value + 64.0f);
    refresh();
}

void MultimodeFilterComponent::setFilterType (int type)
{
    valuesArrived = true;
    filterType = type;
    chooseCurve();
    refresh();
}

void MultimodeFilterComponent::chooseCurve()
{
    curve = filterCurveForType (filterType);
}

void MultimodeFilterComponent::rebuildResponsePath()
{
    const auto width = getWidth();
    const auto curveGain = gain == 0.0f ? tinyGain : gain;
    const auto curveQ = std::max (q, 0.5f);
    const auto stepping = (filterType == 5 || filterType == equaliserType) ? SampleStepping::refineRising
                                                                           : SampleStepping::refineAboveZero;
    corvanel::rebuildResponsePath (responsePath, samples, width, getHeight(), stepping, [&] (float x) {
        return curve (cutoff, curveQ, x / static_cast<float> (width), curveGain);
    });
}

void MultimodeFilterComponent::controlPointMoved (SafeChangeBroadcaster* source)
{
    if (source != &controlPoint || ! isEnabled() || ! controlPoint.isDragInProgress())
        return;

    cutoff = controlPoint.x;
    if (filterType == equaliserType)
    {
        gain = controlPoint.y - 64.0f;
    }
    else
    {
        resonance = controlPoint.y;
        q = resonanceToQ (controlPoint.y);
    }
    refresh();
    sendChangeMessage ({});
}

void MultimodeFilterComponent::paint (juce::Graphics& g)
{
    const auto colours = graphHueColours (*this, hue);
    g.fillAll (colours.darkest);

    juce::Graphics::ScopedSaveState state (g);
    const auto height = static_cast<float> (getHeight());
    g.setOrigin (0, juce::roundToInt (height * 0.45f));
    if (filterType == 5)
        g.setOrigin (0, -juce::roundToInt (height * 0.05f));

    g.setColour (isMouseButtonDown (true) ? colours.bright.withSaturation (0.0f) : colours.bright);
    g.strokePath (responsePath, juce::PathStrokeType (2.0f, juce::PathStrokeType::beveled, juce::PathStrokeType::square));
}
} // namespace corvanel

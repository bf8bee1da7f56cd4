#include "ui/widgets/graphs/MasterFilterComponent.h"

#include "ui/widgets/graphs/GraphColours.h"

#include <cmath>

namespace corvanel
{
MasterFilterComponent::MasterFilterComponent()
{
    computeMixCoefficients();
}

float MasterFilterComponent::resonanceToQ (float value) const
{
    switch (filterType)
    {
        case 11: return readResonanceTable (notchTable, value);
        case 12: return readResonanceTable (doubleNotchTable, value);
        case 17: return readResonanceTable (lowPassNotchTable, value);
        default: return readResonanceTable (defaultTable, value);
    }
}

void MasterFilterComponent::computeMixCoefficients()
{
    const auto qd = static_cast<double> (q);
    t0 = c0;
    t1 = 4.0 * c0 - qd * c0 - c1;
    t2 = 6.0 * c0 - 2.0 * qd * c0 - 3.0 * c1 + c2;
    t3 = 4.0 * c0 - qd * c0 - 3.0 * c1 + 2.0 * c2 - c3;
    t4 = c0 - c1 + c2 - c3 + c4;
}

float MasterFilterComponent::computeResponse (float x, float w) const
{
    const auto omega = std::pow (128.0, static_cast<double> (x / w)) / std::pow (128.0, static_cast<double> (cutoff) / 128.0);
    const auto w2 = omega * omega;
    const auto odd = t3 * omega - t1 * w2 * omega;
    const auto even = t0 * w2 * w2 - t2 * w2 + t4;
    const auto numerator = odd * odd + even * even;
    const auto damping = 2.0 - static_cast<double> (std::max (q, 0.5f));
    const auto denominator = ((1.0 - w2) * (1.0 - w2) + damping * w2) * (w2 + 1.0) * (w2 + 1.0);
    return static_cast<float> (-20.0 * std::log10 (std::sqrt (numerator / denominator)));
}

void MasterFilterComponent::setResonance (float value)
{
    if (! acceptDeviceValue())
        return;
    resonance = value;
    controlPoint.setY (value);
    q = resonanceToQ (value);
    computeMixCoefficients();
    refresh();
}

void MasterFilterComponent::setFilterType (int type)
{
    struct Mix
    {
        int type;
        double c[5];
    };
    static constexpr Mix mixes[] = {
        { 7, { 0, 0, 0, 0, 0 } },  { 11, { 1, 2, 2, 0, 0 } }, { 12, { 1, 4, 12, 16, 8 } }, { 13, { 0, 0, 1, 0, 0 } },
        { 14, { 1, 2, 1, 0, 0 } }, { 15, { 0, 1, 1, 0, 0 } }, { 16, { 0, 0, 0, 0, 1 } },   { 17, { 0, 0, 1, 2, 2 } },
    };

    valuesArrived = true;
    filterType = type;
    for (const auto& mix : mixes)
    {
        if (mix.type == type)
        {
            c0 = mix.c[0];
            c1 = mix.c[1];
            c2 = mix.c[2];
            c3 = mix.c[3];
            c4 = mix.c[4];
        }
    }
    q = resonanceToQ (resonance);
    computeMixCoefficients();
    refresh();
}

void MasterFilterComponent::rebuildResponsePath()
{
    const auto width = static_cast<float> (getWidth());
    const auto stepping = (filterType == 11 || filterType == 12 || filterType == 17) ? SampleStepping::refineRising
                                                                                      : SampleStepping::refineAboveZero;
    corvanel::rebuildResponsePath (responsePath, samples, getWidth(), getHeight(), stepping,
                                   [&] (float x) { return computeResponse (x, width); });
}

void MasterFilterComponent::controlPointMoved (SafeChangeBroadcaster* source)
{
    if (source != &controlPoint || ! isEnabled() || ! controlPoint.isDragInProgress())
        return;

    cutoff = controlPoint.x;
    resonance = controlPoint.y;
    q = resonanceToQ (resonance);
    computeMixCoefficients();
    refresh();
    sendChangeMessage ({});
}

void MasterFilterComponent::paint (juce::Graphics& g)
{
    const auto colours = graphHueColours (*this, hue);
    g.fillAll (colours.darkest);
    g.setColour (isMouseButtonDown (true) ? colours.bright.withSaturation (0.0f) : colours.bright);

    const juce::PathStrokeType stroke (2.0f, juce::PathStrokeType::beveled, juce::PathStrokeType::square);
    const auto height = static_cast<float> (getHeight());
    if (filterType == offType)
    {
        juce::Path line;
        line.startNewSubPath (0.0f, height * 0.5f);
        line.lineTo (static_cast<float> (getWidth()), height * 0.5f);
        g.strokePath (line, stroke);
        return;
    }
    g.strokePath (responsePath, stroke,
                  juce::AffineTransform::translation (0.0f, static_cast<float> (juce::roundToInt (height * 0.45f))));
}
} // namespace corvanel

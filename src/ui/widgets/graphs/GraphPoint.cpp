#include "ui/widgets/graphs/GraphPoint.h"

void drawControlPoint (const GraphPoint& point, juce::Graphics& g, const juce::Colour& colour, bool mouseDown)
{
    const auto s = point.size;
    const auto left = point.x - s / 2.0f;
    const auto top = point.y - s / 2.0f;
    const auto grey = colour.withSaturation (0.0f);
    const bool pressed = mouseDown && point.highlighted;

    g.setColour (pressed ? grey : colour);
    g.fillEllipse (left, top, s, s);

    if (! point.highlighted)
        return;

    constexpr float pi = juce::MathConstants<float>::pi;
    constexpr float radius = 7.0f;
    const auto cx = left + 3.0f;
    const auto cy = top + 3.0f;

    juce::Path arrows;
    if (point.isLevelPoint)
    {
        arrows.addCentredArc (cx, cy, radius, radius, 0.0f, -pi / 4.0f, pi / 4.0f, true);
        arrows.addCentredArc (cx, cy, radius, radius, 0.0f, -5.0f * pi / 4.0f, -3.0f * pi / 4.0f, true);
    }
    else
    {
        arrows.addCentredArc (cx, cy, radius, radius, 0.0f, -3.0f * pi / 4.0f, -pi / 4.0f, true);
        arrows.addCentredArc (cx, cy, radius, radius, 0.0f, -7.0f * pi / 4.0f, -5.0f * pi / 4.0f, true);
    }

    g.setColour (mouseDown ? grey : colour.withAlpha (static_cast<juce::uint8> (0xCC)));
    g.strokePath (arrows, juce::PathStrokeType (2.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt));
}

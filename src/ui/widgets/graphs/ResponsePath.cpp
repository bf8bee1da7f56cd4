#include "ui/widgets/graphs/ResponsePath.h"

#include <cmath>
#include <limits>

namespace corvanel
{
bool rebuildResponsePath (juce::Path& path, ResponseSamples& samples, int width, int height, SampleStepping stepping,
                          const std::function<float (float x)>& value)
{
    samples.raw.clear();
    samples.kept.clear();

    float previous = 0.0f;
    for (float x = 0.0f; x < static_cast<float> (width);)
    {
        const auto f = value (x);
        if (! std::isnan (f))
            samples.raw.push_back ({ x, 2.0f * f });

        if (stepping == SampleStepping::refineRising)
            x += (f - previous > 0.01f) ? 0.01f : 0.5f;
        else
            x += f < 0.0f ? 0.1f : 0.5f;
        previous = f;
    }

    if (samples.raw.empty())
        return false;

    auto minY = std::numeric_limits<float>::infinity();
    auto maxY = -std::numeric_limits<float>::infinity();
    for (const auto& p : samples.raw)
    {
        minY = std::min (minY, p.y);
        maxY = std::max (maxY, p.y);
    }

    const auto spread = maxY - minY;
    for (const auto& p : samples.raw)
        if (std::isnormal (p.x) && std::isnormal (p.y) && std::isnormal (static_cast<float> (height) * p.y / spread))
            samples.kept.push_back (p);

    if (samples.kept.empty())
        return false;

    juce::Path curve;
    curve.startNewSubPath (samples.kept.front());
    for (const auto& p : samples.kept)
        curve.lineTo (p);

    // Stretch the curve to the full width plus one and to the samples' full
    // vertical range (an axis without extent is only moved).
    const auto bounds = curve.getBounds();
    const auto targetWidth = static_cast<float> (width + 1);
    const auto sx = bounds.getWidth() > 0.0f ? targetWidth / bounds.getWidth() : 1.0f;
    const auto sy = bounds.getHeight() > 0.0f ? spread / bounds.getHeight() : 1.0f;
    curve.applyTransform (juce::AffineTransform::translation (-bounds.getX(), -bounds.getY()).scaled (sx, sy).translated (0.0f, minY));

    curve.lineTo (targetWidth, static_cast<float> (height + 2));
    curve.lineTo (0.0f, static_cast<float> (height + 2));
    curve.closeSubPath();
    curve.applyTransform (juce::AffineTransform::scale (1.02f, 1.0f).translated (-2.0f, 0.0f));

    path = std::move (curve);
    return true;
}
} // namespace corvanel

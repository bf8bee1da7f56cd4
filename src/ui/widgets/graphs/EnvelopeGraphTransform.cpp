#include "ui/widgets/graphs/EnvelopeGraphTransform.h"

#include <algorithm>

juce::AffineTransform envelopeGraphTransform (int width, int height, int margin, bool flipped)
{
    const auto m = static_cast<float> (margin);
    const auto w = static_cast<float> (std::max (0, width - 2 * margin));
    const auto h = static_cast<float> (std::max (0, height - 2 * margin));
    if (flipped)
        return juce::AffineTransform (w, 0.0f, m, 0.0f, -h, m + h);
    return juce::AffineTransform (w, 0.0f, m, 0.0f, h, m);
}

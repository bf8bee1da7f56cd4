#pragma once

#include <juce_graphics/juce_graphics.h>

#include <functional>
#include <vector>

namespace corvanel
{
// Scratch of a response rebuild, kept by the display so that rebuilds reuse
// their storage.
struct ResponseSamples
{
    std::vector<juce::Point<float>> raw;    // (x, 2 pixels per dB)
    std::vector<juce::Point<float>> kept;   // the samples that make the path
};

// How the sample step follows the curve: notch-like curves refine where the
// curve rises, the others where it lies above the zero line.
enum class SampleStepping
{
    refineRising,
    refineAboveZero
};

// Samples value(x) for x from 0 below width and, when usable, replaces path
// with the closed curve (2 pixels per dB below y 0, filled to the bottom).
// A rebuild without samples, or whose every sample is not a normal number
// (an infinite sample or a flat curve), keeps the old path and returns false.
bool rebuildResponsePath (juce::Path& path, ResponseSamples& samples, int width, int height, SampleStepping stepping,
                          const std::function<float (float x)>& value);
} // namespace corvanel

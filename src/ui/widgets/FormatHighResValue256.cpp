#include "ui/widgets/FormatHighResValue256.h"

#include <cstdlib>

juce::String formatHighResValue256 (int value)
{
    if (value == 0)
        return "0.00";

    // Widened so that the magnitude of the most negative int stays exact.
    const auto magnitude = std::llabs (static_cast<long long> (value));
    const auto whole = magnitude / 256;
    auto hundredths = (magnitude % 256) * 100 / 256;
    if (magnitude < 8)
        hundredths = 1;

    return juce::String (value < 0 ? "-" : "") + juce::String (whole) + "."
           + juce::String (hundredths).paddedLeft ('0', 2);
}

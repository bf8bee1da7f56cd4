#pragma once

#include <juce_core/juce_core.h>

// Text of a fine value with eight fraction bits (value / 256) as a number
// with two decimals: 384 -> "1.50", -6144 -> "-24.00", 0 -> "0.00". A
// non-zero magnitude below 8 shows at least "0.01", so a value that is not
// zero never reads as zero. Any thread (no shared state).
juce::String formatHighResValue256 (int value);

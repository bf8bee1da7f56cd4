#pragma once

#include <juce_core/juce_core.h>

// Text of an overdrive/envelope time position 0 .. 127 ("0.00" .. "11.0"):
// the value is truncated toward zero; any other position gives the empty
// text. Any thread (the table is built once, thread-safely).
juce::String envelopeTimeToText (double value);

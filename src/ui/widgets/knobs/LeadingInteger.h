#pragma once

#include <juce_core/juce_core.h>

// The leading integer of a typed text: leading blanks skipped, an optional
// sign, then decimal digits up to the first other character; no digits give 0.
// Values beyond the int range saturate. Any thread.
inline int parseLeadingInteger (const juce::String& text)
{
    auto p = text.getCharPointer();
    while (*p == ' ' || *p == '\t')
        ++p;

    bool negative = false;
    if (*p == '-' || *p == '+')
    {
        negative = (*p == '-');
        ++p;
    }

    juce::int64 result = 0;
    while (*p >= '0' && *p <= '9')
    {
        result = juce::jmin<juce::int64> (result * 10 + (*p - '0'), juce::int64 (1) << 32);
        ++p;
    }

    if (negative)
        result = -result;
    return static_cast<int> (juce::jlimit<juce::int64> (std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), result));
}

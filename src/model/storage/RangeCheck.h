#pragma once

#include <cstdio>

// The readers' range rule: a value above its maximum or below its minimum is
// reported on the console and replaced.
namespace Vantu::rangeCheck
{
inline int checked (const char* field, int value, int minimum, int maximum, int fallback)
{
    if (value > maximum)
    {
        std::printf ("WARNING: '%s' > max value %d\n", field, maximum);
        return fallback;
    }
    if (value < minimum)
    {
        std::printf ("WARNING: '%s' < min value %d\n", field, minimum);
        return fallback;
    }
    return value;
}

inline int atLeast (const char* field, int value, int minimum, int fallback)
{
    if (value < minimum)
    {
        std::printf ("WARNING: '%s' < min value %d\n", field, minimum);
        return fallback;
    }
    return value;
}

// Eight-bit fields are tested as signed: a byte of 128 or more is negative.
inline int s8 (unsigned char byte) { return static_cast<signed char> (byte); }
} // namespace Vantu::rangeCheck

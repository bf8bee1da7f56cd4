#pragma once

class GlobalPreferencesIfc;

// "FernhollowBufferSafetyMargin": the percentage that scales the distance the ring
// readers keep behind their writers.
namespace BufferSafetyMargin
{
    inline constexpr int kMinimum = 25;
    inline constexpr int kMaximum = 1000;
    inline constexpr int kDefault = 100;

    // Reads the preference and clamps it to kMinimum..kMaximum, logging a value it had
    // to clamp. Not for audio threads.
    int read (const GlobalPreferencesIfc& preferences);
} // namespace BufferSafetyMargin

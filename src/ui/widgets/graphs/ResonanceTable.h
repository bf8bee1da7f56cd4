#pragma once

#include <array>

namespace corvanel
{
// Nine values read at the breakpoints 0, 15, 31, 47, 63, 79, 95, 111, 127 of a
// 7-bit resonance, linearly in between.
using ResonanceTable = std::array<float, 9>;

// Where a resonance lies on the breakpoints: i + the fraction of segment i,
// 8 from 127 on. Values below 0 (and NaN) count as 0.
float resonanceTablePosition (float resonance);

// The table read at the resonance's position.
float readResonanceTable (const ResonanceTable& table, float resonance);
} // namespace corvanel

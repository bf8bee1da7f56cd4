#include "ui/widgets/graphs/ResonanceTable.h"

#include <cmath>

namespace corvanel
{
float resonanceTablePosition (float resonance)
{
    static constexpr float breakpoints[] = { 0, 15, 31, 47, 63, 79, 95, 111, 127 };
    if (! (resonance > 0.0f))
        return 0.0f;
    if (resonance >= 127.0f)
        return 8.0f;
    int i = 0;
    while (resonance >= breakpoints[i + 1])
        ++i;
    return static_cast<float> (i) + (resonance - breakpoints[i]) / (breakpoints[i + 1] - breakpoints[i]);
}

float readResonanceTable (const ResonanceTable& table, float resonance)
{
    const auto position = resonanceTablePosition (resonance);
    const auto i = static_cast<int> (position);
    if (i >= 8)
        return table[8];
    const auto f = position - static_cast<float> (i);
    const auto index = static_cast<size_t> (i);
    return table[index] + (table[index + 1] - table[index]) * f;
}
} // namespace corvanel

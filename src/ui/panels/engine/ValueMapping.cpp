#include "ui/panels/engine/ValueMapping.h"

#include <algorithm>

namespace
{
constexpr int centre = 0x4000;
constexpr int one = 256;
} // namespace

namespace ValueMapping
{
int toDevice (ControlKind kind, double x) noexcept
{
    const int n = static_cast<int> (x);   // toward zero

    switch (kind)
    {
        case ControlKind::bipolar: return n * one + centre;
        case ControlKind::tune:    return n + centre;
        case ControlKind::fine:    return n;
        case ControlKind::onOff:   return x != 0.0 ? one : 0;
        case ControlKind::unipolar:
        case ControlKind::list:
        case ControlKind::overdrive:
        case ControlKind::custom:
        default:                   return n * one;
    }
}

double toControl (ControlKind kind, int v) noexcept
{
    switch (kind)
    {
        case ControlKind::bipolar: return (v >> 8) - 64;
        case ControlKind::tune:    return v - centre;
        case ControlKind::fine:    return v;
        case ControlKind::onOff:   return v != 0 ? 1.0 : 0.0;
        case ControlKind::unipolar:
        case ControlKind::list:
        case ControlKind::overdrive:
        case ControlKind::custom:
        default:                   return v >> 8;
    }
}

bool switchIsOn (OnOffThreshold threshold, int v) noexcept
{
    return threshold == OnOffThreshold::shiftedNonZero ? (v >> 8) != 0 : v != 0;
}

int selectorIndex (int v, int buttonCount) noexcept
{
    return std::clamp (v >> 8, 0, std::max (0, buttonCount - 1));
}

int selectorToDevice (int index) noexcept
{
    return index * one;
}
} // namespace ValueMapping

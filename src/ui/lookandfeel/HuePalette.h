#pragma once

#include "ui/lookandfeel/HueColours.h"

// The palette that tints widgets and panels by a hue index: seventeen entries
// of four shades (0 red .. 8 purple, 9 the neutral grey, 10 .. 14 muted tones,
// 15 fully transparent, 16 grey with a lighter dark shade). Built once, on
// first use; any thread.
struct HuePalette
{
    static constexpr int numHues = 17;
    static constexpr unsigned int transparentHue = 15;

    // The entry of a hue 0 .. 16; any other value (negative ones included)
    // gives entry 15, which is fully transparent.
    static const HueColours& shades (int hue);
};

#include "ui/lookandfeel/HuePalette.h"

#include <array>

namespace
{
// bright, mid, dark, darkest of the palette entries 0 .. 16.
constexpr std::array<std::array<juce::uint32, 4>, HuePalette::numHues> paletteValues { {
    { 0xFFDF575E, 0xFF8C4D5D, 0xFF65282F, 0xFF382729 },   // 0 red
    { 0xFFFB8469, 0xFF956455, 0xFF64423A, 0xFF362A27 },   // 1 salmon
    { 0xFFEB9F6A, 0xFF957A52, 0xFF655236, 0xFF3A332A },   // 2 orange
    { 0xFFFFFF6A, 0xFF979656, 0xFF666538, 0xFF3D3D2E },   // 3 yellow
    { 0xFF93FE7B, 0xFF6E8D68, 0xFF476540, 0xFF303B2E },   // 4 green
    { 0xFF2DBC95, 0xFF538A79, 0xFF296251, 0xFF263732 },   // 5 teal
    { 0xFF4DBDE8, 0xFF5C7D87, 0xFF375868, 0xFF273336 },   // 6 blue
    { 0xFF9A85CD, 0xFF6C6ABC, 0xFF49415A, 0xFF2A2734 },   // 7 violet
    { 0xFFCA95F3, 0xFF856E91, 0xFF564865, 0xFF2D2633 },   // 8 purple
    { 0xFFF0F0F0, 0xFF646464, 0xFF2B2B2B, 0xFF1E1E1E },   // 9 neutral grey
    { 0xFF96B7B2, 0xFF96B7B2, 0xFF424F4D, 0xFF262A29 },   // 10
    { 0xFFD6AB8B, 0xFFD6AB8B, 0xFF594B40, 0xFF2D2825 },   // 11
    { 0xFFC4B4C4, 0xFFC4B4C4, 0xFF534A53, 0xFF302D30 },   // 12
    { 0xFFC87474, 0xFFC87474, 0xFF553636, 0xFF2C2222 },   // 13
    { 0xFF6C869E, 0xFF6C869E, 0xFF3A4952, 0xFF282D30 },   // 14
    { 0x00000000, 0x00000000, 0x00000000, 0x00000000 },   // 15 transparent
    { 0xFFF0F0F0, 0xFF646464, 0xFF505050, 0xFF1E1E1E },   // 16 grey with a lighter dark shade
} };
}   // namespace

const HueColours& HuePalette::shades (int hue)
{
    static const auto palette = [] {
        std::array<HueColours, numHues> entries;
        for (std::size_t i = 0; i < entries.size(); ++i)
            entries[i] = { juce::Colour (paletteValues[i][0]), juce::Colour (paletteValues[i][1]),
                           juce::Colour (paletteValues[i][2]), juce::Colour (paletteValues[i][3]) };
        return entries;
    }();
    return palette[static_cast<unsigned int> (hue) < static_cast<unsigned int> (numHues) ? static_cast<std::size_t> (hue)
                                                                                         : transparentHue];
}

#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

// The program's own icon font. Every glyph is drawn here as vector paths on a
// 100 x 100 design square (y grows downwards; the square spans the font's
// ascent and descent) and turned into a typeface in code.
//
// Catalogue (character: picture)
//   Filter responses      "j" low pass (1-pole, and the generic low pass), "k" 2-pole low pass
//                         12 dB/oct with resonance, "h" 1-pole high pass, "i" 2-pole high pass,
//                         "f" band pass, "e" band stop / notch, "l" peak / equaliser,
//                         "@" low shelf, "0" high shelf, "=" double notch, ">" low pass with notch
//   Waveforms             "X" sine, "S" asymmetric sine, "y" triangle, "Y" sine-saw, "~" saw,
//                         "[" square, "a" ring modulator, "z" exponential, "{" ramp,
//                         "B" random (sample and hold), ":" rectified sine, ";" pulse,
//                         "Z" sine at double rate, "W" rounded square, "q" click, "n" noise
//   Envelope modes        "?" attack-hold-decay, "E" attack-hold-decay upside down,
//                         "<" attack-decay-sustain-release
//   Symbols               "A" audio capture, "s" trash bin, "r" keyboard, "C" pads,
//                         "4" positive polarity, "5" negative polarity
namespace FontCorvanelGlyphs
{
inline constexpr const char* familyName = "FontCorvanel";

struct GlyphInfo
{
    juce::juce_wchar character;
    const char* meaning;
};

// Every glyph of the font, in catalogue order.
const std::vector<GlyphInfo>& catalogue();

// The filled outline of one glyph on the 100 x 100 design square; empty for a
// character the font does not have.
juce::Path designOutline (juce::juce_wchar character);

// A new typeface holding every glyph of the catalogue.
juce::Typeface::Ptr createTypeface();
} // namespace FontCorvanelGlyphs

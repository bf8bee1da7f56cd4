#pragma once

#include <juce_graphics/juce_graphics.h>

// The built-in text faces and icon fonts. Components ask for text faces by
// name ("Grotesk Text 55", ...); the look and feel resolves every font through
// CorvanelFonts::typefaceForFont once it is the default look and feel.
namespace CorvanelFonts
{
inline constexpr const char* text45 = "Grotesk Text 45";   // light, large figures
inline constexpr const char* text55 = "Grotesk Text 55";   // ordinary text and captions
inline constexpr const char* text56 = "Grotesk Text 56";   // italic notes
inline constexpr const char* text65 = "Grotesk Text 65";   // headings
inline constexpr const char* text66 = "Grotesk Text 66";   // medium italic
inline constexpr const char* text75 = "Grotesk Text 75";   // emphasised text

enum class TextFace
{
    roman55,
    italic56,
    medium65,
    bold75,
    displayLight45,
    displayMediumItalic66
};

// The typeface of one built-in text face (created once, on first use, from
// the embedded font data; lives until the process ends). Any thread.
juce::Typeface::Ptr getTextTypeface (TextFace face);

// Resolves a font by its typeface name: the six names above to their faces,
// the framework's default sans-serif placeholder to 65 Medium when bold and
// 55 Roman otherwise, any other name to 55 Roman. Style flags change nothing.
juce::Typeface::Ptr typefaceForFont (const juce::Font& font);

// The named face created at height 800 and then given the height that makes
// it `points` points tall (the framework's height-to-points factor).
juce::Font atPoints (const juce::String& typefaceName, float points);

// The named face at the given height.
juce::Font atHeight (const juce::String& typefaceName, float height);
} // namespace CorvanelFonts

// The FontAwesome icon font at the given height. Message thread only: the
// shared font's height is changed before the copy is returned.
juce::Font getFontAwesome (float height);

// The program's own icon font (glyph catalogue: resources/fonts/FontCorvanelGlyphs.h)
// at the given height. Message thread only, as getFontAwesome.
juce::Font getFontCorvanel (float height);

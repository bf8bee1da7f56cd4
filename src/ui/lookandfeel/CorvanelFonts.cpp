#include "ui/lookandfeel/CorvanelFonts.h"

#include "resources/fonts/FontCorvanelGlyphs.h"

#include <FontData.h>

#include <array>

namespace CorvanelFonts
{
namespace
{
juce::Typeface::Ptr fromData (const char* data, int size)
{
    return juce::Typeface::createSystemTypefaceFor (data, static_cast<size_t> (size));
}

struct TextTypefaces
{
    std::array<juce::Typeface::Ptr, 6> faces {
        fromData (FontData::InterRegular_otf, FontData::InterRegular_otfSize),
        fromData (FontData::InterItalic_otf, FontData::InterItalic_otfSize),
        fromData (FontData::InterMedium_otf, FontData::InterMedium_otfSize),
        fromData (FontData::InterBold_otf, FontData::InterBold_otfSize),
        fromData (FontData::InterDisplayLight_otf, FontData::InterDisplayLight_otfSize),
        fromData (FontData::InterDisplayMediumItalic_otf, FontData::InterDisplayMediumItalic_otfSize)
    };
};

const TextTypefaces& textTypefaces()
{
    static const TextTypefaces typefaces;
    return typefaces;
}

struct NamedFace
{
    const char* name;
    TextFace face;
};

constexpr std::array<NamedFace, 6> namedFaces { {
    { text55, TextFace::roman55 },
    { text56, TextFace::italic56 },
    { text65, TextFace::medium65 },
    { text75, TextFace::bold75 },
    { text45, TextFace::displayLight45 },
    { text66, TextFace::displayMediumItalic66 },
} };
} // namespace

juce::Typeface::Ptr getTextTypeface (TextFace face)
{
    return textTypefaces().faces[static_cast<size_t> (face)];
}

juce::Typeface::Ptr typefaceForFont (const juce::Font& font)
{
    const auto& name = font.getTypefaceName();

    for (const auto& entry : namedFaces)
        if (name == entry.name)
            return getTextTypeface (entry.face);

    if (name == juce::Font::getDefaultSansSerifFontName())
        return getTextTypeface (font.isBold() ? TextFace::medium65 : TextFace::roman55);

    return getTextTypeface (TextFace::roman55);
}

juce::Font atPoints (const juce::String& typefaceName, float points)
{
    // withPointHeight divides by the font's height-to-points factor.
    return juce::Font (typefaceName, 800.0f, juce::Font::plain).withPointHeight (points);
}

juce::Font atHeight (const juce::String& typefaceName, float height)
{
    return juce::Font (typefaceName, height, juce::Font::plain);
}
} // namespace CorvanelFonts

namespace
{
juce::Font iconFontAtHeight (juce::Font& shared, float height)
{
    shared.setHeight (height);
    return shared;
}
} // namespace

juce::Font getFontAwesome (float height)
{
    static juce::Font font (CorvanelFonts::fromData (FontData::fontawesomewebfont_ttf,
                                                     FontData::fontawesomewebfont_ttfSize));
    return iconFontAtHeight (font, height);
}

juce::Font getFontCorvanel (float height)
{
    static juce::Font font (FontCorvanelGlyphs::createTypeface());
    return iconFontAtHeight (font, height);
}

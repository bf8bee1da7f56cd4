#include "UiTestSupport.h"

#include "resources/fonts/FontCorvanelGlyphs.h"
#include "ui/lookandfeel/CorvanelFonts.h"

#include <set>

namespace
{
using uitest::LookAndFeelTest;

struct FaceRow
{
    const char* requested;
    int styleFlags;
    const char* family;
    const char* style;
};

std::string caseName (const FaceRow& row)
{
    const auto flags = row.styleFlags;
    const std::string style = flags == juce::Font::plain ? "Plain"
                            : (flags & juce::Font::italic) != 0 ? ((flags & juce::Font::bold) != 0 ? "BoldItalic" : "Italic")
                            : "Bold";
    return uitest::testNamePart (row.requested) + "_" + style;
}
void PrintTo (const FaceRow& row, std::ostream* os) { *os << caseName (row); }

class TypefaceTableTest : public LookAndFeelTest, public ::testing::WithParamInterface<FaceRow> {};

TEST_P (TypefaceTableTest, RequestedNameResolvesToBuiltInFace)
{
    const auto row = GetParam();
    const juce::Font font (row.requested, 20.0f, row.styleFlags);

    const auto typeface = lookAndFeel.getTypefaceForFont (font);
    ASSERT_NE (typeface, nullptr);
    EXPECT_EQ (typeface->getName(), row.family);
    EXPECT_EQ (typeface->getStyle(), row.style);

    // Fonts resolve through the default look and feel, as every widget's do.
    EXPECT_EQ (font.getTypefacePtr(), typeface);
}

INSTANTIATE_TEST_SUITE_P (Faces, TypefaceTableTest, ::testing::Values (
    FaceRow { "Grotesk Text 55", juce::Font::plain, "Inter", "Regular" },
    FaceRow { "Grotesk Text 56", juce::Font::plain, "Inter", "Italic" },
    FaceRow { "Grotesk Text 65", juce::Font::plain, "Inter", "Medium" },
    FaceRow { "Grotesk Text 75", juce::Font::plain, "Inter", "Bold" },
    FaceRow { "Grotesk Text 45", juce::Font::plain, "Inter Display", "Light" },
    FaceRow { "Grotesk Text 66", juce::Font::plain, "Inter Display", "Medium Italic" },
    // Style flags never change a named face.
    FaceRow { "Grotesk Text 75", juce::Font::bold, "Inter", "Bold" },
    FaceRow { "Grotesk Text 55", juce::Font::bold | juce::Font::italic, "Inter", "Regular" },
    // The framework's default sans-serif placeholder: bold picks 65 Medium.
    FaceRow { "<Sans-Serif>", juce::Font::plain, "Inter", "Regular" },
    FaceRow { "<Sans-Serif>", juce::Font::bold, "Inter", "Medium" },
    // Every other name: 55 Roman.
    FaceRow { "<Monospaced>", juce::Font::plain, "Inter", "Regular" },
    FaceRow { "<Serif>", juce::Font::bold, "Inter", "Regular" },
    FaceRow { "DejaVu Sans", juce::Font::plain, "Inter", "Regular" },
    FaceRow { "Grotesk Text 85", juce::Font::plain, "Inter", "Regular" },
    FaceRow { "grotesk text 55", juce::Font::plain, "Inter", "Regular" },
    FaceRow { "", juce::Font::plain, "Inter", "Regular" }),
    [] (const auto& info) { return caseName (info.param); });

TEST_F (LookAndFeelTest, DefaultFontIsTheRomanFace)
{
    EXPECT_EQ (juce::Font (12.0f).getTypefacePtr(), CorvanelFonts::getTextTypeface (CorvanelFonts::TextFace::roman55));
    EXPECT_EQ (juce::Font (12.0f, juce::Font::bold).getTypefacePtr(),
               CorvanelFonts::getTextTypeface (CorvanelFonts::TextFace::medium65));
}

TEST_F (LookAndFeelTest, FontAtPointsHasThatPointHeight)
{
    for (auto* name : { CorvanelFonts::text45, CorvanelFonts::text55, CorvanelFonts::text65, CorvanelFonts::text75 })
    {
        const auto font = CorvanelFonts::atPoints (name, 10.0f);
        EXPECT_EQ (font.getTypefaceName(), name);
        EXPECT_NEAR (font.getHeightInPoints(), 10.0f, 0.01f) << name;
        EXPECT_GT (font.getHeight(), 10.0f) << name;   // a point is taller than a unit of height
    }

    EXPECT_FLOAT_EQ (CorvanelFonts::atHeight (CorvanelFonts::text55, 18.0f).getHeight(), 18.0f);
}

TEST_F (LookAndFeelTest, LookAndFeelFontOperations)
{
    EXPECT_EQ (lookAndFeel.getAlertWindowTitleFont().getTypefaceName(), "Grotesk Text 75");
    EXPECT_FLOAT_EQ (lookAndFeel.getAlertWindowTitleFont().getHeight(), 18.0f);
    EXPECT_FLOAT_EQ (lookAndFeel.getAlertWindowMessageFont().getHeight(), 16.0f);
    EXPECT_FLOAT_EQ (lookAndFeel.getAlertWindowFont().getHeight(), 14.0f);
    EXPECT_EQ (lookAndFeel.getPopupMenuFont().getTypefaceName(), "Grotesk Text 55");
    EXPECT_NEAR (lookAndFeel.getPopupMenuFont().getHeightInPoints(), 10.0f, 0.01f);

    juce::ComboBox box;
    EXPECT_EQ (lookAndFeel.getComboBoxFont (box).getTypefaceName(), "Grotesk Text 75");
}

TEST_F (LookAndFeelTest, IconFontCopiesKeepTheirHeight)
{
    const auto first = getFontAwesome (12.0f);
    const auto second = getFontAwesome (15.0f);
    EXPECT_FLOAT_EQ (first.getHeight(), 12.0f);
    EXPECT_FLOAT_EQ (second.getHeight(), 15.0f);
    EXPECT_EQ (first.getTypefacePtr(), second.getTypefacePtr());
    EXPECT_EQ (first.getTypefaceName(), "FontAwesome");

    // Heights are clamped as the framework clamps them.
    EXPECT_FLOAT_EQ (getFontCorvanel (0.0f).getHeight(), 0.1f);
    EXPECT_FLOAT_EQ (getFontCorvanel (20.0f).getHeight(), 20.0f);
    EXPECT_EQ (getFontCorvanel (20.0f).getTypefaceName(), FontCorvanelGlyphs::familyName);
}

TEST_F (LookAndFeelTest, FontAwesomeHasTheGlyphsTheLookAndFeelUses)
{
    const auto font = getFontAwesome (20.0f);
    for (juce::juce_wchar glyph : { 0xF077, 0xF078, 0xF106, 0xF107, 0xF00C, 0xF023, 0xF126 })
    {
        juce::GlyphArrangement arrangement;
        arrangement.addLineOfText (font, juce::String::charToString (glyph), 0.0f, 20.0f);
        ASSERT_EQ (arrangement.getNumGlyphs(), 1);
        EXPECT_FALSE (arrangement.getBoundingBox (0, 1, true).isEmpty()) << std::hex << static_cast<int> (glyph);
    }
}

TEST_F (LookAndFeelTest, FontCorvanelDrawsEveryCataloguedGlyphInsideItsCell)
{
    const auto& catalogue = FontCorvanelGlyphs::catalogue();
    ASSERT_FALSE (catalogue.empty());

    std::set<juce::juce_wchar> seen;
    const auto font = getFontCorvanel (20.0f);

    for (const auto& glyph : catalogue)
    {
        EXPECT_TRUE (seen.insert (glyph.character).second) << "twice: " << static_cast<char> (glyph.character);

        const auto design = FontCorvanelGlyphs::designOutline (glyph.character);
        ASSERT_FALSE (design.isEmpty()) << glyph.meaning;
        EXPECT_TRUE (juce::Rectangle<float> (0, 0, 100, 100).contains (design.getBounds())) << glyph.meaning;

        // Laid out at height 20 with its baseline at 16, the glyph stays in the 20 x 20 cell.
        juce::GlyphArrangement arrangement;
        arrangement.addLineOfText (font, juce::String::charToString (glyph.character), 0.0f, 16.0f);
        ASSERT_EQ (arrangement.getNumGlyphs(), 1);
        const auto box = arrangement.getBoundingBox (0, 1, true);
        EXPECT_FALSE (box.isEmpty()) << glyph.meaning;
        EXPECT_TRUE (juce::Rectangle<float> (-0.01f, -0.01f, 20.02f, 20.02f).contains (box)) << glyph.meaning;
    }

    // The characters the widgets ask for.
    for (auto c : juce::String ("kjfhiel@0=>yX[~z{BSYaqn:;ZW?E<AsrC45"))
        EXPECT_EQ (seen.count (c), 1u) << "missing glyph " << static_cast<char> (c);

    EXPECT_TRUE (FontCorvanelGlyphs::designOutline ('%').isEmpty());
}
} // namespace

#include "UiTestSupport.h"

#include "ui/lookandfeel/ColourTable.h"

#include <climits>
#include <map>
#include <set>

namespace
{
using uitest::LookAndFeelTest;

struct PaletteRow
{
    int hue;
    juce::uint32 bright, mid, dark, darkest;
};

std::string caseName (const PaletteRow& row) { return "Hue" + uitest::testNamePart (row.hue); }
void PrintTo (const PaletteRow& row, std::ostream* os) { *os << caseName (row); }

class PaletteTest : public LookAndFeelTest, public ::testing::WithParamInterface<PaletteRow> {};

TEST_P (PaletteTest, HueGivesItsFourShades)
{
    const auto row = GetParam();
    const auto& shades = lookAndFeel.getHueColours (row.hue);
    EXPECT_EQ (shades.bright.getARGB(), row.bright);
    EXPECT_EQ (shades.mid.getARGB(), row.mid);
    EXPECT_EQ (shades.dark.getARGB(), row.dark);
    EXPECT_EQ (shades.darkest.getARGB(), row.darkest);
}

INSTANTIATE_TEST_SUITE_P (Palette, PaletteTest, ::testing::Values (
    PaletteRow { 0, 0xFFDF575E, 0xFF8C4D5D, 0xFF65282F, 0xFF382729 },
    PaletteRow { 3, 0xFFFFFF6A, 0xFF979656, 0xFF666538, 0xFF3D3D2E },
    PaletteRow { 6, 0xFF4DBDE8, 0xFF5C7D87, 0xFF375868, 0xFF273336 },
    PaletteRow { 9, 0xFFF0F0F0, 0xFF646464, 0xFF2B2B2B, 0xFF1E1E1E },
    PaletteRow { 14, 0xFF6C869E, 0xFF6C869E, 0xFF3A4952, 0xFF282D30 },
    PaletteRow { 15, 0, 0, 0, 0 },
    PaletteRow { 16, 0xFFF0F0F0, 0xFF646464, 0xFF505050, 0xFF1E1E1E },
    // Outside 0 .. 16 (negative values compared as unsigned): the transparent entry.
    PaletteRow { 17, 0, 0, 0, 0 },
    PaletteRow { -1, 0, 0, 0, 0 },
    PaletteRow { INT_MIN, 0, 0, 0, 0 },
    PaletteRow { INT_MAX, 0, 0, 0, 0 }),
    [] (const auto& info) { return caseName (info.param); });

TEST_F (LookAndFeelTest, OutOfRangeHueIsTheTransparentEntryItself)
{
    EXPECT_EQ (&lookAndFeel.getHueColours (17), &lookAndFeel.getHueColours (15));
    EXPECT_EQ (&lookAndFeel.getHueColours (-1), &lookAndFeel.getHueColours (15));
}

TEST_F (LookAndFeelTest, ColourSchemeHasTheProgramsValues)
{
    using UI = juce::LookAndFeel_V4::ColourScheme::UIColour;
    const std::map<UI, juce::uint32> expected {
        { UI::windowBackground, 0xFF1E1E1E }, { UI::widgetBackground, 0xFF1E1E1E }, { UI::menuBackground, 0xFF2B2B2B },
        { UI::outline, 0xFF646464 },          { UI::defaultText, 0xFFF0F0F0 },      { UI::defaultFill, 0xFF646464 },
        { UI::highlightedText, 0xFFF0F0F0 },  { UI::highlightedFill, 0xFF646464 },  { UI::menuText, 0xFFF0F0F0 },
    };

    for (const auto& [colour, argb] : expected)
        EXPECT_EQ (lookAndFeel.getCorvanelColourScheme().getUIColour (colour).getARGB(), argb) << static_cast<int> (colour);
}

// The table registers some ids twice; the later registration is the one in force.
TEST_F (LookAndFeelTest, RepeatedIdsTakeTheirLaterValue)
{
    juce::Component component;   // no colours of its own

    const std::map<int, juce::uint32> expected {
        { 0x1005800, 0xFF1E1E1E }, { 0x1005801, 0xFF000000 }, { 0x1005812, 0x57646464 }, { 0x1005813, 0xFF646464 },
        { 0x1005814, 0xFF646464 }, { 0x1005815, 0xFFF0F0F0 }, { 0x2008201, 0xFF1E1E1E }, { 0x2008202, 0xFF1E1E1E },
        { 0x2008203, 0xFFF0F0F0 }, { 0x2401000, 0xFF2B2B2B }, { 0x2401001, 0xFF2B2B2B }, { 0x2401002, 0xFF2B2B2B },
    };

    for (const auto& [id, argb] : expected)
        EXPECT_EQ (component.findColour (id).getARGB(), argb) << std::hex << id;
}

TEST_F (LookAndFeelTest, TableShapeAndDerivedColours)
{
    const auto table = makeCorvanelColourTable (lookAndFeel.getCorvanelColourScheme());
    EXPECT_EQ (table.size(), 270u);

    std::map<int, int> registrations;
    for (const auto& entry : table)
        ++registrations[entry.first];

    int repeated = 0;
    int ownIds = 0;
    for (const auto& [id, count] : registrations)
    {
        repeated += count > 1 ? 1 : 0;
        ownIds += (id & 0xFF000000) != 0x01000000 ? 1 : 0;
    }
    EXPECT_EQ (repeated, 12);
    EXPECT_EQ (ownIds, 145);

    juce::Component component;
    const auto ground = juce::Colour (0xFF1E1E1E);
    EXPECT_EQ (component.findColour (0x1003220), ground.contrasting (0.2f));
    EXPECT_EQ (component.findColour (0x1003230), ground.contrasting (0.5f));
    EXPECT_EQ (component.findColour (0x1001F00), juce::Colour (0xFFF0F0F0).interpolatedWith (juce::Colours::blue, 0.4f));
}

TEST_F (LookAndFeelTest, WidgetColourOverridesTableForThatWidgetOnly)
{
    juce::Component tinted, plain;
    tinted.setColour (0x2002050, juce::Colour (0xFF123456));

    EXPECT_EQ (tinted.findColour (0x2002050).getARGB(), 0xFF123456u);
    EXPECT_EQ (plain.findColour (0x2002050).getARGB(), 0xFFF0F0F0u);
}

TEST_F (LookAndFeelTest, IdOutsideTheTableGivesFrameworkFallback)
{
    juce::Component component;
    EXPECT_EQ (component.findColour (0x2306506).getARGB(), 0xFF000000u);
}

TEST_F (LookAndFeelTest, SampleOfOwnAndFrameworkIds)
{
    juce::Component component;
    const std::map<int, juce::uint32> expected {
        { 0x2000005, 0xFF1E1E1E }, { 0x23388877, 0xFF646464 }, { 0x2000101, 0xFF2B2B2B }, { 0x200111F, 0x00000000 },
        { 0x209123D, 0xFFDF585E }, { 0x2002031, 0xFFF0F0F0 }, { 0x200205B, 0xFF1E1E1E }, { 0x2306503, 0xFF434343 },
        { 0x20206207, 0xFF1E1E1E }, { 0x820C3, 0xFFF0F0F0 },  { 0x1000700, 0xFF303030 }, { 0x1003820, 0x3CC8C8C8 },
        { 0x1001B00, 0xFF646464 }, { 0x1001C00, 0xFF1E1E1E },
    };

    for (const auto& [id, argb] : expected)
        EXPECT_EQ (component.findColour (id).getARGB(), argb) << std::hex << id;
}
} // namespace

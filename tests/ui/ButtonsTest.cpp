#include "UiTestSupport.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/ActionButton.h"
#include "ui/widgets/CustomTabButtons.h"
#include "ui/widgets/FontButton.h"
#include "ui/widgets/LabeledOnOffButton.h"
#include "ui/widgets/selectors/SubOscillatorSelector.h"

#include <functional>
#include <memory>

namespace
{
using uitest::LookAndFeelTest;
using uitest::nearColour;
using uitest::pixel;
using uitest::render;
using namespace CorvanelColourIds;

const auto leftButton = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier);
const auto rightButton = juce::ModifierKeys (juce::ModifierKeys::rightButtonModifier);

juce::uint32 blend (juce::uint32 under, juce::Colour over)
{
    return juce::Colour (under).overlaidWith (over).getARGB();
}

//==============================================================================
struct TextButtonKind
{
    const char* name;
    std::function<std::unique_ptr<juce::Button>()> make;
};

void PrintTo (const TextButtonKind& kind, std::ostream* os) { *os << kind.name; }

class TextButtonClickTest : public LookAndFeelTest, public ::testing::WithParamInterface<TextButtonKind> {};

TEST_P (TextButtonClickTest, RightClickNeitherTogglesNorClicks)
{
    auto button = GetParam().make();
    button->setBounds (0, 0, 40, 20);
    button->setVisible (true);
    button->setClickingTogglesState (true);
    int clicks = 0;
    button->onClick = [&clicks] { ++clicks; };

    uitest::click (*button, rightButton);
    EXPECT_FALSE (button->getToggleState());
    EXPECT_EQ (clicks, 0);

    uitest::click (*button, leftButton);
    EXPECT_TRUE (button->getToggleState());
    EXPECT_EQ (clicks, 1);
}

INSTANTIATE_TEST_SUITE_P (Kinds, TextButtonClickTest, ::testing::Values (
    TextButtonKind { "Action", [] { return std::make_unique<ActionButton> ("Go", "tip"); } },
    TextButtonKind { "Colorful", [] { return std::make_unique<ColorfulActionButton> ("Go", "tip"); } },
    TextButtonKind { "FontAction", [] { return std::make_unique<FontActionButton> ("4"); } },
    TextButtonKind { "Font", [] { return std::make_unique<FontButton> ("X", getFontCorvanel); } },
    TextButtonKind { "ColourfulFont", [] { return std::make_unique<ColourfulFontButton> ("X", getFontCorvanel); } },
    TextButtonKind { "SubOscillator", [] { return std::make_unique<SubOscillatorButton> (-1); } }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST_F (LookAndFeelTest, ActionButtonSetUp)
{
    ActionButton button ("Name", "Tip");
    EXPECT_EQ (button.getComponentID(), "Button");
    EXPECT_EQ (button.getTooltip(), "Tip");
    EXPECT_EQ (button.getConnectedEdgeFlags(), 15);
    EXPECT_TRUE (button.isOpaque());
    EXPECT_EQ (button.hue, 9);

    button.setHue (3);
    EXPECT_EQ (button.findColour (actionButtonTextOn).getARGB(), 0xFFFFFF6Au);
}

TEST_F (LookAndFeelTest, ActionButtonLitInAGreyHueKeepsItsLabelReadable)
{
    // The greys' bright shade is the lit fill itself: a lit label in it would vanish.
    ActionButton button ("A", "");
    button.setHue (6);
    for (const int grey : { 9, 16 })
    {
        button.setHue (grey);
        EXPECT_EQ (button.findColour (actionButtonTextOn).getARGB(), 0xFF1E1E1Eu) << "hue " << grey;
    }
    EXPECT_NE (button.findColour (actionButtonTextOn), button.findColour (actionButtonFillOn));
}

TEST_F (LookAndFeelTest, ActionButtonDrawing)
{
    ActionButton button ("", "");
    button.setSize (40, 20);

    // Toggled on: light fill, grey frame.
    button.setToggleState (true, juce::dontSendNotification);
    auto image = render (button);
    EXPECT_EQ (pixel (image, 2, 2), 0xFFF0F0F0u);
    EXPECT_EQ (pixel (image, 0, 0), 0xFF646464u);
    EXPECT_EQ (pixel (image, 39, 19), 0xFF646464u);

    // Off: dark fill, frame in the hue's bright shade at alpha 0x57 over the ground.
    button.setToggleState (false, juce::dontSendNotification);
    button.setHue (0);
    image = render (button);
    EXPECT_EQ (pixel (image, 2, 2), 0xFF1E1E1Eu);
    EXPECT_TRUE (nearColour (pixel (image, 0, 10), blend (0xFF1E1E1E, juce::Colour (0x57DF575E))));

    // Pressed and highlighted: the pressed fill 10 % darker.
    juce::Image pressed (juce::Image::ARGB, 40, 20, true);
    {
        juce::Graphics g (pressed);
        button.paintButton (g, true, true);
    }
    EXPECT_EQ (pixel (pressed, 2, 2), juce::Colour (0xFFF0F0F0).withMultipliedBrightness (0.9f).getARGB());
}

TEST_F (LookAndFeelTest, ButtonsUnderAnotherLookAndFeel)
{
    juce::LookAndFeel_V4 other;

    ActionButton action ("A", "");
    ColorfulActionButton colourful ("B", "");
    FontButton glyph ("X", getFontCorvanel);
    for (juce::Button* button : std::initializer_list<juce::Button*> { &action, &colourful, &glyph })
    {
        button->setLookAndFeel (&other);
        button->setSize (30, 20);
    }

    // The action button keeps only its dark fill; the others draw nothing.
    auto image = render (action);
    EXPECT_EQ (pixel (image, 15, 10), 0xFF1E1E1Eu);
    EXPECT_EQ (pixel (image, 0, 0), 0xFF1E1E1Eu);
    EXPECT_EQ (pixel (render (colourful), 15, 10), 0u);
    EXPECT_EQ (pixel (render (glyph), 15, 10), 0u);

    // Colour set-up needs the program's look and feel.
    colourful.setHue (3);
    EXPECT_EQ (colourful.hue, 3);
    EXPECT_FALSE (colourful.isColourSpecified (actionButtonTextOff));

    for (juce::Button* button : std::initializer_list<juce::Button*> { &action, &colourful, &glyph })
        button->setLookAndFeel (nullptr);
}

TEST_F (LookAndFeelTest, ColourfulButtonsCopyTheirHueShades)
{
    ColorfulActionButton text ("FREE", "");
    text.setHue (3);
    for (auto id : { actionButtonFillOff, actionButtonFillOn, actionButtonFillThird, actionButtonOutlineOff, actionButtonOutlineOn })
        EXPECT_EQ (text.findColour (id).getARGB(), 0u) << std::hex << id;
    EXPECT_EQ (text.findColour (actionButtonTextOff).getARGB(), 0x57FFFF6Au);
    EXPECT_EQ (text.findColour (actionButtonTextOn).getARGB(), 0xFFF0F0F0u);

    ColourfulFontButton glyph ("X", getFontCorvanel);
    glyph.setHue (3);
    EXPECT_EQ (glyph.findColour (colourfulFontButtonBackgroundOff).getARGB(), 0u);
    EXPECT_EQ (glyph.findColour (colourfulFontButtonBackgroundOn).getARGB(), 0u);
    EXPECT_EQ (glyph.findColour (colourfulFontButtonGlyphOff).getARGB(), 0x57FFFF6Au);
    EXPECT_EQ (glyph.findColour (colourfulFontButtonGlyphOn).getARGB(), 0xFFF0F0F0u);   // table value, untouched

    // Both draw on the hue's darkest shade.
    text.setSize (40, 20);
    glyph.setSize (20, 20);
    EXPECT_EQ (pixel (render (text), 1, 1), 0xFF3D3D2Eu);
    EXPECT_EQ (pixel (render (glyph), 1, 1), 0xFF3D3D2Eu);
}

TEST_F (LookAndFeelTest, FontActionButtonTextIsFourteenPoints)
{
    FontActionButton button ("4");
    button.font = getFontCorvanel (20.0f);
    button.setSize (30, 30);
    render (button);
    EXPECT_NEAR (button.font.getHeightInPoints(), 14.0f, 0.01f);
    EXPECT_EQ (button.font.getTypefaceName(), "FontCorvanel");
}

TEST_F (LookAndFeelTest, TabButtonDrawing)
{
    CustomTabButton tab ("LFO 1");
    tab.setSize (50, 20);
    EXPECT_EQ (pixel (render (tab), 1, 1), 0xFF2B2B2Bu);
    tab.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (pixel (render (tab), 1, 1), 0xFF1E1E1Eu);

    // The section tab leaves its top four pixel rows unpainted in every state.
    CustomSectionTabButton section ("TRACK");
    section.setSize (60, 30);
    for (bool on : { false, true })
    {
        section.setToggleState (on, juce::dontSendNotification);
        const auto image = render (section);
        for (int y = 0; y < 4; ++y)
            EXPECT_EQ (pixel (image, 1, y), 0u) << y;
        EXPECT_EQ (pixel (image, 1, 4), on ? 0xFF1E1E1Eu : 0xFF2B2B2Bu);
    }

    // Nothing at all under another look and feel.
    juce::LookAndFeel_V4 other;
    tab.setLookAndFeel (&other);
    EXPECT_EQ (pixel (render (tab), 1, 1), 0u);
    tab.setLookAndFeel (nullptr);
}

//==============================================================================
struct FontSizeCase
{
    int width, height, margin, bottomInset, fixedSize;
    int expectedSize;
};

std::string caseName (const FontSizeCase& c)
{
    using uitest::testNamePart;
    return testNamePart (c.width) + "x" + testNamePart (c.height) + "_Margin" + testNamePart (c.margin) + "_Inset"
         + testNamePart (c.bottomInset) + "_Fixed" + testNamePart (c.fixedSize);
}
void PrintTo (const FontSizeCase& c, std::ostream* os) { *os << caseName (c); }

class FontButtonSizeTest : public LookAndFeelTest, public ::testing::WithParamInterface<FontSizeCase> {};

TEST_P (FontButtonSizeTest, AsksItsFontMakerForTheRightSize)
{
    const auto c = GetParam();
    std::vector<int> asked;
    FontButton button ("X", [&asked] (int size) {
        asked.push_back (size);
        return getFontCorvanel (static_cast<float> (size));
    });
    button.setSize (c.width, c.height);
    button.margin = c.margin;
    button.bottomInset = c.bottomInset;
    button.fixedFontSize = c.fixedSize;

    render (button);
    ASSERT_EQ (asked.size(), 1u);
    EXPECT_EQ (asked.front(), c.expectedSize);
}

INSTANTIATE_TEST_SUITE_P (Sizes, FontButtonSizeTest, ::testing::Values (
    FontSizeCase { 24, 24, 0, 0, -1, 24 },
    FontSizeCase { 50, 30, 0, 0, 20, 20 },
    FontSizeCase { 10, 10, 0, 0, 20, 20 },
    FontSizeCase { 30, 40, 2, 3, -1, 26 },
    FontSizeCase { 40, 30, 2, 3, 0, 23 },
    FontSizeCase { 4, 4, 3, 0, -1, 0 }),
    [] (const auto& info) { return caseName (info.param); });

TEST_F (LookAndFeelTest, FontButtonSetUpAndColours)
{
    FontButton button ("s", getFontCorvanel);
    EXPECT_EQ (button.getName(), "FontAwesome");
    EXPECT_EQ (button.getButtonText(), "s");
    EXPECT_EQ (button.getTooltip(), "s");
    EXPECT_TRUE (button.isOpaque());

    button.setSize (20, 20);
    button.setColour (fontButtonBackgroundOff, juce::Colour (0xFF102030));
    button.setColour (fontButtonBackgroundOn, juce::Colour (0xFF405060));
    EXPECT_EQ (pixel (render (button), 0, 0), 0xFF102030u);
    button.setToggleState (true, juce::dontSendNotification);
    EXPECT_EQ (pixel (render (button), 0, 0), 0xFF405060u);
}

//==============================================================================
struct SwitchCase
{
    int width, height;
    bool vertical, on;
    juce::Rectangle<int> track, lit;
};

std::string caseName (const SwitchCase& c)
{
    return uitest::testNamePart (c.width) + "x" + uitest::testNamePart (c.height) + (c.vertical ? "_Vertical" : "_Horizontal")
         + (c.on ? "_On" : "_Off");
}
void PrintTo (const SwitchCase& c, std::ostream* os) { *os << caseName (c); }

class OnOffGeometryTest : public LookAndFeelTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P (OnOffGeometryTest, TrackAndLitHalf)
{
    const auto c = GetParam();
    LabeledOnOffButton button ("Sync");
    button.vertical = c.vertical;
    button.setSize (c.width, c.height);
    button.setToggleState (c.on, juce::dontSendNotification);

    EXPECT_EQ (button.getTrackBounds(), c.track);
    EXPECT_EQ (button.getLitBounds(), c.lit);
}

INSTANTIATE_TEST_SUITE_P (Geometry, OnOffGeometryTest, ::testing::Values (
    SwitchCase { 100, 20, false, true, { 76, 5, 24, 9 }, { 88, 5, 12, 9 } },
    SwitchCase { 100, 20, false, false, { 76, 5, 24, 9 }, { 76, 5, 12, 9 } },
    SwitchCase { 20, 20, false, false, { -2, 5, 24, 9 }, { -2, 5, 12, 9 } },
    SwitchCase { 30, 60, true, true, { 10, 36, 9, 24 }, { 10, 36, 9, 12 } },
    SwitchCase { 30, 60, true, false, { 10, 36, 9, 24 }, { 10, 48, 9, 12 } },
    SwitchCase { 30, 20, true, false, { 10, -2, 9, 24 }, { 10, 10, 9, 12 } }),
    [] (const auto& info) { return caseName (info.param); });

TEST_F (LookAndFeelTest, OnOffSwitchColours)
{
    LabeledOnOffButton button ("Sync");
    button.setSize (100, 20);
    EXPECT_TRUE (button.getClickingTogglesState());
    EXPECT_EQ (button.findColour (onOffBackground).getARGB(), 0xFF1E1E1Eu);

    // Off: lit half at the left in the darkened light grey, over the grey track.
    auto image = render (button);
    EXPECT_EQ (pixel (image, 82, 9), 0xFFABABABu);
    EXPECT_EQ (pixel (image, 94, 9), 0xFF434343u);
    EXPECT_EQ (pixel (image, 70, 1), 0xFF1E1E1Eu);

    // On: lit half at the right in the hue's bright shade, the track in its dark shade.
    button.setHue (6);
    button.setToggleState (true, juce::dontSendNotification);
    image = render (button);
    EXPECT_EQ (pixel (image, 94, 9), 0xFF4DBDE8u);
    EXPECT_EQ (pixel (image, 82, 9), 0xFF375868u);

    // Disabled: track and lit half at half alpha (the lit half lies over the track).
    button.setEnabled (false);
    image = render (button);
    const auto halfTrack = blend (0xFF1E1E1E, juce::Colour (0xFF375868).withAlpha ((juce::uint8) 128));
    EXPECT_TRUE (nearColour (pixel (image, 82, 9), halfTrack));
    EXPECT_TRUE (nearColour (pixel (image, 94, 9), blend (halfTrack, juce::Colour (0xFF4DBDE8).withAlpha ((juce::uint8) 128))));
}

TEST_F (LookAndFeelTest, OnOffSwitchCaptionStaysFullyOpaqueWhenDisabled)
{
    LabeledOnOffButton button ("MMMMMMMM");
    button.setSize (140, 24);

    auto brightestCaptionPixel = [&button] {
        const auto image = render (button);
        int best = 0;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < 100; ++x)
                best = juce::jmax (best, static_cast<int> (image.getPixelAt (x, y).getRed()));
        return best;
    };

    const auto enabled = brightestCaptionPixel();
    button.setEnabled (false);
    EXPECT_GT (enabled, 0xC0);
    EXPECT_EQ (brightestCaptionPixel(), enabled);
}

TEST_F (LookAndFeelTest, OnOffSwitchIgnoresRightButton)
{
    LabeledOnOffButton button ("Sync");
    button.setBounds (0, 0, 100, 20);
    button.setVisible (true);
    int clicks = 0;
    button.onClick = [&clicks] { ++clicks; };

    button.mouseDown (uitest::mouseEvent (button, rightButton));
    EXPECT_FALSE (button.isDown());
    button.mouseUp (uitest::mouseEvent (button, rightButton));
    EXPECT_FALSE (button.getToggleState());
    EXPECT_EQ (clicks, 0);

    uitest::click (button, leftButton);
    EXPECT_TRUE (button.getToggleState());
    uitest::click (button, leftButton);
    EXPECT_FALSE (button.getToggleState());
    EXPECT_EQ (clicks, 2);
}
} // namespace

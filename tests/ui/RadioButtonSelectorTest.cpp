#include "ChangeCounter.h"
#include "UiTestSupport.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/RadioButtonSelector.h"

namespace
{
using uitest::ChangeCounter;
using uitest::LookAndFeelTest;
using namespace CorvanelColourIds;

const auto leftButton = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier);

std::vector<bool> toggles (const RadioButtonSelector& selector)
{
    std::vector<bool> states;
    for (auto* button : selector.buttons)
        states.push_back (button->getToggleState());
    return states;
}

struct LayoutCase
{
    int width;
    int placement;
    std::vector<int> buttonX;
    juce::Rectangle<int> caption;
};

std::string caseName (const LayoutCase& c)
{
    return "Width" + uitest::testNamePart (c.width) + "_Placement" + uitest::testNamePart (c.placement);
}
void PrintTo (const LayoutCase& c, std::ostream* os) { *os << caseName (c); }

class SelectorLayoutTest : public LookAndFeelTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P (SelectorLayoutTest, ButtonsRightAlignedCaptionLeft)
{
    const auto c = GetParam();
    RadioButtonSelector selector ("Mode");
    for (auto text : { "A", "B", "C" })
        selector.addTextButton (text);
    selector.captionPlacement = c.placement;
    selector.setBounds (0, 0, c.width, 30);

    for (size_t i = 0; i < c.buttonX.size(); ++i)
        EXPECT_EQ (selector.buttons[(int) i]->getBounds(), juce::Rectangle<int> (c.buttonX[i], 3, 32, 24)) << i;
    EXPECT_EQ (selector.caption.getBounds(), c.caption);
}

INSTANTIATE_TEST_SUITE_P (Widths, SelectorLayoutTest, ::testing::Values (
    LayoutCase { 100, 0, { 0, 34, 68 }, { 0, 0, 0, 30 } },
    LayoutCase { 80, 0, { -10, 14, 48 }, { 0, 0, 0, 30 } },
    LayoutCase { 150, 0, { 50, 84, 118 }, { 0, 0, 48, 30 } },
    LayoutCase { 150, 4, { 50, 84, 118 }, { 0, 0, 0, 0 } }),
    [] (const auto& info) { return caseName (info.param); });

TEST_F (LookAndFeelTest, SelectorChoiceButtonsSetUp)
{
    RadioButtonSelector selector ("Wave");
    EXPECT_EQ (selector.caption.getText(), "Wave");
    EXPECT_EQ (selector.caption.getJustificationType(), juce::Justification::centred);
    EXPECT_EQ (selector.caption.getParentComponent(), &selector);

    selector.addTextButton ("FREE");
    selector.addFontButton ("X", getFontCorvanel);
    ASSERT_EQ (selector.buttons.size(), 2);

    for (auto* button : selector.buttons)
    {
        EXPECT_EQ (button->getRadioGroupId(), 414141);
        EXPECT_TRUE (button->getClickingTogglesState());
        EXPECT_EQ (button->getComponentID(), "selectorbtn");
        EXPECT_TRUE (button->isVisible());
        EXPECT_EQ (button->getParentComponent(), &selector);
    }

    EXPECT_NE (dynamic_cast<ColorfulActionButton*> (selector.buttons[0]), nullptr);
    EXPECT_EQ (selector.buttons[0]->findColour (actionButtonOutlineOff).getARGB(), 0u);
    EXPECT_NE (dynamic_cast<ColourfulFontButton*> (selector.buttons[1]), nullptr);
}

TEST_F (LookAndFeelTest, SelectorClicksSelectAndSendChangeMessages)
{
    RadioButtonSelector selector ("");
    for (auto text : { "FREE", "TRIG", "HOLD" })
        selector.addTextButton (text);
    selector.setBounds (0, 0, 120, 24);
    ChangeCounter messages (selector);

    uitest::click (*selector.buttons[0], leftButton);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return messages.count == 1; }, std::chrono::seconds (10)));
    EXPECT_EQ (selector.selectedIndex, 0);
    EXPECT_EQ (toggles (selector), (std::vector<bool> { true, false, false }));

    // Switching: the framework first clicks the previous choice off, which
    // arrives as a click on it; then the new choice's click sets the selection.
    uitest::click (*selector.buttons[2], leftButton);
    EXPECT_EQ (selector.selectedIndex, 2);
    EXPECT_EQ (toggles (selector), (std::vector<bool> { false, false, true }));
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return messages.count == 3; }, std::chrono::seconds (10)));

    // The selected choice clicked again: another message, still selected.
    uitest::click (*selector.buttons[2], leftButton);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return messages.count == 4; }, std::chrono::seconds (10)));
    EXPECT_EQ (selector.selectedIndex, 2);
    EXPECT_EQ (toggles (selector), (std::vector<bool> { false, false, true }));

    // The right button never selects.
    uitest::click (*selector.buttons[1], juce::ModifierKeys (juce::ModifierKeys::rightButtonModifier));
    fhtest::pumpFor (std::chrono::milliseconds (50));
    EXPECT_EQ (messages.count, 4);
    EXPECT_EQ (selector.selectedIndex, 2);
}

TEST_F (LookAndFeelTest, SelectorIgnoresButtonsItDoesNotOwn)
{
    RadioButtonSelector selector ("");
    selector.addTextButton ("A");
    selector.selectedIndex = 0;
    ChangeCounter messages (selector);

    juce::TextButton stranger ("x");
    selector.buttonClicked (&stranger);
    selector.buttonClicked (nullptr);
    fhtest::pumpFor (std::chrono::milliseconds (50));
    EXPECT_EQ (messages.count, 0);
    EXPECT_EQ (selector.selectedIndex, 0);
}

TEST_F (LookAndFeelTest, SelectorHueColoursItsChoices)
{
    RadioButtonSelector selector ("");
    selector.addTextButton ("A");
    selector.addTextButton ("B");
    selector.addFontButton ("X", getFontCorvanel);
    selector.addFontButton ("y", getFontCorvanel);

    selector.setHue (3);
    EXPECT_EQ (selector.colour.getARGB(), 0xFFFFFF6Au);

    for (int i : { 0, 1 })
    {
        const auto* text = selector.buttons[i];
        EXPECT_EQ (text->findColour (actionButtonTextOn).getARGB(), 0xFFF0F0F0u);
        EXPECT_EQ (text->findColour (actionButtonTextOff).getARGB(), 0x57FFFF6Au);
        EXPECT_EQ (text->findColour (actionButtonFillOff).getARGB(), 0u);
        EXPECT_EQ (dynamic_cast<const HasHue*> (text)->hue, 3);
    }
    for (int i : { 2, 3 })
    {
        const auto* glyph = selector.buttons[i];
        EXPECT_EQ (glyph->findColour (colourfulFontButtonGlyphOn).getARGB(), 0xFFFFFF6Au);
        EXPECT_EQ (glyph->findColour (colourfulFontButtonGlyphOff).getARGB(), 0x57FFFF6Au);
        EXPECT_EQ (glyph->findColour (colourfulFontButtonBackgroundOff).getARGB(), 0u);
        EXPECT_EQ (glyph->findColour (colourfulFontButtonBackgroundOn).getARGB(), 0u);
    }

    // Selected glyph in the bright shade on the darkest fill.
    selector.buttons[2]->setSize (24, 24);
    selector.buttons[2]->setToggleState (true, juce::dontSendNotification);
    const auto image = uitest::render (*selector.buttons[2]);
    EXPECT_EQ (uitest::pixel (image, 0, 0), 0xFF3D3D2Eu);
}
} // namespace

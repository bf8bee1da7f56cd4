#include "ChangeCounter.h"
#include "UiTestSupport.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/StaticTabSet.h"

#include <cmath>

namespace
{
using uitest::ChangeCounter;
using uitest::LookAndFeelTest;

const auto leftButton = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier);

std::vector<bool> visiblePages (const Corvanel::StaticTabSet& set)
{
    std::vector<bool> visible;
    for (const auto& page : set.getPages())
        visible.push_back (page->isVisible());
    return visible;
}

class TabSetTest : public LookAndFeelTest
{
protected:
    TabSetTest()
    {
        set.setHeading ("LFO");
        for (auto name : { "LFO 1", "LFO 2", "LFO 3" })
            set.addTab (name, new corvanel::Panel());
        set.setBounds (0, 0, 300, 200);
    }

    Corvanel::StaticTabSet set;
};

TEST_F (TabSetTest, LayoutOfHeadingRowAndPages)
{
    EXPECT_EQ (set.getName(), "LFO");
    EXPECT_EQ (set.getHeading()->getText(), "LFO");
    EXPECT_EQ (set.getIndexOfChildComponent (set.getHeading()), 0);   // behind the tab row
    EXPECT_EQ (set.getButtons().getBounds(), juce::Rectangle<int> (0, 4, 300, 20));
    EXPECT_EQ (set.getHeading()->getBounds(), juce::Rectangle<int> (0, 0, 300, 24));

    for (const auto& page : set.getPages())
        EXPECT_EQ (page->getBounds(), juce::Rectangle<int> (0, 24, 300, 176));
    EXPECT_EQ (visiblePages (set), (std::vector<bool> { true, false, false }));

    for (auto* button : set.getButtons().buttons)
    {
        EXPECT_EQ (button->getRadioGroupId(), 1);
        EXPECT_EQ (button->getComponentID(), "tabbtn");
        EXPECT_TRUE (button->getClickingTogglesState());
        EXPECT_EQ (button->getConnectedEdgeFlags(), 15);
    }
}

TEST_F (TabSetTest, ClickingATabShowsItsPageAndSendsOneMessage)
{
    ChangeCounter messages (set);
    set.selectFirstTab();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return messages.count == 1; }, std::chrono::seconds (10)));
    EXPECT_TRUE (set.getButtons().buttons[0]->getToggleState());

    uitest::click (*set.getButtons().buttons[2], leftButton);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return messages.count == 2; }, std::chrono::seconds (10)));
    fhtest::pumpFor (std::chrono::milliseconds (100));
    EXPECT_EQ (messages.count, 2);
    EXPECT_EQ (set.currentIndex, 2);
    EXPECT_EQ (visiblePages (set), (std::vector<bool> { false, false, true }));
    EXPECT_TRUE (set.getButtons().buttons[2]->getToggleState());
    EXPECT_FALSE (set.getButtons().buttons[0]->getToggleState());

    // Clicking the shown tab again changes nothing and sends nothing.
    uitest::click (*set.getButtons().buttons[2], leftButton);
    fhtest::pumpFor (std::chrono::milliseconds (100));
    EXPECT_EQ (messages.count, 2);
    EXPECT_EQ (set.currentIndex, 2);
}

TEST_F (LookAndFeelTest, EmptyTabSetSelectsNothing)
{
    Corvanel::StaticTabSet set;
    ChangeCounter messages (set);
    set.setBounds (0, 0, 100, 50);
    set.selectFirstTab();
    fhtest::pumpFor (std::chrono::milliseconds (100));
    EXPECT_EQ (messages.count, 0);
}

TEST_F (LookAndFeelTest, TabRowPacksButtonsAgainstTheRightEdge)
{
    StaticPanelButtons row;
    const juce::StringArray texts { "Short", "Longer text", "The longest text of all" };
    for (const auto& text : texts)
        row.addButton (text);

    const auto font = CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f);
    std::vector<int> widths;
    for (const auto& text : texts)
        widths.push_back (static_cast<int> (std::ceil (font.getStringWidthFloat (text))) + 12);

    // Wide enough: each button its text width plus 12, the last one rightmost, 2 pixels in.
    row.setSize (400, 20);
    auto right = 398;
    for (int i = 2; i >= 0; --i)
    {
        EXPECT_EQ (row.buttons[i]->getBounds(), juce::Rectangle<int> (right - widths[(size_t) i], 0, widths[(size_t) i], 20)) << i;
        right -= widths[(size_t) i];
    }

    // Too narrow: the leftmost buttons shrink to what is left, down to nothing.
    const auto narrow = widths[2] + 12;
    row.setSize (narrow + 2, 20);
    EXPECT_EQ (row.buttons[2]->getBounds(), juce::Rectangle<int> (12, 0, widths[2], 20));
    EXPECT_EQ (row.buttons[1]->getBounds(), juce::Rectangle<int> (0, 0, 12, 20));
    EXPECT_EQ (row.buttons[0]->getBounds(), juce::Rectangle<int> (0, 0, 0, 20));
}

TEST_F (LookAndFeelTest, TabRowSendsOnlyWhenTheSelectionChanges)
{
    StaticPanelButtons row;
    row.addButton ("A");
    row.addButton ("B");
    row.setSize (100, 20);
    ChangeCounter messages (row);

    row.buttonClicked (row.buttons[0]);   // already selected
    juce::TextButton stranger;
    row.buttonClicked (&stranger);
    fhtest::pumpFor (std::chrono::milliseconds (50));
    EXPECT_EQ (messages.count, 0);

    row.buttonClicked (row.buttons[1]);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return messages.count == 1; }, std::chrono::seconds (10)));
    EXPECT_EQ (row.selectedIndex, 1);
}

TEST_F (TabSetTest, DrawsTheStaticPanelFrame)
{
    const auto image = uitest::render (set);
    EXPECT_EQ (uitest::pixel (image, 0, 100), 0xFF646464u);
}
} // namespace

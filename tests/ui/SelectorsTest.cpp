#include "ChangeCounter.h"
#include "KnobTestSupport.h"

#include "ui/widgets/SeparatedTabs.h"
#include "ui/widgets/selectors/Selectors.h"

namespace
{
using namespace uitest;
using uitest::ChangeCounter;

void deliver()
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
}

template <typename Buttons>
std::vector<bool> toggles (const Buttons& buttons)
{
    std::vector<bool> states;
    for (const auto& b : buttons)
        states.push_back (b->getToggleState());
    return states;
}

class SelectorTest : public LookAndFeelTest
{
};

TEST_F (SelectorTest, FilterTypeSelection)
{
    corvanel::SelectFilterType selector ({ 0, 4, 8 });
    ChangeCounter counter (selector);
    selector.setBounds (0, 0, 90, 30);
    ASSERT_EQ (selector.buttons.size(), 3u);
    EXPECT_EQ (selector.buttons[0]->getButtonText(), "k");
    EXPECT_EQ (selector.buttons[1]->getButtonText(), "i");
    EXPECT_EQ (selector.buttons[2]->getButtonText(), "l");
    EXPECT_EQ (selector.buttons[0]->getBounds(), juce::Rectangle<int> (0, 0, 30, 20));
    EXPECT_EQ (selector.buttons[2]->getBounds(), juce::Rectangle<int> (60, 0, 30, 20));
    EXPECT_EQ (selector.getSelectedType(), 0);
    EXPECT_EQ (toggles (selector.buttons), (std::vector<bool> { false, false, false }));

    selector.setSelectedType (4, false);
    deliver();
    EXPECT_EQ (counter.count, 0);
    EXPECT_EQ (toggles (selector.buttons), (std::vector<bool> { false, true, false }));

    click (*selector.buttons[2], leftMouse);
    selector.buttons[2]->triggerClick();
    deliver();
    EXPECT_EQ (selector.getSelectedType(), 8);
    EXPECT_GE (counter.count, 1);
    EXPECT_EQ (toggles (selector.buttons), (std::vector<bool> { false, false, true }));

    // Clicking the selected one keeps it on and reports again.
    const int before = counter.count;
    selector.buttons[2]->triggerClick();
    deliver();
    EXPECT_EQ (counter.count, before + 1);
    EXPECT_TRUE (selector.buttons[2]->getToggleState());

    selector.setSelectedType (3, false);
    EXPECT_EQ (selector.getSelectedType(), 3);
    EXPECT_EQ (toggles (selector.buttons), (std::vector<bool> { false, false, false }));
}

TEST_F (SelectorTest, FilterTypeGlyphsAndUnknownIds)
{
    corvanel::SelectFilterType selector ({ 16, 13, 15, 14, 11, 12, 17, 7, 42 });
    const char* glyphs[] = { "j", "j", "f", "i", "e", "=", ">", "OFF", "" };
    for (size_t i = 0; i < selector.buttons.size(); ++i)
    {
        EXPECT_EQ (selector.buttons[i]->getButtonText(), glyphs[i]) << i;
        EXPECT_EQ (selector.buttons[i]->fixedFontSize, 20);
    }
    EXPECT_EQ (selector.buttons[7]->getTooltip(), "Click to disable the filter.");
    EXPECT_EQ (selector.buttons[8]->getTooltip(), "");
    EXPECT_EQ (corvanel::SelectFilterType::glyphFor (9), "@");
    EXPECT_EQ (corvanel::SelectFilterType::tooltipFor (0), "Click to select the 2-Pole Low Pass filter with 12db/oct.");
    selector.buttons[8]->triggerClick();
    deliver();
    EXPECT_EQ (selector.getSelectedType(), 42);
}

TEST_F (SelectorTest, LfoWaveformSelection)
{
    SelectLFOWaveform selector;
    ChangeCounter counter (selector);
    ASSERT_EQ (selector.buttons.size(), 7u);
    EXPECT_EQ (toggles (selector.buttons), std::vector<bool> (7, false));

    selector.setSelectedWaveform (3, false);
    deliver();
    EXPECT_EQ (counter.count, 0);
    EXPECT_EQ (selector.getSelectedWaveform(), 3);
    EXPECT_TRUE (selector.buttons[3]->getToggleState());

    selector.buttons[5]->triggerClick();
    deliver();
    EXPECT_EQ (selector.getSelectedWaveform(), 5);
    EXPECT_GE (counter.count, 1);
    std::vector<bool> expected (7, false);
    expected[5] = true;
    EXPECT_EQ (toggles (selector.buttons), expected);

    selector.setSelectedWaveform (9, false); // out of range: nothing on, no crash
    EXPECT_EQ (toggles (selector.buttons), std::vector<bool> (7, false));

    selector.setBounds (0, 0, 144, 30);
    EXPECT_EQ (selector.buttons[6]->getBounds(), juce::Rectangle<int> (120, 0, 20, 20));
    EXPECT_EQ (selector.buttons[6]->getTooltip(), "Click to select the Random waveform for the LFO. (Start phase has no effect)");
}

TEST_F (SelectorTest, TriggerModeSelector)
{
    TriggerModeSelector selector;
    ChangeCounter counter (selector);
    ASSERT_EQ (selector.buttons.size(), 5);
    EXPECT_EQ (selector.buttons[3]->getButtonText(), "ONE");
    EXPECT_EQ (selector.gap, 0);
    EXPECT_EQ (selector.getButtonArea(), juce::Rectangle<int> (0, 0, 34, 24));

    selector.setSelectedIndex (2);
    deliver();
    EXPECT_EQ (counter.count, 0);
    EXPECT_EQ (selector.selectedIndex, 2);
    EXPECT_EQ (toggles (selector.buttons), (std::vector<bool> { false, false, true, false, false }));

    selector.buttons[4]->triggerClick();
    deliver();
    EXPECT_EQ (selector.selectedIndex, 4);
    EXPECT_GE (counter.count, 1);
}

TEST_F (SelectorTest, BankButtons)
{
    BankButtons banks;
    ChangeCounter counter (banks);
    EXPECT_EQ (banks.getSelectedBank(), 0);
    EXPECT_EQ (banks.buttons[7]->getButtonText(), "H");
    EXPECT_EQ (banks.buttons[8], nullptr);

    banks.buttons[3]->triggerClick();
    deliver();
    EXPECT_EQ (banks.getSelectedBank(), 3);
    EXPECT_GE (counter.count, 1);

    // A notifying button that is off clears the selection.
    const int before = counter.count;
    banks.buttons[3]->setToggleState (false, juce::dontSendNotification);
    banks.buttonClicked (banks.buttons[3].get());
    deliver();
    EXPECT_EQ (banks.getSelectedBank(), -1);
    EXPECT_EQ (counter.count, before + 1);

    banks.setSelectedBank (6);
    deliver();
    EXPECT_EQ (counter.count, before + 1);
    EXPECT_TRUE (banks.buttons[6]->getToggleState());

    banks.setBounds (0, 0, 160, 20);
    EXPECT_EQ (banks.buttons[1]->getBounds(), juce::Rectangle<int> (20, 0, 18, 20));
}

TEST_F (SelectorTest, BassDrumSelectors)
{
    BassDrumSharpWaveformSelector sharp;
    BassDrumWaveformSelector plain;
    ChangeCounter sharpCounter (sharp);
    EXPECT_EQ (sharp.getSelectedIndex(), -1);
    EXPECT_EQ (plain.getSelectedIndex(), -1);
    EXPECT_EQ (plain.caption.getText(), "Waveform");

    sharp.setSelectedIndex (3);
    deliver();
    EXPECT_EQ (sharp.getSelectedIndex(), 3);
    EXPECT_EQ (sharpCounter.count, 0);

    sharp.buttons[1]->triggerClick();
    deliver();
    EXPECT_EQ (sharp.getSelectedIndex(), 1);
    EXPECT_GE (sharpCounter.count, 1);

    plain.setTooltip ("Waveform of the oscillator.");
    EXPECT_EQ (plain.buttons[2]->getTooltip(), "Waveform of the oscillator.");

    plain.setBounds (0, 0, 100, 60);
    EXPECT_EQ (plain.caption.getBounds(), juce::Rectangle<int> (0, 2, 100, 20));
    EXPECT_EQ (plain.buttons[0]->getBounds(), juce::Rectangle<int> (0, 28, 31, 24));
    EXPECT_EQ (plain.buttons[1]->getBounds(), juce::Rectangle<int> (33, 28, 31, 24));

    sharp.setBounds (0, 0, 90, 40);
    EXPECT_EQ (sharp.buttons[0]->getBounds(), juce::Rectangle<int> (0, 0, 26, 20));
    EXPECT_EQ (sharp.buttons[3]->getBounds(), juce::Rectangle<int> (0, 22, 26, 20));
}

TEST_F (SelectorTest, SeparatedTabBar)
{
    SeparatedTabButtonBar bar;
    ChangeCounter counter (bar);
    for (auto name : { "Kit Editor", "Sound Browser" })
    {
        auto* button = new juce::TextButton (name);
        button->setRadioGroupId (3);
        button->setClickingTogglesState (true);
        bar.addButton (button);
    }
    EXPECT_EQ (bar.getSelectedIndex(), -1);

    bar.setSelectedIndex (5);
    EXPECT_EQ (bar.getSelectedIndex(), 1);
    EXPECT_TRUE (bar.buttons[1]->getToggleState());
    bar.setSelectedIndex (-7);
    EXPECT_EQ (bar.getSelectedIndex(), -1);
    EXPECT_FALSE (bar.buttons[1]->getToggleState());
    deliver();
    EXPECT_EQ (counter.count, 0);

    bar.setSelectedIndex (0);
    bar.buttons[1]->triggerClick();
    deliver();
    EXPECT_EQ (bar.getSelectedIndex(), 1);
    EXPECT_EQ (counter.count, 2); // the other tab switched off, then the clicked one

    bar.buttons[1]->triggerClick(); // the selected tab again: deselects
    deliver();
    EXPECT_EQ (bar.getSelectedIndex(), -1);
    EXPECT_FALSE (bar.buttons[1]->getToggleState());

    bar.setBounds (0, 0, 40, 24);
    EXPECT_EQ (bar.buttons[0]->getX(), 0);
    EXPECT_EQ (bar.buttons[0]->getWidth(), 40);
    EXPECT_EQ (bar.buttons[1]->getWidth(), 0);
}

TEST_F (SelectorTest, SeparatedTabbedComponent)
{
    SeparatedTabbedComponent tabs;
    tabs.setCurrentTab (0); // no contents: nothing happens
    for (int i = 0; i < 3; ++i)
    {
        auto* content = new juce::Component();
        tabs.contents.add (content);
        tabs.addChildComponent (content);
    }
    tabs.setBounds (0, 0, 100, 50);
    EXPECT_EQ (tabs.contents[0]->getBounds(), juce::Rectangle<int> (1, 0, 99, 50));

    const std::pair<int, int> cases[] = { { 1, 1 }, { 9, 2 }, { -3, 0 } };
    for (const auto& [asked, shown] : cases)
    {
        tabs.setCurrentTab (asked);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ (tabs.contents[i]->isVisible(), i == shown) << asked;
    }
    tabs.setBounds (0, 0, 1, 50);
    EXPECT_EQ (tabs.contents[0]->getWidth(), 0);
}
} // namespace

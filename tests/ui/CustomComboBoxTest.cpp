#include "UiTestSupport.h"

#include "support/TestEnvironment.h"
#include "ui/widgets/combobox/CustomComboBox.h"

#include <vector>

namespace
{
using namespace std::chrono_literals;
using uitest::LookAndFeelTest;

struct RecordingListener : juce::CustomComboBox::Listener
{
    RecordingListener (std::vector<int>& log, int tag) : calls (log), id (tag) {}
    void comboBoxChanged (juce::CustomComboBox*) override { calls.push_back (id); }
    std::vector<int>& calls;
    int id;
};

// A box with items 1 "One", 2 "Two" (disabled), 3 "Three", 4 "Four" in a sub-menu.
struct ComboFixture
{
    ComboFixture()
    {
        box.setBounds (0, 0, 120, 24);
        auto* menu = box.getRootMenu();
        menu->addItem (1, "One");
        menu->addItem (2, "Two", false);
        menu->addSeparator();
        menu->addItem (3, "Three");
        juce::PopupMenu sub;
        sub.addItem (4, "Four");
        menu->addSubMenu ("More", sub);
    }

    bool key (int code) { return box.keyPressed (juce::KeyPress (code)); }

    juce::CustomComboBox box { "combo" };
};

TEST_F (LookAndFeelTest, ComboBoxCountsItemsThroughSubMenusAndSkipsDisabledOnKeys)
{
    ComboFixture f;
    EXPECT_EQ (f.box.getNumItems(), 4);
    EXPECT_EQ (f.box.getSelectedId(), 0);
    EXPECT_EQ (f.box.getSelectedItemIndex(), -1);

    f.box.setSelectedId (1, juce::dontSendNotification);
    EXPECT_EQ (f.box.getText(), "One");

    EXPECT_TRUE (f.key (juce::KeyPress::downKey));   // skips the disabled "Two"
    EXPECT_EQ (f.box.getSelectedId(), 3);
    EXPECT_TRUE (f.key (juce::KeyPress::rightKey));  // into the sub-menu
    EXPECT_EQ (f.box.getSelectedId(), 4);
    EXPECT_TRUE (f.key (juce::KeyPress::downKey));   // past the end: nothing
    EXPECT_EQ (f.box.getSelectedId(), 4);
    EXPECT_EQ (f.box.getSelectedItemIndex(), 3);
    EXPECT_TRUE (f.key (juce::KeyPress::leftKey));
    EXPECT_TRUE (f.key (juce::KeyPress::upKey));     // skips "Two" again
    EXPECT_EQ (f.box.getSelectedId(), 1);
    EXPECT_TRUE (f.key (juce::KeyPress::upKey));     // before the start: nothing
    EXPECT_EQ (f.box.getSelectedId(), 1);

    // With a modifier or another key the box does not take the key.
    EXPECT_FALSE (f.box.keyPressed (juce::KeyPress (juce::KeyPress::downKey, juce::ModifierKeys::shiftModifier, 0)));
    EXPECT_FALSE (f.key ('a'));
    EXPECT_EQ (f.box.getSelectedId(), 1);

    // An id without an item selects nothing and shows no text.
    f.box.setSelectedId (0, juce::dontSendNotification);
    EXPECT_EQ (f.box.getText(), "");
    EXPECT_EQ (f.box.getSelectedId(), 0);
}

TEST_F (LookAndFeelTest, ComboBoxMenuTicksTheSelectedItem)
{
    ComboFixture f;
    f.box.setSelectedId (3, juce::dontSendNotification);
    auto menu = f.box.createMenuToShow();
    std::vector<int> ticked;
    for (juce::PopupMenu::MenuItemIterator it (menu, true); it.next();)
        if (it.getItem().isTicked)
            ticked.push_back (it.getItem().itemID);
    EXPECT_EQ (ticked, (std::vector<int> { 3 }));
}

TEST_F (LookAndFeelTest, ComboBoxNotifiesAsynchronouslyLastListenerFirst)
{
    ComboFixture f;
    std::vector<int> calls;
    RecordingListener first (calls, 1), second (calls, 2);
    f.box.addListener (&first);
    f.box.addListener (&second);
    f.box.addListener (&first);   // already present: not added twice

    f.box.setSelectedId (3);
    EXPECT_TRUE (calls.empty());   // delivered from the message loop, not from inside the call
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return calls.size() >= 2; }, 5s));
    EXPECT_EQ (calls, (std::vector<int> { 2, 1 }));

    // The same id again sends nothing.
    calls.clear();
    f.box.setSelectedId (3);
    fhtest::pumpFor (50ms);
    EXPECT_TRUE (calls.empty());

    // A synchronous notification arrives at once, and only once.
    f.box.setSelectedId (1, juce::sendNotificationSync);
    EXPECT_EQ (calls, (std::vector<int> { 2, 1 }));
    fhtest::pumpFor (50ms);
    EXPECT_EQ (calls.size(), 2u);

    // A change of the value from outside selects that id.
    calls.clear();
    f.box.getSelectedIdAsValue() = 4;
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return calls.size() >= 2; }, 5s));
    EXPECT_EQ (f.box.getText(), "Four");

    f.box.removeListener (&first);
    f.box.removeListener (&second);
}

TEST_F (LookAndFeelTest, ComboBoxListenerThatDeletesTheBoxStopsTheDelivery)
{
    auto owner = std::make_unique<ComboFixture>();
    std::vector<int> calls;
    RecordingListener untouched (calls, 1);
    struct Deleter : juce::CustomComboBox::Listener
    {
        void comboBoxChanged (juce::CustomComboBox*) override { ++count; fixture.reset(); }
        std::unique_ptr<ComboFixture>& fixture;
        int count = 0;
        explicit Deleter (std::unique_ptr<ComboFixture>& f) : fixture (f) {}
    } deleter (owner);

    owner->box.addListener (&untouched);
    owner->box.addListener (&deleter);   // called first
    owner->box.setSelectedId (1);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return owner == nullptr; }, 5s));
    fhtest::pumpFor (50ms);
    EXPECT_EQ (deleter.count, 1);
    EXPECT_TRUE (calls.empty());
}

TEST_F (LookAndFeelTest, ComboBoxWithoutItemsOffersOneDisabledNoChoicesLine)
{
    juce::CustomComboBox box ("empty");
    box.setBounds (0, 0, 120, 24);
    box.setTextWhenNothingSelected ("Choose");
    EXPECT_EQ (box.getNumItems(), 0);
    EXPECT_EQ (box.getTextWhenNoChoicesAvailable(), "(no choices)");

    auto menu = box.createMenuToShow();
    juce::PopupMenu::MenuItemIterator items (menu);
    ASSERT_TRUE (items.next());
    EXPECT_EQ (items.getItem().text, "(no choices)");
    EXPECT_EQ (items.getItem().itemID, 1);
    EXPECT_FALSE (items.getItem().isEnabled);
    EXPECT_FALSE (items.next());

    // Opened on the desktop, the menu is a modal window until it is hidden.
    juce::Component window;
    window.setBounds (0, 0, 200, 100);
    window.addAndMakeVisible (box);
    window.addToDesktop (0);
    window.setVisible (true);
    auto* modal = juce::ModalComponentManager::getInstance();
    box.showPopup();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return modal->getNumModalComponents() > 0; }, 5s));
    EXPECT_TRUE (box.isPopupActive());
    box.hidePopup();
    EXPECT_FALSE (box.isPopupActive());
    fhtest::pumpUntil ([&] { return modal->getNumModalComponents() == 0; }, 5s);
    window.removeFromDesktop();
}

TEST_F (LookAndFeelTest, ComboBoxLabelTakesTheHueAndTheLayout)
{
    ComboFixture f;
    f.box.setHue (6);
    auto image = uitest::render (f.box);
    EXPECT_EQ (f.box.findColour (juce::ComboBox::textColourId), lookAndFeel.getHueColours (6).bright);
    EXPECT_EQ (f.box.getLabel()->getBounds(), juce::Rectangle<int> (0, 0, 98, 24));
    EXPECT_EQ (f.box.getLabel()->getBorderSize(), juce::BorderSize<int> (0, 8, 0, 1));

    f.box.setHue (17);   // outside the palette: the transparent entry
    image = uitest::render (f.box);
    EXPECT_EQ (f.box.findColour (juce::ComboBox::textColourId).getAlpha(), 0);

    f.box.setSize (120, 16);
    EXPECT_EQ (f.box.getLabel()->getBorderSize(), juce::BorderSize<int> (4));
}

TEST_F (LookAndFeelTest, ComboBoxMouseOnAnEditableLabelDoesNotOpenThePopup)
{
    ComboFixture f;
    f.box.getLabel()->setEditable (true);
    auto onLabel = uitest::mouseEvent (*f.box.getLabel(), juce::ModifierKeys::leftButtonModifier);
    f.box.mouseDown (onLabel);
    EXPECT_FALSE (f.box.isPopupActive());
    f.box.mouseUp (onLabel);
    EXPECT_FALSE (f.box.isPopupActive());

    f.box.mouseDown (uitest::mouseEvent (f.box, juce::ModifierKeys::leftButtonModifier, { 110.0f, 5.0f }));
    EXPECT_TRUE (f.box.isPopupActive());
    f.box.hidePopup();

    // A right click never opens it.
    f.box.mouseDown (uitest::mouseEvent (f.box, juce::ModifierKeys::rightButtonModifier, { 110.0f, 5.0f }));
    EXPECT_FALSE (f.box.isPopupActive());
}

TEST_F (LookAndFeelTest, ComboBoxIsReadAsAComboBoxShowingItsText)
{
    ComboFixture f;
    juce::Component window;
    window.setBounds (0, 0, 200, 100);
    window.addAndMakeVisible (f.box);
    window.addToDesktop (0);
    window.setVisible (true);

    auto* handler = f.box.getAccessibilityHandler();
    ASSERT_NE (handler, nullptr);
    EXPECT_EQ (handler->getRole(), juce::AccessibilityRole::comboBox);
    auto* value = handler->getValueInterface();
    ASSERT_NE (value, nullptr);
    EXPECT_TRUE (value->isReadOnly());
    EXPECT_EQ (value->getCurrentValueAsString(), "");

    f.box.setSelectedId (3, juce::dontSendNotification);
    EXPECT_EQ (value->getCurrentValueAsString(), "Three");
    value->setValueAsString ("One");   // read only: the choice stays
    EXPECT_EQ (f.box.getSelectedId(), 3);

    // Announced by its title when it has one, else by what it shows; its tooltip is the help.
    EXPECT_EQ (handler->getTitle(), "Three");
    f.box.setTitle ("Bus group");
    EXPECT_EQ (handler->getTitle(), "Bus group");
    f.box.setTooltip ("Which buses to capture");
    EXPECT_EQ (handler->getHelp(), "Which buses to capture");

    // The label that only shows the choice is not a separate element; an editable one is.
    EXPECT_FALSE (f.box.getLabel()->isAccessible());
    f.box.getLabel()->setEditable (true);
    f.box.sendLookAndFeelChange();
    EXPECT_TRUE (f.box.getLabel()->isAccessible());
    f.box.getLabel()->setEditable (false);
    f.box.sendLookAndFeelChange();
    EXPECT_FALSE (f.box.getLabel()->isAccessible());

    // Asking for its menu opens the pop-up once, however often it is asked.
    auto* modal = juce::ModalComponentManager::getInstance();
    EXPECT_TRUE (handler->getCurrentState().isExpandable());
    EXPECT_TRUE (handler->getCurrentState().isCollapsed());
    ASSERT_TRUE (handler->getActions().invoke (juce::AccessibilityActionType::showMenu));
    EXPECT_TRUE (handler->getActions().invoke (juce::AccessibilityActionType::press));
    EXPECT_TRUE (handler->getCurrentState().isExpanded());
    int mostOpen = 0;
    fhtest::pumpUntil ([&] {
        mostOpen = std::max (mostOpen, modal->getNumModalComponents());
        return false;
    }, 300ms);
    EXPECT_EQ (mostOpen, 1);

    f.box.hidePopup();
    EXPECT_TRUE (handler->getCurrentState().isCollapsed());
    fhtest::pumpUntil ([&] { return modal->getNumModalComponents() == 0; }, 5s);
    window.removeFromDesktop();
}
} // namespace

#include "UiTestSupport.h"

#include "support/TestEnvironment.h"
#include "ui/widgets/tabs/MyTabbedComponent.h"

namespace
{
using namespace std::chrono_literals;
using uitest::LookAndFeelTest;

// A tab whose best length is given by the test.
struct FixedTab : MyTabBarButton
{
    FixedTab (const juce::String& name, MyTabbedButtonBar& bar, int best) : MyTabBarButton (name, bar), bestLength (best) {}
    int getBestTabLength (int) override { return bestLength; }
    int bestLength;
};

struct FixedTabsComponent : MyTabbedComponent
{
    std::vector<int> lengths;
    MyTabBarButton* createTabButton (const juce::String& name, int index) override
    {
        return new FixedTab (name, getTabbedButtonBar(), lengths.at (static_cast<size_t> (index)));
    }
    void currentTabChanged (int index, const juce::String&) override { changes.push_back (index); }
    std::vector<int> changes;
};

struct ChangeCount : juce::ChangeListener
{
    void changeListenerCallback (juce::ChangeBroadcaster*) override { ++count; }
    int count = 0;
};

TEST_F (LookAndFeelTest, TabsArePackedAgainstTheRightEdge)
{
    FixedTabsComponent tabs;
    tabs.lengths = { 60, 70, 80 };
    tabs.setBounds (0, 0, 400, 200);
    for (auto name : { "A", "B", "C" })
        tabs.addTab (name, juce::Colours::red, new juce::Component());

    auto& bar = tabs.getTabbedButtonBar();
    EXPECT_EQ (bar.getBounds(), juce::Rectangle<int> (0, 0, 400, 30));
    EXPECT_EQ (bar.getTabButton (0)->getBounds(), juce::Rectangle<int> (166, 0, 60, 30));
    EXPECT_EQ (bar.getTabButton (1)->getBounds(), juce::Rectangle<int> (230, 0, 70, 30));
    EXPECT_EQ (bar.getTabButton (2)->getBounds(), juce::Rectangle<int> (304, 0, 80, 30));
    EXPECT_EQ (bar.getExtrasButton(), nullptr);

    // Content area: below the bar, less the 1-pixel outline on the other three sides.
    EXPECT_EQ (tabs.getTabContentComponent (1)->getBounds(), juce::Rectangle<int> (1, 30, 398, 169));
    tabs.setTabBarDepth (22);
    EXPECT_EQ (tabs.getTabContentComponent (0)->getBounds(), juce::Rectangle<int> (1, 22, 398, 177));

    // The content area shows the current tab's colour inside the outline.
    tabs.setTabBackgroundColour (0, juce::Colour (0xff203040));
    tabs.setColour (juce::TabbedComponent::outlineColourId, juce::Colour (0xff808080));
    tabs.getTabContentComponent (0)->setVisible (false);
    auto image = uitest::render (tabs);
    EXPECT_EQ (uitest::pixel (image, 200, 100), 0xff203040u);
    EXPECT_EQ (uitest::pixel (image, 0, 100), 0xff808080u);
    EXPECT_EQ (uitest::pixel (image, 200, 199), 0xff808080u);
}

TEST_F (LookAndFeelTest, TabsThatDoNotFitAreHiddenBehindTheExtrasButton)
{
    FixedTabsComponent tabs;
    tabs.lengths = std::vector<int> (6, 100);
    tabs.setBounds (0, 0, 300, 100);
    for (auto name : { "1", "2", "3", "4", "5", "6" })
        tabs.addTab (name, juce::Colours::red, nullptr);

    auto& bar = tabs.getTabbedButtonBar();
    auto* extras = bar.getExtrasButton();
    ASSERT_NE (extras, nullptr);
    EXPECT_EQ (extras->getName(), "tabs");
    EXPECT_EQ (extras->getWidth(), 21);
    EXPECT_NEAR (extras->getBounds().getCentreX(), 300 - 10 - 1, 1);

    int visible = 0;
    for (int i = 0; i < bar.getNumTabs(); ++i)
        if (bar.getTabButton (i)->isVisible())
        {
            ++visible;
            EXPECT_LE (bar.getTabButton (i)->getX(), extras->getBounds().getCentreX());
        }
    EXPECT_GT (visible, 0);
    EXPECT_LT (visible, 6);
    EXPECT_FALSE (bar.getTabButton (5)->isVisible());
}

// The items of a menu, each with its ticked flag.
std::vector<std::pair<juce::String, bool>> menuItems (const juce::PopupMenu& menu)
{
    std::vector<std::pair<juce::String, bool>> items;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        items.emplace_back (it.getItem().text, it.getItem().isTicked);
    return items;
}

TEST_F (LookAndFeelTest, ExtrasButtonOffersTheHiddenTabsAndChoosesOne)
{
    FixedTabsComponent tabs;
    tabs.lengths = std::vector<int> (6, 100);
    tabs.setBounds (0, 0, 300, 100);
    std::vector<juce::Component*> contents;
    for (auto name : { "1", "2", "3", "4", "5", "6" })
    {
        contents.push_back (new juce::Component());
        tabs.addTab (name, juce::Colours::red, contents.back());
    }
    auto& bar = tabs.getTabbedButtonBar();
    ChangeCount changes;
    bar.addChangeListener (&changes);
    ASSERT_NE (bar.getExtrasButton(), nullptr);

    // Only the hidden tabs are offered, in tab order; none is current yet.
    std::vector<std::pair<juce::String, bool>> expected;
    for (int i = 0; i < bar.getNumTabs(); ++i)
        if (! bar.getTabButton (i)->isVisible())
            expected.emplace_back (bar.getTabNames()[i], false);
    ASSERT_FALSE (expected.empty());
    EXPECT_EQ (expected.back().first, "6");
    EXPECT_EQ (menuItems (bar.createExtraItemsMenu()), expected);

    // Choosing the last one makes it current: its content shows and the bar announces it.
    auto menu = bar.createExtraItemsMenu();
    juce::PopupMenu::MenuItemIterator it (menu);
    while (it.next() && it.getItem().text != "6") {}
    ASSERT_EQ (it.getItem().text, "6");
    ASSERT_TRUE (it.getItem().action != nullptr);
    it.getItem().action();
    EXPECT_EQ (bar.getCurrentTabIndex(), 5);
    EXPECT_EQ (tabs.changes.back(), 5);
    EXPECT_TRUE (contents[5]->isVisible());
    EXPECT_EQ (contents[5]->getParentComponent(), &tabs);
    EXPECT_EQ (contents[0]->getParentComponent(), nullptr);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return changes.count > 0; }, 5s));

    // The chosen tab is ticked the next time the menu opens.
    expected.back().second = true;
    EXPECT_EQ (menuItems (bar.createExtraItemsMenu()), expected);

    // A click on the extras button opens the menu.
    EXPECT_EQ (juce::Component::getNumCurrentlyModalComponents(), 0);
    bar.getExtrasButton()->triggerClick();
    EXPECT_TRUE (fhtest::pumpUntil ([] { return juce::Component::getNumCurrentlyModalComponents() > 0; }, 5s));
    EXPECT_TRUE (juce::PopupMenu::dismissAllActiveMenus());
    fhtest::pumpFor (50ms);
    bar.removeChangeListener (&changes);
}

TEST_F (LookAndFeelTest, ExtrasMenuIsEmptyWhenEveryTabFits)
{
    FixedTabsComponent tabs;
    tabs.lengths = { 60, 70, 80 };
    tabs.setBounds (0, 0, 400, 200);
    for (auto name : { "A", "B", "C" })
        tabs.addTab (name, juce::Colours::red, nullptr);
    EXPECT_EQ (tabs.getTabbedButtonBar().createExtraItemsMenu().getNumItems(), 0);
}

TEST_F (LookAndFeelTest, TabSelectionTogglesButtonsSwapsContentAndNotifies)
{
    FixedTabsComponent tabs;
    tabs.lengths = { 60, 70, 80 };
    tabs.setBounds (0, 0, 400, 200);
    ChangeCount changes;
    tabs.getTabbedButtonBar().addChangeListener (&changes);

    auto* first = new juce::Component();
    tabs.addTab ("A", juce::Colours::red, first);
    auto& bar = tabs.getTabbedButtonBar();
    EXPECT_EQ (bar.getCurrentTabIndex(), 0);
    EXPECT_TRUE (bar.getTabButton (0)->getToggleState());
    EXPECT_EQ (tabs.getCurrentContentComponent(), first);
    EXPECT_TRUE (first->isVisible());

    tabs.addTab ("B", juce::Colours::green, new juce::Component());
    tabs.addTab ("", juce::Colours::green, nullptr);   // an empty name adds no tab
    tabs.addTab ("C", juce::Colours::blue, new juce::Component());
    EXPECT_EQ (bar.getNumTabs(), 3);
    EXPECT_EQ (bar.getCurrentTabIndex(), 0);   // a second tab keeps the first current

    // A click on the third tab.
    bar.getTabButton (2)->triggerClick();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return bar.getCurrentTabIndex() == 2; }, 5s));
    EXPECT_FALSE (bar.getTabButton (0)->getToggleState());
    EXPECT_TRUE (bar.getTabButton (2)->getToggleState());
    EXPECT_FALSE (first->isVisible());
    EXPECT_EQ (first->getParentComponent(), nullptr);
    EXPECT_EQ (bar.getCurrentTabName(), "C");

    // Out of range: none selected, every button off, and a repeat runs again.
    bar.setCurrentTabIndex (5);
    EXPECT_EQ (bar.getCurrentTabIndex(), -1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE (bar.getTabButton (i)->getToggleState());
    EXPECT_EQ (tabs.getCurrentContentComponent(), nullptr);
    bar.setCurrentTabIndex (5);
    EXPECT_EQ (tabs.changes, (std::vector<int> { 0, 2, -1, -1 }));

    // A right click changes nothing.
    auto* second = bar.getTabButton (1);
    second->clicked (juce::ModifierKeys::rightButtonModifier);
    EXPECT_EQ (bar.getCurrentTabIndex(), -1);

    fhtest::pumpFor (50ms);
    EXPECT_GE (changes.count, 1);
    bar.removeChangeListener (&changes);
}

TEST_F (LookAndFeelTest, ClearingTabsDeletesOwnedContentsOnly)
{
    FixedTabsComponent tabs;
    tabs.lengths = { 60, 70, 80 };
    tabs.setBounds (0, 0, 400, 200);

    struct Counted : juce::Component
    {
        explicit Counted (int& c) : counter (c) {}
        ~Counted() override { ++counter; }
        int& counter;
    };
    int deleted = 0;
    auto* gone = new Counted (deleted);
    tabs.addTab ("A", juce::Colours::red, new Counted (deleted));
    tabs.addTab ("B", juce::Colours::red, gone);
    delete gone;   // deleted from outside: the weak reference reads null
    EXPECT_EQ (deleted, 1);
    tabs.addTab ("C", juce::Colours::red, new Counted (deleted));

    tabs.clearTabs();
    EXPECT_EQ (deleted, 3);
    EXPECT_EQ (tabs.getNumTabs(), 0);
    EXPECT_EQ (tabs.getTabbedButtonBar().getCurrentTabIndex(), -1);
}

TEST_F (LookAndFeelTest, OwnTabMetricsAndFrontTabDrawing)
{
    MyTabbedComponent tabs;
    tabs.setBounds (0, 0, 400, 100);
    tabs.addTab ("Track 1", juce::Colours::red, new juce::Component());
    tabs.addTab ("T", juce::Colours::red, new juce::Component());
    auto& bar = tabs.getTabbedButtonBar();
    EXPECT_EQ (bar.getTabButton (0)->getWidth(), 8 * 7 + 14);
    EXPECT_EQ (bar.getTabButton (1)->getWidth(), 60);   // at least twice the depth

    auto image = uitest::render (*bar.getTabButton (0));
    EXPECT_EQ (uitest::pixel (image, 10, 10), 0xff1e1e1eu);   // the front tab is filled
    image = uitest::render (*bar.getTabButton (1));
    EXPECT_EQ (uitest::pixel (image, 10, 10) >> 24, 0u);       // the others are not
}
} // namespace

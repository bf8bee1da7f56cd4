#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

class MyTabbedButtonBar;

// One tab of a MyTabbedButtonBar; drawn and measured by the bar's look-and-feel
// interface. Message thread only.
class MyTabBarButton : public juce::Button
{
public:
    MyTabBarButton (const juce::String& name, MyTabbedButtonBar& ownerBar);

    MyTabbedButtonBar& getTabbedButtonBar() const { return owner; }
    int getIndex() const;
    juce::Colour getTabBackgroundColour() const;
    bool isFrontTab() const { return getToggleState(); }

    // The button's bounds less the look and feel's space around images on
    // every side but the bar's.
    juce::Rectangle<int> getActiveArea() const;
    // Where the text goes (the extra component's room is not taken: tabs have none).
    juce::Rectangle<int> getTextArea() const { return getActiveArea(); }

    virtual int getBestTabLength (int depth);

    void paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown) override;
    void clicked (const juce::ModifierKeys& mods) override;
    bool hitTest (int x, int y) override;

    int overlapPixels = 0;

protected:
    MyTabbedButtonBar& owner;
};

// A row of tabs laid out against the right edge of the bar. Sends its
// (asynchronous) change message whenever the current tab changes.
// Message thread only.
class MyTabbedButtonBar : public juce::Component, public juce::ChangeBroadcaster
{
public:
    enum Orientation
    {
        TabsAtTop = 0,
        TabsAtBottom = 1,
        TabsAtLeft = 2,
        TabsAtRight = 3
    };

    explicit MyTabbedButtonBar (Orientation orientation = TabsAtTop);
    ~MyTabbedButtonBar() override;

    struct LookAndFeelMethods
    {
        virtual ~LookAndFeelMethods() = default;
        // These three take the bar, so that they stand apart from the framework
        // tab bar's operations of the same names in one look and feel.
        virtual int getTabButtonSpaceAroundImage (MyTabbedButtonBar&) = 0;
        virtual int getTabButtonOverlap (MyTabbedButtonBar&, int depth) = 0;
        virtual int getTabButtonBestWidth (MyTabBarButton&, int depth) = 0;
        virtual juce::Rectangle<int> getTabButtonExtraComponentBounds (const MyTabBarButton&, juce::Rectangle<int>& textArea,
                                                                       juce::Component& extraComp) = 0;
        virtual void drawTabButton (MyTabBarButton&, juce::Graphics&, bool isMouseOver, bool isMouseDown) = 0;
        virtual void drawTabButtonText (MyTabBarButton&, juce::Graphics&, bool isMouseOver, bool isMouseDown) = 0;
        virtual void drawTabbedButtonBarBackground (MyTabbedButtonBar&, juce::Graphics&) = 0;
        virtual void drawTabAreaBehindFrontButton (MyTabbedButtonBar&, juce::Graphics&, int w, int h) = 0;
        virtual void createTabButtonShape (MyTabBarButton&, juce::Path&, bool isMouseOver, bool isMouseDown) = 0;
        virtual void fillTabButtonShape (MyTabBarButton&, juce::Graphics&, const juce::Path&, bool isMouseOver,
                                         bool isMouseDown) = 0;
        virtual juce::Button* createTabBarExtrasButton (MyTabbedButtonBar&) = 0;
    };

    virtual void currentTabChanged (int newIndex, const juce::String& newName);
    virtual void popupMenuClickOnTab (int index, const juce::String& name);
    virtual MyTabBarButton* createTabButton (const juce::String& name, int index);

    Orientation getOrientation() const { return orientation; }
    void setOrientation (Orientation newOrientation);
    bool isVertical() const { return orientation == TabsAtLeft || orientation == TabsAtRight; }

    void addTab (const juce::String& name, juce::Colour colour);
    void clearTabs();
    int getNumTabs() const { return static_cast<int> (tabs.size()); }
    juce::StringArray getTabNames() const;

    void setCurrentTabIndex (int index);
    int getCurrentTabIndex() const { return currentTabIndex; }
    juce::String getCurrentTabName() const;
    MyTabBarButton* getTabButton (int index) const;
    int indexOfTabButton (const MyTabBarButton* button) const;
    juce::Colour getTabBackgroundColour (int index) const;
    void setTabBackgroundColour (int index, juce::Colour colour);
    juce::Button* getExtrasButton() const { return extrasButton.get(); }

    // The extras button's menu: one item per tab hidden for want of room, in
    // tab order, the current one ticked; choosing an item makes it current.
    juce::PopupMenu createExtraItemsMenu();
    // Opens that menu below the extras button (asynchronously); clicking the
    // extras button does this.
    void showExtraItemsMenu();

    double minimumScale = 0.7;

    void resized() override;
    void paint (juce::Graphics& g) override;
    void lookAndFeelChanged() override;

private:
    struct TabInfo
    {
        std::unique_ptr<MyTabBarButton> button;
        juce::String name;
        juce::Colour colour;
    };

    Orientation orientation;
    std::vector<std::unique_ptr<TabInfo>> tabs;
    int currentTabIndex = -1;
    std::unique_ptr<juce::Button> extrasButton;
};

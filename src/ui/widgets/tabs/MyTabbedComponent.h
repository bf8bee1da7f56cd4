#pragma once

#include "ui/widgets/tabs/MyTabbedButtonBar.h"

// A row of tabs above one content component at a time. The component owns
// its contents from addTab on. Message thread only.
class MyTabbedComponent : public juce::Component
{
public:
    MyTabbedComponent();
    ~MyTabbedComponent() override;

    virtual void currentTabChanged (int newIndex, const juce::String& newName);
    virtual void popupMenuClickOnTab (int index, const juce::String& name);
    virtual MyTabBarButton* createTabButton (const juce::String& name, int index);

    void addTab (const juce::String& name, juce::Colour colour, juce::Component* content);
    void clearTabs();

    MyTabbedButtonBar& getTabbedButtonBar() { return *tabs; }
    int getNumTabs() const { return tabs->getNumTabs(); }
    int getCurrentTabIndex() const { return tabs->getCurrentTabIndex(); }
    void setCurrentTabIndex (int index) { tabs->setCurrentTabIndex (index); }
    juce::Component* getTabContentComponent (int index) const;
    juce::Component* getCurrentContentComponent() const { return panelComponent.get(); }

    void setTabBackgroundColour (int index, juce::Colour colour) { tabs->setTabBackgroundColour (index, colour); }
    void setTabBarDepth (int newDepth);
    int getTabBarDepth() const { return tabDepth; }
    void setOutline (int thickness);
    void setIndent (int indent);

    // The area the content components get.
    juce::Rectangle<int> getContentArea() const;

    void resized() override;
    void paint (juce::Graphics& g) override;
    void lookAndFeelChanged() override;

    static inline const juce::Identifier deleteByTabCompProperty { "deleteByTabComp_" };

private:
    // Takes the tab bar's strip off the given side of area and returns it; the
    // outline loses its edge on that side.
    juce::Rectangle<int> takeTabStrip (juce::Rectangle<int>& area, juce::BorderSize<int>& outline) const;

    class ButtonBar;
    void changeCallback (int newIndex, const juce::String& newName);

    std::unique_ptr<MyTabbedButtonBar> tabs;
    juce::Array<juce::WeakReference<juce::Component>> contentComponents;
    juce::WeakReference<juce::Component> panelComponent;
    int tabDepth = 30;
    int outlineThickness = 1;
    int edgeIndent = 0;
};

#include "ui/widgets/tabs/MyTabbedComponent.h"

// The bar of the component: forwards its hooks to the component.
class MyTabbedComponent::ButtonBar : public MyTabbedButtonBar
{
public:
    explicit ButtonBar (MyTabbedComponent& c) : MyTabbedButtonBar (TabsAtTop), owner (c) {}

    void currentTabChanged (int newIndex, const juce::String& newName) override { owner.changeCallback (newIndex, newName); }
    void popupMenuClickOnTab (int index, const juce::String& name) override { owner.popupMenuClickOnTab (index, name); }
    MyTabBarButton* createTabButton (const juce::String& name, int index) override { return owner.createTabButton (name, index); }

private:
    MyTabbedComponent& owner;
};

MyTabbedComponent::MyTabbedComponent() : tabs (std::make_unique<ButtonBar> (*this))
{
    addAndMakeVisible (tabs.get());
}

MyTabbedComponent::~MyTabbedComponent()
{
    clearTabs();
    tabs.reset();
}

void MyTabbedComponent::currentTabChanged (int, const juce::String&) {}
void MyTabbedComponent::popupMenuClickOnTab (int, const juce::String&) {}

MyTabBarButton* MyTabbedComponent::createTabButton (const juce::String& name, int)
{
    return new MyTabBarButton (name, *tabs);
}

void MyTabbedComponent::addTab (const juce::String& name, juce::Colour colour, juce::Component* content)
{
    contentComponents.add (content);
    if (content != nullptr)
        content->getProperties().set (deleteByTabCompProperty, true);
    tabs->addTab (name, colour);
    resized();
}

void MyTabbedComponent::clearTabs()
{
    if (panelComponent != nullptr)
    {
        panelComponent->setVisible (false);
        removeChildComponent (panelComponent.get());
        panelComponent = nullptr;
    }

    tabs->clearTabs();

    for (int i = contentComponents.size(); --i >= 0;)
        if (auto* c = contentComponents.getReference (i).get())
            if (static_cast<bool> (c->getProperties()[deleteByTabCompProperty]))
                delete c;
    contentComponents.clear();
}

juce::Component* MyTabbedComponent::getTabContentComponent (int index) const
{
    return juce::isPositiveAndBelow (index, contentComponents.size()) ? contentComponents.getReference (index).get() : nullptr;
}

void MyTabbedComponent::changeCallback (int newIndex, const juce::String& newName)
{
    auto* c = getTabContentComponent (newIndex);
    if (c != panelComponent.get())
    {
        if (panelComponent != nullptr)
        {
            panelComponent->setVisible (false);
            removeChildComponent (panelComponent.get());
        }
        panelComponent = c;
        if (c != nullptr)
        {
            addChildComponent (c);
            c->setVisible (true);
        }
        repaint();
    }
    resized();
    currentTabChanged (newIndex, newName);
}

void MyTabbedComponent::setTabBarDepth (int newDepth)
{
    tabDepth = newDepth;
    resized();
}

void MyTabbedComponent::setOutline (int thickness)
{
    outlineThickness = thickness;
    resized();
    repaint();
}

void MyTabbedComponent::setIndent (int indent)
{
    edgeIndent = indent;
    resized();
    repaint();
}

juce::Rectangle<int> MyTabbedComponent::takeTabStrip (juce::Rectangle<int>& area, juce::BorderSize<int>& outline) const
{
    switch (tabs->getOrientation())
    {
        case MyTabbedButtonBar::TabsAtTop:    outline.setTop (0);    return area.removeFromTop (juce::jmin (tabDepth, area.getHeight()));
        case MyTabbedButtonBar::TabsAtBottom: outline.setBottom (0); return area.removeFromBottom (juce::jmin (tabDepth, area.getHeight()));
        case MyTabbedButtonBar::TabsAtLeft:   outline.setLeft (0);   return area.removeFromLeft (juce::jmin (tabDepth, area.getWidth()));
        case MyTabbedButtonBar::TabsAtRight:  outline.setRight (0);  return area.removeFromRight (juce::jmin (tabDepth, area.getWidth()));
    }
    return {};
}

juce::Rectangle<int> MyTabbedComponent::getContentArea() const
{
    auto content = getLocalBounds();
    juce::BorderSize<int> outline (outlineThickness);
    takeTabStrip (content, outline);
    return outline.subtractedFrom (content).reduced (edgeIndent);
}

void MyTabbedComponent::resized()
{
    auto bounds = getLocalBounds();
    juce::BorderSize<int> outline;
    tabs->setBounds (takeTabStrip (bounds, outline));

    const auto content = getContentArea();
    for (auto& c : contentComponents)
        if (auto* comp = c.get())
            comp->setBounds (content);
}

void MyTabbedComponent::paint (juce::Graphics& g)
{
    g.fillAll (findColour (juce::TabbedComponent::backgroundColourId));

    auto content = getLocalBounds();
    juce::BorderSize<int> outline (outlineThickness);
    takeTabStrip (content, outline);
    g.setColour (tabs->getTabBackgroundColour (tabs->getCurrentTabIndex()));
    g.fillRect (content);

    if (outlineThickness > 0)
    {
        juce::RectangleList<int> ring (content);
        ring.subtract (outline.subtractedFrom (content));
        g.reduceClipRegion (ring);
        g.fillAll (findColour (juce::TabbedComponent::outlineColourId));
    }
}

void MyTabbedComponent::lookAndFeelChanged()
{
    for (auto& c : contentComponents)
        if (auto* comp = c.get())
            comp->lookAndFeelChanged();
}

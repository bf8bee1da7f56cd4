#include "ui/widgets/tabs/MyTabbedButtonBar.h"

#include "ui/lookandfeel/LookAndFeelCorvanel.h"

#include <cmath>

namespace
{
MyTabbedButtonBar::LookAndFeelMethods* tabMethods (const juce::Component& c)
{
    return dynamic_cast<MyTabbedButtonBar::LookAndFeelMethods*> (&c.getLookAndFeel());
}
} // namespace

//==============================================================================
MyTabBarButton::MyTabBarButton (const juce::String& name, MyTabbedButtonBar& ownerBar) : juce::Button (name), owner (ownerBar)
{
    setWantsKeyboardFocus (false);
}

int MyTabBarButton::getIndex() const { return owner.indexOfTabButton (this); }

juce::Colour MyTabBarButton::getTabBackgroundColour() const { return owner.getTabBackgroundColour (getIndex()); }

juce::Rectangle<int> MyTabBarButton::getActiveArea() const
{
    auto r = getLocalBounds();
    auto* lf = tabMethods (*this);
    const int space = lf != nullptr ? lf->getTabButtonSpaceAroundImage (owner) : 0;
    const auto o = owner.getOrientation();
    if (o != MyTabbedButtonBar::TabsAtLeft)
        r.removeFromRight (space);
    if (o != MyTabbedButtonBar::TabsAtRight)
        r.removeFromLeft (space);
    if (o != MyTabbedButtonBar::TabsAtBottom)
        r.removeFromTop (space);
    if (o != MyTabbedButtonBar::TabsAtTop)
        r.removeFromBottom (space);
    return r;
}

int MyTabBarButton::getBestTabLength (int depth)
{
    auto* lf = tabMethods (*this);
    return lf != nullptr ? lf->getTabButtonBestWidth (*this, depth) : depth;
}

void MyTabBarButton::paintButton (juce::Graphics& g, bool isMouseOver, bool isButtonDown)
{
    if (auto* lf = tabMethods (*this))
        lf->drawTabButton (*this, g, isMouseOver, isButtonDown);
}

void MyTabBarButton::clicked (const juce::ModifierKeys& mods)
{
    if (mods.isPopupMenu())
        owner.popupMenuClickOnTab (getIndex(), getButtonText());
    else
        owner.setCurrentTabIndex (getIndex());
}

bool MyTabBarButton::hitTest (int x, int y)
{
    const auto area = getActiveArea();
    if (owner.isVertical())
    {
        if (juce::isPositiveAndBelow (x, getWidth()) && y >= area.getY() + overlapPixels && y < area.getBottom() - overlapPixels)
            return true;
    }
    else if (juce::isPositiveAndBelow (y, getHeight()) && x >= area.getX() + overlapPixels && x < area.getRight() - overlapPixels)
    {
        return true;
    }

    juce::Path p;
    if (auto* lf = tabMethods (*this))
        lf->createTabButtonShape (*this, p, false, false);
    return p.contains (static_cast<float> (x - area.getX()), static_cast<float> (y - area.getY()));
}

//==============================================================================
MyTabbedButtonBar::MyTabbedButtonBar (Orientation o) : orientation (o)
{
    setInterceptsMouseClicks (false, true);
    setFocusContainerType (FocusContainerType::keyboardFocusContainer);
}

MyTabbedButtonBar::~MyTabbedButtonBar()
{
    tabs.clear();
    extrasButton.reset();
}

void MyTabbedButtonBar::currentTabChanged (int, const juce::String&) {}
void MyTabbedButtonBar::popupMenuClickOnTab (int, const juce::String&) {}

MyTabBarButton* MyTabbedButtonBar::createTabButton (const juce::String& name, int)
{
    return new MyTabBarButton (name, *this);
}

void MyTabbedButtonBar::setOrientation (Orientation newOrientation)
{
    orientation = newOrientation;
    for (auto& t : tabs)
        t->button->repaint();
    resized();
}

void MyTabbedButtonBar::addTab (const juce::String& name, juce::Colour colour)
{
    if (name.isEmpty())
        return;

    auto info = std::make_unique<TabInfo>();
    const int n = getNumTabs();
    info->name = name;
    info->colour = colour;
    info->button.reset (createTabButton (name, n));
    info->button->setButtonText (name);
    addAndMakeVisible (info->button.get(), n);
    tabs.push_back (std::move (info));

    if (currentTabIndex < 0)
    {
        resized();
        setCurrentTabIndex (0);
    }
    else
    {
        resized();
    }
}

void MyTabbedButtonBar::clearTabs()
{
    tabs.clear();
    extrasButton.reset();
    setCurrentTabIndex (-1);
}

juce::StringArray MyTabbedButtonBar::getTabNames() const
{
    juce::StringArray names;
    for (auto& t : tabs)
        names.add (t->name);
    return names;
}

void MyTabbedButtonBar::setCurrentTabIndex (int index)
{
    if (index == currentTabIndex)
        return;
    if (! juce::isPositiveAndBelow (index, getNumTabs()))
        index = -1;

    currentTabIndex = index;
    for (int i = 0; i < getNumTabs(); ++i)
        tabs[static_cast<size_t> (i)]->button->setToggleState (i == index, juce::dontSendNotification);

    resized();
    sendChangeMessage();
    currentTabChanged (index, getCurrentTabName());
}

juce::String MyTabbedButtonBar::getCurrentTabName() const
{
    return juce::isPositiveAndBelow (currentTabIndex, getNumTabs()) ? tabs[static_cast<size_t> (currentTabIndex)]->name
                                                                   : juce::String();
}

MyTabBarButton* MyTabbedButtonBar::getTabButton (int index) const
{
    return juce::isPositiveAndBelow (index, getNumTabs()) ? tabs[static_cast<size_t> (index)]->button.get() : nullptr;
}

int MyTabbedButtonBar::indexOfTabButton (const MyTabBarButton* button) const
{
    for (int i = getNumTabs(); --i >= 0;)
        if (tabs[static_cast<size_t> (i)]->button.get() == button)
            return i;
    return -1;
}

juce::Colour MyTabbedButtonBar::getTabBackgroundColour (int index) const
{
    return juce::isPositiveAndBelow (index, getNumTabs()) ? tabs[static_cast<size_t> (index)]->colour
                                                         : juce::Colours::transparentBlack;
}

void MyTabbedButtonBar::setTabBackgroundColour (int index, juce::Colour colour)
{
    if (! juce::isPositiveAndBelow (index, getNumTabs()))
        return;
    auto& tab = *tabs[static_cast<size_t> (index)];
    if (tab.colour != colour)
    {
        tab.colour = colour;
        tab.button->repaint();
        if (auto* parent = getParentComponent())
            parent->repaint();   // the content area shows the current tab's colour
    }
}

juce::PopupMenu MyTabbedButtonBar::createExtraItemsMenu()
{
    juce::PopupMenu menu;
    for (int i = 0; i < getNumTabs(); ++i)
    {
        auto& tab = *tabs[static_cast<size_t> (i)];
        if (! tab.button->isVisible())
            menu.addItem (juce::PopupMenu::Item (tab.name)
                              .setTicked (i == currentTabIndex)
                              .setAction ([safe = juce::Component::SafePointer<MyTabbedButtonBar> (this), i] {
                                  if (safe != nullptr)
                                      safe->setCurrentTabIndex (i);
                              }));
    }
    return menu;
}

void MyTabbedButtonBar::showExtraItemsMenu()
{
    createExtraItemsMenu().showMenuAsync (
        juce::PopupMenu::Options().withDeletionCheck (*this).withTargetComponent (extrasButton.get()));
}

void MyTabbedButtonBar::lookAndFeelChanged()
{
    extrasButton.reset();
    resized();
}

void MyTabbedButtonBar::paint (juce::Graphics& g)
{
    if (auto* lf = tabMethods (*this))
    {
        lf->drawTabbedButtonBarBackground (*this, g);
        lf->drawTabAreaBehindFrontButton (*this, g, getWidth(), getHeight());
    }
}

void MyTabbedButtonBar::resized()
{
    auto* lf = findLookAndFeelCorvanel (*this);
    if (lf == nullptr || getWidth() == 0 || getHeight() == 0)
        return;
    auto& methods = static_cast<LookAndFeelMethods&> (*lf);

    int depth = getHeight(), length = getWidth();
    if (isVertical())
        std::swap (depth, length);

    const int overlap = methods.getTabButtonOverlap (*this, depth) + methods.getTabButtonSpaceAroundImage (*this) * 2;
    int total = juce::jmax (0, overlap);
    int visibleCount = getNumTabs();
    for (auto& t : tabs)
    {
        total += t->button->getBestTabLength (depth) - overlap;
        t->button->overlapPixels = juce::jmax (0, overlap / 2);
    }

    double scale = 1.0;
    if (total > length)
        scale = juce::jmax (minimumScale, length / static_cast<double> (total));

    if (static_cast<int> (total * scale) > length)
    {
        if (extrasButton == nullptr)
        {
            extrasButton.reset (methods.createTabBarExtrasButton (*this));
            addAndMakeVisible (extrasButton.get());
            extrasButton->setAlwaysOnTop (true);
            extrasButton->setTriggeredOnMouseDown (true);
            extrasButton->onClick = [this] { showExtraItemsMenu(); };   // message thread
        }
        const int s = juce::jmin (juce::roundToInt (0.7 * getWidth()), juce::roundToInt (0.7 * getHeight()));
        extrasButton->setSize (s, s);
        int p;
        if (isVertical())
        {
            extrasButton->setCentrePosition (getWidth() / 2, getHeight() - s / 2 - 1);
            p = extrasButton->getBounds().getCentreY();
        }
        else
        {
            extrasButton->setCentrePosition (getWidth() - s / 2 - 1, getHeight() / 2);
            p = extrasButton->getBounds().getCentreX();
        }

        total = 0;
        for (int i = 0; i < getNumTabs(); ++i)
        {
            const int next = total + tabs[static_cast<size_t> (i)]->button->getBestTabLength (depth);
            if (i > 0 && next * minimumScale > p)
            {
                total += overlap;
                break;
            }
            visibleCount = i + 1;
            total = next - overlap;
        }
        scale = juce::jmax (minimumScale, p / static_cast<double> (juce::jmax (1, total)));
    }
    else
    {
        extrasButton.reset();
    }

    int pos = length - total - 12;
    for (int i = 0; i < getNumTabs(); ++i)
    {
        auto* button = tabs[static_cast<size_t> (i)]->button.get();
        const int tabLength = juce::roundToInt (scale * button->getBestTabLength (depth));
        if (i < visibleCount)
        {
            if (isVertical())
                button->setBounds (0, pos, getWidth(), tabLength);
            else
                button->setBounds (pos, 0, tabLength, getHeight());
            juce::Desktop::getInstance().getAnimator().cancelAnimation (button, false);
            button->toBack();
            button->setVisible (true);
        }
        else
        {
            button->setVisible (false);
        }
        pos += tabLength - overlap;
    }

    if (auto* front = getTabButton (currentTabIndex))
        front->toFront (false);
}

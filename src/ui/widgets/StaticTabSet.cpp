#include "ui/widgets/StaticTabSet.h"

#include "ui/lookandfeel/CorvanelFonts.h"

#include <cmath>

StaticPanelButtons::~StaticPanelButtons()
{
    for (auto* button : buttons)
        button->removeListener (this);
}

void StaticPanelButtons::addButton (juce::String text)
{
    auto* button = buttons.add (new CustomTabButton (text));
    button->setConnectedEdges (juce::Button::ConnectedOnLeft | juce::Button::ConnectedOnRight
                               | juce::Button::ConnectedOnTop | juce::Button::ConnectedOnBottom);
    addAndMakeVisible (*button);
    button->setButtonText (text);
    button->setClickingTogglesState (true);
    button->setRadioGroupId (1);
    button->setComponentID ("tabbtn");
    button->addListener (this);
}

void StaticPanelButtons::resized()
{
    if (buttons.isEmpty())
        return;

    const auto font = CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f);
    auto right = juce::jmax (getWidth() - 2, 0);

    for (int i = buttons.size(); --i >= 0;)
    {
        auto w = static_cast<int> (std::ceil (font.getStringWidthFloat (buttons[i]->getButtonText()))) + 12;
        w = juce::jmin (w, right);
        buttons[i]->setBounds (right - w, 0, w, getHeight());
        right -= w;
    }
}

void StaticPanelButtons::buttonClicked (juce::Button* button)
{
    const auto index = buttons.indexOf (dynamic_cast<CustomTabButton*> (button));
    if (index < 0 || index == selectedIndex)
        return;

    selectedIndex = index;
    sendChangeMessage ({});
}

namespace Corvanel
{
StaticTabSet::StaticTabSet()
    : buttons (std::make_unique<StaticPanelButtons>())
{
    setName ("StaticTabSet");

    removeChildComponent (heading.get());
    heading = std::make_unique<PanelHeadingLabel> (juce::String());
    addAndMakeVisible (*heading);

    buttons->setSize (200, 300);
    addAndMakeVisible (*buttons);
    buttons->addChangeListener (this);

    heading->toBack();
}

StaticTabSet::~StaticTabSet()
{
    buttons->removeChangeListener (this);
    buttons.reset();
    pages.clear();
}

void StaticTabSet::addTab (juce::String name, corvanel::Panel* page)
{
    buttons->addButton (name);

    addAndMakeVisible (*page);
    page->setSize (getWidth(), getHeight());
    pages.emplace_back (page);
}

void StaticTabSet::selectFirstTab()
{
    if (pages.empty())
        return;

    currentIndex = 0;
    if (! buttons->buttons.isEmpty())
        buttons->buttons[0]->triggerClick();
    pages.front()->resized();
    sendChangeMessage ({});
}

void StaticTabSet::paint (juce::Graphics& g)
{
    StaticPanel::paint (g);
}

void StaticTabSet::resized()
{
    const auto h = juce::jmin (getHeight(), headingHeight);
    buttons->setBounds (0, 4, getWidth(), juce::jmax (h - 4, 0));
    heading->setBounds (0, 0, getWidth(), h);

    if (pages.empty())
        return;

    for (auto& page : pages)
    {
        page->setBounds (0, h, getWidth(), getHeight() - h);
        page->setVisible (false);
    }

    pages[static_cast<size_t> (juce::jlimit (0, static_cast<int> (pages.size()) - 1, currentIndex))]->setVisible (true);
}

void StaticTabSet::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source != buttons.get() || pages.empty())
        return;

    currentIndex = juce::jlimit (0, static_cast<int> (pages.size()) - 1, buttons->selectedIndex);

    if (auto* button = buttons->buttons[currentIndex])
        button->triggerClick();

    resized();
    sendChangeMessage ({});
}
} // namespace Corvanel

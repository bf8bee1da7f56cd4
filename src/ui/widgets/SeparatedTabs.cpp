#include "ui/widgets/SeparatedTabs.h"

#include "ui/lookandfeel/CorvanelFonts.h"

SeparatedTabButtonBar::~SeparatedTabButtonBar()
{
    for (auto* button : buttons)
        button->removeListener (this);
}

void SeparatedTabButtonBar::addButton (juce::Button* button)
{
    if (button == nullptr)
        return;
    button->addListener (this);
    buttons.add (button);
    addAndMakeVisible (button);
    resized();
}

void SeparatedTabButtonBar::setSelectedIndex (int index)
{
    if (index >= buttons.size())
        index = buttons.size() - 1;

    if (index < 0)
    {
        selectedIndex = -1;
        for (auto* button : buttons)
            button->setToggleState (false, juce::dontSendNotification);
        return;
    }

    selectedIndex = index;
    buttons[index]->setToggleState (true, juce::dontSendNotification);
}

void SeparatedTabButtonBar::resized()
{
    if (buttons.isEmpty())
        return;

    const auto font = CorvanelFonts::atPoints ("Grotesk Text 75", 10.0f);
    int left = getWidth(), x = 0;
    for (auto* button : buttons)
    {
        const int t = static_cast<int> (std::ceil (font.getStringWidthFloat (button->getButtonText())));
        const int w = juce::jmin (left, t + 24);
        button->setBounds (x, 0, w, getHeight());
        x += w;
        left -= w;
    }
}

void SeparatedTabButtonBar::buttonClicked (juce::Button* button)
{
    const int index = buttons.indexOf (button);
    if (index < 0 || ! button->getToggleState())
    {
        selectedIndex = -1;
    }
    else if (index != selectedIndex)
    {
        selectedIndex = index;
    }
    else if (allowDeselect)
    {
        button->setToggleState (false, juce::dontSendNotification);
        selectedIndex = -1;
    }
    sendChangeMessage ({});
}

void SeparatedTabbedComponent::setCurrentTab (int index)
{
    if (contents.isEmpty())
        return;
    for (auto* content : contents)
        content->setVisible (false);
    index = juce::jlimit (0, contents.size() - 1, index);
    contents[index]->setVisible (true);
    contents[index]->toFront (false);
    repaint();
}

void SeparatedTabbedComponent::paint (juce::Graphics& g)
{
    g.fillAll (findColour (backgroundColourId));
    g.setColour (findColour (separatorColourId));
    g.fillRect (0, 0, 2, getHeight());
}

void SeparatedTabbedComponent::resized()
{
    for (auto* content : contents)
        content->setBounds (1, 0, juce::jmax (getWidth() - 1, 0), getHeight());
}

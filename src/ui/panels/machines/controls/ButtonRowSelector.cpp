#include "ui/panels/machines/controls/ButtonRowSelector.h"

#include <algorithm>
#include <cmath>

ButtonRowSelector::ButtonRowSelector (std::vector<std::unique_ptr<ActionButton>> buttonsToUse, int highestIndexToUse)
    : buttons (std::move (buttonsToUse)), highestIndex (highestIndexToUse)
{
    for (auto& button : buttons)
        addAndMakeVisible (*button);
    for (auto& button : buttons)
    {
        button->addListener (this);
        button->setRadioGroupId (1);
    }
    setLit (0, true);
}

ButtonRowSelector::~ButtonRowSelector()
{
    for (auto& button : buttons)
        button->removeListener (this);
}

void ButtonRowSelector::setLit (int index, bool on)
{
    if (index >= 0 && index < getNumButtons())
        buttons[static_cast<size_t> (index)]->setToggleState (on, juce::dontSendNotification);
}

void ButtonRowSelector::setSelectedIndex (int index)
{
    setLit (selectedIndex, false);
    selectedIndex = std::clamp (index, 0, highestIndex);
    setLit (selectedIndex, true);
    repaint();
}

void ButtonRowSelector::buttonClicked (juce::Button* clicked)
{
    setLit (selectedIndex, false);
    clicked->setToggleState (true, juce::dontSendNotification);
    const auto found = std::find_if (buttons.begin(), buttons.end(), [clicked] (const auto& b) { return b.get() == clicked; });
    selectedIndex = found == buttons.end() ? -1 : static_cast<int> (found - buttons.begin());
    sendChangeMessage ({});
}

void ButtonRowSelector::resized()
{
    if (buttons.empty())
        return;
    // std::lrint rounds a half to the even neighbour.
    const int cell = static_cast<int> (std::lrint (getWidth() / static_cast<double> (buttons.size())));
    const int height = std::max (std::min (getHeight(), 30) - 2, 0);
    int x = 0;
    for (auto& button : buttons)
    {
        const int w = std::min (getWidth() - x, cell);
        button->setBounds (x + 1, 1, std::max (w - 2, 0), height);
        x += w;
    }
}

void ButtonRowSelector::setHue (int newHue)
{
    HasHue::setHue (newHue);
    for (auto& button : buttons)
        button->setHue (newHue);
}

void ButtonRowSelector::setTooltip (const juce::String& text)
{
    juce::SettableTooltipClient::setTooltip (text);
    for (auto& button : buttons)
        button->setTooltip (text);
}

#include "ui/panels/machines/controls/SelectorControls.h"

#include "ui/panels/engine/ValueMapping.h"

#include <algorithm>

namespace
{
std::optional<int> selectedToDevice (int index, int buttonCount)
{
    if (index < 0 || index >= buttonCount)
        return std::nullopt;
    return ValueMapping::selectorToDevice (index);
}
} // namespace

//==============================================================================
ButtonRowControl::ButtonRowControl (std::unique_ptr<ButtonRowSelector> selectorToUse, const juce::String& help, CellPlace placeToUse)
    : selector (std::move (selectorToUse)), place (std::move (placeToUse))
{
    selector->setTooltip (help);
    selector->addChangeListener (this);
}

ButtonRowControl::~ButtonRowControl()
{
    selector->removeChangeListener (this);
}

std::optional<int> ButtonRowControl::valueToWrite()
{
    return selectedToDevice (selector->selectedIndex, selector->getNumButtons());
}

void ButtonRowControl::changeListenerCallback (SafeChangeBroadcaster*)
{
    if (onUserChange != nullptr)
        onUserChange();
}

//==============================================================================
WaveformSelectorControl::WaveformSelectorControl (const juce::String& help)
{
    selector.setTooltip (help);
    selector.addChangeListener (this);
}

WaveformSelectorControl::~WaveformSelectorControl()
{
    selector.removeChangeListener (this);
}

void WaveformSelectorControl::showDeviceValue (int value)
{
    // The selector clears every button for an index it lacks, so clamp first.
    selector.setSelectedIndex (ValueMapping::selectorIndex (value, static_cast<int> (selector.buttons.size())));
}

std::optional<int> WaveformSelectorControl::valueToWrite()
{
    return selectedToDevice (selector.getSelectedIndex(), static_cast<int> (selector.buttons.size()));
}

void WaveformSelectorControl::changeListenerCallback (SafeChangeBroadcaster*)
{
    if (onUserChange != nullptr)
        onUserChange();
}

//==============================================================================
SharpWaveformControl::SharpWaveformControl (const juce::String& help)
{
    selector.setTooltip (help);
    selector.addChangeListener (this);
    resetSwitch.setClickingTogglesState (true);
    resetSwitch.setTooltip (help);
    resetSwitch.onClick = [this]
    {
        if (onUserChange != nullptr)
            onUserChange();
    };
}

SharpWaveformControl::~SharpWaveformControl()
{
    resetSwitch.onClick = nullptr;
    selector.removeChangeListener (this);
}

std::vector<CustomColumnControl::Part> SharpWaveformControl::getParts()
{
    return {
        { &resetSwitch, [] (const ColumnCell& c) { return juce::Rectangle<int> (c.x + 2, c.top + 60, std::max (0, c.width - 4), 24); }, true },
        { &selector, [] (const ColumnCell& c) { return juce::Rectangle<int> (c.x, c.top + 12, c.width, 40); }, true },
    };
}

void SharpWaveformControl::showDeviceValue (int value)
{
    const int n = value / 256;
    const int count = static_cast<int> (selector.buttons.size());
    selector.setSelectedIndex (std::clamp (n / 2, 0, std::max (0, count - 1)));
    resetSwitch.setToggleState (n % 2 == 0, juce::dontSendNotification);
}

std::optional<int> SharpWaveformControl::valueToWrite()
{
    const int index = selector.getSelectedIndex();
    if (index < 0)
        return std::nullopt;
    const int freeRunning = resetSwitch.getToggleState() ? 0 : 1;
    return (index * 2 + freeRunning) * 256;
}

void SharpWaveformControl::changeListenerCallback (SafeChangeBroadcaster*)
{
    if (onUserChange != nullptr)
        onUserChange();
}

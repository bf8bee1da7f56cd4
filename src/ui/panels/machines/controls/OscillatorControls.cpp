#include "ui/panels/machines/controls/OscillatorControls.h"

#include <algorithm>

OscillatorWaveformControl::OscillatorWaveformControl (const juce::StringArray& glyphs, const juce::String& help, int gridHeight, bool withReset)
    : height (gridHeight), hasReset (withReset)
{
    for (const auto& glyph : glyphs)
        selector.addButton (glyph);
    selector.setTooltip (help);
    selector.addChangeListener (this);
    // The switch has no tooltip of its own: it is half of the waveform value.
    resetSwitch.onClick = [this]
    {
        if (onUserChange != nullptr)
            onUserChange();
    };
}

OscillatorWaveformControl::~OscillatorWaveformControl()
{
    resetSwitch.onClick = nullptr;
    selector.removeChangeListener (this);
}

std::vector<CustomColumnControl::Part> OscillatorWaveformControl::getParts()
{
    std::vector<Part> parts {
        { &selector, [h = height] (const ColumnCell& c) { return juce::Rectangle<int> (c.x + 4, c.top + 20, std::max (0, c.width - 8), h); }, true },
    };
    if (hasReset)
        parts.push_back ({ &resetSwitch, [] (const ColumnCell& c) { return juce::Rectangle<int> (c.x + 6, c.top + 80, std::max (0, c.width - 12), 14); }, false });
    return parts;
}

void OscillatorWaveformControl::showDeviceValue (int value)
{
    const int n = value >> 8;
    const bool reset = hasReset && n >= resetOffset;
    const int index = reset ? n - resetOffset : n;
    if (index < 0 || index >= selector.getNumButtons())
        return;
    selector.setSelectedIndex (index);
    if (hasReset)
        resetSwitch.setToggleState (reset, juce::dontSendNotification);
}

std::optional<int> OscillatorWaveformControl::valueToWrite()
{
    const bool reset = hasReset && resetSwitch.getToggleState();
    return (selector.selectedIndex + (reset ? resetOffset : 0)) << 8;
}

void OscillatorWaveformControl::changeListenerCallback (juce::ChangeBroadcaster*)
{
    if (onUserChange != nullptr)
        onUserChange();
}

//==============================================================================
SubOscillatorControl::SubOscillatorControl (const juce::String& help)
{
    selector.setTooltip (help);
    selector.addChangeListener (this);
}

SubOscillatorControl::~SubOscillatorControl()
{
    selector.removeChangeListener (this);
}

std::vector<CustomColumnControl::Part> SubOscillatorControl::getParts()
{
    return { { &selector, [] (const ColumnCell& c) { return juce::Rectangle<int> (c.x + 12, c.top + 20, std::max (0, c.width - 12), 50); }, true } };
}

void SubOscillatorControl::changeListenerCallback (juce::ChangeBroadcaster*)
{
    if (onUserChange != nullptr)
        onUserChange();
}

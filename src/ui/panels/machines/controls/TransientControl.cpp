#include "ui/panels/machines/controls/TransientControl.h"

#include <algorithm>

namespace
{
const char* const itemTexts[TransientControl::itemCount] = { "Off", "Tic", "A1", "B1", "C1", "D1", "E1", "A2", "B2", "C2", "D2", "E2" };
} // namespace

TransientControl::TransientControl (const juce::String& levelHelp)
    : level ({}, 0, new VerticalSlider::ExtendedSlider())
{
    for (int i = 0; i < itemCount; ++i)
        combo.addItem (itemTexts[i], i + 1);

    auto& inner = level.getSlider();
    inner.setHue (9);
    inner.setRange (0.0, levelCount - 1, 1.0);
    inner.setTooltip (levelHelp);
    inner.addListener (this);
    inner.setOpaque (false);
    inner.setRepaintsOnMouseActivity (false);
    level.setOpaque (false);
    level.backgroundColour = juce::Colour (0x00000000);

    combo.onChange = [this]
    {
        transientGroup = std::max (0, combo.getSelectedId() - 1);
        if (onUserChange != nullptr)
            onUserChange();
    };
}

TransientControl::~TransientControl()
{
    combo.onChange = nullptr;
    level.getSlider().removeListener (this);
}

std::vector<CustomColumnControl::Part> TransientControl::getParts()
{
    return {
        { &combo, [] (const ColumnCell& c)
          {
              const int l = std::min (c.width, 40);
              return juce::Rectangle<int> (c.x + 8 + (l - 52) / 2, c.top + 29, 52, 24);
          }, true },
        { &level, [] (const ColumnCell& c)
          {
              const int l = std::min (c.width, 40);
              return juce::Rectangle<int> (c.x + l + 8, c.top + 5, std::max (0, c.width - l), 82);
          }, true },
    };
}

void TransientControl::showDeviceValue (int value)
{
    const int step = std::min (value >> 8, lastStep);
    if (step <= 0)
    {
        transientGroup = 0;
        combo.setSelectedId (1, juce::dontSendNotification);
        level.setValue (0, juce::dontSendNotification);
        level.setEnabled (false);
        return;
    }
    transientGroup = (step - 1) / levelCount + 1;
    combo.setSelectedId (transientGroup + 1, juce::dontSendNotification);
    level.setValue ((step - 1) % levelCount, juce::dontSendNotification);
    level.setEnabled (true);
}

std::optional<int> TransientControl::valueToWrite()
{
    if (transientGroup == 0)
        return 0;
    const int levelValue = static_cast<int> (level.getSlider().getValue());
    return (levelCount * (transientGroup - 1) + levelValue + 1) * 256;
}

void TransientControl::sliderValueChanged (juce::Slider*)
{
    // The number below the fader follows the user's edit.
    level.getValueLabel().setText (juce::String (static_cast<int> (level.getSlider().getValue())), juce::dontSendNotification);
    if (onUserChange != nullptr)
        onUserChange();
}

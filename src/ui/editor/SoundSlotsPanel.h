#pragma once

#include "ui/editor/SoundSlotsTable.h"
#include "ui/widgets/ActionButton.h"
#include "ui/widgets/Panel.h"

class VantuAudioProcessor;

// The sound browser's pool area: the pool table over a "Clear" button.
// Message thread only.
class SoundSlotsPanel : public corvanel::Panel, public juce::Button::Listener
{
public:
    explicit SoundSlotsPanel (VantuAudioProcessor& processor);
    ~SoundSlotsPanel() override;

    void paintOverChildren (juce::Graphics& g) override;
    void resized() override;
    // Message thread: "Clear" hands row 0 to the table's delete key, which does nothing.
    void buttonClicked (juce::Button* button) override;

    SoundSlotsTable table;
    ActionButton clearButton { "Clear", {} };
};

#pragma once

#include "ui/widgets/Labels.h"
#include "ui/widgets/Panel.h"

// The MIDI machine's panel: its settings live on the device, so the panel only
// says so. No data object, listener, timer or menu. Message thread only.
class MidiMachinePanel : public corvanel::Panel
{
public:
    MidiMachinePanel();

    SmallLabel& getLabel() { return label; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    SmallLabel label { "MIDI settings available on device" };
};

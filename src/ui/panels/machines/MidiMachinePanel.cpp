#include "ui/panels/machines/MidiMachinePanel.h"

MidiMachinePanel::MidiMachinePanel()
{
    label.setJustificationType (juce::Justification::centred);
    addAndMakeVisible (label);
}

void MidiMachinePanel::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF1E1E1E));
}

void MidiMachinePanel::resized()
{
    label.setBounds (getLocalBounds());
}

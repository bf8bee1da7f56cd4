#pragma once

#include "processor/SynthAudioProcessor.h"

// The processor of the Kolvane: its sixteen output buses, its four main channels
// (the device inputs a sidechain can feed), MIDI modulation and channel-16 notes
// towards the device, and its editor.
class VantuAudioProcessor : public SynthAudioProcessor
{
public:
    // hostType: the host to behave for; the running one unless a test poses as another.
    VantuAudioProcessor (std::shared_ptr<SynthPluginState> state, std::shared_ptr<GlobalPreferences> preferences,
                         std::unique_ptr<RemoteDeviceClient> client,
                         juce::PluginHostType::HostType hostType = juce::PluginHostType().type);
    ~VantuAudioProcessor() override;

    static juce::StringArray outputBusNames();
    static std::set<int> stereoOutputBuses();

    // Host audio thread: pressure, modulation wheel, pitch bend and breath of MIDI
    // channels 1..12 go to tracks T1..T12 as realtime controllers; note-ons with a
    // velocity on channel 16 go to the device as channel-16 notes. Never blocks.
    void handleMidiMessage (const juce::MidiMessage& message) override;

    // The routing entry of host input channel 0..11 (not range-checked); -1 for none.
    int getInputRouting (int inputChannel) const override { return inputRoutingEntry (inputChannel); }
    juce::String getDeviceName() const override { return "Kolvane"; }
    juce::StringArray getMainChannelNames() const override;

    bool hasEditor() const override { return true; }
    // The editor the UI library installed (none in a program without one).
    juce::AudioProcessorEditor* createEditor() override;

private:
    JUCE_DECLARE_WEAK_REFERENCEABLE (VantuAudioProcessor)
    JUCE_DECLARE_NON_COPYABLE (VantuAudioProcessor)
};

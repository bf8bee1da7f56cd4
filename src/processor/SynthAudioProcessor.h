#pragma once

#include "processor/CommonAudioProcessor.h"

// The middle layer of the device processor: what every device of the synth family
// adds to the common processor (device jobs with total recall, the plug-in state's
// sync mode and routing, host parameters). It constructs the common processor
// with eight sidechain channels for the given host.
class SynthAudioProcessor : public CommonAudioProcessor
{
public:
    static constexpr int kMaxSidechainChannels = 8;

    SynthAudioProcessor (const juce::StringArray& outputBusNames, const std::set<int>& stereoOutputBuses,
                         std::shared_ptr<SynthPluginState> state, std::shared_ptr<GlobalPreferences> preferences,
                         std::unique_ptr<RemoteDeviceClient> client, juce::PluginHostType::HostType hostType);
    ~SynthAudioProcessor() override;

    // The host audio callback reads it every block: 0 until the first "SyncMode" message.
    int getSyncMode() const override { return syncMode.load(); }

    // SafeChangeListener (message thread).
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

private:
    std::atomic<int> syncMode { 0 };
    std::shared_ptr<SynthPluginState> state;
    JUCE_DECLARE_WEAK_REFERENCEABLE (SynthAudioProcessor)
    JUCE_DECLARE_NON_COPYABLE (SynthAudioProcessor)
};

#include "processor/SynthAudioProcessor.h"

SynthAudioProcessor::SynthAudioProcessor (const juce::StringArray& outputBusNames,
                                          const std::set<int>& stereoOutputBuses,
                                          std::shared_ptr<SynthPluginState> pluginState,
                                          std::shared_ptr<GlobalPreferences> preferences,
                                          std::unique_ptr<RemoteDeviceClient> client,
                                          juce::PluginHostType::HostType hostType)
    : CommonAudioProcessor (outputBusNames, stereoOutputBuses, kMaxSidechainChannels, pluginState,
                            std::move (preferences), std::move (client), hostType, false),
      state (std::move (pluginState))
{
}

SynthAudioProcessor::~SynthAudioProcessor()
{
    masterReference.clear();
}

void SynthAudioProcessor::changeListenerCallback (SafeChangeBroadcaster*) {}

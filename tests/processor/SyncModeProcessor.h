#pragma once

// The device processor as the plug-in factory builds it, with the sync mode set by
// the test instead of the plug-in state, and a play head the test moves.
#include "foundation/GlobalPreferences.h"
#include "processor/RemoteDeviceClientFactory.h"
#include "processor/SynthPluginState.h"
#include "processor/VantuAudioProcessor.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <cmath>

namespace processortest
{
class SyncModeProcessor : public VantuAudioProcessor
{
public:
    using VantuAudioProcessor::VantuAudioProcessor;
    int getSyncMode() const override { return mode.load(); }
    std::atomic<int> mode { 0 };
};

inline std::unique_ptr<SyncModeProcessor> makeSyncModeProcessor (const EngineClientOptions& options,
                                                                 juce::PluginHostType::HostType hostType)
{
    auto preferences = std::make_shared<GlobalPreferences> (true, true);
    auto state = std::make_shared<SynthPluginState>();
    state->upgradeAndSetDefaults();
    auto client = makeRemoteDeviceClient ({ 30 }, state, preferences, options);
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::PluginHostType::getPluginLoadedAs());
    auto processor = std::make_unique<SyncModeProcessor> (state, preferences, std::move (client), hostType);
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);
    return processor;
}

// A host's transport: tempo, position and play state, moved on by every host block.
class TestPlayHead : public juce::AudioPlayHead
{
public:
    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo info;
        info.setBpm (bpm);
        info.setTimeInSamples (timeInSamples);
        info.setTimeInSeconds (static_cast<double> (timeInSamples) / rate);
        info.setPpqPosition (ppq);
        info.setPpqPositionOfLastBarStart (std::floor (ppq / 4.0) * 4.0);
        info.setIsPlaying (playing);
        info.setIsLooping (looping);
        info.setLoopPoints (LoopPoints { loopStart, loopEnd });
        info.setTimeSignature (TimeSignature { 4, 4 });
        return info;
    }

    // After a host block of numSamples: a playing transport moves on (and wraps in a loop).
    void advance (int numSamples)
    {
        if (! playing)
            return;
        timeInSamples += numSamples;
        ppq += numSamples / rate * bpm / 60.0;
        if (looping && ppq >= loopEnd)
            ppq = loopStart + (ppq - loopEnd);
    }

    double rate = 48000.0;
    double bpm = 120.0;
    double ppq = 0.0;
    std::int64_t timeInSamples = 0;
    bool playing = false;
    bool looping = false;
    double loopStart = 0.0;
    double loopEnd = 0.0;
};
} // namespace processortest

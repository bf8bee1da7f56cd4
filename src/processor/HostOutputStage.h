#pragma once

#include "processor/BusChannelMap.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <atomic>
#include <memory>
#include <vector>

class AudioRingSet;
class SamplePublisher;

// The device's side of the host's output: reads the twenty device channels out of
// the device-to-host ring set for one host block, fades the device audio in and out
// around stream starts and gaps, and fills the output buses from them, or, in the
// standalone program, mixes the monitored buses into the main output at the main
// gain. Every bus channel it produces is published for the meters (row 1).
//
// Host audio thread, except where marked. Nothing here allocates after
// construction (blocks are at most kMaxBlock samples).
class HostOutputStage
{
public:
    static constexpr int kMaxBlock = 2048;
    static constexpr double kGapFadeSeconds = 0.005;
    static constexpr double kStartFadeSeconds = 1.0;
    static constexpr double kMainGainRampSeconds = 0.01;

    HostOutputStage (const std::vector<BusChannelMapEntry>& busChannelMap, SamplePublisher& publisher);

    // Before the host plays (message thread): the main gain ramps over 10 ms at this rate
    // and jumps to its requested value.
    void prepare (double sampleRate) noexcept;

    // Message thread (the capture panel): whether output bus `bus` is heard in the
    // standalone main output, and the main output's gain.
    void setBusMonitored (int bus, bool monitored) noexcept;
    bool isBusMonitored (int bus) const noexcept;
    void setMainGain (float gain) noexcept { requestedMainGain.store (gain); }
    float getMainGain() const noexcept { return requestedMainGain.load(); }

    // The fade for this block: readStatus is the ring set's prepareRead result.
    // Without usable device audio the fade drops to silence at once and arms a 5 ms
    // fade-in; with audio before the unmute time it stays silent and arms a 1 s
    // fade-in; after it, it ramps towards full level.
    void decideFade (int readStatus, double nowMs, double unmuteMs, double sampleRate) noexcept;

    // The device channels of this block, faded (silence when the set found no data).
    void readDeviceChannels (AudioRingSet& deviceToHost, int numSamples) noexcept;

    // Plug-in layout: channel l of output bus `bus` from its device channel (a mono
    // bus repeats its channel), each channel published under (bus, l).
    void fillBus (juce::AudioBuffer<float>& busBuffer, int bus, int numSamples) noexcept;

    // Standalone layout: the track buses (1 and above) are published, the monitored
    // buses summed into `main`, the main gain applied, and the main channels
    // published under bus 0.
    void mixMonitoredBuses (juce::AudioBuffer<float>& main, int numSamples) noexcept;

    // End of the block: the fade moves on by the block.
    void advanceFade (int numSamples) noexcept;

    float getFadeValue() const noexcept { return fade.getCurrentValue(); }
    float getFadeTarget() const noexcept { return fade.getTargetValue(); }

private:
    // The device channel read for channel `channel` of bus `bus`; -1 when there is none.
    int deviceChannelFor (int bus, int channel) const noexcept;

    const std::vector<BusChannelMapEntry> map;
    SamplePublisher& publisher;
    juce::AudioBuffer<float> deviceChannels;   // kNumDeviceChannels x kMaxBlock
    juce::SmoothedValue<float, juce::ValueSmoothingTypes::Linear> fade { 0.0f };
    juce::SmoothedValue<float, juce::ValueSmoothingTypes::Linear> mainGain { 0.0f };
    std::atomic<float> requestedMainGain { 1.0f };
    std::unique_ptr<std::atomic<bool>[]> monitored;
};

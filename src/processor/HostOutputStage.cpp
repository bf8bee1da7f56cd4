#include "processor/HostOutputStage.h"

#include "processor/SamplePublisher.h"
#include "realtime/AudioRingSet.h"

#include <algorithm>

HostOutputStage::HostOutputStage (const std::vector<BusChannelMapEntry>& busChannelMap, SamplePublisher& samplePublisher)
    : map (busChannelMap),
      publisher (samplePublisher),
      deviceChannels (kNumDeviceChannels, kMaxBlock),
      monitored (new std::atomic<bool>[busChannelMap.size()])
{
    deviceChannels.clear();
    for (std::size_t i = 0; i < map.size(); ++i)
        monitored[i] = false;
}

void HostOutputStage::prepare (double sampleRate) noexcept
{
    if (sampleRate > 0.0)
        mainGain.reset (sampleRate, kMainGainRampSeconds);
    mainGain.setCurrentAndTargetValue (requestedMainGain.load());
}

void HostOutputStage::setBusMonitored (int bus, bool on) noexcept
{
    if (bus >= 0 && bus < static_cast<int> (map.size()))
        monitored[static_cast<std::size_t> (bus)] = on;
}

bool HostOutputStage::isBusMonitored (int bus) const noexcept
{
    return bus >= 0 && bus < static_cast<int> (map.size()) && monitored[static_cast<std::size_t> (bus)].load();
}

void HostOutputStage::decideFade (int readStatus, double nowMs, double unmuteMs, double sampleRate) noexcept
{
    if (readStatus != AudioRingSet::dataAvailable || nowMs <= unmuteMs)
    {
        const double seconds = readStatus != AudioRingSet::dataAvailable ? kGapFadeSeconds : kStartFadeSeconds;
        if (sampleRate > 0.0)
            fade.reset (sampleRate, seconds);
        fade.setCurrentAndTargetValue (0.0f);
        return;
    }
    fade.setTargetValue (1.0f);
}

void HostOutputStage::readDeviceChannels (AudioRingSet& deviceToHost, int numSamples) noexcept
{
    numSamples = std::clamp (numSamples, 0, kMaxBlock);
    static constexpr int kAllChannels[kNumDeviceChannels] { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19 };
    auto* const* outs = deviceChannels.getArrayOfWritePointers();
    deviceToHost.readChannels (outs, kAllChannels, kNumDeviceChannels, numSamples);
    if (fade.getCurrentValue() < 1.0f)
    {
        // Every channel gets the same ramp, from a copy of the fade's state.
        for (int c = 0; c < kNumDeviceChannels; ++c)
        {
            auto ramp = fade;
            ramp.applyGain (outs[c], numSamples);
        }
    }
}

int HostOutputStage::deviceChannelFor (int bus, int channel) const noexcept
{
    const auto& entry = map[static_cast<std::size_t> (bus)];
    const int d = entry.firstDeviceChannel + (entry.stereo ? channel : 0);
    return d < kNumDeviceChannels && entry.firstDeviceChannel + channel < kNumDeviceChannels ? d : -1;
}

void HostOutputStage::fillBus (juce::AudioBuffer<float>& busBuffer, int bus, int numSamples) noexcept
{
    if (bus < 0 || bus >= static_cast<int> (map.size()))
        return;
    numSamples = std::clamp (numSamples, 0, kMaxBlock);
    for (int l = 0; l < busBuffer.getNumChannels(); ++l)
    {
        const int d = deviceChannelFor (bus, l);
        if (d < 0)
            continue;   // beyond the device's channels: left as it is
        float* out = busBuffer.getWritePointer (l);
        juce::FloatVectorOperations::copy (out, deviceChannels.getReadPointer (d), numSamples);
        publisher.publish (1, bus, l, out, numSamples);
    }
}

void HostOutputStage::mixMonitoredBuses (juce::AudioBuffer<float>& main, int numSamples) noexcept
{
    numSamples = std::clamp (numSamples, 0, kMaxBlock);
    const int mainChannels = main.getNumChannels();
    main.clear (0, numSamples);
    for (int bus = 0; bus < static_cast<int> (map.size()); ++bus)
    {
        const bool heard = monitored[static_cast<std::size_t> (bus)].load (std::memory_order_relaxed);
        for (int j = 0; j < mainChannels; ++j)
        {
            const int d = deviceChannelFor (bus, j);
            if (d < 0)
                continue;
            const float* source = deviceChannels.getReadPointer (d);
            if (heard)
                juce::FloatVectorOperations::add (main.getWritePointer (j), source, numSamples);
            if (bus >= 1)
                publisher.publish (1, bus, j, source, numSamples);
        }
    }

    mainGain.setTargetValue (requestedMainGain.load (std::memory_order_relaxed));
    if (mainGain.isSmoothing())
        mainGain.applyGain (main, numSamples);   // the same gain for every channel of a sample
    else if (const float gain = mainGain.getTargetValue(); gain == 0.0f)
        main.clear (0, numSamples);
    else if (gain != 1.0f)
        main.applyGain (0, numSamples, gain);

    for (int j = 0; j < mainChannels; ++j)
        publisher.publish (1, 0, j, main.getReadPointer (j), numSamples);
}

void HostOutputStage::advanceFade (int numSamples) noexcept
{
    if (fade.getCurrentValue() < 1.0f)
        fade.skip (numSamples);
}

#include "processor/AudioRecorderCollection.h"

#include "platform/ThreadPriority.h"
#include "processor/CommonAudioProcessor.h"

#include <chrono>

namespace
{
juce::StringArray outputBusNames (const CommonAudioProcessor& processor)
{
    juce::StringArray names;
    for (int bus = 0; bus < static_cast<int> (processor.getBusChannelMap().size()); ++bus)
    {
        const auto* b = processor.getBus (false, bus);
        names.add (b != nullptr ? b->getName() : juce::String());
    }
    return names;
}
} // namespace

AudioRecorderCollection::AudioRecorderCollection (CommonAudioProcessor& processor)
{
    build (outputBusNames (processor), processor.getBusChannelMap(), processor.getName());
}

AudioRecorderCollection::AudioRecorderCollection (const juce::StringArray& busNames,
                                                  const std::vector<BusChannelMapEntry>& buses,
                                                  const juce::String& prefix)
{
    build (busNames, buses, prefix);
}

void AudioRecorderCollection::build (const juce::StringArray& busNames, const std::vector<BusChannelMapEntry>& buses,
                                     const juce::String& prefix)
{
    for (size_t bus = 0; bus < buses.size(); ++bus)
    {
        auto recorder = std::make_unique<AudioRecorder> (thread, buses[bus].stereo ? 2 : 1, kSampleRate);
        recorder->setPrefix (prefix);
        recorder->setTrackName (busNames[static_cast<int> (bus)]);
        recorders.push_back ({ std::move (recorder), buses[bus].firstDeviceChannel });
    }
    thread.startThread (threadPriorityFromLevel (kThreadPriority));
}

AudioRecorderCollection::~AudioRecorderCollection()
{
    for (auto& entry : recorders)
        entry.recorder.reset();
    thread.stopThread (kThreadStopMs);
}

AudioRecorder* AudioRecorderCollection::getRecorder (int bus) const noexcept
{
    return bus >= 0 && bus < getNumRecorders() ? recorders[static_cast<size_t> (bus)].recorder.get() : nullptr;
}

int AudioRecorderCollection::getFirstDeviceChannel (int bus) const noexcept
{
    return bus >= 0 && bus < getNumRecorders() ? recorders[static_cast<size_t> (bus)].firstDeviceChannel : -1;
}

void AudioRecorderCollection::pushDeviceBlock (const float* const* deviceChannels, int numDeviceChannels,
                                               int numSamples) noexcept
{
    const int state = requestedState.load();
    const bool capturing = state == recording;
    for (auto& entry : recorders)
    {
        auto& recorder = *entry.recorder;
        if (entry.firstDeviceChannel + recorder.getNumChannels() > numDeviceChannels)
            continue;
        const bool fitted = recorder.pushBlock (deviceChannels + entry.firstDeviceChannel, numSamples, capturing);
        if (! fitted && capturing)
            overrun = true;
    }
    currentState.store (state);
}

void AudioRecorderCollection::startRecording()
{
    recordingStartTime = std::chrono::duration_cast<std::chrono::nanoseconds> (
                             std::chrono::steady_clock::now().time_since_epoch())
                             .count();
    overrun = false;
    requestedState = recording;
    sendChangeMessage ({});
}

void AudioRecorderCollection::stopRecording()
{
    int expected = recording;
    if (requestedState.compare_exchange_strong (expected, stopped))
        sendChangeMessage ({});
}

int AudioRecorderCollection::useTimeSlice()
{
    if (overrun.load())
        sendChangeMessage ({});
    return 1000;
}

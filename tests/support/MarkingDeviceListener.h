#pragma once

// A device listener that passes every call on to the processor, with the audio
// threads' entry points (the shared-memory audio thread's block and plug-in data
// calls) marked as audio threads, so that their heap and blocking calls are counted.
#include "processor/CommonAudioProcessor.h"
#include "support/AudioThreadChecks.h"

#include <atomic>

namespace fhtest
{
class MarkingDeviceListener final : public RemoteDeviceClient::DeviceListener
{
public:
    explicit MarkingDeviceListener (CommonAudioProcessor& p) : processor (p) {}

    void deviceOpened() override { processor.deviceOpened(); }
    void deviceClosed() override { processor.deviceClosed(); }
    void streamCharacteristicsChanged() override { processor.streamCharacteristicsChanged(); }
    void audioBlockReceived (float* const* device, int numDevice, float* const* host, int numHost, int numSamples,
                             double timeStampMs) override
    {
        const ScopedAudioThread mark;
        processor.audioBlockReceived (device, numDevice, host, numHost, numSamples, timeStampMs);
        note (mark.calls());
    }
    void engineDataReceived (const std::uint8_t* data, int length) override { processor.engineDataReceived (data, length); }
    void fillPluginData (std::uint8_t* data, int capacity, int numSamples, int stride) override
    {
        const ScopedAudioThread mark;
        processor.fillPluginData (data, capacity, numSamples, stride);
        note (mark.calls());
    }
    void asyncDataReceived (const std::uint8_t* data, int length) override { processor.asyncDataReceived (data, length); }

    // Heap and blocking calls counted on the marked calls, and how many calls were marked.
    std::atomic<std::uint64_t> calls { 0 };
    std::atomic<std::uint64_t> blocks { 0 };

private:
    void note (const AudioThreadCalls& c)
    {
        calls += c.total();
        ++blocks;
    }

    CommonAudioProcessor& processor;
};
} // namespace fhtest

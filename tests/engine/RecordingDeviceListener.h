#pragma once

#include "engine/RemoteDeviceClient.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace fhtest
{
// Stands in for the processor: records what the client tells it and writes a
// constant into the device inputs of every block.
class RecordingDeviceListener : public RemoteDeviceClient::DeviceListener
{
public:
    static constexpr float kHostValue = 0.5f;

    explicit RecordingDeviceListener (RemoteDeviceClient*& client) : client (client) {}

    void deviceOpened() override { add ("opened"); }
    void deviceClosed() override { add ("closed"); }
    void streamCharacteristicsChanged() override
    {
        characteristicsOnAudioThread = characteristicsOnAudioThread.load()
                                    || std::this_thread::get_id() == audioThreadId.load();
        reportedBlockSize = client->getBlockSize();
        reportedStreamValue2 = client->getStreamValue2();
        ++characteristicsChanges;
    }
    void audioBlockReceived (float* const* device, int numDevice, float* const* host, int numHost, int samples,
                             double timeStamp) override
    {
        audioThreadId = std::this_thread::get_id();
        lastSamples = samples;
        lastDeviceChannels = numDevice;
        lastHostChannels = numHost;
        lastTimeStamp = timeStamp;
        lastFirstDeviceSample = numDevice > 1 ? device[1][1] : 0.0f;
        for (int ch = 0; ch < numHost; ++ch)
            for (int i = 0; i < samples; ++i)
                host[ch][i] = kHostValue;
        if (samples > maxSamples.load())
            maxSamples = samples;
        ++blocks;
    }
    void engineDataReceived (const std::uint8_t*, int length) override { lastEngineDataLength = length; }
    void fillPluginData (std::uint8_t*, int capacity, int samples, int stride) override
    {
        lastPluginCapacity = capacity;
        lastStride = stride;
        lastPluginSamples = samples;
        ++pluginFills;
    }
    void asyncDataReceived (const std::uint8_t*, int) override { ++asyncFrames; }

    std::vector<std::string> events() const
    {
        std::lock_guard lock (mutex);
        return log;
    }
    int count (const std::string& what) const
    {
        std::lock_guard lock (mutex);
        int n = 0;
        for (auto& e : log)
            n += e == what ? 1 : 0;
        return n;
    }

    std::atomic<int> blocks { 0 }, pluginFills { 0 }, asyncFrames { 0 }, characteristicsChanges { 0 };
    std::atomic<int> lastSamples { 0 }, maxSamples { 0 }, lastDeviceChannels { 0 }, lastHostChannels { 0 };
    std::atomic<int> lastEngineDataLength { 0 }, lastPluginCapacity { 0 }, lastStride { 0 }, lastPluginSamples { 0 };
    std::atomic<int> reportedBlockSize { 0 }, reportedStreamValue2 { 0 };
    std::atomic<double> lastTimeStamp { 0.0 };
    std::atomic<float> lastFirstDeviceSample { 0.0f };
    std::atomic<bool> characteristicsOnAudioThread { false };
    std::atomic<std::thread::id> audioThreadId {};

private:
    void add (const std::string& what)
    {
        std::lock_guard lock (mutex);
        log.push_back (what);
    }

    RemoteDeviceClient*& client;
    mutable std::mutex mutex;
    std::vector<std::string> log;
};
} // namespace fhtest

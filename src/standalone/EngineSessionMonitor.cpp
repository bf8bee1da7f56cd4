#include "standalone/EngineSessionMonitor.h"

#include "foundation/GlobalPreferences.h"
#include "foundation/Logger.h"
#include "processor/PluginState.h"
#include "processor/RemoteDeviceClientFactory.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
std::atomic<bool> quitRequested { false };

void onSignal (int)
{
    quitRequested = true;
}

// Stands where the processor will: counts blocks, measures the device outputs and
// sends a quiet 440 Hz tone into the device inputs.
class MonitoringListener final : public RemoteDeviceClient::DeviceListener
{
public:
    void deviceOpened() override { ++opened; }
    void deviceClosed() override { ++closed; }
    void streamCharacteristicsChanged() override { ++streamChanges; }

    void audioBlockReceived (float* const* device, int numDevice, float* const* host, int numHost, int samples,
                             double timeStampMs) override
    {
        float peak = 0.0f;
        for (int ch = 0; ch < numDevice; ++ch)
            for (int i = 0; i < samples; ++i)
                peak = std::max (peak, std::abs (device[ch][i]));
        for (int i = 0; i < samples; ++i)
        {
            const auto value = static_cast<float> (0.1 * std::sin (phase));
            phase += 2.0 * juce::MathConstants<double>::pi * 440.0 / 48000.0;
            for (int ch = 0; ch < numHost; ++ch)
                host[ch][i] = value;
        }
        phase = std::fmod (phase, 2.0 * juce::MathConstants<double>::pi);

        devicePeak = std::max (devicePeak.load(), peak);
        deviceChannels = numDevice;
        hostChannels = numHost;
        lastSamples = samples;
        const double previous = lastTimeStamp.exchange (timeStampMs);
        if (previous > 0.0)
            maxGapMs = std::max (maxGapMs.load(), timeStampMs - previous);
        ++blocks;
    }

    void engineDataReceived (const std::uint8_t*, int) override {}
    void fillPluginData (std::uint8_t*, int, int, int) override {}
    void asyncDataReceived (const std::uint8_t*, int length) override { asyncBytes += length; }

    std::atomic<int> opened { 0 }, closed { 0 }, streamChanges { 0 };
    std::atomic<int> deviceChannels { 0 }, hostChannels { 0 }, lastSamples { 0 };
    std::atomic<std::uint64_t> blocks { 0 }, asyncBytes { 0 };
    std::atomic<float> devicePeak { 0.0f };
    std::atomic<double> lastTimeStamp { 0.0 }, maxGapMs { 0.0 };

private:
    double phase = 0.0;
};

void printStatus (RemoteDeviceClient& client, MonitoringListener& listener, std::uint64_t& lastBlocks)
{
    const auto list = client.getDeviceList();
    std::printf ("engine protocol %u, devices listed: %zu\n", client.getMessageConnection()->getProtocolVersion(),
                 list->getDeviceUids().size());
    for (const auto& text : list->getDeviceDescriptions())
        std::printf ("  device%s\n", text.c_str());

    const bool open = client.isStarted() && client.isDeviceOpen();
    std::printf ("selected %llx, %s (opened %d, closed %d)\n", static_cast<unsigned long long> (client.getSelectedDeviceUid()),
                 open ? "open" : "not open", listener.opened.load(), listener.closed.load());

    const auto blocks = listener.blocks.load();
    std::printf ("blocks %llu (+%llu/s), block size %d (stream value %d, %d changes), samples %d, device channels %d, "
                 "host channels %d, device peak %.3f, largest time-stamp step %.2f ms\n",
                 static_cast<unsigned long long> (blocks), static_cast<unsigned long long> (blocks - lastBlocks),
                 client.getBlockSize(), client.getStreamValue2(), listener.streamChanges.load(), listener.lastSamples.load(),
                 listener.deviceChannels.load(), listener.hostChannels.load(), static_cast<double> (listener.devicePeak.load()),
                 listener.maxGapMs.load());
    lastBlocks = blocks;
    listener.devicePeak = 0.0f;
    listener.maxGapMs = 0.0;
    std::fflush (stdout);
}
} // namespace

int runEngineSessionMonitor (int argc, char** argv)
{
    std::signal (SIGINT, onSignal);
    std::signal (SIGTERM, onSignal);

    EngineClientOptions options;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp (argv[i], "--port") == 0 && i + 1 < argc)
            options.messagePort = std::atoi (argv[++i]);

    juce::ScopedJuceInitialiser_GUI juce;
    auto preferences = std::make_shared<GlobalPreferences> (true, false);
    CorvanelLogger::initialise (readLoggerSettings (*preferences), "Kolvane_engine_session.log");
    const auto logFile = CorvanelLogger::currentLogFile();
    std::printf ("Connecting to the engine on port %d (log: %s)\n", options.messagePort,
                 logFile == juce::File() ? "none" : logFile.getFullPathName().toRawUTF8());
    std::fflush (stdout);

    auto state = std::make_shared<PluginState>();
    MonitoringListener listener;
    auto client = makeRemoteDeviceClient ({ 30 }, state, preferences, options);
    client->setDeviceListener (&listener);
    client->start();

    std::uint64_t lastBlocks = 0;
    auto nextPrint = juce::Time::getMillisecondCounterHiRes() + 1000.0;
    while (! quitRequested.load())
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
        if (juce::Time::getMillisecondCounterHiRes() >= nextPrint)
        {
            printStatus (*client, listener, lastBlocks);
            nextPrint += 1000.0;
        }
    }

    std::printf ("Stopping\n");
    client->stop();
    client.reset();
    CorvanelLogger::shutdown();
    return 0;
}

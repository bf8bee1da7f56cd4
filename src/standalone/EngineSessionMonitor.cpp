#include "standalone/EngineSessionMonitor.h"

#include "foundation/GlobalPreferences.h"
#include "foundation/Logger.h"
#include "processor/PluginProcessorFactory.h"
#include "processor/VantuAudioProcessor.h"
#include "standalone/DeviceModelSummary.h"
#include "standalone/ModelChangeFollower.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace
{
std::atomic<bool> quitRequested { false };

void onSignal (int)
{
    quitRequested = true;
}

constexpr double audioReportIntervalMs = 10000.0;
constexpr double readingReportIntervalMs = 10000.0;

void printLine (const juce::String& line)
{
    std::printf ("%s\n", line.toRawUTF8());
    std::fflush (stdout);
}

// Stands between the engine client and the processor: hands everything to the
// processor, and on the way counts the device's opens and closes and its audio
// blocks, measures the device outputs and sends a quiet 440 Hz tone into the
// device inputs.
class MonitoringListener final : public RemoteDeviceClient::DeviceListener
{
public:
    explicit MonitoringListener (CommonAudioProcessor& p) : processor (p) {}

    // Message thread: takes the client's calls from the processor. A device that
    // opened before counts as opened once.
    void install (RemoteDeviceClient& client)
    {
        client.setDeviceListener (this);
        if (client.isDeviceOpen())
            ++opened;
    }

    // Client job thread.
    void deviceOpened() override
    {
        processor.deviceOpened();
        ++opened;
    }

    // Client job thread, or the thread that stops the client.
    void deviceClosed() override
    {
        processor.deviceClosed();
        ++closed;
    }

    // Characteristics thread.
    void streamCharacteristicsChanged() override
    {
        processor.streamCharacteristicsChanged();
        ++streamChanges;
    }

    // Audio thread.
    void audioBlockReceived (float* const* device, int numDevice, float* const* host, int numHost, int samples,
                             double timeStampMs) override
    {
        processor.audioBlockReceived (device, numDevice, host, numHost, samples, timeStampMs);
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

    void engineDataReceived (const std::uint8_t* data, int length) override
    {
        processor.engineDataReceived (data, length);
    }

    void fillPluginData (std::uint8_t* data, int capacity, int samples, int stride) override
    {
        processor.fillPluginData (data, capacity, samples, stride);
    }

    // "Async data IPC Client" thread.
    void asyncDataReceived (const std::uint8_t* data, int length) override
    {
        processor.asyncDataReceived (data, length);
    }

    std::atomic<int> opened { 0 }, closed { 0 }, streamChanges { 0 };
    std::atomic<int> deviceChannels { 0 }, hostChannels { 0 }, lastSamples { 0 };
    std::atomic<std::uint64_t> blocks { 0 };
    std::atomic<float> devicePeak { 0.0f };
    std::atomic<double> lastTimeStamp { 0.0 }, maxGapMs { 0.0 };

private:
    CommonAudioProcessor& processor;
    double phase = 0.0;
};

// Whether the engine's message channel is up (message channel reader thread).
class EngineWatcher final : public RemoteIpcMessageConnectionIfc::Listener
{
public:
    void deviceAttached (std::uint64_t) override {}
    void deviceDetached (std::uint64_t) override {}
    void deviceDescriptionUpdated (std::uint64_t) override {}
    void valueMessageReceived (std::uint32_t) override {}
    void connectionStateChanged (bool protocolOk) override { connected = protocolOk; }
    void disconnected() override { connected = false; }

    std::atomic<bool> connected { false };
};

// What the console shows, driven from the message loop.
class SessionPrinter
{
public:
    SessionPrinter (CommonAudioProcessor& h, MonitoringListener& l, EngineWatcher& w, int p)
        : client (h.getEngineClient()), listener (l), engine (w), host (h), port (p)
    {
    }

    // Message thread, between dispatches.
    void tick()
    {
        const auto now = juce::Time::getMillisecondCounterHiRes();
        followEngine();
        followDeviceList();
        followDevice (now);
        reportAudio (now);
    }

    // Message thread: the follower goes before the model it watches.
    void stop() { follower.reset(); }

private:
    void followEngine()
    {
        const bool connected = engine.connected.load();
        if (connected == engineConnected)
            return;
        engineConnected = connected;
        if (connected)
            printLine ("Engine connected (protocol " + juce::String (client.getMessageConnection()->getProtocolVersion()) + ")");
        else if (everConnected)
            printLine ("Engine gone: waiting for it on port " + juce::String (port));
        everConnected = everConnected || connected;
    }

    void followDeviceList()
    {
        const auto descriptions = client.getDeviceList()->getDeviceDescriptions();
        if (descriptions == lastDescriptions)
            return;
        lastDescriptions = descriptions;
        printLine ("Devices listed: " + juce::String (static_cast<int> (descriptions.size())));
        for (const auto& text : descriptions)
            printLine ("  " + juce::String (text).trimCharactersAtStart (", "));
    }

    void followDevice (double now)
    {
        const int closedNow = listener.closed.load();
        if (closedNow != closedSeen)
        {
            closedSeen = closedNow;
            if (deviceShown)
                printLine ("Kolvane closed: waiting for it to open again");
            deviceShown = false;
            follower.reset();
        }

        const bool open = client.isStarted() && client.isDeviceOpen();
        const int opens = listener.opened.load();
        if (! open || opens == summarisedOpens)
            return;

        if (! deviceShown)
        {
            deviceShown = true;
            readingSince = now;
            printLine ("Opened Kolvane " + juce::String::toHexString (static_cast<juce::int64> (client.getSelectedDeviceUid()))
                       + "; reading its model");
        }

        if (host.getNumDeviceJobs() > 0 || host.getAsyncDataWorker().pendingRequestCount() > 0)
        {
            if (now - readingSince >= readingReportIntervalMs)
            {
                readingSince = now;
                printLine ("Still reading the model (" + juce::String (host.getAsyncDataWorker().pendingRequestCount())
                           + " reads waiting for the device)");
            }
            return;
        }

        // The follower records the values it starts from before the summary is
        // read, so a change arriving meanwhile is printed rather than lost.
        summarisedOpens = opens;
        follower = std::make_unique<ModelChangeFollower> (host.getDeviceInterface(), &host, [] (const juce::String& line) { printLine (line); });
        printLine (formatDeviceSummary (takeDeviceModelSnapshot (host.getDeviceInterface())).trimEnd());
        printLine ("Following changes (Ctrl+C stops)");
    }

    void reportAudio (double now)
    {
        if (now < nextAudioReport)
            return;
        nextAudioReport = now + audioReportIntervalMs;
        const auto blocks = listener.blocks.load();
        if (blocks != lastBlocks)
        {
            std::printf ("audio: %.0f blocks/s, block size %d, device channels %d, host channels %d, device peak %.3f, "
                         "largest time-stamp step %.2f ms\n",
                         static_cast<double> (blocks - lastBlocks) * 1000.0 / audioReportIntervalMs, client.getBlockSize(),
                         listener.deviceChannels.load(), listener.hostChannels.load(),
                         static_cast<double> (listener.devicePeak.load()), listener.maxGapMs.load());
            std::fflush (stdout);
        }
        lastBlocks = blocks;
        listener.devicePeak = 0.0f;
        listener.maxGapMs = 0.0;
    }

    RemoteDeviceClient& client;
    MonitoringListener& listener;
    EngineWatcher& engine;
    CommonAudioProcessor& host;
    const int port;

    bool engineConnected = false, everConnected = false, deviceShown = false;
    int closedSeen = 0, summarisedOpens = 0;
    double readingSince = 0.0;
    double nextAudioReport = juce::Time::getMillisecondCounterHiRes() + audioReportIntervalMs;
    std::uint64_t lastBlocks = 0;
    std::vector<std::string> lastDescriptions;
    std::unique_ptr<ModelChangeFollower> follower;
};
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
    // The program's own edition: it keeps no plug-in log and no state stream.
    juce::PluginHostType::jucePlugInClientCurrentWrapperType = juce::AudioProcessor::wrapperType_Standalone;
    CorvanelLogger::initialise (readLoggerSettings (GlobalPreferences (true, false)), "Kolvane_engine_session.log");
    const auto logFile = CorvanelLogger::currentLogFile();
    std::printf ("Connecting to the engine on port %d (log: %s)\n", options.messagePort,
                 logFile == juce::File() ? "none" : logFile.getFullPathName().toRawUTF8());
    std::fflush (stdout);

    auto processor = createPluginProcessor (options);
    auto& vantu = dynamic_cast<VantuAudioProcessor&> (*processor);
    auto& client = vantu.getEngineClient();
    MonitoringListener listener (vantu);
    EngineWatcher engine;
    client.getMessageConnection()->addListener (&engine);
    // The processor connects from its construction on: a handshake done before the
    // watcher listened is taken from the connection itself.
    if (client.getMessageConnection()->getProtocolVersion() != 0)
        engine.connected = true;
    listener.install (client);

    SessionPrinter printer (vantu, listener, engine, options.messagePort);
    while (! quitRequested.load())
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
        printer.tick();
    }

    std::printf ("Stopping\n");
    std::fflush (stdout);
    printer.stop();
    client.getMessageConnection()->removeListener (&engine);
    processor.reset();   // stops the client, which still reports through the listener

    CorvanelLogger::shutdown();
    return 0;
}

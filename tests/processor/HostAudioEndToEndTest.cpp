// The whole audio path in real time against the emulated engine: its stream thread
// delivers the device's blocks over shared memory while a test host thread calls
// processBlock at 44.1 kHz on the real clock, with sidechain audio, a play head
// and the player's callback lock around each call.
#include "SyncModeProcessor.h"
#include "ProcessorFixture.h"

#include "support/MarkingDeviceListener.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <mutex>
#include <thread>

using namespace processortest;

namespace
{
using MarkingListener = fhtest::MarkingDeviceListener;

// The host: its own thread, one block every blockSize / 44100 s on the real clock.
class TestHostThread
{
public:
    static constexpr double kRate = 44100.0;
    static constexpr int kCapture = 22050;   // the newest half second of every output channel

    TestHostThread (CommonAudioProcessor& p, int block) : processor (p), blockSize (block)
    {
        const int channels = std::max (p.getTotalNumInputChannels(), p.getTotalNumOutputChannels());
        buffer.setSize (channels, 1024);
        capture.assign (static_cast<std::size_t> (p.getTotalNumOutputChannels()), std::vector<float> (kCapture, 0.0f));
        midi.ensureSize (4096);
        playHead.rate = kRate;
        playHead.bpm = 100.0;
        playHead.playing = true;
        processor.setPlayHead (&playHead);
        processor.setRateAndBufferSizeDetails (kRate, block);
        processor.prepareToPlay (kRate, block);
        thread = std::thread ([this] { run(); });
    }

    ~TestHostThread()
    {
        stop = true;
        thread.join();
        processor.setPlayHead (nullptr);
    }

    // Between two blocks, the host prepares again for another block size.
    void prepareAgain (int block) { newBlockSize = block; }

    std::vector<float> channel (int c) const
    {
        const std::lock_guard lock (captureMutex);
        std::vector<float> out (kCapture);
        const auto& ring = capture[static_cast<std::size_t> (c)];
        for (int i = 0; i < kCapture; ++i)
            out[static_cast<std::size_t> (i)] = ring[static_cast<std::size_t> ((captured + i) % kCapture)];
        return out;
    }

    std::atomic<std::uint64_t> calls { 0 };
    std::atomic<std::uint64_t> blocks { 0 };

private:
    void run()
    {
        auto next = std::chrono::steady_clock::now();
        while (! stop)
        {
            if (const int block = newBlockSize.exchange (0); block > 0)
            {
                processor.setRateAndBufferSizeDetails (kRate, block);
                processor.prepareToPlay (kRate, block);
                blockSize = block;
            }
            next += std::chrono::nanoseconds (static_cast<long long> (1e9 * blockSize / kRate));
            std::this_thread::sleep_until (next);

            juce::AudioBuffer<float> view (buffer.getArrayOfWritePointers(), buffer.getNumChannels(), blockSize);
            view.clear();
            // Sidechain channel h carries the level (h + 1) / 64.
            for (int h = 0; h < processor.getTotalNumInputChannels(); ++h)
                juce::FloatVectorOperations::fill (view.getWritePointer (h), static_cast<float> (h + 1) / 64.0f, blockSize);
            {
                const juce::ScopedLock sl (processor.getCallbackLock());
                if (processor.isSuspended())
                {
                    view.clear();
                }
                else
                {
                    const fhtest::ScopedAudioThread mark;
                    processor.processBlock (view, midi);
                    calls += mark.calls().total();
                    ++blocks;
                }
            }
            playHead.advance (blockSize);
            const std::lock_guard lock (captureMutex);
            for (int i = 0; i < blockSize; ++i)
            {
                for (std::size_t c = 0; c < capture.size(); ++c)
                    capture[c][static_cast<std::size_t> (captured)] = view.getSample (static_cast<int> (c), i);
                captured = (captured + 1) % kCapture;
            }
        }
    }

    CommonAudioProcessor& processor;
    int blockSize;
    juce::AudioBuffer<float> buffer;
    juce::MidiBuffer midi;
    TestPlayHead playHead;
    std::atomic<bool> stop { false };
    std::atomic<int> newBlockSize { 0 };
    mutable std::mutex captureMutex;
    std::vector<std::vector<float>> capture;
    int captured = 0;
    std::thread thread;
};

// The frequency of a tone from its rising zero crossings.
double toneFrequency (const std::vector<float>& samples, double rate)
{
    int first = -1;
    int last = -1;
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i)
    {
        if (samples[i - 1] < 0.0f && samples[i] >= 0.0f)
        {
            if (first < 0)
                first = static_cast<int> (i);
            last = static_cast<int> (i);
            ++crossings;
        }
    }
    if (crossings < 2)
        return 0.0;
    return (crossings - 1) * rate / (last - first);
}

class HostAudioEndToEnd : public ProcessorTest
{
protected:
    HostAudioEndToEnd()
    {
        fhemu::EmulatorSession::Settings settings;
        settings.messagePort = 0;
        settings.audio.streamValue2 = kStreamLatency;
        engine = std::make_unique<fhemu::EmulatorSession> (settings);
    }

    ~HostAudioEndToEnd() override
    {
        host.reset();
        owner.reset();
    }

    void startAll()
    {
        juce::PluginHostType::jucePlugInClientCurrentWrapperType = juce::AudioProcessor::wrapperType_VST3;
        startEngine();
        EngineClientOptions options;
        options.messagePort = engine->getMessagePort();
        options.responseTimeout = std::chrono::milliseconds (3000);
        auto made = makeSyncModeProcessor (options, juce::PluginHostType::UnknownHost);
        made->mode = 3;
        for (int h = 0; h < 4; ++h)
            made->getPluginState()->setAudioInputRouting (h, 3 - h);
        processor = made.get();
        owner = std::move (made);
        listener = std::make_unique<MarkingListener> (*processor);
        processor->getEngineClient().setDeviceListener (listener.get());
        host = std::make_unique<TestHostThread> (*processor, 512);
    }

    int expectedLatency() const
    {
        auto& exchange = processor->getAudioExchange();
        const double samples = exchange.hostToDevice.getTargetLatency()
                             + (kStreamLatency + exchange.deviceToHost.getTargetLatency()) * 44100.0 / 48000.0;
        return static_cast<int> (std::lround (samples));
    }

    // Every output bus channel carries the tone of the device channel the map gives.
    // A loaded machine may leave a device block out now and then, which mutes the
    // output briefly and shortens the tone's count of crossings: the check waits up
    // to 10 s for a half second without such a gap before it reports.
    void expectTonesOnTheirBuses()
    {
        if (fhtest::pumpUntil ([&] { return forEachBusChannel ([] (double, double) {}) == 0; }, std::chrono::seconds (10)))
            return;
        forEachBusChannel ([] (double measured, double expected) { EXPECT_NEAR (measured, expected, expected * 0.02); });
    }

    // Calls check (measured, expected) for every bus channel; returns how many lie more
    // than 2 % off. Within 2 %: the clocks' ratio still settles in the first seconds,
    // and the tones lie 110 Hz apart, so no other channel's tone comes that close.
    int forEachBusChannel (const std::function<void (double, double)>& check)
    {
        int off = 0;
        const auto& map = processor->getBusChannelMap();
        for (int bus = 0; bus < processor->getBusCount (false); ++bus)
        {
            for (int c = 0; c < processor->getChannelCountOfBus (false, bus); ++c)
            {
                const auto& entry = map[static_cast<std::size_t> (bus)];
                const int device = entry.firstDeviceChannel + (entry.stereo ? c : 0);
                const auto samples = host->channel (processor->getChannelIndexInProcessBlockBuffer (false, bus, c));
                const double expected = fhemu::EmulatorAudioStream::toneFrequency (device);
                const double measured = toneFrequency (samples, 44100.0);
                SCOPED_TRACE (testing::Message() << "bus " << bus << " channel " << c);
                check (measured, expected);
                off += std::abs (measured - expected) > expected * 0.02 ? 1 : 0;
            }
        }
        return off;
    }

    static constexpr std::uint16_t kStreamLatency = 100;
    std::unique_ptr<MarkingListener> listener;
    std::unique_ptr<TestHostThread> host;
};

TEST_F (HostAudioEndToEnd, DeviceTonesSidechainAudioTransportAndLatencyTravelTheWholePath)
{
    ASSERT_TRUE (fhtest::audioThreadCountersInstalled());
    startAll();
    auto* open = static_cast<fhemu::EmulatorSession::OpenDevice*> (nullptr);
    ASSERT_TRUE (fhtest::pumpUntil ([&] {
        open = engine->openDevice (kUid);
        return open != nullptr && open->audio != nullptr && listener->blocks > 1000;
    }, std::chrono::seconds (20)));
    // A second of silence after the stream starts, a second of fade-in, then full level.
    fhtest::pumpFor (std::chrono::milliseconds (2600));

    expectTonesOnTheirBuses();

    // Sidechain channels 0 to 3 are routed to device inputs 3 to 0 and arrive at their
    // levels; the unrouted device inputs get silence.
    for (int d = 0; d < 8; ++d)
    {
        const auto input = open->audio->deviceInput (d);
        ASSERT_GT (input.size(), 4800u);
        const float expected = d < 4 ? static_cast<float> (3 - d + 1) / 64.0f : 0.0f;
        // Most of the last 4800 samples: under load a late host block may leave a short gap.
        const auto atLevel = std::count_if (input.end() - 4800, input.end(),
                                            [&] (float v) { return std::abs (v - expected) < 1e-4f; });
        EXPECT_GT (atLevel, 4000) << "device input " << d;
    }

    // Tempo and transport in the records the engine read.
    const auto records = open->audio->pluginRecords();
    ASSERT_GT (records.size(), 1000u);
    int running = 0;
    for (const auto& r : records)
    {
        if (r.hasPosition)
        {
            EXPECT_EQ (r.tempo, 12000);
        }
        running += r.transportState == 3 ? 1 : 0;
    }
    EXPECT_GT (running, 500);

    // The latency reported to the host, in host samples.
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return processor->getLatencySamples() == expectedLatency(); }, std::chrono::seconds (2)))
        << processor->getLatencySamples() << " against " << expectedLatency();
    EXPECT_EQ (processor->getSamplePublisher().getSetting (0), processor->getLatencySamples());

    EXPECT_EQ (host->calls, 0u) << "processBlock";
    EXPECT_EQ (listener->calls, 0u) << "fillPluginData and audioBlockReceived";
}

TEST_F (HostAudioEndToEnd, NeitherAudioThreadAllocatesOrBlocksAcrossAStreamResetAndACharacteristicsChange)
{
    ASSERT_TRUE (fhtest::audioThreadCountersInstalled());
    startAll();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener->blocks > 1000 && host->blocks > 100; }, std::chrono::seconds (20)));
    fhtest::pumpFor (std::chrono::milliseconds (500));
    EXPECT_EQ (host->calls, 0u) << "steady state, processBlock";
    EXPECT_EQ (listener->calls, 0u) << "steady state, shared-memory thread";

    // The host prepares again for another block size: both ring sets start over.
    host->prepareAgain (256);
    const auto blocksBefore = host->blocks.load();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return host->blocks > blocksBefore + 400; }, std::chrono::seconds (10)));
    EXPECT_EQ (host->calls, 0u) << "after a stream reset, processBlock";
    EXPECT_EQ (listener->calls, 0u) << "after a stream reset, shared-memory thread";

    // The engine changes the device block size: the stream stops and starts again.
    auto* open = engine->openDevice (kUid);
    ASSERT_NE (open, nullptr);
    open->audio->setBlockSize (256);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return processor->getEngineClient().getBlockSize() == 256; }, std::chrono::seconds (10)));
    fhtest::pumpFor (std::chrono::milliseconds (2600));
    EXPECT_EQ (host->calls, 0u) << "after a characteristics change, processBlock";
    EXPECT_EQ (listener->calls, 0u) << "after a characteristics change, shared-memory thread";
    expectTonesOnTheirBuses();
}
} // namespace

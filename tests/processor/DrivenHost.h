#pragma once

// A test host that drives both audio sides of a processor on one driven clock:
// device blocks of 128 samples at 48 kHz into the device-listener entry points
// (fillPluginData, then audioBlockReceived, as the engine client calls them) and
// host blocks into processBlock, each at its own due time, in time order.
#include "ProcessorFixture.h"
#include "SyncModeProcessor.h"

#include "PluginDataRecords.h"
#include "platform/Clock.h"
#include "processor/CommonAudioProcessor.h"
#include "support/AudioThreadChecks.h"

#include <cmath>
#include <functional>
#include <vector>

namespace processortest
{
class DrivenHost
{
public:
    static constexpr int kDeviceBlock = 128;
    static constexpr double kDeviceRate = 48000.0;

    DrivenHost (CommonAudioProcessor& p, DrivenClock& c) : processor (p), clock (c)
    {
        for (auto& channel : deviceOut)
            channel.assign (kDeviceBlock, 0.0f);
        for (auto& channel : deviceIn)
            channel.assign (kDeviceBlock, 0.0f);
        pluginData.assign (2048, 0);
        // Each device channel carries its own constant level: (channel + 1) / 32.
        deviceLevel = [] (int channel, std::int64_t) { return static_cast<float> (channel + 1) / 32.0f; };
    }

    // Prepares the processor as a host does.
    void prepare (double rate, int block)
    {
        hostRate = rate;
        hostBlock = block;
        playHead.rate = rate;
        processor.setRateAndBufferSizeDetails (rate, block);
        processor.prepareToPlay (rate, block);
        buffer.setSize (std::max (processor.getTotalNumInputChannels(), processor.getTotalNumOutputChannels()), block);
        midi.ensureSize (8192);
        nextHost = clock.nowMs();
        nextDevice = clock.nowMs();
    }

    // Runs both sides for `ms` milliseconds of driven time. While `deviceRunning` is
    // false no device blocks arrive. Every host block's output goes to onHostBlock.
    void run (double ms)
    {
        const double end = clock.nowMs() + ms;
        for (;;)
        {
            const double due = deviceRunning ? std::min (nextDevice, nextHost) : nextHost;
            if (due > end)
                break;
            clock.setMs (due);
            if (deviceRunning && nextDevice <= nextHost)
            {
                deviceBlock();
                nextDevice += 1000.0 * kDeviceBlock / kDeviceRate;
            }
            else
            {
                hostBlockNow();
                nextHost += 1000.0 * hostBlock / hostRate;
            }
        }
        clock.setMs (end);
        if (! deviceRunning)
            nextDevice = end;
    }

    void deviceBlock()
    {
        float* outs[20];
        float* ins[12];
        for (int c = 0; c < 20; ++c)
        {
            for (int i = 0; i < kDeviceBlock; ++i)
                deviceOut[static_cast<std::size_t> (c)][static_cast<std::size_t> (i)] = deviceLevel (c, deviceFrames + i);
            outs[c] = deviceOut[static_cast<std::size_t> (c)].data();
        }
        for (int c = 0; c < 12; ++c)
            ins[c] = deviceIn[static_cast<std::size_t> (c)].data();
        std::fill (pluginData.begin(), pluginData.end(), std::uint8_t { 0 });
        const auto calls = fhtest::callsOnAudioThread ([&] {
            processor.fillPluginData (pluginData.data(), 2048, kDeviceBlock, stride);
            processor.audioBlockReceived (outs, 20, ins, 12, kDeviceBlock, clock.nowMs());
        });
        deviceThreadCalls += calls.total();
        if (calls.total() != 0)
            lastDeviceCalls = calls;
        for (auto& record : fhemu::parsePluginData (pluginData.data(), 2048, kDeviceBlock, stride,
                                                    static_cast<std::uint64_t> (deviceFrames / kDeviceBlock)))
            records.push_back (std::move (record));
        deviceFrames += kDeviceBlock;
        if (onDeviceBlock)
            onDeviceBlock();
    }

    void hostBlockNow()
    {
        buffer.clear();
        if (beforeHostBlock)
            beforeHostBlock();
        if (fillHostInputs)
            fillHostInputs (buffer);
        if (addHostMidi)
            addHostMidi (midi);
        const auto calls = fhtest::callsOnAudioThread ([&] { processor.processBlock (buffer, midi); });
        hostThreadCalls += calls.total();
        if (calls.total() != 0)
            lastHostCalls = calls;
        midi.clear();
        ++hostBlocks;
        playHead.advance (hostBlock);
        if (onHostBlock)
            onHostBlock (buffer);
    }

    CommonAudioProcessor& processor;
    DrivenClock& clock;
    double hostRate = 48000.0;
    int hostBlock = 256;
    int stride = 4;
    bool deviceRunning = true;
    std::int64_t deviceFrames = 0;
    std::int64_t hostBlocks = 0;
    double nextHost = 0.0;
    double nextDevice = 0.0;
    std::function<float (int channel, std::int64_t frame)> deviceLevel;
    std::function<void()> beforeHostBlock;
    std::function<void (juce::AudioBuffer<float>&)> fillHostInputs;
    std::function<void (juce::MidiBuffer&)> addHostMidi;
    std::function<void (const juce::AudioBuffer<float>&)> onHostBlock;
    std::function<void()> onDeviceBlock;
    juce::AudioBuffer<float> buffer;
    juce::MidiBuffer midi;
    std::vector<std::vector<float>> deviceOut { 20 };
    std::vector<std::vector<float>> deviceIn { 12 };
    std::vector<std::uint8_t> pluginData;
    std::vector<fhemu::PluginRecord> records;   // every record the device blocks carried
    TestPlayHead playHead;
    // Heap and blocking calls inside the entry points, and the last call that made any.
    std::uint64_t hostThreadCalls = 0;
    std::uint64_t deviceThreadCalls = 0;
    fhtest::AudioThreadCalls lastHostCalls;
    fhtest::AudioThreadCalls lastDeviceCalls;
};
// The processor with a settable sync mode and the test host on a driven clock; no
// engine (the client finds nothing on its port): the test host is the engine.
class DrivenHostTest : public ProcessorTest
{
protected:
    void start (double rate = 48000.0, int block = 256,
                juce::AudioProcessor::WrapperType wrapper = juce::AudioProcessor::wrapperType_VST3,
                juce::PluginHostType::HostType hostType = juce::PluginHostType::UnknownHost)
    {
        juce::PluginHostType::jucePlugInClientCurrentWrapperType = wrapper;
        EngineClientOptions options;
        options.messagePort = unusedPort();
        options.responseTimeout = std::chrono::milliseconds (3000);
        auto made = makeSyncModeProcessor (options, hostType);
        syncProcessor = made.get();
        processor = made.get();
        owner = std::move (made);
        processor->setClock (clock);
        host = std::make_unique<DrivenHost> (*processor, clock);
        host->prepare (rate, block);
    }

    // Gives the processor the test host's play head.
    void usePlayHead() { processor->setPlayHead (&host->playHead); }

    // The output channel that carries channel `channel` of output bus `bus`.
    int outputChannel (int bus, int channel) const
    {
        return processor->getChannelIndexInProcessBlockBuffer (false, bus, channel);
    }

    ~DrivenHostTest() override
    {
        if (processor != nullptr)
            processor->setPlayHead (nullptr);
        owner.reset();
    }

    DrivenClock clock;
    std::unique_ptr<DrivenHost> host;
    SyncModeProcessor* syncProcessor = nullptr;
};
} // namespace processortest

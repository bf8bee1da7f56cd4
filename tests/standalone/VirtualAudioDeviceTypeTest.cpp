#include "standalone/VirtualAudioDeviceType.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

using namespace std::chrono_literals;
using corvanel::VirtualAudioDeviceOptions;
using corvanel::VirtualAudioDeviceType;

namespace
{
// A callback that plays a sine into every output and remembers what it was given.
class ToneCallback final : public juce::AudioIODeviceCallback
{
public:
    explicit ToneCallback (double frequency = 1000.0) : toneHz (frequency) {}

    // Device thread.
    void audioDeviceIOCallbackWithContext (const float* const* inputs, int numInputs, float* const* outputs,
                                           int numOutputs, int numSamples,
                                           const juce::AudioIODeviceCallbackContext& context) override
    {
        lastInputs = numInputs;
        lastOutputs = numOutputs;
        lastBlock = numSamples;
        hadHostTime = context.hostTimeNs != nullptr && *context.hostTimeNs > 0;
        float peak = 0.0f;
        for (int c = 0; c < numInputs; ++c)
            for (int i = 0; i < numSamples; ++i)
                peak = std::max (peak, std::abs (inputs[c][i]));
        inputPeak = peak;
        for (int i = 0; i < numSamples; ++i)
        {
            const auto value = 0.5f * static_cast<float> (std::sin (phase));
            phase += juce::MathConstants<double>::twoPi * toneHz / rate;
            for (int c = 0; c < numOutputs; ++c)
                outputs[c][i] = value;
        }
        blocks.fetch_add (1);
        frames.fetch_add (numSamples);
    }

    // Message thread.
    void audioDeviceAboutToStart (juce::AudioIODevice* device) override
    {
        rate = device->getCurrentSampleRate();
        ++starts;
    }
    void audioDeviceStopped() override { ++stops; }

    const double toneHz;
    double rate = 48000.0;
    double phase = 0.0;
    std::atomic<int> lastInputs { -1 }, lastOutputs { -1 }, lastBlock { 0 };
    std::atomic<bool> hadHostTime { false };
    std::atomic<float> inputPeak { 0.0f };
    std::atomic<std::int64_t> blocks { 0 }, frames { 0 };
    int starts = 0, stops = 0;
};

class VirtualAudioDeviceTypeTest : public fhtest::AppTest
{
protected:
    // A manager with only the virtual type, opened with the given channels.
    VirtualAudioDeviceType& open (VirtualAudioDeviceOptions options, int inputs = 0, int outputs = 2)
    {
        auto& type = VirtualAudioDeviceType::addTo (manager, std::move (options));
        const auto error = manager.initialise (inputs, outputs, nullptr, false);
        EXPECT_TRUE (error.isEmpty()) << error;
        manager.addAudioCallback (&callback);
        return type;
    }

    void TearDown() override { manager.removeAudioCallback (&callback); }

    ToneCallback callback;
    juce::AudioDeviceManager manager;
};
} // namespace

TEST (VirtualAudioDeviceOptionsTest, TextNamesTheSettingsAndReportsWhatItCannotUse)
{
    struct Case
    {
        const char* text;
        double rate;
        int block;
        double drift;
        int outputs;
        int inputs;
        int errors;
    };
    const Case cases[] = {
        { "1", 48000.0, 256, 0.0, 2, 2, 0 },
        { "", 48000.0, 256, 0.0, 2, 2, 0 },
        { "rate=44100,block=1024,drift=-50,outputs=4,inputs=0", 44100.0, 1024, -50.0, 4, 0, 0 },
        { " rate = 96000 , block=480", 96000.0, 480, 0.0, 2, 2, 0 },
        { "rate=fast,block=4", 48000.0, 256, 0.0, 2, 2, 2 },
        { "speed=2,outputs=-1,inputs=65", 48000.0, 256, 0.0, 2, 2, 3 },
        { "drift=20000,block=99999", 48000.0, 256, 0.0, 2, 2, 2 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.text);
        juce::StringArray errors;
        const auto options = VirtualAudioDeviceOptions::fromText (c.text, &errors);
        EXPECT_EQ (options.sampleRate, c.rate);
        EXPECT_EQ (options.blockSize, c.block);
        EXPECT_EQ (options.clockDriftPpm, c.drift);
        EXPECT_EQ (options.numOutputChannels, c.outputs);
        EXPECT_EQ (options.numInputChannels, c.inputs);
        EXPECT_EQ (errors.size(), c.errors) << errors.joinIntoString ("; ");
    }

    const auto flags = VirtualAudioDeviceOptions::fromText ("fail=1,panel=1,tone=440,wav=/tmp/x.wav");
    EXPECT_TRUE (flags.failToOpen);
    EXPECT_TRUE (flags.hasControlPanel);
    EXPECT_EQ (flags.inputToneHz, 440.0);
    EXPECT_EQ (flags.outputRecording, juce::File ("/tmp/x.wav"));
    juce::StringArray errors;
    EXPECT_EQ (VirtualAudioDeviceOptions::fromText ("wav=relative.wav", &errors).outputRecording, juce::File());
    EXPECT_EQ (errors.size(), 1);
}

TEST_F (VirtualAudioDeviceTypeTest, IsTheManagersCurrentTypeAndOpensItsDeviceAtTheChosenRateAndBlock)
{
    VirtualAudioDeviceOptions options;
    options.sampleRate = 44100.0;
    options.blockSize = 1024;   // above the shell's cap: the device itself takes any size
    options.numOutputChannels = 4;
    options.numInputChannels = 3;
    options.inputToneHz = 440.0;
    open (options, 2, 2);

    EXPECT_EQ (manager.getCurrentAudioDeviceType(), VirtualAudioDeviceType::typeName);
    auto* device = manager.getCurrentAudioDevice();
    ASSERT_NE (device, nullptr);
    EXPECT_EQ (device->getName(), VirtualAudioDeviceType::deviceName);
    EXPECT_EQ (device->getCurrentSampleRate(), 44100.0);
    EXPECT_EQ (device->getCurrentBufferSizeSamples(), 1024);
    EXPECT_TRUE (device->getAvailableBufferSizes().contains (1024));
    EXPECT_EQ (device->getAvailableSampleRates(), juce::Array<double> { 44100.0 });
    EXPECT_EQ (device->getOutputChannelNames().size(), 4);
    EXPECT_EQ (device->getInputChannelNames().size(), 3);
    EXPECT_FALSE (device->hasControlPanel());

    ASSERT_TRUE (fhtest::pumpUntil ([&] { return callback.blocks.load() >= 3; }, 3000ms));
    EXPECT_EQ (callback.starts, 1);
    // The callback sees the active channels only.
    EXPECT_EQ (callback.lastInputs.load(), 2);
    EXPECT_EQ (callback.lastOutputs.load(), 2);
    EXPECT_EQ (callback.lastBlock.load(), 1024);
    EXPECT_TRUE (callback.hadHostTime.load());
    EXPECT_NEAR (callback.inputPeak.load(), 0.1f, 0.01f);
}

TEST_F (VirtualAudioDeviceTypeTest, CallsBackAtItsRateAndFollowsTheChosenClockDrift)
{
    struct Case
    {
        double drift;
        int block;
    };
    for (const auto c : { Case { 0.0, 256 }, Case { 10000.0, 128 }, Case { -10000.0, 640 } })
    {
        SCOPED_TRACE (c.drift);
        juce::AudioDeviceManager own;
        VirtualAudioDeviceOptions options;
        options.clockDriftPpm = c.drift;
        options.blockSize = c.block;
        VirtualAudioDeviceType::addTo (own, options);
        ASSERT_TRUE (own.initialise (0, 2, nullptr, false).isEmpty());
        ToneCallback counter;
        own.addAudioCallback (&counter);
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return counter.blocks.load() > 2; }, 2000ms));
        const auto frames0 = counter.frames.load();
        const auto t0 = std::chrono::steady_clock::now();
        std::this_thread::sleep_for (2000ms);
        const auto frames = counter.frames.load() - frames0;
        const auto seconds = std::chrono::duration<double> (std::chrono::steady_clock::now() - t0).count();
        own.removeAudioCallback (&counter);
        const double expected = 48000.0 * (1.0 + c.drift * 1.0e-6);
        // Pacing by absolute deadlines: at most a few blocks off at the ends of the window.
        EXPECT_NEAR (frames / seconds, expected, expected * 0.004 + 3.0 * c.block / seconds);
    }
}

TEST_F (VirtualAudioDeviceTypeTest, AnUnpluggedDeviceStopsAndRefusesToOpenUntilItIsBack)
{
    auto& type = open ({});
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return callback.blocks.load() > 0; }, 2000ms));
    const auto setup = manager.getAudioDeviceSetup();

    type.unplug();
    EXPECT_EQ (callback.stops, 1);
    const auto blocksAtStop = callback.blocks.load();
    fhtest::pumpFor (100ms);
    EXPECT_EQ (callback.blocks.load(), blocksAtStop);

    manager.closeAudioDevice();
    EXPECT_EQ (callback.stops, 1);   // told once only
    EXPECT_EQ (manager.setAudioDeviceSetup (setup, false), VirtualAudioDeviceType::unpluggedMessage);
    EXPECT_EQ (manager.getCurrentAudioDevice(), nullptr);

    type.plugBackIn();
    EXPECT_TRUE (manager.setAudioDeviceSetup (setup, false).isEmpty());
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return callback.blocks.load() > blocksAtStop; }, 2000ms));
    EXPECT_EQ (callback.starts, 2);
}

TEST_F (VirtualAudioDeviceTypeTest, FailsToOpenOnRequestAndClaimsAControlPanel)
{
    VirtualAudioDeviceOptions failing;
    failing.failToOpen = true;
    auto& type = VirtualAudioDeviceType::addTo (manager, failing);
    EXPECT_EQ (manager.initialise (0, 2, nullptr, false), VirtualAudioDeviceType::openFailureMessage);
    EXPECT_EQ (manager.getCurrentAudioDevice(), nullptr);

    VirtualAudioDeviceOptions withPanel;
    withPanel.hasControlPanel = true;
    type.setOptions (withPanel);
    auto setup = manager.getAudioDeviceSetup();
    setup.outputDeviceName = VirtualAudioDeviceType::deviceName;
    ASSERT_TRUE (manager.setAudioDeviceSetup (setup, true).isEmpty());
    auto* device = manager.getCurrentAudioDevice();
    ASSERT_NE (device, nullptr);
    EXPECT_TRUE (device->hasControlPanel());
    EXPECT_FALSE (device->showControlPanel());   // nothing changed
    EXPECT_EQ (type.getControlPanelRequests(), 1);
    EXPECT_EQ (type.getOpenDevice(), device);
}

TEST_F (VirtualAudioDeviceTypeTest, WritesWhatItPlaysToAWavFile)
{
    const auto file = tempHome.home().getChildFile ("played.wav");
    VirtualAudioDeviceOptions options;
    options.outputRecording = file;
    options.blockSize = 480;
    open (options);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return callback.frames.load() >= 9600; }, 3000ms));
    manager.removeAudioCallback (&callback);
    manager.closeAudioDevice();   // completes the file

    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatReader> reader (wav.createReaderFor (file.createInputStream().release(), true));
    ASSERT_NE (reader, nullptr);
    EXPECT_EQ (reader->sampleRate, 48000.0);
    EXPECT_EQ (reader->numChannels, 2u);
    EXPECT_EQ (reader->bitsPerSample, 24u);
    ASSERT_GE (reader->lengthInSamples, 9600);
    EXPECT_EQ (reader->lengthInSamples % 480, 0);

    // The callback's 1 kHz tone at 0.5, in both channels.
    juce::AudioBuffer<float> played (2, 4800);
    reader->read (&played, 0, 4800, 0, true, true);
    for (int c = 0; c < 2; ++c)
    {
        EXPECT_NEAR (played.getMagnitude (c, 0, 4800), 0.5f, 0.001f);
        EXPECT_NEAR (played.getRMSLevel (c, 0, 4800), 0.5f / std::sqrt (2.0f), 0.005f);
    }
    int crossings = 0;
    for (int i = 1; i < 4800; ++i)
        crossings += (played.getSample (0, i - 1) < 0.0f) != (played.getSample (0, i) < 0.0f) ? 1 : 0;
    EXPECT_NEAR (crossings, 200, 2);   // 100 periods in 0.1 s
}

// The host audio callback driven by a test host on a driven clock: device blocks
// into the device-listener entry points, host blocks into processBlock.
#include "DrivenHost.h"

using namespace processortest;

namespace
{
float level (int deviceChannel)
{
    return static_cast<float> (deviceChannel + 1) / 32.0f;
}

using HostCallbackTest = DrivenHostTest;

TEST_F (HostCallbackTest, SilentForASecondAfterTheFirstDeviceBlockThenFadingInOverASecond)
{
    start();
    std::vector<double> times;
    std::vector<float> firstGain, lastGain;
    host->onHostBlock = [&] (const juce::AudioBuffer<float>& out) {
        times.push_back (clock.nowMs());
        const float* main = out.getReadPointer (outputChannel (0, 0));
        firstGain.push_back (main[0] / level (0));
        lastGain.push_back (main[host->hostBlock - 1] / level (0));
    };
    const double firstDeviceBlock = clock.nowMs();
    host->run (3000.0);

    // Silent up to the unmute time, a second after the first device block.
    std::size_t firstSound = 0;
    while (firstSound < lastGain.size() && lastGain[firstSound] == 0.0f)
        ++firstSound;
    ASSERT_LT (firstSound, lastGain.size());
    EXPECT_NEAR (times[firstSound], firstDeviceBlock + 1000.0, 6.0);

    // Then a linear ramp over one second (48000 samples), rising in every block.
    std::size_t full = firstSound;
    while (full < firstGain.size() && firstGain[full] < 0.99999f)
        ++full;
    ASSERT_LT (full, firstGain.size());
    EXPECT_NEAR (times[full] - times[firstSound], 1000.0, 12.0);
    for (std::size_t i = firstSound + 1; i < full; ++i)
    {
        const double expected = (times[i] - times[firstSound]) / 1000.0;
        EXPECT_NEAR (firstGain[i], expected, 0.01) << "block " << i;
        EXPECT_GT (lastGain[i], firstGain[i]);
    }
    for (std::size_t i = full; i < lastGain.size(); ++i)
        ASSERT_NEAR (lastGain[i], 1.0f, 1e-5f) << "block " << i;
}

TEST_F (HostCallbackTest, EachBusChannelCarriesItsDeviceChannelAndMonoBusesRepeatTheirs)
{
    start();
    host->run (2500.0);
    juce::AudioBuffer<float> out;
    host->onHostBlock = [&] (const juce::AudioBuffer<float>& b) { out.makeCopyOf (b); };
    host->run (10.0);
    const auto& map = processor->getBusChannelMap();
    for (int bus = 0; bus < processor->getBusCount (false); ++bus)
    {
        for (int channel = 0; channel < processor->getChannelCountOfBus (false, bus); ++channel)
        {
            const int device = map[static_cast<std::size_t> (bus)].firstDeviceChannel
                             + (map[static_cast<std::size_t> (bus)].stereo ? channel : 0);
            const float* samples = out.getReadPointer (outputChannel (bus, channel));
            for (int i = 0; i < host->hostBlock; ++i)
                ASSERT_NEAR (samples[i], level (device), 1e-5f) << "bus " << bus << " channel " << channel;
        }
    }
}

TEST_F (HostCallbackTest, AMissingDeviceBlockMutesAtOnceAndTheAudioFadesBackIn5Ms)
{
    start();
    host->run (2500.0);
    std::vector<float> main;
    host->onHostBlock = [&] (const juce::AudioBuffer<float>& out) {
        const float* samples = out.getReadPointer (outputChannel (0, 0));
        main.insert (main.end(), samples, samples + host->hostBlock);
    };
    host->deviceRunning = false;
    host->run (40.0);
    // Some blocks still read what was written; then nothing but silence.
    ASSERT_FALSE (main.empty());
    EXPECT_EQ (main.back(), 0.0f);
    const auto silentFrom = std::find (main.begin(), main.end(), 0.0f) - main.begin();
    for (auto i = silentFrom; i < static_cast<long> (main.size()); ++i)
        ASSERT_EQ (main[static_cast<std::size_t> (i)], 0.0f) << "the mute holds, no fade-out";

    main.clear();
    host->deviceRunning = true;
    host->run (200.0);
    const auto back = std::find_if (main.begin(), main.end(), [] (float v) { return v != 0.0f; }) - main.begin();
    ASSERT_LT (back, static_cast<long> (main.size()));
    // 5 ms at 48 kHz: 240 samples from the first sound to full level, linearly.
    const auto fullAt = std::find_if (main.begin() + back, main.end(), [] (float v) { return v >= level (0) * 0.99999f; })
                      - main.begin();
    EXPECT_NEAR (static_cast<double> (fullAt - back), 240.0, 2.0);
    EXPECT_NEAR (main[static_cast<std::size_t> (back + 120)] / level (0), 0.5, 0.01);
}

TEST_F (HostCallbackTest, OversizedOrOfflineBlocksGetTheBypassOutput)
{
    start (48000.0, 1024);
    host->run (2500.0);
    ASSERT_GT (processor->getOutputStage().getFadeValue(), 0.99f);

    struct Case
    {
        const char* name;
        int samples;
        bool offline;
        bool bypassed;
    };
    for (const auto& c : { Case { "1025 samples", 1025, false, true }, Case { "1024 samples", 1024, false, false },
                           Case { "offline", 256, true, true } })
    {
        SCOPED_TRACE (c.name);
        processor->setNonRealtime (c.offline);
        juce::AudioBuffer<float> buffer (host->buffer.getNumChannels(), c.samples);
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            for (int i = 0; i < c.samples; ++i)
                buffer.setSample (ch, i, 0.75f);
        juce::MidiBuffer midi;
        midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 0);
        processor->processBlock (buffer, midi);

        // Inputs on their own channels (the first input bus's), everything else cleared.
        const int inputs = processor->getChannelCountOfBus (true, 0);
        ASSERT_EQ (inputs, 2);
        const int trackBus = outputChannel (3, 0);
        if (c.bypassed)
        {
            EXPECT_EQ (buffer.getSample (0, 0), 0.75f);
            EXPECT_EQ (buffer.getSample (1, 0), 0.75f);
            EXPECT_EQ (buffer.getSample (2, 0), 0.0f);
            EXPECT_EQ (buffer.getSample (trackBus, 0), 0.0f);
            EXPECT_EQ (midi.getNumEvents(), 1) << "MIDI is left alone";
        }
        else
        {
            EXPECT_NE (buffer.getSample (0, 0), 0.75f) << "the device's audio replaces the inputs";
            EXPECT_EQ (midi.getNumEvents(), 0) << "the processor produces no MIDI";
        }
    }
    processor->setNonRealtime (false);
}

TEST_F (HostCallbackTest, StandaloneMixesTheMonitoredBusesIntoMainAndRampsItsGain)
{
    start (48000.0, 256, juce::AudioProcessor::wrapperType_Standalone);
    ASSERT_TRUE (processor->isBusMonitored (0));
    processor->setBusMonitored (4, true);   // "Track 4", mono: device channel 5
    host->run (2500.0);

    juce::AudioBuffer<float> out;
    host->onHostBlock = [&] (const juce::AudioBuffer<float>& b) { out.makeCopyOf (b); };
    host->run (6.0);
    EXPECT_NEAR (out.getSample (0, 10), level (0) + level (5), 1e-5f);
    EXPECT_NEAR (out.getSample (1, 10), level (1) + level (5), 1e-5f);
    for (int ch = 2; ch < out.getNumChannels(); ++ch)
        EXPECT_EQ (out.getMagnitude (ch, 0, out.getNumSamples()), 0.0f) << "channel " << ch;

    // Half gain: a linear 10 ms ramp (480 samples) from 1 to 0.5, the same on both channels.
    processor->setMainOutputGain (0.5f);
    std::vector<float> left, right;
    host->onHostBlock = [&] (const juce::AudioBuffer<float>& b) {
        left.insert (left.end(), b.getReadPointer (0), b.getReadPointer (0) + b.getNumSamples());
        right.insert (right.end(), b.getReadPointer (1), b.getReadPointer (1) + b.getNumSamples());
    };
    host->run (20.0);
    const float l = level (0) + level (5);
    const float r = level (1) + level (5);
    for (std::size_t i = 0; i < 480; ++i)
    {
        const float gain = 1.0f - 0.5f * static_cast<float> (i + 1) / 480.0f;
        ASSERT_NEAR (left[i], l * gain, 1e-4f) << i;
        ASSERT_NEAR (right[i] / r, left[i] / l, 1e-4f) << i;
    }
    for (std::size_t i = 480; i < left.size(); ++i)
        ASSERT_NEAR (left[i], l * 0.5f, 1e-5f) << i;

    processor->setMainOutputGain (0.0f);
    host->run (20.0);
    EXPECT_EQ (left.back(), 0.0f);
}

TEST_F (HostCallbackTest, TheMetersReceiveEveryOutputBusChannel)
{
    class Meter : public SampleSubscriberIfc
    {
    public:
        void newSamples (const float* samples, int n) override
        {
            last = samples[n - 1];
            count += n;
        }
        std::atomic<float> last { -1.0f };
        std::atomic<int> count { 0 };
    };
    start (48000.0, 256, juce::AudioProcessor::wrapperType_Standalone);
    auto track = std::make_shared<Meter>();
    auto main = std::make_shared<Meter>();
    processor->getSamplePublisher().addSubscriber (7, 0, track);
    processor->getSamplePublisher().addSubscriber (0, 1, main);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return processor->getSamplePublisher().getNumSources (1) == 2; }, 5s));
    // In steps the publisher keeps up with (its ring holds about 1.4 s).
    for (int step = 0; step < 25; ++step)
    {
        host->run (100.0);
        const auto expected = static_cast<int> (host->hostBlocks) * host->hostBlock;
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return track->count >= expected && main->count >= expected; }, 5s));
    }
    EXPECT_NEAR (track->last.load(), level (8), 1e-5f);   // "Track 7" reads device channel 8
    EXPECT_NEAR (main->last.load(), level (1), 1e-5f);     // main right after its gain
}

TEST_F (HostCallbackTest, BothAudioThreadsNeitherAllocateNorBlock)
{
    ASSERT_TRUE (fhtest::audioThreadCountersInstalled());
    start (44100.0, 512);
    host->addHostMidi = [] (juce::MidiBuffer& midi) {
        midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 3);
        midi.addEvent (juce::MidiMessage::controllerEvent (2, 1, 64), 7);
        midi.addEvent (juce::MidiMessage::noteOff (1, 60), 300);
    };
    host->run (2500.0);
    EXPECT_EQ (host->hostThreadCalls, 0u) << host->lastHostCalls;
    EXPECT_EQ (host->deviceThreadCalls, 0u) << host->lastDeviceCalls;

    // Keyboard notes played meanwhile reach the device's MIDI without a lock.
    processor->getKeyboardState().noteOn (1, 64, 0.5f);
    host->run (100.0);
    EXPECT_EQ (host->hostThreadCalls, 0u) << host->lastHostCalls;
}
} // namespace

// The multitrack recorder on its own: file names, real WAV files read back with the
// framework's reader, monitoring, overruns and the two restart cases, with the
// audio side driven block by block from the test thread marked as an audio thread.
#include "processor/AudioRecorderCollection.h"

#include "support/AudioThreadChecks.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <future>

using namespace std::chrono_literals;

namespace
{
constexpr int kDeviceChannels = 6;
constexpr int kBlock = 256;

// Milliseconds since 1970 of a local time.
juce::int64 localTimeMs (int year, int month, int day, int hour, int minute, int second)
{
    std::tm t {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return static_cast<juce::int64> (std::mktime (&t)) * 1000;
}

// Collects what a monitor subscription receives (writer thread).
class CollectingSubscriber final : public SampleSubscriberIfc
{
public:
    void newSamples (const float* samples, int numSamples) override
    {
        if (gate != nullptr)
            gate->wait();
        const std::lock_guard<std::mutex> lock (mutex);
        received += numSamples;
        last = samples[numSamples - 1];
    }
    int count() const
    {
        const std::lock_guard<std::mutex> lock (mutex);
        return received;
    }

    std::shared_future<void>* gate = nullptr;
    mutable std::mutex mutex;
    int received = 0;
    float last = 0.0f;
};

class AudioRecorderTest : public fhtest::AppTest
{
protected:
    AudioRecorderTest()
    {
        folder = tempHome.home().getChildFile ("captures");
        folder.createDirectory();
        // Main (stereo, device 0-1), Track 1 (mono, 2), Delay/Reverb (stereo, 3-4), Input (stereo, 5-6:
        // one channel past the device block).
        collection = std::make_unique<AudioRecorderCollection> (
            juce::StringArray { "Main", "Track 1", "Delay/Reverb", "Input" },
            std::vector<BusChannelMapEntry> { { 0, true }, { 2, false }, { 3, true }, { 5, true } }, "Kolvane");
        block.setSize (kDeviceChannels, 70000);
    }

    // Device channel c carries a sine of 100 * (c + 1) Hz at `level`, continuing from the last block.
    void pushBlocks (int count, float level = 0.5f, int size = kBlock)
    {
        for (int n = 0; n < count; ++n)
        {
            for (int c = 0; c < kDeviceChannels; ++c)
                for (int i = 0; i < size; ++i)
                    block.setSample (c, i, level * expectedSample (c, position + i));
            position += size;
            const auto calls = fhtest::callsOnAudioThread (
                [&] { collection->pushDeviceBlock (block.getArrayOfReadPointers(), kDeviceChannels, size); });
            EXPECT_EQ (calls.total(), 0u) << calls;
        }
    }

    static float expectedSample (int channel, juce::int64 index)
    {
        return static_cast<float> (std::sin (juce::MathConstants<double>::twoPi * 100.0 * (channel + 1)
                                             * static_cast<double> (index) / 48000.0));
    }

    AudioRecorder& recorder (int bus) { return *collection->getRecorder (bus); }

    bool startRecorder (int bus, juce::int64 timeMs, const juce::String& prefix = "Take")
    {
        recorder (bus).setPrefix (prefix);
        EXPECT_TRUE (recorder (bus).setOutputDirectory (folder.getFullPathName()));
        return recorder (bus).start (timeMs);
    }

    bool waitForFilesClosed()
    {
        return fhtest::pumpUntil ([&] {
            for (int bus = 0; bus < collection->getNumRecorders(); ++bus)
                if (recorder (bus).hasFileWriters())
                    return false;
            return true;
        }, 5000ms);
    }

    struct Read
    {
        std::unique_ptr<juce::AudioFormatReader> reader;
        juce::AudioBuffer<float> samples;
    };
    static Read readBack (const juce::File& file)
    {
        Read r;
        juce::WavAudioFormat wav;
        r.reader.reset (wav.createReaderFor (file.createInputStream().release(), true));
        if (r.reader != nullptr)
        {
            r.samples.setSize (static_cast<int> (r.reader->numChannels), static_cast<int> (r.reader->lengthInSamples));
            r.reader->read (&r.samples, 0, static_cast<int> (r.reader->lengthInSamples), 0, true, true);
        }
        return r;
    }

    // The largest difference between a channel of a file and device channel `device`
    // at `level`, from stream position `from`.
    static float deviation (const juce::AudioBuffer<float>& samples, int channel, int device, juce::int64 from,
                            float level)
    {
        float worst = 0.0f;
        for (int i = 0; i < samples.getNumSamples(); ++i)
            worst = std::max (worst, std::abs (samples.getSample (channel, i) - level * expectedSample (device, from + i)));
        return worst;
    }

    juce::File folder;
    std::unique_ptr<AudioRecorderCollection> collection;
    juce::AudioBuffer<float> block;
    juce::int64 position = 0;
};
} // namespace

TEST_F (AudioRecorderTest, FileNamesJoinPrefixBusAndLocalStartTime)
{
    struct Case
    {
        const char* prefix;
        int bus;
        const char* expected;
    };
    const auto time = localTimeMs (2024, 3, 15, 14, 30, 5);
    const Case cases[] = {
        { "Take", 0, "Take - Main - 20240315T143005.wav" },
        { "", 1, " - Track 1 - 20240315T143005.wav" },
        { "Kolvane", 2, "Kolvane - Delay-Reverb - 20240315T143005.wav" },
    };
    for (const auto& c : cases)
    {
        recorder (c.bus).setPrefix (c.prefix);
        EXPECT_EQ (recorder (c.bus).fileNameFor (time + 999), c.expected);
    }
    recorder (0).setTrackName ({});
    recorder (0).setPrefix ("Take");
    EXPECT_EQ (recorder (0).fileNameFor (time), "Take - 20240315T143005.wav");

    // The collection names its recorders after the buses, with the processor's name.
    EXPECT_EQ (recorder (3).getPrefix(), "Kolvane");
    EXPECT_EQ (recorder (3).getTrackName(), "Input");
    EXPECT_EQ (recorder (1).getNumChannels(), 1);
    EXPECT_EQ (recorder (2).getNumChannels(), 2);
    EXPECT_EQ (recorder (0).getOutputDirectory(), juce::File::getSpecialLocation (juce::File::userMusicDirectory).getFullPathName());
}

TEST_F (AudioRecorderTest, OutputDirectoryMustBeAnExistingFolder)
{
    const auto before = recorder (0).getOutputDirectory();
    EXPECT_FALSE (recorder (0).setOutputDirectory (folder.getChildFile ("missing").getFullPathName()));
    EXPECT_FALSE (recorder (0).setOutputDirectory ("relative/folder"));
    const auto file = folder.getChildFile ("a file");
    file.replaceWithText ("x");
    EXPECT_FALSE (recorder (0).setOutputDirectory (file.getFullPathName()));
    EXPECT_EQ (recorder (0).getOutputDirectory(), before);
    EXPECT_TRUE (recorder (0).setOutputDirectory (folder.getFullPathName()));

    // A start into a folder that went away fails and prepares nothing.
    EXPECT_TRUE (recorder (1).setOutputDirectory (folder.getFullPathName()));
    folder.getChildFile ("gone").createDirectory();
    EXPECT_TRUE (recorder (1).setOutputDirectory (folder.getChildFile ("gone").getFullPathName()));
    folder.getChildFile ("gone").deleteRecursively();
    EXPECT_FALSE (recorder (1).start (localTimeMs (2024, 3, 15, 14, 30, 5)));
    EXPECT_FALSE (recorder (1).hasFileWriters());
}

TEST_F (AudioRecorderTest, ACaptureWritesTheChosenBusesAs24BitWavFiles)
{
    ASSERT_TRUE (fhtest::audioThreadCountersInstalled());
    const auto time = localTimeMs (2024, 3, 15, 14, 30, 5);
    pushBlocks (4);   // before any capture: nothing is written anywhere
    ASSERT_TRUE (startRecorder (0, time));
    ASSERT_TRUE (startRecorder (2, time));
    pushBlocks (2);   // prepared but not recording yet
    const auto from = position;
    collection->startRecording();
    EXPECT_TRUE (collection->isRecording());
    EXPECT_FALSE (collection->isCaptureStateApplied());
    pushBlocks (100);
    EXPECT_TRUE (collection->isCaptureStateApplied());
    EXPECT_TRUE (recorder (0).isWritingFile());
    EXPECT_FALSE (recorder (1).isWritingFile());
    collection->stopRecording();
    pushBlocks (3);
    ASSERT_TRUE (waitForFilesClosed());
    EXPECT_FALSE (collection->hasOverrun());

    const auto main = readBack (folder.getChildFile ("Take - Main - 20240315T143005.wav"));
    ASSERT_NE (main.reader, nullptr);
    EXPECT_EQ (main.reader->sampleRate, 48000.0);
    EXPECT_EQ (main.reader->bitsPerSample, 24u);
    EXPECT_EQ (main.reader->numChannels, 2u);
    EXPECT_EQ (main.reader->lengthInSamples, 100 * kBlock);
    EXPECT_LT (deviation (main.samples, 0, 0, from, 0.5f), 1.0e-5f);
    EXPECT_LT (deviation (main.samples, 1, 1, from, 0.5f), 1.0e-5f);

    const auto fx = readBack (folder.getChildFile ("Take - Delay-Reverb - 20240315T143005.wav"));
    ASSERT_NE (fx.reader, nullptr);
    EXPECT_EQ (fx.reader->lengthInSamples, 100 * kBlock);
    EXPECT_LT (deviation (fx.samples, 0, 3, from, 0.5f), 1.0e-5f);
    EXPECT_LT (deviation (fx.samples, 1, 4, from, 0.5f), 1.0e-5f);

    EXPECT_EQ (folder.findChildFiles (juce::File::findFiles, false, "*.wav").size(), 2);
}

TEST_F (AudioRecorderTest, TheOverrunFlagRisesWhenTheWriterFallsBehind)
{
    // A monitor subscriber that holds the writer thread: the FIFO fills up.
    std::promise<void> release;
    std::shared_future<void> gate = release.get_future().share();
    struct OpenOnExit
    {
        std::promise<void>& promise;
        ~OpenOnExit()
        {
            try
            {
                promise.set_value();
            }
            catch (const std::future_error&)
            {
            }
        }
    } openOnExit { release };
    auto subscriber = std::make_shared<CollectingSubscriber>();
    subscriber->gate = &gate;
    recorder (0).addMonitorSubscriber (0, subscriber);

    // Stopped: a block that does not fit is dropped without an overrun.
    pushBlocks (1, 0.5f, 70000);
    EXPECT_FALSE (collection->hasOverrun());

    ASSERT_TRUE (startRecorder (0, localTimeMs (2024, 3, 15, 14, 30, 6)));
    collection->startRecording();
    pushBlocks (300);   // 76800 samples against a FIFO of 65536
    EXPECT_TRUE (collection->hasOverrun());
    release.set_value();
    collection->stopRecording();
    pushBlocks (1);
    ASSERT_TRUE (waitForFilesClosed());
    EXPECT_TRUE (collection->hasOverrun());   // until the next capture starts

    ASSERT_TRUE (startRecorder (0, localTimeMs (2024, 3, 15, 14, 30, 7)));
    collection->startRecording();
    EXPECT_FALSE (collection->hasOverrun());
    collection->stopRecording();
}

TEST_F (AudioRecorderTest, ACaptureStartedRightAfterAStopKeepsItsNewWriter)
{
    const auto first = localTimeMs (2024, 3, 15, 14, 30, 5);
    ASSERT_TRUE (startRecorder (0, first));
    collection->startRecording();
    pushBlocks (20);
    collection->stopRecording();
    pushBlocks (1);   // the audio thread leaves the first writer
    // At once, before the writer thread's next slice has released the first writer.
    ASSERT_TRUE (startRecorder (0, first + 1000));
    collection->startRecording();
    const auto from = position;
    pushBlocks (30, 0.25f);
    collection->stopRecording();
    pushBlocks (1);
    ASSERT_TRUE (waitForFilesClosed());

    const auto a = readBack (folder.getChildFile ("Take - Main - 20240315T143005.wav"));
    const auto b = readBack (folder.getChildFile ("Take - Main - 20240315T143006.wav"));
    ASSERT_NE (a.reader, nullptr);
    ASSERT_NE (b.reader, nullptr);
    EXPECT_EQ (a.reader->lengthInSamples, 20 * kBlock);
    EXPECT_EQ (b.reader->lengthInSamples, 30 * kBlock);
    EXPECT_LT (deviation (b.samples, 0, 0, from, 0.25f), 1.0e-5f);
}

TEST_F (AudioRecorderTest, ARestartWithinTheSameSecondOverwritesTheFileOnceTheFirstWriterClosedIt)
{
    const auto time = localTimeMs (2024, 3, 15, 14, 30, 5);
    ASSERT_TRUE (startRecorder (0, time));
    collection->startRecording();
    pushBlocks (200);   // enough that the first writer likely still drains when the restart comes
    collection->stopRecording();
    pushBlocks (1);
    ASSERT_TRUE (startRecorder (0, time + 500));   // the same name: waits for the first writer
    collection->startRecording();
    const auto from = position;
    pushBlocks (10, 0.25f);
    collection->stopRecording();
    pushBlocks (1);
    ASSERT_TRUE (waitForFilesClosed());

    const auto file = readBack (folder.getChildFile ("Take - Main - 20240315T143005.wav"));
    ASSERT_NE (file.reader, nullptr);
    EXPECT_EQ (file.reader->lengthInSamples, 10 * kBlock);
    EXPECT_LT (deviation (file.samples, 0, 0, from, 0.25f), 1.0e-5f);
    EXPECT_EQ (folder.findChildFiles (juce::File::findFiles, false, "*.wav").size(), 1);

    // Starting twice without a capture in between: the second start's file replaces the first's.
    ASSERT_TRUE (startRecorder (1, time));
    ASSERT_TRUE (startRecorder (1, time));
    recorder (1).activateIdleWriter();
    ASSERT_TRUE (waitForFilesClosed());
    const auto empty = readBack (folder.getChildFile ("Take - Track 1 - 20240315T143005.wav"));
    ASSERT_NE (empty.reader, nullptr);
    EXPECT_EQ (empty.reader->lengthInSamples, 0);
}

TEST_F (AudioRecorderTest, MonitorSubscribersHearTheBusWithoutACapture)
{
    auto left = std::make_shared<CollectingSubscriber>();
    auto right = std::make_shared<CollectingSubscriber>();
    auto beyond = std::make_shared<CollectingSubscriber>();
    EXPECT_FALSE (recorder (2).hasMonitorSubscribers());
    recorder (2).addMonitorSubscriber (1, right);
    EXPECT_TRUE (recorder (2).hasMonitorSubscribers());
    recorder (3).addMonitorSubscriber (0, beyond);   // its bus reaches past the device block

    pushBlocks (8);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return right->count() == 8 * kBlock; }, 3000ms));
    EXPECT_FLOAT_EQ (right->last, 0.5f * expectedSample (4, position - 1));
    EXPECT_EQ (beyond->count(), 0);

    // The left channel joins later; removing an expired entry leaves the live ones.
    recorder (2).addMonitorSubscriber (0, left);
    {
        auto gone = std::make_shared<CollectingSubscriber>();
        recorder (2).addMonitorSubscriber (0, gone);
    }
    recorder (2).removeMonitorSubscriber (std::weak_ptr<SampleSubscriberIfc>());
    EXPECT_TRUE (recorder (2).hasMonitorSubscribers());
    pushBlocks (4);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return left->count() == 4 * kBlock && right->count() == 12 * kBlock; }, 3000ms));

    recorder (2).removeMonitorSubscriber (left);
    recorder (2).removeMonitorSubscriber (right);
    EXPECT_FALSE (recorder (2).hasMonitorSubscribers());
    pushBlocks (4);
    fhtest::pumpFor (50ms);
    EXPECT_EQ (right->count(), 12 * kBlock);
    EXPECT_EQ (beyond->count(), 0);
}

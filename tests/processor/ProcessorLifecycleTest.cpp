#include "ProcessorFixture.h"

#include "foundation/GlobalPreferences.h"
#include "foundation/Logger.h"
#include "processor/PluginLog.h"

#include <algorithm>
#include <atomic>
#include <thread>

using namespace processortest;

namespace
{
using Project = fhemu::VirtualProject;

// The reads of a device open, in the order the processor asks for them.
std::vector<std::pair<int, int>> deviceOpenReads()
{
    std::vector<std::pair<int, int>> reads { { Project::kit, 0 } };
    for (int track = 0; track < 12; ++track)
    {
        reads.emplace_back (Project::sound, track);
        reads.emplace_back (Project::soundSetup, track);
    }
    reads.emplace_back (Project::projectSettings, 0);
    reads.emplace_back (Project::soundPoolListing, 0);
    for (int bank = 0; bank < 8; ++bank)
        reads.emplace_back (Project::soundBankListing, bank);
    reads.emplace_back (Project::patternSettings, 0);
    return reads;
}

TEST_F (ProcessorTest, AFactoryBuiltProcessorOpensTheVirtualKolvaneAndReadsItInTheOpenOrder)
{
    startEngine();
    makeProcessor();
    ASSERT_TRUE (waitForWholeModel());
    auto& open = *engine->openDevice (kUid);

    std::vector<std::pair<int, int>> seen;
    for (const auto& read : reads (open))
        seen.emplace_back (read.header.subType, read.header.argument);
    const auto expected = deviceOpenReads();
    ASSERT_EQ (seen.size(), expected.size());
    auto sortedSeen = seen, sortedExpected = expected;
    std::sort (sortedSeen.begin(), sortedSeen.end());
    std::sort (sortedExpected.begin(), sortedExpected.end());
    EXPECT_EQ (sortedSeen, sortedExpected);
    // The jobs are queued in this order and started in it by eight pool threads,
    // so a read can overtake at most seven that were queued before it.
    for (std::size_t i = 0; i < expected.size(); ++i)
    {
        const auto at = std::find (seen.begin(), seen.end(), expected[i]) - seen.begin();
        EXPECT_LE (std::abs (static_cast<long> (at) - static_cast<long> (i)), CommonAudioProcessor::kJobPoolThreads - 1)
            << "read " << i << " arrived as " << at;
    }

    auto& device = processor->getDeviceInterface();
    EXPECT_TRUE (device.getKit().isTransmitThreadRunning());
    EXPECT_TRUE (device.getKit().getFx().isTransmitThreadRunning());
    for (int track = 0; track < 12; ++track)
        EXPECT_TRUE (device.getKit().getSound (track)->isTransmitThreadRunning()) << track;
    EXPECT_TRUE (device.getSettings().isTransmitThreadRunning());
    EXPECT_TRUE (received (open, 0x10).empty());   // reading the device writes nothing back

    const auto& state = *processor->getPluginState();
    EXPECT_EQ (state.getInt64Property (PluginStateIds::selectedDeviceUid, 0), static_cast<juce::int64> (kUid));
    EXPECT_EQ (state.getSelectedDeviceName ({}), "Kolvane");
}

TEST_F (ProcessorTest, AClosedDeviceStopsTheTransmitThreadsAndLeavesTheModelAsItIs)
{
    startEngine();
    makeProcessor();
    ASSERT_TRUE (waitForWholeModel());
    auto& kit = processor->getDeviceInterface().getKit();
    juce::String name;
    ASSERT_TRUE (kit.getStringValue ("Kit_Name", name));

    engine->removeDevice (kUid);
    auto& settings = processor->getDeviceInterface().getSettings();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return ! settings.isTransmitThreadRunning(); }, 10s));   // the last to stop
    EXPECT_FALSE (kit.isTransmitThreadRunning());
    juce::String after;
    EXPECT_TRUE (kit.getStringValue ("Kit_Name", after));
    EXPECT_EQ (after, name);
    EXPECT_EQ (name, juce::String (engine->projectOf (kUid)->getKit().name));

    // The device comes back: it is opened and read again.
    engine->addDevice (fhemu::EmulatorSession::virtualKolvane (kUid));
    ASSERT_TRUE (waitForWholeModel());
    EXPECT_TRUE (kit.isTransmitThreadRunning());
}

TEST_F (ProcessorTest, WithoutAnEngineItRunsSilentAndIsDestroyedWithinTheJobWait)
{
    fhtest::ScopedLogCapture log;
    makeProcessor();
    fhtest::pumpFor (300ms);
    EXPECT_FALSE (processor->getEngineClient().isDeviceOpen());

    processor->setRateAndBufferSizeDetails (48000.0, 512);
    processor->prepareToPlay (48000.0, 512);
    juce::AudioBuffer<float> buffer (processor->getTotalNumOutputChannels(), 512);
    for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
        juce::FloatVectorOperations::fill (buffer.getWritePointer (channel), 0.75f, buffer.getNumSamples());
    juce::MidiBuffer midi;
    midi.addEvent (juce::MidiMessage::noteOn (1, 60, 0.5f), 0);
    midi.addEvent (juce::MidiMessage::pitchWheel (2, 100), 10);
    processor->processBlock (buffer, midi);
    EXPECT_EQ (buffer.getMagnitude (0, buffer.getNumSamples()), 0.0f);
    processor->releaseResources();

    const auto started = std::chrono::steady_clock::now();
    owner.reset();
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_LT (took, std::chrono::milliseconds (CommonAudioProcessor::kJobWaitMs));
    EXPECT_TRUE (log.contains ("About to shutdown. Goodbye!"));
}

TEST_F (ProcessorTest, AJobAddedAfterTheGateClosedIsRefusedAndNeverRuns)
{
    makeProcessor();
    std::atomic<bool> running { false }, lateRan { false }, queuedRan { false };
    std::atomic<int> lateAccepted { -1 };
    auto* executor = static_cast<JobExecutor*> (processor);

    // One job waits for the pool to stop it, then tries to add another; the pool's
    // other threads are kept busy so that one more job stays queued.
    ASSERT_TRUE (executor->addJob ("Waiting", [&] (juce::ThreadPoolJob* job) {
        running = true;
        while (! job->shouldExit())
            std::this_thread::sleep_for (1ms);
        lateAccepted = executor->addJob ("Late", [&] (juce::ThreadPoolJob*) { lateRan = true; }) ? 1 : 0;
    }));
    for (int i = 1; i < CommonAudioProcessor::kJobPoolThreads; ++i)
        ASSERT_TRUE (executor->addJob ("Busy", [] (juce::ThreadPoolJob* job) {
            while (! job->shouldExit())
                std::this_thread::sleep_for (1ms);
        }));
    ASSERT_TRUE (executor->addJob ("Queued", [&] (juce::ThreadPoolJob*) { queuedRan = true; }));
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return running.load(); }, 5s));

    owner.reset();
    processor = nullptr;
    EXPECT_EQ (lateAccepted.load(), 0);
    EXPECT_FALSE (lateRan.load());
    EXPECT_FALSE (queuedRan.load());
}

struct PluginLogCase
{
    const char* name;
    juce::AudioProcessor::WrapperType wrapper;
    bool logged;
};

TEST_F (ProcessorTest, APluginLogIsOpenedOnlyOutsideTheStandaloneWrapper)
{
    GlobalPreferences (true, false).setLogLevel ("info");
    CorvanelLogger::shutdown();   // the test program's own logger
    const std::vector<PluginLogCase> cases {
        { "standalone", juce::AudioProcessor::wrapperType_Standalone, false },
        { "VST3", juce::AudioProcessor::wrapperType_VST3, true },
    };
    for (const auto& c : cases)
    {
        juce::PluginHostType::jucePlugInClientCurrentWrapperType = c.wrapper;
        makeProcessor (juce::PluginHostType::Reason);
        const auto file = CorvanelLogger::currentLogFile();
        owner.reset();
        CorvanelLogger::shutdown();   // writes out what the logger's thread still holds
        EXPECT_EQ (file != juce::File(), c.logged) << c.name;
        if (! c.logged)
            continue;
        EXPECT_EQ (file.getFileName(), pluginLogFileName ("Kolvane", juce::PluginHostType::Reason)
                                           .upToLastOccurrenceOf (".", false, false) + "_1.log");
        const auto text = file.loadFileAsString();
        EXPECT_TRUE (text.contains ("Logger created for Kolvane VST3 plugin. Fernhollow version: " FH_VERSION_STRING)) << text;
        EXPECT_TRUE (text.contains ("About to shutdown. Goodbye!")) << text;
    }
}

TEST (PluginLog, TheFileNameIsTheProcessorAndTheHostTypeNumberWithoutBlanks)
{
    EXPECT_EQ (pluginLogFileName ("Kolvane", juce::PluginHostType::UnknownHost), "Kolvane_0.log");
    EXPECT_EQ (pluginLogFileName ("My Synth", juce::PluginHostType::Reason),
               "My_Synth_" + juce::String (static_cast<int> (juce::PluginHostType::Reason)) + ".log");
}

TEST_F (ProcessorTest, TheStateStreamIsWrittenAndReadOnlyOutsideTheStandaloneWrapper)
{
    for (const auto wrapper : { juce::AudioProcessor::wrapperType_Standalone, juce::AudioProcessor::wrapperType_VST3 })
    {
        const bool standalone = wrapper == juce::AudioProcessor::wrapperType_Standalone;
        juce::PluginHostType::jucePlugInClientCurrentWrapperType = wrapper;
        makeProcessor();
        auto& state = *processor->getPluginState();
        state.setIntProperty (PluginStateIds::uiScale, 150);

        juce::MemoryBlock block ("kept", 4);
        processor->getStateInformation (block);
        EXPECT_EQ (block == juce::MemoryBlock ("kept", 4), standalone);

        SynthPluginState other;
        other.upgradeAndSetDefaults();
        other.setIntProperty (PluginStateIds::uiScale, 75);
        juce::MemoryBlock stream;
        juce::MemoryOutputStream out (stream, false);
        other.writeToStream (out);
        out.flush();
        processor->setStateInformation (stream.getData(), static_cast<int> (stream.getSize()));
        EXPECT_EQ (state.getIntProperty (PluginStateIds::uiScale, 0), standalone ? 150 : 75);
        owner.reset();
    }
}

TEST_F (ProcessorTest, TheProcessorPresentsTheKolvanesBusesProgramAndNames)
{
    juce::PluginHostType::jucePlugInClientCurrentWrapperType = juce::AudioProcessor::wrapperType_Standalone;
    makeProcessor();
    EXPECT_EQ (processor->getName(), "Kolvane");
    EXPECT_EQ (processor->getDeviceName(), "Kolvane");
    EXPECT_EQ (processor->getNumPrograms(), 1);
    EXPECT_EQ (processor->getCurrentProgram(), 0);
    EXPECT_EQ (processor->getProgramName (0), "Empty");
    EXPECT_EQ (processor->getProgramName (7), "Empty");
    EXPECT_TRUE (std::isinf (processor->getTailLengthSeconds()));
    EXPECT_TRUE (processor->acceptsMidi());
    EXPECT_TRUE (processor->producesMidi());
    EXPECT_TRUE (processor->hasEditor());
    EXPECT_EQ (processor->getMainChannelNames(), juce::StringArray ({ "Main L", "Main R", "Pre FX L", "Pre FX R" }));
    EXPECT_EQ (processor->getNoteChannelFirst(), 1);
    EXPECT_EQ (processor->getNoteChannelEnd(), 13);
    EXPECT_EQ (processor->getSyncMode(), 0);
    for (int input = 0; input < 12; ++input)
        EXPECT_EQ (processor->getInputRouting (input), input);

    EXPECT_EQ (processor->getBusCount (true), 4);
    EXPECT_EQ (processor->getTotalNumInputChannels(), 8);
    ASSERT_EQ (processor->getBusCount (false), 16);
    EXPECT_EQ (processor->getBus (false, 13)->getName(), "FX track");
    EXPECT_EQ (processor->getTotalNumOutputChannels(), 32);   // mono buses are offered as stereo
    EXPECT_FALSE (processor->isHostCubaseFamily());
    EXPECT_EQ (processor->getVolatileState().getSelectedTrack(), 0);
    EXPECT_NE (processor->getMachineDataUpdateTimer(), nullptr);
}

TEST_F (ProcessorTest, UnderRenoiseThereAreNoSidechainInputsAndCubaseIsOneFamily)
{
    makeProcessor (juce::PluginHostType::Renoise);
    EXPECT_EQ (processor->getBusCount (true), 0);
    owner.reset();
    makeProcessor (juce::PluginHostType::SteinbergCubase9_5);
    EXPECT_TRUE (processor->isHostCubaseFamily());
    EXPECT_EQ (processor->getBusCount (true), 4);
}
} // namespace

namespace
{
TEST_F (ProcessorTest, ASafetyMarginChangeIsLoggedOnceAndTheSameValueChangesNothing)
{
    fhtest::ScopedLogCapture log;
    makeProcessor();
    EXPECT_EQ (processor->getBufferSafetyMargin(), 100);
    EXPECT_TRUE (log.contains ("Resampler buffer safety margin is 100"));

    auto& preferences = *processor->getGlobalPreferences();
    preferences.setBufferSafetyMargin (100);
    EXPECT_FALSE (log.contains ("Resampler safety margin scale was changed"));
    preferences.setBufferSafetyMargin (150);
    preferences.setBufferSafetyMargin (150);
    EXPECT_EQ (log.count ("Resampler safety margin scale was changed from 100 to 150"), 1);
    EXPECT_EQ (log.count ("Resampler safety margin scale was changed"), 1);
    EXPECT_EQ (processor->getBufferSafetyMargin(), 150);
}

TEST_F (ProcessorTest, StreamCharacteristicsWithoutAnOpenDeviceLeaveProcessingSuspended)
{
    fhtest::ScopedLogCapture log;
    makeProcessor();
    EXPECT_FALSE (isSuspended());
    processor->streamCharacteristicsChanged();
    EXPECT_TRUE (log.contains ("Device is not open."));
    EXPECT_TRUE (isSuspended());
}

TEST_F (ProcessorTest, AnOpenDeviceStreamResumesProcessingAndAClosedOneSuspendsIt)
{
    startEngine();
    makeProcessor();
    ASSERT_TRUE (waitForWholeModel());
    engine->removeDevice (kUid);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return isSuspended(); }, 10s));

    // Opened again, the device's first audio block reports the stream's characteristics.
    engine->addDevice (fhemu::EmulatorSession::virtualKolvane (kUid));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return ! isSuspended(); }, 10s));
    EXPECT_TRUE (processor->getEngineClient().isDeviceOpen());
}
} // namespace

TEST_F (ProcessorTest, NotificationTimeFollowsTheClockTheAudioPathRunsOn)
{
    makeProcessor();
    auto& source = processor->getNotificationSource();
    DrivenClock clock (50000.0);
    processor->setClock (clock);
    EXPECT_EQ (source.getMillisecondsSinceStart(), 0.0);   // counts from the clock's arrival
    clock.advanceMs (4500.0);
    EXPECT_EQ (source.getMillisecondsSinceStart(), 4500.0);
}

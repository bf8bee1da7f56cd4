#include "RecordingDataObject.h"
#include "TestProcessor.h"

#include "processor/HostParameterCreation.h"
#include "processor/MachineParameter.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <thread>

using namespace std::chrono_literals;

namespace
{
    const juce::Identifier levelId ("Test_Level");
    const juce::Identifier panId ("Test_Pan");
    const juce::Identifier maskId ("Test_Mask");
    const juce::Identifier emptyRangeId ("Test_EmptyRange");
    const juce::Identifier plainId ("Test_Plain");
    const juce::Identifier nameId ("Test_Name");
    const juce::Identifier sentinelId ("Test_Sentinel");
    const juce::Identifier unknownId ("Test_NeverRegistered");

    // A data object with a few identifiers of every kind.
    class DataObjectTest : public fhtest::AppTest
    {
    protected:
        DataObjectTest()
        {
            object.addRanged (levelId, 100, 0, 256);
            object.addRanged (panId, 16384, 0, 32512);
            object.addRanged (maskId, -1, -1, 4095);
            object.addRanged (emptyRangeId, 5, 5, 5);
            object.addRanged (sentinelId, 0, 0, 1000);
            object.addParameter (plainId);
            object.addStringParameter (nameId, "INIT");
        }

        // Sends a sentinel value and waits for it: everything queued before it
        // from this thread has been handled when it arrives.
        std::vector<RecordingDataObject::Sent> sentAfterDrain()
        {
            object.startTransmitThread();
            EXPECT_TRUE (object.setValueFromGui (sentinelId, ++sentinel));
            EXPECT_TRUE (fhtest::pumpUntil ([&]
            {
                for (const auto& s : object.sentRecords())
                    if (s.id == sentinelId && s.value == sentinel)
                        return true;
                return false;
            }, 10s));

            std::vector<RecordingDataObject::Sent> result;
            for (const auto& s : object.sentRecords())
                if (s.id != sentinelId)
                    result.push_back (s);
            return result;
        }

        int value (const juce::Identifier& id) const
        {
            int v = -12345;
            EXPECT_TRUE (object.getValue (id, v)) << id.toString();
            return v;
        }

        TestProcessor processor;   // owns the host parameters; outlives the object
        RecordingDataObject object;
        int sentinel = 0;
    };

    RecordingDataObject::Sent transmitted (const juce::Identifier& id, int v) { return { id, v, {}, false, {} }; }
    RecordingDataObject::Sent changed (const juce::Identifier& id, int v) { return { id, v, {}, true, {} }; }
}

TEST_F (DataObjectTest, GuiWriteWithoutHostParameterIsStoredUnclampedAndTransmitted)
{
    EXPECT_TRUE (object.setValueFromGui (levelId, 300));
    EXPECT_EQ (value (levelId), 300);

    const auto sent = sentAfterDrain();
    ASSERT_EQ (sent.size(), 1u);
    EXPECT_EQ (sent[0], transmitted (levelId, 300));
    EXPECT_NE (sent[0].thread, std::this_thread::get_id());   // the transmit thread sends
}

TEST_F (DataObjectTest, GuiWriteWithHostParameterIsClampedAndGoesThroughTheParameter)
{
    auto* parameter = new MachineParameter (&object, levelId, 0, {});
    processor.addParameter (parameter);
    object.addHostParameter (levelId, parameter);

    EXPECT_TRUE (object.setValueFromGui (levelId, 300));
    EXPECT_EQ (value (levelId), 256);
    EXPECT_FLOAT_EQ (parameter->getValue(), 1.0f);

    EXPECT_TRUE (object.setValueFromGui (levelId, -7));
    EXPECT_EQ (value (levelId), 0);

    const auto sent = sentAfterDrain();
    ASSERT_EQ (sent.size(), 2u);
    EXPECT_EQ (sent[0], changed (levelId, 256));
    EXPECT_EQ (sent[1], changed (levelId, 0));

    const auto changes = object.changeRecords();
    ASSERT_GE (changes.size(), 2u);
    EXPECT_EQ (changes[0].value, 256);
}

TEST_F (DataObjectTest, BoundIdentifierWithEmptyRangeRefusesGuiWrites)
{
    MachineParameter parameter (&object, emptyRangeId, 0, {});
    object.addHostParameter (emptyRangeId, &parameter);

    EXPECT_FALSE (object.setValueFromGui (emptyRangeId, 9));
    EXPECT_EQ (value (emptyRangeId), 5);
    float normalised = -1.0f;
    EXPECT_FALSE (object.getNormalisedValue (emptyRangeId, normalised));
    EXPECT_EQ (parameter.getValue(), 0.0f);
    EXPECT_EQ (parameter.getDefaultValue(), 0.0f);
    EXPECT_TRUE (sentAfterDrain().empty());
}

TEST_F (DataObjectTest, UnregisteredIdentifiersAreRefusedAndNeverAdded)
{
    fhtest::ScopedLogCapture log;
    gLogger->set_level (spdlog::level::trace);

    EXPECT_FALSE (object.setValueFromGui (unknownId, 5));
    EXPECT_FALSE (object.setValueFromGui2 (unknownId, "ABC"));
    EXPECT_FALSE (object.setValueFromHost (unknownId, 0.5f));
    EXPECT_FALSE (object.setValueFromMachine (unknownId, 5, true));
    EXPECT_FALSE (object.setStringValueFromMachine (unknownId, "ABC"));

    int v = 77;
    juce::String text ("unchanged");
    EXPECT_FALSE (object.getValue (unknownId, v));
    EXPECT_FALSE (object.getStringValue (unknownId, text));
    EXPECT_EQ (v, 77);
    EXPECT_EQ (text, "unchanged");
    EXPECT_FALSE (object.getValues().contains (unknownId));
    EXPECT_FALSE (object.getStringValues().contains (unknownId));
    EXPECT_TRUE (log.contains ("unknown id Test_NeverRegistered ignored"));
    EXPECT_TRUE (sentAfterDrain().empty());
}

TEST_F (DataObjectTest, DeviceValuesAreClampedStoredAndNotSentBack)
{
    EXPECT_TRUE (object.setValueFromMachine (levelId, 999, true));
    EXPECT_EQ (value (levelId), 256);
    EXPECT_TRUE (object.isEchoHeld (levelId));

    // Without a range a device value is ignored altogether.
    EXPECT_FALSE (object.setValueFromMachine (plainId, 5, true));
    EXPECT_EQ (value (plainId), 0);

    // The GUI writing what the device reported sends nothing.
    EXPECT_TRUE (object.setValueFromGui (levelId, 256));
    EXPECT_TRUE (sentAfterDrain().empty());
}

TEST_F (DataObjectTest, TransmitThreadComparesEachRecordWithTheLastValueSent)
{
    // Host writes carry their value to sendParameterChange (range 0..256: exact steps).
    const auto host = [&] (int v) { EXPECT_TRUE (object.setValueFromHost (levelId, (float) v / 256.0f)); };

    object.setValueFromMachine (levelId, 50, false);
    fhtest::pumpUntil ([&] { return ! object.isEchoHeld (levelId); }, 10s);
    host (100);
    host (200);
    host (100);
    host (100);   // equal to the one just sent: dropped
    host (50);

    const auto sent = sentAfterDrain();
    ASSERT_EQ (sent.size(), 4u);
    EXPECT_EQ (sent[0], changed (levelId, 100));
    EXPECT_EQ (sent[1], changed (levelId, 200));
    EXPECT_EQ (sent[2], changed (levelId, 100));
    EXPECT_EQ (sent[3], changed (levelId, 50));
}

TEST_F (DataObjectTest, GuiWriteEqualToTheLastValueSentIsNotTransmitted)
{
    object.setValueFromMachine (levelId, 100, false);
    object.setValueFromGui (levelId, 100);
    EXPECT_TRUE (sentAfterDrain().empty());

    object.setValueFromGui (levelId, 101);
    object.setValueFromGui (levelId, 101);
    const auto sent = sentAfterDrain();
    ASSERT_EQ (sent.size(), 1u);
    EXPECT_EQ (sent[0], transmitted (levelId, 101));
}

TEST_F (DataObjectTest, FirstUpdateOfAnIdentifierIsSentEvenWhenItIsMinusOne)
{
    object.setValueFromGui (maskId, -1);
    const auto sent = sentAfterDrain();
    ASSERT_EQ (sent.size(), 1u);
    EXPECT_EQ (sent[0], transmitted (maskId, -1));
}

TEST_F (DataObjectTest, FailedSendIsLoggedAndTheValueIsSentAgainLater)
{
    fhtest::ScopedLogCapture log;
    gLogger->set_level (spdlog::level::trace);

    object.failSends = true;
    object.setValueFromGui (levelId, 42);
    object.startTransmitThread();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.contains ("transmitToMachine failed! Test_Level"); }, 10s));

    object.failSends = false;
    object.setValueFromGui (levelId, 42);
    const auto sent = sentAfterDrain();
    ASSERT_EQ (sent.size(), 1u);
    EXPECT_EQ (sent[0], transmitted (levelId, 42));
}

TEST_F (DataObjectTest, EchoHoldKeepsHostWritesFromBeingSentForAboutOneSecond)
{
    ASSERT_TRUE (object.setValueFromMachine (panId, 1000, false));
    ASSERT_TRUE (object.isEchoHeld (panId));

    // Stored and reported, not sent.
    EXPECT_TRUE (object.setValueFromHost (panId, 0.5f));
    EXPECT_EQ (value (panId), 16256);
    EXPECT_EQ (object.changeRecords().back().value, 16256);
    EXPECT_TRUE (sentAfterDrain().empty());

    // Ten ticks of the 10 Hz timer release it.
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return ! object.isEchoHeld (panId); }, 10s));
    EXPECT_TRUE (object.setValueFromHost (panId, 1.0f));
    const auto sent = sentAfterDrain();
    ASSERT_EQ (sent.size(), 1u);
    EXPECT_EQ (sent[0], changed (panId, 32512));
}

class ParameterGesturesTest : public fhtest::AppTest {};

TEST_F (ParameterGesturesTest, HoldLastsTenTicksAndRestarts)
{
    ParameterGestures gestures;
    gestures.stopTimer();   // ticks by hand

    EXPECT_EQ (gestures.getCount (levelId), 0);
    gestures.hold (levelId);
    EXPECT_EQ (gestures.getCount (levelId), 10);
    for (int i = 0; i < 9; ++i)
        gestures.timerCallback();
    EXPECT_TRUE (gestures.isHeld (levelId));
    gestures.hold (levelId);
    EXPECT_EQ (gestures.getCount (levelId), 10);
    for (int i = 0; i < 12; ++i)
        gestures.timerCallback();
    EXPECT_EQ (gestures.getCount (levelId), 0);
    EXPECT_FALSE (gestures.isHeld (panId));
}

TEST_F (DataObjectTest, HostValuesAreDenormalisedToTheNearestStep)
{
    const std::tuple<float, int> cases[] = {
        { 0.0f, 0 }, { 1.0f, 32512 }, { 0.5f, 16256 }, { 0.25f, 8128 }, { 1.0f / 32512.0f, 1 }, { 2.0f, 32512 }, { -1.0f, 0 },
    };
    for (const auto& [normalised, expected] : cases)
    {
        EXPECT_TRUE (object.setValueFromHost (panId, normalised));
        EXPECT_EQ (value (panId), expected) << normalised;
    }
}

TEST_F (DataObjectTest, TextValuesAreCutUpperCasedAndSentOnce)
{
    const std::tuple<juce::String, juce::String> cases[] = {
        { "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP" },
        { "qrstuvwxyzabcdefghij", "QRSTUVWXYZABCDEF" },
        { "kick 2", "KICK 2" },
    };
    for (const auto& [input, stored] : cases)
    {
        EXPECT_TRUE (object.setValueFromGui2 (nameId, input));
        juce::String text;
        EXPECT_TRUE (object.getStringValue (nameId, text));
        EXPECT_EQ (text, stored);

        // Sent at once, on the calling thread.
        const auto sent = object.sentRecords();
        ASSERT_FALSE (sent.empty());
        EXPECT_EQ (sent.back().text, stored);
        EXPECT_EQ (sent.back().thread, std::this_thread::get_id());
    }

    const auto before = object.sentCount();
    EXPECT_TRUE (object.setValueFromGui2 (nameId, "kick 2"));
    EXPECT_EQ (object.sentCount(), before);
    EXPECT_EQ (object.stringChanges.load(), 3);
}

TEST_F (DataObjectTest, FailedTextSendKeepsTheTextAndTriesAgain)
{
    fhtest::ScopedLogCapture log;
    gLogger->set_level (spdlog::level::trace);

    object.failSends = true;
    EXPECT_TRUE (object.setValueFromGui2 (nameId, "snare"));
    EXPECT_TRUE (log.contains ("transmitToMachine failed!"));
    EXPECT_EQ (object.stringChanges.load(), 0);
    juce::String text;
    object.getStringValue (nameId, text);
    EXPECT_EQ (text, "SNARE");

    object.failSends = false;
    EXPECT_TRUE (object.setValueFromGui2 (nameId, "snare"));
    EXPECT_EQ (object.sentCount(), 1u);
    EXPECT_EQ (object.stringChanges.load(), 1);
}

TEST_F (DataObjectTest, DeviceTextIsStoredUpperCasedAndNotSentBack)
{
    EXPECT_TRUE (object.setStringValueFromMachine (nameId, std::string ("hat 1")));
    juce::String text;
    EXPECT_TRUE (object.getStringValue (nameId, text));
    EXPECT_EQ (text, "HAT 1");
    EXPECT_EQ (object.stringChanges.load(), 1);

    EXPECT_TRUE (object.setValueFromGui2 (nameId, "Hat 1"));
    EXPECT_EQ (object.sentCount(), 0u);
}

TEST_F (DataObjectTest, ThrottledCallRunsFirstAtOnceThenOnlyTheLastAfterTheDelay)
{
    object.startTransmitThread();
    std::atomic<int> lastRun { 0 };
    std::atomic<int> runs { 0 };
    std::thread::id secondThread;
    const auto start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point runAt;

    object.throttledCall ("soundBlob", [&] { lastRun = 1; ++runs; }, 1000);
    EXPECT_EQ (lastRun.load(), 1);   // at once, on this thread

    object.throttledCall ("soundBlob", [&] { lastRun = 2; ++runs; }, 1000);
    object.throttledCall ("soundBlob", [&] { runAt = std::chrono::steady_clock::now(); secondThread = std::this_thread::get_id(); lastRun = 3; ++runs; }, 1000);
    EXPECT_EQ (lastRun.load(), 1);

    ASSERT_TRUE (fhtest::pumpUntil ([&] { return runs.load() == 2; }, 10s));
    EXPECT_EQ (lastRun.load(), 3);
    EXPECT_GE (runAt - start, 990ms);
    EXPECT_NE (secondThread, std::this_thread::get_id());

    fhtest::pumpFor (200ms);
    EXPECT_EQ (runs.load(), 2);
    object.stopTransmitThread();
}

TEST_F (DataObjectTest, ThrottledCallMayAddAnotherThrottledCall)
{
    object.startTransmitThread();
    std::atomic<int> innerRuns { 0 };
    object.throttledCall ("outer", [] {}, 10);
    object.throttledCall ("outer", [&]
    {
        object.throttledCall ("inner", [&] { ++innerRuns; }, 10);
    }, 10);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return innerRuns.load() == 1; }, 10s));
    object.stopTransmitThread();
}

TEST_F (DataObjectTest, QueuedWritesWaitForTheThreadAndSurviveARestart)
{
    object.setValueFromGui (levelId, 1);
    fhtest::pumpFor (50ms);
    EXPECT_EQ (object.sentCount(), 0u);

    object.startTransmitThread();
    ASSERT_TRUE (object.waitForSent (1));
    object.stopTransmitThread();
    EXPECT_FALSE (object.isTransmitThreadRunning());

    object.setValueFromGui (levelId, 2);
    fhtest::pumpFor (50ms);
    EXPECT_EQ (object.sentCount(), 1u);
    const auto sent = sentAfterDrain();
    ASSERT_EQ (sent.size(), 2u);
    EXPECT_EQ (sent[1], transmitted (levelId, 2));
}

TEST_F (DataObjectTest, ConcurrentWritesFromSeveralThreads)
{
    object.startTransmitThread();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back ([this, t]
        {
            for (int i = 1; i <= 200; ++i)
            {
                object.setValueFromHost (panId, (float) i / 1000.0f);
                object.setValueFromMachine (levelId, i + t, false);
                int v = 0;
                object.getValue (panId, v);
            }
        });
    for (auto& t : threads)
        t.join();

    // Every queued host value was compared and the last one reached the device.
    const auto sent = sentAfterDrain();
    ASSERT_FALSE (sent.empty());
    EXPECT_EQ (sent.back().id, panId);
    EXPECT_EQ (sent.back().value, value (panId));
    object.stopTransmitThread();
}

TEST_F (DataObjectTest, ReadsReportRangesDefaultsAndNames)
{
    int min = 0, max = 0, def = 0;
    EXPECT_TRUE (object.getRange (panId, min, max));
    EXPECT_EQ (min, 0);
    EXPECT_EQ (max, 32512);
    EXPECT_TRUE (object.getDefaultValue (panId, def));
    EXPECT_EQ (def, 16384);
    EXPECT_FALSE (object.getRange (plainId, min, max));
    EXPECT_FALSE (object.getDefaultValue (plainId, def));

    float normalised = 0.0f;
    EXPECT_TRUE (object.getNormalisedValue (panId, normalised));
    EXPECT_FLOAT_EQ (normalised, 16384.0f / 32512.0f);

    EXPECT_EQ (object.getParameterName (panId), "Test_Pan");
    EXPECT_EQ (object.getParameterName (unknownId), "Test_NeverRegistered");
}

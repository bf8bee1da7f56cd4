#include "model/RecordingDataObject.h"
#include "model/TestProcessor.h"
#include "processor/HostParameterCreation.h"
#include "processor/MachineParameter.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <thread>

using namespace std::chrono_literals;

namespace
{
    const juce::Identifier levelId ("HostTest_Level");
    const juce::Identifier panId ("HostTest_Pan");
    const juce::Identifier trackLevelId ("HostTest_TrackLevel6");
    const juce::Identifier hiddenId ("HostTest_Hidden");
    const juce::Identifier otherGroupId ("HostTest_OtherGroup");
    const juce::Identifier sentinelId ("HostTest_Sentinel");

    // What the host sees of one parameter: gesture begins and ends and values.
    struct HostRecorder : juce::AudioProcessorParameter::Listener
    {
        void parameterValueChanged (int, float value) override { events.push_back ("value " + juce::String (value, 4)); }
        void parameterGestureChanged (int, bool starting) override { events.push_back (starting ? "begin" : "end"); }

        int count (const juce::String& prefix) const
        {
            return (int) std::count_if (events.begin(), events.end(), [&] (const auto& e) { return e.startsWith (prefix); });
        }

        std::vector<juce::String> events;
    };

    class HostParameterTest : public fhtest::AppTest
    {
    protected:
        HostParameterTest()
        {
            object.addHostRanged (levelId, 0, 0, 256, 356);
            object.addHostRanged (panId, 16384, 0, 32512, 89);
            object.addHostRanged (trackLevelId, 25600, 0, 32512, 10, 5);
            object.addRanged (hiddenId, 0, 0, 256);
            object.addRanged (sentinelId, 0, 0, 100000);

            parameters = createHostParameters (processor, object, 0, 3, "T4 ");
            for (auto* p : parameters)
                p->addListener (&host);
        }

        ~HostParameterTest() override
        {
            for (auto* p : parameters)
                p->removeListener (&host);
            object.stopTransmitThread();
        }

        MachineParameter* parameterFor (const juce::Identifier& id) const
        {
            for (auto* p : parameters)
                if (p->getIdentifier() == id)
                    return p;
            return nullptr;
        }

        TestProcessor processor;
        RecordingDataObject object;
        std::vector<MachineParameter*> parameters;
        HostRecorder host;
    };
}

TEST_F (HostParameterTest, CreatedForHostIdentifiersInRegistrationOrderWithIdsAndNames)
{
    ASSERT_EQ (parameters.size(), 3u);
    EXPECT_EQ (processor.getParameters().size(), 3);

    EXPECT_EQ (parameters[0]->getIdentifier(), levelId);
    EXPECT_EQ (parameters[0]->paramID, "356@3");
    EXPECT_EQ (parameters[0]->getName (4), "T4 HostTest_Level");   // the whole name, whatever the length

    // A description with a track names that track, whatever the index.
    EXPECT_EQ (parameters[2]->paramID, "10@5");

    EXPECT_FLOAT_EQ (parameters[1]->getDefaultValue(), 16384.0f / 32512.0f);
    EXPECT_FLOAT_EQ (parameters[1]->getValue(), 16384.0f / 32512.0f);
}

TEST_F (HostParameterTest, GroupsSelectTheirOwnIdentifiers)
{
    RecordingDataObject other;
    other.addHostRanged (levelId, 0, 0, 256, 1, -1, std::nullopt);   // no group: counts as 0
    other.addHostRanged (otherGroupId, 0, 0, 256, 2, -1, 1);
    other.addHostRanged (panId, 0, 0, 256, 3, -1, 0);
    other.addRanged (hiddenId, 0, 0, 256);                           // no host parameter

    EXPECT_EQ (other.getHostParameterIds (0), (std::vector<juce::Identifier> { levelId, panId }));
    EXPECT_EQ (other.getHostParameterIds (1), (std::vector<juce::Identifier> { otherGroupId }));
    EXPECT_TRUE (other.getHostParameterIds (2).empty());
}

TEST_F (HostParameterTest, ValueForTextIsAlwaysZero)
{
    for (const juce::String text : { "0.5", "1", "abc", "" })
        EXPECT_EQ (parameters[0]->getValueForText (text), 0.0f) << text;
}

TEST_F (HostParameterTest, HostAutomationIsStoredAndQueuedWithoutGesture)
{
    parameters[1]->setValue (1.0f);
    int v = 0;
    EXPECT_TRUE (object.getValue (panId, v));
    EXPECT_EQ (v, 32512);
    EXPECT_EQ (host.count ("begin"), 0);

    object.startTransmitThread();
    ASSERT_TRUE (object.waitForSent (1));
    EXPECT_EQ (object.sentRecords()[0].value, 32512);
    EXPECT_TRUE (object.sentRecords()[0].asParameterChange);
}

TEST_F (HostParameterTest, BurstOfGuiChangesIsOneGesture)
{
    for (int i = 1; i <= 10; ++i)
        EXPECT_TRUE (object.setValueFromGui (levelId, i * 10));

    EXPECT_EQ (host.count ("begin"), 1);
    EXPECT_EQ (host.count ("value"), 10);
    EXPECT_EQ (host.count ("end"), 0);
    EXPECT_TRUE (parameters[0]->isInGesture());

    ASSERT_TRUE (fhtest::pumpUntil ([&] { return host.count ("end") == 1; }, 10s));
    EXPECT_FALSE (parameters[0]->isInGesture());
    EXPECT_EQ (host.events.front(), "begin");
    EXPECT_EQ (host.events.back(), "end");
}

TEST_F (HostParameterTest, ChangesFurtherApartAreTwoGestures)
{
    object.setValueFromGui (levelId, 10);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return host.count ("end") == 1; }, 10s));
    object.setValueFromGui (levelId, 20);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return host.count ("end") == 2; }, 10s));

    const std::vector<juce::String> expected { "begin", "value 0.0391", "end", "begin", "value 0.0781", "end" };
    EXPECT_EQ (host.events, expected);
}

TEST_F (HostParameterTest, DeviceValueFromAWorkerReachesTheHostInAGestureAndIsNotSentBack)
{
    object.startTransmitThread();
    std::thread worker ([this] { EXPECT_TRUE (object.setValueFromMachine (levelId, 128, true)); });
    worker.join();

    ASSERT_TRUE (fhtest::pumpUntil ([&] { int v = 0; object.getValue (levelId, v); return v == 128; }, 10s));
    EXPECT_EQ (host.count ("begin"), 1);
    EXPECT_EQ (host.count ("value 0.5"), 1);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return host.count ("end") == 1; }, 10s));

    // Nothing went back: a later value is the first thing sent.
    object.setValueFromGui (sentinelId, 1);
    ASSERT_TRUE (object.waitForSent (1));
    EXPECT_EQ (object.sentRecords()[0].id, sentinelId);
}

TEST_F (HostParameterTest, GuiWriteOfTheValueJustReceivedFromTheDeviceSendsNothing)
{
    object.startTransmitThread();
    object.setValueFromMachine (levelId, 100, true);   // message thread: stored at once
    object.setValueFromGui (levelId, 100);
    object.setValueFromGui (sentinelId, 1);
    ASSERT_TRUE (object.waitForSent (1));
    fhtest::pumpFor (20ms);
    ASSERT_EQ (object.sentCount(), 1u);
    EXPECT_EQ (object.sentRecords()[0].id, sentinelId);
}

TEST_F (HostParameterTest, ParameterDestroyedInAGestureEndsIt)
{
    RecordingDataObject local;
    local.addHostRanged (levelId, 0, 0, 256, 1);
    HostRecorder recorder;
    {
        MachineParameter parameter (&local, levelId, 0, {});
        local.addHostParameter (levelId, &parameter);
        parameter.addListener (&recorder);
        local.setValueFromGui (levelId, 64);
        EXPECT_EQ (recorder.count ("begin"), 1);
    }
    EXPECT_EQ (recorder.count ("end"), 1);
}

TEST_F (HostParameterTest, StepPostedForAParameterThatIsGoneDoesNothing)
{
    RecordingDataObject local;
    local.addHostRanged (levelId, 7, 0, 256, 1);
    HostRecorder recorder;
    {
        MachineParameter parameter (&local, levelId, 0, {});
        parameter.addListener (&recorder);
        std::thread worker ([&] { parameter.setValueNotifyingHostFromAnyThread (1.0f); });
        worker.join();
        parameter.removeListener (&recorder);
    }
    fhtest::pumpFor (100ms);
    int v = 0;
    EXPECT_TRUE (local.getValue (levelId, v));
    EXPECT_EQ (v, 7);
    EXPECT_TRUE (recorder.events.empty());
}

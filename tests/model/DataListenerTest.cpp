#include "RecordingDataObject.h"
#include "TestProcessor.h"

#include "foundation/Logger.h"
#include "model/MachineDataObject.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <functional>

using namespace std::chrono_literals;

namespace
{
    const juce::Identifier aId ("ListenerTest_A");
    const juce::Identifier bId ("ListenerTest_B");
    const juce::Identifier cId ("ListenerTest_C");
    const juce::Identifier nameId ("ListenerTest_Name");
    const juce::Identifier missingId ("ListenerTest_Missing");

    template <typename T>
    struct Reported
    {
        juce::Identifier id;
        T value;
        bool operator== (const Reported& other) const { return id == other.id && value == other.value; }
    };

    template <typename T>
    class RecordingListener : public MachineDataObject::Listener<T, MachineDataObject>
    {
    public:
        using MachineDataObject::Listener<T, MachineDataObject>::Listener;

        void valueChanged (MachineDataObject* owner, const juce::Identifier& id, T value) override
        {
            EXPECT_TRUE (juce::MessageManager::existsAndIsCurrentThread());
            EXPECT_NE (owner, nullptr);
            reported.push_back ({ id, value });
            if (onChange)
                onChange();
        }

        std::vector<Reported<T>> take() { return std::exchange (reported, {}); }

        std::vector<Reported<T>> reported;
        std::function<void()> onChange;
    };

    using IntListener = RecordingListener<int>;
    using TextListener = RecordingListener<juce::String>;

    class DataListenerTest : public fhtest::AppTest
    {
    protected:
        DataListenerTest()
        {
            object.addRanged (aId, 0, 0, 1000);
            object.addRanged (bId, 0, 0, 1000);
            object.addRanged (cId, 5, 0, 1000);
            object.addStringParameter (nameId, "KICK");
            processor.openEditor();
        }

        void tick() { timer().timerCallback(); }
        MachineDataUpdateTimer& timer() { return *processor.getMachineDataUpdateTimer(); }

        TestProcessor processor;
        RecordingDataObject object;
    };

    using Ints = std::vector<Reported<int>>;
}

TEST_F (DataListenerTest, FirstTickReportsEveryWatchedIdentifierThenOnlyChanges)
{
    IntListener listener (&processor, &object, { aId, bId, cId });
    tick();
    EXPECT_EQ (listener.take(), (Ints { { aId, 0 }, { bId, 0 }, { cId, 5 } }));

    tick();
    EXPECT_TRUE (listener.take().empty());

    object.setValueFromMachine (bId, 40, false);
    tick();
    EXPECT_EQ (listener.take(), (Ints { { bId, 40 } }));
}

TEST_F (DataListenerTest, SeveralChangesBetweenTicksAreReportedOnceWithTheLastValue)
{
    IntListener listener (&processor, &object, { aId, bId });
    tick();
    listener.take();

    object.setValueFromMachine (aId, 10, false);
    object.setValueFromMachine (aId, 20, false);
    object.setValueFromMachine (bId, 30, false);
    object.setValueFromMachine (bId, 0, false);   // changed and changed back
    tick();
    EXPECT_EQ (listener.take(), (Ints { { aId, 20 } }));
}

TEST_F (DataListenerTest, AddingIdentifiersReportsAllOnTheNextTick)
{
    IntListener listener (&processor, &object, { aId, bId });
    tick();
    listener.take();

    listener.addIdentifiers ({ bId, aId });   // already watched: nothing changes
    tick();
    EXPECT_TRUE (listener.take().empty());

    listener.addIdentifiers ({ aId, cId });
    tick();
    EXPECT_EQ (listener.take(), (Ints { { aId, 0 }, { bId, 0 }, { cId, 5 } }));
}

TEST_F (DataListenerTest, IdentifiersTheOwnerDoesNotHoldAreSkipped)
{
    IntListener listener (&processor, &object, { missingId, aId, nameId });
    tick();
    EXPECT_EQ (listener.take(), (Ints { { aId, 0 } }));
}

TEST_F (DataListenerTest, ListenerWithoutOwnerNeverReports)
{
    IntListener listener (&processor, nullptr, { aId });
    tick();
    EXPECT_TRUE (listener.take().empty());
}

TEST_F (DataListenerTest, TextListenerComparesByContentAndHandsEditsToTheOwner)
{
    TextListener listener (&processor, &object, { nameId, aId });
    tick();
    ASSERT_EQ (listener.reported.size(), 1u);
    EXPECT_EQ (listener.take()[0].value, "KICK");

    object.setStringValueFromMachine (nameId, std::string ("KICK"));
    tick();
    EXPECT_TRUE (listener.take().empty());

    listener.setValue (nameId, "snare");
    tick();
    const auto reported = listener.take();
    ASSERT_EQ (reported.size(), 1u);
    EXPECT_EQ (reported[0].value, "SNARE");
    EXPECT_EQ (object.sentRecords().back().text, "SNARE");
}

TEST_F (DataListenerTest, ValueChangedMayWriteToTheObject)
{
    IntListener listener (&processor, &object, { aId });
    listener.onChange = [&] { object.setValueFromGui (bId, 3); };
    tick();
    int v = 0;
    object.getValue (bId, v);
    EXPECT_EQ (v, 3);
}

TEST_F (DataListenerTest, ClientsArePolledInOrderAndRemovedOnesAreNotCalled)
{
    std::vector<int> calls;
    auto first = std::make_unique<IntListener> (&processor, &object, std::vector<juce::Identifier> { aId });
    auto second = std::make_unique<IntListener> (&processor, &object, std::vector<juce::Identifier> { aId });
    auto third = std::make_unique<IntListener> (&processor, &object, std::vector<juce::Identifier> { aId });
    third->onChange = [&] { calls.push_back (3); };
    second->onChange = [&] { calls.push_back (2); };

    // The first client's reaction destroys the second one during the tick.
    first->onChange = [&] { calls.push_back (1); second.reset(); };
    tick();
    EXPECT_EQ (calls, (std::vector<int> { 1, 3 }));

    // Removing an unknown client changes nothing.
    timer().removeClient (nullptr);
    object.setValueFromMachine (aId, 9, false);
    calls.clear();
    first->onChange = [&] { calls.push_back (1); };
    tick();
    EXPECT_EQ (calls, (std::vector<int> { 1, 3 }));
}

TEST_F (DataListenerTest, RunningTimerPollsAndStopsWhenNoEditorIsOpen)
{
    fhtest::ScopedLogCapture log;
    gLogger->set_level (spdlog::level::trace);

    IntListener listener (&processor, &object, { aId });
    timer().start();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.reported.size() == 1; }, 10s));

    // Editor closed: the next tick polls one last time and stops the timer.
    processor.closeEditor();
    object.setValueFromMachine (aId, 77, false);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return ! timer().isTimerRunning(); }, 10s));
    EXPECT_EQ (listener.reported.back().value, 77);
    EXPECT_TRUE (log.contains ("active editor 0x0"));

    object.setValueFromMachine (aId, 78, false);
    fhtest::pumpFor (150ms);
    EXPECT_EQ (listener.reported.back().value, 77);
}

TEST_F (DataListenerTest, StopTakesTheTimerDown)
{
    timer().start();
    EXPECT_TRUE (timer().isTimerRunning());
    timer().stop();
    EXPECT_FALSE (timer().isTimerRunning());
}

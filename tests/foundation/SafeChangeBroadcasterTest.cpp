#include "foundation/SafeChangeBroadcaster.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

namespace
{
// Records every delivery as "<listener name>:<message>" into a shared log.
struct RecordingListener : SafeChangeListener
{
    RecordingListener (juce::String nameToUse, juce::StringArray& logToUse)
        : name (std::move (nameToUse)), log (logToUse) {}

    void changeListenerCallback (SafeChangeBroadcaster* source) override
    {
        EXPECT_TRUE (juce::MessageManager::getInstance()->isThisTheMessageThread());
        log.add (name + ":" + source->lastMessage);
        if (onCall)
            onCall (source);
    }

    juce::String name;
    juce::StringArray& log;
    std::function<void (SafeChangeBroadcaster*)> onCall;
};

class SafeChangeBroadcasterTest : public fhtest::AppTest
{
protected:
    // Pumps the message loop until the log holds the expected number of lines.
    bool deliveredCount (int expected)
    {
        return fhtest::pumpUntil ([&] { return log.size() >= expected; }, 5s);
    }

    SafeChangeBroadcaster broadcaster;
    juce::StringArray log;
};
} // namespace

TEST_F (SafeChangeBroadcasterTest, PostsFromOneThreadArriveInOrderWithTheirText)
{
    RecordingListener a ("a", log), b ("b", log);
    broadcaster.addChangeListener (&a);
    broadcaster.addChangeListener (&b);

    std::thread ([this] {
        broadcaster.sendChangeMessage ("A");
        broadcaster.sendChangeMessage ("B");
        broadcaster.sendChangeMessage ("C");
    }).join();

    EXPECT_TRUE (broadcaster.lastMessage.isEmpty());
    ASSERT_TRUE (deliveredCount (6));
    fhtest::pumpFor (50ms);
    EXPECT_EQ (log, juce::StringArray ({ "a:A", "b:A", "a:B", "b:B", "a:C", "b:C" }));
    EXPECT_EQ (broadcaster.lastMessage, "C");
}

TEST_F (SafeChangeBroadcasterTest, EqualMessagesAreNeverMerged)
{
    RecordingListener a ("a", log);
    broadcaster.addChangeListener (&a);
    for (int i = 0; i < 5; ++i)
        broadcaster.sendChangeMessage ("Same");

    ASSERT_TRUE (deliveredCount (5));
    fhtest::pumpFor (50ms);
    EXPECT_EQ (log.size(), 5);
}

TEST_F (SafeChangeBroadcasterTest, EveryPostOfManyThreadsIsDeliveredOnceAndEachThreadInOrder)
{
    RecordingListener a ("a", log);
    broadcaster.addChangeListener (&a);

    constexpr int threads = 4, perThread = 200;
    std::vector<std::thread> posters;
    for (int t = 0; t < threads; ++t)
        posters.emplace_back ([this, t] {
            for (int i = 0; i < perThread; ++i)
                broadcaster.sendChangeMessage (juce::String (t) + "." + juce::String (i));
        });
    for (auto& p : posters)
        p.join();

    ASSERT_TRUE (deliveredCount (threads * perThread));
    fhtest::pumpFor (50ms);
    ASSERT_EQ (log.size(), threads * perThread);

    std::vector<int> next (threads, 0);
    for (const auto& line : log)
    {
        const auto text = line.fromFirstOccurrenceOf (":", false, false);
        const int t = text.upToFirstOccurrenceOf (".", false, false).getIntValue();
        const int i = text.fromFirstOccurrenceOf (".", false, false).getIntValue();
        EXPECT_EQ (i, next[(size_t) t]++) << line;
    }
}

TEST_F (SafeChangeBroadcasterTest, ListenerDestroyedWithoutRemovingIsSkippedAndDropped)
{
    RecordingListener first ("first", log), last ("last", log);
    auto gone = std::make_unique<RecordingListener> ("gone", log);
    broadcaster.addChangeListener (&first);
    broadcaster.addChangeListener (gone.get());
    broadcaster.addChangeListener (&last);
    gone.reset();

    broadcaster.sendChangeMessage ("M");
    ASSERT_TRUE (deliveredCount (2));
    fhtest::pumpFor (50ms);
    EXPECT_EQ (log, juce::StringArray ({ "first:M", "last:M" }));

    // Later deliveries reach the live listeners, and a newcomer added twice once.
    RecordingListener again ("again", log);
    broadcaster.addChangeListener (&again);
    broadcaster.addChangeListener (&again);
    log.clear();
    broadcaster.sendChangeMessage ("N");
    ASSERT_TRUE (deliveredCount (3));
    fhtest::pumpFor (50ms);
    EXPECT_EQ (log, juce::StringArray ({ "first:N", "last:N", "again:N" }));
}

TEST_F (SafeChangeBroadcasterTest, DuplicateAddKeepsOneEntryAndUnknownRemoveChangesNothing)
{
    RecordingListener a ("a", log), stranger ("stranger", log);
    broadcaster.addChangeListener (&a);
    broadcaster.addChangeListener (&a);
    broadcaster.removeChangeListener (&stranger);
    broadcaster.removeChangeListener (nullptr);
    broadcaster.addChangeListener (nullptr);

    broadcaster.sendChangeMessage ("X");
    ASSERT_TRUE (deliveredCount (1));
    fhtest::pumpFor (50ms);
    EXPECT_EQ (log, juce::StringArray ({ "a:X" }));

    broadcaster.removeChangeListener (&a);
    broadcaster.sendChangeMessage ("Y");
    fhtest::pumpFor (50ms);
    EXPECT_EQ (log, juce::StringArray ({ "a:X" }));
}

TEST_F (SafeChangeBroadcasterTest, ListenerRemovingItselfGetsNoLaterMessagesAndNeighbourIsNotSkipped)
{
    RecordingListener quitter ("quitter", log), next ("next", log);
    quitter.onCall = [&] (SafeChangeBroadcaster* source) { source->removeChangeListener (&quitter); };
    broadcaster.addChangeListener (&quitter);
    broadcaster.addChangeListener (&next);

    broadcaster.sendChangeMessage ("1");
    broadcaster.sendChangeMessage ("2");
    ASSERT_TRUE (deliveredCount (3));
    fhtest::pumpFor (50ms);
    EXPECT_EQ (log, juce::StringArray ({ "quitter:1", "next:1", "next:2" }));
}

TEST_F (SafeChangeBroadcasterTest, ListenerAddedInCallbackReceivesTheCurrentMessage)
{
    RecordingListener adder ("adder", log), newcomer ("newcomer", log);
    adder.onCall = [&] (SafeChangeBroadcaster* source) { source->addChangeListener (&newcomer); };
    broadcaster.addChangeListener (&adder);

    broadcaster.sendChangeMessage ("1");
    broadcaster.sendChangeMessage ("2");
    ASSERT_TRUE (deliveredCount (4));
    fhtest::pumpFor (50ms);
    EXPECT_EQ (log, juce::StringArray ({ "adder:1", "newcomer:1", "adder:2", "newcomer:2" }));
}

TEST_F (SafeChangeBroadcasterTest, MessagePostedDuringDeliveryIsDeliveredAfterTheCurrentOne)
{
    RecordingListener a ("a", log);
    a.onCall = [&] (SafeChangeBroadcaster* source) {
        if (source->lastMessage == "first")
            source->sendChangeMessage ("second");
    };
    broadcaster.addChangeListener (&a);

    broadcaster.sendChangeMessage ("first");
    ASSERT_TRUE (deliveredCount (2));
    fhtest::pumpFor (50ms);
    EXPECT_EQ (log, juce::StringArray ({ "a:first", "a:second" }));
}

TEST_F (SafeChangeBroadcasterTest, DestroyedBroadcasterDeliversNoQueuedMessage)
{
    RecordingListener a ("a", log);
    {
        SafeChangeBroadcaster doomed;
        doomed.addChangeListener (&a);
        std::thread ([&] {
            doomed.sendChangeMessage ("lost 1");
            doomed.sendChangeMessage ("lost 2");
        }).join();
    }
    fhtest::pumpFor (100ms);
    EXPECT_TRUE (log.isEmpty());
}

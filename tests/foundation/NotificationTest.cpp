#include "foundation/NotificationManager.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <atomic>
#include <barrier>
#include <thread>

using namespace std::chrono_literals;
using Response = Notification::Response;

namespace
{
// Stands in for the GUI: records every text the manager relays.
struct RelayRecorder : SafeChangeListener
{
    void changeListenerCallback (SafeChangeBroadcaster* source) override { texts.add (source->lastMessage); }
    juce::StringArray texts;
};

std::shared_ptr<Notification> makeNote (const juce::String& text, int severity, bool keep = false,
                                        Notification::TimerFunction timer = {},
                                        Notification::ResponseHandler handler = {})
{
    return std::make_shared<Notification> ([text] { return text; }, severity,
                                           std::vector<Response> { Response::Ok, Response::Cancel },
                                           keep, std::move (timer), std::move (handler));
}

juce::StringArray textsOf (const std::vector<std::shared_ptr<Notification>>& list)
{
    juce::StringArray texts;
    for (const auto& n : list)
        texts.add (n->textFunction());
    return texts;
}

class NotificationTest : public fhtest::AppTest
{
protected:
    NotificationTest() { manager.addChangeListener (&gui); }

    // Lets both hops of the relay (notification -> manager -> GUI) run.
    void settle() { fhtest::pumpFor (60ms); }

    bool guiReceived (const juce::Identifier& id, int times = 1)
    {
        return fhtest::pumpUntil ([&] { return count (id) >= times; }, 5s);
    }

    int count (const juce::Identifier& id) const
    {
        int n = 0;
        for (const auto& t : gui.texts)
            n += t == id.toString() ? 1 : 0;
        return n;
    }

    NotificationManager manager;
    RelayRecorder gui;
};
} // namespace

TEST (NotificationCaptions, SeverityAndResponseCaptions)
{
    EXPECT_EQ (Notification::severityCaption (Notification::Error), "Error");
    EXPECT_EQ (Notification::severityCaption (Notification::Question), "Question");
    EXPECT_EQ (Notification::severityCaption (Notification::Warning), "Warning");
    EXPECT_EQ (Notification::severityCaption (Notification::Info), "Info");
    EXPECT_EQ (Notification::severityCaption (7), "");

    const std::pair<Response, const char*> buttons[] = {
        { Response::Ok, "Ok" }, { Response::Cancel, "Cancel" }, { Response::Yes, "Yes" }, { Response::No, "No" },
        { Response::Close, "Close" }, { Response::Dismiss, "Dismiss" },
        { Response::PluginState, "Plugin State" }, { Response::DeviceState, "Device State" },
    };
    for (const auto& [response, caption] : buttons)
        EXPECT_EQ (Notification::responseCaption (response), caption);
}

TEST_F (NotificationTest, TickSortsBySeverityAndKeepsInsertionOrderOfEquals)
{
    manager.addNotification (makeNote ("info", Notification::Info), true);
    manager.addNotification (makeNote ("warning 1", Notification::Warning), true);
    manager.addNotification (makeNote ("error", Notification::Error), true);
    manager.addNotification (makeNote ("warning 2", Notification::Warning), true);
    manager.addNotification (makeNote ("question", Notification::Question), true);

    // Until the tick, newly added ones stay at the end in the order added.
    EXPECT_EQ (textsOf (manager.getNotifications()),
               juce::StringArray ({ "info", "warning 1", "error", "warning 2", "question" }));

    manager.timerCallback();
    EXPECT_EQ (textsOf (manager.getNotifications()),
               juce::StringArray ({ "error", "question", "warning 1", "warning 2", "info" }));
}

TEST_F (NotificationTest, HiddenNotificationsLeaveAtTheTickUnlessKept)
{
    auto neverShown = makeNote ("never shown", Notification::Info);
    auto kept = makeNote ("kept", Notification::Info, true);
    auto hidden = makeNote ("hidden", Notification::Warning);
    manager.addNotification (neverShown, false);
    manager.addNotification (kept, false);
    manager.addNotification (hidden, true);
    hidden->deactivate();

    manager.timerCallback();
    settle();

    EXPECT_EQ (textsOf (manager.getNotifications()), juce::StringArray ({ "kept" }));
    EXPECT_FALSE (neverShown->isActive());
    EXPECT_EQ (count (NotificationMessages::activate), 1); // only "hidden" was ever shown
    EXPECT_EQ (count (NotificationMessages::deactivate), 1);
}

TEST_F (NotificationTest, TimerFunctionShowsHidesAndUpdates)
{
    auto result = std::make_shared<Notification::TimerFunctionResult> (Notification::NoChange);
    int texts = 0;
    auto note = std::make_shared<Notification> ([&texts] { return "text " + juce::String (++texts); },
                                                Notification::Warning, std::vector<Response> {}, true,
                                                [result] { return *result; });
    manager.addNotification (note, false);

    manager.timerCallback();
    settle();
    EXPECT_FALSE (note->isActive());
    EXPECT_TRUE (gui.texts.isEmpty());

    *result = Notification::Activate;
    manager.timerCallback();
    EXPECT_TRUE (note->isActive());
    ASSERT_TRUE (guiReceived (NotificationMessages::activate));
    EXPECT_EQ (textsOf (manager.getActiveNotifications()).size(), 1);

    // Activate while shown posts nothing more.
    manager.timerCallback();
    settle();
    EXPECT_EQ (count (NotificationMessages::activate), 1);

    *result = Notification::Deactivate;
    manager.timerCallback();
    EXPECT_FALSE (note->isActive());
    ASSERT_TRUE (guiReceived (NotificationMessages::deactivate));
    EXPECT_EQ (manager.getNotifications().size(), 1u); // kept while hidden
    EXPECT_TRUE (manager.getActiveNotifications().empty());

    // An update reaches the GUI even while the notification is hidden.
    *result = Notification::Update;
    manager.timerCallback();
    ASSERT_TRUE (guiReceived (NotificationMessages::update));
    EXPECT_FALSE (note->isActive());
}

TEST_F (NotificationTest, RunningTimerTicksTheTimerFunction)
{
    std::atomic<bool> condition { false };
    auto note = makeNote ("condition", Notification::Warning, true, [&condition] {
        return condition ? Notification::Activate : Notification::Deactivate;
    });
    manager.addNotification (note, false);

    condition = true;
    ASSERT_TRUE (guiReceived (NotificationMessages::activate));
    EXPECT_TRUE (note->isActive());

    condition = false;
    ASSERT_TRUE (guiReceived (NotificationMessages::deactivate));
    EXPECT_FALSE (note->isActive());
}

TEST_F (NotificationTest, AddingTwiceListsTwiceButRelaysOnce)
{
    auto note = makeNote ("twice", Notification::Info);
    manager.addNotification (note, false);
    manager.addNotification (note, false);
    EXPECT_EQ (manager.getNotifications().size(), 2u);

    note->activate();
    ASSERT_TRUE (guiReceived (NotificationMessages::activate));
    settle();
    EXPECT_EQ (gui.texts, juce::StringArray ({ NotificationMessages::activate.toString() }));
}

TEST_F (NotificationTest, AnswerReachesHandlerAndWaitingWorkerOnce)
{
    std::vector<Response> handled;
    auto note = makeNote ("question", Notification::Question, false, {},
                          [&handled] (Response r) { handled.push_back (r); });

    auto future = manager.addNotificationWithResponse (note);
    ASSERT_NE (future, nullptr);
    EXPECT_TRUE (note->isActive());

    std::atomic<int> answer { -1 };
    std::thread worker ([future, &answer] { answer = future->get(); });

    fhtest::ScopedLogCapture log;
    note->setResponse (Response::Yes);
    note->setResponse (Response::No);
    worker.join();

    EXPECT_EQ (answer, Response::Yes);
    EXPECT_EQ (handled, std::vector<Response> { Response::Yes });
    EXPECT_EQ (log.count ("Response already given"), 1);
    EXPECT_TRUE (note->isActive()); // answering does not hide it; the GUI does
    EXPECT_TRUE (note->isResponseGiven());
}

TEST_F (NotificationTest, AddingAListedNotificationWithResponseGivesNoFuture)
{
    auto note = makeNote ("question", Notification::Question);
    auto first = manager.addNotificationWithResponse (note);
    ASSERT_NE (first, nullptr);

    EXPECT_EQ (manager.addNotificationWithResponse (note), nullptr);
    EXPECT_EQ (manager.getNotifications().size(), 1u);

    // The first future is untouched and still gets the answer.
    note->setResponse (Response::Ok);
    ASSERT_EQ (first->wait_for (5s), std::future_status::ready);
    EXPECT_EQ (first->get(), Response::Ok);
}

TEST_F (NotificationTest, AddingAgainBreaksTheOldPromiseAndTheNewFutureGetsTheNextAnswer)
{
    auto note = makeNote ("question", Notification::Question);
    auto old = manager.addNotificationWithResponse (note);
    ASSERT_NE (old, nullptr);
    note->deactivate();
    manager.timerCallback(); // hidden and not kept: leaves the list

    auto renewed = manager.addNotificationWithResponse (note);
    ASSERT_NE (renewed, nullptr);

    try
    {
        old->get();
        ADD_FAILURE() << "the old future should report a broken promise";
    }
    catch (const std::future_error& e)
    {
        EXPECT_EQ (e.code(), std::future_errc::broken_promise);
    }

    note->setResponse (Response::Cancel);
    ASSERT_EQ (renewed->wait_for (5s), std::future_status::ready);
    EXPECT_EQ (renewed->get(), Response::Cancel);
}

TEST_F (NotificationTest, NotificationDroppedUnansweredBreaksItsPromise)
{
    auto note = makeNote ("question", Notification::Question);
    auto future = manager.addNotificationWithResponse (note);
    ASSERT_NE (future, nullptr);

    std::promise<bool> broken;
    std::thread worker ([future, &broken] {
        try
        {
            future->get();
            broken.set_value (false);
        }
        catch (const std::future_error& e)
        {
            broken.set_value (e.code() == std::future_errc::broken_promise);
        }
    });

    note->deactivate();
    note.reset();             // the manager holds the last reference
    manager.timerCallback();  // and releases it here

    auto result = broken.get_future();
    ASSERT_EQ (result.wait_for (5s), std::future_status::ready);
    EXPECT_TRUE (result.get());
    worker.join();
    EXPECT_TRUE (manager.getNotifications().empty());
}

TEST_F (NotificationTest, ShowingAgainAllowsAnAnswerButThePromiseIsSpent)
{
    auto note = makeNote ("plain", Notification::Info);
    manager.addNotification (note, true);

    fhtest::ScopedLogCapture log;
    note->setResponse (Response::Ok);
    note->deactivate();
    note->activate();
    EXPECT_FALSE (note->isResponseGiven());
    note->setResponse (Response::Ok);

    EXPECT_EQ (log.count ("Response already given"), 0);
    EXPECT_EQ (log.count ("Exception when trying to set promise: "), 1);
    EXPECT_TRUE (note->isResponseGiven());
}

TEST_F (NotificationTest, ConcurrentAddsOfTheSameNotificationListItOnce)
{
    constexpr int threads = 8, rounds = 50;

    for (int round = 0; round < rounds; ++round)
    {
        auto note = makeNote ("race " + juce::String (round), Notification::Question);
        std::barrier start (threads);
        std::atomic<int> futures { 0 };
        std::vector<std::thread> adders;

        for (int t = 0; t < threads; ++t)
            adders.emplace_back ([&] {
                start.arrive_and_wait();
                if (manager.addNotificationWithResponse (note) != nullptr)
                    ++futures;
            });
        for (auto& a : adders)
            a.join();

        ASSERT_EQ (futures, 1) << "round " << round;
        const auto listed = manager.getNotifications();
        ASSERT_EQ (std::count (listed.begin(), listed.end(), note), 1) << "round " << round;
    }
    EXPECT_EQ (manager.getNotifications().size(), (size_t) rounds);
}

TEST_F (NotificationTest, ConcurrentAddsFromManyThreadsAreAllListed)
{
    constexpr int threads = 6, perThread = 40;
    std::vector<std::thread> adders;
    for (int t = 0; t < threads; ++t)
        adders.emplace_back ([this, t] {
            for (int i = 0; i < perThread; ++i)
                manager.addNotification (makeNote (juce::String (t) + "/" + juce::String (i), i % 4), i % 2 == 0);
        });

    // The tick runs meanwhile on this (the message) thread.
    for (int i = 0; i < 20; ++i)
        manager.timerCallback();
    for (auto& a : adders)
        a.join();

    for (auto& n : manager.getNotifications())
        n->activate();
    manager.timerCallback();

    const auto listed = manager.getNotifications();
    EXPECT_LE (listed.size(), (size_t) (threads * perThread));
    EXPECT_GE (listed.size(), (size_t) (threads * perThread / 2)); // the activated half always survives
    EXPECT_TRUE (std::is_sorted (listed.begin(), listed.end(),
                                 [] (const auto& a, const auto& b) { return a->severity < b->severity; }));
}

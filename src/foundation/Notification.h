#pragma once

#include "foundation/SafeChangeBroadcaster.h"

#include <atomic>
#include <functional>
#include <future>
#include <mutex>
#include <vector>

// The change texts a notification posts (and its manager relays). Identifiers
// are interned, so a receiver may compare the delivered text with them.
namespace NotificationMessages
{
    inline const juce::Identifier activate { "ActivateNotification" };
    inline const juce::Identifier update { "UpdateNotification" };
    inline const juce::Identifier deactivate { "DeactivateNotification" };
}

// One message for the user: a text computed when shown, a severity, optional
// answer buttons and an optional timer function that the NotificationManager
// asks once a second whether the message should currently be shown. An answer
// reaches a waiting worker through a future (NotificationManager::addNotificationWithResponse).
class Notification : public SafeChangeBroadcaster
{
public:
    // Also the sort order of the manager's list (ascending).
    enum Severity : int
    {
        Error = 0,
        Question = 1,
        Warning = 2,
        Info = 3
    };

    enum Response : int
    {
        Ok = 0,
        Cancel = 1,
        Yes = 2,
        No = 3,
        Close = 4,
        Dismiss = 5,
        PluginState = 6,
        DeviceState = 7
    };

    enum TimerFunctionResult : int
    {
        NoChange = 0,
        Activate = 1,   // activate()
        Update = 2,     // post "UpdateNotification": the text changed
        Deactivate = 3  // deactivate()
    };

    using TextFunction = std::function<juce::String()>;
    using TimerFunction = std::function<TimerFunctionResult()>;
    using ResponseHandler = std::function<void (Response)>;

    Notification (TextFunction textFunction,
                  int severity,
                  std::vector<Response> responses,
                  bool keepWhenInactive,
                  TimerFunction timerFunction = {},
                  ResponseHandler responseHandler = {});

    Notification (const juce::String& text, int severity, std::vector<Response> responses, bool keepWhenInactive);

    ~Notification() override;

    // Any thread. Shows the notification (and allows a new answer); posts
    // "ActivateNotification" unless it is already active.
    void activate();

    // Any thread. Hides it; posts "DeactivateNotification" unless already hidden.
    void deactivate();

    // Message thread, when the user presses a button. The first answer of a
    // showing calls the response handler and fulfils the promise; a further one
    // only logs "Response already given". Does not deactivate.
    void setResponse (Response response);

    // Replaces the promise by a fresh one and returns its future; a waiter on the
    // old promise receives std::future_errc::broken_promise. Any thread.
    std::future<Response> renewPromise();

    bool isActive() const noexcept { return active.load(); }
    bool isResponseGiven() const noexcept { return responseGiven.load(); }

    // The captions the GUI draws for a severity and for a response button.
    static juce::String severityCaption (int severity);
    static juce::String responseCaption (Response response);

    const int severity;
    const std::vector<Response> responses;       // the buttons, in order; empty for a plain message
    const TextFunction textFunction;             // called whenever the text is shown or refreshed
    const TimerFunction timerFunction;           // may be empty; called on the message thread
    const ResponseHandler responseHandler;       // may be empty; called on the message thread
    const bool keepWhenInactive;                 // false: the manager drops it once it is hidden

private:
    std::mutex promiseLock;                      // setResponse (message thread) vs. renewPromise (any thread)
    std::promise<Response> promise;
    std::atomic<bool> active { false };
    std::atomic<bool> responseGiven { false };
};

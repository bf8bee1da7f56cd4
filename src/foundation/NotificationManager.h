#pragma once

#include "foundation/Notification.h"

#include <juce_events/juce_events.h>

#include <future>
#include <memory>
#include <vector>

// Holds a processor's notifications: ticks their timer functions every second on
// the message thread, keeps them sorted by severity, drops the ones that are
// hidden and not kept, and relays their change messages ("ActivateNotification",
// "UpdateNotification", "DeactivateNotification") to its own listeners (the GUI).
// Create and destroy it on the message thread.
class NotificationManager : public SafeChangeBroadcaster,
                            public SafeChangeListener,
                            public juce::Timer
{
public:
    static constexpr int tickIntervalMs = 1000;

    NotificationManager();
    ~NotificationManager() override;

    // Any thread. Lists the notification (again, if it is already listed) and
    // activates it when asked to.
    void addNotification (std::shared_ptr<Notification> notification, bool activateNow);

    // Any thread. Lists and activates the notification with a fresh promise and
    // returns the future of the user's answer; an empty pointer when it is already
    // listed (then nothing changes). Wait on the future on a worker thread, never
    // on the message thread: the answer arrives through the message thread.
    std::shared_ptr<std::future<Notification::Response>>
        addNotificationWithResponse (std::shared_ptr<Notification> notification);

    // The listed notifications in list order (all of them, or only the shown ones).
    std::vector<std::shared_ptr<Notification>> getNotifications() const;
    std::vector<std::shared_ptr<Notification>> getActiveNotifications() const;

    // Message thread: relays a notification's change text as this manager's own.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    // Message thread, every tickIntervalMs: applies the timer functions, sorts by
    // severity and drops the hidden notifications that are not kept.
    void timerCallback() override;

private:
    // Caller holds the write lock.
    void appendLocked (const std::shared_ptr<Notification>& notification, bool activateNow);

    std::vector<std::shared_ptr<Notification>> notifications;
    juce::ReadWriteLock notificationsLock;
};

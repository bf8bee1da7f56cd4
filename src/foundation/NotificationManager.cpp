#include "foundation/NotificationManager.h"

#include <algorithm>

NotificationManager::NotificationManager()
{
    startTimer (tickIntervalMs);
}

NotificationManager::~NotificationManager()
{
    stopTimer();

    std::vector<std::shared_ptr<Notification>> released;
    {
        const juce::ScopedWriteLock lock (notificationsLock);
        released.swap (notifications);
    }
}

void NotificationManager::appendLocked (const std::shared_ptr<Notification>& notification, bool activateNow)
{
    notification->addChangeListener (this);
    notifications.push_back (notification);

    if (activateNow)
        notification->activate();
}

void NotificationManager::addNotification (std::shared_ptr<Notification> notification, bool activateNow)
{
    if (notification == nullptr)
        return;

    const juce::ScopedWriteLock lock (notificationsLock);
    appendLocked (notification, activateNow);
}

std::shared_ptr<std::future<Notification::Response>>
    NotificationManager::addNotificationWithResponse (std::shared_ptr<Notification> notification)
{
    if (notification == nullptr)
        return {};

    std::future<Notification::Response> future;
    {
        // One lock for the check and the add: two threads offering the same
        // notification at once cannot both list it.
        const juce::ScopedWriteLock lock (notificationsLock);

        if (std::find (notifications.begin(), notifications.end(), notification) != notifications.end())
            return {};

        future = notification->renewPromise();
        appendLocked (notification, true);
    }

    if (! future.valid())
        return {};

    return std::make_shared<std::future<Notification::Response>> (std::move (future));
}

std::vector<std::shared_ptr<Notification>> NotificationManager::getNotifications() const
{
    const juce::ScopedReadLock lock (notificationsLock);
    return notifications;
}

std::vector<std::shared_ptr<Notification>> NotificationManager::getActiveNotifications() const
{
    std::vector<std::shared_ptr<Notification>> shown;
    const juce::ScopedReadLock lock (notificationsLock);

    std::copy_if (notifications.begin(), notifications.end(), std::back_inserter (shown),
                  [] (const auto& n) { return n->isActive(); });
    return shown;
}

void NotificationManager::changeListenerCallback (SafeChangeBroadcaster* source)
{
    sendChangeMessage (source->lastMessage);
}

void NotificationManager::timerCallback()
{
    std::vector<std::shared_ptr<Notification>> dropped;

    const juce::ScopedReadLock readLock (notificationsLock);

    // By index, holding a reference of our own: the list must stay walkable even
    // if a timer function breaks the rule and adds to this manager.
    for (size_t i = 0; i < notifications.size(); ++i)
    {
        const auto n = notifications[i];

        if (! n->timerFunction)
            continue;

        switch (n->timerFunction())
        {
            case Notification::NoChange:   break;
            case Notification::Activate:   n->activate(); break;
            case Notification::Update:     n->sendChangeMessage (NotificationMessages::update.toString()); break;
            case Notification::Deactivate: n->deactivate(); break;
        }
    }

    // This thread holds the only read lock it needs; the framework's lock lets
    // the sole reader become the writer.
    const juce::ScopedWriteLock writeLock (notificationsLock);

    std::stable_sort (notifications.begin(), notifications.end(),
                      [] (const auto& a, const auto& b) { return a->severity < b->severity; });

    auto firstDropped = std::stable_partition (notifications.begin(), notifications.end(),
                                               [] (const auto& n) { return n->isActive() || n->keepWhenInactive; });
    dropped.assign (std::make_move_iterator (firstDropped), std::make_move_iterator (notifications.end()));
    notifications.erase (firstDropped, notifications.end());
}

#include "processor/TotalRecallNotifications.h"

#include "processor/TotalRecallManager.h"

#include <optional>

using State = TotalRecallSessionState;

juce::String totalRecallInfoText (State state)
{
    switch (state)
    {
        case State::UNKNOWN_STATE: return "The Total Recall state is undetermined.";
        case State::NO_SESSION: return "Total Recall is disabled.";
        case State::SESSION_ACTIVE: return "Total Recall is now active and synchronized!";
        case State::SESSION_ABORT: return "Total Recall has been aborted.";
        case State::CREATE_NEW_SESSION_WAITING_USER_INPUT:
            return "Waiting for the device to confirm a new Total Recall session.";
        case State::CREATE_NEW_SESSION_ACCEPTED_WAITING_FOR_SYNC:
            return "Setting up a new Total Recall session. This may take a couple of seconds.";
        case State::RECALL_SESSION_WAITING_USER_INPUT:
            return "Please select which state to use for Total Recall (either on the device or in the plugin).";
        case State::RECALL_SESSION_ACCEPTED_HOST_IS_MASTER_WAITING_FOR_SYNC:
        case State::SYNC_IN_PROGRESS_HOST_TO_DEVICE:
            return "Transferring Total Recall data from the plugin to the device. This may take a couple of seconds.";
        case State::RECALL_SESSION_ACCEPTED_DEVICE_IS_MASTER_WAITING_FOR_SYNC:
        case State::SYNC_IN_PROGRESS_DEVICE_TO_HOST:
            return "Synchronizing Total Recall data from the device to the plugin. This may take a couple of seconds.";
        case State::CREATE_NEW_SESSION_REQUEST:
        case State::RECALL_SESSION_REQUEST:
        default:
            return "Confused about the Total Recall state";
    }
}

namespace
{
bool isBusyState (State state)
{
    switch (state)
    {
        case State::CREATE_NEW_SESSION_WAITING_USER_INPUT:
        case State::CREATE_NEW_SESSION_ACCEPTED_WAITING_FOR_SYNC:
        case State::RECALL_SESSION_WAITING_USER_INPUT:
        case State::RECALL_SESSION_ACCEPTED_HOST_IS_MASTER_WAITING_FOR_SYNC:
        case State::RECALL_SESSION_ACCEPTED_DEVICE_IS_MASTER_WAITING_FOR_SYNC:
        case State::SYNC_IN_PROGRESS_HOST_TO_DEVICE:
        case State::SYNC_IN_PROGRESS_DEVICE_TO_HOST:
            return true;
        default:
            return false;
    }
}
} // namespace

std::shared_ptr<Notification> makeTotalRecallInfoNotification (std::weak_ptr<TotalRecallManager> manager)
{
    auto text = [manager] {
        const auto m = manager.lock();
        return m != nullptr ? totalRecallInfoText (m->getState()) : juce::String();
    };

    // The state last shown (message thread only).
    auto shown = std::make_shared<std::optional<State>>();
    auto timer = [manager, shown] {
        const auto m = manager.lock();
        if (m == nullptr)
            return Notification::Deactivate;
        const auto current = m->getState();
        if (! isBusyState (current))
        {
            shown->reset();
            return Notification::Deactivate;
        }
        const bool changed = shown->has_value() && **shown != current;
        *shown = current;
        return changed ? Notification::Update : Notification::Activate;
    };

    return std::make_shared<Notification> (text, Notification::Info, std::vector<Notification::Response> {}, true, timer);
}

std::shared_ptr<Notification> makeTotalRecallQuestion()
{
    return std::make_shared<Notification> (
        "Which state would you like to use for total recall?", Notification::Question,
        std::vector<Notification::Response> { Notification::PluginState, Notification::DeviceState, Notification::Cancel },
        false);
}

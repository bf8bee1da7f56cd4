#include "processor/TotalRecallManager.h"

#include "foundation/Logger.h"
#include "foundation/NotificationManager.h"
#include "model/TotalRecallStateName.h"
#include "model/VantuInterface.h"
#include "processor/SynthPluginState.h"

using State = TotalRecallSessionState;

TotalRecallManager::TotalRecallManager (SynthPluginState& pluginStateToUse, Vantu::VantuInterface& deviceToUse)
    : pluginState (pluginStateToUse), device (deviceToUse)
{
}

TotalRecallManager::~TotalRecallManager() = default;

void TotalRecallManager::setState (State newState)
{
    FH_LOG (spdlog::level::info, "New state from device: {} -> {}", totalRecallStateName (state.load()),
            totalRecallStateName (newState));
    state = newState;
    sendChangeMessage ({});

    switch (newState)
    {
        case State::SESSION_ACTIVE:
            if (const int id = deviceSessionId(); id != 0)
                FH_LOG (spdlog::level::debug, "Total recall session is now active! Session ID = {}", id);
            break;
        case State::CREATE_NEW_SESSION_ACCEPTED_WAITING_FOR_SYNC:
            FH_LOG (spdlog::level::debug, "New Total Recall session accepted.");
            setState (pendingState.load());
            break;
        case State::RECALL_SESSION_ACCEPTED_HOST_IS_MASTER_WAITING_FOR_SYNC:
            FH_LOG (spdlog::level::debug, "Total Recall accepted. Sending project to machine");
            sendImageOrAbort();
            break;
        case State::RECALL_SESSION_ACCEPTED_DEVICE_IS_MASTER_WAITING_FOR_SYNC:
            FH_LOG (spdlog::level::debug, "Total Recall accepted, but machine is master. Getting project from machine");
            send (State::SYNC_IN_PROGRESS_DEVICE_TO_HOST, deviceSessionId());
            requestDeviceImage();
            break;
        default:
            break;
    }
}

void TotalRecallManager::resetState()
{
    state = State::UNKNOWN_STATE;
    sendChangeMessage ({});
}

void TotalRecallManager::sendImageOrAbort()
{
    juce::MemoryBlock image;
    if (! pluginState.getTotalRecallData (image))
    {
        send (State::SESSION_ABORT, 0);
        return;
    }
    FH_LOG (spdlog::level::debug, "Got project data from settings! Size={}", image.getSize());
    send (State::SYNC_IN_PROGRESS_HOST_TO_DEVICE, deviceSessionId());
    if (! device.sendProjectImage (image))
        FH_LOG (spdlog::level::err, "Project Data Transfer To Machine Has Failed");
}

void TotalRecallManager::requestDeviceImage()
{
    // The image comes back through imageChanged.
    device.updateProjectFromMachine();
}

void TotalRecallManager::send (State type, int sessionId)
{
    device.sendTotalRecallCommand (TotalRecallCommand { static_cast<std::uint8_t> (type), sessionId });
}

int TotalRecallManager::storedSessionId() const
{
    return pluginState.getIntProperty (PluginStateIds::totalRecallSessionId, 0);
}

int TotalRecallManager::deviceSessionId() const
{
    return device.getTotalRecallState().getSessionId();
}

//==============================================================================
void TotalRecallManager::stateChanged()
{
    setState (static_cast<State> (device.getTotalRecallState().getState()));
}

void TotalRecallManager::sessionIdChanged()
{
    const int id = deviceSessionId();
    if (id == 0)
        state = State::UNKNOWN_STATE;
    sendChangeMessage ({});
    FH_LOG (spdlog::level::debug, "Updating total recall session ID in PluginSettings");
    pluginState.setIntProperty (PluginStateIds::totalRecallSessionId, id);
}

void TotalRecallManager::imageChanged()
{
    const auto image = device.getTotalRecallState().getImage();
    if (image.getSize() == 0)
        return;
    FH_LOG (spdlog::level::debug, "Updating total recall data in PluginSettings");
    pluginState.setTotalRecallData (image);
}

//==============================================================================
bool TotalRecallManager::startRecallSession (JobExecutor& jobs)
{
    if (! pluginState.hasTotalRecallData())
        return false;
    return jobs.addJob ("TotalRecallRecallSession", [self = shared_from_this()] (juce::ThreadPoolJob*) {
        self->runRecallSession();
    });
}

void TotalRecallManager::runRecallSession()
{
    const auto current = state.load();
    if (current == State::RECALL_SESSION_REQUEST || current == State::RECALL_SESSION_WAITING_USER_INPUT)
    {
        FH_LOG (spdlog::level::info, "Recall session already in progress({})", totalRecallStateName (current));
        return;
    }
    const int id = storedSessionId();
    FH_LOG (spdlog::level::debug, "sessionId={}", id);
    device.getTotalRecallState().setState (static_cast<std::uint8_t> (State::RECALL_SESSION_REQUEST));
    send (State::RECALL_SESSION_REQUEST, id);
}

bool TotalRecallManager::requestSyncDirection (NotificationManager& notifications,
                                               const std::shared_ptr<Notification>& question, JobExecutor& jobs)
{
    if (question == nullptr || question->isActive())
        return false;
    auto answer = notifications.addNotificationWithResponse (question);
    if (answer == nullptr)
        return false;
    return jobs.addJob ("RequestTotalRecallSyncDirection", [self = shared_from_this(), answer] (juce::ThreadPoolJob* job) {
        self->runSyncDirection (*answer, [job] { return job != nullptr && job->shouldExit(); });
    });
}

void TotalRecallManager::runSyncDirection (std::future<Notification::Response>& answer,
                                           const std::function<bool()>& shouldExit)
{
    try
    {
        while (answer.wait_for (std::chrono::milliseconds (kAnswerPollMs)) != std::future_status::ready)
            if (shouldExit())
                return;

        const auto response = answer.get();
        if (response == Notification::Cancel)
        {
            send (State::SESSION_ABORT, 0);
            return;
        }
        if (response != Notification::PluginState && response != Notification::DeviceState)
            return;

        const int id = storedSessionId();
        FH_LOG (spdlog::level::debug, "sessionId={}", id);
        // Chosen before the request goes out: the device may accept it (state 6) at once.
        pendingState = response == Notification::PluginState
                           ? State::RECALL_SESSION_ACCEPTED_HOST_IS_MASTER_WAITING_FOR_SYNC
                           : State::RECALL_SESSION_ACCEPTED_DEVICE_IS_MASTER_WAITING_FOR_SYNC;
        send (State::CREATE_NEW_SESSION_REQUEST, id);
    }
    catch (const std::exception& e)
    {
        FH_LOG (spdlog::level::err, "Error: {}", e.what());
    }
    catch (...)
    {
        FH_LOG (spdlog::level::err, "Unexpected exception!");
    }
}

//==============================================================================
bool TotalRecallManager::syncOnSave (int timeoutMs)
{
    if (! pluginState.getBoolProperty (PluginStateIds::totalRecallAutoSyncEnabled, true) || ! pluginState.hasTotalRecallData()
        || deviceSessionId() == 0 || state.load() != State::SESSION_ACTIVE)
        return false;

    send (State::SYNC_IN_PROGRESS_DEVICE_TO_HOST, storedSessionId());
    FH_LOG (spdlog::level::debug, "Re-syncing total recall image due to sync-on-save option.");

    const auto done = device.updateProjectFromMachine();
    if (done != nullptr && done->wait (timeoutMs))
    {
        FH_LOG (spdlog::level::debug, "Total recall auto-sync was successfully performed prior to plugin save state.");
        return true;
    }
    FH_LOG (spdlog::level::err, "Total recall auto-sync timed out! Will save using old project image.");
    return false;
}

#pragma once

#include "foundation/JobExecutor.h"
#include "foundation/Notification.h"
#include "foundation/SafeChangeBroadcaster.h"
#include "model/TotalRecallSessionState.h"
#include "model/TotalRecallState.h"

#include <atomic>
#include <functional>
#include <future>
#include <memory>

class NotificationManager;
class SynthPluginState;

namespace Vantu
{
class VantuInterface;
}

// The plug-in's side of the device's total-recall session: follows the states and
// session ids the device reports, answers them with total-recall commands and the
// project image, keeps the session id and the image in the plug-in state, asks the
// user which side wins a recall, and fetches a fresh image before a state save.
//
// Created as a shared object by the processor; the two jobs it queues hold their own
// references. Posts an empty change message whenever its state changes (delivered on
// the message thread).
class TotalRecallManager : public SafeChangeBroadcaster,
                           public TotalRecallState::Listener,
                           public std::enable_shared_from_this<TotalRecallManager>
{
public:
    static constexpr int kSyncOnSaveTimeoutMs = 10000;
    static constexpr int kAnswerPollMs = 1000;

    // Neither is owned; both must outlive the manager's jobs.
    TotalRecallManager (SynthPluginState& pluginState, Vantu::VantuInterface& device);
    ~TotalRecallManager() override;

    // Records a state (logged, change message) and runs its action: state 6 moves on
    // to the pending state, 9 sends the plug-in's image (or aborts without one), 10
    // asks the device for its image. Any thread.
    void setState (TotalRecallSessionState newState);
    TotalRecallSessionState getState() const noexcept { return state.load(); }

    // The state a session accepted by the device (6) leads to: NO_SESSION at first,
    // then what the last answer chose; kept after use.
    void setPendingState (TotalRecallSessionState newState) noexcept { pendingState = newState; }
    TotalRecallSessionState getPendingState() const noexcept { return pendingState.load(); }

    // UNKNOWN_STATE without a log line or action, and a change message (a device
    // that closed, a session id of 0). Any thread.
    void resetState();

    // TotalRecallState::Listener: called under the device-side state's lock on the
    // thread that changed it (the data worker, a job thread).
    void stateChanged() override;
    void sessionIdChanged() override;
    void imageChanged() override;

    // Queues the job "TotalRecallRecallSession" when an image is stored: unless a
    // recall is already pending it puts the device-side state to
    // RECALL_SESSION_REQUEST and sends the recall command with the stored session
    // id. False when nothing was queued. Any thread.
    bool startRecallSession (JobExecutor& jobs);

    // Shows the question (unless it is showing or still listed) and queues the job
    // "RequestTotalRecallSyncDirection" that waits for the answer and sends what
    // it asks for. False when nothing was queued. Message thread.
    bool requestSyncDirection (NotificationManager& notifications, const std::shared_ptr<Notification>& question,
                               JobExecutor& jobs);

    // Before a state save: when auto-sync is on, an image is stored and the device's
    // session is active, asks the device for its current image and waits for it
    // (at most timeoutMs). True when a fresh image was stored. The host's saving thread.
    bool syncOnSave (int timeoutMs = kSyncOnSaveTimeoutMs);

    // The job bodies (job threads); public for the processor's own jobs.
    void runRecallSession();
    // Waits for the answer in slices of kAnswerPollMs, giving up when shouldExit
    // turns true, then sends what the answer asks for.
    void runSyncDirection (std::future<Notification::Response>& answer, const std::function<bool()>& shouldExit);

private:
    void send (TotalRecallSessionState type, int sessionId);
    void sendImageOrAbort();
    void requestDeviceImage();
    int storedSessionId() const;
    int deviceSessionId() const;

    SynthPluginState& pluginState;
    Vantu::VantuInterface& device;
    std::atomic<TotalRecallSessionState> state { TotalRecallSessionState::UNKNOWN_STATE };
    std::atomic<TotalRecallSessionState> pendingState { TotalRecallSessionState::NO_SESSION };

    JUCE_DECLARE_NON_COPYABLE (TotalRecallManager)
};

#pragma once

#include "processor/CommonAudioProcessor.h"
#include "processor/ProcessorNotificationSource.h"
#include "processor/TotalRecallManager.h"

#include <memory>

// The middle layer of the device processor: what every device of the synth family
// adds to the common processor. It pulls the device's records when a device opens
// and starts a total-recall recall, resets total recall when the device closes,
// follows the plug-in state's sync mode, sidechain routing and loaded states,
// fetches the device's project image before every state save and creates one host
// parameter per device parameter.
class SynthAudioProcessor : public CommonAudioProcessor
{
public:
    static constexpr int kMaxSidechainChannels = 8;
    static constexpr int kNumTracks = 12;

    // validationHost: whether the host is a plug-in validation tool (the running
    // host's file name decides unless a test poses as one).
    SynthAudioProcessor (const juce::StringArray& outputBusNames, const std::set<int>& stereoOutputBuses,
                         std::shared_ptr<SynthPluginState> state, std::shared_ptr<GlobalPreferences> preferences,
                         std::unique_ptr<RemoteDeviceClient> client, juce::PluginHostType::HostType hostType,
                         bool validationHost = isValidationHost());
    ~SynthAudioProcessor() override;

    // One host parameter per host parameter of the device model, group by group: in
    // each group the sounds of T1..T12, the effects block, the kit and the settings;
    // the first group without any parameter ends the list. Once, on the constructing
    // thread, before the processor is handed to a host.
    void createHostParameters();

    // Queues the recall job when the plug-in state holds a project image (any thread).
    void startTotalRecallRecallSession();
    // Asks the user which side wins the recall and queues the job that sends the
    // answer (message thread).
    void requestTotalRecallSyncDirection();

    // The processor's ten notifications in creation order, and what they read.
    const std::vector<std::shared_ptr<Notification>>& getProcessorNotifications() const noexcept { return processorNotifications; }
    ProcessorNotificationSource& getNotificationSource() noexcept { return notificationSource; }

    TotalRecallManager& getTotalRecallManager() noexcept { return *totalRecallManager; }
    const std::shared_ptr<Notification>& getTotalRecallInfo() const noexcept { return totalRecallInfo; }
    const std::shared_ptr<Notification>& getTotalRecallQuestion() const noexcept { return totalRecallQuestion; }
    // How long a state save waits for the device's image (10000 ms unless a test shortens it).
    void setTotalRecallSyncTimeout (int milliseconds) noexcept { syncTimeoutMs = milliseconds; }

    // The host audio callback reads it every block: 0 until the first "SyncMode" message.
    int getSyncMode() const override { return syncMode.load(); }

    // The device's project image first (every wrapper), then the state stream.
    void getStateInformation (juce::MemoryBlock& destData) override;

    // RemoteDeviceClient::DeviceListener (the client's job thread): the common
    // open work, then a recall when an image is stored.
    void deviceOpened() override;
    // The client's job thread (or the thread that stops the client): the common
    // close work, then total recall starts over (UNKNOWN_STATE).
    void deviceClosed() override;

    // SafeChangeListener (message thread): the total-recall manager's state and the
    // plug-in state's keys ("PluginSettings", "SyncMode", "AudioInputRouting1".."8").
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

private:
    void followRoutingKey (int input);

    std::atomic<int> syncMode { 0 };
    std::atomic<int> syncTimeoutMs { TotalRecallManager::kSyncOnSaveTimeoutMs };
    std::shared_ptr<SynthPluginState> state;
    ProcessorNotificationSource notificationSource { *this };
    std::vector<std::shared_ptr<Notification>> processorNotifications;
    std::shared_ptr<TotalRecallManager> totalRecallManager;
    std::shared_ptr<Notification> totalRecallInfo;
    std::shared_ptr<Notification> totalRecallQuestion;
    JUCE_DECLARE_WEAK_REFERENCEABLE (SynthAudioProcessor)
    JUCE_DECLARE_NON_COPYABLE (SynthAudioProcessor)
};

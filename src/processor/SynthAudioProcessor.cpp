#include "processor/SynthAudioProcessor.h"

#include "foundation/Logger.h"
#include "processor/HostParameterCreation.h"
#include "processor/TotalRecallNotifications.h"

SynthAudioProcessor::SynthAudioProcessor (const juce::StringArray& outputBusNames,
                                          const std::set<int>& stereoOutputBuses,
                                          std::shared_ptr<SynthPluginState> pluginState,
                                          std::shared_ptr<GlobalPreferences> preferences,
                                          std::unique_ptr<RemoteDeviceClient> client,
                                          juce::PluginHostType::HostType hostType, bool validationHost)
    : CommonAudioProcessor (outputBusNames, stereoOutputBuses, kMaxSidechainChannels, pluginState,
                            std::move (preferences), std::move (client), hostType, validationHost),
      state (std::move (pluginState)),
      totalRecallManager (std::make_shared<TotalRecallManager> (*state, getDeviceInterface()))
{
    processorNotifications = makeProcessorNotifications (notificationSource);
    for (const auto& notification : processorNotifications)
        getNotificationManager().addNotification (notification, false);

    getDeviceInterface().getTotalRecallState().addListener (totalRecallManager.get());

    totalRecallInfo = makeTotalRecallInfoNotification (totalRecallManager);
    getNotificationManager().addNotification (totalRecallInfo, false);
    totalRecallQuestion = makeTotalRecallQuestion();

    totalRecallManager->addChangeListener (this);
}

SynthAudioProcessor::~SynthAudioProcessor()
{
    totalRecallManager->removeChangeListener (this);
    getDeviceInterface().getTotalRecallState().removeListener (totalRecallManager.get());
    masterReference.clear();
    totalRecallQuestion.reset();
    state.reset();
    totalRecallManager.reset();
}

//==============================================================================
void SynthAudioProcessor::createHostParameters()
{
    struct Source
    {
        MachineDataObject* object;
        juce::String prefix;
        int index;
    };

    auto& kit = getDeviceInterface().getKit();
    std::vector<Source> sources;
    for (int track = 0; track < kNumTracks; ++track)
        sources.push_back ({ kit.getSound (track), "T" + juce::String (track + 1) + " ", track });
    sources.push_back ({ &kit.getFx(), "FX ", 12 });
    sources.push_back ({ &kit, {}, 0 });
    sources.push_back ({ &getDeviceInterface().getSettings(), {}, 0 });

    for (int group = 0;; ++group)
    {
        std::size_t created = 0;
        for (const auto& source : sources)
            created += ::createHostParameters (*this, *source.object, group, source.index, source.prefix).size();
        if (created == 0)
            break;
    }
}

//==============================================================================
void SynthAudioProcessor::startTotalRecallRecallSession()
{
    totalRecallManager->startRecallSession (*this);
}

void SynthAudioProcessor::requestTotalRecallSyncDirection()
{
    totalRecallManager->requestSyncDirection (getNotificationManager(), totalRecallQuestion, *this);
}

void SynthAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    totalRecallManager->syncOnSave (syncTimeoutMs.load());
    CommonAudioProcessor::getStateInformation (destData);
}

//==============================================================================
void SynthAudioProcessor::deviceOpened()
{
    CommonAudioProcessor::deviceOpened();
    startTotalRecallRecallSession();
}

void SynthAudioProcessor::deviceClosed()
{
    CommonAudioProcessor::deviceClosed();
    totalRecallManager->resetState();
}

//==============================================================================
void SynthAudioProcessor::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source == totalRecallManager.get())
    {
        if (totalRecallManager->getState() == TotalRecallSessionState::RECALL_SESSION_WAITING_USER_INPUT)
            requestTotalRecallSyncDirection();
        else
            totalRecallQuestion->deactivate();
        return;
    }

    if (source != state.get())
        return;

    const juce::String key = source->lastMessage;
    if (key == PluginStateIds::root.toString())
    {
        startTotalRecallRecallSession();
        return;
    }
    if (key == PluginStateIds::syncMode.toString())
    {
        syncMode = state->getIntProperty (PluginStateIds::syncMode, 0);
        return;
    }
    for (int input = 0; input < SynthPluginState::numRoutedInputs; ++input)
        if (key == PluginStateIds::audioInputRouting[(std::size_t) input].toString())
            followRoutingKey (input);
}

void SynthAudioProcessor::followRoutingKey (int input)
{
    auto& routing = inputRoutingTable();
    const int hostChannels = getTotalNumInputChannels();
    if (input < hostChannels)
        routing.set (input, state->getAudioInputRouting (input));
    for (int channel = hostChannels; channel < kMaxHostInputChannels; ++channel)
        routing.set (channel, -1);
}

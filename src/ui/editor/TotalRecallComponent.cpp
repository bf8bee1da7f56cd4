#include "ui/editor/TotalRecallComponent.h"

#include "foundation/Logger.h"
#include "model/TotalRecallCommand.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/lookandfeel/ColourIds.h"
#include "ui/editor/HeaderPopup.h"

namespace
{
const juce::Colour panelColour (0xff303030);
const juce::Colour outlineColour (0xff646464);
constexpr int hue = 4;
constexpr int lampActive = 1;
constexpr int lampInactive = 4;

namespace Command
{
    constexpr std::uint8_t sessionAbort = 3;
    constexpr std::uint8_t newSession = 4;
    constexpr std::uint8_t syncDeviceToHost = 12;
} // namespace Command
} // namespace

TotalRecallComponent::TotalRecallComponent (VantuAudioProcessor& processorToUse, std::unique_ptr<ActionButton> tab)
    : processor (&processorToUse),
      state (processorToUse.getPluginState()),
      manager (processorToUse.getTotalRecallManager().shared_from_this()),
      heading (TRANS ("DEVICE STATE TOTAL RECALL")),
      syncButton (TRANS ("ENABLE NOW"), TRANS ("Activate Total Recall synchronization between your Corvanel device and DAW.")),
      disableButton (TRANS ("DISABLE"), TRANS ("Disable Total Recall.")),
      autoSync (TRANS ("Sync automatically on save")),
      reactivateButton (TRANS ("REACTIVATE"),
                        TRANS ("Reactivate Total Recall, the device and plugin will show you options of where to load "
                               "your Total Recall data from.")),
      tabButton (std::move (tab))
{
    autoSync.setButtonText (TRANS ("Sync automatically on save"));
    autoSync.setTooltip (TRANS ("Automatic Sync will synchronize your device with your DAW without you having to "
                                "remember to save the device state manually, just save your project."));
    for (auto* button : { &syncButton, &disableButton, &reactivateButton })
        button->setColour (CorvanelColourIds::actionButtonFillOff, panelColour);
    autoSync.setColour (CorvanelColourIds::onOffBackground, panelColour);
    lamp.backgroundColour = panelColour;

    for (auto* c : std::initializer_list<juce::Component*> { &heading, &description, &syncButton, &disableButton,
                                                             &autoSync, &status, &reactivateButton, &lamp, tabButton.get() })
        addAndMakeVisible (c);
    for (auto* button : std::initializer_list<juce::Button*> { &syncButton, &disableButton, &reactivateButton, &autoSync,
                                                               tabButton.get() })
        button->addListener (this);

    state->addChangeListener (this);
    manager->addChangeListener (this);
    showStoredData();
    showAutoSync();
    showSession();
    setHue (hue);
}

TotalRecallComponent::~TotalRecallComponent()
{
    state->removeChangeListener (this);
    manager->removeChangeListener (this);
    for (auto* button : std::initializer_list<juce::Button*> { &syncButton, &disableButton, &reactivateButton, &autoSync,
                                                               tabButton.get() })
        button->removeListener (this);
}

std::int32_t TotalRecallComponent::newSessionId (std::int64_t nowMs)
{
    const auto step = static_cast<std::uint64_t> (nowMs) * 25214903917ull + 11ull;
    const auto id = static_cast<std::int32_t> (static_cast<std::uint32_t> (step >> 16));
    return id != 0 ? id : 1;
}

bool TotalRecallComponent::isSessionActive() const
{
    auto* p = processor.get();
    return p != nullptr && p->getDeviceInterface().getTotalRecallState().getSessionId() != 0
        && manager->getState() == TotalRecallSessionState::SESSION_ACTIVE;
}

void TotalRecallComponent::showStoredData()
{
    const bool stored = state->hasTotalRecallData();
    if (stored)
    {
        const auto when = juce::Time (state->getInt64Property (PluginStateIds::totalRecallTimestamp, 0));
        description.setText (TRANS ("Total Recall is enabled. The device state was last synced at ")
                                 + when.toString (true, true, false, true),
                             juce::dontSendNotification);
        syncButton.setButtonText (TRANS ("SYNC NOW"));
    }
    else
    {
        description.setText (TRANS ("The device state can optionally be stored and managed by the plugin, for Total Recall."),
                             juce::dontSendNotification);
        syncButton.setButtonText (TRANS ("ENABLE NOW"));
    }
    for (auto* c : std::initializer_list<juce::Component*> { &disableButton, &autoSync, &status, &lamp, &reactivateButton })
        c->setVisible (stored);
}

void TotalRecallComponent::showAutoSync()
{
    // A missing key reads as off while the state tree exists.
    autoSync.setToggleState (state->getBoolProperty (PluginStateIds::totalRecallAutoSyncEnabled, true),
                             juce::dontSendNotification);
}

void TotalRecallComponent::showSession()
{
    if (isSessionActive())
    {
        status.setText (TRANS ("Total Recall session is active in the device!"), juce::dontSendNotification);
        reactivateButton.setEnabled (true);
        lamp.state = lampActive;
    }
    else
    {
        status.setText (TRANS ("Total Recall session is not active in the device!"), juce::dontSendNotification);
        reactivateButton.setEnabled (! state->hasTotalRecallData());
        lamp.state = lampInactive;
    }
    lamp.repaint();
}

void TotalRecallComponent::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source == manager.get())
    {
        showSession();
        return;
    }
    if (source != state.get())
        return;
    if (source->lastMessage == PluginStateIds::totalRecallDataCompressed.toString())
        showStoredData();
    else if (source->lastMessage == PluginStateIds::totalRecallAutoSyncEnabled.toString())
        showAutoSync();
}

void TotalRecallComponent::buttonClicked (juce::Button* button)
{
    if (button == tabButton.get())
    {
        HeaderPopup::closeEnclosing (*this, closeResult);
        return;
    }
    auto* p = processor.get();
    if (p == nullptr)
        return;
    auto& device = p->getDeviceInterface();
    if (button == &syncButton)
    {
        if (isSessionActive())
        {
            device.sendTotalRecallCommand ({ Command::syncDeviceToHost, device.getTotalRecallState().getSessionId() });
            device.updateProjectFromMachine();
            return;
        }
        const auto id = newSessionId (juce::Time::currentTimeMillis());
        FH_LOG (spdlog::level::info, "Total recall: a new session {} is offered to the device.", id);
        device.sendTotalRecallCommand ({ Command::newSession, id });
        manager->setPendingState (TotalRecallSessionState::RECALL_SESSION_ACCEPTED_DEVICE_IS_MASTER_WAITING_FOR_SYNC);
        state->setIntProperty (PluginStateIds::totalRecallSessionId, id);
    }
    else if (button == &disableButton)
    {
        state->setIntProperty (PluginStateIds::totalRecallSessionId, 0);
        state->setTotalRecallData ({});
        device.sendTotalRecallCommand ({ Command::sessionAbort, 0 });
    }
    else if (button == &autoSync)
    {
        state->setBoolProperty (PluginStateIds::totalRecallAutoSyncEnabled, autoSync.getToggleState());
    }
    else if (button == &reactivateButton)
    {
        p->startTotalRecallRecallSession();
    }
}

void TotalRecallComponent::resized()
{
    // The panel is laid out for its one size, 292 x 266; the tab stays at the top right.
    const int W = getWidth(), H = getHeight();
    if (tabButton != nullptr)
        tabButton->setBounds (W - juce::jmin (W, 60), 0, juce::jmin (W, 60), juce::jmin (H, 16));
    heading.setBounds (24, 36, 244, 24);
    description.setBounds (32, 68, 228, 32);
    syncButton.setBounds (28, 108, 110, 20);
    disableButton.setBounds (150, 108, 110, 20);
    autoSync.setBounds (32, 136, 217, 32);
    lamp.setBounds (28, 172, 14, 32);
    status.setBounds (48, 172, 216, 32);
    reactivateButton.setBounds (28, 212, 110, 20);
}

void TotalRecallComponent::paint (juce::Graphics& g)
{
    const int W = getWidth(), H = getHeight();
    const auto panel = [&g] (juce::Rectangle<int> area) {
        g.setColour (panelColour);
        g.fillRect (area);
        g.setColour (outlineColour);
        g.drawRect (area, 1);
    };
    panel ({ W - 60, 0, 60, 17 });
    panel ({ 0, 16, W, H - 16 });
    g.setColour (panelColour);
    g.fillRect (W - 59, 1, 58, 17);
}

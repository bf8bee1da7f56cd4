#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/widgets/ActionButton.h"
#include "ui/widgets/LabeledOnOffButton.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/Led.h"
#include "ui/widgets/Panel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>
#include <memory>

class SynthPluginState;
class TotalRecallManager;
class VantuAudioProcessor;

// The total-recall panel that the header's "Total Recall" button opens: whether
// the plug-in keeps the device's state ("ENABLE NOW" or "SYNC NOW",
// "DISABLE", "Sync automatically on save") and whether the device reports an
// active session (lamp, status text, "REACTIVATE"). It only sends total-recall
// commands and writes plug-in state keys; the session logic is the
// processor's. Its tab at the top right (the header button's twin) closes it.
// Message thread only.
class TotalRecallComponent : public corvanel::Panel, private juce::Button::Listener, private SafeChangeListener
{
public:
    static constexpr int closeResult = 1234;

    // tabButton: the tab at the top right, the header button's size (owned from here on).
    TotalRecallComponent (VantuAudioProcessor& processor, std::unique_ptr<ActionButton> tabButton);
    ~TotalRecallComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    // The id a new session gets from the time (ms since 1970): a 64-bit linear
    // congruential step, shifted right by 16, the low 32 bits kept; 0 (which
    // means "no session") becomes 1.
    static std::int32_t newSessionId (std::int64_t nowMs);

    // Whether the device reports an active session (its id is not 0 and the
    // manager's state is SESSION_ACTIVE).
    bool isSessionActive() const;

    ActionButton& getSyncButton() { return syncButton; }
    ActionButton& getDisableButton() { return disableButton; }
    ActionButton& getReactivateButton() { return reactivateButton; }
    ActionButton& getTabButton() { return *tabButton; }
    LabeledOnOffButton& getAutoSyncSwitch() { return autoSync; }
    SmallLabel& getDescription() { return description; }
    SmallLabel& getStatus() { return status; }
    PanelHeadingLabel& getHeading() { return heading; }
    Led& getLamp() { return lamp; }

private:
    // juce::Button::Listener (message thread).
    void buttonClicked (juce::Button* button) override;
    // SafeChangeListener (message thread): the plug-in state's keys and the
    // total-recall manager's state.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    void showStoredData();
    void showAutoSync();
    void showSession();

    // The panel may outlive the editor and the processor (the modal manager
    // deletes it later): it keeps the state and the manager it listens to and
    // does nothing once the processor is gone.
    juce::WeakReference<VantuAudioProcessor> processor;
    std::shared_ptr<SynthPluginState> state;
    std::shared_ptr<TotalRecallManager> manager;
    PanelHeadingLabel heading;
    SmallLabel description;
    ActionButton syncButton;
    ActionButton disableButton;
    LabeledOnOffButton autoSync;
    SmallLabel status;
    ActionButton reactivateButton;
    Led lamp;
    std::unique_ptr<ActionButton> tabButton;
};

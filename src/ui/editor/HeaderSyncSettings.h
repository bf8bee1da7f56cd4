#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/widgets/Labels.h"

#include <juce_gui_basics/juce_gui_basics.h>

class PluginState;

// The header's "Sync" selector: shows the plug-in state's "SyncMode" ("No
// sync" 0, "Clock" 1, "Clock+Transport" 2; item id = mode + 1) and stores the
// user's choice. Hidden (no area) in the standalone wrapper. Message thread.
class HeaderSyncSettings : public juce::Component, private juce::ComboBox::Listener, private SafeChangeListener
{
public:
    explicit HeaderSyncSettings (PluginState& state);
    ~HeaderSyncSettings() override;

    void resized() override;

    juce::ComboBox& getComboBox() { return comboBox; }
    SmallLabel& getLabel() { return label; }

private:
    // juce::ComboBox::Listener (message thread): stores the choice.
    void comboBoxChanged (juce::ComboBox* box) override;
    // SafeChangeListener (message thread): follows "SyncMode" set elsewhere.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    bool isStandalone() const;

    PluginState& state;
    SmallLabel label { "Sync" };
    juce::ComboBox comboBox;
};

#pragma once

#include "model/MachineDataListener.h"
#include "processor/PanelContextIfc.h"
#include "processor/PluginVolatileState.h"
#include "ui/editor/MainTabComponent.h"
#include "ui/widgets/tabs/MyTabbedComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class VantuAudioProcessor;
class TrackTab;

// The "Kit Editor" section: fourteen tabs, "TRK 1" .. "TRK 12" (one track tab
// each), "ANALOG FX BLOCK" and "EFFECTS". The selected tab follows the
// device's active edit track (0..12; the device never selects "EFFECTS"), and
// every tab change goes to the processor's volatile state; nothing here is
// written to the device. The main content's first section: while mouse-wheel
// editing of knobs is on, wheel events that reach the section stay here (the
// section's wheel flag). Message thread only.
class VantuKitSoundEditor : public MainTabComponent,
                            public MachineDataObject::Listener<int, Vantu::Settings>,
                            private juce::ChangeListener
{
public:
    static constexpr int tabCount = 14;
    static constexpr int effectsBlockTab = 12;
    static constexpr int effectsTab = 13;
    static constexpr int topStrip = 16;
    static constexpr int tabBarDepth = 22;
    static constexpr juce::uint32 backgroundColour = 0xFF1E1E1E;

    explicit VantuKitSoundEditor (VantuAudioProcessor& processor);
    VantuKitSoundEditor (PanelContextIfc& context, PluginVolatileState& volatileState);
    ~VantuKitSoundEditor() override;

    MyTabbedComponent& getTabs() { return *tabs; }
    // The track tab of a track (0..11); null for any other index.
    TrackTab* getTrackTab (int trackIndex) const;
    // The selected tab (0..11 are the tracks), which a return from the sound
    // browser selects as the volatile state's track.
    int getCurrentTabIndex() const override { return tabs->getCurrentTabIndex(); }

    // Message thread, from the data-update timer's poll: the active edit track.
    void valueChanged (Vantu::Settings* owner, const juce::Identifier& id, int value) override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void lookAndFeelChanged() override;

private:
    // Message thread, after the tab bar's current index changed.
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    void addTabs (PanelContextIfc& context);

    PluginVolatileState& volatileState;
    std::unique_ptr<MyTabbedComponent> tabs;

    JUCE_DECLARE_NON_COPYABLE (VantuKitSoundEditor)
};

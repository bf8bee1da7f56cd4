#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/widgets/FontButton.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/Panel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <memory>

class CommonAudioProcessor;
class SynthPluginState;

// The sidechain routing window: for each stereo pair of the processor's input
// buses (at most four) a caption "1/2" .. "7/8" and two selectors that route
// the pair's left and right channel to a hardware input of the device
// ("Disabled", or one of the processor's main channel names). The choices
// live in "AudioInputRouting1".."8"; a hardware input is held by one channel
// only, so choosing it elsewhere disables it here. Without a processor, or
// with no input bus, the body says "Sidechain not supported in your DAW.".
// Message thread only.
class PluginRoutingComponent : public corvanel::Panel,
                               private juce::Button::Listener,
                               private SafeChangeListener,
                               private juce::ComboBox::Listener
{
public:
    static constexpr int maxPairs = 4;
    static constexpr int numChannels = 2 * maxPairs;
    static constexpr int itemIdOffset = 100;
    static constexpr int disabledItemId = itemIdOffset - 1;
    static constexpr int closeResult = 1234;

    // closeButton: the tab at the top right that closes the window (owned from here on).
    PluginRoutingComponent (juce::WeakReference<CommonAudioProcessor> processor, std::unique_ptr<FontButton> closeButton);
    ~PluginRoutingComponent() override;

    // Shows the stored routing of one "AudioInputRouting" key in its selector
    // (nothing for other keys, or once the processor is gone).
    void refreshRouting (const juce::Identifier& key);

    void paint (juce::Graphics& g) override;
    void resized() override;

    int getPairCount() const { return pairCount; }
    juce::ComboBox& getCombo (int channel) { return combos[static_cast<size_t> (channel)]; }
    SmallLabel& getCaption (int pair) { return captions[static_cast<size_t> (pair)]; }
    PanelHeadingLabel& getHeading() { return heading; }
    FontButton& getCloseButton() { return *closeButton; }

private:
    // juce::Button::Listener (message thread): the close button ends the pop-up.
    void buttonClicked (juce::Button* button) override;
    // SafeChangeListener (message thread): a key of the plug-in state changed.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;
    // juce::ComboBox::Listener (message thread): the user routed a channel.
    void comboBoxChanged (juce::ComboBox* box) override;

    juce::WeakReference<CommonAudioProcessor> processor;
    // Held so that the window can still stop listening when the processor went first.
    std::shared_ptr<SynthPluginState> state;
    PanelHeadingLabel heading;
    std::array<SmallLabel, maxPairs> captions;
    std::array<juce::ComboBox, numChannels> combos;
    std::unique_ptr<FontButton> closeButton;
    int pairCount = 0;
};

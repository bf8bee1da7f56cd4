#pragma once

#include "ui/widgets/FontButton.h"

class CommonAudioProcessor;

// The header's button for the sidechain input routing ("Show sidechain routing
// setup"): a click opens the routing window (PluginRoutingComponent) in a
// pop-up whose close tab lies over this button. Message thread.
class SidechainBtn : public FontButton
{
public:
    explicit SidechainBtn (juce::WeakReference<CommonAudioProcessor> processor);
    ~SidechainBtn() override;

    // Opens the routing window: 332 x 210 content units, its pop-up 308 units
    // left of and 4 above the button, 342 x 220 units.
    void clicked() override;

private:
    juce::WeakReference<CommonAudioProcessor> processor;
};

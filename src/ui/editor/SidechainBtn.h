#pragma once

#include "ui/widgets/FontButton.h"

class CommonAudioProcessor;

// The header's button for the sidechain input routing ("Show sidechain routing
// setup"). It keeps a weak reference to the processor for the routing window,
// which comes with the header tools; until then a click opens nothing.
class SidechainBtn : public FontButton
{
public:
    explicit SidechainBtn (juce::WeakReference<CommonAudioProcessor> processor);
    ~SidechainBtn() override;

private:
    juce::WeakReference<CommonAudioProcessor> processor;
};

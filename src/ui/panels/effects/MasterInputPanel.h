#pragma once

#include "ui/panels/engine/GlobalModeCaptions.h"
#include "ui/panels/engine/ParameterPanel.h"
#include "ui/panels/engine/ValueWatch.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/knobs/HighResKnobs.h"
#include "ui/widgets/sliders/DialSliders.h"

// The "EXT-IN MIXER" section of the effects tab: the external input's level
// and balance (pan for mono inputs) on top, its delay and reverb sends below.
// Its help texts and the pan caption follow whether the input is one stereo
// pair or mono inputs; its captions follow bit 1 of the global-mode mask.
// Message thread only.
class MasterInputPanel : public ParameterPanel
{
public:
    static constexpr int globalModeBit = 1;

    MasterInputPanel (PanelContextIfc& context, int track);
    ~MasterInputPanel() override;

    void setParameterIds();

    UniHighResKnob& getLevelKnob() { return levelKnob; }
    DuodirectionalKnob& getPanKnob() { return panKnob; }
    CircleSlider& getDelaySend() { return delaySend; }
    CubeSlider& getReverbSend() { return reverbSend; }
    SmallLabel& getInputCaption() { return inputCaption; }
    SmallLabel& getPanCaption() { return panCaption; }
    SmallLabel& getReverbCaption() { return reverbCaption; }
    SmallLabel& getDelayCaption() { return delayCaption; }
    bool isStereo() const { return stereo; }
    const GlobalModeCaptions& getGlobalMode() const { return globalMode; }

    void paint (juce::Graphics&) override {}
    void resized() override;

private:
    void applyStereoTexts();

    SmallLabel inputCaption { "In LR" };
    SmallLabel panCaption;
    SmallLabel reverbCaption { "Rev LR" };
    SmallLabel delayCaption { "Delay LR" };
    CircleSlider delaySend { true };
    UniHighResKnob levelKnob;
    CubeSlider reverbSend { true };
    DuodirectionalKnob panKnob;
    bool stereo = true;
    GlobalModeCaptions globalMode;
    ValueWatch<Vantu::Settings> modeWatch;
};

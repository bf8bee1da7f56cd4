#pragma once

#include "ui/panels/engine/GlobalModeCaptions.h"
#include "ui/panels/engine/ParameterPanel.h"
#include "ui/widgets/LabeledOnOffButton.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/graphs/DelayRingGraph.h"
#include "ui/widgets/knobs/HighResKnobs.h"
#include "ui/widgets/knobs/ListKnob.h"
#include "ui/widgets/sliders/DialSliders.h"

#include <array>

// The "DELAY" section of the effects tab: time, ping-pong, stereo width and
// feedback on the first row, the two filters, the reverb send and the volume
// on the second, and the echo diagram at the right, which follows both the
// device's values and the user's edits. The captions follow bit 6 of the
// global-mode mask. The ninth identifier is watched and never acted on.
// Message thread only.
class DelayPanel : public ParameterPanel
{
public:
    static constexpr int globalModeBit = 6;
    static constexpr int timeOffset = 256;
    static constexpr int widthOffset = 16384;

    // track: 12, the effects (its data object is the kit's effects object).
    DelayPanel (PanelContextIfc& context, int track);
    ~DelayPanel() override;

    void setParameterIds (const juce::Identifier& time, const juce::Identifier& feedback, const juce::Identifier& hpFilter,
                          const juce::Identifier& lpFilter, const juce::Identifier& width, const juce::Identifier& pingPong,
                          const juce::Identifier& reverbSend, const juce::Identifier& volume, const juce::Identifier& ninth);

    // The feedback percentage that a feedback position shows (0 .. 198).
    static int feedbackPercent (int index);

    UniHighResKnob& getTimeKnob() { return timeKnob; }
    ListKnob& getFeedbackKnob() { return feedbackKnob; }
    UniHighResKnob& getHpKnob() { return hpKnob; }
    UniHighResKnob& getLpKnob() { return lpKnob; }
    UniHighResKnob& getWidthKnob() { return widthKnob; }
    LabeledOnOffButton& getPingPongSwitch() { return pingPongSwitch; }
    CubeSlider& getSendSlider() { return sendSlider; }
    UniHighResKnob& getVolumeKnob() { return volumeKnob; }
    DelayRingGraph& getDiagram() { return diagram; }
    SmallLabel& getCaption (int index) { return captions[static_cast<size_t> (index)]; }
    const GlobalModeCaptions& getGlobalMode() const { return globalMode; }

    // Message thread, from the data-update timer's poll: the controls, then the diagram.
    void valueChanged (MachineDataObject* object, const juce::Identifier& id, int value) override;
    // A user edit: the diagram follows at once, then the value is written.
    void writeFromGui (const juce::Identifier& id, int value) override;

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    enum CaptionIndex { timeCaption, feedbackCaption, hpCaption, lpCaption, widthCaption, pingPongCaption, sendCaption, volumeCaption };

    void showOnDiagram (const juce::Identifier& id, int value, bool fromDevice);

    std::array<SmallLabel, 8> captions;
    UniHighResKnob timeKnob { "Time" };
    ListKnob feedbackKnob;
    UniHighResKnob hpKnob { "HP Filter" };
    UniHighResKnob lpKnob { "LP Filter" };
    UniHighResKnob widthKnob { "Stereo Width" };
    LabeledOnOffButton pingPongSwitch { juce::String() };
    CubeSlider sendSlider { true };
    UniHighResKnob volumeKnob { "Volume" };
    DelayRingGraph diagram;
    std::array<juce::Identifier, 9> ids;
    GlobalModeCaptions globalMode;
};

#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/panels/engine/GlobalModeCaptions.h"
#include "ui/panels/engine/ParameterPanel.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/graphs/FilterGraph.h"
#include "ui/widgets/knobs/HighResKnobs.h"
#include "ui/widgets/sliders/DialSliders.h"

#include <array>

// The "REVERB" section of the effects tab: pre-delay and volume, the decay
// knob, the feedback shelving (frequency, gain and its graph) and the input
// filter (high-pass, low-pass and its band graph). Dragging a graph point
// moves its knobs and writes their values; knob and device values move the
// graphs. The captions follow bit 7 of the global-mode mask. Message thread only.
class ReverbPanel : public ParameterPanel, private SafeChangeListener
{
public:
    static constexpr int globalModeBit = 7;

    // A section title over a graph: the text between two lines.
    class Title : public juce::Component, public HasHue
    {
    public:
        explicit Title (juce::String text);

        // The box the text is drawn in, in the title's coordinates.
        juce::Rectangle<int> getTextBox() const;
        const juce::String& getText() const { return text; }

        void paint (juce::Graphics& g) override;

    private:
        juce::String text;
        juce::Font font;
    };

    ReverbPanel (PanelContextIfc& context, int track);
    ~ReverbPanel() override;

    void setParameterIds (const juce::Identifier& preDelay, const juce::Identifier& decayTime,
                          const juce::Identifier& shelvingFrequency, const juce::Identifier& shelvingGain,
                          const juce::Identifier& lpFilter, const juce::Identifier& hpFilter, const juce::Identifier& volume);

    UniHighResKnob& getPreDelayKnob() { return preDelayKnob; }
    ReverbDecayKnob& getDecayKnob() { return decayKnob; }
    UniHighResKnob& getFrequencyKnob() { return frequencyKnob; }
    UniHighResKnob& getGainKnob() { return gainKnob; }
    UniHighResKnob& getLpKnob() { return lpKnob; }
    UniHighResKnob& getHpKnob() { return hpKnob; }
    UniHighResKnob& getVolumeKnob() { return volumeKnob; }
    BPFilter& getInputGraph() { return inputGraph; }
    ShelvingFilter& getShelvingGraph() { return shelvingGraph; }
    Title& getShelvingTitle() { return shelvingTitle; }
    Title& getInputTitle() { return inputTitle; }
    SmallLabel& getCaption (int index) { return captions[static_cast<size_t> (index)]; }
    const GlobalModeCaptions& getGlobalMode() const { return globalMode; }

    // Message thread, from the data-update timer's poll: the controls, then the graphs.
    void valueChanged (MachineDataObject* object, const juce::Identifier& id, int value) override;
    // A user edit of a knob: the graphs follow at once, then the value is written.
    void writeFromGui (const juce::Identifier& id, int value) override;
    // Message thread: the user dragged a point of a graph.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    void showOnGraphs (const juce::Identifier& id, int value);
    void writeKnob (UniHighResKnob& knob, const juce::Identifier& id, int value);

    std::array<SmallLabel, 7> captions;
    UniHighResKnob preDelayKnob { "Pre-Delay" };
    UniHighResKnob frequencyKnob { "Shelving Frequency" };
    UniHighResKnob gainKnob { "Shelving Gain" };
    UniHighResKnob lpKnob { "LP Filter" };
    UniHighResKnob hpKnob { "HP Filter" };
    UniHighResKnob volumeKnob { "Volume" };
    ReverbDecayKnob decayKnob;
    BPFilter inputGraph;
    ShelvingFilter shelvingGraph;
    Title shelvingTitle { "FEEDBACK SHELVING" };
    Title inputTitle { "INPUT FILTERING" };
    juce::Identifier preDelayId, decayId, frequencyId, gainId, lpId, hpId, volumeId;
    GlobalModeCaptions globalMode;
};

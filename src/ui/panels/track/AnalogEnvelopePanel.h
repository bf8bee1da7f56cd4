#pragma once

#include "ui/panels/engine/ParameterPanel.h"
#include "ui/panels/track/FilterEnvelopeRow.h"
#include "ui/widgets/graphs/MultimodeFilterComponent.h"
#include "ui/widgets/selectors/Selectors.h"

#include <array>

// The "ANALOG MULTI-MODE FILTER" section of T9 to T12: above, the analog
// multi-mode filter (eight types, cutoff, resonance and envelope depth, with
// a response display whose point drags cutoff and resonance); below, the
// filter envelope row. Value boxes follow device values also while dragged;
// no timer runs. Message thread only.
class AnalogEnvelopePanel : public ParameterPanel, private juce::Slider::Listener, private SafeChangeListener
{
public:
    // The selector's type ids, in button order; a type value n (0..7) is the id at n.
    static constexpr std::array<int, 8> filterTypes { 0, 2, 4, 5, 9, 6, 10, 7 };
    static constexpr int offType = 7;
    // Type value n -> type id; any n outside 0..7 shows OFF.
    static int typeIdOfValue (int n);
    // Type id -> type value; OFF and unknown ids give 7.
    static int valueOfTypeId (int typeId);

    // sound: the track's sound, not owned (may be null); trackIndex 8..11.
    AnalogEnvelopePanel (PanelContextIfc& context, MachineDataObject* sound, int trackIndex);
    ~AnalogEnvelopePanel() override;

    // In this order: attack, decay, sustain, release, resonance, frequency,
    // envelope depth, analog filter type, envelope delay, envelope reset.
    // Watches them (all reported on the next poll) and sets the defaults.
    void setParameterIds (const std::array<juce::Identifier, 10>& ids);

    FilterEnvelopeRow& getEnvelope() { return envelope; }
    HighResultionTextBoxSlider& getFrequencyBox() { return frequency; }
    HighResultionTextBoxSlider& getResonanceBox() { return resonance; }
    HighResultionTextBoxSlider& getDepthBox() { return depth; }
    ModulationSlider& getFrequencyBar() { return frequencyBar; }
    ModulationSlider& getResonanceBar() { return resonanceBar; }
    ModulationSlider& getDepthBar() { return depthBar; }
    corvanel::SelectFilterType& getTypeSelector() { return typeSelector; }
    corvanel::MultimodeFilterComponent& getDisplay() { return display; }
    SmallLabel& getTitle() { return title; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    // Message thread: a value box of the upper half moved by the user.
    void sliderValueChanged (juce::Slider* slider) override;
    // Message thread: the type selector or a drag on the display.
    void changeListenerCallback (SafeChangeBroadcaster* source) override;

    void showType (int value);

    juce::Identifier frequencyId, resonanceId, depthId, typeId;
    FilterEnvelopeRow envelope;
    SmallLabel title { juce::translate ("Multimode Filter") };
    SmallLabel frequencyCaption { juce::translate ("Frequency") }, resonanceCaption { juce::translate ("Resonance") },
        depthCaption { juce::translate ("Env. Depth") };
    HighResultionTextBoxSlider frequency, resonance, depth;
    ModulationSlider frequencyBar, resonanceBar, depthBar;
    corvanel::SelectFilterType typeSelector { std::vector<int> (filterTypes.begin(), filterTypes.end()) };
    corvanel::MultimodeFilterComponent display;
};

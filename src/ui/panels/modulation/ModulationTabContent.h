#pragma once

#include "model/MachineDataListener.h"
#include "processor/PanelContextIfc.h"
#include "ui/panels/engine/ControlBinding.h"
#include "ui/panels/modulation/DestinationBox.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/Panel.h"
#include "ui/widgets/knobs/HighResKnobs.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <functional>
#include <memory>

// The page of one MIDI performance source of a track: four slots, each with
// a "Destination n" caption and its destination box on the left and a
// "Depth n" caption with the depth knob on the right. The depth knobs show
// the raw device value / 256 and write the value the user sets, truncated;
// device values are shown without echo and light the knob, which fades.
// It draws no background and opens no menu. Message thread only.
class ModulationTabContent : public corvanel::Panel,
                             public MachineDataObject::Listener<int, MachineDataObject>,
                             public ParameterWriter,
                             private juce::Timer
{
public:
    static constexpr int slotCount = 4;
    static constexpr int fadeIntervalMs = 33;

    // Slot 0..3 to the source's destination or depth identifier.
    using SlotIdentifier = std::function<const juce::Identifier& (int slot)>;

    // sound: the track's sound, not owned, outlives the page. trackFlavour: 0
    // on T1..T8, 1 on T9..T12 (the kind of the destination boxes).
    ModulationTabContent (PanelContextIfc& context, MachineDataObject* sound, SlotIdentifier destinationId,
                          SlotIdentifier depthId, int trackFlavour);
    ~ModulationTabContent() override;

    SmallLabel& getDestinationLabel (int slot) { return *slots[(size_t) slot].destinationLabel; }
    SmallLabel& getDepthLabel (int slot) { return *slots[(size_t) slot].depthLabel; }
    HighResKnob& getDepthKnob (int slot) { return *slots[(size_t) slot].depthKnob; }
    DestinationBox& getDestinationBox (int slot) { return *slots[(size_t) slot].destinationBox; }

    void resized() override;

    // Message thread, from the data-update timer's poll.
    void valueChanged (MachineDataObject* object, const juce::Identifier& id, int value) override;

    // A depth edit: written through the sound, unless the identifier is empty
    // or there is no sound.
    void writeFromGui (const juce::Identifier& id, int value) override;

private:
    // Message thread, every 33 ms: the knobs' highlights fade.
    void timerCallback() override;

    struct Slot
    {
        std::unique_ptr<SmallLabel> destinationLabel;
        std::unique_ptr<SmallLabel> depthLabel;
        std::unique_ptr<HighResKnob> depthKnob;
        std::unique_ptr<DestinationBox> destinationBox;
        std::unique_ptr<FineKnobBinding> depth;   // after the knob: gone first
    };

    std::array<Slot, slotCount> slots;

    JUCE_DECLARE_NON_COPYABLE (ModulationTabContent)
};

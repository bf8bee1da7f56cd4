#pragma once

#include "model/MachineDataListener.h"
#include "model/Sound.h"
#include "processor/PanelContextIfc.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/Panel.h"
#include "ui/widgets/StaticPanel.h"
#include "ui/widgets/StaticTabSet.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <utility>
#include <vector>

class SynthPanel;

// The page of one track (T1..T12) in the kit editor: titled sections for the
// sound settings, the machine host with its machine selector, the filter
// section(s) of the track's group, the amp and the modulation pages. The only
// device value it writes itself is the machine type chosen in its selector.
// Message thread only.
class TrackTab : public juce::Component,
                 public MachineDataObject::Listener<int, MachineDataObject>,
                 private juce::ComboBox::Listener
{
public:
    // sound: the track's sound, not owned, outlives the tab (may be null).
    TrackTab (PanelContextIfc& context, int trackIndex, Vantu::Sound* sound);
    ~TrackTab() override;

    using Page = std::pair<juce::String, std::unique_ptr<corvanel::Panel>>;

    // The three pages of "SOUND SETTINGS": "Presets", "Portamento", "Other".
    static std::vector<Page> createSoundSettingsPages (PanelContextIfc& context, int trackIndex);

    // Fills the selector with the machines of the track's group, in its order.
    void populateMachineList();
    // Appends a machine to the lists; an item with id machineType + 1 unless
    // the text is empty or the type is -1.
    void addMachineItem (int machineType, juce::String itemText);

    // Message thread, from the data-update timer's poll: the machine type.
    void valueChanged (MachineDataObject* owner, const juce::Identifier& id, int value) override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    int getTrackIndex() const { return trackIndex; }
    juce::ComboBox& getMachineSelector() { return machineSelector; }
    SmallLabel& getMachineLabel() { return machineLabel; }
    SynthPanel& getSynthPanel() const { return *synthPanel; }
    int getShownMachine() const { return shownMachine; }

    // The sections, by their heading texts.
    Corvanel::StaticTabSet& getSoundSettingsSection() { return soundSettings; }
    Corvanel::StaticPanel& getSynthSection() { return synth; }
    Corvanel::StaticPanel& getAnalogFilterSection() { return analogFilter; }
    Corvanel::StaticPanel& getBaseWidthFilterSection() { return baseWidthFilter; }
    Corvanel::StaticPanel& getMultimodeFilterSection() { return multimodeFilter; }
    Corvanel::StaticPanel& getAmpSection() { return amp; }
    Corvanel::StaticTabSet& getModulationSection() { return modulation; }

private:
    // Message thread: the user picked a machine.
    void comboBoxChanged (juce::ComboBox* box) override;

    void buildFilterSections (PanelContextIfc& context);
    void buildModulationPages (PanelContextIfc& context);

    const int trackIndex;
    Vantu::Sound* const sound;
    const juce::Identifier machineTypeId;
    std::vector<int> machineList;
    juce::StringArray machineNames;
    int shownMachine = -1;

    Corvanel::StaticTabSet soundSettings;
    Corvanel::StaticPanel synth;
    Corvanel::StaticPanel analogFilter;
    Corvanel::StaticPanel baseWidthFilter;
    Corvanel::StaticPanel multimodeFilter;
    Corvanel::StaticPanel amp;
    Corvanel::StaticTabSet modulation;
    SynthPanel* synthPanel = nullptr;   // owned by the "SYNTH" section

    juce::ComboBox machineSelector;
    SmallLabel machineLabel { "Machine" };

    JUCE_DECLARE_NON_COPYABLE (TrackTab)
};

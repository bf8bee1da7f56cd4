#pragma once

#include "model/MachineDataListener.h"
#include "processor/PanelContextIfc.h"
#include "ui/widgets/Panel.h"

#include <map>
#include <memory>
#include <vector>

// The machine host of a track tab's "SYNTH" section: it builds the panel of
// every machine type of the track's group up front (through the machine-panel
// factory), keeps them all, and shows only the one of the track's current
// machine type, swapping on each report of the watched identifier. A machine
// change creates nothing. Message thread only.
class SynthPanel : public corvanel::Panel, public MachineDataObject::Listener<int, MachineDataObject>
{
public:
    // sound: the track's sound, not owned, outlives the panel (may be null).
    SynthPanel (PanelContextIfc& context, MachineDataObject* sound, int trackIndex);
    ~SynthPanel() override;

    // Empties the panel map and builds the group's panels in its order.
    void createPanels (int group);

    // One factory step: the type's panel, stored under the type (replacing
    // one stored before) and added as a visible child. A type outside 0..39
    // logs "No such panel: {}" and creates nothing.
    void createPanel (int machineType);

    // Shows the type's panel alone; nothing for a type outside the group's
    // list or for the type already shown.
    void showPanel (int machineType);

    // Watches id from now on and shows the panel of its current value.
    void setMachineTypeIdentifier (juce::Identifier id);

    // Passes the hue to every machine panel, hidden ones too.
    void setHue (int newHue) override;

    // Message thread, from the data-update timer's poll.
    void valueChanged (MachineDataObject* owner, const juce::Identifier& id, int value) override;

    void resized() override;

    int getCurrentMachineType() const { return currentMachineType; }
    const std::vector<int>& getMachineTypes() const { return machineTypes; }
    corvanel::Panel* getPanel (int machineType) const;
    const std::map<int, std::shared_ptr<corvanel::Panel>>& getPanels() const { return panels; }

private:
    PanelContextIfc& context;
    MachineDataObject* const sound;
    const int trackIndex;
    std::vector<int> machineTypes;
    juce::Identifier machineTypeId;
    std::map<int, std::shared_ptr<corvanel::Panel>> panels;
    int currentMachineType = -1;

    JUCE_DECLARE_NON_COPYABLE (SynthPanel)
};

#pragma once

#include "model/MachineDataListener.h"
#include "processor/PanelContextIfc.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// A combo box bound to one modulation destination parameter (an LFO's or a
// MIDI source slot's target, which holds the target's destination index times
// 256). Its menu offers "None" and one submenu per target group of its kind,
// holding only the parameters its data object registers; the current target
// and its submenu are ticked. A choice writes the destination at once and
// rebuilds the menu; a value from the device selects its item without writing.
// On a track sound the machine group follows the sound's machine type.
//
// Item ids are destination index + 1, so an item never has the id 0 that the
// combo box reads as "nothing selected". Message thread only.
class DestinationBox : public juce::Component,
                       public MachineDataObject::Listener<int, MachineDataObject>,
                       public juce::SettableTooltipClient,
                       private juce::ComboBox::Listener
{
public:
    // dataObject: a track's sound or the kit's effects block (isFx), not owned;
    // it outlives the box. The box watches the destination and, on a sound, the
    // machine type; both are reported on the next poll.
    DestinationBox (PanelContextIfc& context, MachineDataObject* dataObject, juce::Identifier destinationId, bool isFx);
    ~DestinationBox() override;

    // The kind of box (DestinationBoxKind), which chooses the groups; rebuilds.
    void setKind (int newKind);
    int getKind() const { return kind; }

    // Switches to another destination parameter; the next poll selects its
    // value's item. Never from valueChanged.
    void setDestinationId (const juce::Identifier& id);
    const juce::Identifier& getDestinationId() const { return destinationId; }

    // Refills the combo box's root menu from the current values. The selection
    // is left as it is and no change message is sent.
    void rebuildMenu();

    // The destination index of the object's no-destination parameter; -1 when
    // the object does not register it.
    int getNoneIndex() const;

    // Adds one group's submenu with the registered parameters of ids.
    void addGroupSubMenu (const juce::String& name, const std::vector<juce::Identifier>& ids);

    juce::ComboBox& getComboBox() { return comboBox; }

    void resized() override;

    // Message thread, from the data-update timer's poll.
    void valueChanged (MachineDataObject* object, const juce::Identifier& id, int value) override;

private:
    // Message thread: the user chose an item, or the box re-selected "None".
    void comboBoxChanged (juce::ComboBox* changed) override;

    // The none item's index: getNoneIndex, 0 when the object has none.
    int noneItemIndex() const;
    int readValue (const juce::Identifier& id) const;
    void writeDestination (int destinationIndex);
    void showMachineTarget (MachineDataObject& object, int machineType);

    juce::ComboBox comboBox;
    juce::Identifier destinationId;
    MachineDataObject* const dataObject;
    const bool isFx;
    int kind = 0;
    int currentIndex = 0;   // of the last rebuild, for the ticks

    JUCE_DECLARE_NON_COPYABLE (DestinationBox)
};

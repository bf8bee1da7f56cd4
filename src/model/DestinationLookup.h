#pragma once

#include "model/MachineDataObject.h"

#include <juce_core/juce_core.h>

#include <optional>

// Look-ups between parameters and modulation destination indices. A
// destination parameter (an LFO's or a MIDI source slot's target) holds the
// destination index of its target times 256; a parameter's destination index
// is the slot of its ParameterInfo. The parameters of all machine types share
// the indices 17 to 26, so on a sound such an index names a parameter of the
// sound's current machine.
//
// Any thread. The look-ups read the parameter information, which is fixed once
// the object is built, without a lock; findParameter copies the registration
// order under the object's mutex, so no caller may hold that mutex.
namespace DestinationLookup
{
    // The destination index of id in object; nothing when the object does not
    // register id or registers it without an index (slot -1).
    std::optional<int> destinationIndexOf (const MachineDataObject& object, const juce::Identifier& id);

    // The parameter of object with this destination index. When several share
    // the index, the one that a destination group list (the effects-block and
    // sound groups a destination menu offers) names first wins; failing that,
    // the first registered. The null identifier for a negative index or when
    // no parameter has it.
    juce::Identifier findParameter (const MachineDataObject& object, int destinationIndex);

    // The parameter of the machine type's list that object registers with this
    // destination index; the null identifier when there is none (also for a
    // machine type without parameters or outside the table).
    juce::Identifier findMachineParameter (const MachineDataObject& object, int machineType, int destinationIndex);

    // Whether a parameter of any machine type's list has this destination index in object.
    bool isMachineDestination (const MachineDataObject& object, int destinationIndex);
}

#pragma once

#include "model/MachineDataObject.h"
#include "model/tables/ParameterTable.h"

#include <juce_core/juce_core.h>

#include <array>
#include <optional>

namespace Vantu
{
// The common base of the device data objects (the kit, the effects block, a
// track's sound and the settings): a MachineDataObject with the registration
// operations through which each constructor declares the parameters it holds.
// Registration happens only in the derived constructors, before the transmit
// thread is started; transmitParameter stays abstract.
class VantuDataObject : public MachineDataObject
{
public:
    using MachineDataObject::MachineDataObject;
    ~VantuDataObject() override;

    // The plain integer and text registrations of MachineDataObject.
    using MachineDataObject::addParameter;

    // A ranged value: value and default, range {min, max}, description with the
    // given row, slot and object id (no track, no host parameter).
    void addParameter (const juce::Identifier& id, int defaultValue, const std::array<int, 2>& range,
                       int tableIndex, int slot, int objectId);

    // A parameter of the device parameter table: value, default and range from
    // the row; the description names the row, its slot and object id, the
    // track, the host-parameter flag and group, and the display name.
    void addTableParameter (const juce::Identifier& id, const DeviceParameterTableEntry& row, int tableIndex,
                            bool isHostParameter, std::optional<int> track = std::nullopt, int hostParameterGroup = 0);

    // The same, taking the row by its number (a number outside the table gives row 0).
    void addTableParameterByIndex (const juce::Identifier& id, int tableIndex, bool isHostParameter,
                                   std::optional<int> track = std::nullopt, int hostParameterGroup = 0);

    // "T<track + 1> " when a track is given, then the section and a space (when
    // the section is not empty), then the parameter's name: "T3 Track Level",
    // "Delay Delay Time", "Filter Frequency".
    static juce::String makeDisplayName (const DeviceParameterTableEntry& row, std::optional<int> track);

protected:
    // Whether the identifier is a row of the device parameter table, which the
    // device takes as a parameter change of its own.
    bool isTableParameter (const juce::Identifier& id) const;

    // Sends the identifier's current value as a parameter change (transmit
    // thread); false when the identifier holds no value or the send fails.
    bool sendCurrentValue (const juce::Identifier& id);
};
} // namespace Vantu

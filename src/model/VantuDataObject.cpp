#include "model/VantuDataObject.h"

namespace Vantu
{
VantuDataObject::~VantuDataObject() = default;

bool VantuDataObject::isTableParameter (const juce::Identifier& id) const
{
    const auto* info = getParameterInfos().find (id);
    return info != nullptr && info->tableIndex >= 0;
}

bool VantuDataObject::sendCurrentValue (const juce::Identifier& id)
{
    int value = 0;
    {
        const std::lock_guard<std::mutex> sl (getMutex());
        if (! getValues().get (id, value))
            return false;
    }
    return sendParameterChange (id, value);
}

void VantuDataObject::addParameter (const juce::Identifier& id, int defaultValue, const std::array<int, 2>& range,
                                    int tableIndex, int slot, int objectId)
{
    ParameterInfo info;
    info.id = id;
    info.tableIndex = tableIndex;
    info.slot = slot;
    info.objectId = objectId;
    registerValue (info, defaultValue, { range[0], range[1] });
}

void VantuDataObject::addTableParameter (const juce::Identifier& id, const DeviceParameterTableEntry& row, int tableIndex,
                                         bool isHostParameter, std::optional<int> track, int hostParameterGroup)
{
    ParameterInfo info;
    info.id = id;
    info.tableIndex = tableIndex;
    info.slot = row.slot;
    info.objectId = row.objectId;
    info.track = track.value_or (-1);
    info.isHostParameter = isHostParameter;
    info.displayName = makeDisplayName (row, track);
    info.hostParameterGroup = hostParameterGroup;
    registerValue (info, row.defaultValue, { row.minimum, row.maximum });
}

void VantuDataObject::addTableParameterByIndex (const juce::Identifier& id, int tableIndex, bool isHostParameter,
                                                std::optional<int> track, int hostParameterGroup)
{
    addTableParameter (id, getParameterRow (tableIndex), tableIndex, isHostParameter, track, hostParameterGroup);
}

juce::String VantuDataObject::makeDisplayName (const DeviceParameterTableEntry& row, std::optional<int> track)
{
    juce::String name;
    if (track.has_value())
        name << "T" << (*track + 1) << " ";

    const juce::String section (juce::CharPointer_UTF8 (row.section != nullptr ? row.section : ""));
    if (section.isNotEmpty())
        name << section << " ";

    return name + juce::String (juce::CharPointer_UTF8 (row.name != nullptr ? row.name : ""));
}
} // namespace Vantu

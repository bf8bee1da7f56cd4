#include "model/DestinationLookup.h"

#include "model/tables/IdentifierLists.h"

namespace DestinationLookup
{
std::optional<int> destinationIndexOf (const MachineDataObject& object, const juce::Identifier& id)
{
    const auto* info = object.getParameterInfos().find (id);
    if (info == nullptr || info->slot < 0)
        return std::nullopt;
    return info->slot;
}

namespace
{
    bool hasIndex (const MachineDataObject& object, const juce::Identifier& id, int destinationIndex)
    {
        const auto index = destinationIndexOf (object, id);
        return index.has_value() && *index == destinationIndex;
    }

    template <typename Groups>
    juce::Identifier findInGroups (const MachineDataObject& object, const Groups& groups, int destinationIndex)
    {
        for (const auto& group : groups)
            for (const auto& id : group.ids)
                if (hasIndex (object, id, destinationIndex))
                    return id;
        return {};
    }
}

juce::Identifier findParameter (const MachineDataObject& object, int destinationIndex)
{
    if (destinationIndex < 0)
        return {};

    if (auto id = findInGroups (object, fxGroupIdLists, destinationIndex); id.isValid())
        return id;
    if (auto id = findInGroups (object, soundGroupIdLists, destinationIndex); id.isValid())
        return id;

    for (const auto& id : object.getRegistrationOrder())
        if (hasIndex (object, id, destinationIndex))
            return id;
    return {};
}

juce::Identifier findMachineParameter (const MachineDataObject& object, int machineType, int destinationIndex)
{
    if (destinationIndex < 0)
        return {};

    for (const auto& id : machineIdList (machineType))
        if (hasIndex (object, id, destinationIndex))
            return id;
    return {};
}

bool isMachineDestination (const MachineDataObject& object, int destinationIndex)
{
    for (int type = 0; type < ModelTables::machineTypeCount; ++type)
        if (findMachineParameter (object, type, destinationIndex).isValid())
            return true;
    return false;
}
}

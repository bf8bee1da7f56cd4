#include "model/storage/StorageTableAccess.h"

#include "model/tables/MachineTables.h"
#include "model/tables/ParameterTable.h"

namespace Vantu::storageTables
{
namespace
{
constexpr int kAmpModeSlot = 50;

int defaultOfRow (int row) { return row == 0 ? 0 : getParameterRange (row).defaultValue; }

// The Amp Mode slot has two rows; the slot map holds the one whose default is
// 0. Some machines' default sounds start from the other one.
int ampModeOnDefault()
{
    for (const auto& row : deviceParameterTable)
        if (row.group == ParameterGroup::amp && row.slot == kAmpModeSlot && row.defaultValue == 256)
            return row.defaultValue;
    return 256;
}
} // namespace

int machineTrackMask (int machineType) noexcept
{
    if (machineType < 0 || machineType >= ModelTables::machineTypeCount)
        return 0;
    return MachineTrackInfo[static_cast<std::size_t> (machineType)].trackMask;
}

int soundSlotDefault (int slot, int machineType, bool ampModeDefaultOn) noexcept
{
    if (slot < 0 || slot >= ParameterTable::slotCount)
        return 0;
    if (ampModeDefaultOn && slot == kAmpModeSlot)
    {
        static const int onDefault = ampModeOnDefault();
        return onDefault;
    }
    return defaultOfRow (getSoundSlotParameter (slot, machineType));
}

int fxSlotDefault (int slot) noexcept
{
    if (slot < 0 || slot >= ParameterTable::slotCount)
        return 0;
    return defaultOfRow (getFxSlotParameter (slot));
}

int midiSlotDefault (int slot) noexcept
{
    if (slot < 0 || slot >= ParameterTable::slotCount)
        return 0;
    return defaultOfRow (getMidiSetSlotParameter (slot));
}

int assignableDestinationSlot (int group, int paramIdx) noexcept
{
    if (group < 0 || group > ParameterTable::effectsTrack || paramIdx < 0 || paramIdx >= ParameterTable::destinationCount)
        return -1;
    const int row = assignableDestinations[static_cast<std::size_t> (group)][static_cast<std::size_t> (paramIdx)];
    return getParameterRow (row).slot;
}
} // namespace Vantu::storageTables

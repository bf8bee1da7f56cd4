#include "model/storage/StorageTableAccess.h"

#include "model/tables/MachineTables.h"

// PROVISIONAL: parameter defaults and assignable destinations come from the
// parameter table once it lands.
namespace Vantu::storageTables
{
int machineTrackMask (int machineType) noexcept
{
    if (machineType < 0 || machineType >= ModelTables::machineTypeCount)
        return 0;
    return MachineTrackInfo[static_cast<std::size_t> (machineType)].trackMask;
}

int soundSlotDefault (int, int, bool) noexcept { return 0; }
int fxSlotDefault (int) noexcept { return 0; }
int midiSlotDefault (int) noexcept { return 0; }
int assignableDestinationSlot (int, int) noexcept { return 0; }
} // namespace Vantu::storageTables

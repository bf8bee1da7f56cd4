#include "model/tables/ParameterTable.h"

#include "foundation/Logger.h"
#include "model/tables/ParameterTableRules.h"

#include <atomic>

namespace ParameterTable
{
    extern const ParameterMaps computedParameterMaps;
}

namespace
{
    using namespace ParameterTable;

    // Written once by buildParameterMaps at start-up, read without locks afterwards.
    ParameterMaps liveMaps;
    std::atomic<bool> mapsBuilt { false };

    bool isRow (int row) noexcept { return row >= 0 && row < rowCount; }
    bool isSlot (int slot) noexcept { return slot >= 0 && slot < slotCount; }

    // What the build reports about each row: rows of no slot map, and machine
    // rows whose controller or NRPN lies off the machine page.
    void reportRows()
    {
        for (int r = 0; r < rowCount; ++r)
        {
            const auto& row = deviceParameterTable[static_cast<std::size_t> (r)];
            const int g = row.group;

            if (g >= 0 && g <= ParameterGroup::lastMachineType)
            {
                const int cc = controllerMsb (row);
                if (cc != noController && (cc < 0x10 || cc > 0x19))
                {
                    FH_LOG (spdlog::level::err, "ERROR: machine params must have CC 0x10 ... 0x19");
                    FH_LOG (spdlog::level::err, "Param: {}, {}", row.section, row.name);
                }
                if (row.nrpn != -1 && (row.nrpn < 0x80 || row.nrpn > 0x89))
                {
                    FH_LOG (spdlog::level::err, "ERROR: machine params must have NRPN 0x80 ... 0x89");
                    FH_LOG (spdlog::level::err, "{}, {}", row.section, row.name);
                }
            }
            else if (g == ParameterGroup::trackAndGlobal || g == ParameterGroup::trigModifiers)
            {
                FH_LOG (spdlog::level::debug, "unmapped parameter: {}", r);
            }
        }
    }
}

void buildParameterMaps()
{
    const bool again = mapsBuilt.load();
    if (again)
        FH_LOG (spdlog::level::warn, "Parameter maps already built. Check for redundant call to buildParameterMaps().");

    reportRows();

    // The maps come from constant rows, so a second build would give the same
    // maps; they are written only once, so readers never see them half-built.
    if (! again)
    {
        liveMaps = computedParameterMaps;
        mapsBuilt.store (true);
    }
}

bool parameterMapsBuilt() noexcept
{
    return mapsBuilt.load();
}

const ParameterMaps& getParameterMaps() noexcept
{
    return liveMaps;
}

int getLogicalParamIdFromObId (int objectId)
{
    if (objectId < 0 || objectId >= objectIdCount)
    {
        FH_LOG (spdlog::level::err, "getLogicalParamIdFromObId(): invalid param!");
        return 0;
    }
    return objectIdToParameterRow[static_cast<std::size_t> (objectId)];
}

int getSoundSlotParameter (int slot, int machineType)
{
    if (! isSlot (slot))
    {
        FH_LOG (spdlog::level::err, "invalid parameter request");
        return 0;
    }
    return Rules::soundSlotRow (liveMaps, slot, machineType);
}

int getFxSlotParameter (int slot)
{
    if (! isSlot (slot))
    {
        FH_LOG (spdlog::level::err, "invalid parameter request");
        return 0;
    }
    return liveMaps.fx[static_cast<std::size_t> (slot)];
}

int getMidiSetSlotParameter (int slot)
{
    if (! isSlot (slot))
    {
        FH_LOG (spdlog::level::err, "invalid parameter request");
        return 0;
    }
    return liveMaps.midiSet[static_cast<std::size_t> (slot)];
}

const DeviceParameterTableEntry& getParameterRow (int row)
{
    return deviceParameterTable[static_cast<std::size_t> (isRow (row) ? row : 0)];
}

ParameterRange getParameterRange (int row)
{
    const auto& entry = getParameterRow (row);
    if (entry.fine == 0 && ((entry.minimum | entry.maximum | entry.defaultValue) & 0xFF) != 0)
        FH_LOG (spdlog::level::warn, "{} {} {} {} {} {}", entry.group, entry.slot, entry.minimum, entry.maximum,
                entry.defaultValue, entry.fine);
    return { entry.minimum, entry.maximum, entry.defaultValue };
}

bool isTrackSoundParameterA (int row) noexcept { return Rules::isTrackSoundParameterA (deviceParameterTable, row); }
bool isTrackSoundParameterB (int row) noexcept { return Rules::isTrackSoundParameterB (deviceParameterTable, row); }
bool isMidiSetParameter (int row) noexcept { return Rules::isMidiSetParameter (deviceParameterTable, row); }

#pragma once

// The rules that turn the parameter rows into the slot maps, the object-id
// map and the assignable destinations. All constexpr: the maps are computed
// from the rows at compile time, so the derived tables cannot drift from the
// rows, and the consistency checks run as static assertions.

#include "model/tables/MachineTables.h"
#include "model/tables/ParameterTable.h"

#include <initializer_list>

namespace ParameterTable::Rules
{
    using Rows = std::array<DeviceParameterTableEntry, rowCount>;

    constexpr bool isOneOf (int value, std::initializer_list<int> values)
    {
        for (int v : values)
            if (v == value)
                return true;
        return false;
    }

    constexpr bool inRange (int value, int low, int high) { return value >= low && value <= high; }

    constexpr bool sameText (const char* a, const char* b)
    {
        while (*a != 0 && *a == *b)
        {
            ++a;
            ++b;
        }
        return *a == *b;
    }

    constexpr int groupOf (const Rows& rows, int row) { return inRange (row, 0, rowCount - 1) ? rows[static_cast<std::size_t> (row)].group : 0; }

    constexpr bool isTrackSoundParameterB (const Rows& rows, int row)
    {
        return ! inRange (groupOf (rows, row), 44, 53) && ! isOneOf (row, { 21, 29, 30, 31, 32, 62, 70, 71, 94, 103 });
    }

    constexpr bool isTrackSoundParameterA (const Rows& rows, int row)
    {
        return ! inRange (groupOf (rows, row), 44, 53) && ! isOneOf (row, { 20, 29, 30, 31, 32, 61, 94, 103 });
    }

    constexpr bool isMidiSetParameter (const Rows& rows, int row)
    {
        const int group = groupOf (rows, row);
        return ! (inRange (group, 40, 49) && group != ParameterGroup::portamento) && ! isOneOf (row, { 20, 21, 27, 87, 96 });
    }

    // Every map indexed by slot; where two rows land on one slot the later row wins.
    constexpr ParameterMaps computeMaps (const Rows& rows)
    {
        ParameterMaps maps;
        const auto put = [] (SlotMap& map, int slot, int row) {
            if (inRange (slot, 0, slotCount - 1))
                map[static_cast<std::size_t> (slot)] = row;
        };

        for (int r = 0; r < rowCount; ++r)
        {
            const auto& row = rows[static_cast<std::size_t> (r)];
            const int g = row.group;

            if (inRange (g, 0, ParameterGroup::lastMachineType))
            {
                if (inRange (row.slot - firstMachineSlot, 0, machineSlotCount - 1))
                    maps.machineSlots[static_cast<std::size_t> (g)][static_cast<std::size_t> (row.slot - firstMachineSlot)] = r;
            }
            else if (inRange (g, ParameterGroup::amp, ParameterGroup::portamento))
            {
                if (isTrackSoundParameterB (rows, r)) put (maps.soundB, row.slot, r);
                if (isTrackSoundParameterA (rows, r)) put (maps.soundA, row.slot, r);
            }
            else if (inRange (g, ParameterGroup::reverb, ParameterGroup::fxAmp))
            {
                put (maps.fx, row.slot, r);
            }
            else if (inRange (g, ParameterGroup::notes, ParameterGroup::midiCcSelects))
            {
                put (maps.midiSet, row.slot, r);
            }
            else if (g == ParameterGroup::lfo1 || g == ParameterGroup::lfo2)
            {
                if (isTrackSoundParameterB (rows, r)) put (maps.soundB, row.slot, r);
                if (isTrackSoundParameterA (rows, r)) put (maps.soundA, row.slot, r);
                if (isMidiSetParameter (rows, r)) put (maps.midiSet, row.slot, r);
                if (! isOneOf (r, { 20, 21, 27, 29, 30, 31, 32, 94, 103 })) put (maps.fx, row.slot, r);
            }
            else if (g == ParameterGroup::none)
            {
                put (maps.soundA, 0, r);
                put (maps.soundB, 0, r);
                put (maps.fx, 0, r);
                put (maps.midiSet, 0, r);
            }
        }
        return maps;
    }

    // Sound map A serves the digital machines (track mask exactly 0xFF0) and
    // the MIDI machine; map B every other type, out-of-range ones included.
    constexpr bool usesSoundMapA (int machineType)
    {
        return ModelTables::isMachineType (machineType)
            && (MachineTrackInfo[static_cast<std::size_t> (machineType)].trackMask == ModelTables::digitalTracksMask
                || machineType == ModelTables::midiMachineType);
    }

    constexpr int soundSlotRow (const ParameterMaps& maps, int slot, int machineType)
    {
        if (! inRange (slot, 0, slotCount - 1))
            return 0;
        if (inRange (slot, firstMachineSlot, firstMachineSlot + machineSlotCount - 1))
            return ModelTables::isMachineType (machineType)
                ? maps.machineSlots[static_cast<std::size_t> (machineType)][static_cast<std::size_t> (slot - firstMachineSlot)]
                : 0;
        return usesSoundMapA (machineType) ? maps.soundA[static_cast<std::size_t> (slot)] : maps.soundB[static_cast<std::size_t> (slot)];
    }

    constexpr std::array<int, objectIdCount> computeObjectIdMap (const Rows& rows)
    {
        std::array<int, objectIdCount> map {};
        for (int r = 0; r < rowCount; ++r)
        {
            const int id = rows[static_cast<std::size_t> (r)].objectId;
            if (inRange (id, 1, objectIdCount - 1))
                map[static_cast<std::size_t> (id)] = r;
        }
        return map;
    }

    // Assignable destinations. Destination 0 is the None row. 1 to 3 are the
    // machine's own Tune (its first oscillator's), Decay and Overdrive rows.
    // 4 to 32 are the track-page and LFO parameters named below: the row
    // named so in the page's group gives the slot, and the row that the
    // machine's sound map (the FX map for the effects track) holds at that
    // slot is taken when it is that same parameter. The MIDI machine has no
    // amp or filter, and the effects track no machine parameters.
    struct PageDestination
    {
        int soundGroup;
        int fxGroup;
        const char* name;
    };

    inline constexpr PageDestination pageDestinations[] = {
        { 40, 49, "Attack Time" }, { 40, 49, "Decay Time" }, { 40, 49, "Sustain Level" }, { 40, 49, "Release Time" },
        { 42, 48, "Frequency" }, { 42, 48, "Resonance" }, { 42, 48, "Filter Type" }, { 42, 48, "Env. Depth" },
        { 42, 48, "Env. Delay" }, { 42, 48, "Attack Time" }, { 42, 48, "Decay Time" },
        { 40, 49, "Volume" }, { 40, 49, "Pan" }, { 40, 49, "Delay Send" }, { 40, 49, "Reverb Send" },
        { 54, 54, "Speed" }, { 54, 54, "Multiplier" }, { 54, 54, "Fade In/Out" }, { 54, 54, "Waveform" },
        { 54, 54, "Start Phase" }, { 54, 54, "Trig Mode" }, { 54, 54, "Depth" },
        { 55, 55, "Speed" }, { 55, 55, "Multiplier" }, { 55, 55, "Fade In/Out" }, { 55, 55, "Waveform" },
        { 55, 55, "Start Phase" }, { 55, 55, "Trig Mode" }, { 55, 55, "Depth" },
    };
    static_assert (std::size (pageDestinations) == destinationCount - 4);

    // Tune, Decay and Overdrive rows of a machine type (index 1 to 3), or the None row.
    constexpr std::array<int, 4> machineDestinations (const Rows& rows, int machineType)
    {
        int tune = 0, decay = 0, firstOscillatorDecay = 0, overdrive = 0;
        for (int r = 0; r < rowCount; ++r)
        {
            const auto& row = rows[static_cast<std::size_t> (r)];
            if (row.group != machineType)
                continue;
            if (tune == 0 && (sameText (row.shortName, "TUNE") || sameText (row.shortName, "TUN1")))
                tune = r;
            if (decay == 0 && (sameText (row.shortName, "DEC") || sameText (row.name, "Decay")))
                decay = r;
            if (firstOscillatorDecay == 0 && sameText (row.shortName, "DEC1"))
                firstOscillatorDecay = r;
            if (overdrive == 0 && sameText (row.name, "Overdrive"))
                overdrive = r;
        }
        if (decay == 0)
            decay = firstOscillatorDecay;
        const auto orNone = [] (int r) { return r != 0 ? r : noneRow; };
        return { noneRow, orNone (tune), orNone (decay), orNone (overdrive) };
    }

    // The slot of the first row of a group with the given name, -1 when none.
    constexpr int slotOfNamedRow (const Rows& rows, int group, const char* name)
    {
        for (const auto& row : rows)
            if (row.group == group && sameText (row.name, name))
                return row.slot;
        return -1;
    }

    constexpr int pageDestinationRow (const Rows& rows, const SlotMap& map, int group, const char* name, int slot)
    {
        if (! inRange (slot, 0, slotCount - 1))
            return noneRow;
        const int held = map[static_cast<std::size_t> (slot)];
        const auto& heldRow = rows[static_cast<std::size_t> (held)];
        return (held != 0 && heldRow.group == group && sameText (heldRow.name, name)) ? held : noneRow;
    }

    constexpr std::array<std::array<int, destinationCount>, machineTypeCount + 1> computeAssignableDestinations (const Rows& rows)
    {
        const ParameterMaps maps = computeMaps (rows);
        constexpr int pageCount = destinationCount - 4;

        std::array<int, pageCount> soundSlots {}, fxSlots {};
        for (int d = 0; d < pageCount; ++d)
        {
            soundSlots[static_cast<std::size_t> (d)] = slotOfNamedRow (rows, pageDestinations[d].soundGroup, pageDestinations[d].name);
            fxSlots[static_cast<std::size_t> (d)] = slotOfNamedRow (rows, pageDestinations[d].fxGroup, pageDestinations[d].name);
        }

        std::array<std::array<int, destinationCount>, machineTypeCount + 1> table {};
        for (int m = 0; m <= machineTypeCount; ++m)
        {
            auto& entry = table[static_cast<std::size_t> (m)];
            const bool effects = m == effectsTrack;
            const bool midi = m == ModelTables::midiMachineType;
            const SlotMap& map = effects ? maps.fx : (usesSoundMapA (m) ? maps.soundA : maps.soundB);

            const auto own = effects ? std::array<int, 4> { noneRow, noneRow, noneRow, noneRow } : machineDestinations (rows, m);
            for (int d = 0; d < 4; ++d)
                entry[static_cast<std::size_t> (d)] = own[static_cast<std::size_t> (d)];

            for (int d = 0; d < pageCount; ++d)
            {
                const auto& page = pageDestinations[d];
                const bool trackPage = page.soundGroup == ParameterGroup::amp || page.soundGroup == ParameterGroup::filter;
                entry[static_cast<std::size_t> (4 + d)] = (midi && trackPage)
                    ? noneRow
                    : pageDestinationRow (rows, map, effects ? page.fxGroup : page.soundGroup, page.name,
                                          effects ? fxSlots[static_cast<std::size_t> (d)] : soundSlots[static_cast<std::size_t> (d)]);
            }
        }
        return table;
    }

    // Checks of the transcribed rows: distinct object ids, defaults inside
    // their ranges, coarse values on whole steps, machine rows on machine
    // slots with their controller and NRPN on the machine page.
    constexpr bool objectIdsAreDistinct (const Rows& rows)
    {
        std::array<bool, objectIdCount> seen {};
        for (const auto& row : rows)
        {
            if (! inRange (row.objectId, 0, objectIdCount - 1))
                return false;
            if (row.objectId != 0)
            {
                if (seen[static_cast<std::size_t> (row.objectId)])
                    return false;
                seen[static_cast<std::size_t> (row.objectId)] = true;
            }
        }
        return true;
    }

    constexpr bool rangesAreConsistent (const Rows& rows)
    {
        for (const auto& row : rows)
        {
            if (! (row.minimum <= row.defaultValue && row.defaultValue <= row.maximum))
                return false;
            if (row.fine == 0 && (row.minimum % 256 != 0 || row.maximum % 256 != 0 || row.defaultValue % 256 != 0))
                return false;
        }
        return true;
    }

    constexpr bool machineRowsAreConsistent (const Rows& rows)
    {
        for (const auto& row : rows)
        {
            if (! inRange (row.group, 0, ParameterGroup::lastMachineType))
                continue;
            if (! inRange (row.slot, firstMachineSlot, firstMachineSlot + machineSlotCount - 1))
                return false;
            const int cc = controllerMsb (row);
            if (cc != noController && ! inRange (cc, 0x10, 0x19))
                return false;
            if (row.nrpn != -1 && ! inRange (row.nrpn, 0x80, 0x89))
                return false;
        }
        return true;
    }
}

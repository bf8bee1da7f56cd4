#pragma once

// The few facts of the machine and parameter tables that the storage
// upgrades and readers need, behind one small interface.
namespace Vantu::storageTables
{
// Track mask of a machine type; 0 for a type outside 0..39.
int machineTrackMask (int machineType) noexcept;

// Default of the parameter in runtime slot s of a sound of machine type m
// (0 where the slot has no parameter). ampModeDefaultOn picks, for the Amp
// Mode slot, the row whose default is 256.
int soundSlotDefault (int slot, int machineType, bool ampModeDefaultOn) noexcept;

// Defaults of the effects track's slots and of a MIDI parameter set's slots.
int fxSlotDefault (int slot) noexcept;
int midiSlotDefault (int slot) noexcept;

// Runtime slot of assignable destination paramIdx (0..32) of machine type
// group 0..39, or of the effects track (group 40).
int assignableDestinationSlot (int group, int paramIdx) noexcept;
} // namespace Vantu::storageTables

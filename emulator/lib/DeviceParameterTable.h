#pragma once

#include <array>
#include <cstdint>
#include <optional>

// What the virtual device knows of its own parameters: which object id names
// which runtime slot of a sound or of the effects track, and where each slot
// lies in a stored record. The device's own knowledge, kept apart from the
// program's tables on purpose.
namespace fhemu::params
{
struct Range
{
    int minimum = 0;
    int maximum = 0;
    int defaultValue = 0;
};

// A parameter of one machine type (slots 17 to 26).
struct MachineParameter
{
    int machineType;
    int slot;
    int objectId;
    int minimum;
    int maximum;
    int defaultValue;
};

// A parameter of a sound page (LFOs, filter, amp, portamento) or of the effects track.
struct PageParameter
{
    int slot;
    int objectId;
    int minimum;
    int maximum;
    int defaultValue;
};

inline constexpr int numMachineTypes = 40;
inline constexpr int numWords = 72;
inline constexpr int numSlots = 69;

// Track-wide parameters named by object id in kit, settings and pattern-mute messages.
inline constexpr int objectSolo = 8;
inline constexpr int objectMute = 9;
inline constexpr int objectTrackLevel = 10;
inline constexpr int objectActiveTrack = 15;
inline constexpr int objectPatternMute = 16;
inline constexpr int objectGlobalMode = 17;

// The sound slot that an object id names for a sound of this machine type.
std::optional<int> soundSlotOfObject (int objectId, int machineType);
// The effects-track slot that an object id names.
std::optional<int> fxSlotOfObject (int objectId);
// The object id of a sound slot for this machine type (0 when the device names none).
int objectOfSoundSlot (int slot, int machineType);

// Range and default of a sound slot for a machine type; empty 0..0 when no parameter sits there.
Range soundSlotRange (int slot, int machineType);
Range fxSlotRange (int slot);

// Storage word <-> runtime slot of a sound (words 0 to 53) and of the effects track (0 to 66).
int soundSlotOfWord (int word);
std::optional<int> soundWordOfSlot (int slot);
int fxSlotOfWord (int word);
std::optional<int> fxWordOfSlot (int slot);

// The tracks (bit of T1..T8 = 4..11, T9..T12 = 0..3) that may run a machine type.
std::uint16_t machineTrackMask (int machineType);
bool machineAllowedOnTrack (int machineType, int track);
const char* machineDisplayName (int machineType);
} // namespace fhemu::params

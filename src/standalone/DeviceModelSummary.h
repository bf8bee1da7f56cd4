#pragma once

// What the engine-session client prints of the device model: the whole model
// once it has been read from the device, then one line per change of a value
// it follows. The text is built from plain values, so it needs no device.

#include "model/SoundListingEntries.h"

#include <juce_core/juce_core.h>

#include <array>
#include <optional>
#include <vector>

namespace Vantu
{
class VantuInterface;
}

// The values of the model that the summary shows. Device values are on the
// parameter scale (a 7-bit value v is v * 256; on/off is 256/0).
struct DeviceModelSnapshot
{
    struct Track
    {
        int machineType = -1;
        juce::String soundName;
        int level = 0;
        bool muted = false;
        bool solo = false;
        bool patternMuted = false;
    };

    juce::String kitName;
    std::array<Track, 12> tracks;
    int fxLevel = 0;
    int activeEditTrack = 0;                   // a plain track index, 12: the effects block
    std::vector<SoundPoolEntry> pool;          // the 128 positions
    std::vector<SoundLibraryEntry> library;    // the 2048 slots, bank = slot / 256
};

// Reads the current values of the model (any thread; each object is read under its own lock).
DeviceModelSnapshot takeDeviceModelSnapshot (Vantu::VantuInterface& device);

// The summary: kit name, one line per track, the effects track's level, the
// active edit track, the sound pool positions in use and, per library bank,
// how many slots are in use with the first few names. Lines end with '\n'.
juce::String formatDeviceSummary (const DeviceModelSnapshot& model);

// The values whose changes are followed, one line per change.
enum class FollowedValue
{
    kitName,           // text
    soundName,         // text, per track
    machineType,       // per track
    trackLevel,        // per track, 12 = the effects track
    trackMute,         // per track
    trackSolo,         // per track
    trackPatternMute,  // per track
    activeEditTrack,
};

// "T3 level 96 -> 80", "T5 muted", "Active edit track T1 -> T4", ...
// track is 0..11 (12: the effects track, for levels); unused for kit-wide values.
juce::String formatValueChange (FollowedValue value, int track, int oldValue, int newValue);
// "Kit name 'A' -> 'B'", "T2 sound 'SNARE' -> 'CLAP'".
juce::String formatTextChange (FollowedValue value, int track, const juce::String& oldText, const juce::String& newText);

// One line per sound pool position whose entry differs ("Pool 5: empty -> BD MODERN 'KICK'").
juce::StringArray formatPoolChanges (const std::vector<SoundPoolEntry>& before, const std::vector<SoundPoolEntry>& after);
// The same for library slots ("Library A002: 'LIB' -> empty"); compares the slots both hold.
juce::StringArray formatLibraryChanges (const std::vector<SoundLibraryEntry>& before,
                                        const std::vector<SoundLibraryEntry>& after);

// The machine table's display name of a machine type without padding ("BD MODERN");
// "machine 77" for a type outside the table.
juce::String machineSummaryName (int machineType);
// "A002" for slot 1, "C001" for slot 512.
juce::String librarySlotName (int slot);
// A parameter value (v * 256) as the device shows it, rounded: 25600 -> 100.
int deviceDisplayValue (int value);

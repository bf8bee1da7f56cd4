#pragma once

#include "model/storage/TransferRecords.h"

#include <juce_core/juce_core.h>

#include <cstdint>

class MachineDataObject;

namespace Vantu
{
// Store the values of a device record in a data object as coming from the
// device (not sent back, host parameters left alone). Job threads; they touch
// the object only through its thread-safe setters.

// A track's sound setup record on that track's sound: the name (left as it is
// when a byte of 0x80 or more comes before its end), then tags, machine type,
// modes, the twenty modulation entries and the portamento and pitch values. A
// destination byte outside the sound index table reads as slot 0.
void applySoundSetup (MachineDataObject& sound, const FhAsyncSoundSetupData& setup);

// The pattern's mute mask on the kit: "Kit_TrackPatternMute<t + 1>" = 256 when
// bit t is set, else 0, for the twelve tracks; bits 12..15 are ignored.
void applyPatternMuteMask (MachineDataObject& kit, std::uint16_t mask);

// The pattern-mute identifier of a track 0..11.
juce::Identifier patternMuteIdOfTrack (int track);
} // namespace Vantu

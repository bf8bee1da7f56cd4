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
// modes, "Sound_FilterEnvRestart" from bit 1 of the reset mask as 256/0, the
// twenty modulation entries and the portamento and pitch values. Single bytes
// are read signed, depths as signed 16 bits; the object clamps to its ranges.
// A destination byte outside the sound index table reads as slot 0. Byte 26
// (transposable) is no value: Sound::applySoundSetup keeps it for the record
// sent back. The record's track index is the caller's to check.
void applySoundSetup (MachineDataObject& sound, const FhAsyncSoundSetupData& setup);

// The pattern's mute mask on the kit: "Kit_TrackPatternMute<t + 1>" = 256 when
// bit t is set, else 0, for the twelve tracks; bits 12..15 are ignored.
void applyPatternMuteMask (MachineDataObject& kit, std::uint16_t mask);

// The pattern-mute identifier of a track 0..11.
juce::Identifier patternMuteIdOfTrack (int track);
} // namespace Vantu

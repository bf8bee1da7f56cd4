#pragma once

// The device's forty machine types (its sound engines), the tracks that may
// run each of them, and the 32 sound tags. Constant data; any thread may read
// it once static initialisation is over.

#include "model/tables/StaticTables.h"

#include <juce_core/juce_core.h>

#include <array>
#include <cstdint>

// A machine type id, 0 to 39: the plain value of "Sound_MachineType".
using MachineType = int;

// A sound tag number, 0 to 31: the bit of the tag in "Sound_Tags".
using SoundTag = int;

struct MachineTypeEntry
{
    const char* displayName;   // upper case, shown on the track pads
    const char* code;          // four letters
};

struct MachineTrackEntry
{
    std::int8_t trackHint;     // preferred track index of a track section's machine list, -1 none
    std::uint16_t trackMask;   // T1..T8 in bits 4..11, T9..T12 in bits 0..3
};

namespace ModelTables
{
    inline constexpr int machineTypeCount = 40;
    inline constexpr int trackCount = 12;
    inline constexpr int soundTagCount = 32;

    inline constexpr MachineType disabledMachineType = 34;
    inline constexpr MachineType midiMachineType = 35;

    // Track masks of the machine groups.
    inline constexpr std::uint16_t digitalTracksMask = 0xFF0;   // T1..T8
    inline constexpr std::uint16_t analogTracksMask = 0x007;    // T9..T11
    inline constexpr std::uint16_t hiHatTrackMask = 0x008;      // T12
    inline constexpr std::uint16_t allTracksMask = 0xFFF;

    inline constexpr std::array<MachineTypeEntry, machineTypeCount> MachineTypeInfo {{
        { "BD MODERN", "BDMD" },   // 0
        { "SD BASIC", "SDBA" },   // 1
        { "CY ALLOY", "CYAL" },   // 2
        { "PC CARBON", "PCCA" },   // 3
        { "SY TONE", "SYTN" },   // 4
        { "SY CHORD", "SYCH" },   // 5
        { "SD VINTAGE", "SDVN" },   // 6
        { "CP VINTAGE", "CPVN" },   // 7
        { "BD HARD", "BDHD" },   // 8
        { "BD CLASSIC", "BDCL" },   // 9
        { "BD FM", "BDFM" },   // 10
        { "BD PLASTIC", "BDPL" },   // 11
        { "BD SILKY", "BDSI" },   // 12
        { "BD SHARP", "BDSH" },   // 13
        { "SD HARD", "SDHD" },   // 14
        { "SD CLASSIC", "SDCL" },   // 15
        { "SD FM", "SDFM" },   // 16
        { "SD NATURAL", "SDNA" },   // 17
        { "RS HARD", "RSHD" },   // 18
        { "RS CLASSIC", "RSCL" },   // 19
        { "SY DUAL VCO", "DVCO" },   // 20
        { "CP CLASSIC", "CPCL" },   // 21
        { "CH CLASSIC", "CHCL" },   // 22
        { "OH CLASSIC ", "OHCL" },   // 23
        { "CY CLASSIC", "CYCL" },   // 24
        { "CB CLASSIC", "CBCL" },   // 25
        { "CH METALLIC", "CHMT" },   // 26
        { "OH METALLIC", "OHMT" },   // 27
        { "CY METALLIC", "CYMT" },   // 28
        { "CB METALLIC", "CBMT" },   // 29
        { "CY RIDE", "CYRD" },   // 30
        { "HH BASIC", "HHBA" },   // 31
        { "UT NOISE", "NOIS" },   // 32
        { "UT IMPULSE", "PULS" },   // 33
        { "DISABLE", "NONE" },   // 34
        { "MIDI", "MIDI" },   // 35
        { "SY TOY", "SYTO" },   // 36
        { "SY BITS", "SYBI" },   // 37
        { "SY SWARM", "SYSW" },   // 38
        { "SY RAW", "SYRA" },   // 39
    }};

    inline constexpr std::array<MachineTrackEntry, machineTypeCount> MachineTrackInfo {{
        { 0, 0xFF0 },   // 0
        { 1, 0xFF0 },   // 1
        { 2, 0xFF0 },   // 2
        { 3, 0xFF0 },   // 3
        { 4, 0xFF0 },   // 4
        { 5, 0xFF0 },   // 5
        { 6, 0xFF0 },   // 6
        { 7, 0xFF0 },   // 7
        { 0, 0x007 },   // 8
        { 0, 0x007 },   // 9
        { 0, 0x007 },   // 10
        { 0, 0x007 },   // 11
        { 0, 0x007 },   // 12
        { 0, 0x007 },   // 13
        { 1, 0x007 },   // 14
        { 1, 0x007 },   // 15
        { 1, 0x007 },   // 16
        { 1, 0x007 },   // 17
        { 2, 0x007 },   // 18
        { 2, 0x007 },   // 19
        { 0, 0x007 },   // 20
        { 3, 0x000 },   // 21
        { 3, 0x008 },   // 22
        { 3, 0x008 },   // 23
        { 3, 0x008 },   // 24
        { 3, 0x008 },   // 25
        { 3, 0x008 },   // 26
        { 3, 0x008 },   // 27
        { 3, 0x008 },   // 28
        { 3, 0x008 },   // 29
        { 3, 0x008 },   // 30
        { 3, 0x008 },   // 31
        { -1, 0x00F },   // 32
        { -1, 0x00F },   // 33
        { -1, 0x00F },   // 34
        { -1, 0xFFF },   // 35
        { 0, 0xFF0 },   // 36
        { 0, 0xFF0 },   // 37
        { 0, 0xFF0 },   // 38
        { 0, 0x007 },   // 39
    }};

    inline constexpr std::array<const char*, machineTypeCount> machineNameTexts {
        "BD Modern",   // 0
        "SD Basic",   // 1
        "CY Alloy",   // 2
        "PC Carbon",   // 3
        "SY Tone",   // 4
        "SY Chord",   // 5
        "SD Vintage",   // 6
        "CP Vintage",   // 7
        "BD Hard",   // 8
        "BD Classic",   // 9
        "BD FM",   // 10
        "BD Plastic",   // 11
        "BD Silky",   // 12
        "BD Sharp",   // 13
        "SD Hard",   // 14
        "SD Classic",   // 15
        "SD FM",   // 16
        "SD Natural",   // 17
        "RS Hard",   // 18
        "RS Classic",   // 19
        "Dual VCO",   // 20
        "CP Classic",   // 21
        "CH Classic",   // 22
        "OH Classic ",   // 23
        "CY Classic",   // 24
        "CB Classic",   // 25
        "CH Metallic",   // 26
        "OH Metallic",   // 27
        "CY Metallic",   // 28
        "CB Metallic",   // 29
        "CY Ride",   // 30
        "HH Basic",   // 31
        "Noisegen",   // 32
        "Impulse",   // 33
        "Disable",   // 34
        "MIDI",   // 35
        "SY Toy",   // 36
        "SY LOFI",   // 37
        "SY SWARM",   // 38
        "SY RAW",   // 39
    };

    inline constexpr std::array<const char*, soundTagCount> soundTagTexts {
        "Kick",   // 0
        "Snare",   // 1
        "Rimshot",   // 2
        "Clap",   // 3
        "Tom",   // 4
        "Percussion",   // 5
        "Hi-Hat",   // 6
        "Cymbal",   // 7
        "Cowbell",   // 8
        "Synth",   // 9
        "Bass",   // 10
        "Lead",   // 11
        "Pad",   // 12
        "Texture",   // 13
        "Chord",   // 14
        "Sound Fx",   // 15
        "Electronic",   // 16
        "Metallic",   // 17
        "Acoustic",   // 18
        "Atmosphere",   // 19
        "Noisy",   // 20
        "Glitch",   // 21
        "Hard",   // 22
        "Soft",   // 23
        "Dark",   // 24
        "Bright",   // 25
        "Vintage",   // 26
        "Epic",   // 27
        "Fail",   // 28
        "Loop",   // 29
        "Mine",   // 30
        "Favourite",   // 31
    };

    inline constexpr std::array<int, trackCount> trackMaskBits { 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2, 3 };

    constexpr bool isMachineType (int machineType) noexcept
    {
        return static_cast<unsigned> (machineType) < static_cast<unsigned> (machineTypeCount);
    }

    extern LateConstructed<std::array<juce::String, machineTypeCount>> machineNameStorage;
    extern LateConstructed<juce::StringArray> soundTagNameStorage;
}

using ModelTables::MachineTrackInfo;
using ModelTables::MachineTypeInfo;

// Mixed-case machine names, indexed by machine type ("BD Modern" .. "SY RAW").
inline constexpr const std::array<juce::String, ModelTables::machineTypeCount>& machineNames =
    ModelTables::machineNameStorage.value;

// The 32 tag names, indexed by tag number ("Kick" .. "Favourite").
inline constexpr const juce::StringArray& soundTagNames = ModelTables::soundTagNameStorage.value;

// The bit of a track index 0..11 in a track mask, or -1 for any other index.
constexpr int trackMaskBit (int trackIndex) noexcept
{
    return static_cast<unsigned> (trackIndex) < static_cast<unsigned> (ModelTables::trackCount)
        ? ModelTables::trackMaskBits[static_cast<std::size_t> (trackIndex)]
        : -1;
}

// True exactly when the type is 0..39, the track index has a bit, and the
// bit is set in the type's track mask.
constexpr bool machineAllowedOnTrack (int machineType, int trackIndex) noexcept
{
    const int bit = trackMaskBit (trackIndex);
    return ModelTables::isMachineType (machineType) && bit >= 0
        && (MachineTrackInfo[static_cast<std::size_t> (machineType)].trackMask & (1u << bit)) != 0;
}

// The upper-case display name of a machine type; "ERROR" outside 0..39.
constexpr const char* machineDisplayName (int machineType) noexcept
{
    return ModelTables::isMachineType (machineType)
        ? MachineTypeInfo[static_cast<std::size_t> (machineType)].displayName
        : "ERROR";
}

// "T1" .. "T12" for track index 0..11; an empty text otherwise.
juce::String trackName (int trackIndex);

// The names of the tags set in a tag mask, in ascending bit order.
juce::StringArray soundTagNamesOfMask (std::uint32_t tagMask);

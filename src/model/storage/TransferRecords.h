#pragma once

#include <cstddef>
#include <cstdint>

// The smaller records the device sends besides kits, sounds and settings.
// Global names, as the engine client uses them.
#pragma pack(push, 1)

struct FhAsyncSoundSetupModEntry
{
    std::uint16_t depth;
    std::uint8_t destination;
};

// A track's sound without its parameter words (96 bytes, data type 6).
struct FhAsyncSoundSetupData
{
    std::uint16_t trackIndex;
    std::uint32_t tags;
    char name[16];
    std::uint8_t machineType;
    std::uint8_t velocityVolMode;
    std::uint8_t envResetMask;
    std::uint8_t filterKeyTracking;
    std::uint8_t transposable;
    std::uint8_t pitchbendDepth;
    std::int8_t transpose;
    std::uint8_t playMode;
    std::uint8_t monoNotePriority;
    std::uint8_t portamentoAmount;
    std::uint8_t portamentoType;
    std::uint8_t portamentoStyle;
    std::uint8_t portamentoSlope;
    std::uint8_t portamentoGating;
    FhAsyncSoundSetupModEntry modulation[5][4];   // velocity, pitch bend, mod wheel, breath, aftertouch
};

// One position of a sound pool or sound library listing.
struct FhAsyncSoundListingEntry
{
    std::uint8_t machineType;   // 255 = empty entry
    std::uint8_t flags;         // set when non-zero
    std::uint16_t number;       // 12-bit entry number (bank listing)
    std::uint32_t tags;
    char name[16];
};

struct FhAsyncSoundPoolListing
{
    FhAsyncSoundListingEntry entries[128];
};

struct FhAsyncSoundBankListing
{
    FhAsyncSoundListingEntry entries[256];
};

// The pattern's track mute mask (bit n = track n + 1; 12 bits used).
struct FhAsyncPatternSettingsSetupData
{
    std::uint16_t trackMuteMask;
};

#pragma pack(pop)

static_assert (sizeof (FhAsyncSoundSetupModEntry) == 3);
static_assert (sizeof (FhAsyncSoundSetupData) == 96);
static_assert (offsetof (FhAsyncSoundSetupData, tags) == 2);
static_assert (offsetof (FhAsyncSoundSetupData, name) == 6);
static_assert (offsetof (FhAsyncSoundSetupData, machineType) == 22);
static_assert (offsetof (FhAsyncSoundSetupData, transpose) == 28);
static_assert (offsetof (FhAsyncSoundSetupData, playMode) == 29);
static_assert (offsetof (FhAsyncSoundSetupData, portamentoGating) == 35);
static_assert (offsetof (FhAsyncSoundSetupData, modulation) == 36);
static_assert (offsetof (FhAsyncSoundSetupData, modulation[1]) == 48);
static_assert (offsetof (FhAsyncSoundSetupData, modulation[2]) == 60);
static_assert (offsetof (FhAsyncSoundSetupData, modulation[3]) == 72);
static_assert (offsetof (FhAsyncSoundSetupData, modulation[4]) == 84);
static_assert (sizeof (FhAsyncSoundListingEntry) == 24);
static_assert (offsetof (FhAsyncSoundListingEntry, number) == 2);
static_assert (offsetof (FhAsyncSoundListingEntry, tags) == 4);
static_assert (offsetof (FhAsyncSoundListingEntry, name) == 8);
static_assert (sizeof (FhAsyncSoundPoolListing) == 3072);
static_assert (sizeof (FhAsyncSoundBankListing) == 6144);
static_assert (sizeof (FhAsyncPatternSettingsSetupData) == 2);

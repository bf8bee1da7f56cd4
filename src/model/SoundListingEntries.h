#pragma once

#include "model/storage/TransferRecords.h"

#include <juce_core/juce_core.h>

#include <vector>

// One position of the project's sound pool, as the device lists it.
struct SoundPoolEntry
{
    bool used = false;      // false when the listing marks the position empty
    bool flag = false;      // the listing's flag byte is not 0
    int machineType = -1;   // 0..39 when listed; -1 in an empty default entry
    juce::String name;
    int tags = 0;
};

// One slot of the device's sound library (2048 slots, eight banks of 256).
struct SoundLibraryEntry
{
    bool used = false;
    bool flag = false;
    int slot = 0;           // 0..2047 in the library; a received entry carries the listing's number (at most 4095)
    int machineType = -1;
    juce::String name;
    int tags = 0;
};

namespace SoundListing
{
constexpr int poolSize = 128;
constexpr int libraryBankSize = 256;
constexpr int libraryBanks = 8;
constexpr int librarySize = libraryBanks * libraryBankSize;
constexpr int emptyMachineType = 255;
constexpr int maxListedSlot = 4095;

// The name bytes up to the first zero byte (at most 16), decoded as device text.
juce::String decodeListingName (const char (&bytes)[16]);

// One entry per listing entry, in order (the pool ignores the entries' numbers:
// an entry's place in the listing is its position).
std::vector<SoundPoolEntry> poolEntriesFromListing (const FhAsyncSoundPoolListing& listing);

// One entry per listing entry, in order, each naming its slot (number limited to 4095).
std::vector<SoundLibraryEntry> libraryEntriesFromListing (const FhAsyncSoundBankListing& listing);
} // namespace SoundListing

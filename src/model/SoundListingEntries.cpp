#include "model/SoundListingEntries.h"

#include "model/DeviceText.h"

#include <algorithm>
#include <string>

namespace SoundListing
{
juce::String decodeListingName (const char (&bytes)[16])
{
    const auto* end = std::find (std::begin (bytes), std::end (bytes), '\0');
    return decodeDeviceText (std::string (std::begin (bytes), end));
}

namespace
{
template <typename Entry>
void fillCommon (Entry& entry, const FhAsyncSoundListingEntry& listed)
{
    entry.used = listed.machineType != emptyMachineType;
    entry.flag = listed.flags != 0;
    entry.machineType = listed.machineType;
    entry.name = decodeListingName (listed.name);
    entry.tags = static_cast<int> (listed.tags);
}
} // namespace

std::vector<SoundPoolEntry> poolEntriesFromListing (const FhAsyncSoundPoolListing& listing)
{
    std::vector<SoundPoolEntry> entries (std::size (listing.entries));
    for (std::size_t i = 0; i < entries.size(); ++i)
        fillCommon (entries[i], listing.entries[i]);
    return entries;
}

std::vector<SoundLibraryEntry> libraryEntriesFromListing (const FhAsyncSoundBankListing& listing)
{
    std::vector<SoundLibraryEntry> entries (std::size (listing.entries));
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        const FhAsyncSoundListingEntry listed = listing.entries[i];
        fillCommon (entries[i], listed);
        entries[i].slot = std::min<int> (listed.number, maxListedSlot);
    }
    return entries;
}
} // namespace SoundListing

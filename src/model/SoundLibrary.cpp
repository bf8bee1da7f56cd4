#include "model/SoundLibrary.h"

#include "foundation/Logger.h"

SoundLibrary::SoundLibrary (VorezurIoundLibraryIfc* ownerToUse)
    : owner (ownerToUse), entries (SoundListing::librarySize)
{
    for (int i = 0; i < SoundListing::librarySize; ++i)
        entries[(std::size_t) i].slot = i;
}

std::vector<SoundLibraryEntry> SoundLibrary::getEntries() const
{
    const juce::ScopedLock sl (lock);
    return entries;
}

SoundLibraryEntry SoundLibrary::getEntry (int index) const
{
    if (! isValidSlot (index))
    {
        FH_LOG (spdlog::level::err, "Sound library has no slot {}", index);
        SoundLibraryEntry empty;
        empty.slot = -1;
        return empty;
    }

    const juce::ScopedLock sl (lock);
    return entries[(std::size_t) index];
}

void SoundLibrary::saveSound (int track, int slot)
{
    if (! isValidSlot (slot))
    {
        FH_LOG (spdlog::level::err, "Cannot save track {} into sound library slot {}: no such slot", track, slot);
        return;
    }

    if (owner != nullptr)
    {
        owner->saveSound (track, slot);
        owner->updateSoundLibrary (bankOfSlot (slot));
    }
}

void SoundLibrary::removeSound (int slot)
{
    if (! isValidSlot (slot))
    {
        FH_LOG (spdlog::level::err, "Cannot remove sound library slot {}: no such slot", slot);
        return;
    }

    if (owner != nullptr)
    {
        owner->removeSound (slot);
        owner->updateSoundLibrary (bankOfSlot (slot));
    }
}

void SoundLibrary::applyBankListing (const std::vector<SoundLibraryEntry>& listed)
{
    const juce::ScopedLock sl (lock);

    int ignored = 0;
    int firstIgnored = -1;
    for (const auto& entry : listed)
    {
        if (isValidSlot (entry.slot))
        {
            entries[(std::size_t) entry.slot] = entry;
        }
        else
        {
            if (ignored++ == 0)
                firstIgnored = entry.slot;
        }
    }

    if (ignored > 0)
        FH_LOG (spdlog::level::warn,
                "Sound library listing names {} slot(s) beyond the library's {} (first: {}); they are ignored",
                ignored, SoundListing::librarySize, firstIgnored);

    sendChangeMessage ({});
}

bool SoundLibrary::acceptBank (int bank)
{
    if (bank >= 0 && bank < SoundListing::libraryBanks)
        return true;
    FH_LOG (spdlog::level::warn, "Sound library bank {} does not exist (banks 0 to {}); ignored", bank,
            SoundListing::libraryBanks - 1);
    return false;
}

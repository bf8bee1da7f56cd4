#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "model/SoundBrowserInterfaces.h"
#include "model/SoundListingEntries.h"

#include <vector>

// The listing of the device's sound library: 2048 slots, eight banks of 256;
// entry i always describes slot i. Written on job threads bank by bank, read
// anywhere; every access holds the recursive lock and readers get copies.
class SoundLibrary : public SafeChangeBroadcaster
{
public:
    explicit SoundLibrary (VorezurIoundLibraryIfc* ownerToUse);

    // Any thread: a copy of the 2048 entries.
    std::vector<SoundLibraryEntry> getEntries() const;

    // Any thread: a copy of one entry. An index outside 0..2047 is logged and
    // answered with an empty entry whose slot is -1.
    SoundLibraryEntry getEntry (int index) const;

    // Any thread: saves a track's sound into a slot through the owner, then asks
    // for the listing of the slot's bank. A slot outside 0..2047 is logged and ignored.
    void saveSound (int track, int slot);

    // Any thread: removes the sound of a slot through the owner, then asks for the
    // listing of the slot's bank. A slot outside 0..2047 is logged and ignored.
    void removeSound (int slot);

    // Any thread (the bank listing job): writes each entry over the library's
    // entry of its slot and sends one change message, all under the lock. Entries
    // naming a slot outside 0..2047 are logged and dropped.
    void applyBankListing (const std::vector<SoundLibraryEntry>& listed);

    static bool isValidSlot (int slot) noexcept { return slot >= 0 && slot < SoundListing::librarySize; }
    // True for banks 0..7; any other bank is logged (a listing of it could name
    // no slot of the library).
    static bool acceptBank (int bank);
    static int bankOfSlot (int slot) noexcept { return slot / SoundListing::libraryBankSize; }

    juce::CriticalSection& getLock() const noexcept { return lock; }
    VorezurIoundLibraryIfc* getOwner() const noexcept { return owner; }

private:
    mutable juce::CriticalSection lock;
    VorezurIoundLibraryIfc* owner;
    std::vector<SoundLibraryEntry> entries;
};

#include "model/SoundLibrary.h"
#include "model/SoundPool.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace
{
// Records the library commands it receives as text.
struct RecordingLibraryOwner : VorezurIoundLibraryIfc
{
    bool saveSound (int track, int slot) override { calls.push_back ("save " + std::to_string (track) + " " + std::to_string (slot)); return true; }
    bool loadSound (int track, int slot) override { calls.push_back ("load " + std::to_string (track) + " " + std::to_string (slot)); return true; }
    bool copyPoolSoundToLibrary (int position, int slot) override { calls.push_back ("p2l " + std::to_string (position) + " " + std::to_string (slot)); return true; }
    bool copyLibrarySoundToPool (int slot, int position) override { calls.push_back ("l2p " + std::to_string (slot) + " " + std::to_string (position)); return true; }
    bool removeSound (int slot) override { calls.push_back ("remove " + std::to_string (slot)); return false; }
    void updateSoundLibrary (int bank) override { calls.push_back ("bank " + std::to_string (bank)); }

    std::vector<std::string> calls;
};

struct CountingListener : SafeChangeListener
{
    void changeListenerCallback (SafeChangeBroadcaster*) override { ++count; }
    int count = 0;
};

FhAsyncSoundListingEntry listingEntry (int machineType, int flags, int number, const char* name, std::uint32_t tags = 0)
{
    FhAsyncSoundListingEntry e {};
    e.machineType = (std::uint8_t) machineType;
    e.flags = (std::uint8_t) flags;
    e.number = (std::uint16_t) number;
    e.tags = tags;
    std::memcpy (e.name, name, std::min<std::size_t> (std::strlen (name), sizeof (e.name)));
    return e;
}

FhAsyncSoundBankListing bankListing (int bank)
{
    FhAsyncSoundBankListing listing {};
    for (int i = 0; i < 256; ++i)
        listing.entries[i] = listingEntry (i % 40, 0, bank * 256 + i, "BANKSOUND");
    return listing;
}

class SoundLibraryTest : public fhtest::AppTest
{
protected:
    RecordingLibraryOwner owner;
    SoundLibrary library { &owner };
};
} // namespace

TEST (SoundListingTest, PoolAndLibraryStartWithEmptyDefaultEntries)
{
    SoundPool pool (nullptr);
    const auto poolEntries = pool.getEntries();
    ASSERT_EQ (poolEntries.size(), 128u);
    for (const auto& e : poolEntries)
    {
        EXPECT_FALSE (e.used);
        EXPECT_FALSE (e.flag);
        EXPECT_EQ (e.machineType, -1);
        EXPECT_TRUE (e.name.isEmpty());
        EXPECT_EQ (e.tags, 0);
    }

    SoundLibrary library (nullptr);
    const auto libEntries = library.getEntries();
    ASSERT_EQ (libEntries.size(), 2048u);
    for (int i = 0; i < 2048; ++i)
    {
        EXPECT_EQ (libEntries[(size_t) i].slot, i);
        EXPECT_EQ (libEntries[(size_t) i].machineType, -1);
        EXPECT_FALSE (libEntries[(size_t) i].used);
    }
}

TEST (SoundListingTest, PoolListingEntriesTakeUsedFlagNameAndTagsFromTheRecord)
{
    FhAsyncSoundPoolListing listing {};
    for (auto& e : listing.entries)
        e = listingEntry (255, 0, 0, "");
    listing.entries[0] = listingEntry (255, 0, 7, "GHOST");           // empty whatever the name holds
    listing.entries[1] = listingEntry (255, 1, 0, "");                // empty but flagged
    listing.entries[2] = listingEntry (3, 0, 99, "KICK\0XYZ", 0x80000001u);
    listing.entries[3] = listingEntry (39, 2, 0, "SIXTEENCHARSNAME");  // no terminating zero
    listing.entries[4] = listingEntry (1, 0, 0, "A*B");                // outside the device's set

    const auto entries = SoundListing::poolEntriesFromListing (listing);
    ASSERT_EQ (entries.size(), 128u);
    EXPECT_FALSE (entries[0].used);
    EXPECT_FALSE (entries[0].flag);
    EXPECT_FALSE (entries[1].used);
    EXPECT_TRUE (entries[1].flag);
    EXPECT_TRUE (entries[2].used);
    EXPECT_EQ (entries[2].machineType, 3);
    EXPECT_EQ (entries[2].name, "KICK");
    EXPECT_EQ ((std::uint32_t) entries[2].tags, 0x80000001u);
    EXPECT_EQ (entries[3].name, "SIXTEENCHARSNAME");
    EXPECT_TRUE (entries[3].flag);
    EXPECT_EQ (entries[4].name, "A?B");
}

TEST (SoundListingTest, LibraryListingEntriesNameTheirSlotLimitedTo4095)
{
    auto listing = bankListing (1);
    listing.entries[5].number = 0xFFFF;
    const auto entries = SoundListing::libraryEntriesFromListing (listing);
    ASSERT_EQ (entries.size(), 256u);
    EXPECT_EQ (entries[0].slot, 256);
    EXPECT_EQ (entries[255].slot, 511);
    EXPECT_EQ (entries[5].slot, 4095);
    EXPECT_EQ (entries[7].name, "BANKSOUND");
}

TEST_F (SoundLibraryTest, BankListingReplacesOnlyItsOwnSlotsWithOneChangeMessage)
{
    CountingListener listener;
    library.addChangeListener (&listener);

    library.applyBankListing (SoundListing::libraryEntriesFromListing (bankListing (2)));

    const auto entries = library.getEntries();
    for (int i = 0; i < 2048; ++i)
    {
        const bool inBank = i >= 512 && i < 768;
        EXPECT_EQ (entries[(size_t) i].used, inBank) << i;
        EXPECT_EQ (entries[(size_t) i].slot, i);
    }
    EXPECT_EQ (entries[600].name, "BANKSOUND");
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return listener.count == 1; }, 5s));
    fhtest::pumpFor (50ms);
    EXPECT_EQ (listener.count, 1);
    library.removeChangeListener (&listener);
}

TEST_F (SoundLibraryTest, ListingEntriesBeyondTheLibraryAreLoggedAndDropped)
{
    fhtest::ScopedLogCapture log;
    auto listing = bankListing (0);
    listing.entries[3].number = 2048;
    listing.entries[4].number = 4095;
    listing.entries[5].number = 9000;   // limited to 4095, still beyond

    library.applyBankListing (SoundListing::libraryEntriesFromListing (listing));

    const auto entries = library.getEntries();
    ASSERT_EQ (entries.size(), 2048u);
    EXPECT_TRUE (entries[0].used);
    EXPECT_FALSE (entries[3].used);     // its own slot was not named
    EXPECT_TRUE (entries[6].used);
    EXPECT_EQ (log.count ("3 slot(s) beyond the library's 2048 (first: 2048)"), 1);
}

TEST_F (SoundLibraryTest, SaveAndRemoveAskForTheSlotsBankAfterTheCommand)
{
    library.saveSound (4, 700);
    library.removeSound (255);
    library.saveSound (0, 2047);
    EXPECT_EQ (owner.calls, (std::vector<std::string> { "save 4 700", "bank 2", "remove 255", "bank 0", "save 0 2047", "bank 7" }));
}

TEST_F (SoundLibraryTest, BadSlotsAreLoggedAndSendNothing)
{
    fhtest::ScopedLogCapture log;
    library.saveSound (1, 2048);
    library.saveSound (1, -1);
    library.removeSound (5000);
    EXPECT_TRUE (owner.calls.empty());
    EXPECT_EQ (log.count ("no such slot"), 3);

    const auto entry = library.getEntry (2048);
    EXPECT_EQ (entry.slot, -1);
    EXPECT_FALSE (entry.used);
    EXPECT_TRUE (log.contains ("Sound library has no slot 2048"));
    EXPECT_EQ (library.getEntry (2047).slot, 2047);
    EXPECT_EQ (library.getEntry (-3).slot, -1);

    EXPECT_TRUE (SoundLibrary::acceptBank (0));
    EXPECT_TRUE (SoundLibrary::acceptBank (7));
    EXPECT_FALSE (SoundLibrary::acceptBank (8));
    EXPECT_FALSE (SoundLibrary::acceptBank (15));
    EXPECT_EQ (log.count ("does not exist (banks 0 to 7)"), 2);
}

TEST_F (SoundLibraryTest, PoolSetEntriesReplacesFromPositionZeroAndIgnoresExtraEntries)
{
    SoundPool pool (nullptr);
    CountingListener listener;
    pool.addChangeListener (&listener);
    fhtest::ScopedLogCapture log;

    std::vector<SoundPoolEntry> listed (130);
    for (int i = 0; i < 130; ++i)
        listed[(size_t) i] = SoundPoolEntry { true, false, i % 40, "P" + juce::String (i), i };
    pool.setEntries (listed);

    const auto entries = pool.getEntries();
    ASSERT_EQ (entries.size(), 128u);
    EXPECT_EQ (entries[127].name, "P127");
    EXPECT_TRUE (log.contains ("the 2 beyond position 127 are ignored"));

    // A shorter list replaces only the positions it holds.
    pool.setEntries ({ SoundPoolEntry {} });
    const auto after = pool.getEntries();
    EXPECT_FALSE (after[0].used);
    EXPECT_EQ (after[1].name, "P1");

    EXPECT_TRUE (fhtest::pumpUntil ([&] { return listener.count == 2; }, 5s));
    pool.removeChangeListener (&listener);
}

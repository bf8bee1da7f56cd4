// The host-position queue between the host callback and the device's audio thread:
// which entries a sub-block takes, which it leaves, and which are dropped.
#include "processor/SongPositionSync.h"

#include <gtest/gtest.h>

namespace
{
SongPositionSync::Entry entryAt (std::int64_t devicePosition, int blockSize = 256, double bpm = 120.0)
{
    SongPositionSync::Entry e;
    e.devicePosition = devicePosition;
    e.hostBlockSize = blockSize;
    e.info.bpm = bpm;
    return e;
}
} // namespace

TEST (SongPositionSync, ASubBlockTakesEveryDueEntryAndLeavesLaterOnes)
{
    SongPositionSync sync;
    sync.reset (0);
    ASSERT_TRUE (sync.push (entryAt (10)));
    ASSERT_TRUE (sync.push (entryAt (40, 128)));
    ASSERT_TRUE (sync.push (entryAt (64)));

    SongPositionSync::Entry out;
    int offset = -1;
    int count = 0;
    ASSERT_TRUE (sync.popUpTo (0, 63, out, offset, count));
    EXPECT_EQ (count, 2);
    EXPECT_EQ (offset, 10);
    EXPECT_EQ (out.devicePosition, 10);
    EXPECT_EQ (out.hostBlockSize, 256 + 128);   // later entries only add their block size

    ASSERT_TRUE (sync.popUpTo (64, 127, out, offset, count));
    EXPECT_EQ (count, 1);
    EXPECT_EQ (offset, 0);
    EXPECT_FALSE (sync.popUpTo (128, 191, out, offset, count));
    EXPECT_EQ (count, 0);
}

TEST (SongPositionSync, AnEntryFarAheadIsDroppedOnePerSubBlockAndAnOutOfRangeTempoGivesTheDefaults)
{
    SongPositionSync sync;
    sync.reset (0);
    ASSERT_TRUE (sync.push (entryAt (200000)));
    ASSERT_TRUE (sync.push (entryAt (300000)));
    ASSERT_TRUE (sync.push (entryAt (20, 256, 400.0)));

    SongPositionSync::Entry out;
    int offset = 0;
    int count = 0;
    EXPECT_FALSE (sync.popUpTo (0, 63, out, offset, count));   // drops the first stale entry only
    EXPECT_EQ (count, 0);
    EXPECT_FALSE (sync.popUpTo (0, 63, out, offset, count));   // and the second
    EXPECT_FALSE (sync.popUpTo (0, 63, out, offset, count));   // 400 BPM: taken, but the defaults go out
    EXPECT_EQ (count, 1);
    EXPECT_EQ (offset, 20);
    EXPECT_EQ (out.info, HostPosition {});
    EXPECT_FALSE (sync.dropOne());
}

TEST (SongPositionSync, DropOneRemovesOnlyTheOldestEntryOfTheCurrentGeneration)
{
    SongPositionSync sync;
    sync.reset (1);
    auto old = entryAt (0);
    old.generation = 0;
    ASSERT_TRUE (sync.push (old));
    auto first = entryAt (5);
    first.generation = 1;
    auto second = entryAt (7);
    second.generation = 1;
    ASSERT_TRUE (sync.push (first));
    ASSERT_TRUE (sync.push (second));

    EXPECT_TRUE (sync.dropOne());   // skips the older generation's entry, drops the one at 5

    SongPositionSync::Entry out;
    int offset = 0;
    int count = 0;
    ASSERT_TRUE (sync.popUpTo (0, 63, out, offset, count));
    EXPECT_EQ (count, 1);
    EXPECT_EQ (out.devicePosition, 7);
    EXPECT_FALSE (sync.dropOne());
}

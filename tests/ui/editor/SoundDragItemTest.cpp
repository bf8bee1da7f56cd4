#include "ui/editor/SoundDragItem.h"

#include <gtest/gtest.h>

namespace
{
SoundLibraryEntry libraryEntry (int slot, const char* name, int machineType)
{
    SoundLibraryEntry e;
    e.slot = slot;
    e.name = name;
    e.used = machineType != SoundListing::emptyMachineType;
    e.machineType = machineType;
    return e;
}

TEST (SoundDragItem, LibraryRowsGiveSixElementsOrTheSourceAlone)
{
    const auto list = SoundDragItem::itemList ({ SoundDragItem::libraryItem (1, libraryEntry (257, "RIM SNARE", 1)),
                                                 SoundDragItem::libraryItem (3, libraryEntry (259, "", 255)) });
    ASSERT_TRUE (list.isArray());
    ASSERT_EQ (list.size(), 2);
    const auto& first = list[0];
    ASSERT_EQ (first.size(), 6);
    EXPECT_EQ (first[0].toString(), "PlusTrunx");
    EXPECT_EQ ((int) first[1], 257);
    EXPECT_EQ ((int) first[2], 1);
    EXPECT_EQ (first[3].toString(), "RIM SNARE");
    EXPECT_TRUE ((bool) first[4]);
    EXPECT_EQ ((int) first[5], 1);
    ASSERT_EQ (list[1].size(), 1);
    EXPECT_EQ (list[1][0].toString(), "PlusTrunx");

    EXPECT_TRUE (SoundDragItem::isItemListFrom (list, SoundDragItem::librarySource));
    EXPECT_FALSE (SoundDragItem::isItemListFrom (list, SoundDragItem::poolSource));
    const auto items = SoundDragItem::items (list);
    ASSERT_EQ (items.size(), 2u);
    EXPECT_EQ (items[0].number, 257);
    EXPECT_EQ (items[0].machineType, 1);
    EXPECT_EQ (items[1].size, 1);
    EXPECT_FALSE (items[1].number.has_value());
}

TEST (SoundDragItem, EmptyPoolPositionsKeepAllElements)
{
    SoundPoolEntry empty;
    const auto item = SoundDragItem::poolItem (7, empty);
    ASSERT_EQ (item.size(), 6);
    EXPECT_EQ (item[0].toString(), "SoundPool");
    EXPECT_EQ ((int) item[1], 7);
    EXPECT_EQ ((int) item[2], 7);
    EXPECT_EQ (item[3].toString(), "");
    EXPECT_FALSE ((bool) item[4]);
    EXPECT_EQ ((int) item[5], 255);
}

TEST (SoundDragItem, TrackDescriptionIsFlatText)
{
    const auto d = SoundDragItem::trackDescription (2);
    ASSERT_EQ (d.size(), 2);
    EXPECT_TRUE (d[0].isString());
    EXPECT_EQ (d[0].toString(), "FromTrack");
    EXPECT_EQ (d[1].toString(), "2");
    EXPECT_FALSE (SoundDragItem::isItemList (d));
    EXPECT_EQ (SoundDragItem::track (d), 2);
    EXPECT_TRUE (SoundDragItem::items (d).empty());
}

// Whatever arrives, reading never fails and malformed parts read as nothing.
TEST (SoundDragItem, MalformedDescriptionsReadAsNothing)
{
    using Array = juce::Array<juce::var>;
    const juce::var notArrays[] = { juce::var(), juce::var (5), juce::var ("FromTrack"), juce::var (Array {}) };
    for (const auto& d : notArrays)
    {
        EXPECT_FALSE (SoundDragItem::isItemList (d));
        EXPECT_TRUE (SoundDragItem::items (d).empty());
        EXPECT_FALSE (SoundDragItem::track (d).has_value());
    }

    const juce::var badTracks[] = { juce::var (Array { "FromTrack" }), juce::var (Array { "FromTrack", "x" }),
                                    juce::var (Array { "FromTrack", "12" }), juce::var (Array { "FromTrack", "-1" }),
                                    juce::var (Array { "Elsewhere", "3" }), juce::var (Array { "FromTrack", "3.5" }) };
    for (const auto& d : badTracks)
        EXPECT_FALSE (SoundDragItem::track (d).has_value()) << juce::JSON::toString (d);
    EXPECT_EQ (SoundDragItem::track (juce::var (Array { juce::var ("FromTrack"), juce::var (11) })), 11);

    const auto list = juce::var (Array { juce::var (Array { "SoundPool", "seven", 1, "A", true, "nine" }),
                                         juce::var (Array { "SoundPool", "7" }), juce::var (42) });
    const auto items = SoundDragItem::items (list);
    ASSERT_EQ (items.size(), 3u);
    EXPECT_FALSE (items[0].number.has_value());
    EXPECT_FALSE (items[0].machineType.has_value());
    EXPECT_EQ (items[1].number, 7);
    EXPECT_EQ (items[2].size, 0);
}
} // namespace

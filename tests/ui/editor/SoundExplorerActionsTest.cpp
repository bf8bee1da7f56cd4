// What the library table sends to the device: loads from the menu, by
// double-click and Return, copies into the pool, deletes after the footer's
// question, and drops of pool items and track rows.
#include "SoundBrowserTestSupport.h"

#include "../UiTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/editor/SoundDragItem.h"

using browsertest::SoundBrowserTest;
using browsertest::StorageCommand;
using namespace std::chrono_literals;

namespace
{
constexpr std::uint8_t library = 32, pool = 30;

std::vector<int> itemIds (const juce::PopupMenu& menu)
{
    std::vector<int> ids;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        ids.push_back (it.getItem().itemID);
    return ids;
}

struct MenuCase
{
    const char* name;
    int machineType;
    std::vector<int> ids;
};

const MenuCase menuCases[] = {
    { "DigitalMachine", 0, { 1, 2, 3, 4, 5, 6, 7, 8, 100 } },
    { "AnalogDrum", 8, { 9, 10, 11, 100 } },
    { "AnalogCymbal", 24, { 12, 100 } },
    { "AnyTrack", 35, { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 100 } },
    { "NoTrack", 21, { 100 } },
    { "EmptySlot", 255, { 100 } },
    { "NotListedYet", -1, { 100 } },
};

class SoundExplorerMenu : public SoundBrowserTest, public ::testing::WithParamInterface<MenuCase>
{
};

TEST_P (SoundExplorerMenu, OffersTheTracksTheMachineRunsOn)
{
    SoundLibraryEntry entry;
    entry.machineType = GetParam().machineType;
    const auto menu = table().buildLoadMenu (entry);
    EXPECT_EQ (itemIds (menu), GetParam().ids);

    juce::PopupMenu::MenuItemIterator it (menu);
    ASSERT_TRUE (it.next());
    if (GetParam().ids.size() > 1)
    {
        EXPECT_EQ (it.getItem().text, "Load sound into T" + juce::String (GetParam().ids[0]));
    }
}

INSTANTIATE_TEST_SUITE_P (Entries, SoundExplorerMenu, ::testing::ValuesIn (menuCases),
                          [] (const auto& info) { return std::string (info.param.name); });

TEST_F (SoundBrowserTest, TableAloneOffersEveryTrack)
{
    SoundExplorerTable plain (*processor);
    EXPECT_EQ (itemIds (plain.buildLoadMenu ({})), (std::vector<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 100 }));
}

TEST_F (SoundBrowserTest, MenuChoicesSendLoadsAndPoolCopies)
{
    const auto before = storageCommands().size();
    table().applyLoadMenuChoice (41, 3);    // into T3
    table().applyLoadMenuChoice (41, 100);  // into the first free pool position: 1
    table().applyLoadMenuChoice (41, 0);    // dismissed
    const auto sent = commandsAfter (before, 2);
    EXPECT_EQ (sent, (std::vector<StorageCommand> { { 0x43, library, 0, { 41, 2 } }, { 0x45, library, 0, { 41, 1 } } }));

    // The device loaded it: T3 now holds the library's sound.
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return open->device->getProject().getSound (2).setup.name == "FAVOURITE LOOP"; }, 3s));
}

TEST_F (SoundBrowserTest, LoadToPoolWithAFullPoolSendsNothing)
{
    std::vector<SoundPoolEntry> full (128);
    for (auto& e : full)
    {
        e.used = true;
        e.name = "TAKEN";
        e.machineType = 0;
    }
    processor->getDeviceInterface().getSoundPool().setEntries (full);
    const auto before = storageCommands().size();
    table().applyLoadMenuChoice (0, 100);
    table().applyLoadMenuChoice (0, 1);   // a sentinel that is sent
    EXPECT_EQ (commandsAfter (before, 2, 1500ms), (std::vector<StorageCommand> { { 0x43, library, 0, { 0, 0 } } }));
}

struct ActiveTrackCase
{
    const char* name;
    int activeEditTrack;
    bool loads;
};

const ActiveTrackCase activeTrackCases[] = {
    { "Track1", 0, true },
    { "Track6", 5, true },
    { "Track12", 11, true },
    { "EffectsBlock", 12, false },
};

class SoundExplorerActiveTrack : public SoundBrowserTest, public ::testing::WithParamInterface<ActiveTrackCase>
{
};

TEST_P (SoundExplorerActiveTrack, DoubleClickAndReturnLoadIntoTheActiveEditTrack)
{
    const auto& c = GetParam();
    auto& settings = processor->getDeviceInterface().getSettings();
    ASSERT_TRUE (settings.setValueFromMachine (Settings_ActiveEditTrack, c.activeEditTrack, false));

    const auto before = storageCommands().size();
    table().cellDoubleClicked (4, SoundExplorerTable::nameColumn, uitest::mouseEvent (table(), {}));
    table().returnKeyPressed (5);
    table().returnKeyPressed (6);      // an empty slot: nothing
    table().returnKeyPressed (300);    // no such row: nothing
    table().applyLoadMenuChoice (9, 1);   // sentinel

    std::vector<StorageCommand> expected;
    if (c.loads)
        expected = { { 0x43, library, 0, { 4, (std::uint32_t) c.activeEditTrack } },
                     { 0x43, library, 0, { 5, (std::uint32_t) c.activeEditTrack } } };
    expected.push_back ({ 0x43, library, 0, { 9, 0 } });
    EXPECT_EQ (commandsAfter (before, expected.size(), 1500ms), expected);
}

INSTANTIATE_TEST_SUITE_P (Values, SoundExplorerActiveTrack, ::testing::ValuesIn (activeTrackCases),
                          [] (const auto& info) { return std::string (info.param.name); });

//==============================================================================
class SoundExplorerDelete : public SoundBrowserTest
{
protected:
    std::shared_ptr<Notification> question()
    {
        for (auto& n : processor->getNotificationManager().getActiveNotifications())
            if (n->severity == Notification::Question)
                return n;
        return nullptr;
    }

    int questions()
    {
        int n = 0;
        for (auto& q : processor->getNotificationManager().getActiveNotifications())
            n += q->severity == Notification::Question ? 1 : 0;
        return n;
    }

    // What the footer does with an answer button.
    static void answer (Notification& n, Notification::Response response)
    {
        n.setResponse (response);
        n.deactivate();
    }

    void pressDelete() { table().keyPressed (juce::KeyPress (juce::KeyPress::deleteKey)); }
};

TEST_F (SoundExplorerDelete, OneSoundIsRemovedAfterYes)
{
    const int readsBefore = bankReads (0);
    table().selectRow (4);
    pressDelete();
    auto q = question();
    ASSERT_NE (q, nullptr);
    EXPECT_EQ (q->textFunction(), "Are you sure you want to delete this sound from your library?");
    EXPECT_EQ (q->responses, (std::vector<Notification::Response> { Notification::Yes, Notification::No }));

    fhtest::pumpFor (200ms);
    const auto before = storageCommands().size();
    answer (*q, Notification::Yes);
    EXPECT_EQ (commandsAfter (before, 1), (std::vector<StorageCommand> { { 0x42, library, 4, {} } }));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return bankReads (0) > readsBefore && ! table().getRows()[4].used; }, 3s));
}

TEST_F (SoundExplorerDelete, NoSendsNothingAndProtectedSoundsAskNothing)
{
    table().selectRow (0);   // protected
    pressDelete();
    EXPECT_EQ (question(), nullptr);

    table().selectRow (5);
    pressDelete();
    auto q = question();
    ASSERT_NE (q, nullptr);
    const auto before = storageCommands().size();
    answer (*q, Notification::No);
    table().applyLoadMenuChoice (9, 1);   // sentinel
    EXPECT_EQ (commandsAfter (before, 2, 1500ms), (std::vector<StorageCommand> { { 0x43, library, 0, { 9, 0 } } }));
}

TEST_F (SoundExplorerDelete, SelectedSoundsSkipTheProtectedOnes)
{
    table().selectRangeOfRows (3, 5);   // slot 3 is protected
    pressDelete();
    auto q = question();
    ASSERT_NE (q, nullptr);
    EXPECT_EQ (q->textFunction(), "Are you sure you want to delete the 3 selected sounds from your +Trunx Library?");

    // Another bank while the question is open changes nothing about what is removed.
    click (*panel().bankButtons.buttons[2]);
    const auto before = storageCommands().size();
    answer (*q, Notification::Yes);
    EXPECT_EQ (commandsAfter (before, 2),
               (std::vector<StorageCommand> { { 0x42, library, 4, {} }, { 0x42, library, 5, {} } }));
    fhtest::pumpFor (200ms);
    EXPECT_EQ (storageCommands().size(), before + 2);
}

TEST_F (SoundExplorerDelete, OpenQuestionsHoldNoJobThread)
{
    for (int row = 4; row < 12; ++row)
    {
        table().selectRow (row);
        pressDelete();
    }
    ASSERT_EQ (questions(), 8);

    // A device update still completes while all eight wait for an answer.
    const int readsBefore = bankReads (3);
    processor->getDeviceInterface().updateSoundLibrary (3);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return bankReads (3) > readsBefore && processor->getNumDeviceJobs() == 0; }, 3s));
}

//==============================================================================
// Drops, as the framework delivers them: a move over the table, then the drop.
class SoundExplorerDrop : public SoundBrowserTest
{
protected:
    // A point over a row of the list, scrolled into view.
    juce::Point<int> overRow (int row)
    {
        table().scrollToEnsureRowIsOnscreen (row);
        const auto* viewport = table().getViewport();
        return { 100, viewport->getY() + row * SoundExplorerTable::rowHeight + 13 - viewport->getViewPositionY() };
    }

    void drop (const juce::var& description, juce::Point<int> at)
    {
        juce::DragAndDropTarget::SourceDetails details (description, nullptr, at);
        ASSERT_TRUE (table().isInterestedInDragSource (details));
        table().itemDragMove (details);
        table().itemDropped (details);
        EXPECT_EQ (table().dropRow, -1);
    }

    juce::var poolItems (std::initializer_list<int> positions)
    {
        const auto entries = processor->getDeviceInterface().getSoundPool().getEntries();
        std::vector<juce::var> items;
        for (int p : positions)
            items.push_back (SoundDragItem::poolItem (p, entries[(size_t) p]));
        return SoundDragItem::itemList (items);
    }
};

TEST_F (SoundExplorerDrop, PoolItemsFillConsecutiveEmptyRowsAndShowTheirNames)
{
    const auto before = storageCommands().size();
    drop (poolItems ({ 0, 3 }), overRow (43));
    EXPECT_EQ (table().getRows()[43].name, "DEEP KICK 1");
    EXPECT_EQ (table().getRows()[44].name, "SUB BASS 2");
    EXPECT_EQ (commandsAfter (before, 2), (std::vector<StorageCommand> { { 0x45, pool, 0, { 0, 43 } }, { 0x45, pool, 0, { 3, 44 } } }));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return table().getRows()[44].used; }, 3s));
}

TEST_F (SoundExplorerDrop, AnOccupiedRowStopsThePoolItems)
{
    const auto before = storageCommands().size();
    drop (poolItems ({ 0, 3 }), overRow (6));   // slot 6 is empty, slot 7 used
    EXPECT_EQ (table().getRows()[6].name, "DEEP KICK 1");
    EXPECT_EQ (table().getRows()[7].name, "MINOR STAB");
    table().applyLoadMenuChoice (9, 1);   // sentinel
    EXPECT_EQ (commandsAfter (before, 2, 1500ms),
               (std::vector<StorageCommand> { { 0x45, pool, 0, { 0, 6 } }, { 0x43, library, 0, { 9, 0 } } }));
}

TEST_F (SoundExplorerDrop, TrackRowsAreSavedIntoEmptySlotsOnly)
{
    const auto before = storageCommands().size();
    drop (SoundDragItem::trackDescription (2), overRow (7));    // used: nothing
    drop (SoundDragItem::trackDescription (2), overRow (13));   // empty
    EXPECT_EQ (commandsAfter (before, 1), (std::vector<StorageCommand> { { 0x44, library, 0, { 2, 13 } } }));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return table().getRows()[13].name == "VINTAGE CLAP"; }, 3s));
}

TEST_F (SoundExplorerDrop, NoRowUnderThePointerWritesNothing)
{
    click (*panel().bankButtons.buttons[6]);   // every slot empty
    const int headerY = table().getViewport()->getY() - 5;
    EXPECT_EQ (table().rowForDropPosition ({ 100, headerY }), -1);
    EXPECT_EQ (table().rowForDropPosition ({ -1, overRow (0).y }), -1);
    EXPECT_EQ (table().rowForDropPosition ({ table().getWidth(), overRow (0).y }), -1);
    EXPECT_EQ (table().rowForDropPosition (overRow (0)), 0);

    const auto before = storageCommands().size();
    drop (SoundDragItem::trackDescription (1), { 100, headerY });
    drop (poolItems ({ 0 }), { 100, headerY });

    click (*panel().tagButtons.buttons[31]);   // bank G has no favourites: no rows at all
    drop (SoundDragItem::trackDescription (1), overRow (0));
    table().applyLoadMenuChoice (9, 1);   // sentinel
    EXPECT_EQ (commandsAfter (before, 2, 1500ms), (std::vector<StorageCommand> { { 0x43, library, 0, { 9, 0 } } }));
}

TEST_F (SoundExplorerDrop, LibraryRowsAreRefusedAndMalformedDropsSendNothing)
{
    table().selectRangeOfRows (1, 3);
    const auto own = table().getDragSourceDescription (table().getSelectedRows());
    ASSERT_EQ (own.size(), 3);
    EXPECT_EQ (own[0][0].toString(), "PlusTrunx");
    EXPECT_EQ ((int) own[0][1], 1);
    EXPECT_FALSE (table().isInterestedInDragSource ({ own, nullptr, overRow (6) }));

    using Array = juce::Array<juce::var>;
    const auto before = storageCommands().size();
    for (const auto& d : { juce::var(), juce::var (7), juce::var (Array { "FromTrack", "x" }),
                           juce::var (Array { juce::var (Array { "SoundPool" }) }),
                           juce::var (Array { juce::var (Array { "SoundPool", "pos", 0, "NAME", true, 0 }) }) })
        drop (d, overRow (6));
    table().applyLoadMenuChoice (9, 1);   // sentinel
    EXPECT_EQ (commandsAfter (before, 2, 1500ms), (std::vector<StorageCommand> { { 0x43, library, 0, { 9, 0 } } }));
}

TEST_F (SoundExplorerDrop, LeavingTheTableClearsTheHighlight)
{
    juce::DragAndDropTarget::SourceDetails details (SoundDragItem::trackDescription (0), nullptr, overRow (2));
    table().itemDragMove (details);
    EXPECT_EQ (table().dropRow, 2);
    table().itemDragExit (details);
    EXPECT_EQ (table().dropRow, -1);
}
} // namespace

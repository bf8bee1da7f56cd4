// The sound pool table against the emulator's virtual Kolvane: what it lists,
// its trash buttons, loads, menu and drops, as the device receives them.
#include "SoundBrowserTestSupport.h"

#include "../UiTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/editor/SoundDragItem.h"
#include "ui/widgets/FontButton.h"

using browsertest::SoundBrowserTest;
using browsertest::StorageCommand;
using namespace std::chrono_literals;

namespace
{
constexpr std::uint8_t library = 32, pool = 30;

class SoundSlotsTest : public SoundBrowserTest
{
protected:
    void SetUp() override
    {
        SoundBrowserTest::SetUp();
        if (! HasFatalFailure())
        {
            ASSERT_TRUE (fhtest::pumpUntil ([&] { return slots().getRows()[0].used; }, 3s));
        }
    }

    SoundSlotsTable& slots() { return browser->poolPanel.table; }

    int poolReads() const
    {
        int n = 0;
        for (const auto& t : reads (*open))
            n += t.header.subType == fhemu::VirtualProject::soundPoolListing ? 1 : 0;
        return n;
    }

    // A command the table sends that no case expects, to close a list of commands.
    void sentinel() { table().applyLoadMenuChoice (9, 1); }
    static StorageCommand sentinelCommand() { return { 0x43, library, 0, { 9, 0 } }; }

    juce::Point<int> overRow (int row)
    {
        slots().scrollToEnsureRowIsOnscreen (row);
        const auto* viewport = slots().getViewport();
        return { 100, viewport->getY() + row * SoundSlotsTable::rowHeight + 13 - viewport->getViewPositionY() };
    }

    // A drop as the framework delivers it, then the asynchronous update.
    void drop (const juce::var& description, juce::Point<int> at)
    {
        juce::DragAndDropTarget::SourceDetails details (description, nullptr, at);
        ASSERT_TRUE (slots().isInterestedInDragSource (details));
        slots().itemDragMove (details);
        slots().itemDropped (details);
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return ! slots().isUpdatePending(); }, 1s));
        EXPECT_EQ (slots().dropRow, -1);
    }

    juce::var libraryItems (std::initializer_list<int> slotsToDrag)
    {
        std::vector<juce::var> items;
        for (int s : slotsToDrag)
            items.push_back (SoundDragItem::libraryItem (s, processor->getDeviceInterface().getSoundLibrary().getEntry (s)));
        return SoundDragItem::itemList (items);
    }

    juce::Component* trashButtonOf (int row)
    {
        auto* c = slots().getCellComponent (SoundSlotsTable::trashColumn, row);
        return dynamic_cast<TrashbinButton*> (c);
    }
};

TEST_F (SoundSlotsTest, ListsThePoolRightAfterConstruction)
{
    // A second table on the same processor reads the listing that is already there.
    SoundSlotsTable second (*processor);
    fhtest::pumpFor (60ms);
    for (auto* t : { &slots(), &second })
    {
        EXPECT_EQ (t->getNumRows(), 128);
        EXPECT_EQ (t->getCellText (0, SoundSlotsTable::slotColumn), "1");
        EXPECT_EQ (t->getCellText (127, SoundSlotsTable::slotColumn), "128");
        EXPECT_EQ (t->getCellText (0, SoundSlotsTable::nameColumn), "DEEP KICK 1");
        EXPECT_EQ (t->getCellText (0, SoundSlotsTable::tagsColumn), "Kick, Electronic");
        EXPECT_EQ (t->getCellText (3, SoundSlotsTable::nameColumn), "SUB BASS 2");
        EXPECT_TRUE (t->getRows()[3].used);
        EXPECT_FALSE (t->getRows()[1].used);
        EXPECT_EQ (t->getRows()[1].machineType, 255);
        EXPECT_EQ (t->getRows()[100].position, 100);
    }
}

TEST_F (SoundSlotsTest, TrashButtonsOnlyOnUsedNamedRowsRemoveTheirSound)
{
    auto entries = processor->getDeviceInterface().getSoundPool().getEntries();
    entries[6].name = {};   // used without a name
    processor->getDeviceInterface().getSoundPool().setEntries (entries);
    fhtest::pumpFor (60ms);
    slots().setBounds (0, 0, 480, 600);
    slots().updateContent();

    EXPECT_NE (trashButtonOf (0), nullptr);
    EXPECT_NE (trashButtonOf (3), nullptr);
    EXPECT_EQ (trashButtonOf (1), nullptr);
    EXPECT_EQ (trashButtonOf (6), nullptr);
    EXPECT_EQ (dynamic_cast<juce::Button*> (slots().getCellComponent (SoundSlotsTable::nameColumn, 0)), nullptr);

    const int readsBefore = poolReads();
    const auto before = storageCommands().size();
    auto* trash = dynamic_cast<juce::Button*> (trashButtonOf (3));
    ASSERT_NE (trash, nullptr);
    EXPECT_EQ (trash->getComponentID(), "3");
    trash->triggerClick();
    EXPECT_EQ (commandsAfter (before, 1), (std::vector<StorageCommand> { { 0x42, pool, 3, {} } }));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return poolReads() > readsBefore && ! slots().getRows()[3].used; }, 3s));
    EXPECT_EQ (trashButtonOf (3), nullptr);
}

TEST_F (SoundSlotsTest, DeleteKeyAndClearDoNothing)
{
    slots().selectRangeOfRows (0, 3);
    const auto before = storageCommands().size();
    slots().keyPressed (juce::KeyPress (juce::KeyPress::deleteKey));
    browser->poolPanel.clearButton.triggerClick();
    fhtest::pumpFor (60ms);
    sentinel();
    EXPECT_EQ (commandsAfter (before, 2, 1500ms), (std::vector<StorageCommand> { sentinelCommand() }));
}

struct ActiveTrackCase
{
    const char* name;
    std::optional<int> activeEditTrack;
    bool loads;
};

const ActiveTrackCase activeTrackCases[] = {
    { "Track1", 0, true },
    { "Track7", 6, true },
    { "Track12", 11, true },
    { "EffectsBlock", 12, false },
};

class SoundSlotsActiveTrack : public SoundSlotsTest, public ::testing::WithParamInterface<ActiveTrackCase>
{
};

TEST_P (SoundSlotsActiveTrack, DoubleClickAndReturnLoadUsedPositionsIntoTheActiveEditTrack)
{
    const auto& c = GetParam();
    ASSERT_TRUE (processor->getDeviceInterface().getSettings().setValueFromMachine (Settings_ActiveEditTrack, *c.activeEditTrack, false));

    const auto before = storageCommands().size();
    slots().cellDoubleClicked (3, SoundSlotsTable::nameColumn, uitest::mouseEvent (slots(), {}));
    slots().cellDoubleClicked (6, SoundSlotsTable::nameColumn, uitest::mouseEvent (slots(), juce::ModifierKeys::rightButtonModifier));
    slots().returnKeyPressed (0);
    slots().returnKeyPressed (1);     // empty: nothing
    slots().returnKeyPressed (128);   // no such row: nothing
    sentinel();

    std::vector<StorageCommand> expected;
    const auto track = static_cast<std::uint32_t> (c.activeEditTrack.value_or (0));
    if (c.loads)
        expected = { { 0x43, pool, 0, { 3, track } }, { 0x43, pool, 0, { 0, track } } };
    expected.push_back (sentinelCommand());
    EXPECT_EQ (commandsAfter (before, expected.size(), 1500ms), expected);
}

INSTANTIATE_TEST_SUITE_P (Values, SoundSlotsActiveTrack, ::testing::ValuesIn (activeTrackCases),
                          [] (const auto& info) { return std::string (info.param.name); });

TEST_F (SoundSlotsTest, MenuLoadsTheLowestSelectedPositionEvenWhenEmpty)
{
    const auto menu = SoundSlotsTable::buildLoadMenu();
    std::vector<int> ids;
    juce::StringArray texts;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
    {
        ids.push_back (it.getItem().itemID);
        texts.add (it.getItem().text);
    }
    EXPECT_EQ (ids, (std::vector<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 }));
    EXPECT_EQ (texts[0], "Load sound into track 1");
    EXPECT_EQ (texts[11], "Load sound into track 12");

    const auto before = storageCommands().size();
    slots().selectRangeOfRows (4, 6);
    slots().applyLoadMenuChoice (5);   // position 5 (empty) into T5
    slots().applyLoadMenuChoice (0);   // dismissed
    slots().deselectAllRows();
    slots().applyLoadMenuChoice (2);   // nothing selected
    sentinel();
    EXPECT_EQ (commandsAfter (before, 2, 1500ms),
               (std::vector<StorageCommand> { { 0x43, pool, 0, { 4, 4 } }, sentinelCommand() }));
}

TEST_F (SoundSlotsTest, DraggedPositionsGivePoolItemsLowestFirst)
{
    slots().selectRow (3);
    slots().selectRow (1, false, false);
    const auto d = slots().getDragSourceDescription (slots().getSelectedRows());
    ASSERT_EQ (d.size(), 2);
    const auto items = SoundDragItem::items (d);
    EXPECT_EQ (items[0].source, "SoundPool");
    EXPECT_EQ (items[0].number, 1);
    EXPECT_EQ (items[0].size, 6);
    EXPECT_EQ (items[0].machineType, 255);
    EXPECT_EQ (items[1].number, 3);
    EXPECT_EQ (items[1].name, "SUB BASS 2");
    EXPECT_FALSE (slots().isInterestedInDragSource ({ d, nullptr, overRow (1) }));
}

TEST_F (SoundSlotsTest, LibraryItemsFillConsecutivePositionsAndSkipOccupiedOnes)
{
    const auto before = storageCommands().size();
    drop (libraryItems ({ 4, 5 }), overRow (5));   // 5 free, 6 occupied: only 5
    EXPECT_EQ (slots().getRows()[5].name, "TIGHT HAT");
    EXPECT_EQ (slots().getRows()[6].name, "DUAL LEAD 3");
    drop (libraryItems ({ 8, 9, 10 }), overRow (126));   // the third item is past the pool
    EXPECT_EQ (slots().getRows()[126].name, "TOY BELL");
    EXPECT_EQ (slots().getRows()[127].name, "BIT LEAD");
    sentinel();
    EXPECT_EQ (commandsAfter (before, 4),
               (std::vector<StorageCommand> { { 0x45, library, 0, { 4, 5 } },
                                              { 0x45, library, 0, { 8, 126 } },
                                              { 0x45, library, 0, { 9, 127 } },
                                              sentinelCommand() }));
    const auto stored = open->device->getProject().getPoolSound (127);
    ASSERT_TRUE (stored.has_value());
    EXPECT_EQ (stored->setup.name, "BIT LEAD");
}

TEST_F (SoundSlotsTest, TrackRowsAreSavedIntoEmptyPositionsOnly)
{
    const int readsBefore = poolReads();
    const auto before = storageCommands().size();
    drop (SoundDragItem::trackDescription (2), overRow (3));   // occupied: nothing
    drop (SoundDragItem::trackDescription (2), overRow (4));
    EXPECT_EQ (commandsAfter (before, 1), (std::vector<StorageCommand> { { 0x44, pool, 0, { 2, 4 } } }));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return poolReads() > readsBefore && slots().getRows()[4].used; }, 3s));
}

TEST_F (SoundSlotsTest, NoRowUnderThePointerAndMalformedDropsWriteNothing)
{
    const int headerY = slots().getViewport()->getY() - 5;
    EXPECT_EQ (slots().rowForDropPosition ({ 100, headerY }), -1);
    EXPECT_EQ (slots().rowForDropPosition ({ slots().getWidth(), overRow (1).y }), -1);
    EXPECT_EQ (slots().rowForDropPosition (overRow (1)), 1);

    using Array = juce::Array<juce::var>;
    const auto before = storageCommands().size();
    drop (SoundDragItem::trackDescription (1), { 100, headerY });
    drop (libraryItems ({ 4 }), { 100, headerY });
    for (const auto& d : { juce::var(), juce::var ("x"), juce::var (Array { "FromTrack", "x" }),
                           juce::var (Array { juce::var (Array { "PlusTrunx" }) }),
                           juce::var (Array { juce::var (Array { "PlusTrunx", "slot", 0 }) }) })
        drop (d, overRow (1));
    sentinel();
    EXPECT_EQ (commandsAfter (before, 2, 1500ms), (std::vector<StorageCommand> { sentinelCommand() }));
}

TEST_F (SoundSlotsTest, ASlotBeyondTheListingShowsNoName)
{
    using Array = juce::Array<juce::var>;
    const auto before = storageCommands().size();
    drop (juce::var (Array { juce::var (Array { "PlusTrunx", 3000, 0, "FAR AWAY", true, 0 }) }), overRow (1));
    EXPECT_EQ (slots().getRows()[1].name, "");
    // The device interface refuses a slot outside the library with a log line.
    sentinel();
    EXPECT_EQ (commandsAfter (before, 2, 1500ms), (std::vector<StorageCommand> { sentinelCommand() }));
}

TEST_F (SoundSlotsTest, LeavingTheTableClearsTheHighlight)
{
    juce::DragAndDropTarget::SourceDetails details (SoundDragItem::trackDescription (0), nullptr, overRow (2));
    slots().itemDragMove (details);
    EXPECT_EQ (slots().dropRow, 2);
    slots().itemDragExit (details);
    EXPECT_EQ (slots().dropRow, -1);
}
} // namespace

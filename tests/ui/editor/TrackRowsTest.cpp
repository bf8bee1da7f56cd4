// The sound browser's track rows against the emulator's virtual Kolvane: the
// names they show, the active edit track, the drop check and the loads.
#include "SoundBrowserTestSupport.h"

#include "../UiTestSupport.h"

#include "EmulatorRecords.h"
#include "model/tables/ParameterIds.h"
#include "ui/editor/SoundDragItem.h"

using browsertest::SoundBrowserTest;
using browsertest::StorageCommand;
using namespace std::chrono_literals;
using Row = TrackComponent::TrackAndNameComponent;

namespace
{
constexpr std::uint8_t library = 32, pool = 30;

struct SplitCase
{
    const char* text;
    const char* track;
    const char* name;
};

const SplitCase splitCases[] = {
    { "TRK 1 - BOOM KICK", "TRK 1 ", " BOOM KICK" },
    { "TRK 2 - HI-HAT", "TRK 2 ", " HI-HAT" },
    { "TRK 3 - \"A - B\"", "TRK 3 ", " \"A - B\"" },
    { "TRK 4 - \\A-B\\ C", "TRK 4 ", " \\A-B\\ C" },
    { "TRK 5", "TRK 5", "" },
    { "TRK 6 - ", "TRK 6 ", " " },
    { "", "", "" },
};

TEST (TrackRowName, SplitsAtDashesOutsideQuotes)
{
    for (const auto& c : splitCases)
    {
        const auto [track, name] = TrackComponent::SoundNameHandler::splitDisplayName (c.text);
        EXPECT_EQ (track, juce::String (c.track)) << c.text;
        EXPECT_EQ (name, juce::String (c.name)) << c.text;
    }
}

// A library item of a machine type, and one with fewer elements.
juce::var itemOf (int machineType)
{
    SoundLibraryEntry e;
    e.slot = 1;
    e.name = "X";
    e.used = machineType != 255;
    e.machineType = machineType;
    return SoundDragItem::libraryItem (1, e);
}

struct DropCase
{
    const char* name;
    std::vector<juce::var> items;
    std::vector<int> acceptingTracks;   // T1 = 0
};

const DropCase dropCases[] = {
    { "DigitalDrum", { itemOf (0) }, { 0, 1, 2, 3, 4, 5, 6, 7 } },
    { "AnalogBassDrum", { itemOf (8) }, { 8, 9, 10 } },
    { "AnalogCymbal", { itemOf (24) }, { 11 } },
    { "AnyTrack", { itemOf (35) }, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 } },
    { "NoTrack", { itemOf (21) }, {} },
    { "EmptySlot", { itemOf (255) }, {} },
    { "ShortItem", { juce::var (juce::Array<juce::var> { "PlusTrunx" }) }, {} },
    { "LastItemDecides", { itemOf (24), itemOf (0) }, { 0, 1, 2, 3, 4, 5, 6, 7 } },
};

class TrackRows : public SoundBrowserTest
{
protected:
    TrackComponent& row (int track) { return browser->trackPanel.getRow (track); }

    void tickUntil (const std::function<bool()>& condition)
    {
        EXPECT_TRUE (fhtest::pumpUntil ([&] {
            poll();
            return condition();
        }, 3s));
    }

    int deviceActiveEditTrack() const { return open->device->getProject().getSettings()[fhemu::records::settingsAt::activeEditTrack]; }
};

class TrackRowDrops : public TrackRows, public ::testing::WithParamInterface<DropCase>
{
};

TEST_P (TrackRowDrops, ColourTheRowsTheSoundMayRunOn)
{
    const juce::var description (juce::Array<juce::var> (GetParam().items.data(), (int) GetParam().items.size()));
    for (int track = 0; track < 12; ++track)
    {
        juce::DragAndDropTarget::SourceDetails details (description, nullptr, {});
        ASSERT_TRUE (row (track).isInterestedInDragSource (details));
        row (track).itemDragEnter (details);
        const auto& accepting = GetParam().acceptingTracks;
        const bool accepted = std::find (accepting.begin(), accepting.end(), track) != accepting.end();
        EXPECT_EQ (row (track).getNameComponent().dropState, accepted ? Row::accepted : Row::refused) << "T" << track + 1;
        row (track).itemDragExit (details);
        EXPECT_EQ (row (track).getNameComponent().dropState, Row::noDrag);
    }
}

INSTANTIATE_TEST_SUITE_P (Items, TrackRowDrops, ::testing::ValuesIn (dropCases),
                          [] (const auto& info) { return std::string (info.param.name); });

TEST_F (TrackRows, FillColoursFollowTheDropState)
{
    EXPECT_EQ (Row::fillFor (0), juce::Colour (0xff285765));
    EXPECT_EQ (Row::fillFor (1), juce::Colour (0xff32b432));
    EXPECT_EQ (Row::fillFor (2), juce::Colour (0xffb43232));
    EXPECT_EQ (Row::fillFor (7), juce::Colour (0xffb43232));
}

TEST_F (TrackRows, ShowTheTrackNameUntilTheSoundNameIsReported)
{
    TrackComponent fresh (*processor, "TRK 3", processor->getDeviceInterface().getKit().getSound (2));
    EXPECT_EQ (fresh.getNameComponent().nameLabel.getText(), "TRK 3");
    EXPECT_EQ (fresh.getNameComponent().trackLabel.getText(), "");

    juce::String deviceName;
    ASSERT_TRUE (processor->getDeviceInterface().getKit().getSound (2)->getStringValue (Sound_Name, deviceName));
    tickUntil ([&] { return fresh.getNameComponent().trackLabel.getText() == "TRK 3 "; });
    EXPECT_EQ (fresh.getNameComponent().nameLabel.getText(), " " + deviceName);
    EXPECT_EQ (row (2).getNameComponent().nameLabel.getText(), " " + deviceName);
}

TEST_F (TrackRows, ANameChangedAtTheDeviceShowsWhole)
{
    ASSERT_TRUE (open->device->announce (open->device->getProject().renameSound (4, "LO-FI")));
    tickUntil ([&] { return row (4).getNameComponent().nameLabel.getText() == " LO-FI"; });
    EXPECT_EQ (row (4).getNameComponent().trackLabel.getText(), "TRK 5 ");
}

TEST_F (TrackRows, TheActiveOutlineFollowsTheDeviceAndAnyClickWritesTheTrack)
{
    auto& settings = processor->getDeviceInterface().getSettings();
    ASSERT_TRUE (settings.setValueFromMachine (Settings_ActiveEditTrack, 3, false));
    tickUntil ([&] { return row (3).isActive(); });
    for (int t = 0; t < 12; ++t)
    {
        EXPECT_EQ (row (t).isActive(), t == 3) << "T" << t + 1;
    }

    // A right press on the track label of T6, a left press on the face of T9, as
    // the row hears them from its children.
    row (5).mouseDown (uitest::mouseEvent (row (5).getNameComponent().trackLabel, juce::ModifierKeys::rightButtonModifier));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return deviceActiveEditTrack() == 5; }, 3s));
    row (8).mouseDown (uitest::mouseEvent (row (8).getNameComponent(), juce::ModifierKeys::leftButtonModifier));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return deviceActiveEditTrack() == 8; }, 3s));
    tickUntil ([&] { return row (8).isActive() && ! row (3).isActive(); });
}

TEST_F (TrackRows, DropsLoadPoolAndLibraryItemsWhateverTheColour)
{
    const auto poolEntries = processor->getDeviceInterface().getSoundPool().getEntries();
    const juce::var description (juce::Array<juce::var> {
        SoundDragItem::poolItem (3, poolEntries[3]), itemOf (24), juce::var (juce::Array<juce::var> { "PlusTrunx" }),
        SoundDragItem::libraryItem (9, processor->getDeviceInterface().getSoundLibrary().getEntry (9)) });
    juce::DragAndDropTarget::SourceDetails details (description, nullptr, {});
    row (1).itemDragEnter (details);
    EXPECT_EQ (row (1).getNameComponent().dropState, Row::accepted);

    const auto before = storageCommands().size();
    row (1).itemDropped (details);
    EXPECT_EQ (row (1).getNameComponent().dropState, Row::noDrag);
    EXPECT_EQ (commandsAfter (before, 3), (std::vector<StorageCommand> { { 0x43, pool, 0, { 3, 1 } },
                                                                         { 0x43, library, 0, { 1, 1 } },
                                                                         { 0x43, library, 0, { 9, 1 } } }));
}

TEST_F (TrackRows, TrackDescriptionsAreRefused)
{
    juce::DragAndDropTarget::SourceDetails details (SoundDragItem::trackDescription (2), nullptr, {});
    EXPECT_FALSE (row (0).isInterestedInDragSource (details));
    EXPECT_FALSE (row (0).isInterestedInDragSource ({ juce::var(), nullptr, {} }));
}

TEST_F (TrackRows, TwelveRowsInThreeRowsOfFour)
{
    browser->trackPanel.setBounds (0, 0, 480, 174);
    // Cells of 117 × 54 from (6, 6), each less 2 on every side.
    EXPECT_EQ (row (0).getBounds(), juce::Rectangle<int> (8, 8, 113, 50));
    EXPECT_EQ (row (3).getBounds(), juce::Rectangle<int> (359, 8, 113, 50));
    EXPECT_EQ (row (4).getBounds(), juce::Rectangle<int> (8, 62, 113, 50));
    EXPECT_EQ (row (11).getBounds(), juce::Rectangle<int> (359, 116, 113, 50));
}
} // namespace

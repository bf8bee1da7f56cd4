#include "FilledModel.h"

#include "standalone/DeviceModelSummary.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using standalonetest::FilledModel;

namespace
{
DeviceModelSnapshot smallSnapshot()
{
    DeviceModelSnapshot model;
    model.kitName = "NIGHT";
    for (int t = 0; t < 12; ++t)
    {
        auto& track = model.tracks[std::size_t (t)];
        track.machineType = 34;   // the disabled machine
        track.soundName = "";
        track.level = 0;
    }
    model.tracks[0] = { 0, "KICK", 100 * 256, false, false, false };
    model.tracks[1] = { 23, "OPEN", 127 * 256, true, true, true };   // the table pads this name with a space
    model.tracks[2] = { 77, "ODD", 64 * 256 + 200, false, false, false };
    model.fxLevel = 90 * 256;
    model.activeEditTrack = 12;
    model.pool.resize (128);
    model.pool[127] = { true, false, 1, "LASTSNARE", 0 };
    model.library.resize (2048);
    for (int slot = 0; slot < 2048; ++slot)
        model.library[std::size_t (slot)].slot = slot;
    for (int i = 0; i < 4; ++i)
    {
        auto& entry = model.library[std::size_t (256 + i)];
        entry.used = true;
        entry.name = "B" + juce::String (i + 1);
    }
    model.library[2047].used = true;
    model.library[2047].name = "LAST";
    return model;
}

juce::StringArray linesOf (const juce::String& text)
{
    return juce::StringArray::fromLines (text.trimEnd());
}
} // namespace

TEST (DeviceModelSummary, ShowsKitTracksSettingsPoolAndLibrary)
{
    const auto lines = linesOf (formatDeviceSummary (smallSnapshot()));
    ASSERT_EQ (lines.size(), 1 + 12 + 1 + 1 + 2 + 1 + 8);
    EXPECT_EQ (lines[0], "Kit 'NIGHT'");
    EXPECT_EQ (lines[1], "  T1  BD MODERN    'KICK'             level 100");
    EXPECT_EQ (lines[2], "  T2  OH CLASSIC   'OPEN'             level 127  muted  solo  pattern muted");
    EXPECT_EQ (lines[3], "  T3  machine 77   'ODD'              level  65");
    EXPECT_EQ (lines[12], "  T12 DISABLE      ''                 level   0");
    EXPECT_EQ (lines[13], "  FX  level 90");
    EXPECT_EQ (lines[14], "Active edit track: FX");
    EXPECT_EQ (lines[15], "Sound pool: 1 of 128 positions in use");
    EXPECT_EQ (lines[16], "  128  SD BASIC 'LASTSNARE'");
    EXPECT_EQ (lines[17], "Sound library:");
    EXPECT_EQ (lines[18], "  A: 0 sounds");
    EXPECT_EQ (lines[19], "  B: 4 sounds ('B1', 'B2', 'B3', ...)");
    EXPECT_EQ (lines[25], "  H: 1 sound ('LAST')");
}

TEST (DeviceModelSummary, AnEmptyModelStillGivesEveryLine)
{
    DeviceModelSnapshot model;   // nothing read: no pool or library entries at all
    const auto lines = linesOf (formatDeviceSummary (model));
    EXPECT_EQ (lines[0], "Kit ''");
    EXPECT_EQ (lines[1], "  T1  machine -1   ''                 level   0");
    EXPECT_TRUE (lines.contains ("Sound pool: 0 of 0 positions in use"));
    EXPECT_TRUE (lines.contains ("  H: 0 sounds"));
}

TEST (DeviceModelSummary, ChangeLines)
{
    struct Case
    {
        FollowedValue value;
        int track, oldValue, newValue;
        const char* expected;
    };
    const Case cases[] = {
        { FollowedValue::trackLevel, 2, 96 * 256, 80 * 256, "T3 level 96 -> 80" },
        { FollowedValue::trackLevel, 12, 100 * 256, 127 * 256, "FX level 100 -> 127" },
        { FollowedValue::trackMute, 4, 0, 256, "T5 muted" },
        { FollowedValue::trackMute, 4, 256, 0, "T5 unmuted" },
        { FollowedValue::trackSolo, 11, 0, 256, "T12 solo on" },
        { FollowedValue::trackSolo, 11, 256, 0, "T12 solo off" },
        { FollowedValue::trackPatternMute, 0, 0, 256, "T1 pattern muted" },
        { FollowedValue::trackPatternMute, 0, 256, 0, "T1 pattern unmuted" },
        { FollowedValue::machineType, 1, 1, 21, "T2 machine SD BASIC -> CP CLASSIC" },
        { FollowedValue::machineType, 1, 39, 40, "T2 machine SY RAW -> machine 40" },
        { FollowedValue::activeEditTrack, 0, 0, 3, "Active edit track T1 -> T4" },
        { FollowedValue::activeEditTrack, 0, 11, 12, "Active edit track T12 -> FX" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (formatValueChange (c.value, c.track, c.oldValue, c.newValue), c.expected) << c.expected;

    EXPECT_EQ (formatTextChange (FollowedValue::soundName, 1, "SNARE", "CLAP"), "T2 sound 'SNARE' -> 'CLAP'");
    EXPECT_EQ (formatTextChange (FollowedValue::kitName, 0, "LIVE SET", "NIGHT"), "Kit name 'LIVE SET' -> 'NIGHT'");
}

TEST (DeviceModelSummary, ListingChangeLines)
{
    std::vector<SoundPoolEntry> before (128), after (128);
    before[4] = { true, false, 2, "POOLKICK", 0 };
    after[5] = { true, false, 1, "CLAP", 0 };
    before[9] = after[9] = { true, false, 3, "SAME", 0 };
    before[10] = { true, false, 3, "OLD", 0 };
    after[10] = { true, false, 3, "NEW", 0 };
    after[11].flag = true;   // a flag alone is no change of what is stored
    EXPECT_EQ (formatPoolChanges (before, after),
               juce::StringArray ({ "Pool 5: CY ALLOY 'POOLKICK' -> empty", "Pool 6: empty -> SD BASIC 'CLAP'",
                                    "Pool 11: PC CARBON 'OLD' -> PC CARBON 'NEW'" }));
    EXPECT_TRUE (formatPoolChanges (before, before).isEmpty());

    std::vector<SoundLibraryEntry> libBefore (2048), libAfter;
    for (int slot = 0; slot < 2048; ++slot)
        libBefore[std::size_t (slot)].slot = slot;
    libAfter = libBefore;
    libAfter[513].used = true;
    libAfter[513].machineType = 0;
    libAfter[513].name = "KICKC";
    EXPECT_EQ (formatLibraryChanges (libBefore, libAfter), juce::StringArray ({ "Library C002: empty -> BD MODERN 'KICKC'" }));
    EXPECT_EQ (librarySlotName (0), "A001");
    EXPECT_EQ (librarySlotName (2047), "H256");
}

TEST_F (FilledModel, SummaryOfTheModelReadFromTheDevice)
{
    fill();
    EXPECT_EQ (loop.host->getOpenCount(), 1);
    const auto lines = linesOf (formatDeviceSummary (takeDeviceModelSnapshot (loop.host->getDevice())));
    EXPECT_EQ (lines[0], "Kit 'LIVE SET'");
    EXPECT_EQ (lines[1], "  T1  BD MODERN    'SOUND 1'          level 100  muted  pattern muted");
    EXPECT_EQ (lines[2], "  T2  SD BASIC     'SOUND 2'          level  99");
    EXPECT_EQ (lines[3], "  T3  CY ALLOY     'SOUND 3'          level  98  muted");
    EXPECT_EQ (lines[12], "  T12 BD PLASTIC   'SOUND 12'         level  89  pattern muted");
    EXPECT_EQ (lines[13], "  FX  level 100");   // a kit record leaves the effects track's level as it was
    EXPECT_EQ (lines[14], "Active edit track: T4");
    EXPECT_EQ (lines[15], "Sound pool: 1 of 128 positions in use");
    EXPECT_EQ (lines[16], "    5  CY ALLOY 'POOLKICK'");
    EXPECT_EQ (lines[17], "Sound library:");
    EXPECT_EQ (lines[18], "  A: 4 sounds ('LIB1', 'LIB2', 'LIB3', ...)");
    EXPECT_EQ (lines[19], "  B: 0 sounds");
    EXPECT_EQ (lines[20], "  C: 1 sound ('KICKC')");
}

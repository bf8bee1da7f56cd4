#include "FilledModel.h"

#include "standalone/ModelChangeFollower.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using standalonetest::FilledModel;

namespace
{
class FollowedModel : public FilledModel
{
protected:
    void SetUp() override
    {
        fill();
        follower = std::make_unique<ModelChangeFollower> (loop.host->getDevice(), loop.host.get(),
                                                          [this] (const juce::String& line) { lines.add (line); });
    }

    void TearDown() override { follower.reset(); }

    // Waits until the line has been printed.
    bool seen (const juce::String& line)
    {
        return fhtest::pumpUntil ([&] { return lines.contains (line); }, 10000ms);
    }

    juce::StringArray lines;
    std::unique_ptr<ModelChangeFollower> follower;
};

// Device object ids of the parameter rows for track level, mute and solo.
constexpr std::uint16_t levelObjectId = 10, muteObjectId = 9, soloObjectId = 8;
} // namespace

TEST_F (FollowedModel, NothingIsReportedUntilSomethingChanges)
{
    fhtest::pumpFor (200ms);
    EXPECT_TRUE (lines.isEmpty()) << lines.joinIntoString ("\n");
}

TEST_F (FollowedModel, ParameterNotificationsGiveOneLineEach)
{
    auto& r = loop.responder;
    ASSERT_TRUE (r.sendParameterNotification (AsyncDataType::kitParameter, 0, 2, levelObjectId, 80 * 256));
    EXPECT_TRUE (seen ("T3 level 98 -> 80"));
    ASSERT_TRUE (r.sendParameterNotification (AsyncDataType::settingsParameter, 0, 4, muteObjectId, 256));
    EXPECT_TRUE (seen ("T5 muted"));
    ASSERT_TRUE (r.sendParameterNotification (AsyncDataType::settingsParameter, 0, 0, muteObjectId, 0));
    EXPECT_TRUE (seen ("T1 unmuted"));
    ASSERT_TRUE (r.sendParameterNotification (AsyncDataType::settingsParameter, 0, 6, soloObjectId, 256));
    EXPECT_TRUE (seen ("T7 solo on"));
    ASSERT_TRUE (r.sendParameterNotification (AsyncDataType::kitPatternMute, 0, 1, 0, 256));
    EXPECT_TRUE (seen ("T2 pattern muted"));

    fhtest::pumpFor (100ms);
    EXPECT_EQ (lines.size(), 5) << lines.joinIntoString ("\n");
}

TEST_F (FollowedModel, ChangedRecordsAreReadAgainAndReported)
{
    auto& r = loop.responder;
    records.soundNames[1] = "CLAP";
    records.machineTypes[1] = 21;
    r.setRecord (AsyncDataType::sound, 1, records.soundBytes (1));
    ASSERT_TRUE (r.sendParameterNotification (AsyncDataType::sound, 0, 1, 0, 0));
    EXPECT_TRUE (seen ("T2 sound 'SOUND 2' -> 'CLAP'"));
    EXPECT_TRUE (seen ("T2 machine SD BASIC -> CP CLASSIC"));

    records.kitName = "NIGHT";
    r.setRecord (AsyncDataType::kit, 0, records.kitBytes());
    ASSERT_TRUE (r.sendParameterNotification (AsyncDataType::kit, 0, 0, 0, 0));
    EXPECT_TRUE (seen ("Kit name 'LIVE SET' -> 'NIGHT'"));

    records.activeEditTrack = 12;
    records.muteMask = 0x0004;
    r.setRecord (AsyncDataType::projectSettings, 0, fhemu::records::projectSettings (records.activeEditTrack, records.muteMask));
    ASSERT_TRUE (r.sendParameterNotification (AsyncDataType::projectSettings, 0, 0, 0, 0));
    EXPECT_TRUE (seen ("Active edit track T4 -> FX"));
    EXPECT_TRUE (seen ("T1 unmuted"));
}

TEST_F (FollowedModel, ListingChangesAreReportedPerPosition)
{
    auto& r = loop.responder;
    records.pool = { { 5, 1, "CLAP" } };
    r.setRecord (AsyncDataType::soundPoolListing, 0, records.poolBytes());
    ASSERT_TRUE (r.sendParameterNotification (AsyncDataType::soundPoolListing, 0, 0, 0, 0));
    EXPECT_TRUE (seen ("Pool 5: CY ALLOY 'POOLKICK' -> empty"));
    EXPECT_TRUE (seen ("Pool 6: empty -> SD BASIC 'CLAP'"));

    records.library.push_back ({ 513, 8, "KICKD" });
    r.setRecord (AsyncDataType::soundBankListing, 2, records.bankBytes (2));
    ASSERT_TRUE (r.sendParameterNotification (AsyncDataType::soundBankListing, 0, 0, 0, 513));
    EXPECT_TRUE (seen ("Library C002: empty -> BD HARD 'KICKD'"));

    fhtest::pumpFor (100ms);
    EXPECT_EQ (lines.size(), 3) << lines.joinIntoString ("\n");
}

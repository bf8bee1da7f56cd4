#include "RecordingDataObject.h"
#include "TestProcessor.h"

#include "model/tables/ParameterIds.h"
#include "processor/HostParameterCreation.h"
#include "processor/MachineParameter.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace
{
    const juce::Identifier maskId ("RegistrationTest_Mask");
    const juce::Identifier otherRangedId ("RegistrationTest_Other");
    const juce::Identifier plainId ("RegistrationTest_Plain");

    const std::array<const juce::Identifier*, 13> kitTrackLevels {
        &Kit_TrackLevel1, &Kit_TrackLevel2, &Kit_TrackLevel3, &Kit_TrackLevel4, &Kit_TrackLevel5,
        &Kit_TrackLevel6, &Kit_TrackLevel7, &Kit_TrackLevel8, &Kit_TrackLevel9, &Kit_TrackLevel10,
        &Kit_TrackLevel11, &Kit_TrackLevel12, &Kit_TrackLevelFx,
    };

    constexpr int trackLevelRow = 10;

    // A kit-like object: the thirteen track levels share row 10, one per track.
    class RegistrationTest : public fhtest::AppTest
    {
    protected:
        RegistrationTest()
        {
            object.addParameter (maskId, -1, { -1, 4095 }, -1, -1, 0);
            for (int track = 0; track < (int) kitTrackLevels.size(); ++track)
                object.addTableParameterByIndex (*kitTrackLevels[(size_t) track], trackLevelRow, true, track, 0);
            object.addTableParameterByIndex (FX_DelayTime, 104, true, std::nullopt, 1);
            object.addTableParameterByIndex (Sound_FilterFrequency, 58, false);
            object.addParameter (otherRangedId, 7, { 0, 10 }, -1, -1, 0);
            object.addParameter (plainId);
            object.addStringParameter (Kit_Name, "NEW KIT");
        }

        const MachineDataObject::ParameterInfo& info (const juce::Identifier& id) const
        {
            const auto* found = object.getParameterInfos().find (id);
            EXPECT_NE (found, nullptr) << id.toString();
            static const MachineDataObject::ParameterInfo none;
            return found != nullptr ? *found : none;
        }

        RecordingDataObject object;
    };
}

TEST_F (RegistrationTest, TableParameterTakesRangeDefaultAndDescriptionFromItsRow)
{
    int value = 0, def = 0, min = 0, max = 0;
    EXPECT_TRUE (object.getValue (FX_DelayTime, value));
    EXPECT_TRUE (object.getDefaultValue (FX_DelayTime, def));
    EXPECT_TRUE (object.getRange (FX_DelayTime, min, max));
    EXPECT_EQ (value, 5888);
    EXPECT_EQ (def, 5888);
    EXPECT_EQ (min, 0);
    EXPECT_EQ (max, 32512);

    const auto& delay = info (FX_DelayTime);
    EXPECT_EQ (delay.id, FX_DelayTime);
    EXPECT_EQ (delay.tableIndex, 104);
    EXPECT_EQ (delay.slot, 17);
    EXPECT_EQ (delay.objectId, 100);
    EXPECT_EQ (delay.track, -1);
    EXPECT_TRUE (delay.isHostParameter);
    EXPECT_EQ (delay.hostParameterGroup, std::optional<int> (1));

    const auto& level = info (Kit_TrackLevel3);
    EXPECT_EQ (level.track, 2);
    EXPECT_EQ (level.objectId, 10);
    EXPECT_EQ (level.hostParameterGroup, std::optional<int> (0));
}

TEST_F (RegistrationTest, RangedPlainAndTextRegistrations)
{
    const auto& mask = info (maskId);
    EXPECT_EQ (mask.tableIndex, -1);
    EXPECT_EQ (mask.slot, -1);
    EXPECT_EQ (mask.objectId, 0);
    EXPECT_EQ (mask.track, -1);
    EXPECT_FALSE (mask.isHostParameter);
    EXPECT_FALSE (mask.displayName.has_value());
    EXPECT_FALSE (mask.hostParameterGroup.has_value());
    int value = 0, min = 0, max = 0;
    EXPECT_TRUE (object.getValue (maskId, value));
    EXPECT_EQ (value, -1);
    EXPECT_TRUE (object.getRange (maskId, min, max));
    EXPECT_EQ (min, -1);
    EXPECT_EQ (max, 4095);

    const auto& plain = info (plainId);
    EXPECT_EQ (plain.objectId, -1);
    EXPECT_TRUE (object.getValue (plainId, value));
    EXPECT_EQ (value, 0);
    EXPECT_FALSE (object.getRanges().contains (plainId));

    juce::String text;
    EXPECT_TRUE (object.getStringValue (Kit_Name, text));
    EXPECT_EQ (text, "NEW KIT");
    EXPECT_FALSE (object.getValues().contains (Kit_Name));

    // Every ranged registration uses row -1: the first one keeps it.
    EXPECT_EQ (object.getIdForTableIndex (-1), maskId);
}

TEST_F (RegistrationTest, DisplayNamesCarryTrackAndSection)
{
    const std::tuple<const juce::Identifier*, const char*> cases[] = {
        { &FX_DelayTime, "Delay Delay Time" },
        { &Sound_FilterFrequency, "Filter Frequency" },
        { &Kit_TrackLevel1, "T1 Track Level" },
        { &Kit_TrackLevel3, "T3 Track Level" },
        { &Kit_TrackLevelFx, "T13 Track Level" },
        { &maskId, "RegistrationTest_Mask" },
        { &Kit_Name, "Kit_Name" },
    };
    for (const auto& [id, name] : cases)
        EXPECT_EQ (object.getParameterName (*id), name) << id->toString();

    // An empty section adds no space; a track of 0 is T1.
    EXPECT_EQ (Vantu::VantuDataObject::makeDisplayName (getParameterRow (trackLevelRow), std::nullopt), "Track Level");
    EXPECT_EQ (Vantu::VantuDataObject::makeDisplayName (getParameterRow (58), 0), "T1 Filter Frequency");
}

TEST_F (RegistrationTest, FindIdByTableIndexMatchesTrackFirstThenRow)
{
    const std::tuple<int, int, juce::Identifier> cases[] = {
        { trackLevelRow, 5, Kit_TrackLevel6 },
        { trackLevelRow, 0, Kit_TrackLevel1 },
        { trackLevelRow, 12, Kit_TrackLevelFx },
        { trackLevelRow, 40, Kit_TrackLevel1 },   // no such track: the first with the row
        { 104, 3, FX_DelayTime },
        { 58, -1, Sound_FilterFrequency },
        { 300, 0, juce::Identifier() },          // a row nobody registered
    };
    for (const auto& [row, track, expected] : cases)
        EXPECT_EQ (object.findIdByTableIndex (row, track), expected) << row << " " << track;

    // The row map keeps the first identifier registered with a row.
    EXPECT_EQ (object.getIdForTableIndex (trackLevelRow), Kit_TrackLevel1);
    EXPECT_EQ (object.getIdForTableIndex (104), FX_DelayTime);
    EXPECT_EQ (object.getIdForTableIndex (300), juce::Identifier());
}

TEST_F (RegistrationTest, RowOutsideTheTableRegistersRowZero)
{
    RecordingDataObject other;
    const juce::Identifier id ("RegistrationTest_Outside");
    other.addTableParameterByIndex (id, 500, false);
    int min = 1, max = 1;
    EXPECT_TRUE (other.getRange (id, min, max));
    EXPECT_EQ (min, getParameterRow (0).minimum);
    EXPECT_EQ (max, getParameterRow (0).maximum);
    EXPECT_EQ (info (FX_DelayTime).tableIndex, 104);
}

TEST_F (RegistrationTest, HostParametersFollowRegistrationOrderAndGroups)
{
    std::vector<juce::Identifier> group0;
    for (const auto* id : kitTrackLevels)
        group0.push_back (*id);
    EXPECT_EQ (object.getHostParameterIds (0), group0);
    EXPECT_EQ (object.getHostParameterIds (1), (std::vector<juce::Identifier> { FX_DelayTime }));

    const auto order = object.getRegistrationOrder();
    ASSERT_EQ (order.size(), 19u);
    EXPECT_EQ (order.front(), maskId);
    EXPECT_EQ (order.back(), Kit_Name);

    TestProcessor processor;
    const auto kit = createHostParameters (processor, object, 0, 0, {});
    const auto fx = createHostParameters (processor, object, 1, 12, "FX ");
    ASSERT_EQ (kit.size(), 13u);
    ASSERT_EQ (fx.size(), 1u);
    EXPECT_EQ (kit[5]->paramID, "10@5");
    EXPECT_EQ (kit[5]->getName (100), "T6 Track Level");
    EXPECT_EQ (fx[0]->paramID, "100@12");
    EXPECT_EQ (fx[0]->getName (3), "FX Delay Delay Time");
    EXPECT_FLOAT_EQ (kit[0]->getDefaultValue(), 25600.0f / 32512.0f);
}

TEST_F (RegistrationTest, RegisteringAnIdentifierTwiceKeepsItsFirstPlace)
{
    object.addTableParameterByIndex (Kit_TrackLevel1, trackLevelRow, true, 0, 0);
    const auto order = object.getRegistrationOrder();
    EXPECT_EQ (std::count (order.begin(), order.end(), Kit_TrackLevel1), 1);
    EXPECT_EQ (object.getHostParameterIds (0).size(), 13u);
}

// Look-ups between parameters and modulation destination indices, on the
// device objects and on objects whose indices are shared on purpose.
#include "model/DestinationLookup.h"
#include "model/Kit.h"
#include "model/RecordingDataObject.h"
#include "model/tables/ParameterIds.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace
{
class DestinationLookupTest : public fhtest::AppTest
{
protected:
    Vantu::Kit kit { nullptr };
};

std::string text (const juce::Identifier& id) { return id.toString().toStdString(); }
} // namespace

TEST_F (DestinationLookupTest, ParameterOfAnIndex)
{
    const MachineDataObject& sound = *kit.getSound (2);
    const MachineDataObject& fx = kit.getFx();

    struct Case { const char* what; const MachineDataObject& object; int index; const char* expected; };
    const Case cases[] = {
        { "sound: none", sound, 0, "Sound_None" },
        { "sound: amp attack", sound, 40, "Sound_AmpAttack" },
        { "sound: filter frequency", sound, 28, "Sound_FilterFrequency" },
        { "sound: nothing has it", sound, 99, "" },
        { "sound: negative", sound, -1, "" },
        { "effects: none", fx, 0, "FX_None" },
        { "effects: shared, the one the external-input group offers", fx, 35, "FX_ExtInInputLevel" },
        { "effects: delay feedback", fx, 20, "FX_DelayFeedback" },
        { "effects: a gap in the indices", fx, 26, "" },
        { "effects: negative", fx, -1, "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (text (DestinationLookup::findParameter (c.object, c.index)), c.expected) << c.what;
}

TEST_F (DestinationLookupTest, SharedIndexOutsideTheGroupsGoesToTheFirstRegistered)
{
    RecordingDataObject object;
    // Registered in an order unlike any hash order of their texts.
    const char* names[] = { "Zeta", "Alpha", "Mu", "Beta", "Omega", "Gamma" };
    for (const char* name : names)
        object.addParameter (juce::Identifier (name), 0, { 0, 100 }, -1, 7, 0);
    // A group member registered after the others still wins.
    object.addParameter (FX_DelayTime, 0, { 0, 100 }, -1, 7, 0);
    object.addParameter (juce::Identifier ("Late"), 0, { 0, 100 }, -1, 8, 0);
    object.addParameter (juce::Identifier ("Later"), 0, { 0, 100 }, -1, 8, 0);

    EXPECT_EQ (text (DestinationLookup::findParameter (object, 7)), "FX_DelayTime");
    EXPECT_EQ (text (DestinationLookup::findParameter (object, 8)), "Late");
}

TEST_F (DestinationLookupTest, IndexOfAParameter)
{
    const MachineDataObject& sound = *kit.getSound (2);
    EXPECT_EQ (DestinationLookup::destinationIndexOf (sound, Sound_AmpAttack), 40);
    EXPECT_EQ (DestinationLookup::destinationIndexOf (sound, Sound_None), 0);
    EXPECT_EQ (DestinationLookup::destinationIndexOf (sound, Sound_Lfo1Dest), 4);
    EXPECT_EQ (DestinationLookup::destinationIndexOf (sound, Sound_Portamento_Type), std::nullopt);   // no index
    EXPECT_EQ (DestinationLookup::destinationIndexOf (sound, FX_DelayTime), std::nullopt);            // not the sound's
    EXPECT_EQ (DestinationLookup::destinationIndexOf (sound, juce::Identifier()), std::nullopt);
}

TEST_F (DestinationLookupTest, MachineParameters)
{
    const MachineDataObject& sound = *kit.getSound (2);
    const MachineDataObject& fx = kit.getFx();

    struct Case { int machineType; int index; const char* expected; };
    const Case cases[] = {
        { 0, 18, "Sound_MCKickTune" },
        { 0, 20, "Sound_MCKickTriangleModFdbk" },
        { 0, 17, "" },   // BD MODERN has nothing at 17 and 24
        { 8, 17, "Sound_BdHardLevel" },
        { 22, 20, "Sound_ChClassicNoiseColor" },
        { 22, 21, "" },
        { 34, 17, "" },
        { 35, 17, "" },
        { 40, 17, "" },
        { -1, 17, "" },
        { 0, 40, "" },   // not a machine index
        { 0, -1, "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (text (DestinationLookup::findMachineParameter (sound, c.machineType, c.index)), c.expected)
            << c.machineType << " " << c.index;

    for (int index = -1; index <= 30; ++index)
    {
        EXPECT_EQ (DestinationLookup::isMachineDestination (sound, index), index >= 17 && index <= 26) << index;
        EXPECT_FALSE (DestinationLookup::isMachineDestination (fx, index)) << index;
    }
}

#include "RecordingDataObject.h"

#include "model/DeviceRecordAppliers.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
const char* const sources[] { "Velocity", "PitchBend", "ModWheel", "Breath", "Aftertouch" };

juce::Identifier modId (int source, int entry, const char* what)
{
    return juce::Identifier (juce::String ("Sound_") + sources[source]
                             + juce::String::charToString ((juce::juce_wchar) ('A' + entry)) + what);
}

const char* const plainIds[] { "Sound_Tags", "Sound_MachineType", "Sound_VelocityVolMode", "Sound_FilterEnvRestart",
                               "Sound_Portamento_Amount", "Sound_Portamento_Gating", "Sound_Portamento_Slope",
                               "Sound_Portamento_Style", "Sound_Portamento_Type", "Sound_PitchBendDepth",
                               "Sound_Transpose", "Sound_PlayMode", "Sound_MonoNotePriority", "Sound_FilterKeyTracking" };

class DeviceRecordAppliersTest : public fhtest::AppTest
{
protected:
    DeviceRecordAppliersTest()
    {
        sound.addStringParameter ("Sound_Name", "OLD");
        for (const char* id : plainIds)
            sound.addRanged (id, 0, -2147483647, 2147483647);
        for (int s = 0; s < 5; ++s)
            for (int e = 0; e < 4; ++e)
            {
                sound.addRanged (modId (s, e, "Depth"), 0, -32768, 32767);
                sound.addRanged (modId (s, e, "Destination"), 0, 0, 100 * 256);
            }
        for (int t = 0; t < 12; ++t)
            kit.addRanged (Vantu::patternMuteIdOfTrack (t), 7, 0, 256);
    }

    int value (const MachineDataObject& o, const juce::Identifier& id) const
    {
        int v = -999;
        EXPECT_TRUE (o.getValue (id, v)) << id.toString();
        return v;
    }

    juce::String name() const
    {
        juce::String s;
        sound.getStringValue ("Sound_Name", s);
        return s;
    }

    static FhAsyncSoundSetupData setupRecord()
    {
        FhAsyncSoundSetupData r {};
        r.trackIndex = 3;
        r.tags = 0x80000003u;
        std::memcpy (r.name, "KICK", 4);
        r.machineType = 7;
        r.velocityVolMode = 1;
        r.envResetMask = 2;
        r.filterKeyTracking = 0xFF;   // -1
        r.pitchbendDepth = 12;
        r.transpose = -24;
        r.playMode = 2;
        r.monoNotePriority = 1;
        r.portamentoAmount = 100;
        r.portamentoType = 1;
        r.portamentoStyle = 2;
        r.portamentoSlope = 3;
        r.portamentoGating = 4;
        for (int s = 0; s < 5; ++s)
            for (int e = 0; e < 4; ++e)
                r.modulation[s][e] = { (std::uint16_t) (s * 10 + e - 20), (std::uint8_t) (s * 4 + e) };
        return r;
    }

    RecordingDataObject sound, kit;
};
} // namespace

TEST_F (DeviceRecordAppliersTest, SoundSetupSetsNameAndEveryFieldWithoutSendingAnything)
{
    const auto r = setupRecord();
    Vantu::applySoundSetup (sound, r);

    EXPECT_EQ (name(), "KICK");
    EXPECT_EQ ((std::uint32_t) value (sound, "Sound_Tags"), 0x80000003u);
    EXPECT_EQ (value (sound, "Sound_MachineType"), 7);
    EXPECT_EQ (value (sound, "Sound_VelocityVolMode"), 1);
    EXPECT_EQ (value (sound, "Sound_FilterEnvRestart"), 256);
    EXPECT_EQ (value (sound, "Sound_FilterKeyTracking"), -1);
    EXPECT_EQ (value (sound, "Sound_PitchBendDepth"), 12);
    EXPECT_EQ (value (sound, "Sound_Transpose"), -24);
    EXPECT_EQ (value (sound, "Sound_PlayMode"), 2);
    EXPECT_EQ (value (sound, "Sound_MonoNotePriority"), 1);
    EXPECT_EQ (value (sound, "Sound_Portamento_Amount"), 100);
    EXPECT_EQ (value (sound, "Sound_Portamento_Type"), 1);
    EXPECT_EQ (value (sound, "Sound_Portamento_Style"), 2);
    EXPECT_EQ (value (sound, "Sound_Portamento_Slope"), 3);
    EXPECT_EQ (value (sound, "Sound_Portamento_Gating"), 4);

    // Destinations go through the sound index table (entry 2 -> slot 9, entry 3 -> slot 2, 19 -> 19).
    EXPECT_EQ (value (sound, modId (0, 0, "Depth")), -20);
    EXPECT_EQ (value (sound, modId (0, 2, "Destination")), 9 * 256);
    EXPECT_EQ (value (sound, modId (0, 3, "Destination")), 2 * 256);
    EXPECT_EQ (value (sound, modId (4, 3, "Depth")), 23);
    EXPECT_EQ (value (sound, modId (4, 3, "Destination")), 19 * 256);

    EXPECT_EQ (sound.sentCount(), 0u);
}

TEST_F (DeviceRecordAppliersTest, FilterEnvelopeRestartIsBitOneOfTheResetMask)
{
    for (const auto& [mask, expected] : { std::pair { 0, 0 }, { 1, 0 }, { 2, 256 }, { 3, 256 }, { 0xFD, 0 } })
    {
        auto r = setupRecord();
        r.envResetMask = (std::uint8_t) mask;
        Vantu::applySoundSetup (sound, r);
        EXPECT_EQ (value (sound, "Sound_FilterEnvRestart"), expected) << mask;
    }
}

TEST_F (DeviceRecordAppliersTest, NameOutsideTheCharacterSetIsKeptAndTheOtherFieldsStillApplied)
{
    auto r = setupRecord();
    r.name[1] = (char) 0xC9;
    Vantu::applySoundSetup (sound, r);
    EXPECT_EQ (name(), "OLD");
    EXPECT_EQ (value (sound, "Sound_MachineType"), 7);

    // A full 16-byte name without a zero byte is taken whole; a high byte after the zero does not matter.
    std::memcpy (r.name, "ABCDEFGHIJKLMNOP", 16);
    Vantu::applySoundSetup (sound, r);
    EXPECT_EQ (name(), "ABCDEFGHIJKLMNOP");
    std::memset (r.name, 0, 16);
    std::memcpy (r.name, "SN", 2);
    r.name[5] = (char) 0xFF;
    Vantu::applySoundSetup (sound, r);
    EXPECT_EQ (name(), "SN");
}

TEST_F (DeviceRecordAppliersTest, DestinationBytesBeyondTheIndexTableReadAsSlotZero)
{
    auto r = setupRecord();
    r.modulation[1][0].destination = 53;    // last entry of the table: slot 36
    r.modulation[1][1].destination = 54;
    r.modulation[1][2].destination = 255;
    Vantu::applySoundSetup (sound, r);
    EXPECT_EQ (value (sound, modId (1, 0, "Destination")), 36 * 256);
    EXPECT_EQ (value (sound, modId (1, 1, "Destination")), 0);
    EXPECT_EQ (value (sound, modId (1, 2, "Destination")), 0);
}

TEST_F (DeviceRecordAppliersTest, PatternMuteMaskSetsTheTwelveTracksAndIgnoresHigherBits)
{
    Vantu::applyPatternMuteMask (kit, 0xF005);
    for (int t = 0; t < 12; ++t)
        EXPECT_EQ (value (kit, Vantu::patternMuteIdOfTrack (t)), (t == 0 || t == 2) ? 256 : 0) << t;
    EXPECT_EQ (kit.sentCount(), 0u);
}

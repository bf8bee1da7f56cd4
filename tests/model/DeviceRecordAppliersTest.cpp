#include "RecordingDataObject.h"

#include "model/DeviceRecordAppliers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <vector>

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

// Each case changes one field of a record whose fields all differ from their
// zero values, and names the one identifier that must change and its value; every
// other identifier (and the name) must keep what the base record gave it.
TEST_F (DeviceRecordAppliersTest, EveryFieldOfTheSetupRecordReachesItsOwnIdentifier)
{
    using Record = FhAsyncSoundSetupData;
    struct Case
    {
        std::string field;
        std::function<void (Record&)> change;
        juce::Identifier id;   // null: no identifier may change
        int expected = 0;
    };

    auto base = [] {
        Record r {};
        r.trackIndex = 3;
        r.tags = 1;
        std::memcpy (r.name, "BASE", 4);
        r.machineType = 1;
        r.velocityVolMode = 1;
        r.envResetMask = 0;
        r.filterKeyTracking = 1;
        r.transposable = 1;
        r.pitchbendDepth = 1;
        r.transpose = 1;
        r.playMode = 1;
        r.monoNotePriority = 1;
        r.portamentoAmount = 1;
        r.portamentoType = 1;
        r.portamentoStyle = 1;
        r.portamentoSlope = 1;
        r.portamentoGating = 1;
        for (auto& source : r.modulation)
            for (auto& entry : source)
                entry = { 1, 1 };   // depth 1, destination word 1 = slot 1
        return r;
    };

    std::vector<Case> cases = {
        { "tags", [] (Record& r) { r.tags = 0x80000003u; }, "Sound_Tags", -2147483645 },
        { "tags all set", [] (Record& r) { r.tags = 0xFFFFFFFFu; }, "Sound_Tags", -1 },
        { "tags none", [] (Record& r) { r.tags = 0; }, "Sound_Tags", 0 },
        { "machine type", [] (Record& r) { r.machineType = 39; }, "Sound_MachineType", 39 },
        { "machine type 0xFF", [] (Record& r) { r.machineType = 0xFF; }, "Sound_MachineType", -1 },
        { "machine type 0x80", [] (Record& r) { r.machineType = 0x80; }, "Sound_MachineType", -128 },
        { "velocity volume mode", [] (Record& r) { r.velocityVolMode = 3; }, "Sound_VelocityVolMode", 3 },
        { "velocity volume mode 0xFF", [] (Record& r) { r.velocityVolMode = 0xFF; }, "Sound_VelocityVolMode", -1 },
        { "reset mask bit 1", [] (Record& r) { r.envResetMask = 0x02; }, "Sound_FilterEnvRestart", 256 },
        { "reset mask bits 0 and 1", [] (Record& r) { r.envResetMask = 0x03; }, "Sound_FilterEnvRestart", 256 },
        { "reset mask all bits", [] (Record& r) { r.envResetMask = 0xFF; }, "Sound_FilterEnvRestart", 256 },
        { "reset mask bit 0 only", [] (Record& r) { r.envResetMask = 0x01; }, {}, 0 },
        { "reset mask without bit 1", [] (Record& r) { r.envResetMask = 0xFD; }, {}, 0 },
        { "filter key tracking", [] (Record& r) { r.filterKeyTracking = 100; }, "Sound_FilterKeyTracking", 100 },
        { "filter key tracking 0xFF", [] (Record& r) { r.filterKeyTracking = 0xFF; }, "Sound_FilterKeyTracking", -1 },
        { "filter key tracking 0x80", [] (Record& r) { r.filterKeyTracking = 0x80; }, "Sound_FilterKeyTracking", -128 },
        { "transposable is not a value", [] (Record& r) { r.transposable = 0xFF; }, {}, 0 },
        { "pitch bend depth", [] (Record& r) { r.pitchbendDepth = 100; }, "Sound_PitchBendDepth", 100 },
        { "pitch bend depth 0xFF", [] (Record& r) { r.pitchbendDepth = 0xFF; }, "Sound_PitchBendDepth", -1 },
        { "transpose up", [] (Record& r) { r.transpose = 60; }, "Sound_Transpose", 60 },
        { "transpose -1", [] (Record& r) { r.transpose = -1; }, "Sound_Transpose", -1 },
        { "transpose -128", [] (Record& r) { r.transpose = -128; }, "Sound_Transpose", -128 },
        { "transpose 127", [] (Record& r) { r.transpose = 127; }, "Sound_Transpose", 127 },
        { "play mode", [] (Record& r) { r.playMode = 3; }, "Sound_PlayMode", 3 },
        { "play mode 0x80", [] (Record& r) { r.playMode = 0x80; }, "Sound_PlayMode", -128 },
        { "mono note priority", [] (Record& r) { r.monoNotePriority = 2; }, "Sound_MonoNotePriority", 2 },
        { "mono note priority 0xFF", [] (Record& r) { r.monoNotePriority = 0xFF; }, "Sound_MonoNotePriority", -1 },
        { "portamento amount", [] (Record& r) { r.portamentoAmount = 100; }, "Sound_Portamento_Amount", 100 },
        { "portamento amount 0xFF", [] (Record& r) { r.portamentoAmount = 0xFF; }, "Sound_Portamento_Amount", -1 },
        { "portamento type", [] (Record& r) { r.portamentoType = 2; }, "Sound_Portamento_Type", 2 },
        { "portamento type 0x80", [] (Record& r) { r.portamentoType = 0x80; }, "Sound_Portamento_Type", -128 },
        { "portamento style", [] (Record& r) { r.portamentoStyle = 0; }, "Sound_Portamento_Style", 0 },
        { "portamento style 0xFF", [] (Record& r) { r.portamentoStyle = 0xFF; }, "Sound_Portamento_Style", -1 },
        { "portamento slope", [] (Record& r) { r.portamentoSlope = 0; }, "Sound_Portamento_Slope", 0 },
        { "portamento slope 0xFF", [] (Record& r) { r.portamentoSlope = 0xFF; }, "Sound_Portamento_Slope", -1 },
        { "portamento gating", [] (Record& r) { r.portamentoGating = 0; }, "Sound_Portamento_Gating", 0 },
        { "portamento gating 0xFF", [] (Record& r) { r.portamentoGating = 0xFF; }, "Sound_Portamento_Gating", -1 },
    };

    // Every one of the twenty modulation entries, depth and destination apart.
    for (int s = 0; s < 5; ++s)
        for (int e = 0; e < 4; ++e)
        {
            const std::string entry = std::string (sources[s]) + " " + char ('A' + e);
            auto depth = [s, e] (std::uint16_t d) { return [s, e, d] (Record& r) { r.modulation[s][e].depth = d; }; };
            auto destination = [s, e] (std::uint8_t d) {
                return [s, e, d] (Record& r) { r.modulation[s][e].destination = d; };
            };
            cases.push_back ({ entry + " depth 0xFFFF", depth (0xFFFF), modId (s, e, "Depth"), -1 });
            cases.push_back ({ entry + " depth 0x8000", depth (0x8000), modId (s, e, "Depth"), -32768 });
            cases.push_back ({ entry + " depth 0x7F00", depth (0x7F00), modId (s, e, "Depth"), 32512 });
            cases.push_back ({ entry + " destination word 2", destination (2), modId (s, e, "Destination"), 9 * 256 });
            cases.push_back ({ entry + " destination word 255", destination (255), modId (s, e, "Destination"), 0 });
        }

    // Destination words through the sound index table; words beyond it read as slot 0.
    const std::pair<int, int> destinations[] = { { 0, 0 },       { 3, 2 },        { 15, 8 },  { 16, 16 },
                                                 { 19, 19 },     { 35, 35 },      { 36, 37 }, { 50, 51 },
                                                 { 51, 53 },     { 52, 52 },      { 53, 36 }, { 54, 0 },
                                                 { 0x7F, 0 },    { 0x80, 0 },     { 0xFF, 0 } };
    for (const auto& [word, slot] : destinations)
        cases.push_back ({ "breath C destination word " + std::to_string (word),
                           [word] (Record& r) { r.modulation[3][2].destination = (std::uint8_t) word; },
                           modId (3, 2, "Destination"), slot * 256 });

    auto snapshot = [this] {
        std::map<juce::String, int> values;
        for (const auto& id : sound.getRegistrationOrder())
        {
            int v = 0;
            if (sound.getValue (id, v))
                values[id.toString()] = v;
        }
        return values;
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.field);
        Vantu::applySoundSetup (sound, base());
        auto expected = snapshot();
        ASSERT_EQ (expected.size(), std::size (plainIds) + 40);
        EXPECT_EQ (expected["Sound_Transpose"], 1);   // the base record reached the object
        if (c.id.isValid())
            expected[c.id.toString()] = c.expected;

        auto changed = base();
        c.change (changed);
        Vantu::applySoundSetup (sound, changed);
        EXPECT_EQ (snapshot(), expected);
        EXPECT_EQ (name(), "BASE");
    }
    EXPECT_EQ (sound.sentCount(), 0u);
}

TEST_F (DeviceRecordAppliersTest, PatternMuteMaskSetsTheTwelveTracksAndIgnoresHigherBits)
{
    Vantu::applyPatternMuteMask (kit, 0xF005);
    for (int t = 0; t < 12; ++t)
        EXPECT_EQ (value (kit, Vantu::patternMuteIdOfTrack (t)), (t == 0 || t == 2) ? 256 : 0) << t;
    EXPECT_EQ (kit.sentCount(), 0u);
}

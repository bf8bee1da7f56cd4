// Registrations, lookups and applying device records of the kit, effects,
// sound and settings objects (without a device).
#include "model/Kit.h"
#include "model/Settings.h"
#include "model/storage/TransferRecords.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
class DeviceDataObjects : public fhtest::AppTest
{
protected:
    Vantu::Kit kit { nullptr };
    Vantu::Settings settings { nullptr };
};

int valueOf (const MachineDataObject& o, const char* id)
{
    int v = -12345;
    o.getValue (juce::Identifier (id), v);
    return v;
}
} // namespace

TEST_F (DeviceDataObjects, SoundRegistrationsDifferOnlyInTheFilterType)
{
    auto* t8 = kit.getSound (7);
    auto* t9 = kit.getSound (8);
    EXPECT_EQ (t8->getRegistrationOrder().size(), 383u);
    EXPECT_EQ (t9->getRegistrationOrder().size(), 383u);
    EXPECT_TRUE (t8->getParameterInfos().contains (juce::Identifier ("Sound_DigitalFilterType")));
    EXPECT_FALSE (t8->getParameterInfos().contains (juce::Identifier ("Sound_AnalogFilterType")));
    EXPECT_TRUE (t9->getParameterInfos().contains (juce::Identifier ("Sound_AnalogFilterType")));
    EXPECT_FALSE (t9->getParameterInfos().contains (juce::Identifier ("Sound_DigitalFilterType")));

    juce::String name;
    ASSERT_TRUE (t8->getStringValue (juce::Identifier ("Sound_Name"), name));
    EXPECT_EQ (name, "NEW SOUND");
    EXPECT_EQ (valueOf (*t8, "Sound_MachineType"), 1);
    EXPECT_EQ (valueOf (*t8, "Sound_VelocityVolMode"), 2);
    EXPECT_EQ (valueOf (*t8, "Sound_PlayMode"), 0);
    EXPECT_EQ (valueOf (*t8, "Sound_Tags"), 0);
}

TEST_F (DeviceDataObjects, LookupsAndTrackNames)
{
    EXPECT_EQ (Vantu::Kit::trackName (12), "FX");
    EXPECT_EQ (Vantu::Kit::trackName (0), "TRK 1");
    EXPECT_TRUE (Vantu::Kit::trackName (13).isEmpty());
    EXPECT_TRUE (Vantu::Kit::trackName (-1).isEmpty());
    EXPECT_EQ (Vantu::Kit::trackLevelId (12).toString(), "Kit_TrackLevelFx");
    EXPECT_TRUE (Vantu::Kit::trackPatternMuteId (12).isNull());
    EXPECT_EQ (kit.getSound (20), kit.getSound (11));
    EXPECT_EQ (kit.getSound (-3), kit.getSound (0));
    EXPECT_EQ (Vantu::Sound::modWheelDestinationId (2).toString(), "Sound_ModWheelCDestination");
    EXPECT_TRUE (Vantu::Sound::velocityDepthId (4).isNull());
    EXPECT_EQ (Vantu::Settings::trackLevelId (12).toString(), "Settings_TrackLevelFX");
    EXPECT_TRUE (Vantu::Settings::trackMuteId (12).isNull());
    EXPECT_EQ (kit.getTrackDisplayName (1), "TRK 2 - NEW SOUND");
    EXPECT_EQ (kit.getTrackDisplayName (12), "FX");
    EXPECT_EQ (kit.getFx().getRegistrationOrder().size(), 65u);
}

TEST_F (DeviceDataObjects, WithoutDeviceNothingIsSentAndTransmissionFails)
{
    EXPECT_FALSE (kit.transmitKit());
    EXPECT_FALSE (kit.getSound (0)->sendParameterChange (juce::Identifier ("Sound_FilterFrequency"), 3));
    EXPECT_FALSE (settings.sendParameterChange ({}, 3));
}

TEST_F (DeviceDataObjects, SettingsRecordSetsMutesAndClearsSolos)
{
    settings.setValueFromMachine (Vantu::Settings::trackSoloId (2), 256, false);
    Vantu::projectSettingsData_t record;
    std::memset (&record, 0, sizeof (record));
    record.trackMuteMask = 0x005;
    record.activeEditTrack = 6;
    record.globalLevels = static_cast<std::int16_t> (0xFFFF);
    ASSERT_TRUE (settings.applyStorage (record));
    for (int t = 0; t < 12; ++t)
    {
        int v = -1;
        ASSERT_TRUE (settings.getValue (Vantu::Settings::trackMuteId (t), v));
        EXPECT_EQ (v, (t == 0 || t == 2) ? 256 : 0) << t;
        ASSERT_TRUE (settings.getValue (Vantu::Settings::trackSoloId (t), v));
        EXPECT_EQ (v, 0) << t;
    }
    EXPECT_EQ (valueOf (settings, "Settings_ActiveEditTrack"), 6);
}

TEST_F (DeviceDataObjects, KitRecordAppliesNameLevelsSoundsMasksAndEffects)
{
    auto record = std::make_unique<Vantu::kitData_t>();
    std::memset (record.get(), 0, sizeof (*record));
    std::memcpy (record->name, "DEVICE KIT", 10);
    for (int t = 0; t < 13; ++t)
        record->trackLevel[t] = static_cast<std::int16_t> (10 + t);
    record->trackMuteFromMainMask = -1;
    record->trackMuteFromFxMask = 5;
    record->sounds[3].machineType = 4;
    std::memcpy (record->sounds[3].name, "KICK", 4);
    record->sounds[3].transpose = -7;
    record->sounds[3].modulation[Vantu::modBreath][2].slot = 9;
    record->fxParams[17] = 42;

    const int fxLevelBefore = valueOf (kit, "Kit_TrackLevelFx");
    ASSERT_TRUE (kit.applyStorage (*record));

    juce::String name;
    ASSERT_TRUE (kit.getStringValue (juce::Identifier ("Kit_Name"), name));
    EXPECT_EQ (name, "DEVICE KIT");
    EXPECT_EQ (valueOf (kit, "Kit_TrackLevel1"), 10);
    EXPECT_EQ (valueOf (kit, "Kit_TrackLevelFx"), fxLevelBefore);
    EXPECT_EQ (valueOf (kit, "Kit_TrackMuteFromMainMask"), -1);
    EXPECT_EQ (valueOf (kit, "Kit_TrackMuteFromFxMask"), 5);
    auto* sound = kit.getSound (3);
    EXPECT_EQ (valueOf (*sound, "Sound_MachineType"), 4);
    EXPECT_EQ (valueOf (*sound, "Sound_Transpose"), -7);
    EXPECT_EQ (valueOf (*sound, "Sound_BreathCDestination"), 9 * 256);
    ASSERT_TRUE (sound->getStringValue (juce::Identifier ("Sound_Name"), name));
    EXPECT_EQ (name, "KICK");

    // Slot 17 is the first delay parameter.
    int found = 0;
    for (const auto& id : kit.getFx().getRegistrationOrder())
        if (const auto* info = kit.getFx().getParameterInfos().find (id); info != nullptr && info->slot == 17)
        {
            int v = 0;
            kit.getFx().getValue (id, v);
            EXPECT_EQ (v, 42) << id.toString();
            ++found;
            break;
        }
    EXPECT_EQ (found, 1);
}

namespace
{
// A setup record with every field inside the ranges a sound holds; destinations
// as the device writes them (storage-order words).
FhAsyncSoundSetupData inRangeSetup (int track)
{
    FhAsyncSoundSetupData r {};
    r.trackIndex = (std::uint16_t) track;
    r.tags = 0x80000101u;
    std::memcpy (r.name, "SETUP TEST", 10);
    r.machineType = 12;
    r.velocityVolMode = 3;
    r.envResetMask = 0x02;
    r.filterKeyTracking = 64;
    r.transposable = 1;
    r.pitchbendDepth = 24;
    r.transpose = -60;
    r.playMode = 3;
    r.monoNotePriority = 2;
    r.portamentoAmount = 100;
    r.portamentoType = 2;
    r.portamentoStyle = 1;
    r.portamentoSlope = 1;
    r.portamentoGating = 1;
    for (int s = 0; s < 5; ++s)
        for (int e = 0; e < 4; ++e)
            r.modulation[s][e] = { (std::uint16_t) (-32768 + 1000 * (s * 4 + e)), (std::uint8_t) (s * 10 + e + 1) };
    r.modulation[4][3] = { 32512, 53 };   // storage word 53: runtime slot 36
    return r;
}

std::vector<std::uint8_t> bytesOf (const FhAsyncSoundSetupData& r)
{
    const auto* p = reinterpret_cast<const std::uint8_t*> (&r);
    return { p, p + sizeof (r) };
}
} // namespace

TEST_F (DeviceDataObjects, SetupRecordFromTheDeviceComesBackUnchangedInTheNextRecordSent)
{
    struct Case
    {
        const char* what;
        void (*change) (FhAsyncSoundSetupData&);
    };
    const Case cases[] = {
        { "in-range record", [] (FhAsyncSoundSetupData&) {} },
        { "transposable 0, restart off", [] (FhAsyncSoundSetupData& r) { r.transposable = 0; r.envResetMask = 0; } },
        { "transposable 0xFF, transpose 60", [] (FhAsyncSoundSetupData& r) { r.transposable = 0xFF; r.transpose = 60; } },
        { "transpose -1, zero depths", [] (FhAsyncSoundSetupData& r) {
             r.transpose = -1;
             for (auto& source : r.modulation)
                 for (auto& entry : source)
                     entry.depth = 0;
         } },
    };
    auto* sound = kit.getSound (5);
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto record = inRangeSetup (5);
        c.change (record);
        ASSERT_TRUE (sound->applySoundSetup (record));
        FhAsyncSoundSetupData out;
        ASSERT_TRUE (sound->fillSoundSetup (out));
        EXPECT_EQ (bytesOf (out), bytesOf (record));
    }
}

TEST_F (DeviceDataObjects, SetupRecordBytesAreReadSignedAndClampedToTheSoundsRanges)
{
    struct Case
    {
        const char* what;
        void (*change) (FhAsyncSoundSetupData&);
        const char* id;
        int expected;
    };
    const Case cases[] = {
        { "machine type 0xFF reads as -1", [] (FhAsyncSoundSetupData& r) { r.machineType = 0xFF; }, "Sound_MachineType", 0 },
        { "machine type 0x80 reads as -128", [] (FhAsyncSoundSetupData& r) { r.machineType = 0x80; }, "Sound_MachineType", 0 },
        { "machine type 40", [] (FhAsyncSoundSetupData& r) { r.machineType = 40; }, "Sound_MachineType", 39 },
        { "transpose -128", [] (FhAsyncSoundSetupData& r) { r.transpose = -128; }, "Sound_Transpose", -60 },
        { "transpose 127", [] (FhAsyncSoundSetupData& r) { r.transpose = 127; }, "Sound_Transpose", 60 },
        { "transpose -1", [] (FhAsyncSoundSetupData& r) { r.transpose = -1; }, "Sound_Transpose", -1 },
        { "key tracking 0xFF", [] (FhAsyncSoundSetupData& r) { r.filterKeyTracking = 0xFF; }, "Sound_FilterKeyTracking", 0 },
        { "key tracking 0x80", [] (FhAsyncSoundSetupData& r) { r.filterKeyTracking = 0x80; }, "Sound_FilterKeyTracking", 0 },
        { "portamento amount 0xC8", [] (FhAsyncSoundSetupData& r) { r.portamentoAmount = 0xC8; }, "Sound_Portamento_Amount", 0 },
        { "play mode 0xFF", [] (FhAsyncSoundSetupData& r) { r.playMode = 0xFF; }, "Sound_PlayMode", 2 },
        { "velocity volume mode 0xFF", [] (FhAsyncSoundSetupData& r) { r.velocityVolMode = 0xFF; }, "Sound_VelocityVolMode", 0 },
        { "depth 0x8000", [] (FhAsyncSoundSetupData& r) { r.modulation[0][0].depth = 0x8000; }, "Sound_VelocityADepth", -32768 },
        { "depth 0xFFFF", [] (FhAsyncSoundSetupData& r) { r.modulation[0][0].depth = 0xFFFF; }, "Sound_VelocityADepth", -1 },
        { "depth 0x7FFF", [] (FhAsyncSoundSetupData& r) { r.modulation[0][0].depth = 0x7FFF; }, "Sound_VelocityADepth", 32512 },
        { "restart bit", [] (FhAsyncSoundSetupData& r) { r.envResetMask = 0x02; }, "Sound_FilterEnvRestart", 256 },
        { "restart bit clear", [] (FhAsyncSoundSetupData& r) { r.envResetMask = 0xFD; }, "Sound_FilterEnvRestart", 0 },
        { "destination beyond the table", [] (FhAsyncSoundSetupData& r) { r.modulation[1][2].destination = 54; },
          "Sound_PitchBendCDestination", 0 },
    };
    auto* sound = kit.getSound (2);
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto record = inRangeSetup (2);
        c.change (record);
        ASSERT_TRUE (sound->applySoundSetup (record));
        EXPECT_EQ (valueOf (*sound, c.id), c.expected);
    }
}

TEST_F (DeviceDataObjects, SetupRecordNameOutsideTheCharacterSetLeavesTheNameAndAppliesTheRest)
{
    auto* sound = kit.getSound (4);
    auto record = inRangeSetup (4);
    std::memset (record.name, 0, sizeof (record.name));
    std::memcpy (record.name, "SNARE", 5);
    ASSERT_TRUE (sound->applySoundSetup (record));

    record.name[1] = (char) 0xC9;
    record.machineType = 20;
    ASSERT_TRUE (sound->applySoundSetup (record));
    juce::String name;
    ASSERT_TRUE (sound->getStringValue (juce::Identifier ("Sound_Name"), name));
    EXPECT_EQ (name, "SNARE");
    EXPECT_EQ (valueOf (*sound, "Sound_MachineType"), 20);
}

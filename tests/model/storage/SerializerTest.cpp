#include "model/storage/ByteOrder.h"
#include "model/storage/Serializer.h"
#include "model/storage/StorageIndexTables.h"
#include "StorageTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Vantu;
using storagetest::StdoutCapture;

namespace
{
class ParameterMapsEnvironment : public testing::Environment
{
public:
    void SetUp() override { storagetest::ensureParameterMaps(); }
};

[[maybe_unused]] const auto* const parameterMapsEnvironment =
    testing::AddGlobalTestEnvironment (new ParameterMapsEnvironment);

void setWord (void* sound, int k, int v) { bytes::store (sound, soundOffsets::word (k), std::int16_t (std::uint16_t (v))); }

// A version-5 sound whose every field is in range.
void makeValidSound (soundStorage_v5_t& s, int machineType)
{
    std::memset (&s, 0, sizeof (s));
    s.version = 5;
    s.setupParameters.machineType = std::uint8_t (machineType);
    s.setupParameters.velocityVolMode = 2;
    s.setupParameters.transposable = 1;
    s.playMode = 2;
    s.portamentoAmount = 100;
}

std::unique_ptr<soundStorageContainer_t> validSound (int machineType = 0)
{
    auto s = std::make_unique<soundStorageContainer_t>();
    makeValidSound (s->v5, machineType);
    return s;
}

std::unique_ptr<kitStorageContainer_t> validKit()
{
    auto k = std::make_unique<kitStorageContainer_t>();
    std::memset (k.get(), 0, sizeof (*k));
    k->version = 7;
    for (int t = 0; t < 12; ++t)
        makeValidSound (k->v7.sounds[t], kDefaultTrackMachineTypes[t]);
    k->v7.fxParams.version = 1;
    for (int i = 0; i < 13; ++i)
        bytes::store<std::int16_t> (k->raw, kitOffsets::trackLevel + 2 * i, 25600);
    return k;
}

template <typename Record, typename Read>
std::string readAndCapture (Record& dst, Read read)
{
    StdoutCapture out;
    EXPECT_TRUE (read (dst));
    return out.text();
}
} // namespace

TEST (DeviceName, AcceptsOnlyTheDeviceNameCharacters)
{
    struct Case
    {
        const char* name;
        bool valid;
    };
    const Case cases[] = {
        { "", true },
        { "AAAAAAAAAAAAAAAA", true },
        { "KICK 01 ~!@#$%^&", true },
        { "()_+-=", true },
        { "\xC5\xC4\xD6\xDC\xDF\xC6\xD8\xC7\xD1", true },
        { "Kick", false },
        { "KICK.1", false },
        { "TAB\tX", false },
        { "\xE5", false },
    };
    for (const auto& c : cases)
    {
        char name[16] {};
        std::memcpy (name, c.name, std::min<std::size_t> (16, std::strlen (c.name)));
        EXPECT_EQ (isValidDeviceName (name), c.valid) << c.name;
    }

    // The name ends at the first NUL; what follows does not count.
    char afterNul[16] = { 'A', 'B', 0, 'x', 'y' };
    EXPECT_TRUE (isValidDeviceName (afterNul));
    EXPECT_FALSE (isValidDeviceName (nullptr));
}

TEST (ReadSound, WrongVersionIsRefusedAndWritesNothing)
{
    auto s = validSound();
    s->header.version = 4;
    soundData_t dst;
    std::memset (&dst, 0x5A, sizeof (dst));
    StdoutCapture out;
    EXPECT_FALSE (Serializer::readSound (&dst, s.get()));
    EXPECT_EQ (out.text(), "ERROR! Serializer::readSound() Wrong version: 4\n");
    EXPECT_EQ (+dst.tags, 0x5A5A5A5Au);
    EXPECT_FALSE (Serializer::readSound (nullptr, s.get()));
    EXPECT_FALSE (Serializer::readSound (&dst, nullptr));
}

TEST (ReadSound, WordsGoToTheirSlotsAndDestinationsBecomeSlots)
{
    auto s = validSound (4);
    for (int k = 0; k < 54; ++k)
        setWord (s.get(), k, 1000 + k);
    for (int k = 54; k < 72; ++k)
        setWord (s.get(), k, 0x7777);
    setWord (s.get(), 7, 53 * 256);          // LFO1 at Filter Env. Reset
    setWord (s.get(), 8, 54 * 256);          // LFO2 past the table
    auto& mod = s->v5.modulation;
    mod[0][0] = { -300, 27 };
    mod[1][1] = { 5, 51 };
    mod[2][2] = { 6, 54 };
    mod[4][3] = { 7, 0x80 };
    s->v5.tags = 0x80000001;

    soundData_t dst {};
    EXPECT_EQ (readAndCapture (dst, [&] (auto& d) { return Serializer::readSound (&d, s.get()); }), "");
    EXPECT_EQ (+dst.tags, 0x80000001u);
    for (int k = 0; k < 54; ++k)
    {
        if (k != 7 && k != 8)
        {
            EXPECT_EQ (dst.params[indexTables::sound[k]], 1000 + k) << k;
        }
    }
    EXPECT_EQ (dst.params[4], 36 * 256);
    EXPECT_EQ (dst.params[12], 0);
    EXPECT_EQ (dst.params[54], 0);
    EXPECT_EQ (dst.params[68], 0);
    EXPECT_EQ (+dst.modulation[modVelocity][0].depth, -300);
    EXPECT_EQ (dst.modulation[modVelocity][0].slot, 27);
    EXPECT_EQ (dst.modulation[modPitchBend][1].slot, 53);
    EXPECT_EQ (dst.modulation[modModWheel][2].slot, 0);
    EXPECT_EQ (dst.modulation[modAftertouch][3].slot, 0);
    EXPECT_EQ (+dst.modulation[modAftertouch][3].depth, 7);
    EXPECT_EQ (dst.machineType, 4);
}

TEST (ReadSound, NamesAreKeptWholeOrReplaced)
{
    auto s = validSound();
    std::memcpy (s->v5.name, "AAAAAAAAAAAAAAAA", 16);
    soundData_t dst {};
    ASSERT_TRUE (Serializer::readSound (&dst, s.get()));
    EXPECT_EQ (std::string (dst.name, 16), "AAAAAAAAAAAAAAAA");

    std::memcpy (s->v5.name, "Lower case\0\0\0\0\0\0", 16);
    ASSERT_TRUE (Serializer::readSound (&dst, s.get()));
    EXPECT_EQ (std::string (dst.name, 16), std::string ("SOUND\0\0\0\0\0\0\0\0\0\0\0", 16));
}

TEST (ReadSound, OutOfRangeFieldsTakeTheirDefaultsWithOneWarning)
{
    struct Case
    {
        std::size_t offset;
        std::uint8_t value;
        const char* warning;
        std::function<int (const soundData_t&)> field;
        int expected;
    };
    const Case cases[] = {
        { 172, 40, "WARNING: 'src->setupParameters.machineType' > max value 39\n", [] (auto& d) { return d.machineType; }, 0 },
        { 172, 0xFE, "WARNING: 'src->setupParameters.machineType' < min value -1\n", [] (auto& d) { return d.machineType; }, 0 },
        { 172, 0xFF, "", [] (auto& d) { return d.machineType; }, -1 },
        { 173, 4, "WARNING: 'src->setupParameters.velocityVolMode' > max value 3\n", [] (auto& d) { return d.velocityVolMode; }, 2 },
        { 174, 0x80, "WARNING: 'src->setupParameters.envResetMask' < min value 0\n", [] (auto& d) { return d.envResetMask; }, 0 },
        { 175, 101, "WARNING: 'src->setupParameters.filterKeyTracking' > max value 100\n", [] (auto& d) { return d.filterKeyTracking; }, 0 },
        { 176, 2, "WARNING: 'src->setupParameters.transposable' > max value 1\n", [] (auto& d) { return d.transposable; }, 1 },
        { 177, 61, "WARNING: 'src->setupParameters.pitchbend_depth' > max value 60\n", [] (auto& d) { return d.pitchbendDepth; }, 2 },
        { 178, 61, "WARNING: 'src->setupParameters.transpose' > max value 60\n", [] (auto& d) { return d.transpose; }, 0 },
        { 178, std::uint8_t (-61), "WARNING: 'src->setupParameters.transpose' < min value -60\n", [] (auto& d) { return d.transpose; }, 0 },
        { 178, std::uint8_t (-60), "", [] (auto& d) { return d.transpose; }, -60 },
        { 240, 1, "WARNING: 'src->playMode' < min value 2\n", [] (auto& d) { return d.playMode; }, 2 },
        { 240, 4, "WARNING: 'src->playMode' > max value 3\n", [] (auto& d) { return d.playMode; }, 2 },
        { 241, 3, "WARNING: 'src->mono_note_priority' > max value 2\n", [] (auto& d) { return d.monoNotePriority; }, 0 },
        { 242, 200, "WARNING: 'src->portamentoAmount' < min value 0\n", [] (auto& d) { return d.portamentoAmount; }, 100 },
        { 243, 3, "WARNING: 'src->portamentoType' > max value 2\n", [] (auto& d) { return d.portamentoType; }, 0 },
        { 244, 2, "WARNING: 'src->portamentoStyle' > max value 1\n", [] (auto& d) { return d.portamentoStyle; }, 0 },
        { 245, 2, "WARNING: 'src->portamentoSlope' > max value 1\n", [] (auto& d) { return d.portamentoSlope; }, 1 },
        { 246, 9, "WARNING: 'src->portamentoGating' > max value 1\n", [] (auto& d) { return d.portamentoGating; }, 0 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.warning);
        auto s = validSound();
        s->raw[c.offset] = c.value;
        soundData_t dst {};
        EXPECT_EQ (readAndCapture (dst, [&] (auto& d) { return Serializer::readSound (&d, s.get()); }), c.warning);
        EXPECT_EQ (c.field (dst), c.expected);
    }
}

TEST (ReadKit, WrongVersionIsRefused)
{
    auto k = validKit();
    k->version = 6;
    auto dst = std::make_unique<kitData_t>();
    StdoutCapture out;
    EXPECT_FALSE (Serializer::readKit (dst.get(), k.get()));
    EXPECT_EQ (out.text(), "ERROR! Serializer::readKit() Wrong version: 6\n");
    EXPECT_FALSE (Serializer::readKit (nullptr, k.get()));
    EXPECT_FALSE (Serializer::readKit (dst.get(), nullptr));
}

TEST (ReadKit, ValidKitReadsWithoutWarnings)
{
    auto k = validKit();
    std::memcpy (k->v7.name, "MY KIT", 6);
    bytes::store<std::int16_t> (k->raw, kitOffsets::trackLevel + 2 * 12, 0x7F00);
    bytes::store<std::int16_t> (&k->v7.sounds[5], soundOffsets::word (1), 0x1234);
    bytes::store<std::int16_t> (&k->v7.fxParams, 4 + 2 * 66, 0x0100);    // FX filter Env. Reset -> slot 53
    bytes::store<std::int16_t> (&k->v7.fxParams, 4 + 2 * 7, 66 * 256);   // FX LFO1 aims at word 66
    bytes::store<std::int16_t> (&k->v7.fxParams, 4 + 2 * 8, 67 * 256);   // past the table
    bytes::store<std::int16_t> (&k->v7.midiParams[3], 4 + 2 * 40, 19712);
    bytes::store<std::uint16_t> (&k->v7.midiParams[3], 148, 0xFFFF);
    k->v7.track_mute_from_main_mask = -1;
    k->v7.track_mute_from_fx_mask = 0x3FFF;
    k->v7.thirdMask = 0xABCD;

    auto dst = std::make_unique<kitData_t>();
    std::memset (dst.get(), 0, sizeof (*dst));
    EXPECT_EQ (readAndCapture (*dst, [&] (auto& d) { return Serializer::readKit (&d, k.get()); }), "");
    EXPECT_EQ (std::string (dst->name), "MY KIT");
    EXPECT_EQ (dst->trackLevel[0], 25600);
    EXPECT_EQ (dst->trackLevel[12], 0x7F00);
    EXPECT_EQ (dst->sounds[5].params[1], 0x1234);
    for (int t = 0; t < 12; ++t)
        EXPECT_EQ (dst->sounds[t].machineType, kDefaultTrackMachineTypes[t]);
    EXPECT_EQ (dst->fxParams[53], 0x0100);
    EXPECT_EQ (dst->fxParams[4], 53 * 256);
    EXPECT_EQ (dst->fxParams[12], 0);
    EXPECT_EQ (dst->midiParams[3].params[40], 19712);
    EXPECT_EQ (+dst->midiParams[3].extra, 0xFFFF);
    EXPECT_EQ (dst->trackMuteFromMainMask, -1);
    EXPECT_EQ (dst->trackMuteFromFxMask, 0x3FFF);
    EXPECT_EQ (+dst->thirdMask, 0xABCD);
}

TEST (ReadKit, BadNameAndLevelsAndMasksAreReplaced)
{
    auto k = validKit();
    std::memcpy (k->v7.name, "kit", 3);
    bytes::store<std::int16_t> (k->raw, kitOffsets::trackLevel + 2 * 3, 0x7F01);
    bytes::store<std::int16_t> (k->raw, kitOffsets::trackLevel + 2 * 4, -1);
    k->v7.track_mute_from_main_mask = -2;
    k->v7.track_mute_from_fx_mask = 0x4000;

    auto dst = std::make_unique<kitData_t>();
    const auto text = readAndCapture (*dst, [&] (auto& d) { return Serializer::readKit (&d, k.get()); });
    EXPECT_EQ (text,
               "WARNING: 'src->trackLevel[i]' > max value 32512\n"
               "WARNING: 'src->trackLevel[i]' < min value 0\n"
               "WARNING: 'src->track_mute_from_main_mask' < min value -1\n"
               "WARNING: 'src->track_mute_from_fx_mask' > max value 16383\n");
    EXPECT_EQ (std::string (dst->name), "KIT");
    EXPECT_EQ (dst->trackLevel[3], 25600);
    EXPECT_EQ (dst->trackLevel[4], 25600);
    EXPECT_EQ (dst->trackMuteFromMainMask, -1);
    EXPECT_EQ (dst->trackMuteFromFxMask, -1);

    k->v7.track_mute_from_fx_mask = -2;
    EXPECT_EQ (readAndCapture (*dst, [&] (auto& d) { return Serializer::readKit (&d, k.get()); }).find (
                   "WARNING: 'src->track_mute_from_fx_mask' < min value -1\n") != std::string::npos,
               true);
    EXPECT_EQ (dst->trackMuteFromFxMask, -1);
}

TEST (ReadKit, WrongEmbeddedRecordsAreReplacedByDefaults)
{
    auto k = validKit();
    k->v7.sounds[2].version = 4;
    k->v7.sounds[2].playMode = 0;   // not looked at: the sound is replaced whole
    k->v7.fxParams.version = 0;
    k->v7.midiParams[7].version = 3;
    bytes::store<std::int16_t> (&k->v7.sounds[3], soundOffsets::word (1), 0x1234);

    auto dst = std::make_unique<kitData_t>();
    const auto text = readAndCapture (*dst, [&] (auto& d) { return Serializer::readKit (&d, k.get()); });
    EXPECT_EQ (text,
               "ERROR! Serializer::readSound() Wrong version: 4\n"
               "ERROR! Serializer::readFxParams() Wrong version: 0\n"
               "ERROR! Serializer::readFxParams() Wrong version: 3\n");

    soundData_t expected;
    makeDefaultSoundData (&expected, 7);
    EXPECT_EQ (std::memcmp (&dst->sounds[2], &expected, sizeof (expected)), 0);
    EXPECT_EQ (dst->sounds[2].machineType, 7);
    EXPECT_EQ (dst->sounds[2].velocityVolMode, 2);
    EXPECT_EQ (dst->sounds[2].playMode, 2);
    EXPECT_EQ (dst->sounds[3].params[1], 0x1234);

    std::int16_t fxDefaults[kRuntimeSlots];
    makeDefaultFxData (fxDefaults);
    EXPECT_EQ (std::memcmp (dst->fxParams, fxDefaults, sizeof (fxDefaults)), 0);
    midiParameterData_t midiDefaults;
    makeDefaultMidiParameters (&midiDefaults);
    EXPECT_EQ (std::memcmp (&dst->midiParams[7], &midiDefaults, sizeof (midiDefaults)), 0);
}

TEST (ReadKit, TrigEntries)
{
    auto k = validKit();
    auto& trigs = k->v7.trigs;
    trigs[0].trig = 2;
    trigs[0].param_idx = 33;
    bytes::store<std::uint16_t> (&trigs[0], 2, 0x0110);   // low byte 16
    for (int i = 0; i < 4; ++i)
        bytes::store<std::uint16_t> (&trigs[1], 2 + 2 * i, 0x0080);
    trigs[2].param_idx = 1;
    trigs[3].param_idx = 19;
    k->v7.sounds[6].setupParameters.machineType = 0xFF;   // -1: no machine

    auto dst = std::make_unique<kitData_t>();
    const auto text = readAndCapture (*dst, [&] (auto& d) { return Serializer::readKit (&d, k.get()); });
    EXPECT_EQ (text,
               "WARNING: 'src->trig' > max value 1\n"
               "WARNING: 'src->param_idx' > max value 32\n"
               "WARNING: 'src->values[i]' < min value 0\n"
               "WARNING: 'src->values[i]' < min value 0\n"
               "WARNING: 'src->values[i]' < min value 0\n"
               "WARNING: 'src->values[i]' < min value 0\n");
    EXPECT_EQ (dst->trigs[0].trig, 1);
    EXPECT_EQ (dst->trigs[0].paramIdx, 0);
    EXPECT_EQ (dst->trigs[0].values[0], 16);
    const int fallbacks[] = { 16, 32, 64, 127 };
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ (dst->trigs[1].values[i], fallbacks[i]);
    for (int n = 0; n < 2; ++n)
        for (int t = 0; t < 13; ++t)
            EXPECT_EQ (dst->trigs[n].trackParamIndex[t], 0);
    EXPECT_EQ (dst->sounds[6].machineType, -1);
    EXPECT_EQ (dst->trigs[2].trackParamIndex[6], -1);
    EXPECT_EQ (dst->trigs[3].trackParamIndex[6], -1);
    EXPECT_EQ (dst->trigs[2].paramIdx, 1);
}

TEST (ReadFxParams, MidiBlockSlotsAndExtraWord)
{
    kitMidiParams_t block;
    std::memset (&block, 0, sizeof (block));
    for (int k = 0; k < 72; ++k)
        bytes::store<std::int16_t> (&block, 4 + 2 * k, std::int16_t (2000 + k));
    bytes::store<std::int16_t> (&block, 4 + 2 * 7, 40 * 256);
    bytes::store<std::int16_t> (&block, 4 + 2 * 8, 41 * 256);
    block.extra = 0x8001;

    midiParameterData_t dst {};
    ASSERT_TRUE (Serializer::readFxParams (&dst, &block));
    for (int k = 0; k <= 40; ++k)
    {
        if (k != 7 && k != 8)
        {
            EXPECT_EQ (dst.params[indexTables::midi[k]], 2000 + k) << k;
        }
    }
    EXPECT_EQ (dst.params[4], 40 * 256);
    EXPECT_EQ (dst.params[12], 0);
    EXPECT_EQ (dst.params[41], 0);
    EXPECT_EQ (+dst.extra, 0x8001);

    block.version = 1;
    StdoutCapture out;
    EXPECT_FALSE (Serializer::readFxParams (&dst, &block));
    EXPECT_EQ (out.text(), "ERROR! Serializer::readFxParams() Wrong version: 1\n");
}

namespace
{
std::unique_ptr<projectSettingsStorage_v2_t> validSettings()
{
    auto s = std::make_unique<projectSettingsStorage_v2_t>();
    std::memset (s.get(), 0, sizeof (*s));
    s->version = 2;
    s->globalTempo = 14400;
    s->pre_post_and_internal_output_mode = 0x11;
    return s;
}
} // namespace

TEST (ReadSettings, WrongVersionIsRefused)
{
    auto s = validSettings();
    s->version = 1;
    projectSettingsData_t dst {};
    StdoutCapture out;
    EXPECT_FALSE (Serializer::readSettings (&dst, s.get()));
    EXPECT_EQ (out.text(), "ERROR! Serializer::readSettings() Wrong version: 1\n");
}

TEST (ReadSettings, ValidRecordIsCopied)
{
    auto s = validSettings();
    s->activeEditTrack = 12;
    s->midiChannel[0] = -1;
    s->midiChannel[FX_TRACK] = 15;
    s->trackMuteMask = 0x0FFF;
    s->settingsWord66 = 0xFFFF;
    s->track_mute_from_main_mask = 0x7FFF;
    s->globalLevels = 255;
    s->dual_mono = 1;
    bytes::store<std::int16_t> (s.get(), 81 + 2 * 12, 0x7F00);
    bytes::store<std::uint16_t> (s.get(), 107 + 2 * 67, 0xBEEF);

    projectSettingsData_t dst {};
    EXPECT_EQ (readAndCapture (dst, [&] (auto& d) { return Serializer::readSettings (&d, s.get()); }), "");
    EXPECT_EQ (dst.tempo, 14400);
    EXPECT_EQ (dst.activeEditTrack, 12);
    EXPECT_EQ (dst.midiChannel[0], -1);
    EXPECT_EQ (dst.midiChannelFx, 15);
    EXPECT_EQ (+dst.trackMuteMask, 0x0FFF);
    EXPECT_EQ (dst.trackSoloMask, 0);
    EXPECT_EQ (+dst.settingsWord66, 0xFFFF);
    EXPECT_EQ (dst.trackMuteFromMainMask, 0x7FFF);
    EXPECT_EQ (+dst.globalLevels, 255);
    EXPECT_EQ (dst.dualMono, 1);
    EXPECT_EQ (dst.outputModeHigh, 1);
    EXPECT_EQ (dst.outputModeLow, 1);
    EXPECT_EQ (dst.trackLevel[12], 0x7F00);
    EXPECT_EQ (dst.settingsWords[67], 0xBEEF);
}

TEST (ReadSettings, OutOfRangeFieldsTakeTheirDefaults)
{
    struct Case
    {
        std::function<void (projectSettingsStorage_v2_t&)> damage;
        const char* warning;
        std::function<int (const projectSettingsData_t&)> field;
        int expected;
    };
    const Case cases[] = {
        { [] (auto& s) { s.globalTempo = 36001; }, "WARNING: 'src->globalTempo' > max value 36000\n", [] (auto& d) { return d.tempo; }, 14400 },
        { [] (auto& s) { s.globalTempo = 3599; }, "WARNING: 'src->globalTempo' < min value 3600\n", [] (auto& d) { return d.tempo; }, 14400 },
        { [] (auto& s) { s.patternTempoEnabled = 2; }, "WARNING: 'src->patternTempoEnabled' > max value 1\n", [] (auto& d) { return d.patternTempoEnabled; }, 1 },
        { [] (auto& s) { s.activeEditTrack = 13; }, "WARNING: 'src->activeEditTrack' > max value 12\n", [] (auto& d) { return d.activeEditTrack; }, 0 },
        { [] (auto& s) { s.activePlayTrack = 0xFF; }, "WARNING: 'src->activePlayTrack' < min value 0\n", [] (auto& d) { return d.activePlayTrack; }, 0 },
        { [] (auto& s) { s.activePattern = -1; }, "WARNING: 'src->activePattern' < min value 0\n", [] (auto& d) { return d.activePattern; }, 0 },
        { [] (auto& s) { s.activePattern = 127; }, "", [] (auto& d) { return d.activePattern; }, 127 },
        { [] (auto& s) { s.clickNumerator = 16; }, "WARNING: 'src->clickNumerator' > max value 15\n", [] (auto& d) { return d.clickNumerator; }, 3 },
        { [] (auto& s) { s.clickDenominator = 5; }, "WARNING: 'src->clickDenominator' > max value 4\n", [] (auto& d) { return d.clickDenominator; }, 2 },
        { [] (auto& s) { s.clickVolume = -5; }, "WARNING: 'src->clickVolume' < min value 0\n", [] (auto& d) { return d.clickVolume; }, 64 },
        { [] (auto& s) { s.clickPitch = -128; }, "WARNING: 'src->clickPitch' < min value 0\n", [] (auto& d) { return d.clickPitch; }, 64 },
        { [] (auto& s) { s.midiAutoChannel = 16; }, "WARNING: 'src->midiAutoChannel' > max value 15\n", [] (auto& d) { return d.midiAutoChannel; }, 9 },
        { [] (auto& s) { s.midiChannel[5] = 20; }, "WARNING: 'src->midiChannel[i]' > max value 15\n", [] (auto& d) { return d.midiChannel[5]; }, 5 },
        { [] (auto& s) { s.midiChannel[FX_TRACK] = -2; }, "WARNING: 'src->midiChannel[FX_TRACK]' < min value -1\n", [] (auto& d) { return d.midiChannelFx; }, 8 },
        { [] (auto& s) { s.midiProgramChangeRxChannel = 16; }, "WARNING: 'src->midiProgramChangeRxChannel' > max value 15\n", [] (auto& d) { return d.midiProgramChangeRxChannel; }, -1 },
        { [] (auto& s) { s.midiInputFilter = 4; }, "WARNING: 'src->midiInputFilter' > max value 3\n", [] (auto& d) { return d.midiInputFilter; }, 3 },
        { [] (auto& s) { s.midiOutputFilter = 4; }, "WARNING: 'src->midiOutputFilter' > max value 3\n", [] (auto& d) { return d.midiOutputFilter; }, 1 },
        { [] (auto& s) { s.midiSyncIn = 2; }, "WARNING: 'src->midiSyncIn' > max value 1\n", [] (auto& d) { return d.midiSyncIn; }, 1 },
        { [] (auto& s) { s.midiNoteOutputConf = 3; }, "WARNING: 'src->midiNoteOutputConf' > max value 2\n", [] (auto& d) { return d.midiNoteOutputConf; }, 1 },
        { [] (auto& s) { s.midiMuteOutputConf = 3; }, "WARNING: 'src->midiMuteOutputConf' > max value 2\n", [] (auto& d) { return d.midiMuteOutputConf; }, 1 },
        { [] (auto& s) { s.pre_post_and_internal_output_mode = 0x21; }, "WARNING: 'src->pre_post_and_internal_output_mode >> 4' > max value 1\n", [] (auto& d) { return d.outputModeHigh; }, 0 },
        { [] (auto& s) { s.pre_post_and_internal_output_mode = 0x81; }, "WARNING: 'src->pre_post_and_internal_output_mode >> 4' < min value 0\n", [] (auto& d) { return d.outputModeHigh; }, 0 },
        { [] (auto& s) { s.pre_post_and_internal_output_mode = 0x13; }, "WARNING: 'src->pre_post_and_internal_output_mode & 15' > max value 2\n", [] (auto& d) { return d.outputModeLow; }, 1 },
        { [] (auto& s) { s.usb_to_main_volume = 4; }, "WARNING: 'src->usb_to_main_volume' > max value 3\n", [] (auto& d) { return d.usbToMainVolume; }, 0 },
        { [] (auto& s) { s.track_mute_from_main_mask = -1; }, "WARNING: 'src->track_mute_from_main_mask' < min value 0\n", [] (auto& d) { return d.trackMuteFromMainMask; }, 0 },
        { [] (auto& s) { s.track_mute_from_fx_mask = 0x4000; }, "WARNING: 'src->track_mute_from_fx_mask' > max value 16383\n", [] (auto& d) { return d.trackMuteFromFxMask; }, 0 },
        { [] (auto& s) { s.dual_mono = 2; }, "WARNING: 'src->dual_mono' > max value 1\n", [] (auto& d) { return d.dualMono; }, 1 },
        { [] (auto& s) { s.globalLevels = 256; }, "WARNING: 'src->globalLevels' > max value 255\n", [] (auto& d) { return d.globalLevels; }, 0 },
        { [] (auto& s) { bytes::store<std::int16_t> (&s, 81 + 2, -3); }, "WARNING: 'src->trackLevel[i]' < min value 0\n", [] (auto& d) { return d.trackLevel[1]; }, 25600 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.warning);
        auto s = validSettings();
        c.damage (*s);
        projectSettingsData_t dst {};
        EXPECT_EQ (readAndCapture (dst, [&] (auto& d) { return Serializer::readSettings (&d, s.get()); }), c.warning);
        EXPECT_EQ (c.field (dst), c.expected);
    }
}

TEST (DefaultRecords, DefaultSoundsComeFromTheParameterTable)
{
    struct Case
    {
        int machineType, slot, expected;
    };
    const Case cases[] = {
        { 0, 1, 28672 },    // LFO1 Speed
        { 0, 10, 768 },     // LFO2 Multiplier
        { 0, 18, 16384 },   // BD MODERN Tune
        { 0, 19, 2560 },    // Square Modulation
        { 0, 27, 0 },       // Filter Type
        { 0, 37, 0 },       // Filter Base
        { 0, 38, 32512 },   // Filter Width (map A only)
        { 8, 38, 0 },
        { 8, 18, 15488 },   // BD HARD Tune
        { 0, 42, 32512 },   // Amp Decay Time
        { 0, 48, 28160 },   // Amp Volume
        { 0, 50, 0 },       // Amp Mode
        { 4, 50, 256 },     // ... the other row for these machine types
        { 5, 50, 256 },
        { 20, 50, 256 },
        { 37, 50, 256 },
        { 36, 50, 0 },
        { 0, 51, 256 },     // Amp Env Reset
        { 0, 52, 9984 },    // Portamento Time
        { 0, 53, 16128 },   // Portamento Enabled
        { 34, 18, 0 },      // DISABLE has no machine parameters
        { 0, 54, 0 },
    };
    for (const auto& c : cases)
    {
        soundData_t d;
        makeDefaultSoundData (&d, c.machineType);
        EXPECT_EQ (d.params[c.slot], c.expected) << "machine " << c.machineType << " slot " << c.slot;
        EXPECT_EQ (d.machineType, c.machineType);
        EXPECT_EQ (d.velocityVolMode, 2);
        EXPECT_EQ (d.transposable, 1);
        EXPECT_EQ (d.pitchbendDepth, 2);
        EXPECT_EQ (d.playMode, 2);
        EXPECT_EQ (d.portamentoAmount, 100);
        EXPECT_EQ (+d.tags, 0u);
        EXPECT_EQ (d.name[0], 0);
    }
}

TEST (DefaultRecords, DefaultEffectsAndMidiSets)
{
    std::int16_t fx[kRuntimeSlots];
    makeDefaultFxData (fx);
    const std::pair<int, int> fxCases[] = {
        { 1, 28672 }, { 17, 5888 }, { 22, 24576 }, { 24, 28160 }, { 26, 0 }, { 28, 7936 }, { 33, 28160 },
        { 36, 0 }, { 37, 16384 }, { 42, 256 }, { 45, 32512 }, { 53, 0 }, { 56, 32512 }, { 58, 25600 },
        { 64, 28160 }, { 65, 0 }, { 67, 256 }, { 68, 0 },
    };
    for (auto [slot, expected] : fxCases)
        EXPECT_EQ (fx[slot], expected) << slot;

    midiParameterData_t midi;
    makeDefaultMidiParameters (&midi);
    const std::pair<int, int> midiCases[] = {
        { 2, 256 }, { 10, 768 }, { 17, 0 }, { 21, 8192 }, { 33, 17920 }, { 40, 19712 }, { 41, 0 },
    };
    for (auto [slot, expected] : midiCases)
        EXPECT_EQ (midi.params[slot], expected) << slot;
    EXPECT_EQ (+midi.extra, 0);
}

TEST (ReadKit, TrigDestinationsResolvePerTrack)
{
    auto k = validKit();
    k->v7.trigs[2].param_idx = 1;    // Tune
    k->v7.trigs[3].param_idx = 19;   // LFO1 Speed
    k->v7.sounds[0].setupParameters.machineType = 35;   // MIDI: no Tune

    auto dst = std::make_unique<kitData_t>();
    EXPECT_EQ (readAndCapture (*dst, [&] (auto& d) { return Serializer::readKit (&d, k.get()); }), "");
    EXPECT_EQ (dst->trigs[2].trackParamIndex[0], 0);    // None
    EXPECT_EQ (dst->trigs[2].trackParamIndex[1], 18);   // SD VINTAGE Tune
    EXPECT_EQ (dst->trigs[2].trackParamIndex[8], 18);   // BD HARD Tune
    EXPECT_EQ (dst->trigs[2].trackParamIndex[12], 0);   // the effects track has no Tune
    for (int t = 0; t < 13; ++t)
        EXPECT_EQ (dst->trigs[3].trackParamIndex[t], 1) << t;
}

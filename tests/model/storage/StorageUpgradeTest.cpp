#include "model/storage/ByteOrder.h"
#include "model/storage/StorageUpgrade.h"
#include "model/storage/UpgradeTables.h"
#include "StorageTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Vantu;
using storagetest::StdoutCapture;

namespace
{
int word (const void* sound, int k) { return bytes::load<std::int16_t> (sound, soundOffsets::word (k)); }
void setWord (void* sound, int k, int v) { bytes::store (sound, soundOffsets::word (k), std::int16_t (std::uint16_t (v))); }

std::unique_ptr<soundStorageContainer_t> makeSound (std::uint32_t version, int machineType)
{
    auto s = std::make_unique<soundStorageContainer_t>();
    std::memset (s.get(), 0, sizeof (*s));
    s->header.version = version;
    s->raw[soundOffsets::machineType] = std::uint8_t (machineType);
    return s;
}

std::unique_ptr<kitStorageContainer_t> makeKit (std::uint32_t version)
{
    auto k = std::make_unique<kitStorageContainer_t>();
    std::memset (k.get(), 0, sizeof (*k));
    k->version = version;
    const auto& l = *kitLayout (version);
    for (int t = 0; t < 12; ++t)
        bytes::store (k->raw, kitOffsets::sounds + t * l.soundSize + soundOffsets::version, l.soundVersion);
    return k;
}

std::uint8_t* kitSound (kitStorageContainer_t& k, int t)
{
    return k.raw + kitOffsets::sounds + std::size_t (t) * kitLayout (k.version)->soundSize;
}

int fxWord (const kitStorageContainer_t& k, int w)
{
    return bytes::load<std::int16_t> (k.raw, kitLayout (k.version)->fxParams + 4 + 2 * std::size_t (w));
}

void setFxWord (kitStorageContainer_t& k, int w, int v)
{
    bytes::store (k.raw, kitLayout (k.version)->fxParams + 4 + 2 * std::size_t (w), std::int16_t (v));
}

// Upgrades a version-3 sound by one step and returns it.
std::unique_ptr<soundStorage_v4_t> stepV3toV4 (const soundStorageContainer_t& s)
{
    auto out = std::make_unique<soundStorage_v4_t>();
    std::memset (out.get(), 0, sizeof (*out));
    EXPECT_TRUE (upgradeSoundStorageV3toV4 (out.get(), &s.v3));
    return out;
}
} // namespace

TEST (UpgradeTables, TellingRowsOfTheAmpTables)
{
    using namespace upgradeTables;
    const int firstHolds[] = { 9, 10, 12, 13, 14, 15, 16, 17 };
    for (int h = 0; h < 8; ++h)
    {
        EXPECT_EQ (ampAttackTable[0][h], 0);
        EXPECT_EQ (ampHoldTable[0][h], firstHolds[h]);
    }
    for (int a = 8; a < 128; ++a)
    {
        EXPECT_EQ (ampAttackTable[a][0], 20) << a;
        EXPECT_EQ (ampHoldTable[a][0], 0) << a;
    }
    const int holds[] = { 0, 8, 16, 24, 32, 40 };
    const int attacks[] = { 20, 39, 50, 58, 66, 73 };
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ (ampAttackTable[32][holds[i]], attacks[i]) << holds[i];
    for (int h = 40; h < 128; ++h)
        EXPECT_EQ (ampAttackTable[32][h], 73) << h;
    for (int h = 0; h <= 32; ++h)
        EXPECT_EQ (ampHoldTable[32][h], 0) << h;
    for (int h = 33; h < 120; ++h)
        EXPECT_LE (ampHoldTable[32][h], ampHoldTable[32][h + 1]) << h;
    EXPECT_GT (ampHoldTable[32][33], 0);
    EXPECT_EQ (ampHoldTable[32][120], 127);
    for (int h = 0; h < 128; ++h)
        EXPECT_EQ (ampHoldTable[127][h], 0) << h;
    for (int a = 0; a < 128; ++a)
        for (int h = 0; h < 128; ++h)
        {
            ASSERT_LE (ampAttackTable[a][h], 122);
            ASSERT_LE (ampHoldTable[a][h], 127);
        }
}

TEST (UpgradeTables, OldLfoDestinations)
{
    using upgradeTables::convertLfoDestinationV0;
    EXPECT_EQ (convertLfoDestinationV0 (0), 0);
    EXPECT_EQ (convertLfoDestinationV0 (43), 43);
    EXPECT_EQ (convertLfoDestinationV0 (44), 26);
    EXPECT_EQ (convertLfoDestinationV0 (45), 44);
    EXPECT_EQ (convertLfoDestinationV0 (51), 50);
    EXPECT_EQ (convertLfoDestinationV0 (52), 0);
    EXPECT_EQ (convertLfoDestinationV0 (255), 0);
    EXPECT_EQ (convertLfoDestinationV0 (-1), 0);
}

TEST (SoundUpgrade, StepsRefuseNullSameAndWrongVersion)
{
    auto s = makeSound (1, 0);
    soundStorage_v2_t out {};
    EXPECT_FALSE (upgradeSoundStorageV1toV2 (nullptr, &s->v1));
    EXPECT_FALSE (upgradeSoundStorageV1toV2 (&out, nullptr));
    EXPECT_FALSE (upgradeSoundStorageV1toV2 (&s->v2, &s->v1));
    s->header.version = 2;
    std::memset (&out, 0x11, sizeof (out));
    EXPECT_FALSE (upgradeSoundStorageV1toV2 (&out, &s->v1));
    EXPECT_EQ (+out.version, 0x11111111u);   // nothing written
    EXPECT_FALSE (upgradeSoundStorage (nullptr));
}

TEST (SoundUpgrade, V0LfoAimedAtTheOldOverdrive)
{
    for (int machineType : { 3, 12 })
    {
        SCOPED_TRACE (machineType);
        auto s = makeSound (0, machineType);
        setWord (s.get(), 7, 44 * 256);   // LFO1 at the old extra word
        setWord (s.get(), 8, 47 * 256);   // LFO2 at old Amp Volume... (word 46 now)
        setWord (s.get(), 44, 0x3300);    // old overdrive
        setWord (s.get(), 45, 0x1100);    // old Amp Delay Send
        setWord (s.get(), 26, 0x0500);
        soundStorage_v1_t v1 {};
        std::memset (&v1, 0, sizeof (v1));
        ASSERT_TRUE (upgradeSoundStorageV0toV1 (&v1, s.get()));
        EXPECT_EQ (+v1.version, 1u);
        EXPECT_EQ (word (&v1, 7), machineType < 8 ? 26 * 256 : 0);
        EXPECT_EQ (word (&v1, 8), 46 * 256);
        EXPECT_EQ (word (&v1, 26), machineType < 8 ? 0x3300 : 0x0500);
        EXPECT_EQ (word (&v1, 44), 0x1100);
        EXPECT_EQ (word (&v1, 51), 0);
    }
}

TEST (SoundUpgrade, V1toV2ConvertsDigitalAndAnalogPagesAndWidensModulation)
{
    auto digital = makeSound (1, 2);
    setWord (digital.get(), 26, 10 * 256);
    setWord (digital.get(), 27, 0);
    setWord (digital.get(), 39, 5 * 256);
    digital->raw[180] = 0xFE;                // velocity A depth -2
    digital->raw[181] = 28;
    digital->raw[212 + 6] = 0x7F;            // aftertouch D depth 127
    digital->raw[212 + 7] = 53;
    bytes::store<std::uint32_t> (digital->raw, 220, 0xA5A5A5A5);
    soundStorage_v2_t v2 {};
    ASSERT_TRUE (upgradeSoundStorageV1toV2 (&v2, &digital->v1));
    EXPECT_EQ (word (&v2, 26), upgradeTables::overdriveCurve[10] * 256);
    EXPECT_EQ (word (&v2, 26), 7 * 256);
    EXPECT_EQ (word (&v2, 27), 7 * 256);
    EXPECT_EQ (word (&v2, 39), 5 * 256);   // analog envelope untouched
    EXPECT_EQ (+v2.modulation[0][0].depth, -512);
    EXPECT_EQ (v2.modulation[0][0].destination, 28);
    EXPECT_EQ (+v2.modulation[4][3].depth, 127 * 256);
    EXPECT_EQ (v2.modulation[4][3].destination, 53);
    EXPECT_EQ (+v2.trailingWord, 0xA5A5A5A5u);

    setWord (digital.get(), 27, 3 * 256);
    ASSERT_TRUE (upgradeSoundStorageV1toV2 (&v2, &digital->v1));
    EXPECT_EQ (word (&v2, 27), 2 * 256);

    auto analog = makeSound (1, 9);
    setWord (analog.get(), 39, 32 * 256);
    setWord (analog.get(), 40, 16 * 256);
    setWord (analog.get(), 41, 1 * 256);
    setWord (analog.get(), 43, 127 * 256);
    setWord (analog.get(), 26, 10 * 256);
    ASSERT_TRUE (upgradeSoundStorageV1toV2 (&v2, &analog->v1));
    EXPECT_EQ (word (&v2, 39), 50 * 256);
    EXPECT_EQ (word (&v2, 40), 0);
    EXPECT_EQ (word (&v2, 41), 3 * 256);
    EXPECT_EQ (word (&v2, 43), 127 * 256);
    EXPECT_EQ (word (&v2, 26), 10 * 256);

    // A damaged word (device value above 127) is taken as 127, never past the table.
    setWord (analog.get(), 41, -1);
    ASSERT_TRUE (upgradeSoundStorageV1toV2 (&v2, &analog->v1));
    EXPECT_EQ (word (&v2, 41), 127 * 256);
}

TEST (SoundUpgrade, V3toV4RescalesTheDualVcoDetune)
{
    auto s = makeSound (3, 20);
    setWord (s.get(), 20, 0x7F00);
    setWord (s.get(), 7, 20 * 256);      // LFO1 aims at the detune
    setWord (s.get(), 15, 0x0000);
    setWord (s.get(), 18, 0x4000);
    const auto v4 = stepV3toV4 (*s);
    EXPECT_EQ (+v4->version, 4u);
    EXPECT_EQ (word (v4.get(), 20), 0x4FC0);
    EXPECT_EQ (word (v4.get(), 15), 0x3000);   // (0 - 0x4000) / 4 + 0x4000
    EXPECT_EQ (word (v4.get(), 18), 0x4000);
}

TEST (SoundUpgrade, V3toV4HalvesAndFoldsTheAnalogTune)
{
    struct Case
    {
        int tune, expectedTune, expectedTranspose;
    };
    const Case cases[] = {
        { 0x1000, 0x2800, 0 },
        { 0x7F00, 0x5380, 12 },
        { 0x4000, 0x4000, 0 },
        { -0x8000, -0x2000 + 5 * 0xC00, -60 },   // folded up five octaves at most
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.tune);
        auto s = makeSound (3, 9);
        setWord (s.get(), 18, c.tune);
        s->raw[179] = 0x44;
        const auto v4 = stepV3toV4 (*s);
        EXPECT_EQ (word (v4.get(), 18), c.expectedTune);
        EXPECT_EQ (v4->setupParameters.transpose, c.expectedTranspose);
        EXPECT_EQ (v4->pad, 0);
    }

    auto rs = makeSound (3, 19);
    setWord (rs.get(), 21, 0x0000);
    setWord (rs.get(), 8, 21 * 256);   // LFO2 aims at Tune Osc2
    setWord (rs.get(), 16, 0x7FFE);
    const auto v4 = stepV3toV4 (*rs);
    EXPECT_EQ (word (v4.get(), 21), 0x2000);
    EXPECT_EQ (word (v4.get(), 16), 0x5FFF);

    auto noise = makeSound (3, 32);   // T9 bit, but excluded
    setWord (noise.get(), 18, 0x1000);
    EXPECT_EQ (word (stepV3toV4 (*noise).get(), 18), 0x1000);
}

TEST (SoundUpgrade, V3toV4FoldsDigitalTuneAndInvertsWord22)
{
    auto s = makeSound (3, 0);
    setWord (s.get(), 18, 0x1000);
    setWord (s.get(), 22, 0x1000);
    setWord (s.get(), 7, 22 * 256);
    setWord (s.get(), 15, 0x3000);
    auto v4 = stepV3toV4 (*s);
    EXPECT_EQ (word (v4.get(), 18), 0x1000 + 2 * 0xC00);
    EXPECT_EQ (v4->setupParameters.transpose, -24);
    EXPECT_EQ (word (v4.get(), 22), 0x7F00 - 0x1000);
    EXPECT_EQ (word (v4.get(), 15), 0x8000 - 0x3000);

    s->raw[soundOffsets::machineType] = 37;   // SY BITS keeps word 22
    v4 = stepV3toV4 (*s);
    EXPECT_EQ (word (v4.get(), 22), 0x1000);
    EXPECT_EQ (word (v4.get(), 15), 0x3000);

    s->raw[soundOffsets::machineType] = 200;   // no machine type: nothing rescaled
    v4 = stepV3toV4 (*s);
    EXPECT_EQ (word (v4.get(), 18), 0x1000);
    EXPECT_EQ (word (v4.get(), 22), 0x1000);
}

TEST (SoundUpgrade, WholeChainFromV0KeepsHeaderAndCarriedWords)
{
    auto s = makeSound (0, 12);
    s->header.leadingWord = 0x11223344;
    bytes::store<std::uint32_t> (s->raw, soundOffsets::tags, 0x80000002);
    std::memcpy (s->raw + soundOffsets::name, "HARD KICK", 9);
    bytes::store<std::uint32_t> (s->raw, 188, 0x55667788);
    setWord (s.get(), 1, 0x7000);
    setWord (s.get(), 18, 0x4000);
    setWord (s.get(), 7, 44 * 256);
    s->raw[180] = 0xFF;   // velocity depth -1
    s->raw[181] = 30;

    StdoutCapture out;
    ASSERT_TRUE (upgradeSoundStorage (s.get()));
    EXPECT_EQ (out.text(), "");
    const auto& v5 = s->v5;
    EXPECT_EQ (+v5.version, 5u);
    EXPECT_EQ (+v5.leadingWord, 0x11223344u);
    EXPECT_EQ (+v5.trailingWord, 0x55667788u);
    EXPECT_EQ (+v5.tags, 0x80000002u);
    EXPECT_EQ (std::string (v5.name, 9), "HARD KICK");
    EXPECT_EQ (word (&v5, 1), 0x7000);
    EXPECT_EQ (word (&v5, 7), 0);              // aimed at nothing
    EXPECT_EQ (word (&v5, 0), 0);
    EXPECT_EQ (word (&v5, 51), 0x3F00);
    EXPECT_EQ (word (&v5, 52), 0x2775);
    EXPECT_EQ (word (&v5, 53), 0x0100);
    EXPECT_EQ (v5.setupParameters.velocityVolMode, 2);
    EXPECT_EQ (v5.setupParameters.pitchbend_depth, 0);
    EXPECT_EQ (+v5.modulation[0][0].depth, -256);
    EXPECT_EQ (v5.modulation[0][0].destination, 30);
    EXPECT_EQ (v5.playMode, 2);
    EXPECT_EQ (v5.portamentoAmount, 100);
    EXPECT_EQ (v5.portamentoSlope, 0);

    // A second run leaves it as it is.
    const auto before = *s;
    EXPECT_TRUE (upgradeSoundStorage (s.get()));
    EXPECT_EQ (std::memcmp (&before, s.get(), sizeof (before)), 0);
}

TEST (SoundUpgrade, UnknownVersionIsNotFullyUpgraded)
{
    for (std::uint32_t version : { 6u, 1000u })
    {
        auto s = makeSound (version, 0);
        StdoutCapture out;
        EXPECT_FALSE (upgradeSoundStorage (s.get()));
        EXPECT_EQ (out.text(), "Not fully upgraded! (missing code?)\n");
        EXPECT_EQ (soundVersionOf (*s), version);
    }
}

TEST (KitUpgrade, WholeChainFromV0)
{
    auto k = makeKit (0);
    std::memcpy (k->v1.name, "OLD KIT", 7);
    for (int i = 0; i < 13; ++i)
        bytes::store<std::int16_t> (k->raw, kitOffsets::trackLevel + 2 * i, std::int16_t (0x100 * i));
    bytes::store<std::int16_t> (k->raw, 4378, 0x0123);
    bytes::store<std::int16_t> (k->raw, 4380, 0x0456);
    bytes::store<std::uint16_t> (k->raw, 4382, 0x0789);
    std::memset (k->raw + 4384, 0xAB, 224);   // tail
    setFxWord (*k, 43, 6 * 256);
    setFxWord (*k, 53, 32 * 256);
    setFxWord (*k, 54, 8 * 256);
    setFxWord (*k, 55, 2 * 256);
    setFxWord (*k, 63, 256);
    bytes::store<std::uint16_t> (k->raw, 2506 + 5 * 156 + 148, 0xBEEF);   // T6 MIDI extra word
    bytes::store<std::int16_t> (kitSound (*k, 4), soundOffsets::word (18), 0x4000);
    kitSound (*k, 4)[soundOffsets::machineType] = 9;

    StdoutCapture out;
    ASSERT_TRUE (upgradeKitStorage (k.get()));
    EXPECT_EQ (out.text(), "");
    const auto& v7 = k->v7;
    EXPECT_EQ (+v7.version, 7u);
    EXPECT_EQ (std::string (v7.name, 7), "OLD KIT");
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ (bytes::load<std::int16_t> (&v7, kitOffsets::trackLevel + 2 * i), 0x100 * i);
    EXPECT_EQ (+v7.track_mute_from_main_mask, 0x0123);
    EXPECT_EQ (+v7.track_mute_from_fx_mask, 0x0456);
    EXPECT_EQ (+v7.thirdMask, 0);   // cleared by the first step
    for (int t = 0; t < 12; ++t)
    {
        EXPECT_EQ (+v7.sounds[t].version, 5u);
        EXPECT_EQ (v7.sounds[t].setupParameters.transposable, 1);
        EXPECT_EQ (v7.sounds[t].playMode, 2);
    }
    EXPECT_EQ (bytes::load<std::int16_t> (&v7.sounds[4], soundOffsets::word (18)), 0x4000);
    EXPECT_EQ (+v7.fxParams.version, 1u);
    EXPECT_EQ (fxWord (*k, 43), 7 * 256);
    EXPECT_EQ (fxWord (*k, 53), 39 * 256);
    EXPECT_EQ (fxWord (*k, 54), upgradeTables::ampHoldTable[32][8] * 256);
    EXPECT_EQ (fxWord (*k, 55), 4 * 256);
    EXPECT_EQ (fxWord (*k, 63), 0);
    EXPECT_EQ (fxWord (*k, 65), 0);
    EXPECT_EQ (fxWord (*k, 66), 0x0100);
    EXPECT_EQ (+v7.midiParams[5].extra, 0xBEEF);
    const std::uint16_t first[] = { 6, 9, 11, 12 };
    const std::uint16_t others[] = { 32, 64, 96, 127 };
    for (int e = 0; e < 4; ++e)
    {
        EXPECT_EQ (v7.trigs[e].param_idx, 0);
        EXPECT_EQ (v7.trigs[e].trig, 1);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ (bytes::load<std::uint16_t> (&v7.trigs[e], 2 + 2 * i), e == 0 ? first[i] : others[i]);
    }
    for (std::size_t i = 0; i < sizeof (v7.tail); ++i)
        ASSERT_EQ (v7.tail[i], 0) << i;
}

TEST (KitUpgrade, NewestKitPassesUnchanged)
{
    auto k = makeKit (7);
    bytes::store<std::uint32_t> (k->raw, kitLayout (7)->fxParams, 1);
    std::memset (k->v7.tail, 0x3C, sizeof (k->v7.tail));
    std::memcpy (k->v7.name, "KEEP", 4);
    const auto before = *k;
    EXPECT_TRUE (upgradeKitStorage (k.get()));
    EXPECT_EQ (std::memcmp (&before, k.get(), sizeof (before)), 0);
}

TEST (KitUpgrade, FailingStepLeavesTheLastGoodVersion)
{
    // FX block of a version-6 kit that claims version 1: the last step fails.
    auto k = makeKit (5);
    bytes::store<std::uint32_t> (k->raw, kitLayout (5)->fxParams, 1);
    StdoutCapture out;
    EXPECT_FALSE (upgradeKitStorage (k.get()));
    EXPECT_EQ (out.text(), "Not fully upgraded! (missing code?)\n");
    EXPECT_EQ (+k->version, 6u);
    EXPECT_EQ (+k->v6.sounds[0].version, 4u);

    // An embedded sound of the wrong version fails its kit step.
    auto bad = makeKit (3);
    bytes::store<std::uint32_t> (kitSound (*bad, 2), soundOffsets::version, 0);
    EXPECT_FALSE (upgradeKitStorage (bad.get()));
    EXPECT_EQ (+bad->version, 3u);

    auto unknown = makeKit (0);
    unknown->version = 8;
    EXPECT_FALSE (upgradeKitStorage (unknown.get()));
    EXPECT_FALSE (upgradeKitStorage (nullptr));
}

TEST (KitUpgrade, StepsRefuseNullSameAndWrongVersion)
{
    auto k = makeKit (6);
    auto out = std::make_unique<kitStorage_v7_t>();
    EXPECT_FALSE (upgradeKitStorageV6toV7 (nullptr, &k->v6));
    EXPECT_FALSE (upgradeKitStorageV6toV7 (out.get(), nullptr));
    EXPECT_FALSE (upgradeKitStorageV6toV7 (&k->v7, &k->v6));
    k->version = 5;
    EXPECT_FALSE (upgradeKitStorageV6toV7 (out.get(), &k->v6));
}

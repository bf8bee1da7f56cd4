#include "model/storage/RecordLayouts.h"
#include "model/storage/RecordWriters.h"
#include "model/storage/WireFactories.h"
#include "model/storage/ByteOrder.h"
#include "StorageTestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace Vantu;
using storagetest::Wire;

namespace
{
int16_t word (const void* record, std::size_t at) { return bytes::load<std::int16_t> (record, at); }
uint16_t uword (const void* record, std::size_t at) { return bytes::load<std::uint16_t> (record, at); }
uint32_t dword (const void* record, std::size_t at) { return bytes::load<std::uint32_t> (record, at); }
} // namespace

TEST (WireFactory, SoundVersion5FromHandBuiltBytes)
{
    Wire w (251);
    w.be32 (0, 0x01020304).be32 (4, 5).be32 (8, 0x80000001).text (12, "SNARE 1")
        .be16 (28 + 2 * 1, 0x1234)            // word 1
        .be16 (28 + 2 * 53, 0xFF00)           // word 53, negative
        .u8 (172, 9).u8 (178, 0xF4)           // machine type, transpose -12
        .u8 (179, 0xAA)                       // pad: not converted
        .be16 (192 + 3, 0xFE00).u8 (192 + 5, 27)   // pitch bend entry B
        .u8 (240, 3).u8 (246, 1)
        .be32 (247, 0xCAFEBABE);

    const auto s = makeSharedSoundStorage (w.data());
    ASSERT_NE (s, nullptr);
    const auto& v5 = s->v5;
    EXPECT_EQ (+s->header.leadingWord, 0x01020304u);
    EXPECT_EQ (soundVersionOf (*s), 5u);
    EXPECT_EQ (+v5.tags, 0x80000001u);
    EXPECT_EQ (std::string (v5.name, 7), "SNARE 1");
    EXPECT_EQ (word (&v5, 28 + 2), 0x1234);
    EXPECT_EQ (word (&v5, 28 + 106), -256);
    EXPECT_EQ (v5.setupParameters.machineType, 9);
    EXPECT_EQ (v5.setupParameters.transpose, -12);
    EXPECT_EQ (v5.pad, 0);
    EXPECT_EQ (word (&v5, 192 + 3), -512);
    EXPECT_EQ (s->raw[192 + 5], 27);
    EXPECT_EQ (v5.playMode, 3);
    EXPECT_EQ (v5.portamentoGating, 1);
    EXPECT_EQ (dword (&v5, 247), 0xCAFEBABEu);
}

TEST (WireFactory, SoundVersion0And1KeepByteEntriesAndSkipPads)
{
    Wire v0 (251);
    v0.be32 (4, 0).u8 (176, 1).u8 (177, 0x55).u8 (178, 0x66).u8 (180, 0xFE).u8 (181, 44).be32 (188, 0x11223344);
    const auto s0 = makeSharedSoundStorage (v0.data());
    EXPECT_EQ (s0->raw[176], 1);
    EXPECT_EQ (s0->raw[177], 0);
    EXPECT_EQ (s0->raw[178], 0);
    EXPECT_EQ (s0->raw[180], 0xFE);
    EXPECT_EQ (s0->raw[181], 44);
    EXPECT_EQ (dword (s0.get(), 188), 0x11223344u);

    Wire v1 (251);
    v1.be32 (4, 1).u8 (177, 12).u8 (178, 0x77).u8 (212, 0x80).be32 (220, 7);
    const auto s1 = makeSharedSoundStorage (v1.data());
    EXPECT_EQ (s1->v1.setupParameters.pitchbend_depth, 12);
    EXPECT_EQ (s1->raw[178], 0);
    EXPECT_EQ (+s1->v1.modulation[4][0].depth, -128);
    EXPECT_EQ (+s1->v1.trailingWord, 7u);
}

TEST (WireFactory, KitVersion7FromHandBuiltBytes)
{
    Wire w (5632);
    w.be32 (0, 7).text (4, "KIT ONE")
        .be16 (20, 0x6400).be16 (20 + 24, 0x7F00)            // T1 and FX track levels
        .be32 (46 + 4, 5).be16 (46 + 28, 0x0102)            // sound 1: version, word 0
        .be32 (46 + 11 * 251 + 4, 5).u8 (46 + 11 * 251 + 172, 30)
        .be32 (3058, 1).be16 (3058 + 4 + 2 * 66, 0x0100).u8 (3058 + 148, 0x99)
        .be32 (3214 + 11 * 156, 0).be16 (3214 + 11 * 156 + 148, 0xBEEF).u8 (3214 + 11 * 156 + 155, 0x42)
        .be16 (5086, 0xFFFF).be16 (5088, 0x3FFF).be16 (5090, 0x1234)
        .u8 (5092 + 30, 17).u8 (5092 + 31, 1).be16 (5092 + 30 + 2, 0x0110)
        .u8 (5631, 0xEE);

    const auto k = makeSharedKitStorage (w.data());
    const auto& v7 = k->v7;
    EXPECT_EQ (+k->version, 7u);
    EXPECT_EQ (std::string (v7.name, 7), "KIT ONE");
    EXPECT_EQ (word (&v7, 20), 0x6400);
    EXPECT_EQ (word (&v7, 44), 0x7F00);
    EXPECT_EQ (dword (&v7, 46 + 4), 5u);
    EXPECT_EQ (word (&v7, 46 + 28), 0x0102);
    EXPECT_EQ (v7.sounds[11].setupParameters.machineType, 30);
    EXPECT_EQ (+v7.fxParams.version, 1u);
    EXPECT_EQ (word (&v7, 3058 + 4 + 132), 0x0100);
    EXPECT_EQ (v7.fxParams.carried[0], 0x99);
    EXPECT_EQ (+v7.midiParams[11].extra, 0xBEEF);
    EXPECT_EQ (v7.midiParams[11].carried[5], 0x42);
    EXPECT_EQ (+v7.track_mute_from_main_mask, -1);
    EXPECT_EQ (+v7.track_mute_from_fx_mask, 0x3FFF);
    EXPECT_EQ (+v7.thirdMask, 0x1234);
    EXPECT_EQ (v7.trigs[3].param_idx, 17);
    EXPECT_EQ (v7.trigs[3].trig, 1);
    EXPECT_EQ (uword (&v7, 5092 + 32), 0x0110);
    EXPECT_EQ (v7.tail[499], 0xEE);
}

TEST (WireFactory, ProjectSettingsOddOffsetsAndTransferRecords)
{
    Wire w (512);
    w.be32 (0, 2).be16 (4, 14400).u8 (11, 0x85).be16 (12, 0x0FFF).be16 (66, 0xA1B2)
        .be16 (71, 0x7FFF).be16 (73, 0xFFFF).be16 (79, 200).be16 (81 + 24, 0x6400)
        .be16 (107, 0x0102).be16 (241, 0xFFFE).u8 (511, 9);
    const auto s = makeSharedProjectSettings (w.data());
    EXPECT_EQ (+s->version, 2u);
    EXPECT_EQ (+s->globalTempo, 14400);
    EXPECT_EQ (s->activePattern, -123);
    EXPECT_EQ (+s->trackMuteMask, 0x0FFF);
    EXPECT_EQ (+s->settingsWord66, 0xA1B2);
    EXPECT_EQ (+s->track_mute_from_main_mask, 0x7FFF);
    EXPECT_EQ (+s->track_mute_from_fx_mask, -1);
    EXPECT_EQ (+s->globalLevels, 200);
    EXPECT_EQ (word (s.get(), 81 + 24), 0x6400);
    EXPECT_EQ (uword (s.get(), 107), 0x0102);
    EXPECT_EQ (uword (s.get(), 241), 0xFFFE);
    EXPECT_EQ (s->unusedTail[268], 9);

    Wire setup (96);
    setup.be16 (0, 11).be32 (2, 0x40000000).text (6, "BASS").u8 (22, 37).u8 (28, 0xFB).be16 (84 + 9, 0x8000).u8 (84 + 11, 53);
    const auto ss = makeSharedSoundSetup (setup.data());
    EXPECT_EQ (+ss->trackIndex, 11);
    EXPECT_EQ (+ss->tags, 0x40000000u);
    EXPECT_EQ (ss->machineType, 37);
    EXPECT_EQ (ss->transpose, -5);
    EXPECT_EQ (+ss->modulation[4][3].depth, 0x8000);
    EXPECT_EQ (ss->modulation[4][3].destination, 53);

    Wire pool (3072);
    pool.u8 (127 * 24, 255).u8 (127 * 24 + 1, 3).be16 (127 * 24 + 2, 0x1FFF).be32 (127 * 24 + 4, 0x80000000)
        .text (127 * 24 + 8, "ABCDEFGHIJKLMNOP");
    const auto p = makeSharedSoundPoolListing (pool.data());
    EXPECT_EQ (p->entries[127].machineType, 255);
    EXPECT_EQ (p->entries[127].flags, 3);
    EXPECT_EQ (+p->entries[127].number, 0x1FFF);
    EXPECT_EQ (+p->entries[127].tags, 0x80000000u);
    EXPECT_EQ (std::string (p->entries[127].name, 16), "ABCDEFGHIJKLMNOP");

    Wire bank (6144);
    bank.be16 (255 * 24 + 2, 4095);
    EXPECT_EQ (makeSharedSoundBankListing (bank.data())->entries[255].number, 4095);

    const std::uint8_t id[] = { 0xDE, 0xAD, 0xBE, 0xEF };
    EXPECT_EQ (*makeSharedSessionId (id), 0xDEADBEEFu);
    const std::uint8_t mask[] = { 0x0F, 0xFF };
    EXPECT_EQ (makeSharedPatternSettings (mask)->trackMuteMask, 0x0FFF);
}

TEST (WireFactory, ShortPayloadsArePaddedWithZerosAndNeverReadPast)
{
    // Exactly-sized heap copies, so a read past the end would be caught by ASan.
    const std::vector<std::uint8_t> kitHead { 0, 0, 0, 7, 'A', 'B' };
    const auto k = makeSharedKitStorage (kitHead.data(), kitHead.size());
    EXPECT_EQ (+k->version, 7u);
    EXPECT_EQ (std::string (k->v7.name, 2), "AB");
    for (std::size_t i = 6; i < sizeof (kitStorageContainer_t); ++i)
        ASSERT_EQ (k->raw[i], 0) << i;

    const std::vector<std::uint8_t> soundHead { 1, 2, 3, 4, 0, 0 };
    const auto s = makeSharedSoundStorage (soundHead.data(), soundHead.size());
    EXPECT_EQ (+s->header.leadingWord, 0x01020304u);
    EXPECT_EQ (soundVersionOf (*s), 0u);

    EXPECT_EQ (makeSharedProjectSettings (nullptr, 0)->version, 0u);
    const std::vector<std::uint8_t> one { 0xAB };
    EXPECT_EQ (*makeSharedSessionId (one.data(), one.size()), 0xAB000000u);
    EXPECT_EQ (makeSharedPatternSettings (one.data(), one.size())->trackMuteMask, 0xAB00);
    EXPECT_EQ (makeSharedSoundBankListing (one.data(), one.size())->entries[0].machineType, 0xAB);
}

TEST (WireFactory, UnknownVersionKeepsOnlyTheVersionWord)
{
    Wire kit (5632);
    kit.be32 (0, 8);
    std::fill (kit.bytes.begin() + 4, kit.bytes.end(), 0x5A);
    const auto k = makeSharedKitStorage (kit.data());
    EXPECT_EQ (+k->version, 8u);
    for (std::size_t i = 4; i < sizeof (kitStorageContainer_t); ++i)
        ASSERT_EQ (k->raw[i], 0) << i;

    Wire sound (251);
    std::fill (sound.bytes.begin(), sound.bytes.end(), 0x5A);
    sound.be32 (4, 0x01000000);
    const auto s = makeSharedSoundStorage (sound.data());
    EXPECT_EQ (soundVersionOf (*s), 0x01000000u);
    EXPECT_EQ (+s->header.leadingWord, 0u);
}

namespace
{
// A host record filled with random bytes everywhere except the bytes that
// the plan leaves alone (pads), which a round trip writes as zero.
template <typename T>
void fillRandom (T& record, const layout::Plan& plan, std::mt19937& rng)
{
    std::memset (static_cast<void*> (&record), 0, sizeof (T));
    auto* raw = reinterpret_cast<std::uint8_t*> (&record);
    for (const auto& f : plan)
        for (std::size_t i = 0; i < std::size_t (f.width) * f.count; ++i)
            raw[f.offset + i] = std::uint8_t (rng());
}
} // namespace

TEST (WireFactory, HostRecordRoundTripsThroughTheWriters)
{
    std::mt19937 rng (1234);
    for (std::uint32_t v = 0; v <= 7; ++v)
    {
        SCOPED_TRACE (v);
        kitStorageContainer_t kit;
        fillRandom (kit, *layout::kitPlan (v), rng);
        kit.version = v;
        const auto bytes = writeKitStorage (kit);
        EXPECT_EQ (bytes.size(), kitLayout (v)->size);
        EXPECT_EQ (bytes[3], v);
        const auto back = makeSharedKitStorage (bytes.data(), bytes.size());
        EXPECT_EQ (std::memcmp (back.get(), &kit, sizeof (kit)), 0);
    }
    for (std::uint32_t v = 0; v <= 5; ++v)
    {
        SCOPED_TRACE (v);
        soundStorageContainer_t sound;
        fillRandom (sound, *layout::soundPlan (v), rng);
        sound.header.version = v;
        const auto bytes = writeSoundStorage (sound);
        EXPECT_EQ (bytes.size(), soundStorageSize (v));
        const auto back = makeSharedSoundStorage (bytes.data(), bytes.size());
        EXPECT_EQ (std::memcmp (back.get(), &sound, sizeof (sound)), 0);
    }

    projectSettingsStorage_v2_t settings;
    fillRandom (settings, layout::projectSettingsPlan(), rng);
    auto settingsBack = makeSharedProjectSettings (writeProjectSettings (settings).data());
    EXPECT_EQ (std::memcmp (settingsBack.get(), &settings, sizeof (settings)), 0);

    FhAsyncSoundSetupData setup;
    fillRandom (setup, layout::soundSetupPlan(), rng);
    EXPECT_EQ (std::memcmp (makeSharedSoundSetup (writeSoundSetup (setup).data()).get(), &setup, sizeof (setup)), 0);

    FhAsyncSoundPoolListing pool;
    fillRandom (pool, layout::soundListingPlan (128), rng);
    EXPECT_EQ (std::memcmp (makeSharedSoundPoolListing (writeSoundPoolListing (pool).data()).get(), &pool, sizeof (pool)), 0);

    FhAsyncSoundBankListing bank;
    fillRandom (bank, layout::soundListingPlan (256), rng);
    EXPECT_EQ (std::memcmp (makeSharedSoundBankListing (writeSoundBankListing (bank).data()).get(), &bank, sizeof (bank)), 0);

    EXPECT_EQ (*makeSharedSessionId (writeSessionId (0x01020304).data()), 0x01020304u);
    EXPECT_EQ (writeSessionId (0x01020304), (std::vector<std::uint8_t> { 1, 2, 3, 4 }));
    EXPECT_EQ (writePatternSettings ({ 0x0ABC }), (std::vector<std::uint8_t> { 0x0A, 0xBC }));
}

TEST (WireFactory, WritersProduceBigEndianBytes)
{
    soundStorageContainer_t sound {};
    std::memset (&sound, 0, sizeof (sound));
    sound.header.version = 5;
    bytes::store<std::int16_t> (&sound, 28 + 2 * 3, -2);
    sound.raw[179] = 0x77;   // pad: written as zero
    const auto bytes = writeSoundStorage (sound);
    ASSERT_EQ (bytes.size(), 251u);
    EXPECT_EQ (bytes[7], 5);
    EXPECT_EQ (bytes[34], 0xFF);
    EXPECT_EQ (bytes[35], 0xFE);
    EXPECT_EQ (bytes[179], 0);

    kitStorageContainer_t kit;
    std::memset (&kit, 0, sizeof (kit));
    kit.version = 42;
    const auto unknown = writeKitStorage (kit);
    EXPECT_EQ (unknown.size(), 5632u);
    EXPECT_EQ (unknown[3], 42);
}

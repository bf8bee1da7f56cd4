#include "model/storage/ByteOrder.h"
#include "model/storage/StorageTableAccess.h"
#include "model/storage/StorageUpgrade.h"
#include "model/storage/UpgradeTables.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace Vantu
{
namespace
{
namespace so = soundOffsets;
using namespace upgradeTables;

int word (const std::uint8_t* s, int k) { return bytes::load<std::int16_t> (s, so::word (k)); }

void setWord (std::uint8_t* s, int k, int v)
{
    bytes::store (s, so::word (k), static_cast<std::int16_t> (static_cast<std::uint16_t> (v)));
}

// The 7-bit device value of a parameter word: its high byte.
int valueOf (int w) { return (static_cast<std::uint16_t> (w) >> 8) & 0xFF; }

// Table index from a device value; values above 127 only come from damaged
// records and are taken as 127.
int tableIndex (int w) { return std::min (valueOf (w), 127); }

std::uint32_t versionOf (const std::uint8_t* s) { return bytes::load<std::uint32_t> (s, so::version); }
void setVersion (std::uint8_t* s, std::uint32_t v) { bytes::store (s, so::version, v); }

void copyHeader (std::uint8_t* dst, const std::uint8_t* src)
{
    std::memcpy (dst + so::leadingWord, src + so::leadingWord, 4);
    std::memcpy (dst + so::tags, src + so::tags, 4 + 16);   // tags and name
}

void copyTrailingWord (std::uint8_t* dst, std::size_t to, const std::uint8_t* src, std::size_t from)
{
    std::memcpy (dst + to, src + from, 4);
}

int halveAroundCentre (int v) { return (v - 0x4000) / 2 + 0x4000; }
int quarterAroundCentre (int v) { return (v - 0x4000) / 4 + 0x4000; }

bool lfoAimsAt (const std::uint8_t* s, int lfo, int target) { return word (s, lfo == 1 ? 7 : 8) == target * 256; }

// Rescales word `target` with fn, and the depth of every LFO aimed at it.
template <typename Fn>
void rescaleWithLfos (std::uint8_t* s, int target, Fn fn)
{
    setWord (s, target, fn (word (s, target)));
    if (lfoAimsAt (s, 1, target))
        setWord (s, 15, fn (word (s, 15)));
    if (lfoAimsAt (s, 2, target))
        setWord (s, 16, fn (word (s, 16)));
}

void foldTuneIntoRange (std::uint8_t* s)
{
    int t = word (s, 18);
    int k = 0;
    if (t < 0x2800)
    {
        while (t < 0x2800 && k >= -4)
        {
            t += 0xC00;
            --k;
        }
    }
    else
    {
        while (t > 0x5800 && k <= 3)
        {
            t -= 0xC00;
            ++k;
        }
    }
    if (k != 0)
    {
        setWord (s, 18, t);
        s[so::transpose] = static_cast<std::uint8_t> (static_cast<std::int8_t> (k * 12));
    }
}
} // namespace

namespace upgradeDetail
{
bool soundV0toV1 (std::uint8_t* dst, const std::uint8_t* src)
{
    if (versionOf (src) != 0)
        return false;
    copyHeader (dst, src);
    for (int k = 1; k <= 43; ++k)
        setWord (dst, k, word (src, k));
    for (int k = 44; k <= 50; ++k)
        setWord (dst, k, word (src, k + 1));

    const int machineType = src[so::machineType];
    if (machineType < 8)
        setWord (dst, 26, word (src, 44));
    for (int lfoWord : { 7, 8 })
    {
        const int d = valueOf (word (src, lfoWord));
        const int converted = (machineType >= 8 && d == 44) ? 0 : convertLfoDestinationV0 (d);
        setWord (dst, lfoWord, converted * 256);
    }

    std::memcpy (dst + 172, src + 172, 16);   // setup bytes, pads, velocity block
    copyTrailingWord (dst, 220, src, soundV0::trailingWord);
    setVersion (dst, 1);
    return true;
}

bool soundV1toV2 (std::uint8_t* dst, const std::uint8_t* src)
{
    if (versionOf (src) != 1)
        return false;
    copyHeader (dst, src);
    std::memcpy (dst + so::params, src + so::params, 2 * kSoundParamWords);
    std::memcpy (dst + 172, src + 172, 8);

    if (dst[so::machineType] < 8)
    {
        setWord (dst, 26, overdriveCurve[tableIndex (word (dst, 26))] * 256);
        const int filterType = valueOf (word (dst, 27));
        setWord (dst, 27, filterType == 0 ? 7 * 256 : (filterType - 1) * 256);
    }
    else
    {
        const int a = tableIndex (word (dst, 39));
        const int h = tableIndex (word (dst, 40));
        setWord (dst, 39, ampAttackTable[a][h] * 256);
        setWord (dst, 40, ampHoldTable[a][h] * 256);
        setWord (dst, 41, ampDecayTable[tableIndex (word (dst, 41))] * 256);
        setWord (dst, 43, ampDecayTable[tableIndex (word (dst, 43))] * 256);
    }

    for (int block = 0; block < kModSources; ++block)
        for (int e = 0; e < kModEntries; ++e)
        {
            const std::size_t from = so::modulation + std::size_t (8 * block + 2 * e);
            const std::size_t to = so::modulation + std::size_t (12 * block + 3 * e);
            const auto depth = static_cast<std::int8_t> (src[from]);
            bytes::store (dst, to, static_cast<std::int16_t> (depth * 256));
            dst[to + 2] = src[from + 1];
        }

    copyTrailingWord (dst, 240, src, 220);
    setVersion (dst, 2);
    return true;
}

bool soundV2toV3 (std::uint8_t* dst, const std::uint8_t* src)
{
    if (versionOf (src) != 2)
        return false;
    std::memcpy (dst, src, kSoundSizeV2);
    dst[178] = 0;
    dst[179] = 0;
    setVersion (dst, 3);
    return true;
}

bool soundV3toV4 (std::uint8_t* dst, const std::uint8_t* src)
{
    if (versionOf (src) != 3)
        return false;
    std::memcpy (dst, src, kSoundSizeV2);
    dst[179] = 0;

    const int m = dst[so::machineType];
    const int mask = storageTables::machineTrackMask (m);   // 0 for m >= 40
    if (m == 20)
        rescaleWithLfos (dst, 20, quarterAroundCentre);
    if (m == 19)
        rescaleWithLfos (dst, 21, halveAroundCentre);
    if (m < 40 && (mask & 1) != 0 && m != 32 && m != 33 && m != 35)
    {
        rescaleWithLfos (dst, 18, halveAroundCentre);
        foldTuneIntoRange (dst);
    }
    if (m < 40 && m != 35 && mask == 0xFF0)
    {
        foldTuneIntoRange (dst);
        if (m != 37)
        {
            setWord (dst, 22, 0x7F00 - word (dst, 22));
            if (lfoAimsAt (dst, 1, 22))
                setWord (dst, 15, 0x8000 - word (dst, 15));
            if (lfoAimsAt (dst, 2, 22))
                setWord (dst, 16, 0x8000 - word (dst, 16));
        }
    }
    setVersion (dst, 4);
    return true;
}

bool soundV4toV5 (std::uint8_t* dst, const std::uint8_t* src)
{
    if (versionOf (src) != 4)
        return false;
    copyHeader (dst, src);
    for (int k = 1; k <= 50; ++k)
        setWord (dst, k, word (src, k));
    setWord (dst, 51, 0x3F00);   // Portamento Enabled
    setWord (dst, 52, 0x2775);   // Portamento Time
    setWord (dst, 53, 0x0100);   // Filter Env. Reset

    std::memcpy (dst + 172, src + 172, 8);
    dst[so::velocityVolMode] = 2;
    dst[so::pitchbendDepth] = 0;
    dst[179] = 0;

    std::memcpy (dst + so::modulation, src + so::modulation, 60);
    dst[240] = 2;     // playMode
    dst[241] = 0;     // mono_note_priority
    dst[242] = 100;   // portamentoAmount
    std::memset (dst + 243, 0, 4);
    copyTrailingWord (dst, 247, src, 240);
    setVersion (dst, 5);
    return true;
}
} // namespace upgradeDetail

namespace
{
template <typename Target, typename Source>
bool runStep (Target* target, const Source* source, bool (*step) (std::uint8_t*, const std::uint8_t*))
{
    if (target == nullptr || source == nullptr
        || static_cast<const void*> (target) == static_cast<const void*> (source))
        return false;
    return step (reinterpret_cast<std::uint8_t*> (target), reinterpret_cast<const std::uint8_t*> (source));
}
} // namespace

bool upgradeSoundStorageV0toV1 (soundStorage_v1_t* t, const soundStorageContainer_t* s) { return runStep (t, s, upgradeDetail::soundV0toV1); }
bool upgradeSoundStorageV1toV2 (soundStorage_v2_t* t, const soundStorage_v1_t* s) { return runStep (t, s, upgradeDetail::soundV1toV2); }
bool upgradeSoundStorageV2toV3 (soundStorage_v3_t* t, const soundStorage_v2_t* s) { return runStep (t, s, upgradeDetail::soundV2toV3); }
bool upgradeSoundStorageV3toV4 (soundStorage_v4_t* t, const soundStorage_v3_t* s) { return runStep (t, s, upgradeDetail::soundV3toV4); }
bool upgradeSoundStorageV4toV5 (soundStorage_v5_t* t, const soundStorage_v4_t* s) { return runStep (t, s, upgradeDetail::soundV4toV5); }

namespace
{
// One step of a chain: allocate the zero-filled target, run the step from the
// container, copy the target over the front of the container on success.
template <typename Target, typename Container, typename Source>
void chainStep (Container& container, const Source& source, bool (*step) (Target*, const Source*))
{
    auto target = std::make_unique<Target>();
    std::memset (static_cast<void*> (target.get()), 0, sizeof (Target));
    if (step (target.get(), &source))
        std::memcpy (static_cast<void*> (&container), target.get(), sizeof (Target));
}
} // namespace

bool upgradeSoundStorage (soundStorageContainer_t* sound)
{
    if (sound == nullptr)
        return false;
    chainStep (*sound, *sound, upgradeSoundStorageV0toV1);
    chainStep (*sound, sound->v1, upgradeSoundStorageV1toV2);
    chainStep (*sound, sound->v2, upgradeSoundStorageV2toV3);
    chainStep (*sound, sound->v3, upgradeSoundStorageV3toV4);
    chainStep (*sound, sound->v4, upgradeSoundStorageV4toV5);
    if (soundVersionOf (*sound) == 5)
        return true;
    std::printf ("Not fully upgraded! (missing code?)\n");
    return false;
}
} // namespace Vantu

#include "model/storage/ByteOrder.h"
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
using SoundStep = bool (*) (std::uint8_t*, const std::uint8_t*);
using namespace upgradeTables;

constexpr std::size_t kFxBlockSize = sizeof (kitFxParams_t);
constexpr std::size_t kMidiBlocksSize = kKitTracks * sizeof (kitMidiParams_t);
constexpr std::size_t kTrigsSize = kKitTrigEntries * sizeof (kitTrigEntry_t);

std::uint32_t kitVersionOf (const std::uint8_t* k) { return bytes::load<std::uint32_t> (k, 0); }

int fxWord (const std::uint8_t* kit, const KitLayout& l, int k)
{
    return bytes::load<std::int16_t> (kit, l.fxParams + 4 + 2 * std::size_t (k));
}

void setFxWord (std::uint8_t* kit, const KitLayout& l, int k, int v)
{
    bytes::store (kit, l.fxParams + 4 + 2 * std::size_t (k), static_cast<std::int16_t> (static_cast<std::uint16_t> (v)));
}

int tableIndex (int w) { return std::min ((static_cast<std::uint16_t> (w) >> 8) & 0xFF, 127); }

// Copies what every kit step keeps: name, track levels, FX and MIDI blocks,
// the three mask words and, when both versions have them, the trig entries.
void copyCommon (std::uint8_t* dst, const KitLayout& to, const std::uint8_t* src, const KitLayout& from)
{
    std::memcpy (dst + kitOffsets::name, src + kitOffsets::name, 16 + 2 * kKitTrackLevels);
    std::memcpy (dst + to.fxParams, src + from.fxParams, kFxBlockSize);
    std::memcpy (dst + to.midiParams, src + from.midiParams, kMidiBlocksSize);
    std::memcpy (dst + to.masks, src + from.masks, 6);
    if (to.trigs != 0 && from.trigs != 0)
        std::memcpy (dst + to.trigs, src + from.trigs, kTrigsSize);
}

// Runs the sound step on each of the 12 embedded sounds; false when any fails.
bool upgradeSounds (std::uint8_t* dst, const KitLayout& to, const std::uint8_t* src, const KitLayout& from, SoundStep step)
{
    bool ok = true;
    for (int t = 0; t < kKitTracks; ++t)
        ok = step (dst + kitOffsets::sounds + std::size_t (t) * to.soundSize,
                   src + kitOffsets::sounds + std::size_t (t) * from.soundSize)
             && ok;
    return ok;
}

void copySounds (std::uint8_t* dst, const KitLayout& to, const std::uint8_t* src)
{
    std::memcpy (dst + kitOffsets::sounds, src + kitOffsets::sounds, kKitTracks * to.soundSize);
}

bool kitV0toV1 (std::uint8_t* dst, const std::uint8_t* src)
{
    const auto& from = *kitLayout (0);
    const auto& to = *kitLayout (1);
    copyCommon (dst, to, src, from);
    copySounds (dst, to, src);
    for (int t = 0; t < kKitTracks; ++t)
        dst[kitOffsets::sounds + std::size_t (t) * to.soundSize + soundOffsets::transposable] = 1;
    bytes::store<std::uint16_t> (dst, to.masks + 4, 0);
    return true;
}

bool kitV1toV2 (std::uint8_t* dst, const std::uint8_t* src)
{
    const auto& l = *kitLayout (2);
    copyCommon (dst, l, src, *kitLayout (1));
    copySounds (dst, l, src);
    return true;
}

bool kitV2toV3 (std::uint8_t* dst, const std::uint8_t* src)
{
    const auto& from = *kitLayout (2);
    const auto& to = *kitLayout (3);
    copyCommon (dst, to, src, from);
    const bool soundsOk = upgradeSounds (dst, to, src, from, upgradeDetail::soundV0toV1);
    if (fxWord (dst, to, 43) == 6 * 256)   // FX Filter Type
        setFxWord (dst, to, 43, 7 * 256);

    for (int e = 0; e < kKitTrigEntries; ++e)
    {
        const std::size_t at = to.trigs + std::size_t (e) * sizeof (kitTrigEntry_t);
        static constexpr std::uint16_t firstValues[4] = { 6, 9, 11, 12 };
        static constexpr std::uint16_t otherValues[4] = { 32, 64, 96, 127 };
        dst[at] = 0;       // param_idx
        dst[at + 1] = 1;   // trig
        for (int i = 0; i < 4; ++i)
            bytes::store (dst, at + 2 + 2 * std::size_t (i), e == 0 ? firstValues[i] : otherValues[i]);
    }
    return soundsOk;
}

bool kitV3toV4 (std::uint8_t* dst, const std::uint8_t* src)
{
    const auto& from = *kitLayout (3);
    const auto& to = *kitLayout (4);
    copyCommon (dst, to, src, from);
    const bool soundsOk = upgradeSounds (dst, to, src, from, upgradeDetail::soundV1toV2);

    setFxWord (dst, to, 63, 0);   // FX Amp Mode
    const int a = tableIndex (fxWord (dst, to, 53));
    const int h = tableIndex (fxWord (dst, to, 54));
    setFxWord (dst, to, 53, ampAttackTable[a][h] * 256);
    setFxWord (dst, to, 54, ampHoldTable[a][h] * 256);
    setFxWord (dst, to, 55, ampDecayTable[tableIndex (fxWord (dst, to, 55))] * 256);
    setFxWord (dst, to, 57, ampDecayTable[tableIndex (fxWord (dst, to, 57))] * 256);
    return soundsOk;
}

bool kitV4toV5 (std::uint8_t* dst, const std::uint8_t* src)
{
    const auto& l = *kitLayout (5);
    copyCommon (dst, l, src, *kitLayout (4));
    return upgradeSounds (dst, l, src, *kitLayout (4), upgradeDetail::soundV2toV3);
}

bool kitV5toV6 (std::uint8_t* dst, const std::uint8_t* src)
{
    const auto& l = *kitLayout (6);
    copyCommon (dst, l, src, *kitLayout (5));
    return upgradeSounds (dst, l, src, *kitLayout (5), upgradeDetail::soundV3toV4);
}

bool kitV6toV7 (std::uint8_t* dst, const std::uint8_t* src)
{
    const auto& from = *kitLayout (6);
    const auto& to = *kitLayout (7);
    if (bytes::load<std::uint32_t> (src, from.fxParams) != 0)
        return false;
    copyCommon (dst, to, src, from);
    const bool soundsOk = upgradeSounds (dst, to, src, from, upgradeDetail::soundV4toV5);
    setFxWord (dst, to, 65, 0);        // FX Amp Env Reset
    setFxWord (dst, to, 66, 0x0100);   // FX filter Env. Reset
    bytes::store<std::uint32_t> (dst, to.fxParams, 1);
    return soundsOk;
}

template <typename Target, typename Source>
bool runKitStep (Target* target, const Source* source, std::uint32_t from, bool (*step) (std::uint8_t*, const std::uint8_t*))
{
    if (target == nullptr || source == nullptr
        || static_cast<const void*> (target) == static_cast<const void*> (source))
        return false;
    const auto* src = reinterpret_cast<const std::uint8_t*> (source);
    if (kitVersionOf (src) != from)
        return false;
    auto* dst = reinterpret_cast<std::uint8_t*> (target);
    const bool ok = step (dst, src);
    bytes::store<std::uint32_t> (dst, 0, from + 1);
    return ok;
}
} // namespace

bool upgradeKitStorageV0toV1 (kitStorage_v1_t* t, const kitStorageContainer_t* s) { return runKitStep (t, s, 0, kitV0toV1); }
bool upgradeKitStorageV1toV2 (kitStorage_v2_t* t, const kitStorage_v1_t* s) { return runKitStep (t, s, 1, kitV1toV2); }
bool upgradeKitStorageV2toV3 (kitStorage_v3_t* t, const kitStorage_v2_t* s) { return runKitStep (t, s, 2, kitV2toV3); }
bool upgradeKitStorageV3toV4 (kitStorage_v4_t* t, const kitStorage_v3_t* s) { return runKitStep (t, s, 3, kitV3toV4); }
bool upgradeKitStorageV4toV5 (kitStorage_v5_t* t, const kitStorage_v4_t* s) { return runKitStep (t, s, 4, kitV4toV5); }
bool upgradeKitStorageV5toV6 (kitStorage_v6_t* t, const kitStorage_v5_t* s) { return runKitStep (t, s, 5, kitV5toV6); }
bool upgradeKitStorageV6toV7 (kitStorage_v7_t* t, const kitStorage_v6_t* s) { return runKitStep (t, s, 6, kitV6toV7); }

namespace
{
template <typename Target, typename Source>
void kitChainStep (kitStorageContainer_t& container, const Source& source, bool (*step) (Target*, const Source*))
{
    auto target = std::make_unique<Target>();
    std::memset (static_cast<void*> (target.get()), 0, sizeof (Target));
    if (step (target.get(), &source))
        std::memcpy (static_cast<void*> (&container), target.get(), sizeof (Target));
}
} // namespace

bool upgradeKitStorage (kitStorageContainer_t* kit)
{
    if (kit == nullptr)
        return false;
    kitChainStep (*kit, *kit, upgradeKitStorageV0toV1);
    kitChainStep (*kit, kit->v1, upgradeKitStorageV1toV2);
    kitChainStep (*kit, kit->v2, upgradeKitStorageV2toV3);
    kitChainStep (*kit, kit->v3, upgradeKitStorageV3toV4);
    kitChainStep (*kit, kit->v4, upgradeKitStorageV4toV5);
    kitChainStep (*kit, kit->v5, upgradeKitStorageV5toV6);
    kitChainStep (*kit, kit->v6, upgradeKitStorageV6toV7);
    if (kit->version == 7)
        return true;
    std::printf ("Not fully upgraded! (missing code?)\n");
    return false;
}
} // namespace Vantu

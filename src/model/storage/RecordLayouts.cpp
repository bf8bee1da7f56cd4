#include "model/storage/RecordLayouts.h"

#include "model/storage/ByteOrder.h"
#include "model/storage/KitStorage.h"
#include "model/storage/ProjectSettingsStorage.h"
#include "model/storage/TransferRecords.h"

#include <algorithm>
#include <array>

namespace Vantu
{
namespace
{
constexpr std::array<KitLayout, 8> kitLayouts { {
    { 0, 4608, 0, kSoundSizeV0, 2350, 2506, 4378, 0, 4384 },
    { 1, 4608, 0, kSoundSizeV0, 2350, 2506, 4378, 0, 4384 },
    { 2, 4608, 0, kSoundSizeV0, 2350, 2506, 4378, 0, 4384 },
    { 3, 5120, 1, kSoundSizeV1, 2734, 2890, 4762, 4768, 4808 },
    { 4, 5120, 2, kSoundSizeV2, 2974, 3130, 5002, 5008, 5048 },
    { 5, 5120, 3, kSoundSizeV2, 2974, 3130, 5002, 5008, 5048 },
    { 6, 5120, 4, kSoundSizeV2, 2974, 3130, 5002, 5008, 5048 },
    { 7, 5632, 5, kSoundSizeV5, 3058, 3214, 5086, 5092, 5132 },
} };

static_assert (kitLayouts[7].fxParams == offsetof (kitStorage_v7_t, fxParams));
static_assert (kitLayouts[7].tail == offsetof (kitStorage_v7_t, tail));
static_assert (kitLayouts[3].trigs == offsetof (kitStorage_v3_t, trigs));
static_assert (kitLayouts[4].midiParams == offsetof (kitStorage_v4_t, midiParams));
static_assert (kitLayouts[0].masks == offsetof (kitStorage_v1_t, track_mute_from_main_mask));
} // namespace

const KitLayout* kitLayout (std::uint32_t version) noexcept
{
    return version < kitLayouts.size() ? &kitLayouts[version] : nullptr;
}
} // namespace Vantu

namespace Vantu::layout
{
void appendSoundFields (Plan& plan, std::uint32_t version, std::uint32_t base)
{
    auto add = [&] (std::uint32_t offset, std::uint8_t width, std::uint32_t count) {
        plan.push_back ({ base + offset, width, count });
    };
    add (0, 4, 3);       // leading word, version, tags
    add (12, 1, 16);     // name
    add (28, 2, 72);     // parameter words

    auto addWideModBlocks = [&] {
        for (std::uint32_t e = 0; e < 20; ++e)
        {
            add (180 + 3 * e, 2, 1);
            add (182 + 3 * e, 1, 1);
        }
    };

    switch (version)
    {
        case 0:
            add (172, 1, 5);   // setup bytes; 177..179 are pads
            add (180, 1, 8);   // velocity block, {int8, uint8} entries
            add (188, 4, 1);
            break;
        case 1:
            add (172, 1, 6);   // 178, 179 are pads
            add (180, 1, 40);
            add (220, 4, 1);
            break;
        case 2:
            add (172, 1, 6);
            addWideModBlocks();
            add (240, 4, 1);
            break;
        case 3:
        case 4:
            add (172, 1, 7);   // 179 is a pad
            addWideModBlocks();
            add (240, 4, 1);
            break;
        case 5:
            add (172, 1, 7);
            addWideModBlocks();
            add (240, 1, 7);   // play mode and portamento bytes
            add (247, 4, 1);
            break;
        default:
            break;
    }
}

namespace
{
Plan makeSoundPlan (std::uint32_t version)
{
    Plan plan;
    appendSoundFields (plan, version, 0);
    return plan;
}

Plan makeKitPlan (std::uint32_t version)
{
    const auto& k = *kitLayout (version);
    Plan plan;
    plan.push_back ({ 0, 4, 1 });
    plan.push_back ({ 4, 1, 16 });
    plan.push_back ({ 20, 2, kKitTrackLevels });
    for (std::uint32_t t = 0; t < kKitTracks; ++t)
        appendSoundFields (plan, k.soundVersion, std::uint32_t (kitOffsets::sounds + t * k.soundSize));

    const auto fx = std::uint32_t (k.fxParams);
    plan.push_back ({ fx, 4, 1 });
    plan.push_back ({ fx + 4, 2, 72 });
    plan.push_back ({ fx + 148, 1, 8 });
    for (std::uint32_t t = 0; t < kKitTracks; ++t)
    {
        const auto m = std::uint32_t (k.midiParams + t * sizeof (kitMidiParams_t));
        plan.push_back ({ m, 4, 1 });
        plan.push_back ({ m + 4, 2, 72 });
        plan.push_back ({ m + 148, 2, 1 });
        plan.push_back ({ m + 150, 1, 6 });
    }
    plan.push_back ({ std::uint32_t (k.masks), 2, 3 });
    if (k.trigs != 0)
    {
        for (std::uint32_t e = 0; e < kKitTrigEntries; ++e)
        {
            const auto t = std::uint32_t (k.trigs + e * sizeof (kitTrigEntry_t));
            plan.push_back ({ t, 1, 2 });
            plan.push_back ({ t + 2, 2, 4 });
        }
    }
    plan.push_back ({ std::uint32_t (k.tail), 1, std::uint32_t (k.size - k.tail) });
    return plan;
}

Plan makeSettingsPlan()
{
    return {
        { 0, 4, 1 },     // version
        { 4, 2, 1 },     // globalTempo
        { 6, 1, 6 },
        { 12, 2, 2 },    // mute mask, unread word
        { 16, 1, 50 },   // 16..65
        { 66, 2, 2 },
        { 70, 1, 1 },
        { 71, 2, 2 },    // main and FX mute masks
        { 75, 1, 4 },
        { 79, 2, 1 },    // globalLevels
        { 81, 2, 13 },   // track levels
        { 107, 2, 68 },  // settings words
        { 243, 1, 269 },
    };
}

Plan makeSoundSetupPlan()
{
    Plan plan { { 0, 2, 1 }, { 2, 4, 1 }, { 6, 1, 16 }, { 22, 1, 14 } };
    for (std::uint32_t e = 0; e < 20; ++e)
    {
        plan.push_back ({ 36 + 3 * e, 2, 1 });
        plan.push_back ({ 38 + 3 * e, 1, 1 });
    }
    return plan;
}

Plan makeListingPlan (int entries)
{
    Plan plan;
    for (std::uint32_t e = 0; e < std::uint32_t (entries); ++e)
    {
        const auto base = e * std::uint32_t (sizeof (FhAsyncSoundListingEntry));
        plan.push_back ({ base, 1, 2 });
        plan.push_back ({ base + 2, 2, 1 });
        plan.push_back ({ base + 4, 4, 1 });
        plan.push_back ({ base + 8, 1, 16 });
    }
    return plan;
}

template <std::size_t N, typename Make>
std::array<Plan, N> makeAll (Make make)
{
    std::array<Plan, N> plans;
    for (std::size_t v = 0; v < N; ++v)
        plans[v] = make (std::uint32_t (v));
    return plans;
}
} // namespace

const Plan* soundPlan (std::uint32_t version) noexcept
{
    static const auto plans = makeAll<6> (makeSoundPlan);
    return version < plans.size() ? &plans[version] : nullptr;
}

const Plan* kitPlan (std::uint32_t version) noexcept
{
    static const auto plans = makeAll<8> (makeKitPlan);
    return version < plans.size() ? &plans[version] : nullptr;
}

const Plan& projectSettingsPlan()
{
    static const Plan plan = makeSettingsPlan();
    return plan;
}

const Plan& soundSetupPlan()
{
    static const Plan plan = makeSoundSetupPlan();
    return plan;
}

const Plan& soundListingPlan (int entries)
{
    static const Plan pool = makeListingPlan (128);
    static const Plan bank = makeListingPlan (256);
    return entries == 128 ? pool : bank;
}

std::size_t planEnd (const Plan& plan) noexcept
{
    std::size_t end = 0;
    for (const auto& f : plan)
        end = std::max (end, std::size_t (f.offset) + std::size_t (f.width) * f.count);
    return end;
}

void convert (const void* src, void* dst, const Plan& plan, Direction direction) noexcept
{
    const auto* s = static_cast<const std::uint8_t*> (src);
    auto* d = static_cast<std::uint8_t*> (dst);
    const bool toHost = direction == Direction::wireToHost;
    for (const auto& f : plan)
    {
        switch (f.width)
        {
            case 2:
                for (std::uint32_t i = 0; i < f.count; ++i)
                {
                    const auto o = f.offset + 2 * i;
                    if (toHost)
                        bytes::store (d, o, bytes::loadBE16 (s, o));
                    else
                        bytes::storeBE16 (d, o, bytes::load<std::uint16_t> (s, o));
                }
                break;
            case 4:
                for (std::uint32_t i = 0; i < f.count; ++i)
                {
                    const auto o = f.offset + 4 * i;
                    if (toHost)
                        bytes::store (d, o, bytes::loadBE32 (s, o));
                    else
                        bytes::storeBE32 (d, o, bytes::load<std::uint32_t> (s, o));
                }
                break;
            default:
                std::memcpy (d + f.offset, s + f.offset, f.count);
                break;
        }
    }
}
} // namespace Vantu::layout

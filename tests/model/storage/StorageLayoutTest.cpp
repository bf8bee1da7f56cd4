#include "model/storage/RecordLayouts.h"
#include "model/storage/StorageContainers.h"
#include "model/storage/ProjectSettingsStorage.h"
#include "model/storage/TransferRecords.h"

#include <gtest/gtest.h>

#include <set>

using namespace Vantu;

namespace
{
// Bytes of a record that no field of its byte-order plan covers; fails on overlaps.
std::set<std::size_t> uncoveredBytes (const layout::Plan& plan, std::size_t size)
{
    std::vector<int> hits (size, 0);
    for (const auto& f : plan)
        for (std::size_t i = 0; i < std::size_t (f.width) * f.count; ++i)
        {
            EXPECT_LT (f.offset + i, size);
            if (f.offset + i < size)
                ++hits[f.offset + i];
        }
    std::set<std::size_t> uncovered;
    for (std::size_t i = 0; i < size; ++i)
    {
        EXPECT_LE (hits[i], 1) << "byte " << i << " converted twice";
        if (hits[i] == 0)
            uncovered.insert (i);
    }
    return uncovered;
}
} // namespace

TEST (StorageLayout, ContainersHoldTheNewestVersions)
{
    EXPECT_EQ (sizeof (kitStorageContainer_t), 5632u);
    EXPECT_EQ (sizeof (soundStorageContainer_t), 251u);
    EXPECT_EQ (sizeof (projectSettingsStorage_v2_t), 512u);
    EXPECT_EQ (sizeof (FhAsyncSoundSetupData), 96u);
    EXPECT_EQ (sizeof (FhAsyncSoundPoolListing), 3072u);
    EXPECT_EQ (sizeof (FhAsyncSoundBankListing), 6144u);
}

TEST (StorageLayout, SoundPlansCoverEverythingButThePads)
{
    const std::set<std::size_t> pads[] = {
        { 177, 178, 179 }, { 178, 179 }, { 178, 179 }, { 179 }, { 179 }, { 179 },
    };
    for (std::uint32_t v = 0; v <= 5; ++v)
    {
        SCOPED_TRACE (v);
        const auto* plan = layout::soundPlan (v);
        ASSERT_NE (plan, nullptr);
        EXPECT_EQ (layout::planEnd (*plan), soundStorageSize (v));
        EXPECT_EQ (uncoveredBytes (*plan, soundStorageSize (v)), pads[v]);
    }
    EXPECT_EQ (layout::soundPlan (6), nullptr);
}

TEST (StorageLayout, KitPlansCoverEverythingButTheEmbeddedSoundPads)
{
    const std::size_t sizes[] = { 4608, 4608, 4608, 5120, 5120, 5120, 5120, 5632 };
    const std::set<std::size_t> soundPads[] = {
        { 177, 178, 179 }, { 177, 178, 179 }, { 177, 178, 179 }, { 178, 179 }, { 178, 179 }, { 179 }, { 179 }, { 179 },
    };
    for (std::uint32_t v = 0; v <= 7; ++v)
    {
        SCOPED_TRACE (v);
        const auto* plan = layout::kitPlan (v);
        const auto* k = kitLayout (v);
        ASSERT_NE (plan, nullptr);
        ASSERT_NE (k, nullptr);
        EXPECT_EQ (k->size, sizes[v]);
        EXPECT_EQ (layout::planEnd (*plan), sizes[v]);
        EXPECT_EQ (kitOffsets::sounds + kKitTracks * k->soundSize, k->fxParams);
        std::set<std::size_t> expected;
        for (std::size_t t = 0; t < 12; ++t)
            for (auto p : soundPads[v])
                expected.insert (kitOffsets::sounds + t * k->soundSize + p);
        EXPECT_EQ (uncoveredBytes (*plan, sizes[v]), expected);
    }
    EXPECT_EQ (layout::kitPlan (8), nullptr);
    EXPECT_EQ (kitLayout (8), nullptr);
}

TEST (StorageLayout, TransferPlansCoverTheirRecordsWhole)
{
    EXPECT_TRUE (uncoveredBytes (layout::projectSettingsPlan(), 512).empty());
    EXPECT_TRUE (uncoveredBytes (layout::soundSetupPlan(), 96).empty());
    EXPECT_TRUE (uncoveredBytes (layout::soundListingPlan (128), 3072).empty());
    EXPECT_TRUE (uncoveredBytes (layout::soundListingPlan (256), 6144).empty());
}

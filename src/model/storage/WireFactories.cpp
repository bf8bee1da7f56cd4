#include "model/storage/WireFactories.h"

#include "model/storage/ByteOrder.h"
#include "model/storage/RecordLayouts.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace Vantu
{
namespace
{
template <typename T>
std::shared_ptr<T> makeZeroed()
{
    auto p = std::make_shared<T>();
    std::memset (static_cast<void*> (p.get()), 0, sizeof (T));
    return p;
}

// Calls fn with a pointer to `full` readable bytes: the payload itself when it
// is long enough, otherwise a zero-padded copy.
template <typename Fn>
void withFullBuffer (const void* data, std::size_t size, std::size_t full, Fn&& fn)
{
    if (data != nullptr && size >= full)
    {
        fn (data);
        return;
    }
    std::vector<std::uint8_t> padded (full, 0);
    if (data != nullptr && size > 0)
        std::memcpy (padded.data(), data, std::min (size, full));
    fn (static_cast<const void*> (padded.data()));
}

template <typename T>
std::shared_ptr<T> makeByPlan (const void* data, std::size_t size, const layout::Plan& plan)
{
    auto record = makeZeroed<T>();
    withFullBuffer (data, size, sizeof (T), [&] (const void* wire) {
        layout::convert (wire, record.get(), plan, layout::Direction::wireToHost);
    });
    return record;
}
} // namespace

void convertKitFromWire (const void* wire, kitStorageContainer_t& out) noexcept
{
    std::memset (static_cast<void*> (&out), 0, sizeof (out));
    const auto version = bytes::loadBE32 (wire, 0);
    if (const auto* plan = layout::kitPlan (version))
        layout::convert (wire, &out, *plan, layout::Direction::wireToHost);
    else
        out.version = version;   // the rest means nothing; the upgrade refuses it
}

void convertSoundFromWire (const void* wire, soundStorageContainer_t& out) noexcept
{
    std::memset (static_cast<void*> (&out), 0, sizeof (out));
    const auto version = bytes::loadBE32 (wire, soundOffsets::version);
    if (const auto* plan = layout::soundPlan (version))
        layout::convert (wire, &out, *plan, layout::Direction::wireToHost);
    else
        bytes::store (&out, soundOffsets::version, version);
}

std::shared_ptr<kitStorageContainer_t> makeSharedKitStorage (const void* data, std::size_t size)
{
    auto record = makeZeroed<kitStorageContainer_t>();
    withFullBuffer (data, size, sizeof (kitStorageContainer_t),
                    [&] (const void* wire) { convertKitFromWire (wire, *record); });
    return record;
}

std::shared_ptr<soundStorageContainer_t> makeSharedSoundStorage (const void* data, std::size_t size)
{
    auto record = makeZeroed<soundStorageContainer_t>();
    withFullBuffer (data, size, sizeof (soundStorageContainer_t),
                    [&] (const void* wire) { convertSoundFromWire (wire, *record); });
    return record;
}

std::shared_ptr<projectSettingsStorage_v2_t> makeSharedProjectSettings (const void* data, std::size_t size)
{
    return makeByPlan<projectSettingsStorage_v2_t> (data, size, layout::projectSettingsPlan());
}

std::shared_ptr<FhAsyncSoundSetupData> makeSharedSoundSetup (const void* data, std::size_t size)
{
    return makeByPlan<FhAsyncSoundSetupData> (data, size, layout::soundSetupPlan());
}

std::shared_ptr<FhAsyncSoundPoolListing> makeSharedSoundPoolListing (const void* data, std::size_t size)
{
    return makeByPlan<FhAsyncSoundPoolListing> (data, size, layout::soundListingPlan (128));
}

std::shared_ptr<FhAsyncSoundBankListing> makeSharedSoundBankListing (const void* data, std::size_t size)
{
    return makeByPlan<FhAsyncSoundBankListing> (data, size, layout::soundListingPlan (256));
}

std::shared_ptr<std::uint32_t> makeSharedSessionId (const void* data, std::size_t size)
{
    auto id = std::make_shared<std::uint32_t> (0u);
    withFullBuffer (data, size, 4, [&] (const void* wire) { *id = bytes::loadBE32 (wire, 0); });
    return id;
}

std::shared_ptr<FhAsyncPatternSettingsSetupData> makeSharedPatternSettings (const void* data, std::size_t size)
{
    auto record = makeZeroed<FhAsyncPatternSettingsSetupData>();
    withFullBuffer (data, size, 2, [&] (const void* wire) { record->trackMuteMask = bytes::loadBE16 (wire, 0); });
    return record;
}

std::shared_ptr<kitStorageContainer_t> makeSharedKitStorage (const void* wire)
{
    return makeSharedKitStorage (wire, sizeof (kitStorageContainer_t));
}

std::shared_ptr<soundStorageContainer_t> makeSharedSoundStorage (const void* wire)
{
    return makeSharedSoundStorage (wire, sizeof (soundStorageContainer_t));
}

std::shared_ptr<projectSettingsStorage_v2_t> makeSharedProjectSettings (const void* wire)
{
    return makeSharedProjectSettings (wire, sizeof (projectSettingsStorage_v2_t));
}

std::shared_ptr<FhAsyncSoundSetupData> makeSharedSoundSetup (const void* wire)
{
    return makeSharedSoundSetup (wire, sizeof (FhAsyncSoundSetupData));
}

std::shared_ptr<FhAsyncSoundPoolListing> makeSharedSoundPoolListing (const void* wire)
{
    return makeSharedSoundPoolListing (wire, sizeof (FhAsyncSoundPoolListing));
}

std::shared_ptr<FhAsyncSoundBankListing> makeSharedSoundBankListing (const void* wire)
{
    return makeSharedSoundBankListing (wire, sizeof (FhAsyncSoundBankListing));
}

std::shared_ptr<std::uint32_t> makeSharedSessionId (const void* wire)
{
    return makeSharedSessionId (wire, 4);
}

std::shared_ptr<FhAsyncPatternSettingsSetupData> makeSharedPatternSettings (const void* wire)
{
    return makeSharedPatternSettings (wire, 2);
}
} // namespace Vantu

#include "model/storage/RecordWriters.h"

#include "model/storage/ByteOrder.h"
#include "model/storage/RecordLayouts.h"

namespace Vantu
{
namespace
{
std::vector<std::uint8_t> writeByPlan (const void* record, std::size_t size, const layout::Plan& plan)
{
    std::vector<std::uint8_t> out (size, 0);
    layout::convert (record, out.data(), plan, layout::Direction::hostToWire);
    return out;
}
} // namespace

std::vector<std::uint8_t> writeKitStorage (const kitStorageContainer_t& kit)
{
    if (const auto* k = kitLayout (kit.version))
        return writeByPlan (&kit, k->size, *layout::kitPlan (kit.version));

    std::vector<std::uint8_t> out (sizeof (kitStorageContainer_t), 0);
    bytes::storeBE32 (out.data(), 0, kit.version);
    return out;
}

std::vector<std::uint8_t> writeSoundStorage (const soundStorageContainer_t& sound)
{
    const auto version = soundVersionOf (sound);
    if (const auto* plan = layout::soundPlan (version))
        return writeByPlan (&sound, soundStorageSize (version), *plan);

    std::vector<std::uint8_t> out (sizeof (soundStorageContainer_t), 0);
    bytes::storeBE32 (out.data(), soundOffsets::version, version);
    return out;
}

std::vector<std::uint8_t> writeProjectSettings (const projectSettingsStorage_v2_t& settings)
{
    return writeByPlan (&settings, sizeof (settings), layout::projectSettingsPlan());
}

std::vector<std::uint8_t> writeSoundSetup (const FhAsyncSoundSetupData& setup)
{
    return writeByPlan (&setup, sizeof (setup), layout::soundSetupPlan());
}

std::vector<std::uint8_t> writeSoundPoolListing (const FhAsyncSoundPoolListing& listing)
{
    return writeByPlan (&listing, sizeof (listing), layout::soundListingPlan (128));
}

std::vector<std::uint8_t> writeSoundBankListing (const FhAsyncSoundBankListing& listing)
{
    return writeByPlan (&listing, sizeof (listing), layout::soundListingPlan (256));
}

std::vector<std::uint8_t> writeSessionId (std::uint32_t sessionId)
{
    std::vector<std::uint8_t> out (4, 0);
    bytes::storeBE32 (out.data(), 0, sessionId);
    return out;
}

std::vector<std::uint8_t> writePatternSettings (const FhAsyncPatternSettingsSetupData& pattern)
{
    std::vector<std::uint8_t> out (2, 0);
    bytes::storeBE16 (out.data(), 0, pattern.trackMuteMask);
    return out;
}
} // namespace Vantu

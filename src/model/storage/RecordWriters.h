#pragma once

#include "model/storage/ProjectSettingsStorage.h"
#include "model/storage/StorageContainers.h"
#include "model/storage/TransferRecords.h"

#include <cstdint>
#include <vector>

// Writers: host-order records back into wire form (big-endian), the inverse
// of the wire factories. A kit or sound is written at the size of the version
// that it holds; one of unknown version is written as its container with only
// the version word set. Pad bytes are written as zero.
namespace Vantu
{
std::vector<std::uint8_t> writeKitStorage (const kitStorageContainer_t& kit);
std::vector<std::uint8_t> writeSoundStorage (const soundStorageContainer_t& sound);
std::vector<std::uint8_t> writeProjectSettings (const projectSettingsStorage_v2_t& settings);
std::vector<std::uint8_t> writeSoundSetup (const FhAsyncSoundSetupData& setup);
std::vector<std::uint8_t> writeSoundPoolListing (const FhAsyncSoundPoolListing& listing);
std::vector<std::uint8_t> writeSoundBankListing (const FhAsyncSoundBankListing& listing);
std::vector<std::uint8_t> writeSessionId (std::uint32_t sessionId);
std::vector<std::uint8_t> writePatternSettings (const FhAsyncPatternSettingsSetupData& pattern);
} // namespace Vantu

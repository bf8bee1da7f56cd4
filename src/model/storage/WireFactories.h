#pragma once

#include "model/storage/ProjectSettingsStorage.h"
#include "model/storage/StorageContainers.h"
#include "model/storage/TransferRecords.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// Factories that turn a record in wire form (big-endian) into a new
// host-order record. The one-argument forms expect a buffer of the record's
// full size; the sized forms take a payload of any length, read at most the
// record's size from it and treat missing bytes as zero. Every record is
// zero-filled before it is written, so bytes that no field covers are zero.
namespace Vantu
{
std::shared_ptr<kitStorageContainer_t> makeSharedKitStorage (const void* wire);
std::shared_ptr<kitStorageContainer_t> makeSharedKitStorage (const void* data, std::size_t size);

std::shared_ptr<soundStorageContainer_t> makeSharedSoundStorage (const void* wire);
std::shared_ptr<soundStorageContainer_t> makeSharedSoundStorage (const void* data, std::size_t size);

std::shared_ptr<projectSettingsStorage_v2_t> makeSharedProjectSettings (const void* wire);
std::shared_ptr<projectSettingsStorage_v2_t> makeSharedProjectSettings (const void* data, std::size_t size);

std::shared_ptr<FhAsyncSoundSetupData> makeSharedSoundSetup (const void* wire);
std::shared_ptr<FhAsyncSoundSetupData> makeSharedSoundSetup (const void* data, std::size_t size);

std::shared_ptr<FhAsyncSoundPoolListing> makeSharedSoundPoolListing (const void* wire);
std::shared_ptr<FhAsyncSoundPoolListing> makeSharedSoundPoolListing (const void* data, std::size_t size);

std::shared_ptr<FhAsyncSoundBankListing> makeSharedSoundBankListing (const void* wire);
std::shared_ptr<FhAsyncSoundBankListing> makeSharedSoundBankListing (const void* data, std::size_t size);

std::shared_ptr<std::uint32_t> makeSharedSessionId (const void* wire);
std::shared_ptr<std::uint32_t> makeSharedSessionId (const void* data, std::size_t size);

std::shared_ptr<FhAsyncPatternSettingsSetupData> makeSharedPatternSettings (const void* wire);
std::shared_ptr<FhAsyncPatternSettingsSetupData> makeSharedPatternSettings (const void* data, std::size_t size);

// Converts a sound in wire form into the host-order container (zero-filled
// first). Used for standalone sounds; embedded sounds go with their kit.
void convertSoundFromWire (const void* wire, soundStorageContainer_t& out) noexcept;
void convertKitFromWire (const void* wire, kitStorageContainer_t& out) noexcept;
} // namespace Vantu

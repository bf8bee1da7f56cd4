#pragma once

#include "model/storage/StorageContainers.h"

// Upgrade chains: kit versions 0..6 to 7 and sound versions 0..4 to 5, one
// version at a time, in place on the caller's container. Each step refuses
// (false, nothing written) on a null pointer, when source and target are the
// same, or when the source does not hold exactly the step's source version.
namespace Vantu
{
bool upgradeKitStorage (kitStorageContainer_t* kit);
bool upgradeSoundStorage (soundStorageContainer_t* sound);

bool upgradeSoundStorageV0toV1 (soundStorage_v1_t* target, const soundStorageContainer_t* source);
bool upgradeSoundStorageV1toV2 (soundStorage_v2_t* target, const soundStorage_v1_t* source);
bool upgradeSoundStorageV2toV3 (soundStorage_v3_t* target, const soundStorage_v2_t* source);
bool upgradeSoundStorageV3toV4 (soundStorage_v4_t* target, const soundStorage_v3_t* source);
bool upgradeSoundStorageV4toV5 (soundStorage_v5_t* target, const soundStorage_v4_t* source);

bool upgradeKitStorageV0toV1 (kitStorage_v1_t* target, const kitStorageContainer_t* source);
bool upgradeKitStorageV1toV2 (kitStorage_v2_t* target, const kitStorage_v1_t* source);
bool upgradeKitStorageV2toV3 (kitStorage_v3_t* target, const kitStorage_v2_t* source);
bool upgradeKitStorageV3toV4 (kitStorage_v4_t* target, const kitStorage_v3_t* source);
bool upgradeKitStorageV4toV5 (kitStorage_v5_t* target, const kitStorage_v4_t* source);
bool upgradeKitStorageV5toV6 (kitStorage_v6_t* target, const kitStorage_v5_t* source);
bool upgradeKitStorageV6toV7 (kitStorage_v7_t* target, const kitStorage_v6_t* source);

namespace upgradeDetail
{
    // The sound steps on raw records (sound of the step's source version at
    // src, zero-filled target at dst). Used by the kit steps for embedded sounds.
    bool soundV0toV1 (std::uint8_t* dst, const std::uint8_t* src);
    bool soundV1toV2 (std::uint8_t* dst, const std::uint8_t* src);
    bool soundV2toV3 (std::uint8_t* dst, const std::uint8_t* src);
    bool soundV3toV4 (std::uint8_t* dst, const std::uint8_t* src);
    bool soundV4toV5 (std::uint8_t* dst, const std::uint8_t* src);
} // namespace upgradeDetail
} // namespace Vantu

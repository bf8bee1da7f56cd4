#pragma once

#include "model/storage/KitStorage.h"
#include "model/storage/SoundStorage.h"

#include <cstdint>

namespace Vantu
{
#pragma pack(push, 1)

// Any kit version 0 to 7; the version word is at offset 0 in each.
union kitStorageContainer_t
{
    std::uint32_t version;
    std::uint8_t raw[kKitSizeV7];
    kitStorage_v1_t v1;
    kitStorage_v2_t v2;
    kitStorage_v3_t v3;
    kitStorage_v4_t v4;
    kitStorage_v5_t v5;
    kitStorage_v6_t v6;
    kitStorage_v7_t v7;
};

// Any sound version 0 to 5; the version word is at offset 4 in each.
union soundStorageContainer_t
{
    struct
    {
        std::uint32_t leadingWord;
        std::uint32_t version;
    } header;
    std::uint8_t raw[kSoundSizeV5];
    soundStorage_v1_t v1;
    soundStorage_v2_t v2;
    soundStorage_v3_t v3;
    soundStorage_v4_t v4;
    soundStorage_v5_t v5;
};

#pragma pack(pop)

static_assert (sizeof (kitStorageContainer_t) == 5632);
static_assert (sizeof (soundStorageContainer_t) == 251);
static_assert (offsetof (soundStorageContainer_t, header.version) == 4);

inline std::uint32_t soundVersionOf (const soundStorageContainer_t& s) noexcept
{
    return s.header.version;
}
} // namespace Vantu

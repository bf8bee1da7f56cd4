#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

// Unaligned loads and stores of integers inside packed storage records, in
// host order or big-endian. Records hold multi-byte fields at odd offsets
// (embedded sounds, settings words), so every access goes through memcpy.
namespace Vantu::bytes
{
template <typename T>
inline T load (const void* base, std::size_t offset) noexcept
{
    static_assert (std::is_trivially_copyable_v<T>);
    T value;
    std::memcpy (&value, static_cast<const std::uint8_t*> (base) + offset, sizeof (T));
    return value;
}

template <typename T>
inline void store (void* base, std::size_t offset, T value) noexcept
{
    static_assert (std::is_trivially_copyable_v<T>);
    std::memcpy (static_cast<std::uint8_t*> (base) + offset, &value, sizeof (T));
}

inline std::uint16_t swap16 (std::uint16_t v) noexcept { return static_cast<std::uint16_t> ((v >> 8) | (v << 8)); }
inline std::uint32_t swap32 (std::uint32_t v) noexcept
{
    return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
}

inline std::uint16_t loadBE16 (const void* base, std::size_t offset) noexcept
{
    const auto* p = static_cast<const std::uint8_t*> (base) + offset;
    return static_cast<std::uint16_t> ((p[0] << 8) | p[1]);
}

inline std::uint32_t loadBE32 (const void* base, std::size_t offset) noexcept
{
    const auto* p = static_cast<const std::uint8_t*> (base) + offset;
    return (std::uint32_t (p[0]) << 24) | (std::uint32_t (p[1]) << 16) | (std::uint32_t (p[2]) << 8) | p[3];
}

inline void storeBE16 (void* base, std::size_t offset, std::uint16_t v) noexcept
{
    auto* p = static_cast<std::uint8_t*> (base) + offset;
    p[0] = static_cast<std::uint8_t> (v >> 8);
    p[1] = static_cast<std::uint8_t> (v);
}

inline void storeBE32 (void* base, std::size_t offset, std::uint32_t v) noexcept
{
    auto* p = static_cast<std::uint8_t*> (base) + offset;
    p[0] = static_cast<std::uint8_t> (v >> 24);
    p[1] = static_cast<std::uint8_t> (v >> 16);
    p[2] = static_cast<std::uint8_t> (v >> 8);
    p[3] = static_cast<std::uint8_t> (v);
}
} // namespace Vantu::bytes

#pragma once

#include <array>
#include <cstdint>

// The 80-byte clock, transport and note record that the processor writes into the
// plug-in data area of the shared audio block, one per sub-block of at most 64
// device frames. The engine reads it; multi-byte fields are big-endian.
struct PluginDataRecord
{
    static constexpr int kBytes = 80;
    static constexpr std::uint8_t kMarker = 0xEC;
    static constexpr int kNoteSlots = 16;
    static constexpr int kFirstNoteByte = 16;
    static constexpr std::uint8_t kFreeSlot = 0x80;

    // Byte offsets.
    static constexpr int kFlags = 1;
    static constexpr int kTempo = 2;
    static constexpr int kSongPosition = 4;
    static constexpr int kAdvance = 8;
    static constexpr int kSampleOffset = 12;
    static constexpr int kTransportState = 13;
    static constexpr int kCounter = 14;

    // Flag bits of byte 1.
    static constexpr std::uint8_t kNoteCountMask = 0x0F;   // number of note events minus 1
    static constexpr std::uint8_t kHasNotes = 0x10;
    static constexpr std::uint8_t kHasPosition = 0x20;

    // Transport states.
    enum TransportState : std::uint8_t
    {
        syncOff = 0,
        stopped = 1,
        stoppedNow = 2,
        running = 3
    };

    std::array<std::uint8_t, kBytes> bytes {};

    // Marker set, no flags, every note slot free, the rest zero.
    void clear() noexcept;

    static void putU16 (std::uint8_t* at, std::uint16_t value) noexcept
    {
        at[0] = static_cast<std::uint8_t> (value >> 8);
        at[1] = static_cast<std::uint8_t> (value);
    }
    static void putI32 (std::uint8_t* at, std::int32_t value) noexcept
    {
        const auto u = static_cast<std::uint32_t> (value);
        at[0] = static_cast<std::uint8_t> (u >> 24);
        at[1] = static_cast<std::uint8_t> (u >> 16);
        at[2] = static_cast<std::uint8_t> (u >> 8);
        at[3] = static_cast<std::uint8_t> (u);
    }
    static std::uint16_t getU16 (const std::uint8_t* at) noexcept
    {
        return static_cast<std::uint16_t> ((at[0] << 8) | at[1]);
    }
    static std::int32_t getI32 (const std::uint8_t* at) noexcept
    {
        return static_cast<std::int32_t> ((static_cast<std::uint32_t> (at[0]) << 24) | (static_cast<std::uint32_t> (at[1]) << 16)
                                          | (static_cast<std::uint32_t> (at[2]) << 8) | at[3]);
    }
};

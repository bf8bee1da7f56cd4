#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One queued parameter change (a parameter write on channel 0).
struct ParameterChangeEntry
{
    std::uint8_t dataType = 0;   // transaction sub-type: 5 sound, 8 effects block, 14 kit, 25 settings, 36 kit pattern mute
    std::int32_t argument = 0;   // owning object's index; its low 16 bits go into the header
    std::uint16_t index = 0;
    std::uint16_t objectId = 0;
    std::uint16_t value = 0;

    bool addressesSameParameter (const ParameterChangeEntry& other) const
    {
        return dataType == other.dataType && argument == other.argument && index == other.index
               && objectId == other.objectId;
    }
};

// Payload of command 0x32: 66 sixteen-bit words, kept in host order and sent
// big-endian. Word 0 is the track mask; track t's slot is the five words from
// 1 + 5t: kind, channel pressure, modulation wheel, pitch bend, breath.
struct RealtimeControllerRecord
{
    static constexpr std::size_t size = 132;
    static constexpr int numTracks = 13;

    static constexpr std::uint16_t kindChannelPressure = 1;
    static constexpr std::uint16_t kindModWheel = 2;
    static constexpr std::uint16_t kindPitchBend = 4;
    static constexpr std::uint16_t kindBreath = 8;

    std::array<std::uint16_t, size / 2> words {};

    static constexpr std::size_t slotWord (int track) { return 1 + 5 * static_cast<std::size_t> (track); }

    void toWire (std::uint8_t* out) const
    {
        for (std::size_t i = 0; i < words.size(); ++i)
        {
            out[2 * i] = static_cast<std::uint8_t> (words[i] >> 8);
            out[2 * i + 1] = static_cast<std::uint8_t> (words[i]);
        }
    }
};

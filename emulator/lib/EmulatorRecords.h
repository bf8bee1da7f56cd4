#pragma once

#include "EmuWire.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fhemu
{
// The device's stored records as the emulator serves them: big-endian byte
// images of the emulator's own layouts (only the fields the emulator fills).
namespace records
{
    inline constexpr std::size_t soundSize = 251;
    inline constexpr std::size_t soundSetupSize = 96;
    inline constexpr std::size_t kitSize = 5632;
    inline constexpr std::size_t settingsSize = 512;
    inline constexpr std::uint32_t newestSoundVersion = 5;
    inline constexpr std::uint32_t newestKitVersion = 7;
    inline constexpr std::uint32_t settingsVersion = 2;

    // A sound: version word at 4, tags at 8, name at 12 (16 bytes), machine type at 172.
    std::vector<std::uint8_t> sound (std::uint32_t version, const std::string& name, std::uint8_t machineType,
                                     std::uint32_t tags = 0);
    // A kit: version word at 0, name at 4 (16 bytes), the rest zero.
    std::vector<std::uint8_t> kit (std::uint32_t version, const std::string& name);
    // Project settings (version 2): active edit track at 7, the mute mask at 12.
    std::vector<std::uint8_t> projectSettings (std::uint8_t activeEditTrack, std::uint16_t muteMask);

    // The sound setup record's fields at their offsets.
    struct SoundSetup
    {
        std::uint16_t track = 0;
        std::uint32_t tags = 0;
        std::string name;
        std::uint8_t machineType = 0;
        std::uint8_t velocityVolMode = 0;
        std::uint8_t envResetMask = 0;
        std::uint8_t filterKeyTracking = 0;
        std::uint8_t transposable = 0;
        std::uint8_t pitchBendDepth = 0;
        std::int8_t transpose = 0;
        std::uint8_t playMode = 0;
        std::uint8_t monoNotePriority = 0;
        std::uint8_t portamentoAmount = 0;
        std::uint8_t portamentoType = 0;
        std::uint8_t portamentoStyle = 0;
        std::uint8_t portamentoSlope = 0;
        std::uint8_t portamentoGating = 0;
        struct Entry
        {
            std::int16_t depth = 0;
            std::uint8_t destination = 0;
        };
        Entry modulation[5][4] {};   // velocity, pitch bend, mod wheel, breath, aftertouch; slots A..D
    };

    std::vector<std::uint8_t> encodeSoundSetup (const SoundSetup& setup);
    // False when fewer than 96 bytes are given.
    bool decodeSoundSetup (const std::vector<std::uint8_t>& bytes, SoundSetup& out);
} // namespace records
} // namespace fhemu

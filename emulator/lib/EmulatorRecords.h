#pragma once

#include "EmuWire.h"

#include <array>
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

    inline constexpr std::size_t numParameterWords = 72;
    using ParameterWords = std::array<std::int16_t, numParameterWords>;

    // A whole sound as the device stores it (version 5): the setup fields (its
    // track index is not stored) and the 72 parameter words in storage order.
    struct Sound
    {
        SoundSetup setup;
        ParameterWords words {};
        std::uint32_t leadingWord = 0;
        std::uint32_t trailingWord = 0;
    };

    // 251 bytes, version 5.
    std::vector<std::uint8_t> encodeSound (const Sound& sound);
    // False unless the bytes hold a whole version-5 sound.
    bool decodeSound (const std::vector<std::uint8_t>& bytes, Sound& out);

    struct TrigEntry
    {
        std::uint8_t paramIndex = 0;     // assignable destination 0..32
        std::uint8_t trig = 0;
        std::array<std::uint16_t, 4> values {};   // only the low byte counts
    };

    // A whole kit as the device stores it (version 7).
    struct Kit
    {
        std::string name;
        std::array<std::int16_t, 13> trackLevel {};   // T1..T12, effects track
        std::array<Sound, 12> sounds {};
        std::uint32_t fxBlockVersion = 1;
        ParameterWords fxWords {};
        std::array<ParameterWords, 12> midiWords {};
        std::array<std::uint16_t, 12> midiExtra {};
        std::int16_t mainMuteMask = 0;
        std::int16_t fxMuteMask = 0;
        std::uint16_t thirdMask = 0;
        std::array<TrigEntry, 4> trigs {};
    };

    // 5632 bytes, version 7.
    std::vector<std::uint8_t> encodeKit (const Kit& kit);

    // Field offsets of the project settings record (version 2).
    namespace settingsAt
    {
        inline constexpr std::size_t activeEditTrack = 7;
        inline constexpr std::size_t muteMask = 12;
        inline constexpr std::size_t stepRecordMode = 75;
        inline constexpr std::size_t activePlayTrack = 76;
        inline constexpr std::size_t dualMono = 77;
        inline constexpr std::size_t globalLevels = 79;
        inline constexpr std::size_t trackLevel = 81;   // 13 words
    } // namespace settingsAt
    // Project settings (version 2) holding every field's default.
    std::vector<std::uint8_t> defaultProjectSettings();
    void putWord (std::vector<std::uint8_t>& record, std::size_t at, std::uint16_t value);
    std::uint16_t wordAt (const std::vector<std::uint8_t>& record, std::size_t at);

    // One entry of a sound pool or sound library bank listing (24 bytes).
    struct ListingEntry
    {
        std::uint8_t machineType = 255;   // 255: empty
        std::uint8_t flag = 0;
        std::uint16_t number = 0;
        std::uint32_t tags = 0;
        std::string name;
    };
    inline constexpr std::size_t listingEntrySize = 24;
    std::vector<std::uint8_t> encodeListing (const std::vector<ListingEntry>& entries);

    std::vector<std::uint8_t> encodePatternSettings (std::uint16_t muteMask);
    std::vector<std::uint8_t> encodeSessionId (std::uint32_t sessionId);
} // namespace records
} // namespace fhemu

#pragma once

#include "TransactionCodec.h"

#include <array>
#include <optional>
#include <vector>

// What the program sends the device while it plays: realtime controller records
// (command 0x32: pressure, modulation wheel, pitch bend and breath per track) and
// channel-16 notes (command 0x33), as the device reads them.
namespace fhemu
{
namespace performance
{
    inline constexpr std::uint8_t realtimeControllersCommand = 0x32;
    inline constexpr std::uint8_t channel16NoteCommand = 0x33;
    inline constexpr std::size_t realtimeRecordSize = 132;   // 66 big-endian words
    inline constexpr int realtimeTracks = 13;

    // Bits of a track's kind word.
    inline constexpr std::uint16_t channelPressure = 1;
    inline constexpr std::uint16_t modulationWheel = 2;
    inline constexpr std::uint16_t pitchBend = 4;
    inline constexpr std::uint16_t breath = 8;
} // namespace performance

// One track's part of a realtime controller record.
struct RealtimeController
{
    int track = 0;
    std::uint16_t kind = 0;   // performance:: bits
    std::uint16_t channelPressure = 0, modulationWheel = 0, pitchBend = 0, breath = 0;

    bool operator== (const RealtimeController&) const = default;
};

// The tracks a realtime controller record names (word 0's bits), in track order;
// empty for another command or a record of the wrong size.
std::optional<std::vector<RealtimeController>> decodeRealtimeControllers (const RecordedTransaction& transaction);

// The note number of a channel-16 note; empty for another command or a payload
// that is not one byte.
std::optional<std::uint8_t> decodeChannel16Note (const RecordedTransaction& transaction);
} // namespace fhemu

#pragma once

#include <cstdint>
#include <vector>

namespace fhemu
{
// One clock, transport and note record that the program wrote into the plug-in data
// area of an answered audio block, as the engine reads it (80 bytes, big-endian).
struct PluginRecord
{
    struct Note
    {
        int note = 0;
        int velocity = 0;
        int channel = 0;        // 0..15
        int sampleOffset = 0;   // within the record's frames
    };

    std::uint64_t block = 0;   // the answered block's number, from 0
    int index = 0;             // the record's place within its block
    std::uint8_t flags = 0;
    int tempo = 0;             // BPM x 120
    std::int32_t songPosition = -1;
    std::int32_t advance = 0;
    int sampleOffset = 0;
    int transportState = 0;
    int counter = 0;
    bool hasPosition = false;
    std::vector<Note> notes;

    double bpm() const { return tempo / 120.0; }
};

namespace PluginDataLayout
{
inline constexpr int recordBytes = 80;
inline constexpr int framesPerRecord = 64;
inline constexpr std::uint8_t marker = 0xEC;
} // namespace PluginDataLayout

// The records of one block's plug-in data area: one per sub-block of at most 64
// frames, each `stride` bytes per frame apart. Slots without the record marker are
// skipped (the program wrote nothing there).
std::vector<PluginRecord> parsePluginData (const std::uint8_t* area, int capacity, int blockSize, int stride,
                                           std::uint64_t blockNumber);
} // namespace fhemu

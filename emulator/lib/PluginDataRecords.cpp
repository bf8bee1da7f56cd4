#include "PluginDataRecords.h"

#include <algorithm>

namespace fhemu
{
namespace
{
int u16 (const std::uint8_t* p)
{
    return (p[0] << 8) | p[1];
}

std::int32_t i32 (const std::uint8_t* p)
{
    return static_cast<std::int32_t> ((static_cast<std::uint32_t> (p[0]) << 24) | (static_cast<std::uint32_t> (p[1]) << 16)
                                      | (static_cast<std::uint32_t> (p[2]) << 8) | p[3]);
}
} // namespace

std::vector<PluginRecord> parsePluginData (const std::uint8_t* area, int capacity, int blockSize, int stride,
                                           std::uint64_t blockNumber)
{
    std::vector<PluginRecord> records;
    if (blockSize <= 0 || stride <= 0)
        return records;
    const int frames = std::min (blockSize, PluginDataLayout::framesPerRecord);
    const int count = std::max (blockSize / frames, 1);
    for (int k = 0; k < count; ++k)
    {
        const int offset = k * frames * stride;
        if (offset + PluginDataLayout::recordBytes > capacity)
            break;
        const auto* r = area + offset;
        if (r[0] != PluginDataLayout::marker)
            continue;
        PluginRecord record;
        record.block = blockNumber;
        record.index = k;
        record.flags = r[1];
        record.hasPosition = (r[1] & 0x20) != 0;
        record.tempo = u16 (r + 2);
        record.songPosition = i32 (r + 4);
        record.advance = i32 (r + 8);
        record.sampleOffset = r[12];
        record.transportState = r[13];
        record.counter = u16 (r + 14);
        const int notes = (r[1] & 0x10) != 0 ? (r[1] & 0x0F) + 1 : 0;
        for (int n = 0; n < notes; ++n)
        {
            const auto* slot = r + 16 + n * 4;
            const int word = u16 (slot + 2);
            record.notes.push_back ({ slot[0], slot[1], word >> 12, word & 0xFFF });
        }
        records.push_back (std::move (record));
    }
    return records;
}
} // namespace fhemu

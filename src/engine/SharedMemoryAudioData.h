#pragma once

#include <cstddef>
#include <cstdint>

// The audio block that the engine shares with the program for one open device.
// The engine creates it; offsets are fixed, little-endian.
struct SharedMemoryAudioData
{
    static constexpr int kMaxDeviceChannels = 20;
    static constexpr int kMaxHostChannels = 12;
    static constexpr int kMaxSamples = 512;
    static constexpr int kEngineDataBytes = 2048;
    static constexpr int kPluginDataBytes = 2048;

    double timeStampMs;                                     // 0x00000
    std::uint32_t reserved;                                 // 0x00008
    std::uint16_t streamValue2;                             // 0x0000C
    std::uint16_t blockSize;                                // 0x0000E, samples per channel
    std::uint16_t numDeviceChannels;                        // 0x00010
    std::uint16_t numHostChannels;                          // 0x00012
    float deviceChannels[kMaxDeviceChannels][kMaxSamples];  // 0x00014, the device's outputs
    float hostChannels[kMaxHostChannels][kMaxSamples];      // 0x0A014, audio going to the device
    std::int32_t engineDataLength;                          // 0x10014
    std::uint8_t engineData[kEngineDataBytes];              // 0x10018
    std::int32_t pluginDataCapacity;                        // 0x10818
    std::uint8_t pluginData[kPluginDataBytes];              // 0x1081C
    std::uint8_t clientAttached;                            // 0x1101C, 1 while the audio thread serves the block

    // The bytes up to and with the last field, without the padding that follows:
    // the engine may size the file to exactly this.
    static constexpr std::size_t usedBytes();
};

constexpr std::size_t SharedMemoryAudioData::usedBytes()
{
    return offsetof (SharedMemoryAudioData, clientAttached) + 1;
}

static_assert (offsetof (SharedMemoryAudioData, streamValue2) == 0x0C);
static_assert (offsetof (SharedMemoryAudioData, blockSize) == 0x0E);
static_assert (offsetof (SharedMemoryAudioData, numDeviceChannels) == 0x10);
static_assert (offsetof (SharedMemoryAudioData, numHostChannels) == 0x12);
static_assert (offsetof (SharedMemoryAudioData, deviceChannels) == 0x14);
static_assert (offsetof (SharedMemoryAudioData, hostChannels) == 0xA014);
static_assert (offsetof (SharedMemoryAudioData, engineDataLength) == 0x10014);
static_assert (offsetof (SharedMemoryAudioData, engineData) == 0x10018);
static_assert (offsetof (SharedMemoryAudioData, pluginDataCapacity) == 0x10818);
static_assert (offsetof (SharedMemoryAudioData, pluginData) == 0x1081C);
static_assert (offsetof (SharedMemoryAudioData, clientAttached) == 0x1101C);

// The bytes of the block that the program touches: a mapping shorter than this is refused.
inline constexpr std::size_t kSharedMemoryAudioDataUsedBytes = SharedMemoryAudioData::usedBytes();

// Whether the values the engine wrote into the block can be used to index it. A block
// that fails this is dropped (and still answered), never indexed.
inline bool isAudioBlockInRange (const SharedMemoryAudioData& block) noexcept
{
    return block.blockSize <= SharedMemoryAudioData::kMaxSamples
        && block.numDeviceChannels <= SharedMemoryAudioData::kMaxDeviceChannels
        && block.numHostChannels <= SharedMemoryAudioData::kMaxHostChannels
        && block.engineDataLength >= 0 && block.engineDataLength <= SharedMemoryAudioData::kEngineDataBytes
        && block.pluginDataCapacity >= 0 && block.pluginDataCapacity <= SharedMemoryAudioData::kPluginDataBytes;
}

#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <string>
#include <vector>

// The typed messages of the engine's message channel and the records decoded from them.
// All integers travel little-endian; the first u32 of every payload is the message type.

inline constexpr int kFernhollowEngineMessagePort = 46000;
inline constexpr std::uint32_t kMessageChannelMagic = 0x3ade68b1;
inline constexpr std::uint32_t kPluginProtocolVersion = 5;

enum EngineMessageType : std::uint32_t
{
    kHandshake = 1,
    kDeviceAttached = 2,
    kDeviceDetached = 3,
    kDeviceListRequest = 4,
    kDeviceListResponse = 5,
    kDeviceDescriptionUpdated = 6,
    kDeviceConnectionRequest = 7,
    kDeviceConnectionResponse = 8,
    kValueMessage = 10
};

// One device as the engine lists it.
struct DeviceDescription
{
    std::uint64_t uid = 0;
    std::int32_t productId = 0;
    juce::String name;
    std::uint16_t fernhollowProtocolVersion = 0;
    std::uint16_t numberOfAsyncClients = 0;
    std::uint16_t numberOfAudioClients = 0;
};

struct DeviceListResponse
{
    std::uint32_t type = kDeviceListResponse;
    std::vector<DeviceDescription> devices;
};

// What the engine answers for a device that is to be opened.
struct DeviceConnectionData
{
    std::int32_t pluginAsyncPort = 0;
    std::int32_t rpcAsyncPort = 0;
    std::int32_t audioPort = 0;   // negative: the device is not available
    juce::String audioStreamId;   // name of the shared audio memory
};

struct DeviceConnectionResponse
{
    std::uint32_t type = kDeviceConnectionResponse;
    DeviceConnectionData data;
};

// Text forms used in log lines.
std::string describeDeviceInfo (const DeviceDescription& description);
// The text as UTF-8 with control characters (C0, DEL, C1) written as \xNN, so
// that text from the engine cannot steer a terminal or split a log line.
std::string escapeControlCharacters (const juce::String& text);
std::string describeDeviceConnectionData (const DeviceConnectionData& data);

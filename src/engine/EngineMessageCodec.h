#pragma once

#include "engine/EngineMessages.h"
#include "engine/IpcMemoryBlock.h"

#include <juce_core/juce_core.h>

// Builds the messages the program sends on the message channel and decodes the two
// responses. The decoders check every count and length against the bytes that remain,
// so a truncated or inflated message is reported as malformed instead of being read
// as far as it goes.
namespace EngineMessageCodec
{
enum class DecodeResult
{
    ok,
    wrongType,   // another message type: not the response this decoder reads
    malformed    // the right type, but its counts or lengths do not fit the message
};

juce::MemoryBlock makeHandshake (std::uint32_t protocolVersion);
juce::MemoryBlock makeDeviceListRequest();
// 16 bytes: type, four zero padding bytes, the uid.
juce::MemoryBlock makeDeviceConnectionRequest (std::uint64_t uid);

// Reads u32 type, u64 count and then each entry field by field (u64 uid, u32 product,
// string name, three u16): an entry takes 22 + n bytes for a name of n bytes.
DecodeResult decodeDeviceList (CorvanelIpcMessages::IpcMemoryBlock& block, DeviceListResponse& out);
DecodeResult decodeDeviceConnection (CorvanelIpcMessages::IpcMemoryBlock& block, DeviceConnectionResponse& out);

// Size of a list entry without its name's characters.
inline constexpr std::size_t kDeviceEntryFixedBytes = 22;
} // namespace EngineMessageCodec

#include "engine/EngineMessageCodec.h"

namespace EngineMessageCodec
{
namespace
{
void appendU32 (juce::MemoryBlock& block, std::uint32_t value)
{
    const std::uint8_t b[4] = { static_cast<std::uint8_t> (value), static_cast<std::uint8_t> (value >> 8),
                                static_cast<std::uint8_t> (value >> 16), static_cast<std::uint8_t> (value >> 24) };
    block.append (b, sizeof (b));
}

// Reads a string after checking that its byte count fits in what remains.
bool readCheckedString (CorvanelIpcMessages::IpcMemoryBlock& block, juce::String& out)
{
    if (block.remaining() < 4)
        return false;
    const auto* p = block.data() + (block.size() - block.remaining());
    const std::uint32_t count = static_cast<std::uint32_t> (p[0]) | (static_cast<std::uint32_t> (p[1]) << 8)
                              | (static_cast<std::uint32_t> (p[2]) << 16) | (static_cast<std::uint32_t> (p[3]) << 24);
    if (count > block.remaining() - 4)
        return false;
    out = block.readString();
    return true;
}
} // namespace

juce::MemoryBlock makeHandshake (std::uint32_t protocolVersion)
{
    juce::MemoryBlock block;
    appendU32 (block, kHandshake);
    appendU32 (block, protocolVersion);
    return block;
}

juce::MemoryBlock makeDeviceListRequest()
{
    juce::MemoryBlock block;
    appendU32 (block, kDeviceListRequest);
    return block;
}

juce::MemoryBlock makeDeviceConnectionRequest (std::uint64_t uid)
{
    juce::MemoryBlock block;
    appendU32 (block, kDeviceConnectionRequest);
    appendU32 (block, 0);
    appendU32 (block, static_cast<std::uint32_t> (uid));
    appendU32 (block, static_cast<std::uint32_t> (uid >> 32));
    return block;
}

DecodeResult decodeDeviceList (CorvanelIpcMessages::IpcMemoryBlock& block, DeviceListResponse& out)
{
    if (block.peekType() != kDeviceListResponse)
        return DecodeResult::wrongType;
    if (block.remaining() < 12)
        return DecodeResult::malformed;

    DeviceListResponse response;
    response.type = block.readU32();
    const auto count = block.readU64();
    if (count > block.remaining() / kDeviceEntryFixedBytes)
        return DecodeResult::malformed;

    response.devices.reserve (static_cast<std::size_t> (count));
    for (std::uint64_t i = 0; i < count; ++i)
    {
        if (block.remaining() < kDeviceEntryFixedBytes)
            return DecodeResult::malformed;
        DeviceDescription d;
        d.uid = block.readU64();
        d.productId = static_cast<std::int32_t> (block.readU32());
        if (! readCheckedString (block, d.name) || block.remaining() < 6)
            return DecodeResult::malformed;
        d.fernhollowProtocolVersion = block.readU16();
        d.numberOfAsyncClients = block.readU16();
        d.numberOfAudioClients = block.readU16();
        response.devices.push_back (std::move (d));
    }

    out.type = response.type;
    out.devices.swap (response.devices);
    return DecodeResult::ok;
}

DecodeResult decodeDeviceConnection (CorvanelIpcMessages::IpcMemoryBlock& block, DeviceConnectionResponse& out)
{
    if (block.peekType() != kDeviceConnectionResponse)
        return DecodeResult::wrongType;
    if (block.remaining() < 16)
        return DecodeResult::malformed;

    DeviceConnectionResponse response;
    response.type = block.readU32();
    response.data.pluginAsyncPort = static_cast<std::int32_t> (block.readU32());
    response.data.rpcAsyncPort = static_cast<std::int32_t> (block.readU32());
    response.data.audioPort = static_cast<std::int32_t> (block.readU32());
    if (! readCheckedString (block, response.data.audioStreamId))
        return DecodeResult::malformed;

    out = std::move (response);
    return DecodeResult::ok;
}
} // namespace EngineMessageCodec

#include "engine/AsyncTransactionChannel.h"

#include "foundation/Logger.h"

#include <algorithm>
#include <array>

AsyncTransactionChannel::AsyncTransactionChannel (int channel, bool shouldCompress, IpcAsyncOutputStream& s)
    : channelNumber (channel),
      compress (shouldCompress),
      stream (s),
      receiver (static_cast<std::uint8_t> (channel))
{
}

bool AsyncTransactionChannel::writeChunk (const FhAsyncDataHeader& header, const std::uint8_t* chunk)
{
    const auto mark = stream.getNumBuffered();
    std::array<std::uint8_t, FhAsyncDataHeader::size> wire {};
    header.toWire (wire.data());

    if (stream.write (wire.data(), wire.size()) && stream.write (chunk, header.chunkLength) && stream.flush())
        return true;

    stream.discardFrom (mark);
    return false;
}

bool AsyncTransactionChannel::send (std::uint32_t sequenceNumber, std::uint8_t command, std::uint8_t subType,
                                    std::uint16_t argument, const std::uint8_t* payload, int length)
{
    if (length < 0 || (payload == nullptr && length > 0))
    {
        FH_LOG (spdlog::level::err, "Invalid async transaction payload ({} bytes)", length);
        return false;
    }

    std::lock_guard<std::mutex> lock (sendLock);

    const std::uint8_t* data = payload;
    std::size_t size = static_cast<std::size_t> (length);
    std::uint32_t totalLength = static_cast<std::uint32_t> (size);

    if (compress && length > compressionThreshold)
    {
        if (compressor.compress (payload, size, compressedPayload))
        {
            FH_LOG (spdlog::level::debug, "Compressed transaction from {} bytes to {} bytes", size, compressedPayload.size());
            data = compressedPayload.data();
            size = compressedPayload.size();
            totalLength = static_cast<std::uint32_t> (size) | FhAsyncDataHeader::compressedFlag;
        }
    }

    const auto checksum = computeTransactionChecksum (data, size);

    if (size == 0)
        return true;

    FhAsyncDataHeader header;
    header.channel = FhAsyncDataHeader::channelByte (channelNumber);
    header.sequenceNumber = sequenceNumber;
    header.command = command;
    header.subType = subType;
    header.argument = argument;
    header.totalLength = totalLength;
    header.checksum = checksum;

    stream.beginTransaction();
    bool ok = true;

    for (std::size_t offset = 0; offset < size;)
    {
        if (stream.getFreeSpace() <= FhAsyncDataHeader::size && ! stream.flush())
        {
            ok = false;
            break;
        }

        const auto chunk = std::min (size - offset, stream.getFreeSpace() - FhAsyncDataHeader::size);
        header.chunkOffset = static_cast<std::uint32_t> (offset);
        header.chunkLength = static_cast<std::uint16_t> (chunk);

        if (! writeChunk (header, data + offset))
        {
            ok = false;
            break;
        }
        offset += chunk;
    }

    compressedPayload.clear();
    return ok;
}

bool AsyncTransactionChannel::sendU32Pair (std::uint32_t sequenceNumber, std::uint8_t command, std::uint8_t subType,
                                           std::uint16_t argument, std::uint32_t first, std::uint32_t second)
{
    std::array<std::uint8_t, 8> payload {};
    BigEndian::write32 (payload.data(), first);
    BigEndian::write32 (payload.data() + 4, second);
    return send (sequenceNumber, command, subType, argument, payload.data(), static_cast<int> (payload.size()));
}

bool AsyncTransactionChannel::sendHeaderOnly (std::uint32_t sequenceNumber, std::uint8_t subType, std::uint16_t argument)
{
    std::lock_guard<std::mutex> lock (sendLock);

    FhAsyncDataHeader header;
    header.channel = FhAsyncDataHeader::channelByte (channelNumber);
    header.sequenceNumber = sequenceNumber;
    header.command = AsyncCommand::poolRemove;
    header.subType = subType;
    header.argument = argument;

    stream.beginTransaction();
    if (stream.getFreeSpace() <= FhAsyncDataHeader::size && ! stream.flush())
        return false;
    return writeChunk (header, nullptr);
}

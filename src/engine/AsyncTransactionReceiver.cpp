#include "engine/AsyncTransactionReceiver.h"

#include "engine/EngineLimits.h"
#include "foundation/Logger.h"

#include <algorithm>

namespace
{
    // Storage reserved up front for a long transaction; more grows as chunks arrive,
    // so a header that claims a huge length costs nothing until the bytes come.
    constexpr std::size_t maxUpfrontReservation = 1024 * 1024;
}

AsyncTransactionReceiver::AsyncTransactionReceiver (std::uint8_t channel) : channelNumber (channel) {}

void AsyncTransactionReceiver::reset()
{
    abortLongTransaction();
}

void AsyncTransactionReceiver::abortLongTransaction()
{
    reassembly.clear();
    reassembling = false;
}

bool AsyncTransactionReceiver::handleAsyncData (const std::uint8_t* data, int length)
{
    if (data == nullptr)
        return false;
    if (length <= 0)
        return true;

    const auto total = static_cast<std::size_t> (length);
    std::size_t pos = 0;
    int handled = 0;

    while (pos < total)
    {
        const std::uint8_t* start = data + pos;

        if (total - pos < FhAsyncDataHeader::size)
        {
            // Never read a header beyond what arrived.
            FH_LOG (spdlog::level::err, "handleAsyncData(): Header points beyond received data!");
            break;
        }

        const auto header = FhAsyncDataHeader::fromWire (start);

        if (header.channel != FhAsyncDataHeader::channelByte (channelNumber))
            return false;

        if (header.version != FhAsyncDataHeader::protocolVersion)
        {
            FH_LOG (spdlog::level::err, "Wrong protocol version: {}", header.version);
            return false;
        }

        if (FhAsyncDataHeader::size + header.chunkLength > total - pos)
        {
            FH_LOG (spdlog::level::err, "handleAsyncData(): Header points beyond received data!");
            break;
        }

        ++handled;
        const std::uint8_t* chunk = start + FhAsyncDataHeader::size;

        if (header.isSingleChunk())
        {
            if (callback)
                callback (channelNumber, header, chunk, header.chunkLength);
        }
        else if (! handleLongTransaction (header, chunk))
        {
            return false;
        }

        pos += FhAsyncDataHeader::size + header.chunkLength;
    }

    if (handled > 1)
        FH_LOG (spdlog::level::info, "Processed {} async transactions in one packet!", handled);
    return true;
}

bool AsyncTransactionReceiver::handleLongTransaction (const FhAsyncDataHeader& header, const std::uint8_t* chunk)
{
    if (header.chunkOffset == 0)
    {
        // A first chunk always starts over, dropping any half-assembled transaction.
        abortLongTransaction();

        if (header.payloadLength() > EngineLimits::maxTransactionLength)
        {
            FH_LOG (spdlog::level::err, "Long transaction of {} bytes exceeds the limit of {} bytes. Aborting...",
                    header.payloadLength(), EngineLimits::maxTransactionLength);
            return false;
        }

        firstHeader = header;
        reassembling = true;
        reassembly.reserve (std::min<std::size_t> (header.payloadLength(), maxUpfrontReservation));
    }

    if (! reassembling || reassembly.size() != header.chunkOffset)
    {
        FH_LOG (spdlog::level::err, "Long transaction offset mismatch! (at offset {}). Aborting...", header.chunkOffset);
        abortLongTransaction();
        return false;
    }

    if (header.channel != firstHeader.channel || header.version != firstHeader.version
        || header.sequenceNumber != firstHeader.sequenceNumber || header.replySequence != firstHeader.replySequence
        || header.command != firstHeader.command || header.subType != firstHeader.subType
        || header.totalLength != firstHeader.totalLength)
    {
        FH_LOG (spdlog::level::err, "Long transaction header mismatch! (at offset {}). Aborting...", header.chunkOffset);
        abortLongTransaction();
        return false;
    }

    reassembly.insert (reassembly.end(), chunk, chunk + header.chunkLength);
    const std::size_t expected = firstHeader.payloadLength();

    if (reassembly.size() > expected)
    {
        FH_LOG (spdlog::level::err, "Too much data received! Expected {} bytes, received {} bytes. Aborting long transaction.",
                expected, reassembly.size());
        abortLongTransaction();
        return false;
    }

    if (reassembly.size() < expected)
        return true;

    if (computeTransactionChecksum (reassembly.data(), reassembly.size()) != firstHeader.checksum)
    {
        FH_LOG (spdlog::level::err, "CRC mismatch of complete transaction data! Aborting");
        abortLongTransaction();
        return false;
    }

    if (callback)
        callback (channelNumber, firstHeader, reassembly.data(), reassembly.size());
    abortLongTransaction();
    return true;
}

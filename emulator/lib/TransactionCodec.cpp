#include "TransactionCodec.h"

#include "EmuLz4.h"

#include <algorithm>

namespace fhemu
{
void TransactionDecoder::feedFrame (const Bytes& frame, std::size_t frameIndex, std::vector<RecordedTransaction>& completed,
                                    std::vector<std::string>& errors)
{
    std::size_t pos = 0;
    while (pos < frame.size())
    {
        if (frame.size() - pos < wire::transactionHeaderSize)
        {
            errors.push_back ("frame " + std::to_string (frameIndex) + ": " + std::to_string (frame.size() - pos)
                              + " bytes left, too few for a header");
            return;
        }

        const auto header = TransactionHeader::parse (frame.data() + pos);
        const auto end = pos + wire::transactionHeaderSize + header.chunkLength;
        if (end > frame.size())
        {
            errors.push_back ("frame " + std::to_string (frameIndex) + ": chunk crosses the end of the frame ("
                              + header.describe() + ")");
            return;
        }

        Bytes raw (frame.begin() + static_cast<std::ptrdiff_t> (pos), frame.begin() + static_cast<std::ptrdiff_t> (end));
        const auto* data = frame.data() + pos + wire::transactionHeaderSize;
        pos = end;

        if (header.version != wire::version)
            errors.push_back ("version " + std::to_string (header.version) + " in " + header.describe());

        auto it = pending.find (header.channelByte);
        if (header.chunkOffset == 0)
        {
            if (it != pending.end())
                errors.push_back ("new transaction while one was incomplete on channel byte "
                                  + std::to_string (header.channelByte));
            RecordedTransaction t;
            t.header = header;
            it = pending.insert_or_assign (header.channelByte, Pending { std::move (t) }).first;
        }
        else if (it == pending.end())
        {
            errors.push_back ("chunk without a first chunk: " + header.describe());
            continue;
        }

        auto& t = it->second.transaction;
        if (header.chunkOffset != t.rawPayload.size())
            errors.push_back ("chunk offset " + std::to_string (header.chunkOffset) + " but "
                              + std::to_string (t.rawPayload.size()) + " bytes held");
        if (header.sequence != t.header.sequence || header.totalLength != t.header.totalLength
            || header.command != t.header.command || header.subType != t.header.subType
            || header.argument != t.header.argument || header.checksum != t.header.checksum)
            errors.push_back ("chunk header differs from the first chunk: " + header.describe());

        t.chunkHeaders.push_back (header);
        t.rawChunks.push_back (std::move (raw));
        t.frameIndices.push_back (frameIndex);
        t.rawPayload.insert (t.rawPayload.end(), data, data + header.chunkLength);

        if (t.rawPayload.size() >= t.header.length())
        {
            if (t.rawPayload.size() > t.header.length())
                errors.push_back ("more data than the total length: " + t.header.describe());
            RecordedTransaction done = std::move (t);
            pending.erase (it);
            finish (done, completed, errors);
        }
    }
}

void TransactionDecoder::finish (RecordedTransaction& t, std::vector<RecordedTransaction>& completed,
                                 std::vector<std::string>& errors)
{
    t.checksumOk = wire::byteSum (t.rawPayload.data(), t.rawPayload.size()) == t.header.checksum;
    if (! t.checksumOk)
        errors.push_back ("checksum mismatch: " + t.header.describe());

    if (t.header.compressed())
    {
        auto plain = lz4::decompress (t.rawPayload.data(), t.rawPayload.size());
        t.decompressOk = plain.has_value();
        if (plain)
            t.payload = std::move (*plain);
        else
            errors.push_back ("payload is not a valid LZ4 frame: " + t.header.describe());
    }
    else
    {
        t.payload = t.rawPayload;
    }
    completed.push_back (std::move (t));
}

std::vector<Bytes> encodeChunks (const OutgoingTransaction& t)
{
    Bytes body = t.payload;
    std::uint32_t total = static_cast<std::uint32_t> (body.size());

    if (t.compress)
    {
        if (auto packed = lz4::compress (t.payload))
        {
            body = std::move (*packed);
            total = static_cast<std::uint32_t> (body.size()) | wire::compressedBit;
        }
    }

    TransactionHeader h;
    h.channelByte = t.channelByteOverride != 0 ? t.channelByteOverride : static_cast<std::uint8_t> (0xE0 + t.channel);
    h.version = t.version;
    h.sequence = t.sequence;
    h.replySequence = t.replySequence;
    h.command = t.command;
    h.subType = t.subType;
    h.argument = t.argument;
    h.totalLength = t.totalLengthOverride.value_or (total);
    h.checksum = t.checksumOverride.value_or (wire::byteSum (body.data(), body.size()));

    std::vector<Bytes> chunks;
    const std::size_t step = std::max<std::size_t> (1, std::min<std::size_t> (t.maxChunk, 0xFFFF));
    std::size_t offset = 0;
    do
    {
        const auto n = std::min (step, body.size() - offset);
        h.chunkOffset = static_cast<std::uint32_t> (offset);
        h.chunkLength = static_cast<std::uint16_t> (n);
        Bytes chunk;
        h.appendTo (chunk);
        chunk.insert (chunk.end(), body.begin() + static_cast<std::ptrdiff_t> (offset),
                      body.begin() + static_cast<std::ptrdiff_t> (offset + n));
        chunks.push_back (std::move (chunk));
        offset += n;
    } while (offset < body.size());

    return chunks;
}

OutgoingTransaction parameterNotification (int channel, std::uint32_t sequence, std::uint8_t dataType, std::uint16_t index,
                                           std::uint16_t objectId, std::uint16_t value)
{
    OutgoingTransaction t;
    t.channel = channel;
    t.sequence = sequence;
    t.command = 0x30;
    t.subType = dataType;
    t.argument = index;
    wire::put16 (t.payload, index);
    wire::put16 (t.payload, objectId);
    wire::put16 (t.payload, value);
    return t;
}

OutgoingTransaction engineReady (std::uint32_t sequence)
{
    OutgoingTransaction t;
    t.sequence = sequence;
    t.command = 0x00;
    return t;
}
} // namespace fhemu

#include "engine/FhAsyncDataHeader.h"


namespace
{
    std::uint16_t swap16 (std::uint16_t v) { return static_cast<std::uint16_t> ((v >> 8) | (v << 8)); }
    std::uint32_t swap32 (std::uint32_t v)
    {
        return (v >> 24) | ((v >> 8) & 0x0000FF00u) | ((v << 8) & 0x00FF0000u) | (v << 24);
    }
}

FhAsyncDataHeader FhAsyncDataHeader::byteSwapped() const
{
    FhAsyncDataHeader h;
    h.channel = channel;
    h.version = version;
    h.sequenceNumber = swap32 (sequenceNumber);
    h.replySequence = swap32 (replySequence);
    h.chunkOffset = swap32 (chunkOffset);
    h.command = command;
    h.subType = subType;
    h.argument = swap16 (argument);
    h.totalLength = swap32 (totalLength);
    h.chunkLength = swap16 (chunkLength);
    h.checksum = swap16 (checksum);
    h.reserved = reserved;
    return h;
}

FhAsyncDataHeader FhAsyncDataHeader::fromWire (const std::uint8_t* p)
{
    FhAsyncDataHeader h;
    h.channel = p[0];
    h.version = p[1];
    h.sequenceNumber = BigEndian::read32 (p + 2);
    h.replySequence = BigEndian::read32 (p + 6);
    h.chunkOffset = BigEndian::read32 (p + 10);
    h.command = p[14];
    h.subType = p[15];
    h.argument = BigEndian::read16 (p + 16);
    h.totalLength = BigEndian::read32 (p + 18);
    h.chunkLength = BigEndian::read16 (p + 22);
    h.checksum = BigEndian::read16 (p + 24);
    h.reserved = static_cast<std::uint16_t> (p[26] | (p[27] << 8));
    return h;
}

void FhAsyncDataHeader::toWire (std::uint8_t* p) const
{
    p[0] = channel;
    p[1] = version;
    BigEndian::write32 (p + 2, sequenceNumber);
    BigEndian::write32 (p + 6, replySequence);
    BigEndian::write32 (p + 10, chunkOffset);
    p[14] = command;
    p[15] = subType;
    BigEndian::write16 (p + 16, argument);
    BigEndian::write32 (p + 18, totalLength);
    BigEndian::write16 (p + 22, chunkLength);
    BigEndian::write16 (p + 24, checksum);
    p[26] = static_cast<std::uint8_t> (reserved);
    p[27] = static_cast<std::uint8_t> (reserved >> 8);
}

FhAsyncParamData FhAsyncParamData::fromWire (const std::uint8_t* p)
{
    return { BigEndian::read16 (p), BigEndian::read16 (p + 2), BigEndian::read16 (p + 4) };
}

void FhAsyncParamData::toWire (std::uint8_t* p) const
{
    BigEndian::write16 (p, index);
    BigEndian::write16 (p + 2, objectId);
    BigEndian::write16 (p + 4, value);
}

std::uint16_t computeTransactionChecksum (const std::uint8_t* data, std::size_t length)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < length; ++i)
        sum += data[i];
    return static_cast<std::uint16_t> (sum);
}

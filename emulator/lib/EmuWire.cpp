#include "EmuWire.h"

#include <cstdio>

namespace fhemu
{
namespace wire
{
    std::uint16_t get16 (const std::uint8_t* p) { return static_cast<std::uint16_t> (p[0] << 8 | p[1]); }
    std::uint32_t get32 (const std::uint8_t* p)
    {
        return std::uint32_t (p[0]) << 24 | std::uint32_t (p[1]) << 16 | std::uint32_t (p[2]) << 8 | p[3];
    }
    std::uint32_t getLe32 (const std::uint8_t* p)
    {
        return std::uint32_t (p[3]) << 24 | std::uint32_t (p[2]) << 16 | std::uint32_t (p[1]) << 8 | p[0];
    }
    void put16 (Bytes& out, std::uint16_t v)
    {
        out.push_back (static_cast<std::uint8_t> (v >> 8));
        out.push_back (static_cast<std::uint8_t> (v & 0xFF));
    }
    void put32 (Bytes& out, std::uint32_t v)
    {
        put16 (out, static_cast<std::uint16_t> (v >> 16));
        put16 (out, static_cast<std::uint16_t> (v & 0xFFFF));
    }
    void putLe32 (Bytes& out, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            out.push_back (static_cast<std::uint8_t> ((v >> (8 * i)) & 0xFF));
    }

    std::uint16_t byteSum (const std::uint8_t* data, std::size_t length)
    {
        unsigned sum = 0;
        for (std::size_t i = 0; i < length; ++i)
            sum = (sum + data[i]) & 0xFFFFu;
        return static_cast<std::uint16_t> (sum);
    }

    Bytes frame (const Bytes& payload)
    {
        return frame (payload, frameMagic, static_cast<std::int32_t> (payload.size()));
    }

    Bytes frame (const Bytes& payload, std::uint32_t magic, std::int32_t declaredLength)
    {
        Bytes out;
        out.reserve (frameHeaderSize + payload.size());
        putLe32 (out, magic);
        putLe32 (out, static_cast<std::uint32_t> (declaredLength));
        out.insert (out.end(), payload.begin(), payload.end());
        return out;
    }
} // namespace wire

TransactionHeader TransactionHeader::parse (const std::uint8_t* p)
{
    TransactionHeader h;
    h.channelByte = p[0];
    h.version = p[1];
    h.sequence = wire::get32 (p + 2);
    h.replySequence = wire::get32 (p + 6);
    h.chunkOffset = wire::get32 (p + 10);
    h.command = p[14];
    h.subType = p[15];
    h.argument = wire::get16 (p + 16);
    h.totalLength = wire::get32 (p + 18);
    h.chunkLength = wire::get16 (p + 22);
    h.checksum = wire::get16 (p + 24);
    h.reserved = wire::get16 (p + 26);
    return h;
}

void TransactionHeader::appendTo (Bytes& out) const
{
    out.push_back (channelByte);
    out.push_back (version);
    wire::put32 (out, sequence);
    wire::put32 (out, replySequence);
    wire::put32 (out, chunkOffset);
    out.push_back (command);
    out.push_back (subType);
    wire::put16 (out, argument);
    wire::put32 (out, totalLength);
    wire::put16 (out, chunkLength);
    wire::put16 (out, checksum);
    wire::put16 (out, reserved);
}

std::string TransactionHeader::describe() const
{
    char text[200];
    std::snprintf (text, sizeof (text),
                   "ch=0x%02X v=%u seq=%u reply=0x%08X off=%u cmd=0x%02X sub=%u arg=%u total=%u%s chunk=%u sum=0x%04X",
                   channelByte, version, sequence, replySequence, chunkOffset, command, subType, argument, length(),
                   compressed() ? "(lz4)" : "", chunkLength, checksum);
    return text;
}
} // namespace fhemu

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The engine's side of the asynchronous-data wire format: frames (little-endian
// magic and length) carrying transactions (28-byte big-endian header + chunk).
namespace fhemu
{
using Bytes = std::vector<std::uint8_t>;

namespace wire
{
    inline constexpr std::uint32_t frameMagic = 0x3671A379u;
    inline constexpr std::size_t frameHeaderSize = 8;
    inline constexpr std::size_t transactionHeaderSize = 28;
    inline constexpr std::uint8_t version = 2;
    inline constexpr std::uint32_t compressedBit = 0x80000000u;
    inline constexpr std::uint32_t noReply = 0xFFFFFFFFu;
    inline constexpr std::size_t maxChunkData = 1023 - transactionHeaderSize;   // what the program's frames hold

    std::uint16_t get16 (const std::uint8_t* p);
    std::uint32_t get32 (const std::uint8_t* p);
    void put16 (Bytes& out, std::uint16_t v);
    void put32 (Bytes& out, std::uint32_t v);
    void putLe32 (Bytes& out, std::uint32_t v);
    std::uint32_t getLe32 (const std::uint8_t* p);

    // Byte sum of the payload, kept to 16 bits.
    std::uint16_t byteSum (const std::uint8_t* data, std::size_t length);

    // magic (or another word, for fault tests), length (or another value) and payload.
    Bytes frame (const Bytes& payload);
    Bytes frame (const Bytes& payload, std::uint32_t magic, std::int32_t declaredLength);
} // namespace wire

// A transaction header as the engine sees it.
struct TransactionHeader
{
    std::uint8_t channelByte = 0xE0;
    std::uint8_t version = wire::version;
    std::uint32_t sequence = 0;
    std::uint32_t replySequence = wire::noReply;
    std::uint32_t chunkOffset = 0;
    std::uint8_t command = 0;
    std::uint8_t subType = 0;
    std::uint16_t argument = 0;
    std::uint32_t totalLength = 0;   // with the compressed bit
    std::uint16_t chunkLength = 0;
    std::uint16_t checksum = 0;
    std::uint16_t reserved = 0;

    int channel() const { return channelByte - 0xE0; }
    bool compressed() const { return (totalLength & wire::compressedBit) != 0; }
    std::uint32_t length() const { return totalLength & ~wire::compressedBit; }

    static TransactionHeader parse (const std::uint8_t* p);   // 28 bytes must be there
    void appendTo (Bytes& out) const;
    std::string describe() const;
};
} // namespace fhemu

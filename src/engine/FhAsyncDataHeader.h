#pragma once

#include <cstddef>
#include <cstdint>

// Transaction header of the asynchronous-data connection. On the wire it is 28
// bytes, every multi-byte field big-endian; in memory the fields are kept in
// host byte order, in the same order and widths (naturally aligned: the wire
// form is only ever read and written through fromWire and toWire).
struct FhAsyncDataHeader
{
    static constexpr std::size_t size = 28;
    static constexpr std::uint8_t channelByteBase = 0xE0;   // 0xE0 + channel number
    static constexpr std::uint8_t protocolVersion = 2;
    static constexpr std::uint32_t noReplySequence = 0xFFFFFFFFu;
    static constexpr std::uint32_t compressedFlag = 0x80000000u;  // bit 31 of totalLength
    static constexpr std::uint32_t lengthMask = 0x7FFFFFFFu;

    std::uint8_t channel = channelByteBase;
    std::uint8_t version = protocolVersion;
    std::uint32_t sequenceNumber = 0;
    std::uint32_t replySequence = noReplySequence;
    std::uint32_t chunkOffset = 0;
    std::uint8_t command = 0;
    std::uint8_t subType = 0;
    std::uint16_t argument = 0;
    std::uint32_t totalLength = 0;   // bit 31: the payload is an LZ4 frame
    std::uint16_t chunkLength = 0;
    std::uint16_t checksum = 0;
    std::uint16_t reserved = 0;

    // The same header with every multi-byte field except the reserved one byte-reversed
    // (host order <-> big-endian on a little-endian host).
    FhAsyncDataHeader byteSwapped() const;

    // Reads the 28 wire bytes at data (the caller guarantees they are there).
    static FhAsyncDataHeader fromWire (const std::uint8_t* data);
    // Writes the 28 wire bytes.
    void toWire (std::uint8_t* data) const;

    std::uint32_t payloadLength() const { return totalLength & lengthMask; }
    bool isCompressed() const { return (totalLength & compressedFlag) != 0; }
    bool isSingleChunk() const { return chunkLength == payloadLength(); }
    static std::uint8_t channelByte (int channelNumber) { return static_cast<std::uint8_t> (channelByteBase + channelNumber); }
};

// Payload of a parameter write and of a parameter notification: three
// big-endian 16-bit words on the wire.
struct FhAsyncParamData
{
    static constexpr std::size_t size = 6;

    std::uint16_t index = 0;      // track 0..11, 12 for the effects block, or 0
    std::uint16_t objectId = 0;   // the device's parameter object id
    std::uint16_t value = 0;

    static FhAsyncParamData fromWire (const std::uint8_t* data);
    void toWire (std::uint8_t* data) const;
};

// Transaction command codes (header byte 14).
namespace AsyncCommand
{
    inline constexpr std::uint8_t engineReady = 0x00;
    inline constexpr std::uint8_t write = 0x10;
    inline constexpr std::uint8_t read = 0x20;
    inline constexpr std::uint8_t readData = 0x21;
    inline constexpr std::uint8_t busy = 0x22;
    inline constexpr std::uint8_t refused = 0x23;
    inline constexpr std::uint8_t parameterNotification = 0x30;
    inline constexpr std::uint8_t realtimeControllers = 0x32;
    inline constexpr std::uint8_t channel16Note = 0x33;
    inline constexpr std::uint8_t poolRemove = 0x42;
    inline constexpr std::uint8_t poolLoad = 0x43;
    inline constexpr std::uint8_t poolSave = 0x44;
    inline constexpr std::uint8_t poolCopy = 0x45;
    inline constexpr std::uint8_t totalRecall = 0x50;
}

// Sum of every byte of the payload, truncated to 16 bits (not a CRC).
std::uint16_t computeTransactionChecksum (const std::uint8_t* data, std::size_t length);

// Big-endian access to unaligned bytes.
namespace BigEndian
{
    inline std::uint16_t read16 (const std::uint8_t* p) { return static_cast<std::uint16_t> ((p[0] << 8) | p[1]); }
    inline std::uint32_t read32 (const std::uint8_t* p)
    {
        return (std::uint32_t (p[0]) << 24) | (std::uint32_t (p[1]) << 16) | (std::uint32_t (p[2]) << 8) | std::uint32_t (p[3]);
    }
    inline void write16 (std::uint8_t* p, std::uint16_t v)
    {
        p[0] = static_cast<std::uint8_t> (v >> 8);
        p[1] = static_cast<std::uint8_t> (v);
    }
    inline void write32 (std::uint8_t* p, std::uint32_t v)
    {
        p[0] = static_cast<std::uint8_t> (v >> 24);
        p[1] = static_cast<std::uint8_t> (v >> 16);
        p[2] = static_cast<std::uint8_t> (v >> 8);
        p[3] = static_cast<std::uint8_t> (v);
    }
}

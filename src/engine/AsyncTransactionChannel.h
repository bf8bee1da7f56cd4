#pragma once

#include "engine/AsyncTransactionReceiver.h"
#include "engine/FhAsyncDataHeader.h"
#include "engine/IpcAsyncOutputStream.h"
#include "engine/Lz4Frame.h"

#include <cstdint>
#include <mutex>
#include <vector>

// One transaction channel of the asynchronous-data connection: sends
// transactions (compressed above the threshold when the channel compresses,
// cut into chunks that each fit one frame) and owns the receiver of the
// channel's incoming transactions.
//
// send, sendU32Pair and sendHeaderOnly may be called from any thread; the send
// lock keeps each transaction whole in the stream.
class AsyncTransactionChannel
{
public:
    // Payloads longer than this are compressed on a compressing channel.
    static constexpr int compressionThreshold = 400;

    AsyncTransactionChannel (int channelNumber, bool compress, IpcAsyncOutputStream& stream);

    bool send (std::uint32_t sequenceNumber, std::uint8_t command, std::uint8_t subType, std::uint16_t argument,
               const std::uint8_t* payload, int length);

    // An 8-byte payload of the two words, big-endian, first word first.
    bool sendU32Pair (std::uint32_t sequenceNumber, std::uint8_t command, std::uint8_t subType, std::uint16_t argument,
                      std::uint32_t first, std::uint32_t second);

    // Command 0x42 without payload.
    bool sendHeaderOnly (std::uint32_t sequenceNumber, std::uint8_t subType, std::uint16_t argument);

    int getChannelNumber() const { return channelNumber; }
    bool isCompressing() const { return compress; }
    AsyncTransactionReceiver& getReceiver() { return receiver; }

private:
    // Writes header + chunk and flushes; on failure removes this chunk's bytes from
    // the stream so that nothing partial goes out later.
    bool writeChunk (const FhAsyncDataHeader& header, const std::uint8_t* chunk);

    const int channelNumber;
    const bool compress;
    IpcAsyncOutputStream& stream;
    std::mutex sendLock;
    std::vector<std::uint8_t> compressedPayload;
    Lz4FrameCompressor compressor;
    AsyncTransactionReceiver receiver;
};

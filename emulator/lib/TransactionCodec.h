#pragma once

#include "EmuWire.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fhemu
{
// A frame as it arrived.
struct RecordedFrame
{
    std::uint32_t magic = 0;
    std::int32_t length = 0;
    Bytes payload;
};

// A complete transaction as the engine received it.
struct RecordedTransaction
{
    TransactionHeader header;                 // of the first chunk
    std::vector<TransactionHeader> chunkHeaders;
    std::vector<Bytes> rawChunks;             // each chunk's header and data as received
    std::vector<std::size_t> frameIndices;    // the frame each chunk came in
    Bytes rawPayload;                         // the chunks' data joined (compressed form)
    Bytes payload;                            // decompressed when it was compressed
    bool checksumOk = false;
    bool decompressOk = true;
};

// Cuts received frames into transactions and reassembles long ones, per channel
// byte. Every inconsistency is reported as a text; nothing is repaired.
class TransactionDecoder
{
public:
    void feedFrame (const Bytes& framePayload, std::size_t frameIndex, std::vector<RecordedTransaction>& completed,
                    std::vector<std::string>& errors);
    void reset() { pending.clear(); }

private:
    struct Pending
    {
        RecordedTransaction transaction;
    };

    void finish (RecordedTransaction& t, std::vector<RecordedTransaction>& completed, std::vector<std::string>& errors);

    std::map<std::uint8_t, Pending> pending;
};

// A transaction the emulator sends; every field can be set to anything, for
// fault tests.
struct OutgoingTransaction
{
    int channel = 0;
    std::uint8_t channelByteOverride = 0;   // non-zero: used as the channel byte as it is
    std::uint8_t version = wire::version;
    std::uint32_t sequence = 0;
    std::uint32_t replySequence = wire::noReply;
    std::uint8_t command = 0;
    std::uint8_t subType = 0;
    std::uint16_t argument = 0;
    Bytes payload;
    bool compress = false;                          // send the payload as an LZ4 frame
    std::optional<std::uint16_t> checksumOverride;
    std::optional<std::uint32_t> totalLengthOverride;   // as written, with the compressed bit
    std::size_t maxChunk = wire::maxChunkData;
};

// The transaction as one or more chunks, each a 28-byte header and its data.
std::vector<Bytes> encodeChunks (const OutgoingTransaction& transaction);

// Convenience builders.
OutgoingTransaction parameterNotification (int channel, std::uint32_t sequence, std::uint8_t dataType,
                                           std::uint16_t index, std::uint16_t objectId, std::uint16_t value);
OutgoingTransaction engineReady (std::uint32_t sequence);
} // namespace fhemu

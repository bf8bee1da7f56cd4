// The emulator's own transaction codec: what it records must be trustworthy,
// since the engine tests judge the program by it.
#include "AsyncDataServer.h"
#include "EmuLz4.h"
#include "TransactionCodec.h"

#include <juce_core/juce_core.h>
#include <gtest/gtest.h>

using namespace fhemu;

namespace
{
Bytes join (const std::vector<Bytes>& parts)
{
    Bytes out;
    for (const auto& p : parts)
        out.insert (out.end(), p.begin(), p.end());
    return out;
}

OutgoingTransaction sample (std::size_t length, std::uint32_t seq = 7)
{
    OutgoingTransaction t;
    t.channel = 1;
    t.sequence = seq;
    t.command = 0x21;
    t.subType = 13;
    t.argument = 4;
    for (std::size_t i = 0; i < length; ++i)
        t.payload.push_back (static_cast<std::uint8_t> (i * 13));
    return t;
}
} // namespace

TEST (EmulatorCodec, EncodesHeadersBigEndianWithTheByteSum)
{
    OutgoingTransaction t;
    t.sequence = 0x01020304;
    t.command = 0x30;
    t.subType = 5;
    t.argument = 0x0A0B;
    t.payload = { 'a', 'b', 'c' };

    const auto chunks = encodeChunks (t);
    ASSERT_EQ (chunks.size(), 1u);
    const Bytes expected { 0xE0, 2, 1, 2, 3, 4, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0x30, 5, 0x0A, 0x0B,
                           0, 0, 0, 3, 0, 3, 0x01, 0x26, 0, 0, 'a', 'b', 'c' };
    EXPECT_EQ (chunks[0], expected);
}

TEST (EmulatorCodec, DecodesSplitPackedAndCompressedTransactions)
{
    TransactionDecoder decoder;
    std::vector<RecordedTransaction> done;
    std::vector<std::string> errors;

    // A long transaction over three frames, then two transactions in one frame.
    const auto longOne = encodeChunks (sample (2500));
    ASSERT_EQ (longOne.size(), 3u);
    for (std::size_t i = 0; i < longOne.size(); ++i)
        decoder.feedFrame (longOne[i], i, done, errors);

    auto packed = sample (5000, 8);
    packed.compress = true;
    packed.maxChunk = 60000;
    decoder.feedFrame (join ({ encodeChunks (sample (3, 9)).front(), encodeChunks (packed).front() }), 3, done, errors);

    EXPECT_TRUE (errors.empty());
    ASSERT_EQ (done.size(), 3u);
    EXPECT_EQ (done[0].payload, sample (2500).payload);
    EXPECT_EQ (done[0].chunkHeaders.size(), 3u);
    EXPECT_EQ (done[0].frameIndices, (std::vector<std::size_t> { 0, 1, 2 }));
    EXPECT_TRUE (done[0].checksumOk);
    EXPECT_EQ (done[1].header.sequence, 9u);
    EXPECT_TRUE (done[2].header.compressed());
    EXPECT_LT (done[2].rawPayload.size(), 5000u);
    EXPECT_EQ (done[2].payload, packed.payload);
}

TEST (EmulatorCodec, ReportsEveryInconsistencyWithoutRepairingIt)
{
    struct Case
    {
        const char* name;
        std::function<std::vector<Bytes>()> frames;
        const char* error;
    };
    const Case cases[] = {
        { "wrong byte sum", []
          {
              auto t = sample (10);
              t.checksumOverride = 1;
              return encodeChunks (t);
          },
          "checksum mismatch" },
        { "chunk running past its frame", []
          {
              auto c = encodeChunks (sample (10)).front();
              c.resize (c.size() - 1);
              return std::vector<Bytes> { c };
          },
          "crosses the end of the frame" },
        { "a later chunk first", [] { return std::vector<Bytes> { encodeChunks (sample (2000))[1] }; },
          "chunk without a first chunk" },
        { "leftover bytes", [] { return std::vector<Bytes> { Bytes (5, 0) }; }, "too few for a header" },
        { "compressed flag on plain bytes", []
          {
              auto t = sample (10);
              t.totalLengthOverride = 10u | wire::compressedBit;
              return encodeChunks (t);
          },
          "not a valid LZ4 frame" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        TransactionDecoder decoder;
        std::vector<RecordedTransaction> done;
        std::vector<std::string> errors;
        std::size_t index = 0;
        for (const auto& f : c.frames())
            decoder.feedFrame (f, index++, done, errors);
        ASSERT_FALSE (errors.empty());
        EXPECT_NE (errors.front().find (c.error), std::string::npos) << errors.front();
    }
}

TEST (EmulatorDataServer, RecordsFramesFromAClientOnAFreePortAndStops)
{
    AsyncDataServer server;
    EXPECT_FALSE (server.isListening());
    ASSERT_TRUE (server.start (0));
    EXPECT_GT (server.getPort(), 0);
    EXPECT_FALSE (server.start (0));

    juce::StreamingSocket client;
    ASSERT_TRUE (client.connect ("127.0.0.1", server.getPort(), 3000));
    ASSERT_TRUE (server.waitForConnection (std::chrono::seconds (5)));

    const auto frame = wire::frame (encodeChunks (sample (20)).front());
    ASSERT_EQ (client.write (frame.data(), static_cast<int> (frame.size())), static_cast<int> (frame.size()));
    ASSERT_TRUE (server.received().waitForTransactions (1, std::chrono::seconds (5)));
    EXPECT_EQ (server.received().transactions().front().payload, sample (20).payload);

    // Sending back reaches the client.
    ASSERT_TRUE (server.sendFrame ({ 1, 2 }));
    std::uint8_t back[10] {};
    ASSERT_EQ (client.read (back, 10, true), 10);
    EXPECT_EQ (wire::getLe32 (back), wire::frameMagic);
    EXPECT_EQ (back[8], 1);

    server.stop();
    EXPECT_FALSE (server.isListening());
    EXPECT_FALSE (server.isClientConnected());
}

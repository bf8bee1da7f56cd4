// Sending transactions: header layout, checksum, chunking and compression as
// the emulator receives them, and the stream's behaviour on failed writes.
#include "EngineLoopback.h"
#include "FakeTransport.h"

#include "engine/AsyncTransactionChannel.h"
#include "engine/Lz4Frame.h"
#include "support/TestEnvironment.h"

using namespace enginetest;

TEST (TransactionChecksum, IsThePlainByteSumKeptTo16Bits)
{
    const std::uint8_t abc[] = { 'a', 'b', 'c' };
    EXPECT_EQ (computeTransactionChecksum (abc, 3), 0x0126);
    EXPECT_EQ (computeTransactionChecksum (nullptr, 0), 0);

    // 300 bytes of 0xFF sum to 76500 = 0x12AD4, kept as 0x2AD4.
    const std::vector<std::uint8_t> ff (300, 0xFF);
    EXPECT_EQ (computeTransactionChecksum (ff.data(), ff.size()), 0x2AD4);
}

TEST (FhAsyncDataHeaderTest, WireFormIsBigEndianAndByteSwappedMatchesIt)
{
    FhAsyncDataHeader h;
    h.channel = 0xE1;
    h.sequenceNumber = 0x01020304;
    h.chunkOffset = 0x0A0B0C0D;
    h.command = 0x10;
    h.subType = 6;
    h.argument = 0x0102;
    h.totalLength = 0x80000190;
    h.chunkLength = 0x0190;
    h.checksum = 0xBEEF;

    std::uint8_t wire[FhAsyncDataHeader::size] {};
    h.toWire (wire);
    const std::uint8_t expected[FhAsyncDataHeader::size] = { 0xE1, 2, 1, 2, 3, 4, 0xFF, 0xFF, 0xFF, 0xFF, 0x0A, 0x0B, 0x0C, 0x0D,
                                                            0x10, 6, 1, 2, 0x80, 0, 1, 0x90, 1, 0x90, 0xBE, 0xEF, 0, 0 };
    EXPECT_EQ (std::vector<std::uint8_t> (wire, wire + 28), std::vector<std::uint8_t> (expected, expected + 28));

    const auto back = FhAsyncDataHeader::fromWire (wire);
    EXPECT_EQ (back.sequenceNumber, h.sequenceNumber);
    EXPECT_EQ (back.totalLength, h.totalLength);
    EXPECT_TRUE (back.isCompressed());
    EXPECT_EQ (back.payloadLength(), 0x190u);

    // Byte-swapping turns each multi-byte field into its wire bytes as this
    // (little-endian) machine stores them, and back.
    const auto swapped = h.byteSwapped();
    auto native32 = [&] (int offset)
    {
        std::uint32_t v;
        std::memcpy (&v, wire + offset, 4);
        return v;
    };
    auto native16 = [&] (int offset)
    {
        std::uint16_t v;
        std::memcpy (&v, wire + offset, 2);
        return v;
    };
    EXPECT_EQ (swapped.channel, 0xE1);
    EXPECT_EQ (swapped.sequenceNumber, native32 (2));
    EXPECT_EQ (swapped.replySequence, native32 (6));
    EXPECT_EQ (swapped.chunkOffset, native32 (10));
    EXPECT_EQ (swapped.argument, native16 (16));
    EXPECT_EQ (swapped.totalLength, native32 (18));
    EXPECT_EQ (swapped.chunkLength, native16 (22));
    EXPECT_EQ (swapped.checksum, native16 (24));
    EXPECT_EQ (swapped.byteSwapped().sequenceNumber, h.sequenceNumber);
}

namespace
{
class ChannelOverSocket : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE (loop.connect()); }

    Loopback loop;
};
} // namespace

TEST_F (ChannelOverSocket, LongTransactionIsCutInto995ByteChunksEachInItsOwnFrame)
{
    struct Case
    {
        std::size_t length;
        std::vector<std::uint16_t> chunks;
    };
    const Case cases[] = {
        { 1, { 1 } },
        { 995, { 995 } },
        { 996, { 995, 1 } },
        { 1000, { 995, 5 } },
        { 3000, { 995, 995, 995, 15 } },
    };

    std::size_t framesBefore = 0;
    std::size_t transactionsBefore = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.length);
        const auto payload = patternBytes (c.length);
        const auto seq = loop.processor.takeSequenceNumber();
        ASSERT_TRUE (loop.processor.getChannel0().send (seq, AsyncCommand::write, 6, 3, payload.data(), static_cast<int> (payload.size())));

        ASSERT_TRUE (loop.server.received().waitForTransactions (transactionsBefore + 1, 5000ms));
        const auto frames = loop.server.received().frames();
        const auto t = loop.server.received().transactions().back();

        ASSERT_EQ (frames.size() - framesBefore, c.chunks.size());
        ASSERT_EQ (t.chunkHeaders.size(), c.chunks.size());
        std::uint32_t offset = 0;
        for (std::size_t i = 0; i < c.chunks.size(); ++i)
        {
            EXPECT_EQ (t.chunkHeaders[i].chunkLength, c.chunks[i]);
            EXPECT_EQ (t.chunkHeaders[i].chunkOffset, offset);
            EXPECT_EQ (t.chunkHeaders[i].sequence, seq);
            EXPECT_EQ (t.chunkHeaders[i].totalLength, c.length);
            EXPECT_EQ (frames[framesBefore + i].payload.size(), 28u + c.chunks[i]);
            offset += c.chunks[i];
        }
        EXPECT_EQ (t.header.channelByte, 0xE0);
        EXPECT_EQ (t.header.version, 2);
        EXPECT_EQ (t.header.replySequence, 0xFFFFFFFFu);
        EXPECT_EQ (t.header.command, 0x10);
        EXPECT_EQ (t.header.subType, 6);
        EXPECT_EQ (t.header.argument, 3);
        EXPECT_EQ (t.header.reserved, 0);
        EXPECT_TRUE (t.checksumOk);
        EXPECT_EQ (t.payload, payload);

        framesBefore = frames.size();
        transactionsBefore = loop.server.received().numTransactions();
    }
    EXPECT_TRUE (loop.server.received().errors().empty());
}

TEST_F (ChannelOverSocket, OnlyChannelOneCompressesAndOnlyAbove400Bytes)
{
    struct Case
    {
        int channel;
        std::size_t length;
        bool compressed;
    };
    const Case cases[] = {
        { 1, 400, false }, { 1, 401, true }, { 1, 20000, true }, { 0, 401, false }, { 0, 5000, false },
    };

    std::size_t count = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE (std::to_string (c.channel) + "/" + std::to_string (c.length));
        auto& channel = c.channel == 0 ? loop.processor.getChannel0() : loop.processor.getChannel1();
        // Compressible content: repeated runs.
        std::vector<std::uint8_t> payload (c.length);
        for (std::size_t i = 0; i < payload.size(); ++i)
            payload[i] = static_cast<std::uint8_t> ((i / 16) % 7);

        ASSERT_TRUE (channel.send (loop.processor.takeSequenceNumber(), AsyncCommand::write, 27, 0, payload.data(),
                                   static_cast<int> (payload.size())));
        ASSERT_TRUE (loop.server.received().waitForTransactions (++count, 5000ms));

        const auto t = loop.server.received().transactions().back();
        EXPECT_EQ (t.header.compressed(), c.compressed);
        EXPECT_EQ (t.header.channelByte, 0xE0 + c.channel);
        EXPECT_TRUE (t.checksumOk);   // over the bytes as sent
        EXPECT_TRUE (t.decompressOk);
        EXPECT_EQ (t.payload, payload);
        if (c.compressed)
        {
            EXPECT_EQ (t.header.length(), t.rawPayload.size());
        }
    }
    EXPECT_TRUE (loop.server.received().errors().empty());
}

TEST_F (ChannelOverSocket, WordPairsAndHeaderOnlyCommands)
{
    ASSERT_TRUE (loop.processor.getChannel1().sendU32Pair (500, AsyncCommand::read, 4, 7, 0x01020304u, 0xA0B0C0D0u));
    ASSERT_TRUE (loop.processor.getChannel1().sendHeaderOnly (501, 30, 12));
    ASSERT_TRUE (loop.server.received().waitForTransactions (2, 5000ms));

    const auto ts = loop.server.received().transactions();
    EXPECT_EQ (ts[0].header.command, 0x20);
    EXPECT_EQ (ts[0].header.sequence, 500u);
    EXPECT_EQ (ts[0].payload, (std::vector<std::uint8_t> { 1, 2, 3, 4, 0xA0, 0xB0, 0xC0, 0xD0 }));

    EXPECT_EQ (ts[1].header.command, 0x42);
    EXPECT_EQ (ts[1].header.subType, 30);
    EXPECT_EQ (ts[1].header.argument, 12);
    EXPECT_EQ (ts[1].header.totalLength, 0u);
    EXPECT_EQ (ts[1].header.chunkLength, 0);
    EXPECT_EQ (ts[1].header.checksum, 0);
    EXPECT_EQ (ts[1].rawChunks.front().size(), 28u);
}

TEST (ChannelStream, EmptyPayloadSendsNothingAndSucceeds)
{
    FakeTransport transport;
    IpcAsyncOutputStream stream (&transport);
    AsyncTransactionChannel channel (1, true, stream);

    EXPECT_TRUE (channel.send (100, AsyncCommand::write, 6, 0, nullptr, 0));
    EXPECT_TRUE (transport.sent().empty());
    EXPECT_FALSE (channel.send (100, AsyncCommand::write, 6, 0, nullptr, -1));
}

TEST (ChannelStream, FailedSendLeavesNoBytesBehindAndARetryGoesOutOnce)
{
    FakeTransport transport;
    IpcAsyncOutputStream stream (&transport);
    AsyncTransactionChannel channel (1, true, stream);
    const auto payload = patternBytes (100);

    transport.failNext (1);
    EXPECT_FALSE (channel.send (100, AsyncCommand::write, 6, 0, payload.data(), 100));
    EXPECT_EQ (stream.getNumBuffered(), 0u);

    ASSERT_TRUE (channel.send (101, AsyncCommand::write, 6, 0, payload.data(), 100));
    const auto frames = transport.sent();
    ASSERT_EQ (frames.size(), 1u);
    const auto headers = headersInFrame (frames[0]);
    ASSERT_EQ (headers.size(), 1u);
    EXPECT_EQ (headers[0].sequenceNumber, 101u);
    EXPECT_EQ (frames[0].size(), 128u);
}

TEST (ChannelStream, FailedLaterChunkIsNotSentLater)
{
    FakeTransport transport;
    IpcAsyncOutputStream stream (&transport);
    AsyncTransactionChannel channel (0, false, stream);
    const auto payload = patternBytes (1500);

    // The first chunk goes out, the second fails.
    transport.failNext (1, 1);
    EXPECT_FALSE (channel.send (7, AsyncCommand::write, 6, 0, payload.data(), 1500));
    EXPECT_EQ (stream.getNumBuffered(), 0u);
    ASSERT_EQ (transport.sent().size(), 1u);

    // The next transaction's frame holds that transaction alone.
    const std::uint8_t small[] = { 1, 2, 3 };
    ASSERT_TRUE (channel.send (8, AsyncCommand::write, 6, 0, small, 3));
    const auto frames = transport.sent();
    ASSERT_EQ (frames.size(), 2u);
    const auto headers = headersInFrame (frames[1]);
    ASSERT_EQ (headers.size(), 1u);
    EXPECT_EQ (headers[0].sequenceNumber, 8u);
    EXPECT_EQ (frames[1].size(), 31u);
}

TEST (ChannelStream, BytesBufferedForAClosedConnectionNeverReachTheNextOne)
{
    FakeTransport transport;
    IpcAsyncOutputStream stream (&transport);
    const std::uint8_t stale[] = { 0xAA, 0xBB };

    // Buffered but not flushed (as parameter changes wait for the pass's flush).
    stream.beginTransaction();
    ASSERT_TRUE (stream.write (stale, 2));
    transport.generation = 1;   // the connection was closed and opened again

    EXPECT_FALSE (stream.flush());   // the stale bytes are dropped, not sent
    EXPECT_EQ (stream.getNumBuffered(), 0u);

    AsyncTransactionChannel channel (1, true, stream);
    const std::uint8_t fresh[] = { 1 };
    ASSERT_TRUE (channel.send (9, AsyncCommand::write, 6, 0, fresh, 1));
    const auto frames = transport.sent();
    ASSERT_EQ (frames.size(), 1u);
    EXPECT_EQ (frames[0].size(), 29u);
    EXPECT_EQ (headersInFrame (frames[0]).front().sequenceNumber, 9u);
}

TEST (ChannelStream, OutputStreamKeepsFramesAt1023Bytes)
{
    FakeTransport transport;
    IpcAsyncOutputStream stream (&transport);
    const auto bytes = patternBytes (2500);

    ASSERT_TRUE (stream.write (bytes.data(), bytes.size()));
    ASSERT_TRUE (stream.flush());
    const auto frames = transport.sent();
    ASSERT_EQ (frames.size(), 3u);
    EXPECT_EQ (frames[0].size(), 1023u);
    EXPECT_EQ (frames[1].size(), 1023u);
    EXPECT_EQ (frames[2].size(), 454u);
    EXPECT_TRUE (stream.flush());   // empty: nothing more
    EXPECT_EQ (transport.sent().size(), 3u);
}

// Receiving transactions: frames cut into transactions, reassembly of long
// ones with their checks, decompression, and malformed input from the engine.
#include "EngineLoopback.h"

#include "engine/AsyncTransactionReceiver.h"
#include "engine/EngineLimits.h"
#include "engine/Lz4Frame.h"
#include "support/TestEnvironment.h"

#include "EmuLz4.h"

using namespace enginetest;

namespace
{
class ReceiveOverSocket : public ::testing::Test
{
protected:
    void SetUp() override
    {
        loop.startProcessor();
        ASSERT_TRUE (loop.connect());
    }

    static fhemu::OutgoingTransaction readData (std::uint32_t seq, std::size_t length, int channel = 1)
    {
        fhemu::OutgoingTransaction t;
        t.channel = channel;
        t.sequence = seq;
        t.replySequence = seq + 1000;
        t.command = 0x21;
        t.subType = 13;
        t.payload = patternBytes (length, static_cast<std::uint8_t> (seq));
        return t;
    }

    fhtest::ScopedLogCapture logs;
    Loopback loop;
};
} // namespace

TEST_F (ReceiveOverSocket, ThreeTransactionsPackedInOneFrameAreQueuedInOrder)
{
    ASSERT_TRUE (loop.server.sendPacked ({ fhemu::parameterNotification (0, 1, 5, 2, 300, 0x4000),
                                           fhemu::engineReady (2),
                                           readData (3, 200) }));

    const auto got = loop.takeReceived (3);
    ASSERT_EQ (got.size(), 3u);
    EXPECT_EQ (got[0].header.command, 0x30);
    EXPECT_EQ (got[0].payload, (std::vector<std::uint8_t> { 0, 2, 1, 0x2C, 0x40, 0 }));
    EXPECT_EQ (FhAsyncParamData::fromWire (got[0].payload.data()).objectId, 300);
    EXPECT_EQ (got[1].header.command, 0x00);
    EXPECT_TRUE (got[1].payload.empty());
    EXPECT_EQ (got[2].header.replySequence, 1003u);
    EXPECT_EQ (got[2].payload, patternBytes (200, 3));
    EXPECT_EQ (logs.count ("Processed 3 async transactions in one packet!"), 0);   // offered one at a time
    EXPECT_GE (loop.arrivals.arrivals.load(), 3);
}

TEST_F (ReceiveOverSocket, TransactionSplitAcrossFramesWaitsForItsRest)
{
    // Frame 1: a whole transaction and the first half of the next; frame 2: the rest.
    const auto first = fhemu::encodeChunks (fhemu::parameterNotification (0, 10, 8, 12, 5, 1)).front();
    const auto second = fhemu::encodeChunks (readData (11, 300, 0)).front();
    std::vector<std::uint8_t> frame1 (first);
    frame1.insert (frame1.end(), second.begin(), second.begin() + 150);
    const std::vector<std::uint8_t> frame2 (second.begin() + 150, second.end());

    ASSERT_TRUE (loop.server.sendFrame (frame1));
    const auto afterFirst = loop.takeReceived (1);
    ASSERT_EQ (afterFirst.size(), 1u);
    EXPECT_EQ (afterFirst[0].header.sequenceNumber, 10u);

    ASSERT_TRUE (loop.server.sendFrame (frame2));
    const auto all = loop.takeReceived (2);
    ASSERT_EQ (all.size(), 2u);
    EXPECT_EQ (all[1].header.sequenceNumber, 11u);
    EXPECT_EQ (all[1].payload, patternBytes (300, 11));
}

TEST_F (ReceiveOverSocket, LongTransactionsAreReassembledAndDecompressed)
{
    auto plain = readData (20, 5000, 0);
    plain.maxChunk = 995;

    auto packed = readData (21, 20000, 1);
    for (std::size_t i = 0; i < packed.payload.size(); ++i)
        packed.payload[i] = static_cast<std::uint8_t> (i / 100);
    packed.compress = true;
    packed.maxChunk = 600;

    // The engine may cut chunks differently from this program.
    auto odd = readData (22, 5, 1);
    odd.maxChunk = 2;

    ASSERT_TRUE (loop.server.sendTransaction (plain));
    ASSERT_TRUE (loop.server.sendTransaction (packed));
    ASSERT_TRUE (loop.server.sendTransaction (odd));

    const auto got = loop.takeReceived (3);
    ASSERT_EQ (got.size(), 3u);
    EXPECT_EQ (got[0].payload, plain.payload);
    EXPECT_EQ (got[0].header.chunkOffset, 0u);
    EXPECT_TRUE (got[1].header.isCompressed());
    EXPECT_EQ (got[1].payload, packed.payload);
    EXPECT_EQ (got[2].payload, odd.payload);
}

TEST_F (ReceiveOverSocket, WrongChecksumRejectsALongTransactionButNotASingleChunk)
{
    auto single = readData (30, 100);
    single.checksumOverride = 0x1234;
    auto longOne = readData (31, 2000);
    longOne.checksumOverride = 0x1234;

    ASSERT_TRUE (loop.server.sendTransaction (single));
    ASSERT_TRUE (loop.server.sendTransaction (longOne));
    ASSERT_TRUE (loop.server.sendTransaction (readData (32, 10)));

    const auto got = loop.takeReceived (2);
    ASSERT_EQ (got.size(), 2u);
    EXPECT_EQ (got[0].header.sequenceNumber, 30u);
    EXPECT_EQ (got[1].header.sequenceNumber, 32u);
    EXPECT_EQ (logs.count ("CRC mismatch of complete transaction data! Aborting"), 1);
}

TEST_F (ReceiveOverSocket, MalformedTransactionsAreDroppedWithTheirLogLines)
{
    struct Case
    {
        const char* name;
        std::function<bool (fhemu::AsyncDataServer&)> send;
        const char* logLine;
    };

    const Case cases[] = {
        { "second chunk with another sequence number",
          [] (fhemu::AsyncDataServer& s)
          {
              auto a = fhemu::encodeChunks (readData (40, 1500));
              auto b = readData (41, 1500);
              const auto bChunks = fhemu::encodeChunks (b);
              return s.sendFrame (a[0]) && s.sendFrame (bChunks[1]);
          },
          "Long transaction header mismatch! (at offset 995). Aborting..." },
        { "chunk at offset 995 with nothing held",
          [] (fhemu::AsyncDataServer& s) { return s.sendFrame (fhemu::encodeChunks (readData (42, 1500))[1]); },
          "Long transaction offset mismatch! (at offset 995). Aborting..." },
        { "more data than the total",
          [] (fhemu::AsyncDataServer& s)
          {
              auto t = readData (43, 1500);
              t.totalLengthOverride = 1200;
              const auto chunks = fhemu::encodeChunks (t);
              return s.sendFrame (chunks[0]) && s.sendFrame (chunks[1]);
          },
          "Too much data received! Expected 1200 bytes, received 1500 bytes." },
        { "wrong protocol version",
          [] (fhemu::AsyncDataServer& s)
          {
              auto t = readData (44, 10);
              t.version = 3;
              return s.sendTransaction (t);
          },
          "Wrong protocol version: 3" },
        { "total length above the limit",
          [] (fhemu::AsyncDataServer& s)
          {
              auto t = readData (45, 100);
              t.totalLengthOverride = static_cast<std::uint32_t> (EngineLimits::maxTransactionLength + 1);
              return s.sendTransaction (t);
          },
          "exceeds the limit" },
        { "compressed flag on bytes that are no LZ4 frame",
          [] (fhemu::AsyncDataServer& s)
          {
              auto t = readData (46, 50);
              t.totalLengthOverride = 50u | 0x80000000u;
              return s.sendTransaction (t);
          },
          "Failed to decompress async packet payload" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        ASSERT_TRUE (c.send (loop.server));
        // A good transaction behind each bad one shows the intake is back in step.
        ASSERT_TRUE (loop.server.sendTransaction (fhemu::engineReady (99)));
        ASSERT_TRUE (waitUntil ([&] { return logs.count (c.logLine) >= 1; }));
    }

    const auto got = loop.takeReceived (7);
    int ready = 0;
    for (const auto& t : got)
    {
        if (t.header.command == 0x00)
            ++ready;
        else
        {
            // Only the undecompressable one is queued, with an empty payload.
            EXPECT_EQ (t.header.sequenceNumber, 46u);
            EXPECT_TRUE (t.payload.empty());
        }
    }
    EXPECT_EQ (ready, 6);
    EXPECT_EQ (got.size(), 7u);
    EXPECT_TRUE (loop.connection.isConnected());
}

TEST_F (ReceiveOverSocket, UnrecognisedHeaderWaitingForBytesIsDroppedNotWaitedFor)
{
    // 40 bytes of garbage whose "chunk length" would make the intake wait for 64 KB.
    std::vector<std::uint8_t> garbage (40, 0xFF);
    ASSERT_TRUE (loop.server.sendFrame (garbage));
    ASSERT_TRUE (loop.server.sendTransaction (fhemu::engineReady (5)));

    const auto got = loop.takeReceived (1);
    ASSERT_EQ (got.size(), 1u);
    EXPECT_EQ (got[0].header.sequenceNumber, 5u);
    EXPECT_EQ (logs.count ("Unrecognised async transaction header"), 1);
}

TEST (ReceiverAlone, RefusesOtherChannelsSilentlyAndNeverReadsPastTheBytes)
{
    fhtest::ScopedLogCapture logs;
    AsyncTransactionReceiver receiver (0);
    int delivered = 0;
    receiver.setCallback ([&] (std::uint8_t, const FhAsyncDataHeader&, const std::uint8_t*, std::size_t) { ++delivered; });

    auto t = fhemu::parameterNotification (1, 1, 5, 0, 1, 2);   // channel byte 0xE1
    const auto bytes = fhemu::encodeChunks (t).front();
    EXPECT_FALSE (receiver.handleAsyncData (bytes.data(), static_cast<int> (bytes.size())));
    EXPECT_TRUE (logs.lines().empty());

    // Fewer bytes than a header, and a header whose chunk runs past the bytes.
    const auto own = fhemu::encodeChunks (fhemu::parameterNotification (0, 1, 5, 0, 1, 2)).front();
    EXPECT_TRUE (receiver.handleAsyncData (own.data(), 10));
    EXPECT_TRUE (receiver.handleAsyncData (own.data(), 30));
    EXPECT_EQ (logs.count ("Header points beyond received data!"), 2);
    EXPECT_EQ (delivered, 0);

    EXPECT_FALSE (receiver.handleAsyncData (nullptr, 5));
    EXPECT_TRUE (receiver.handleAsyncData (own.data(), 0));

    // Two in one run are both delivered and counted.
    std::vector<std::uint8_t> two (own);
    two.insert (two.end(), own.begin(), own.end());
    EXPECT_TRUE (receiver.handleAsyncData (two.data(), static_cast<int> (two.size())));
    EXPECT_EQ (delivered, 2);
    EXPECT_EQ (logs.count ("Processed 2 async transactions in one packet!"), 1);
}

TEST (Lz4FrameTest, RoundTripsAndRefusesBadOrOversizedFrames)
{
    std::vector<std::uint8_t> data (100000);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t> ((i * 7) / 300);

    std::vector<std::uint8_t> packed;
    ASSERT_TRUE (lz4CompressFrame (data.data(), data.size(), packed));
    EXPECT_LT (packed.size(), data.size());

    // The engine's decoder reads what this program writes, and the other way round.
    const auto viaEngine = fhemu::lz4::decompress (packed.data(), packed.size());
    ASSERT_TRUE (viaEngine.has_value());
    EXPECT_EQ (*viaEngine, data);

    const auto fromEngine = fhemu::lz4::compress (data);
    ASSERT_TRUE (fromEngine.has_value());
    std::vector<std::uint8_t> out;
    ASSERT_TRUE (lz4DecompressFrame (fromEngine->data(), fromEngine->size(), out));
    EXPECT_EQ (out, data);

    // Output above the limit, truncated input, trailing bytes, garbage.
    fhtest::ScopedLogCapture logs;
    EXPECT_FALSE (lz4DecompressFrame (packed.data(), packed.size(), out, 50000));
    EXPECT_TRUE (out.empty());
    EXPECT_EQ (logs.count ("refused"), 1);
    EXPECT_FALSE (lz4DecompressFrame (packed.data(), packed.size() - 3, out));
    auto trailing = packed;
    trailing.push_back (0);
    EXPECT_FALSE (lz4DecompressFrame (trailing.data(), trailing.size(), out));
    const std::vector<std::uint8_t> garbage (64, 0x5A);
    EXPECT_FALSE (lz4DecompressFrame (garbage.data(), garbage.size(), out));
}

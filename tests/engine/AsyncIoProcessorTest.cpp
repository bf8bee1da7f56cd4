// The I/O processor's outgoing queues as the emulator receives them: merged
// parameter changes, controller records, channel-16 notes, and retries.
#include "EngineLoopback.h"
#include "FakeTransport.h"

#include "support/TestEnvironment.h"

#include <thread>

using namespace enginetest;

namespace
{
class ProcessorOverSocket : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE (loop.connect()); }

    std::vector<fhemu::RecordedTransaction> waitForTransactions (std::size_t n)
    {
        EXPECT_TRUE (loop.server.received().waitForTransactions (n, 5000ms));
        return loop.server.received().transactions();
    }

    fhtest::ScopedLogCapture logs;
    Loopback loop;
};

std::uint16_t word (const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return static_cast<std::uint16_t> (bytes[offset] << 8 | bytes[offset + 1]);
}
} // namespace

TEST_F (ProcessorOverSocket, TenChangesOfOneParameterLeaveAsOneWithTheLastValue)
{
    for (std::uint16_t v = 1; v <= 10; ++v)
        ASSERT_TRUE (loop.processor.pushParameterChange (5, 3, { 3, 120, static_cast<std::uint16_t> (v * 256) }));

    loop.startProcessor();
    const auto ts = waitForTransactions (1);
    std::this_thread::sleep_for (50ms);
    ASSERT_EQ (loop.server.received().numTransactions(), 1u);

    const auto& t = ts[0];
    EXPECT_EQ (t.header.channelByte, 0xE0);
    EXPECT_EQ (t.header.command, 0x10);
    EXPECT_EQ (t.header.subType, 5);
    EXPECT_EQ (t.header.argument, 3);
    EXPECT_EQ (t.header.replySequence, 0xFFFFFFFFu);
    EXPECT_EQ (t.header.totalLength, 6u);
    EXPECT_EQ (t.header.sequence, 100u);   // the first number of the counter
    EXPECT_TRUE (t.checksumOk);
    EXPECT_EQ (t.payload, (std::vector<std::uint8_t> { 0, 3, 0, 120, 0x0A, 0x00 }));
    EXPECT_EQ (logs.count ("Merged automation! (9 discarded values)"), 1);
}

TEST_F (ProcessorOverSocket, AlternatingChangesKeepFirstOccurrenceOrderAndShareOneFrame)
{
    const FhAsyncParamData a1 { 0, 10, 1 }, b { 0, 11, 2 }, a2 { 0, 10, 3 };
    ASSERT_TRUE (loop.processor.pushParameterChange (14, 0, a1));
    ASSERT_TRUE (loop.processor.pushParameterChange (14, 0, b));
    ASSERT_TRUE (loop.processor.pushParameterChange (14, 0, a2));
    // Same object id but another owner: a different parameter.
    ASSERT_TRUE (loop.processor.pushParameterChange (5, 4, { 4, 10, 9 }));

    loop.startProcessor();
    const auto ts = waitForTransactions (3);
    ASSERT_EQ (ts.size(), 3u);
    EXPECT_EQ (FhAsyncParamData::fromWire (ts[0].payload.data()).objectId, 10);
    EXPECT_EQ (FhAsyncParamData::fromWire (ts[0].payload.data()).value, 3);
    EXPECT_EQ (FhAsyncParamData::fromWire (ts[1].payload.data()).objectId, 11);
    EXPECT_EQ (ts[2].header.argument, 4);
    EXPECT_EQ (ts[0].frameIndices.front(), ts[2].frameIndices.front());   // one frame for the pass
    EXPECT_EQ (ts[1].header.sequence, ts[0].header.sequence + 1);
}

TEST_F (ProcessorOverSocket, ManyParametersFill30PerFrame)
{
    for (std::uint16_t id = 0; id < 100; ++id)
        ASSERT_TRUE (loop.processor.pushParameterChange (5, 0, { 0, id, id }));

    loop.startProcessor();
    waitForTransactions (100);
    const auto frames = loop.server.received().frames();
    ASSERT_EQ (frames.size(), 4u);
    EXPECT_EQ (frames[0].payload.size(), 30u * 34u);
    EXPECT_EQ (frames[3].payload.size(), 10u * 34u);
    EXPECT_TRUE (loop.server.received().errors().empty());
}

TEST_F (ProcessorOverSocket, ControllerRecordBytes)
{
    loop.startProcessor();
    loop.processor.pushRealtimeController (2, 0x1234, false, false, true, false);
    loop.processor.pushRealtimeController (12, 0x7F00, true, false, false, false);
    // Ignored: tracks outside 0..12, no kind.
    loop.processor.pushRealtimeController (13, 1, true, false, false, false);
    loop.processor.pushRealtimeController (15, 1, true, false, false, false);
    loop.processor.pushRealtimeController (-1, 1, true, false, false, false);
    loop.processor.pushRealtimeController (0, 1, false, false, false, false);

    const auto ts = waitForTransactions (2);
    std::this_thread::sleep_for (50ms);
    ASSERT_EQ (loop.server.received().numTransactions(), 2u);

    for (const auto& t : ts)
    {
        EXPECT_EQ (t.header.command, 0x32);
        EXPECT_EQ (t.header.subType, 2);
        EXPECT_EQ (t.header.argument, 0);
        ASSERT_EQ (t.payload.size(), 132u);
    }

    std::vector<std::uint8_t> expected (132, 0);
    expected[1] = 0x04;                     // track mask: track 2
    expected[2 + 20 + 1] = 0x04;            // slot 2 kind: pitch bend
    expected[2 + 20 + 6] = 0x12;            // slot 2 pitch bend value
    expected[2 + 20 + 7] = 0x34;
    EXPECT_EQ (ts[0].payload, expected);

    EXPECT_EQ (word (ts[1].payload, 0), 1 << 12);
    EXPECT_EQ (word (ts[1].payload, 2 + 120), 1);          // kind: channel pressure
    EXPECT_EQ (word (ts[1].payload, 2 + 120 + 2), 0x7F00);  // channel pressure value
}

TEST_F (ProcessorOverSocket, Channel16NotesFromTwoThreadsAllArrive)
{
    loop.processor.pushChannel16Note (128);   // ignored
    loop.startProcessor();

    loop.processor.pushChannel16Note (60);
    const auto first = waitForTransactions (1);
    EXPECT_EQ (first[0].header.command, 0x33);
    EXPECT_EQ (first[0].header.subType, 3);
    EXPECT_EQ (first[0].payload, (std::vector<std::uint8_t> { 60 }));

    // The audio thread and the message thread push at the same time.
    constexpr int perThread = 200;
    std::thread audio ([&] { for (int i = 0; i < perThread; ++i) loop.processor.pushChannel16Note (1); });
    std::thread message ([&] { for (int i = 0; i < perThread; ++i) loop.processor.pushChannel16Note (2); });
    audio.join();
    message.join();

    const auto ts = waitForTransactions (1 + 2 * perThread);
    int ones = 0, twos = 0;
    for (std::size_t i = 1; i < ts.size(); ++i)
    {
        ASSERT_EQ (ts[i].payload.size(), 1u);
        (ts[i].payload[0] == 1 ? ones : twos)++;
    }
    EXPECT_EQ (ones, perThread);
    EXPECT_EQ (twos, perThread);
}

TEST (ProcessorQueues, The8193rdPendingParameterChangeIsRefused)
{
    FakeTransport transport;
    CountingArrivalListener listener;
    AsyncIoProcessor processor (&transport, &listener);

    for (int i = 0; i < 8192; ++i)
        ASSERT_TRUE (processor.pushParameterChange (5, 0, { 0, static_cast<std::uint16_t> (i), 0 }));
    EXPECT_FALSE (processor.pushParameterChange (5, 0, { 0, 1, 0 }));
}

TEST (ProcessorQueues, ReceivedDataIsRefusedWhileTheThreadIsNotRunning)
{
    fhtest::ScopedLogCapture logs;
    FakeTransport transport;
    CountingArrivalListener listener;
    AsyncIoProcessor processor (&transport, &listener);

    const std::uint8_t bytes[4] {};
    EXPECT_FALSE (processor.handleReceivedData (bytes, 4));
    EXPECT_EQ (logs.count ("Received async data after Worker closure!"), 1);
}

TEST (ProcessorRetries, AFailingConnectionNeverDuplicatesOrGarblesParameterWrites)
{
    FakeTransport transport;
    CountingArrivalListener listener;
    AsyncIoProcessor processor (&transport, &listener);

    // 45 changes need two frames; the first (30 entries) fails three times
    // before it goes through, while the 31st entry waits for room.
    for (std::uint16_t id = 0; id < 45; ++id)
        ASSERT_TRUE (processor.pushParameterChange (5, 0, { 0, id, id }));
    transport.failNext (3);

    processor.startThread();
    ASSERT_TRUE (waitUntil ([&] { return transport.sent().size() >= 2; }));
    processor.stopThread (5000);

    std::vector<int> seen (45, 0);
    for (const auto& frame : transport.sent())
    {
        ASSERT_EQ (frame.size() % 34, 0u);
        for (const auto& h : headersInFrame (frame))
        {
            ASSERT_EQ (h.chunkLength, 6);
            ASSERT_EQ (h.command, 0x10);
        }
        for (std::size_t pos = 0; pos < frame.size(); pos += 34)
            ++seen[FhAsyncParamData::fromWire (frame.data() + pos + 28).objectId];
    }
    for (int count : seen)
        EXPECT_EQ (count, 1);
}

TEST (ProcessorRetries, ChangesGivenUpAfterFailedFlushesAreNotSentLater)
{
    fhtest::ScopedLogCapture logs;
    FakeTransport transport;
    CountingArrivalListener listener;
    AsyncIoProcessor processor (&transport, &listener);

    ASSERT_TRUE (processor.pushParameterChange (5, 0, { 0, 1, 1 }));
    transport.failNext (500);
    processor.startThread();
    ASSERT_TRUE (waitUntil ([&] { return logs.count ("Automation Queue flush failed!") == 1; }, 20000ms));

    ASSERT_TRUE (processor.pushParameterChange (5, 0, { 0, 2, 2 }));
    ASSERT_TRUE (waitUntil ([&] { return ! transport.sent().empty(); }));
    processor.stopThread (5000);

    const auto frames = transport.sent();
    ASSERT_EQ (frames.size(), 1u);
    ASSERT_EQ (frames[0].size(), 34u);
    EXPECT_EQ (FhAsyncParamData::fromWire (frames[0].data() + 28).objectId, 2);
}

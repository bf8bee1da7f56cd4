// The framed socket and the asynchronous-data connection against the
// emulator's data channel over loopback TCP.
#include "EngineLoopback.h"

#include "engine/EngineLimits.h"
#include "engine/IpcAudioConnectionSignalling.h"
#include "support/TestEnvironment.h"

#include "EmuWire.h"

#include <thread>

using namespace enginetest;

namespace
{
// A connection whose frames are collected for the test.
class FrameCollector : public IpcConnectionAsyncData::Client
{
public:
    void asyncDataReceived (IpcConnectionAsyncData*, const std::vector<std::uint8_t>& payload) override
    {
        std::lock_guard<std::mutex> l (lock);
        frames.push_back (payload);
    }
    std::vector<std::vector<std::uint8_t>> snapshot()
    {
        std::lock_guard<std::mutex> l (lock);
        return frames;
    }
    std::size_t size()
    {
        std::lock_guard<std::mutex> l (lock);
        return frames.size();
    }

private:
    std::mutex lock;
    std::vector<std::vector<std::uint8_t>> frames;
};

class IpcSocketTest : public ::testing::Test
{
protected:
    IpcSocketTest() : connection (std::make_unique<IpcSocket>())
    {
        connection.setClient (&collector);
        connection.addListener (&listener);
    }

    ~IpcSocketTest() override
    {
        connection.removeListener (&listener);
        connection.stop();
    }

    void connectAndStart()
    {
        ASSERT_TRUE (server.isListening());
        ASSERT_TRUE (connection.getSocket().connect (EngineLimits::engineHost, server.port()));
        connection.notifyConnectionResult (connection.getConnectResult());
        connection.startThread();
        ASSERT_TRUE (server.waitForConnection (5000ms));
    }

    fhemu::AsyncDataServer server { 0 };
    FrameCollector collector;
    RecordingConnectionListener listener;
    IpcConnectionAsyncData connection;
};
} // namespace

TEST_F (IpcSocketTest, FrameCarriesMagicLittleEndianLengthAndPayload)
{
    connectAndStart();
    EXPECT_EQ (listener.results.load(), 1);
    EXPECT_TRUE (listener.lastResult.load());

    const std::vector<std::uint8_t> payload { 1, 2, 3, 4, 5 };
    ASSERT_TRUE (connection.getSocket().write (payload));
    ASSERT_TRUE (server.received().waitForFrames (1, 5000ms));

    const auto frames = server.received().frames();
    ASSERT_EQ (frames.size(), 1u);
    EXPECT_EQ (frames[0].magic, 0x3671A379u);
    EXPECT_EQ (frames[0].length, 5);
    EXPECT_EQ (frames[0].payload, payload);

    // The wire bytes of the magic word, as the engine sees them.
    const auto wireFrame = fhemu::wire::frame (payload);
    EXPECT_EQ (std::vector<std::uint8_t> (wireFrame.begin(), wireFrame.begin() + 4),
               (std::vector<std::uint8_t> { 0x79, 0xA3, 0x71, 0x36 }));
}

TEST_F (IpcSocketTest, ConcurrentWritersNeverInterleaveFrames)
{
    connectAndStart();

    constexpr int numThreads = 8;
    constexpr int framesPerThread = 150;
    std::vector<std::thread> writers;

    for (int t = 0; t < numThreads; ++t)
    {
        writers.emplace_back ([this, t]
        {
            for (int i = 0; i < framesPerThread; ++i)
            {
                // Each frame is filled with its writer's number; lengths vary up to 1023.
                std::vector<std::uint8_t> payload (static_cast<std::size_t> (1 + (i * 37 + t * 101) % 1023),
                                                   static_cast<std::uint8_t> (t));
                EXPECT_TRUE (connection.getSocket().write (payload));
            }
        });
    }
    for (auto& w : writers)
        w.join();

    ASSERT_TRUE (server.received().waitForFrames (numThreads * framesPerThread, 10000ms));
    const auto frames = server.received().frames();
    ASSERT_EQ (frames.size(), static_cast<std::size_t> (numThreads * framesPerThread));

    std::vector<int> perThread (numThreads, 0);
    for (const auto& f : frames)
    {
        ASSERT_EQ (f.magic, 0x3671A379u);
        ASSERT_EQ (f.length, static_cast<std::int32_t> (f.payload.size()));
        const auto owner = f.payload.front();
        ASSERT_LT (owner, numThreads);
        for (auto b : f.payload)
            ASSERT_EQ (b, owner);
        ++perThread[owner];
    }
    for (int count : perThread)
        EXPECT_EQ (count, framesPerThread);
}

TEST_F (IpcSocketTest, ReceivedFramesReachTheClientWholeEvenWhenSplitIntoSegments)
{
    connectAndStart();

    const auto payload = patternBytes (700);
    ASSERT_TRUE (server.sendInPieces (fhemu::wire::frame (payload), { 3, 5, 100, 250 }, 5ms));
    ASSERT_TRUE (server.sendFrame ({ 9, 9 }));

    ASSERT_TRUE (waitUntil ([&] { return collector.size() >= 2; }));
    const auto frames = collector.snapshot();
    EXPECT_EQ (frames[0], payload);
    EXPECT_EQ (frames[1], (std::vector<std::uint8_t> { 9, 9 }));
}

TEST_F (IpcSocketTest, BadFrameHeadersAreDroppedAndReadingGoesOn)
{
    fhtest::ScopedLogCapture logs;
    connectAndStart();

    // Wrong magic with a zero length: only the 8 header bytes are consumed.
    ASSERT_TRUE (server.sendRaw (fhemu::wire::frame ({}, 0x12345678u, 0)));
    // Zero and negative lengths: header only.
    ASSERT_TRUE (server.sendRaw (fhemu::wire::frame ({}, fhemu::wire::frameMagic, 0)));
    ASSERT_TRUE (server.sendRaw (fhemu::wire::frame ({}, fhemu::wire::frameMagic, -5)));
    ASSERT_TRUE (server.sendFrame ({ 42 }));

    ASSERT_TRUE (waitUntil ([&] { return collector.size() >= 1; }));
    EXPECT_EQ (collector.snapshot().front(), (std::vector<std::uint8_t> { 42 }));
    EXPECT_EQ (logs.count ("Invalid magic header in IPC message"), 1);
    EXPECT_TRUE (connection.isConnected());
    EXPECT_EQ (listener.lost.load(), 0);
}

TEST_F (IpcSocketTest, ARunOfBadHeadersGivesOneLineAndACount)
{
    fhtest::ScopedLogCapture logs;
    connectAndStart();

    // 64 bytes of garbage are eight headers with a wrong magic number.
    ASSERT_TRUE (server.sendRaw (std::vector<std::uint8_t> (64, 0xAB)));
    ASSERT_TRUE (server.sendFrame ({ 7 }));

    ASSERT_TRUE (waitUntil ([&] { return collector.size() >= 1; }));
    EXPECT_EQ (collector.snapshot().front(), (std::vector<std::uint8_t> { 7 }));
    EXPECT_EQ (logs.lines(), (std::vector<std::string> { "Invalid magic header in IPC message",
                                                         "Invalid magic header in IPC message: 8 headers in a row dropped" }));
    EXPECT_TRUE (connection.isConnected());
}

TEST_F (IpcSocketTest, FrameThatStallsHalfwayClosesTheConnection)
{
    fhtest::ScopedLogCapture logs;
    connectAndStart();

    // A header announcing 100 bytes, then 10 of them, then nothing.
    ASSERT_TRUE (server.sendRaw (fhemu::wire::frame (patternBytes (10), fhemu::wire::frameMagic, 100)));

    ASSERT_TRUE (waitUntil ([&] { return listener.lost.load() == 1; }));
    EXPECT_EQ (logs.count ("IPC message did not arrive whole within 1000 ms; closing the connection"), 1);
    EXPECT_FALSE (connection.isConnected());
    EXPECT_TRUE (server.waitForDisconnect (5000ms));
    EXPECT_EQ (collector.size(), 0u);
}

TEST_F (IpcSocketTest, OversizedFrameLengthClosesTheConnection)
{
    fhtest::ScopedLogCapture logs;
    connectAndStart();

    // A header that claims more than any sane frame; the claimed bytes never come.
    ASSERT_TRUE (server.sendRaw (fhemu::wire::frame ({}, fhemu::wire::frameMagic, EngineLimits::maxIncomingFramePayload + 1)));

    ASSERT_TRUE (waitUntil ([&] { return listener.lost.load() == 1; }));
    EXPECT_EQ (logs.count ("exceeds the limit"), 1);
    EXPECT_FALSE (connection.isConnected());
    EXPECT_TRUE (server.waitForDisconnect (5000ms));
    EXPECT_EQ (collector.size(), 0u);
}

TEST_F (IpcSocketTest, PeerClosingIsReportedOnceAndEndsTheReader)
{
    connectAndStart();
    EXPECT_TRUE (connection.getConnectResult());

    server.dropConnection();

    ASSERT_TRUE (waitUntil ([&] { return listener.lost.load() >= 1; }));
    ASSERT_TRUE (waitUntil ([&] { return ! connection.isThreadRunning(); }));
    EXPECT_FALSE (connection.isConnected());

    // Stopping afterwards reports nothing more.
    connection.stop();
    std::this_thread::sleep_for (20ms);
    EXPECT_EQ (listener.lost.load(), 1);
}

TEST_F (IpcSocketTest, StopWhileConnectedReportsTheLossOnceAndTheSocketCanConnectAgain)
{
    connectAndStart();

    connection.stop();
    EXPECT_EQ (listener.lost.load(), 1);
    EXPECT_FALSE (connection.getConnectResult());
    EXPECT_FALSE (connection.isThreadRunning());
    ASSERT_TRUE (server.waitForDisconnect (5000ms));

    // The same connection serves the next opening of the device.
    ASSERT_TRUE (connection.getSocket().connect (EngineLimits::engineHost, server.port()));
    connection.startThread();
    ASSERT_TRUE (server.waitForConnection (5000ms));
    ASSERT_TRUE (server.sendFrame ({ 7 }));
    ASSERT_TRUE (waitUntil ([&] { return collector.size() == 1; }));

    server.dropConnection();
    ASSERT_TRUE (waitUntil ([&] { return listener.lost.load() == 2; }));
}

TEST_F (IpcSocketTest, ACloseFromAnotherThreadEndsTheReaderWhileFramesArrive)
{
    // The reader may be waiting on or reading the descriptor when the close comes;
    // it must stop there, never touching a descriptor that was released.
    for (int round = 1; round <= 5; ++round)
    {
        connectAndStart();
        for (std::uint8_t i = 0; i < 20; ++i)
            ASSERT_TRUE (server.sendFrame ({ i }));
        std::thread closer ([&] { connection.getSocket().close(); });
        closer.join();
        ASSERT_TRUE (waitUntil ([&] { return listener.lost.load() == round; })) << "round " << round;
        ASSERT_TRUE (server.waitForDisconnect (5000ms));
        connection.stop();
    }
}

TEST (IpcSocketUnconnected, WriteFailsWithTheHeaderErrorAndConnectFailureKeepsTheFlag)
{
    fhtest::ScopedLogCapture logs;
    IpcSocket socket (200);

    EXPECT_FALSE (socket.write (std::vector<std::uint8_t> { 1, 2, 3 }));
    EXPECT_EQ (logs.count ("Error writing IPC header to socket"), 1);

    // Nothing listens on a port that a closed listener just gave up.
    int freePort = 0;
    {
        fhemu::TcpListener probe;
        ASSERT_TRUE (probe.listen (0));
        freePort = probe.port();
    }
    EXPECT_FALSE (socket.connect (EngineLimits::engineHost, freePort));
    EXPECT_FALSE (socket.getConnectResult());
    EXPECT_FALSE (socket.isConnected());
}

TEST (IpcAudioConnectionSignallingTest, HoldsThePortOpenWithoutAThreadAndReportsLossOnStop)
{
    fhemu::AsyncDataServer audioPort (0);
    ASSERT_TRUE (audioPort.isListening());

    IpcAudioConnectionSignalling signalling (std::make_unique<IpcSocket>());
    RecordingConnectionListener listener;
    signalling.addListener (&listener);

    ASSERT_TRUE (signalling.getSocket().connect (EngineLimits::engineHost, audioPort.port()));
    signalling.notifyConnectionResult (signalling.getConnectResult());
    EXPECT_EQ (listener.results.load(), 1);
    EXPECT_TRUE (audioPort.waitForConnection (5000ms));
    EXPECT_FALSE (signalling.isThreadRunning());

    signalling.stop();
    EXPECT_EQ (listener.lost.load(), 1);
    EXPECT_TRUE (audioPort.waitForDisconnect (5000ms));
    signalling.removeListener (&listener);
}

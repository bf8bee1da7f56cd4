#include "EngineSessionTestSupport.h"

#include "engine/EngineMessageCodec.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace
{
// A transport whose sends fail; it records how it is closed.
class FailingTransport : public IpcSocketConnectionIfc
{
public:
    void setClient (Client* c) override { client = c; }
    bool sendMessage (const juce::MemoryBlock&) override { return false; }
    bool connectToSocket (const std::string&, int, int) override
    {
        ++attempts;
        return false;
    }
    void disconnect() override { ++disconnects; }
    void closeFromReaderThread() override { ++readerCloses; }

    Client* client = nullptr;
    std::atomic<int> attempts { 0 }, disconnects { 0 }, readerCloses { 0 };
};

class MessageChannelHandshakeFailure : public fhtest::AppTest
{
};

TEST_F (MessageChannelHandshakeFailure, ClosesTheSocketWithoutWaitingForTheReaderAndKeepsRetrying)
{
    fhtest::ScopedLogCapture log;

    auto owned = std::make_unique<FailingTransport>();
    auto* transport = owned.get();
    RemoteIpcMessageConnection::Settings settings;
    settings.retryIntervalMs = 50;
    RemoteIpcMessageConnection channel (std::move (owned), "127.0.0.1", 0, settings);
    fhtest::RecordingChannelListener listener;
    channel.addListener (&listener);

    // As the reader thread would deliver the engine's handshake.
    auto handshake = EngineMessageCodec::makeHandshake (5);
    CorvanelIpcMessages::IpcMemoryBlock block (handshake.getData(), handshake.getSize());
    std::thread reader ([&] { transport->client->messageReceived (block); });
    reader.join();

    EXPECT_TRUE (log.contains ("Failed to send message"));
    EXPECT_EQ (transport->readerCloses.load(), 1);
    EXPECT_EQ (transport->disconnects.load(), 0);
    EXPECT_EQ (listener.count ("protocol ok"), 1);

    // The closed socket ends the reader, which reports the lost connection: the retry goes on.
    std::thread ([&] { transport->client->connectionLost(); }).join();
    EXPECT_EQ (listener.count ("disconnected"), 1);
    EXPECT_EQ (channel.getProtocolVersion(), 0u);
    const int before = transport->attempts.load();
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return transport->attempts.load() >= before + 2; }, 3s));
    channel.removeListener (&listener);
}

// The real transport closed from its own reader thread ends that thread and reports the loss.
TEST_F (MessageChannelHandshakeFailure, RealTransportClosedFromItsReaderThreadReportsTheLoss)
{
    fhemu::EmulatorSession engine (fhtest::emulatorOnFreePort());
    ASSERT_TRUE (engine.start());

    struct Client : IpcSocketConnectionIfc::Client
    {
        void connectionMade() override {}
        void connectionLost() override { lost = true; }
        void messageReceived (CorvanelIpcMessages::IpcMemoryBlock&) override { transport->closeFromReaderThread(); }
        IpcSocketConnectionIfc* transport = nullptr;
        std::atomic<bool> lost { false };
    } client;

    CorvanelInterProcessConnection transport;
    client.transport = &transport;
    transport.setClient (&client);
    ASSERT_TRUE (transport.connectToSocket ("127.0.0.1", engine.getMessagePort(), 1000));
    for (int i = 0; i < 500 && ! client.lost.load(); ++i)
        std::this_thread::sleep_for (10ms);
    EXPECT_TRUE (client.lost.load());
    transport.setClient (nullptr);
    transport.disconnect();
}
} // namespace

#include "EngineSessionTestSupport.h"

#include "engine/EngineMessageCodec.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace
{
class MessageChannelTest : public fhtest::AppTest
{
protected:
    MessageChannelTest()
    {
        EXPECT_TRUE (engine.start());
        channel = fhtest::makeChannel (engine.getMessagePort(), 1500ms);
        channel->addListener (&listener);
    }

    ~MessageChannelTest() override
    {
        channel->disconnect();
        channel->removeListener (&listener);
        channel.reset();
        engine.stop();
    }

    void connectAndWaitReady()
    {
        channel->connect();
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("protocol ok") == 1; }, 5s));
    }

    fhemu::EmulatorSession engine { fhtest::emulatorOnFreePort() };
    fhtest::RecordingChannelListener listener;
    std::shared_ptr<RemoteIpcMessageConnection> channel;
};

std::vector<std::uint8_t> bytes (std::initializer_list<int> values)
{
    std::vector<std::uint8_t> out;
    for (int v : values)
        out.push_back (static_cast<std::uint8_t> (v));
    return out;
}

TEST_F (MessageChannelTest, AnswersTheEnginesHandshakeWithVersionFive)
{
    connectAndWaitReady();
    ASSERT_TRUE (engine.messageChannel().waitForReceived (1, 1, 2000));
    EXPECT_EQ (engine.messageChannel().received().front(), bytes ({ 1, 0, 0, 0, 5, 0, 0, 0 }));
    EXPECT_EQ (channel->getProtocolVersion(), 5u);
}

TEST_F (MessageChannelTest, PeerOfVersionFourGetsVersionFiveAndItsReportsAreDroppedUntilItSpeaksFive)
{
    engine.messageChannel().setHandshakeVersion (4);
    channel->connect();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("protocol not ok") == 1; }, 5s));
    ASSERT_TRUE (engine.messageChannel().waitForReceived (1, 1, 2000));
    EXPECT_EQ (engine.messageChannel().received().front(), bytes ({ 1, 0, 0, 0, 5, 0, 0, 0 }));
    EXPECT_EQ (channel->getProtocolVersion(), 4u);

    engine.messageChannel().reportDevice (2, 0x1234);
    engine.messageChannel().sendToAll (fhemu::EmulatorMessageChannel::makeHandshake (5));
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("protocol ok") == 1; }, 5s));
    engine.messageChannel().reportDevice (2, 0x5678);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("attached") == 1; }, 5s));

    const auto events = listener.all();
    EXPECT_EQ (events.back(), std::make_pair (std::string ("attached"), std::uint64_t { 0x5678 }));
    EXPECT_TRUE (engine.messageChannel().waitForReceived (1, 2, 2000));   // answered the second handshake too
}

TEST_F (MessageChannelTest, ReportsDevicesAndValuesOnceReady)
{
    connectAndWaitReady();
    engine.messageChannel().reportDevice (2, 0x1122334455667788ull);
    engine.messageChannel().reportDevice (3, 7);
    engine.messageChannel().reportDevice (6, 8);
    engine.messageChannel().sendToAll (bytes ({ 10, 0, 0, 0, 42, 0, 0, 0 }));
    // Unknown and program-side types are dropped.
    engine.messageChannel().sendToAll (bytes ({ 4, 0, 0, 0 }));
    engine.messageChannel().sendToAll (bytes ({ 11, 0, 0, 0 }));
    // A report of 12 bytes reads its missing upper half as zero.
    engine.messageChannel().sendToAll (bytes ({ 3, 0, 0, 0, 0, 0, 0, 0, 0x44, 0x33, 0x22, 0x11 }));

    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("detached") == 2; }, 5s));
    const auto events = listener.all();
    const std::vector<std::pair<std::string, std::uint64_t>> expected {
        { "protocol ok", 0 }, { "attached", 0x1122334455667788ull }, { "detached", 7 },
        { "updated", 8 },     { "value", 42 },                        { "detached", 0x11223344 }
    };
    EXPECT_EQ (events, expected);
}

TEST_F (MessageChannelTest, ReconnectsEverySecondAfterTheEngineGoesAway)
{
    connectAndWaitReady();
    const int port = engine.getMessagePort();

    engine.stop();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("disconnected") >= 1; }, 5s));
    EXPECT_EQ (channel->getProtocolVersion(), 0u);

    // Attempts against the absent engine fail quietly; a restarted engine is found again.
    fhtest::pumpFor (1500ms);
    fhemu::EmulatorSession::Settings settings;
    settings.messagePort = port;
    fhemu::EmulatorSession restarted (settings);
    ASSERT_TRUE (restarted.start());
    const auto restartedAt = std::chrono::steady_clock::now();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("protocol ok") == 2; }, 5s));
    EXPECT_LT (std::chrono::steady_clock::now() - restartedAt, 2500ms);
    EXPECT_EQ (channel->getProtocolVersion(), 5u);

    // The engine dropping the client (still listening) is a lost connection too.
    restarted.messageChannel().dropClients();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("protocol ok") == 3; }, 5s));
    EXPECT_GE (listener.count ("disconnected"), 2);
    channel->disconnect();
    restarted.stop();
}

TEST_F (MessageChannelTest, DataThatIsNotAFrameOfTheChannelIsALostConnection)
{
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* line;
    };
    const Case cases[] = {
        { "wrong magic number", bytes ({ 0x11, 0x22, 0x33, 0x44, 4, 0, 0, 0, 1, 0, 0, 0 }), "not a frame of this channel" },
        { "magic number of the data channel", bytes ({ 0x79, 0xa3, 0x71, 0x36, 0, 0, 0, 0 }), "not a frame of this channel" },
        // Refused before anything is allocated for it.
        { "frame of about 2 GB", fhemu::EmulatorMessageChannel::rawFrame (0x7fff0000u, {}),
          "a frame of 2147418112 bytes is over the limit of 1048576 bytes" },
        { "frame that stalls halfway", fhemu::EmulatorMessageChannel::rawFrame (100, std::vector<std::uint8_t> (10, 5)),
          "a frame did not arrive whole within 1000 ms" },
    };

    connectAndWaitReady();
    int connections = 1;
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        fhtest::ScopedLogCapture log;
        engine.messageChannel().sendRawToAll (c.bytes);

        // The client hears of the loss, says why, and is connected again within its retry time.
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("disconnected") == connections; }, 5s));
        EXPECT_EQ (log.count (c.line), 1);
        ++connections;
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("protocol ok") == connections; }, 5s));
    }
}

TEST_F (MessageChannelTest, RequestsTheDeviceListAndDecodesItsEntries)
{
    connectAndWaitReady();
    auto kolvane = fhemu::EmulatorSession::virtualKolvane (0x1a2b);
    kolvane.name = std::string ("Caf\xe9", 4);
    engine.addDevice (kolvane, false);
    fhemu::EmulatorDevice other { 0x99, 12, std::string ("Ab\0cd", 5), 124, 1, 2 };
    engine.addDevice (other, false);

    std::vector<DeviceDescription> devices;
    bool ok = false;
    std::thread requester ([&] { ok = channel->requestDeviceList (devices); });
    requester.join();
    ASSERT_TRUE (ok);
    ASSERT_EQ (devices.size(), 2u);
    EXPECT_EQ (devices[0].uid, 0x1a2bu);
    EXPECT_EQ (devices[0].productId, 30);
    EXPECT_EQ (devices[0].name, juce::String (juce::CharPointer_UTF8 ("Caf\xc3\xa9")));
    EXPECT_EQ (devices[0].fernhollowProtocolVersion, 125);
    EXPECT_EQ (devices[1].name, "Ab");   // a zero byte ends the name; its other bytes are skipped
    EXPECT_EQ (devices[1].fernhollowProtocolVersion, 124);
    EXPECT_EQ (devices[1].numberOfAsyncClients, 1);
    EXPECT_EQ (devices[1].numberOfAudioClients, 2);
    EXPECT_EQ (engine.messageChannel().received().back(), bytes ({ 4, 0, 0, 0 }));
}

TEST_F (MessageChannelTest, ConnectionRequestCarriesZeroPaddingAndDecodesTheAnswer)
{
    connectAndWaitReady();
    engine.addDevice (fhemu::EmulatorSession::virtualKolvane (0x0102030405060708ull), false);

    DeviceConnectionData data;
    bool ok = false;
    std::thread requester ([&] { ok = channel->requestDeviceConnection (0x0102030405060708ull, data); });
    fhtest::pumpUntil ([&] { return engine.numConnectionRequests() == 1; }, 5s);
    requester.join();
    ASSERT_TRUE (ok);
    EXPECT_EQ (engine.messageChannel().received().back(),
               bytes ({ 7, 0, 0, 0, 0, 0, 0, 0, 8, 7, 6, 5, 4, 3, 2, 1 }));
    auto* open = engine.openDevice (0x0102030405060708ull);
    ASSERT_NE (open, nullptr);
    EXPECT_EQ (data.pluginAsyncPort, open->dataServer.getPort());
    EXPECT_EQ (data.audioPort, open->signallingServer.getPort());
    EXPECT_EQ (data.audioStreamId.toStdString(), open->audio->getName());

    // An unknown device is answered with a negative audio port.
    std::thread unknown ([&] { ok = channel->requestDeviceConnection (77, data); });
    unknown.join();
    ASSERT_TRUE (ok);
    EXPECT_EQ (data.audioPort, -1);
    EXPECT_EQ (describeDeviceConnectionData (data), "pluginAsyncPort: 0, rpcAsyncPort: 0, audioPort: -1, audioStreamId: ");
}

TEST_F (MessageChannelTest, WrongResponseTypeKeepsWaitingAndALateAnswerFindsNoHandler)
{
    fhtest::ScopedLogCapture log;
    connectAndWaitReady();
    engine.messageChannel().setAnswerRequests (false);

    std::vector<DeviceDescription> devices { DeviceDescription {} };
    bool ok = true;
    std::thread requester ([&] { ok = channel->requestDeviceList (devices); });
    ASSERT_TRUE (engine.messageChannel().waitForReceived (4, 1, 3000));
    std::vector<std::uint8_t> connectionAnswer;
    fhemu::appendU32 (connectionAnswer, 8);
    for (int i = 0; i < 3; ++i)
        fhemu::appendU32 (connectionAnswer, 1);
    fhemu::appendString (connectionAnswer, "x");
    engine.messageChannel().sendToAll (connectionAnswer);
    requester.join();

    EXPECT_FALSE (ok);
    EXPECT_EQ (devices.size(), 1u);
    EXPECT_TRUE (log.contains ("Invalid response was received!"));
    EXPECT_TRUE (log.contains ("Timed out waiting for message response!"));

    engine.messageChannel().sendToAll (engine.makeDeviceList());
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return log.contains ("No response handler function is set! Response arriving after timeout?"); }, 3s));
}

// Device-list answers whose counts or lengths do not fit their bytes are refused at once.
TEST_F (MessageChannelTest, MalformedDeviceListsAreRefused)
{
    auto entry = [] (std::vector<std::uint8_t>& p, std::uint32_t nameLength, const std::string& name) {
        fhemu::appendU64 (p, 0x42);
        fhemu::appendU32 (p, 30);
        fhemu::appendU32 (p, nameLength);
        p.insert (p.end(), name.begin(), name.end());
        fhemu::appendU16 (p, 125);
        fhemu::appendU16 (p, 0);
        fhemu::appendU16 (p, 0);
    };
    auto header = [] (std::uint64_t count) {
        std::vector<std::uint8_t> p;
        fhemu::appendU32 (p, 5);
        fhemu::appendU64 (p, count);
        return p;
    };

    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> payload;
    };
    std::vector<Case> cases;
    { auto p = header (2); entry (p, 3, "abc"); cases.push_back ({ "count above the entries present", p }); }
    { auto p = header (1); entry (p, 1000, "abc"); cases.push_back ({ "name longer than the message", p }); }
    { auto p = header (1); entry (p, 3, "abc"); p.resize (p.size() - 1); cases.push_back ({ "last field cut short", p }); }
    { auto p = header (~0ull); cases.push_back ({ "huge count", p }); }
    { std::vector<std::uint8_t> p; fhemu::appendU32 (p, 5); p.push_back (1); cases.push_back ({ "count cut short", p }); }

    connectAndWaitReady();
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        fhtest::ScopedLogCapture log;
        const auto payload = c.payload;
        engine.messageChannel().setListResponder ([payload] { return payload; });
        std::vector<DeviceDescription> devices { DeviceDescription {} };
        const auto started = std::chrono::steady_clock::now();
        bool ok = true;
        std::thread requester ([&] { ok = channel->requestDeviceList (devices); });
        requester.join();
        EXPECT_FALSE (ok);
        EXPECT_LT (std::chrono::steady_clock::now() - started, 1000ms);   // refused, not timed out
        EXPECT_EQ (devices.size(), 1u);
        EXPECT_TRUE (log.contains ("Invalid response was received!"));
    }

    // Exactly 22 + n bytes per entry is a valid list; so is an empty one.
    auto p = header (2);
    entry (p, 3, "abc");
    entry (p, 0, "");
    engine.messageChannel().setListResponder ([p] { return p; });
    std::vector<DeviceDescription> devices;
    bool ok = false;
    std::thread ([&] { ok = channel->requestDeviceList (devices); }).join();
    EXPECT_TRUE (ok);
    EXPECT_EQ (devices.size(), 2u);

    engine.messageChannel().setListResponder ([&] { return header (0); });
    std::thread ([&] { ok = channel->requestDeviceList (devices); }).join();
    EXPECT_TRUE (ok);
    EXPECT_TRUE (devices.empty());
}
} // namespace

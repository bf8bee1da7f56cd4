#include "EngineSessionTestSupport.h"

#include "engine/FernhollowDeviceList.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace std::chrono_literals;

namespace
{
struct BroadcastCounter : SafeChangeListener
{
    void changeListenerCallback (SafeChangeBroadcaster* source) override
    {
        ++count;
        lastText = source->lastMessage;
    }
    int count = 0;
    juce::String lastText { "unset" };
};

class FernhollowDeviceListTest : public fhtest::AppTest
{
protected:
    FernhollowDeviceListTest()
    {
        EXPECT_TRUE (engine.start());
        channel = fhtest::makeChannel (engine.getMessagePort(), 500ms);
        channel->connect();
        EXPECT_TRUE (fhtest::pumpUntil ([&] { return channel->getProtocolVersion() == 5; }, 5s));
        list.addChangeListener (&broadcasts);
    }

    ~FernhollowDeviceListTest() override
    {
        channel->disconnect();
        engine.stop();
    }

    // Refreshes on another thread, as the device client's job thread does, and waits for the broadcast.
    void refresh()
    {
        const int before = broadcasts.count;
        std::thread ([&] { list.refresh(); }).join();
        EXPECT_TRUE (fhtest::pumpUntil ([&] { return broadcasts.count == before + 1; }, 5s));
    }

    static fhemu::EmulatorDevice device (std::uint64_t uid, std::uint32_t product, std::string name,
                                        std::uint16_t version = 125, std::uint16_t audioClients = 0)
    {
        return { uid, product, std::move (name), version, 0, audioClients };
    }

    fhemu::EmulatorSession engine { fhtest::emulatorOnFreePort() };
    std::shared_ptr<RemoteIpcMessageConnection> channel;
    FernhollowDeviceList list { { 30 } };
    BroadcastCounter broadcasts;
};

TEST_F (FernhollowDeviceListTest, KeepsOnlySupportedProductsAndTheLastEntryOfAUid)
{
    engine.addDevice (device (1, 12, "Other product"), false);
    engine.addDevice (device (0x1a2b, 30, "First"), false);
    engine.addDevice (device (0x1a2b, 30, "Second"), false);
    engine.addDevice (device (3, 30, "Old OS", 124, 1), false);
    list.setMessageConnection (channel);
    refresh();

    auto uids = list.getDeviceUids();
    std::sort (uids.begin(), uids.end());
    EXPECT_EQ (uids, (std::vector<std::uint64_t> { 3, 0x1a2b }));
    EXPECT_EQ (list.getDeviceName (0x1a2b), juce::String ("Second"));
    EXPECT_EQ (list.getIncompatibleDeviceUids(), std::vector<std::uint64_t> { 3 });
    EXPECT_EQ (list.getProtocolVersion (3), 124);
    EXPECT_EQ (list.getNumberOfAudioClients (3), 1);
    EXPECT_EQ (list.getProductId (3), 30);
    EXPECT_EQ (broadcasts.lastText, juce::String());

    // Unlisted uids give neutral answers.
    EXPECT_FALSE (list.hasDevice (1));
    EXPECT_FALSE (list.getDeviceName (1).has_value());
    EXPECT_EQ (list.getNumberOfAudioClients (1), 0);
    EXPECT_EQ (list.getProtocolVersion (1), 0);
    EXPECT_EQ (list.getRequiredProtocolVersion(), 125);

    auto texts = list.getDeviceDescriptions();
    std::sort (texts.begin(), texts.end());
    EXPECT_EQ (texts.front(), ", productId: 30, uid: 1a2b, name: Second, numberOfAsyncClients: 0, numberOfAudioClients: 0, "
                              "fernhollowProtocolVersion: 125");
}

TEST_F (FernhollowDeviceListTest, ControlCharactersOfANameAreWrittenEscaped)
{
    // A terminal escape, a line break and a C1 control in the name: kept in the list,
    // escaped in the text form that reaches the log and the console.
    engine.addDevice (device (7, 30, "K\x1b[2J\nB\x85\xe9"), false);
    list.setMessageConnection (channel);
    refresh();

    const juce::juce_wchar expected[] = { 'K', 0x1b, '[', '2', 'J', '\n', 'B', 0x85, 0xe9, 0 };
    EXPECT_EQ (list.getDeviceName (7), juce::String (juce::CharPointer_UTF32 (expected)));
    const auto texts = list.getDeviceDescriptions();
    ASSERT_EQ (texts.size(), 1u);
    EXPECT_NE (texts[0].find (", name: K\\x1b[2J\\x0aB\\x85\xc3\xa9, "), std::string::npos) << texts[0];
}

TEST_F (FernhollowDeviceListTest, AFailedRequestKeepsTheListAndStillBroadcasts)
{
    fhtest::ScopedLogCapture log;
    engine.addDevice (device (7, 30, "Kolvane"), false);
    list.setMessageConnection (channel);
    refresh();
    ASSERT_TRUE (list.hasDevice (7));

    engine.messageChannel().setAnswerRequests (false);
    engine.removeDevice (7, false);
    refresh();
    EXPECT_TRUE (list.hasDevice (7));
    EXPECT_TRUE (log.contains ("Timed out waiting for message response!"));

    // A malformed answer leaves it as it was too.
    engine.messageChannel().setAnswerRequests (true);
    engine.messageChannel().setListResponder ([] {
        std::vector<std::uint8_t> p;
        fhemu::appendU32 (p, 5);
        fhemu::appendU64 (p, 3);
        return p;
    });
    refresh();
    EXPECT_TRUE (list.hasDevice (7));
}

TEST_F (FernhollowDeviceListTest, WithoutAChannelARefreshBroadcastsAnEmptyListAndOnlyTheFirstChannelCounts)
{
    engine.addDevice (device (7, 30, "Kolvane"), false);
    refresh();
    EXPECT_TRUE (list.getDeviceUids().empty());
    EXPECT_FALSE (list.fetchDeviceList());

    list.setMessageConnection (channel);
    list.setMessageConnection (nullptr);   // later hand-overs change nothing
    refresh();
    EXPECT_TRUE (list.hasDevice (7));
}
} // namespace

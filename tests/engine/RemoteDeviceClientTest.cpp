#include "RemoteDeviceClientFixture.h"

namespace
{
using fhtest::RemoteDeviceClientTest;
using fhtest::kFirstUid;
using fhtest::kSecondUid;

TEST_F (RemoteDeviceClientTest, AutoSelectionOpensTheFirstFreeDeviceAndStoresIt)
{
    engine->addDevice (device (kFirstUid, 30, 125, 1), false);
    engine->addDevice (device (kSecondUid), false);
    startClient();

    ASSERT_TRUE (waitForOpen (kSecondUid));
    settle();
    EXPECT_EQ (state->getInt64Property (PluginStateIds::selectedDeviceUid, 0), static_cast<std::int64_t> (kSecondUid));
    EXPECT_EQ (state->getSelectedDeviceName ({}), "Kolvane " + juce::String (kSecondUid));
    EXPECT_EQ (listener.count ("opened"), 1);
    EXPECT_EQ (engine->numConnectionRequests(), 1);
    EXPECT_TRUE (client->isSelectedDeviceListed());
}

TEST_F (RemoteDeviceClientTest, ListKeepsOnlySupportedProductsAndOpensOnlyCompatibleFreeDevices)
{
    fhtest::ScopedLogCapture log;
    fhtest::DumpLogOnFailure dump (log);
    engine->addDevice (device (1, 12), false);              // another product
    engine->addDevice (device (2, 30, 124), false);         // incompatible OS
    engine->addDevice (device (3, 30, 125, 1), false);      // streaming to another client
    startClient();

    ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.contains ("No device available for auto-selection."); }, 10s));
    settle();
    auto list = client->getDeviceList();
    auto uids = list->getDeviceUids();
    std::sort (uids.begin(), uids.end());
    EXPECT_EQ (uids, (std::vector<std::uint64_t> { 2, 3 }));
    EXPECT_EQ (list->getIncompatibleDeviceUids(), std::vector<std::uint64_t> { 2 });
    EXPECT_FALSE (list->getDeviceName (1).has_value());
    EXPECT_EQ (list->getNumberOfAudioClients (1), 0);
    EXPECT_EQ (list->getProtocolVersion (1), 0);
    EXPECT_TRUE (log.contains ("Device is not running compatible OS Version for this version of Fernhollow."));
    EXPECT_EQ (engine->numConnectionRequests(), 0);   // nothing passed the checks
    EXPECT_EQ (client->getSelectedDeviceUid(), 0u);
    EXPECT_EQ (listener.count ("opened"), 0);
    for (const auto& text : list->getDeviceDescriptions())
        EXPECT_EQ (text.rfind (", productId: ", 0), 0u);

    // Chosen explicitly, the busy device is refused too.
    state->setBoolProperty (PluginStateIds::autoSelectDeviceEnabled, false);
    state->setInt64Property (PluginStateIds::selectedDeviceUid, 3);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.contains ("Device is already streaming audio to another client!"); }, 10s));
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.contains ("Failed to open device 3"); }, 10s));
    EXPECT_EQ (engine->numConnectionRequests(), 0);
}

TEST_F (RemoteDeviceClientTest, OpensTheStoredDeviceWhenAutomaticSelectionIsOff)
{
    engine->addDevice (device (kFirstUid), false);
    engine->addDevice (device (kSecondUid), false);
    state->setBoolProperty (PluginStateIds::autoSelectDeviceEnabled, false);
    state->setInt64Property (PluginStateIds::selectedDeviceUid, static_cast<std::int64_t> (kSecondUid));
    startClient();

    ASSERT_TRUE (waitForOpen (kSecondUid));
    settle();
    EXPECT_EQ (listener.count ("opened"), 1);

    // Selecting the other device closes this one and opens that one.
    state->setInt64Property (PluginStateIds::selectedDeviceUid, static_cast<std::int64_t> (kFirstUid));
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("opened") == 2; }, 10s));
    EXPECT_EQ (listener.events(), (std::vector<std::string> { "opened", "closed", "opened" }));
    EXPECT_EQ (client->getSelectedDeviceUid(), kFirstUid);
}

TEST_F (RemoteDeviceClientTest, NothingIsOpenedWithoutAStoredDeviceAndAutomaticSelectionOff)
{
    fhtest::ScopedLogCapture log;
    fhtest::DumpLogOnFailure dump (log);
    engine->addDevice (device (kFirstUid), false);
    state->setBoolProperty (PluginStateIds::autoSelectDeviceEnabled, false);
    startClient();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return client->getDeviceList()->hasDevice (kFirstUid); }, 10s));
    settle();
    EXPECT_EQ (listener.count ("opened"), 0);
    EXPECT_EQ (engine->numConnectionRequests(), 0);
    EXPECT_FALSE (log.contains ("Failed to open device"));
}

TEST_F (RemoteDeviceClientTest, OpenAndCloseInOrderAndDetachOfTheOpenDevice)
{
    fhtest::ScopedLogCapture log;
    fhtest::DumpLogOnFailure dump (log);
    engine->addDevice (device (kFirstUid), false);
    startClient();
    ASSERT_TRUE (waitForOpen (kFirstUid));
    auto* open = engine->openDevice (kFirstUid);
    ASSERT_NE (open, nullptr);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return open->audio->statistics().clientAttached && listener.blocks > 0; }, 10s));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return open->dataServer.isClientConnected()
                                              && open->signallingServer.numOpenConnections() == 1; }, 5s));

    // The engine reports the detach while the device's connections are still up.
    engine->unlistDevice (kFirstUid);
    engine->messageChannel().reportDevice (3, kFirstUid);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("closed") == 1; }, 10s));
    settle();
    EXPECT_TRUE (log.contains ("deviceUId " + std::to_string (kFirstUid) + " was detached"));
    EXPECT_TRUE (log.contains (fmt::format ("The device we want was detached ({:x})", kFirstUid)));
    EXPECT_FALSE (client->isDeviceOpen());
    EXPECT_FALSE (client->getDeviceList()->hasDevice (kFirstUid));
    EXPECT_EQ (state->getInt64Property (PluginStateIds::selectedDeviceUid, -1), 0);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return ! open->dataServer.isClientConnected(); }, 5s));
    EXPECT_FALSE (open->audio->statistics().clientAttached);
    engine->removeDevice (kFirstUid, false);

    // Attached again: opened again.
    engine->addDevice (device (kFirstUid));
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("opened") == 2 && client->isDeviceOpen(); }, 10s));
    EXPECT_TRUE (log.contains (fmt::format ("deviceUId {:x} was attached", kFirstUid)));

    client->stop();
    // Never two opens without a close between them, and the last word is a close.
    const auto events = listener.events();
    ASSERT_FALSE (events.empty());
    EXPECT_EQ (events.front(), "opened");
    EXPECT_EQ (events.back(), "closed");
    for (std::size_t i = 1; i < events.size(); ++i)
        EXPECT_FALSE (events[i] == "opened" && events[i - 1] == "opened");
    open = engine->openDevice (kFirstUid);
    ASSERT_NE (open, nullptr);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return ! open->dataServer.isClientConnected(); }, 5s));
    EXPECT_FALSE (open->audio->statistics().clientAttached);
}

TEST_F (RemoteDeviceClientTest, LossOfTheDataSocketClosesTheDeviceAndOpensItAgain)
{
    fhtest::ScopedLogCapture log;
    fhtest::DumpLogOnFailure dump (log);
    engine->addDevice (device (kFirstUid), false);
    startClient();
    ASSERT_TRUE (waitForOpen (kFirstUid));
    // The client counts as open once it has connected; the emulator may not have accepted yet.
    auto& dataServer = engine->openDevice (kFirstUid)->dataServer;
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return dataServer.isClientConnected(); }, 10s));
    dataServer.dropConnection();

    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("closed") >= 1; }, 10s));
    EXPECT_TRUE (log.contains ("Device disconnected"));

    // The device is still listed and free: the client tries it again every second.
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count ("opened") == 2 && client->isDeviceOpen(); }, 5s));
    EXPECT_EQ (listener.events(), (std::vector<std::string> { "opened", "closed", "opened" }));
    EXPECT_TRUE (log.contains ("Trying the device again in 1000 ms"));
    EXPECT_EQ (engine->numConnectionRequests(), 2);
}

TEST_F (RemoteDeviceClientTest, AnEngineOfAnotherProtocolVersionIsAWarningAndOpensNothing)
{
    fhtest::ScopedLogCapture log;
    engine->addDevice (device (kFirstUid), false);
    engine->messageChannel().setHandshakeVersion (4);
    startClient();

    ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.contains ("protocol version is NOT OK!"); }, 10s));
    const auto warnings = log.linesFrom (spdlog::level::warn);
    EXPECT_NE (std::find (warnings.begin(), warnings.end(), "Connection connected, protocol version is NOT OK!"),
               warnings.end());
    settle();
    EXPECT_EQ (engine->numConnectionRequests(), 0);
    EXPECT_EQ (listener.count ("opened"), 0);
}

TEST_F (RemoteDeviceClientTest, StopWhileAJobIsOpeningLeavesNothingOpenAndBalancesItsReports)
{
    engine->addDevice (device (kFirstUid), false);
    engine->setConnectionDelay (800ms);   // the job is inside the open when stop comes
    startClient();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return engine->messageChannel().countReceived (7) == 1; }, 10s));

    client->stop();
    EXPECT_FALSE (client->isStarted());
    EXPECT_EQ (listener.count ("opened"), listener.count ("closed"));
    fhtest::pumpFor (1500ms);   // a late answer must not open anything
    if (auto* open = engine->openDevice (kFirstUid))
    {
        EXPECT_FALSE (open->dataServer.isClientConnected());
        EXPECT_EQ (open->signallingServer.numOpenConnections(), 0);
        EXPECT_FALSE (open->audio->statistics().clientAttached);
    }
    EXPECT_EQ (listener.count ("opened"), listener.count ("closed"));
}
} // namespace

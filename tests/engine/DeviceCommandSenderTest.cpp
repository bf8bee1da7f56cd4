#include "model/DeviceCommandSender.h"

#include "EngineLoopback.h"
#include "FakeTransport.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace enginetest;
using Vantu::DeviceCommandSender;
using Area = DeviceCommandSender::Area;

namespace
{
class DeviceCommandsToEmulator : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE (loop.connect()); }

    Loopback loop;
    DeviceCommandSender sender { loop.processor };
};

struct CommandCase
{
    std::string name;
    std::function<bool (DeviceCommandSender&)> call;
    std::uint8_t command;
    std::uint8_t subType;
    std::uint16_t argument;
    std::vector<std::uint8_t> payload;
};
} // namespace

TEST_F (DeviceCommandsToEmulator, PoolAndLibraryCommandsCarryTheirAreaAndWords)
{
    const std::vector<CommandCase> cases {
        { "pool save", [] (auto& s) { return s.saveSound (Area::soundPool, 3, 127); }, 0x44, 30, 0, { 0, 0, 0, 3, 0, 0, 0, 127 } },
        { "pool load", [] (auto& s) { return s.loadSound (Area::soundPool, 2, 17); }, 0x43, 30, 0, { 0, 0, 0, 17, 0, 0, 0, 2 } },
        { "pool remove", [] (auto& s) { return s.removeSound (Area::soundPool, 12); }, 0x42, 30, 12, {} },
        { "library save", [] (auto& s) { return s.saveSound (Area::soundLibrary, 11, 2047); }, 0x44, 32, 0, { 0, 0, 0, 11, 0, 0, 0x07, 0xFF } },
        { "library load", [] (auto& s) { return s.loadSound (Area::soundLibrary, 0, 700); }, 0x43, 32, 0, { 0, 0, 0x02, 0xBC, 0, 0, 0, 0 } },
        { "pool to library", [] (auto& s) { return s.copySound (Area::soundPool, 5, 1000); }, 0x45, 30, 0, { 0, 0, 0, 5, 0, 0, 0x03, 0xE8 } },
        { "library to pool", [] (auto& s) { return s.copySound (Area::soundLibrary, 1000, 5); }, 0x45, 32, 0, { 0, 0, 0x03, 0xE8, 0, 0, 0, 5 } },
        { "library remove", [] (auto& s) { return s.removeSound (Area::soundLibrary, 2047); }, 0x42, 32, 2047, {} },
    };

    for (const auto& c : cases)
        EXPECT_TRUE (c.call (sender)) << c.name;

    ASSERT_TRUE (loop.server.received().waitForTransactions (cases.size(), 5000ms));
    const auto ts = loop.server.received().transactions();
    ASSERT_EQ (ts.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i)
    {
        SCOPED_TRACE (cases[i].name);
        EXPECT_EQ (ts[i].header.channelByte, 0xE1);
        EXPECT_EQ (ts[i].header.sequence, AsyncIoProcessor::firstSequenceNumber + i);
        EXPECT_EQ (ts[i].header.command, cases[i].command);
        EXPECT_EQ (ts[i].header.subType, cases[i].subType);
        EXPECT_EQ (ts[i].header.argument, cases[i].argument);
        EXPECT_EQ (ts[i].payload, cases[i].payload);
        EXPECT_TRUE (ts[i].checksumOk);
    }
}

TEST_F (DeviceCommandsToEmulator, TotalRecallCommandCarriesTypeAndBigEndianSessionId)
{
    sender.sendTotalRecallCommand (TotalRecallCommand { 2, 0x01020304 });
    sender.sendTotalRecallCommand (TotalRecallCommand { 7, -2 });
    ASSERT_TRUE (loop.server.received().waitForTransactions (2, 5000ms));

    const auto ts = loop.server.received().transactions();
    EXPECT_EQ (ts[0].header.command, 0x50);
    EXPECT_EQ (ts[0].header.subType, 0);
    EXPECT_EQ (ts[0].header.argument, 0);
    EXPECT_EQ (ts[0].payload, (std::vector<std::uint8_t> { 2, 1, 2, 3, 4 }));
    EXPECT_EQ (ts[1].payload, (std::vector<std::uint8_t> { 7, 0xFF, 0xFF, 0xFF, 0xFE }));
    EXPECT_EQ (ts[1].header.sequence, ts[0].header.sequence + 1);
}

TEST_F (DeviceCommandsToEmulator, CommandsForTracksPositionsOrSlotsThatDoNotExistAreLoggedAndNotSent)
{
    fhtest::ScopedLogCapture log;
    EXPECT_FALSE (sender.saveSound (Area::soundPool, 3, 128));
    EXPECT_FALSE (sender.saveSound (Area::soundLibrary, 12, 0));
    EXPECT_FALSE (sender.loadSound (Area::soundLibrary, 0, 2048));
    EXPECT_FALSE (sender.loadSound (Area::soundPool, -1, 0));
    EXPECT_FALSE (sender.copySound (Area::soundPool, 0, 2048));
    EXPECT_FALSE (sender.copySound (Area::soundLibrary, 0, 128));
    EXPECT_FALSE (sender.removeSound (Area::soundLibrary, -5));
    EXPECT_FALSE (sender.removeSound (Area::soundPool, 128));
    EXPECT_EQ (log.count ("does not exist"), 8);

    // The next valid command is the first thing the emulator sees.
    EXPECT_TRUE (sender.removeSound (Area::soundPool, 127));
    ASSERT_TRUE (loop.server.received().waitForTransactions (1, 5000ms));
    std::this_thread::sleep_for (50ms);
    const auto ts = loop.server.received().transactions();
    ASSERT_EQ (ts.size(), 1u);
    EXPECT_EQ (ts[0].header.argument, 127);
}

TEST (DeviceCommandsWithoutConnection, FailedSendsReportFalse)
{
    FakeTransport transport;
    CountingArrivalListener arrivals;
    AsyncIoProcessor processor (&transport, &arrivals);
    DeviceCommandSender sender (processor);
    transport.failNext (1000);
    EXPECT_FALSE (sender.saveSound (Area::soundPool, 0, 0));
    EXPECT_FALSE (sender.removeSound (Area::soundLibrary, 3));
    sender.sendTotalRecallCommand ({});   // not reported, must not throw
    EXPECT_TRUE (transport.sent().empty());
}

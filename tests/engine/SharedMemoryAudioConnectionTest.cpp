#include "engine/SharedMemoryAudioConnection.h"
#include "support/TestEnvironment.h"

#include "EmulatorAudioStream.h"

#include <gtest/gtest.h>

#include <cstring>
#include <unistd.h>

using namespace std::chrono_literals;

namespace
{
// Records the audio thread's calls.
struct CountingClient : IpcConnectionAudioDataCommon::Client
{
    void streamCharacteristicsChanged (IpcConnectionAudioDataCommon*, std::uint16_t size, std::uint16_t value2) override
    {
        lastSize = size;
        lastValue2 = value2;
        ++changes;
    }
    void audioBlockReceived (IpcConnectionAudioDataCommon*, SharedMemoryAudioData* block) override
    {
        if (! isAudioBlockInRange (*block))
            ++outOfRangeSeen;
        ++blocks;
    }

    std::atomic<int> changes { 0 }, blocks { 0 }, outOfRangeSeen { 0 };
    std::atomic<int> lastSize { 0 }, lastValue2 { 0 };
};

class SharedMemoryAudioConnectionTest : public ::testing::Test
{
protected:
    SharedMemoryAudioConnectionTest()
    {
        fhemu::EmulatorAudioStream::Settings settings;
        settings.pacing = fhemu::EmulatorAudioStream::Pacing::asFastAsAnswered;
        settings.answerTimeoutMs = 2000;
        engine = std::make_unique<fhemu::EmulatorAudioStream> (
            "FhTest_" + std::to_string (::getpid()) + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name(),
            settings);
        EXPECT_TRUE (engine->create());
        connection.setClient (&client);
    }

    ~SharedMemoryAudioConnectionTest() override
    {
        connection.stopAudioThread();
        engine->stop();
    }

    static bool waitFor (const std::function<bool()>& condition)
    {
        for (int i = 0; i < 1000 && ! condition(); ++i)
            std::this_thread::sleep_for (5ms);
        return condition();
    }

    fhtest::ScopedTempHome home;
    std::unique_ptr<fhemu::EmulatorAudioStream> engine;
    CountingClient client;
    SharedMemoryAudioConnection connection { std::make_unique<SharedMemoryUser<SharedMemoryAudioData>> ("_IA", "_OA") };
};

TEST_F (SharedMemoryAudioConnectionTest, ConnectsOnceAndReportsTheResult)
{
    struct Listener : IpcConnection::ConnectionListener
    {
        void connectionResult (IpcConnection*, bool ok) override { results.push_back (ok); }
        void connectionLost (IpcConnection*) override {}
        std::vector<bool> results;
    } listener;
    connection.addListener (&listener);

    EXPECT_TRUE (connection.connect (engine->getName()));
    EXPECT_TRUE (connection.isConnected());
    EXPECT_FALSE (connection.connect (engine->getName()));
    EXPECT_EQ (listener.results, std::vector<bool> { true });
    connection.removeListener (&listener);

    // A connected block that is released without its thread ever running can be opened again.
    connection.stopAudioThread();
    EXPECT_FALSE (connection.isConnected());
    EXPECT_TRUE (connection.connect (engine->getName()));
}

TEST_F (SharedMemoryAudioConnectionTest, MissingBlockIsLoggedAndRefused)
{
    fhtest::ScopedLogCapture log;
    EXPECT_FALSE (connection.connect ("FhTest_nothing_here_" + juce::String (::getpid())));
    EXPECT_FALSE (connection.isConnected());
    EXPECT_TRUE (log.contains ("Execption while trying to connect: "));
}

TEST_F (SharedMemoryAudioConnectionTest, ServesBlocksReportsChangesAndDetachesOnStop)
{
    ASSERT_TRUE (connection.connect (engine->getName()));
    connection.startAudioThread();
    engine->start();

    ASSERT_TRUE (waitFor ([&] { return client.blocks >= 20; }));
    EXPECT_EQ (client.changes.load(), 1);   // the first block; unchanged blocks reach only audioBlockReceived
    EXPECT_EQ (client.lastSize.load(), 128);
    EXPECT_EQ (client.lastValue2.load(), 1);
    EXPECT_TRUE (engine->statistics().clientAttached);

    engine->setStreamValue2 (7);
    ASSERT_TRUE (waitFor ([&] { return client.changes == 2; }));
    EXPECT_EQ (client.lastValue2.load(), 7);

    connection.stopAudioThread();
    EXPECT_FALSE (connection.isConnected());
    EXPECT_FALSE (engine->statistics().clientAttached);
}

TEST_F (SharedMemoryAudioConnectionTest, LogsTheTimeOutWhenTheEngineStopsPosting)
{
    fhtest::ScopedLogCapture log;
    ASSERT_TRUE (connection.connect (engine->getName()));
    connection.startAudioThread();
    ASSERT_TRUE (waitFor ([&] { return log.count ("Timed out waiting for input from the server") >= 2; }));
    connection.stopAudioThread();
}

// Values the engine writes are checked before they index anything: such a block is
// answered but never handed on.
TEST_F (SharedMemoryAudioConnectionTest, BlocksWithValuesOutOfRangeAreDroppedAndStillAnswered)
{
    struct Case
    {
        const char* what;
        std::size_t offset;
        int size;
        std::int32_t value;
    };
    const Case cases[] = {
        { "block size above 512", 0x0E, 2, 513 },
        { "device channels above 20", 0x10, 2, 21 },
        { "host channels above 12", 0x12, 2, 13 },
        { "engine data length above 2048", 0x10014, 4, 2049 },
        { "negative engine data length", 0x10014, 4, -1 },
        { "plug-in capacity above 2048", 0x10818, 4, 4096 },
        { "negative plug-in capacity", 0x10818, 4, -5 },
    };

    fhtest::ScopedLogCapture log;
    ASSERT_TRUE (connection.connect (engine->getName()));
    connection.startAudioThread();
    engine->start();
    ASSERT_TRUE (waitFor ([&] { return client.blocks >= 5; }));

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        engine->setBeforePost ([c] (std::uint8_t* block) {
            if (c.size == 2)
            {
                const auto v = static_cast<std::uint16_t> (c.value);
                std::memcpy (block + c.offset, &v, 2);
            }
            else
                std::memcpy (block + c.offset, &c.value, 4);
        });
        const auto answeredBefore = engine->statistics().answered;
        const auto droppedBefore = connection.getNumDroppedBlocks();
        ASSERT_TRUE (waitFor ([&] { return engine->statistics().answered >= answeredBefore + 10; }));
        const int blocksDuring = client.blocks;
        ASSERT_TRUE (waitFor ([&] { return engine->statistics().answered >= answeredBefore + 20; }));
        EXPECT_EQ (client.blocks.load(), blocksDuring);
        EXPECT_GE (connection.getNumDroppedBlocks(), droppedBefore + 10);
        engine->setBeforePost (nullptr);
        ASSERT_TRUE (waitFor ([&] { return client.blocks >= blocksDuring + 5; }));
    }

    EXPECT_EQ (client.outOfRangeSeen.load(), 0);
    EXPECT_EQ (engine->statistics().unanswered, 0u);
    connection.stopAudioThread();
    EXPECT_TRUE (log.contains ("audio blocks whose sizes did not fit the shared block"));
}
} // namespace

#include "RemoteDeviceClientFixture.h"

#include <cmath>

namespace
{
using fhtest::kFirstUid;

class RemoteDeviceClientAudioTest : public fhtest::RemoteDeviceClientTest
{
protected:
    RemoteDeviceClientAudioTest() : RemoteDeviceClientTest (fhemu::EmulatorAudioStream::Pacing::asFastAsAnswered) {}

    fhemu::EmulatorAudioStream& openAndStream()
    {
        engine->addDevice (device (kFirstUid), false);
        startClient();
        EXPECT_TRUE (waitForOpen (kFirstUid));
        auto* open = engine->openDevice (kFirstUid);
        EXPECT_NE (open, nullptr);
        EXPECT_TRUE (fhtest::pumpUntil ([&] { return listener.blocks >= 10; }, 10s));
        return *open->audio;
    }
};

TEST_F (RemoteDeviceClientAudioTest, EveryBlockReachesTheProcessorOnceAndIsAnsweredOnce)
{
    auto& stream = openAndStream();

    // Between two pauses of the engine every posted block is answered, and every
    // answered block reached the processor exactly once.
    stream.setPaused (true);
    fhtest::pumpFor (200ms);
    const auto before = stream.statistics();
    const int blocksBefore = listener.blocks;
    stream.setPaused (false);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return stream.statistics().answered >= before.answered + 500; }, 20s));
    stream.setPaused (true);
    fhtest::pumpFor (200ms);
    const auto after = stream.statistics();

    EXPECT_EQ (after.posted - before.posted, after.answered - before.answered);
    EXPECT_EQ (after.unanswered, before.unanswered);
    EXPECT_EQ (static_cast<std::uint64_t> (listener.blocks - blocksBefore), after.answered - before.answered);

    // What the processor wrote into the device inputs reached the engine; the device
    // outputs carried the emulator's tone (channel 1, sample 1 of some block).
    for (int ch = 0; ch < 8; ++ch)
        EXPECT_FLOAT_EQ (after.lastHostPeak[ch], fhtest::RecordingDeviceListener::kHostValue);
    EXPECT_EQ (listener.lastDeviceChannels.load(), 20);
    EXPECT_EQ (listener.lastHostChannels.load(), 8);
    EXPECT_EQ (listener.lastSamples.load(), 128);
    EXPECT_GT (listener.lastTimeStamp.load(), 0.0);
    EXPECT_LE (std::abs (listener.lastFirstDeviceSample.load()), 0.25f);
    EXPECT_EQ (listener.lastEngineDataLength.load(), 9);
    EXPECT_EQ (listener.lastStride.load(), 4);
    EXPECT_EQ (listener.lastPluginCapacity.load(), 2048);
    EXPECT_EQ (listener.pluginFills.load(), listener.blocks.load());
}

TEST_F (RemoteDeviceClientAudioTest, StreamChangesAreReportedOffTheAudioThreadBeforeBlocksOfTheNewSize)
{
    auto& stream = openAndStream();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.characteristicsChanges >= 1; }, 10s));
    EXPECT_EQ (listener.reportedBlockSize.load(), 128);
    EXPECT_EQ (listener.reportedStreamValue2.load(), 1);

    stream.setBlockSize (512);
    stream.setStreamValue2 (3);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.reportedBlockSize == 512 && listener.reportedStreamValue2 == 3; }, 10s));
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.lastSamples == 512; }, 10s));
    EXPECT_FALSE (listener.characteristicsOnAudioThread.load());
    EXPECT_EQ (client->getBlockSize(), 512);
    EXPECT_EQ (client->getStreamValue2(), 3);
    // 512 samples at stride 4 exactly fill the plug-in data area.
    EXPECT_EQ (listener.lastPluginSamples.load(), 512);
}

TEST_F (RemoteDeviceClientAudioTest, OutputGainScalesTheDeviceChannelsInTheBlock)
{
    openAndStream();
    client->setOutputGain (0.0f);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.lastFirstDeviceSample.load() == 0.0f; }, 10s));
    const int blocks = listener.blocks;
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.blocks >= blocks + 20; }, 10s));
    EXPECT_EQ (listener.lastFirstDeviceSample.load(), 0.0f);
}

TEST_F (RemoteDeviceClientAudioTest, TimeOutIsLoggedWhenTheEngineStopsPosting)
{
    // The capture replaces the program logger, so it must stand before the audio thread starts using it.
    fhtest::ScopedLogCapture log;
    auto& stream = openAndStream();
    const auto timeOuts = [&] { return log.count ("Timed out waiting for input from the server"); };
    const int before = timeOuts();
    stream.setPaused (true);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return timeOuts() >= before + 2; }, 10s));
    EXPECT_TRUE (client->isDeviceOpen());
    const int blocks = listener.blocks;
    stream.setPaused (false);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return listener.blocks >= blocks + 10; }, 10s));
}
} // namespace

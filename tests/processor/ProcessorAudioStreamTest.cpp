#include "ProcessorFixture.h"

#include "foundation/GlobalPreferences.h"

using namespace processortest;

namespace
{
double targetFor (double readerRate, int readerBlock, double writerRate, int writerBlock, double margin)
{
    return (readerBlock / readerRate + writerBlock / writerRate) * 2.0 * writerRate * margin / 100.0;
}
} // namespace

TEST_F (ProcessorTest, ASafetyMarginChangeIsLoggedOnceAndReconfiguresBothRingSets)
{
    makeProcessor();
    processor->getGlobalPreferences()->setBufferSafetyMargin (100);
    processor->prepareToPlay (44100.0, 512);
    auto& exchange = processor->getAudioExchange();
    const int deviceBlock = processor->getEngineClient().getBlockSize();
    EXPECT_DOUBLE_EQ (exchange.deviceToHost.getTargetLatency(), targetFor (44100.0, 512, 48000.0, deviceBlock, 100));
    EXPECT_DOUBLE_EQ (exchange.hostToDevice.getTargetLatency(), targetFor (48000.0, deviceBlock, 44100.0, 512, 100));

    fhtest::ScopedLogCapture log;
    processor->getGlobalPreferences()->setBufferSafetyMargin (250);
    EXPECT_EQ (log.count ("Resampler safety margin scale was changed from 100 to 250"), 1);
    EXPECT_EQ (processor->getBufferSafetyMargin(), 250);
    EXPECT_DOUBLE_EQ (exchange.deviceToHost.getTargetLatency(), targetFor (44100.0, 512, 48000.0, deviceBlock, 250));
    EXPECT_DOUBLE_EQ (exchange.hostToDevice.getTargetLatency(), targetFor (48000.0, deviceBlock, 44100.0, 512, 250));

    // The same value again: nothing logged, nothing changed.
    processor->getGlobalPreferences()->setBufferSafetyMargin (250);
    EXPECT_EQ (log.count ("Resampler safety margin scale was changed"), 1);

    // Below the usable range: clamped when read, with its own line.
    processor->getGlobalPreferences()->setBufferSafetyMargin (10);
    EXPECT_EQ (log.count ("Resampler buffer safety margin 10 is outside 25 to 1000; 25 is used"), 1);
    EXPECT_EQ (log.count ("Resampler safety margin scale was changed from 250 to 25"), 1);
    EXPECT_DOUBLE_EQ (exchange.deviceToHost.getTargetLatency(), targetFor (44100.0, 512, 48000.0, deviceBlock, 25));
}

TEST_F (ProcessorTest, DeviceBlocksFillTheDeviceToHostRingsAndSilenceTheUnfedDeviceInputs)
{
    startEngine();
    makeProcessor();
    processor->setRateAndBufferSizeDetails (48000.0, 256);
    processor->prepareToPlay (48000.0, 256);
    auto& exchange = processor->getAudioExchange();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return exchange.deviceToHost.getSamplesWritten() > 48000; }, 20s));
    EXPECT_TRUE (exchange.deviceToHost.isConfigured());

    // No host block was written towards the device: every device input carries silence.
    auto* open = engine->openDevice (kUid);
    ASSERT_NE (open, nullptr);
    const auto stats = open->audio->statistics();
    for (float peak : stats.lastHostPeak)
        EXPECT_EQ (peak, 0.0f);

    // A closed device stops the stream: the sets wait for their writers again.
    processor->getEngineClient().stop();
    EXPECT_FALSE (exchange.deviceToHost.isConfigured());
}

#include "realtime/AudioRingSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr double kRate = 48000.0;
constexpr int kBlock = 128;
constexpr double kPeriodMs = 1000.0 * kBlock / kRate;

// A set streaming 48 kHz to 48 kHz in blocks of 128 on one clock, the reader a third of
// a period after the writer.
class AudioRingSetStream : public ::testing::Test
{
protected:
    void SetUp() override
    {
        set = std::make_unique<AudioRingSet>();
        block.assign (kBlock, 1.0f);
        target = set->configure (kRate, kBlock, kRate, kBlock, 100, 0.0);
    }

    int writeBlock()
    {
        const float* channels[] = { block.data() };
        const int status = set->write (writerMs, channels, 1, kBlock);
        writerMs += kPeriodMs;
        return status;
    }

    // A reader that reads nothing of the block it prepared.
    int readBlock()
    {
        const int status = set->prepareRead (writerMs - kPeriodMs * 2.0 / 3.0, kBlock);
        set->finishRead();
        return status;
    }

    // Writes and reads blocks in turn; returns the last read status.
    int stream (int blocks)
    {
        int status = -1;
        for (int i = 0; i < blocks; ++i)
        {
            writeBlock();
            status = readBlock();
        }
        return status;
    }

    std::unique_ptr<AudioRingSet> set;
    std::vector<float> block;
    double writerMs = 1000.0;
    double target = 0.0;
};
} // namespace

TEST (AudioRingSet, StatusCodesOfAnUnusedSet)
{
    auto set = std::make_unique<AudioRingSet>();
    const float silence[kBlock] {};
    const float* channels[] = { silence };
    EXPECT_EQ (set->prepareRead (1000.0, kBlock), AudioRingSet::nothingWritten);
    EXPECT_EQ (set->write (1000.0, channels, 1, kBlock), AudioRingSet::writeNotConfigured);
    EXPECT_FALSE (set->isConfigured());
    EXPECT_EQ (set->getCapacity(), RingConfiguration::kInitialCapacity);
}

TEST_F (AudioRingSetStream, AStreamGoesFromStartDelayToData)
{
    EXPECT_DOUBLE_EQ (target, (2.0 * kBlock / kRate) * 2.0 * kRate);
    // The request waits for the writer: nothing written yet.
    EXPECT_EQ (set->prepareRead (999.0, kBlock), AudioRingSet::nothingWritten);
    EXPECT_EQ (writeBlock(), AudioRingSet::written);
    EXPECT_EQ (set->getWritePosition(), kBlock);
    EXPECT_TRUE (set->isConfigured());

    // The reader waits 10 ms after its sync, then reads.
    std::vector<int> statuses;
    for (int i = 0; i < 10; ++i)
    {
        writeBlock();
        statuses.push_back (readBlock());
    }
    EXPECT_EQ (statuses.front(), AudioRingSet::waitingForStart);
    EXPECT_EQ (statuses.back(), AudioRingSet::dataAvailable);
    EXPECT_EQ (stream (2000), AudioRingSet::dataAvailable);
    EXPECT_NEAR (set->getRatio(), 1.0, 1e-4);
    EXPECT_EQ (set->getResyncCount(), 0);

    std::vector<float> out (kBlock);
    set->readChannel (out.data(), 0, kBlock);
    for (float v : out)
        EXPECT_NEAR (v, 1.0f, 1e-5f);
    // A channel the writer never wrote reads as the silence the configuration cleared.
    set->readChannel (out.data(), 5, kBlock);
    for (float v : out)
        EXPECT_EQ (v, 0.0f);
}

TEST_F (AudioRingSetStream, StartDelayIsHeldForTheTimeSet)
{
    set->setStartDelay (1.0);
    writeBlock();
    int blocksWaiting = 0;
    while (blocksWaiting < 1000 && (writeBlock(), readBlock()) == AudioRingSet::waitingForStart)
        ++blocksWaiting;
    EXPECT_NEAR (blocksWaiting * kPeriodMs, 1000.0, kPeriodMs + 0.01);
}

TEST_F (AudioRingSetStream, WriteAdvancesByExactlyTheBlockAcrossTheRingEnd)
{
    const int capacity = set->getCapacity();
    std::int64_t expected = 0;
    for (int i = 0; i < 3 * capacity / kBlock + 1; ++i)
    {
        ASSERT_EQ (writeBlock(), AudioRingSet::written);
        expected += kBlock;
        ASSERT_EQ (set->getWritePosition(), expected);
    }
    EXPECT_EQ (set->getSamplesWritten(), expected);
}

TEST_F (AudioRingSetStream, ReconfigurationWaitsForTheWriter)
{
    stream (500);
    ASSERT_TRUE (set->hasData());
    const int capacityBefore = set->getCapacity();

    // Any thread asks; the reader sees an unconfigured set until the writer applies it.
    const double newTarget = set->configure (kRate, kBlock, kRate, 1024, 100, 1.0);
    EXPECT_DOUBLE_EQ (newTarget, set->getTargetLatency());
    EXPECT_FALSE (set->isConfigured());
    EXPECT_EQ (set->prepareRead (writerMs, kBlock), AudioRingSet::notConfigured);
    EXPECT_FALSE (set->hasData());
    EXPECT_EQ (set->getCapacity(), capacityBefore);

    EXPECT_EQ (writeBlock(), AudioRingSet::written);
    EXPECT_TRUE (set->isConfigured());
    EXPECT_EQ (set->getCapacity(), 32768);
    EXPECT_EQ (set->getWritePosition(), kBlock) << "the stream starts again";
}

TEST_F (AudioRingSetStream, ReconfigurationWaitsForTheReaderToFinishItsBlock)
{
    stream (500);
    ASSERT_EQ (set->prepareRead (writerMs - kPeriodMs / 2.0, kBlock), AudioRingSet::dataAvailable);
    const int capacityBefore = set->getCapacity();
    set->configure (kRate, kBlock, kRate, 1024, 100, 1.0);
    // The reader still reads its block: the writer keeps the configuration back.
    EXPECT_EQ (writeBlock(), AudioRingSet::writeNotConfigured);
    EXPECT_EQ (set->getCapacity(), capacityBefore);
    set->finishRead();
    EXPECT_EQ (writeBlock(), AudioRingSet::written);
    EXPECT_EQ (set->getCapacity(), 32768);
}

TEST_F (AudioRingSetStream, AReaderThatNeverFinishesHoldsTheConfigurationBackOnlyForAWhile)
{
    stream (500);
    ASSERT_EQ (set->prepareRead (writerMs - kPeriodMs / 2.0, kBlock), AudioRingSet::dataAvailable);
    set->configure (kRate, kBlock, kRate, 1024, 100, 1.0);
    for (int i = 0; i < AudioRingSet::kMaxDeferredWrites; ++i)
        ASSERT_EQ (writeBlock(), AudioRingSet::writeNotConfigured);
    EXPECT_EQ (writeBlock(), AudioRingSet::written);
    EXPECT_EQ (set->getCapacity(), 32768);
}

TEST_F (AudioRingSetStream, ARequestDuringAReadIsSeenByTheReaderBeforeItReads)
{
    stream (500);
    set->configure (kRate, kBlock, kRate, 1024, 100, 1.0);
    EXPECT_EQ (set->prepareRead (writerMs - kPeriodMs / 2.0, kBlock), AudioRingSet::notConfigured);
    EXPECT_FALSE (set->hasData());
    EXPECT_EQ (writeBlock(), AudioRingSet::written) << "a reader that saw the request holds nothing back";
}

TEST_F (AudioRingSetStream, TheLatestOfSeveralRequestsWins)
{
    stream (100);
    set->configure (kRate, kBlock, kRate, 1024, 100, 1.0);
    set->configure (kRate, kBlock, 8000.0, 128, 100, 1.0);   // refused rate: stays unconfigured
    set->configure (kRate, kBlock, kRate, 256, 100, 1.0);
    writeBlock();
    EXPECT_TRUE (set->isConfigured());
    EXPECT_EQ (set->getCapacity(), 8192);
}

TEST_F (AudioRingSetStream, ARefusedRateLeavesTheSetUnconfigured)
{
    stream (100);
    EXPECT_EQ (set->configure (kRate, kBlock, 8000.0, kBlock, 100, 1.0), std::numeric_limits<double>::infinity());
    EXPECT_EQ (writeBlock(), AudioRingSet::writeNotConfigured);
    EXPECT_EQ (readBlock(), AudioRingSet::nothingWritten);
    EXPECT_EQ (set->configure (kRate, 0, kRate, kBlock, 100, 1.0), 0.0);
    EXPECT_EQ (writeBlock(), AudioRingSet::writeNotConfigured);
}

TEST_F (AudioRingSetStream, ReconfigurationClearsTheRings)
{
    std::vector<float> ones (kBlock, 1.0f);
    stream (400);   // fills every sample of the ring with 1.0
    set->configure (kRate, kBlock, kRate, kBlock, 100, 1.0);
    block.assign (kBlock, 0.0f);
    stream (200);
    ASSERT_TRUE (set->hasData());
    // Read where the previous stream left ones: far behind and far ahead of the new writer.
    std::vector<float> out (64);
    for (std::int64_t position : { std::int64_t { -3000 }, std::int64_t { 3000 } })
    {
        set->resampleChannel (out.data(), 0, 64, { position, 0.0 }, 1.0, 1.0);
        for (float v : out)
            ASSERT_EQ (v, 0.0f) << "at " << position;
    }
}

TEST_F (AudioRingSetStream, WriterStallRestartsTheStream)
{
    stream (300);
    ASSERT_TRUE (set->hasData());
    writerMs += 4 * kPeriodMs;   // more than three periods without a block
    EXPECT_EQ (writeBlock(), AudioRingSet::writerJump);
    EXPECT_EQ (readBlock(), AudioRingSet::resetPending);
    EXPECT_EQ (readBlock(), AudioRingSet::resetPending);
    EXPECT_EQ (writeBlock(), AudioRingSet::written);
    EXPECT_EQ (set->getWritePosition(), kBlock);
    EXPECT_EQ (readBlock(), AudioRingSet::waitingForStart);
    EXPECT_EQ (stream (300), AudioRingSet::dataAvailable);
}

TEST_F (AudioRingSetStream, ReaderJumpAsksTheWriterToRestart)
{
    stream (300);
    EXPECT_EQ (set->prepareRead (writerMs + 4 * kPeriodMs, kBlock), AudioRingSet::readerJump);
    EXPECT_EQ (readBlock(), AudioRingSet::resetPending);
    EXPECT_EQ (writeBlock(), AudioRingSet::written);
    EXPECT_EQ (stream (300), AudioRingSet::dataAvailable);
}

TEST_F (AudioRingSetStream, UnderrunResynchronisesTheReader)
{
    stream (300);
    // The writer goes quiet; the reader's clock runs on past what was written.
    int status = AudioRingSet::dataAvailable;
    int blocks = 0;
    while (status == AudioRingSet::dataAvailable && blocks++ < 100)
    {
        writerMs += kPeriodMs;
        status = readBlock();
    }
    EXPECT_EQ (status, AudioRingSet::underrun);
    EXPECT_EQ (set->getResyncCount(), 1);
    EXPECT_EQ (set->getOverrunCount(), 0);
    std::vector<float> out (kBlock, 5.0f);
    set->readChannel (out.data(), 0, kBlock);
    for (float v : out)
        EXPECT_EQ (v, 0.0f);
    // The next call starts over from the history.
    EXPECT_EQ (readBlock(), AudioRingSet::waitingForStart);
}

TEST_F (AudioRingSetStream, OverrunIsDetectedByTheReader)
{
    // The reader's clock stands a second behind the writer's: the positions it asks for
    // were overwritten long ago.
    for (int i = 0; i < 400; ++i)
        writeBlock();
    int status = AudioRingSet::waitingForStart;
    for (int i = 0; i < 20 && status == AudioRingSet::waitingForStart; ++i)
    {
        writeBlock();
        status = set->prepareRead (writerMs - 1000.0, kBlock);
    }
    EXPECT_EQ (status, AudioRingSet::underrun);
    EXPECT_EQ (set->getOverrunCount(), 1);
    EXPECT_EQ (set->getResyncCount(), 1);
    EXPECT_FALSE (set->hasData());
}

struct NonFiniteCase
{
    const char* name;
    double readerStamp;
};

class AudioRingSetNonFinite : public AudioRingSetStream, public ::testing::WithParamInterface<NonFiniteCase>
{
};

TEST_P (AudioRingSetNonFinite, ReaderStampThatIsNotATimeResyncs)
{
    stream (300);
    EXPECT_EQ (set->prepareRead (GetParam().readerStamp, kBlock), AudioRingSet::underrun);
    EXPECT_FALSE (set->hasData());
    EXPECT_EQ (stream (300), AudioRingSet::dataAvailable);
}

TEST_P (AudioRingSetNonFinite, WriterStampThatIsNotATimeRestartsTheStream)
{
    stream (300);
    const float* channels[] = { block.data() };
    EXPECT_EQ (set->write (GetParam().readerStamp, channels, 1, kBlock), AudioRingSet::writerJump);
    EXPECT_EQ (readBlock(), AudioRingSet::resetPending);
    EXPECT_EQ (stream (300), AudioRingSet::dataAvailable);
    EXPECT_NEAR (set->getRatio(), 1.0, 1e-4);
}

INSTANTIATE_TEST_SUITE_P (Stamps, AudioRingSetNonFinite,
                          ::testing::Values (NonFiniteCase { "NaN", std::numeric_limits<double>::quiet_NaN() },
                                             NonFiniteCase { "Infinity", std::numeric_limits<double>::infinity() },
                                             NonFiniteCase { "MinusInfinity", -std::numeric_limits<double>::infinity() }),
                          [] (const auto& info) { return std::string (info.param.name); });

TEST_F (AudioRingSetStream, ReaderPositionOfAWriterSample)
{
    stream (3000);
    // Equal rates and blocks, the reader a third of a period behind the writer: a writer
    // sample is read at the reader sample the reader's clock reaches at its time.
    const auto writerPosition = set->getWritePosition();
    const auto readerPosition = set->toReaderPosition (writerPosition);
    EXPECT_GT (readerPosition, 0);
    const auto next = set->toReaderPosition (writerPosition + 4800);
    EXPECT_NEAR (static_cast<double> (next - readerPosition), 4800.0, 2.0);
}

TEST_F (AudioRingSetStream, BandwidthsStartWideAndNarrow)
{
    writeBlock();
    EXPECT_DOUBLE_EQ (set->getWriterBandwidth(), TimeDll::kConfigureBandwidth);
    stream (20000);
    EXPECT_NEAR (set->getWriterBandwidth(), AudioRingSet::kWriterBandwidthFloor, 1e-3);
    EXPECT_NEAR (set->getReaderTimeBandwidth(), AudioRingSet::kReaderTimeBandwidthFloor, 1e-3);
    EXPECT_NEAR (set->getPositionBandwidth(), AudioRingSet::kPositionBandwidthFloor, 1e-3);
}

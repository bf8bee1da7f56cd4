#include "realtime/SampleRing.h"

#include "support/AudioThreadChecks.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace
{
std::vector<float> ramp (int n, float from)
{
    std::vector<float> v (static_cast<std::size_t> (n));
    std::iota (v.begin(), v.end(), from);
    return v;
}

TEST (SampleRingTest, BlocksComeOutInOrderAcrossTheWrap)
{
    SampleRing ring;
    std::vector<float> out (1000);
    float next = 0.0f;
    float expected = 0.0f;
    // 700 in, 700 out, 200 times: the 16-bit indices wrap twice.
    for (int round = 0; round < 200; ++round)
    {
        const auto block = ramp (700, next);
        next += 700.0f;
        ASSERT_TRUE (ring.write (block.data(), 700));
        ASSERT_EQ (ring.available(), 700);
        ASSERT_EQ (ring.read (out.data(), 1000), 700);
        for (int i = 0; i < 700; ++i)
            ASSERT_EQ (out[static_cast<std::size_t> (i)], expected++);
    }
}

TEST (SampleRingTest, ABlockThatDoesNotFitIsDroppedWholeAndOneThatFillsTheRingIsKept)
{
    SampleRing ring;
    const auto big = ramp (SampleRing::kMaxUnread, 1.0f);
    ASSERT_TRUE (ring.write (big.data(), SampleRing::kMaxUnread - 10));
    const auto eleven = ramp (11, 0.0f);
    EXPECT_FALSE (ring.write (eleven.data(), 11));
    EXPECT_EQ (ring.available(), SampleRing::kMaxUnread - 10);
    EXPECT_TRUE (ring.write (eleven.data(), 10));   // exactly the free space
    EXPECT_EQ (ring.available(), SampleRing::kMaxUnread);
    EXPECT_EQ (ring.freeSpace(), 0);

    // A whole ring of 65536 would wrap the 16-bit indices onto each other and lose it.
    SampleRing empty;
    const auto whole = ramp (SampleRing::kSize, 0.0f);
    EXPECT_FALSE (empty.write (whole.data(), SampleRing::kSize));
    EXPECT_EQ (empty.available(), 0);
}

TEST (SampleRingTest, TheReadDelayLagsTheOutputAndCountsAgainstTheFreeSpace)
{
    SampleRing ring;
    ring.setReadDelay (100);
    EXPECT_EQ (ring.freeSpace(), SampleRing::kMaxUnread - 100);
    const auto block = ramp (300, 1.0f);
    ASSERT_TRUE (ring.write (block.data(), 300));
    std::vector<float> out (300);
    ASSERT_EQ (ring.read (out.data(), 300), 300);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ (out[static_cast<std::size_t> (i)], 0.0f);   // before the first sample: the cleared ring
    for (int i = 100; i < 300; ++i)
        EXPECT_EQ (out[static_cast<std::size_t> (i)], static_cast<float> (i - 99));

    // A full ring less the delay: one more sample does not fit.
    SampleRing delayed;
    delayed.setReadDelay (1000);
    const auto fill = ramp (SampleRing::kMaxUnread - 1000, 0.0f);
    EXPECT_TRUE (delayed.write (fill.data(), SampleRing::kMaxUnread - 1000));
    EXPECT_FALSE (delayed.write (fill.data(), 1));

    // Delays are clamped to half the ring.
    delayed.setReadDelay (1 << 20);
    EXPECT_EQ (delayed.getReadDelay(), SampleRing::kMaxReadDelay);
    delayed.setReadDelay (-5);
    EXPECT_EQ (delayed.getReadDelay(), 0);
}

TEST (SampleRingTest, WritingNeitherAllocatesNorBlocks)
{
    ASSERT_TRUE (fhtest::audioThreadCountersInstalled());
    SampleRing ring;
    const auto block = ramp (512, 0.0f);
    const auto calls = fhtest::callsOnAudioThread ([&] {
        for (int i = 0; i < 200; ++i)
            ring.write (block.data(), 512);
    });
    EXPECT_EQ (calls.total(), 0u);
}
} // namespace

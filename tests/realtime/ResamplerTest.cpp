#include "realtime/Resampler.h"

#include "KernelResponse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace
{
constexpr std::uint32_t kCapacity = 4096;

std::string arithmeticName (ResamplerArithmetic a)
{
    switch (a)
    {
        case ResamplerArithmetic::portable: return "Portable";
        case ResamplerArithmetic::sse2: return "Sse2";
        case ResamplerArithmetic::avx2: return "Avx2";
    }
    return "Unknown";
}

class ResamplerArithmetics : public ::testing::TestWithParam<ResamplerArithmetic>
{
protected:
    void SetUp() override
    {
        if (! isResamplerArithmeticAvailable (GetParam()))
            GTEST_SKIP() << "this processor lacks " << arithmeticName (GetParam());
    }

    std::vector<float> read (const std::vector<float>& ring, int n, ReadPosition start, double ratio, float gain = 1.0f)
    {
        std::vector<float> out (static_cast<std::size_t> (n), -99.0f);
        float* outs[] = { out.data() };
        const float* rings[] = { ring.data() };
        resampleRingsWith (GetParam(), outs, rings, 1, static_cast<std::uint32_t> (ring.size()), n, start, ratio, gain);
        return out;
    }
};
} // namespace

TEST_P (ResamplerArithmetics, ConstantOneReadsBackAsOneAtAnyFraction)
{
    const std::vector<float> ring (kCapacity, 1.0f);
    for (double fraction : { 0.0, 1.0 / 64.0, 0.03125, 0.25, 0.5, 0.7654321, 31.0 / 32.0, 0.999999999 })
    {
        const auto out = read (ring, 1, { 100, fraction }, 1.0);
        EXPECT_NEAR (out[0], 1.0f, 2e-6f) << "fraction " << fraction;
    }
    // Every fraction the ratio passes through, across the ring's end too.
    const auto out = read (ring, 2000, { 4000, 0.1 }, 1.0 + 1.0 / 997.0);
    for (float v : out)
        ASSERT_NEAR (v, 1.0f, 2e-6f);
}

TEST_P (ResamplerArithmetics, ToneComesOutDelayedBy63Over64Sample)
{
    // A tone well inside the pass band: the output is the tone 63/64 sample earlier,
    // scaled by the kernel's gain at that frequency.
    const double step = 2.0 * M_PI * 997.0 / 48000.0;
    std::vector<float> ring (kCapacity);
    for (std::uint32_t i = 0; i < kCapacity; ++i)
        ring[i] = static_cast<float> (0.5 * std::sin (step * i));
    const double gain = kernelAmplitudeAt (kernelPrototype(), 997.0 / 48000.0);
    const double ratio = 48000.0 / 44100.0;
    const ReadPosition start { 200, 0.37 };
    const auto out = read (ring, 1000, start, ratio);
    double worst = 0.0;
    for (int i = 0; i < 1000; ++i)
    {
        const double position = start.toSamples() + i * ratio - 63.0 / 64.0;
        worst = std::max (worst, std::abs (out[static_cast<std::size_t> (i)] - 0.5 * gain * std::sin (step * position)));
    }
    EXPECT_LT (20.0 * std::log10 (worst / 0.5), -95.0);
}

TEST_P (ResamplerArithmetics, ReadingAcrossTheRingEndEqualsAnUnbrokenRing)
{
    std::mt19937 random (7);
    std::uniform_real_distribution<float> noise (-1.0f, 1.0f);
    std::vector<float> ring (kCapacity);
    for (auto& v : ring)
        v = noise (random);
    // The same samples laid out so that the read does not wrap.
    std::vector<float> unwrapped (kCapacity);
    for (std::uint32_t i = 0; i < kCapacity; ++i)
        unwrapped[i] = ring[(i + kCapacity / 2) % kCapacity];

    const auto wrapped = read (ring, 64, { kCapacity - 40, 0.3 }, 0.93);
    const auto straight = read (unwrapped, 64, { kCapacity / 2 - 40, 0.3 }, 0.93);
    for (std::size_t i = 0; i < wrapped.size(); ++i)
        EXPECT_FLOAT_EQ (wrapped[i], straight[i]) << "sample " << i;
}

TEST_P (ResamplerArithmetics, AgreesWithThePortableArithmetic)
{
    std::mt19937 random (11);
    std::uniform_real_distribution<float> noise (-1.0f, 1.0f);
    std::vector<float> ring (kCapacity);
    for (auto& v : ring)
        v = noise (random);
    const auto out = read (ring, 3000, { -50, 0.9 }, 1.0884353741496597, 0.5f);

    std::vector<float> expected (3000);
    float* outs[] = { expected.data() };
    const float* rings[] = { ring.data() };
    resampleRingsWith (ResamplerArithmetic::portable, outs, rings, 1, kCapacity, 3000, { -50, 0.9 },
                       1.0884353741496597, 0.5f);
    for (std::size_t i = 0; i < out.size(); ++i)
        ASSERT_NEAR (out[i], expected[i], 1e-5f) << "sample " << i;
}

TEST_P (ResamplerArithmetics, ChannelsReadTogetherEqualChannelsReadAlone)
{
    constexpr int kChannels = 20;
    std::vector<std::vector<float>> rings (kChannels, std::vector<float> (kCapacity));
    for (int c = 0; c < kChannels; ++c)
        for (std::uint32_t i = 0; i < kCapacity; ++i)
            rings[static_cast<std::size_t> (c)][i] = static_cast<float> (std::sin (0.001 * (c + 1) * i));
    std::vector<std::vector<float>> together (kChannels, std::vector<float> (256));
    std::vector<float*> outs;
    std::vector<const float*> sources;
    for (int c = 0; c < kChannels; ++c)
    {
        outs.push_back (together[static_cast<std::size_t> (c)].data());
        sources.push_back (rings[static_cast<std::size_t> (c)].data());
    }
    resampleRingsWith (GetParam(), outs.data(), sources.data(), kChannels, kCapacity, 256, { 1000, 0.25 }, 0.91875,
                       1.0f);
    for (int c = 0; c < kChannels; ++c)
    {
        const auto alone = read (rings[static_cast<std::size_t> (c)], 256, { 1000, 0.25 }, 0.91875);
        for (std::size_t i = 0; i < alone.size(); ++i)
            ASSERT_EQ (alone[i], together[static_cast<std::size_t> (c)][i]) << "channel " << c << " sample " << i;
    }
}

TEST_P (ResamplerArithmetics, PositionsOrRatiosThatAreNotFiniteGiveSilence)
{
    const std::vector<float> ring (kCapacity, 1.0f);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<ReadPosition, double> cases[] = { { { 10, nan }, 1.0 }, { { 10, inf }, 1.0 },
                                                      { { 10, 0.5 }, nan }, { { 10, 0.5 }, -inf } };
    for (const auto& [start, ratio] : cases)
        for (float v : read (ring, 16, start, ratio))
            ASSERT_EQ (v, 0.0f);
}

INSTANTIATE_TEST_SUITE_P (Arithmetics, ResamplerArithmetics,
                          ::testing::Values (ResamplerArithmetic::portable, ResamplerArithmetic::sse2,
                                             ResamplerArithmetic::avx2),
                          [] (const auto& info) { return arithmeticName (info.param); });

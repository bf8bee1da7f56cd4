// The drift-following resampler: its cost per output sample and channel, its quality
// converting 48 kHz to 44.1 kHz with the clocks 50 ppm apart, and beside it Debian's
// zita-resampler (VResampler, half lengths 16 and 32) where the same figure applies.
// Quality figures come as counters of one-iteration runs:
//   sinad_997 / sinad_15k / sinad_19k2   dB, a -1 dBFS tone against everything else
//   gain_997                              dB
//   alias_23k                             dB, the 23 kHz tone's alias (at 21.1 kHz)
//   delay                                 samples at the writer rate (kernel only)
#include "realtime/Resampler.h"
#include "realtime/RingConfiguration.h"

#include <zita-resampler/vresampler.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace
{
constexpr double kWriterRate = 48000.0;
constexpr double kReaderRate = 44100.0;
constexpr double kDriftPpm = 50.0;
constexpr double kRatio = kWriterRate / kReaderRate * (1.0 + kDriftPpm * 1e-6);   // writer samples per output sample
constexpr double kAmplitude = 0.8912509381337456;                                  // -1 dBFS
constexpr int kBlock = 512;
constexpr int kMaxChannels = 20;

// A tone fitted at a known frequency (cycles per output sample): amplitude, phase and
// what is left.
struct ToneFit
{
    double amplitude = 0.0;
    double phase = 0.0;
    double residualRms = 0.0;
};

ToneFit fitTone (const std::vector<float>& y, double cyclesPerSample)
{
    // Least squares over sin, cos and a constant.
    double m[3][3] {}, v[3] {};
    const double w = 2.0 * M_PI * cyclesPerSample;
    for (std::size_t i = 0; i < y.size(); ++i)
    {
        const double b[3] = { std::sin (w * i), std::cos (w * i), 1.0 };
        for (int r = 0; r < 3; ++r)
        {
            v[r] += b[r] * y[i];
            for (int c = 0; c < 3; ++c)
                m[r][c] += b[r] * b[c];
        }
    }
    // Solve by Cramer's rule.
    auto det = [] (const double a[3][3]) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0])
             + a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double d = det (m);
    double x[3];
    for (int k = 0; k < 3; ++k)
    {
        double t[3][3];
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                t[r][c] = c == k ? v[r] : m[r][c];
        x[k] = det (t) / d;
    }
    ToneFit fit;
    fit.amplitude = std::hypot (x[0], x[1]);
    fit.phase = std::atan2 (x[1], x[0]);
    double residual = 0.0;
    for (std::size_t i = 0; i < y.size(); ++i)
    {
        const double e = y[i] - (x[0] * std::sin (w * i) + x[1] * std::cos (w * i) + x[2]);
        residual += e * e;
    }
    fit.residualRms = std::sqrt (residual / static_cast<double> (y.size()));
    return fit;
}

double db (double v)
{
    return 20.0 * std::log10 (v);
}

// A converter under test: tone in at the writer rate, numOutput samples out.
using Converter = std::vector<float> (*) (double toneHz, int numOutput, int hlen, double& startPosition);

std::vector<float> tone (double hz, std::size_t n)
{
    std::vector<float> x (n);
    for (std::size_t i = 0; i < n; ++i)
        x[i] = static_cast<float> (kAmplitude * std::sin (2.0 * M_PI * hz / kWriterRate * static_cast<double> (i)));
    return x;
}

std::vector<float> convertOwn (double hz, int numOutput, int, double& startPosition)
{
    const std::uint32_t capacity = RingConfiguration::kMaxCapacity;
    const auto ring = tone (hz, capacity);
    std::vector<float> out (static_cast<std::size_t> (numOutput));
    float* outs[] = { out.data() };
    const float* rings[] = { ring.data() };
    startPosition = 100.25;
    resampleRings (outs, rings, 1, capacity, numOutput, { 100, 0.25 }, kRatio, 1.0f);
    return out;
}

std::vector<float> convertZita (double hz, int numOutput, int hlen, double& startPosition)
{
    VResampler resampler;
    resampler.setup (kReaderRate / kWriterRate, 1, static_cast<unsigned> (hlen));
    resampler.set_rrfilt (0.0);
    resampler.set_rratio (1.0 / (1.0 + kDriftPpm * 1e-6));
    const int warmUp = 4096;
    auto input = tone (hz, static_cast<std::size_t> ((numOutput + warmUp) * kRatio + 4096));
    std::vector<float> out (static_cast<std::size_t> (numOutput + warmUp));
    resampler.inp_count = static_cast<unsigned> (resampler.inpsize() / 2 - 1);
    resampler.inp_data = nullptr;
    resampler.out_count = 1u << 20;
    resampler.out_data = nullptr;
    resampler.process();
    resampler.inp_count = static_cast<unsigned> (input.size());
    resampler.inp_data = input.data();
    resampler.out_count = static_cast<unsigned> (out.size());
    resampler.out_data = out.data();
    resampler.process();
    startPosition = std::nan ("");   // its delay is its own; only the tone's quality is compared
    return std::vector<float> (out.begin() + warmUp, out.end());
}

void quality (benchmark::State& state, Converter convert, int hlen)
{
    constexpr int kOutput = 1 << 16;
    for (auto _ : state)
    {
        double start = 0.0;
        for (const auto& [hz, name] : { std::pair { 997.0, "sinad_997" }, std::pair { 15000.0, "sinad_15k" },
                                        std::pair { 19200.0, "sinad_19k2" } })
        {
            const auto y = convert (hz, kOutput, hlen, start);
            const auto fit = fitTone (y, hz * kRatio / kWriterRate);
            state.counters[name] = db (fit.amplitude / std::sqrt (2.0) / fit.residualRms);
            if (hz == 997.0)
            {
                state.counters["gain_997"] = db (fit.amplitude / kAmplitude);
                if (std::isfinite (start))
                {
                    // y[m] = A sin (2 pi f (start + m ratio - delay) / writer rate)
                    const double cycles = fit.phase / (2.0 * M_PI) - hz * start / kWriterRate;
                    double delay = -cycles * kWriterRate / hz;
                    const double period = kWriterRate / hz;
                    delay -= std::round (delay / period) * period;
                    state.counters["delay"] = delay;
                }
            }
        }
        const auto alias = convert (23000.0, kOutput, hlen, start);
        const double aliasCycles = 1.0 - 23000.0 * kRatio / kWriterRate;
        state.counters["alias_23k"] = db (fitTone (alias, aliasCycles).amplitude / kAmplitude);
    }
}

void BM_QualityOwn (benchmark::State& state)
{
    quality (state, convertOwn, 0);
}
BENCHMARK (BM_QualityOwn)->Iterations (1)->Unit (benchmark::kMillisecond);

void BM_QualityZita (benchmark::State& state)
{
    quality (state, convertZita, static_cast<int> (state.range (0)));
}
BENCHMARK (BM_QualityZita)->Arg (16)->Arg (32)->Iterations (1)->Unit (benchmark::kMillisecond);

// Cost: blocks of 512 output samples per channel, the read position moving on through
// a ring of noise. Counter per_sample_ch: time per output sample and channel.
void BM_ResampleOwn (benchmark::State& state)
{
    const int channels = static_cast<int> (state.range (0));
    constexpr std::uint32_t kCapacity = 16384;
    std::mt19937 random (3);
    std::uniform_real_distribution<float> noise (-0.5f, 0.5f);
    std::vector<std::vector<float>> rings (static_cast<std::size_t> (channels), std::vector<float> (kCapacity));
    std::vector<std::vector<float>> outs (static_cast<std::size_t> (channels), std::vector<float> (kBlock));
    std::vector<const float*> ringPointers;
    std::vector<float*> outPointers;
    for (int c = 0; c < channels; ++c)
    {
        for (auto& v : rings[static_cast<std::size_t> (c)])
            v = noise (random);
        ringPointers.push_back (rings[static_cast<std::size_t> (c)].data());
        outPointers.push_back (outs[static_cast<std::size_t> (c)].data());
    }
    ReadPosition position { 0, 0.3 };
    for (auto _ : state)
    {
        resampleRings (outPointers.data(), ringPointers.data(), channels, kCapacity, kBlock, position, kRatio, 1.0f);
        benchmark::DoNotOptimize (outPointers[0][kBlock - 1]);
        position = position.movedBy (kBlock * kRatio);
    }
    state.counters["per_sample_ch"] = benchmark::Counter (
        static_cast<double> (kBlock * channels), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK (BM_ResampleOwn)->Arg (1)->Arg (kMaxChannels);

void BM_ResampleZita (benchmark::State& state)
{
    const int hlen = static_cast<int> (state.range (0));
    const int channels = static_cast<int> (state.range (1));
    VResampler resampler;
    resampler.setup (kReaderRate / kWriterRate, static_cast<unsigned> (channels), static_cast<unsigned> (hlen));
    resampler.set_rratio (1.0 / (1.0 + kDriftPpm * 1e-6));
    std::mt19937 random (3);
    std::uniform_real_distribution<float> noise (-0.5f, 0.5f);
    const int inputFrames = 8192;
    std::vector<float> input (static_cast<std::size_t> (inputFrames * channels));
    for (auto& v : input)
        v = noise (random);
    std::vector<float> out (static_cast<std::size_t> (kBlock * channels));
    for (auto _ : state)
    {
        resampler.out_count = kBlock;
        resampler.out_data = out.data();
        while (resampler.out_count > 0)
        {
            resampler.inp_count = static_cast<unsigned> (inputFrames);
            resampler.inp_data = input.data();
            resampler.process();
        }
        benchmark::DoNotOptimize (out[0]);
    }
    state.counters["per_sample_ch"] = benchmark::Counter (
        static_cast<double> (kBlock * channels), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK (BM_ResampleZita)->Args ({ 16, 1 })->Args ({ 32, 1 })->Args ({ 16, kMaxChannels })->Args ({ 32, kMaxChannels });
} // namespace

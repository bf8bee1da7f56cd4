// The whole host audio callback: processBlock of the device processor with 16
// output buses fed from 20 device channels at 44.1 kHz and 512-sample blocks, the
// device side fed with 128-sample blocks at 48 kHz on a driven clock between the
// timed calls. Reported as the share of one core that the callback takes of each
// block's time (the callback has 0.5 % of a core).
#include "platform/Clock.h"
#include "BenchProcessor.h"

#include <benchmark/benchmark.h>

#include <juce_events/juce_events.h>

#include <chrono>
#include <cmath>
#include <vector>

namespace
{
constexpr double kHostRate = 44100.0;
constexpr int kHostBlock = 512;
constexpr int kDeviceBlock = 128;

int unusedPort()
{
    juce::StreamingSocket socket;
    socket.createListener (0, "127.0.0.1");
    return socket.getBoundPort();
}

void runHostCallback (benchmark::State& state, juce::AudioProcessor::WrapperType wrapper)
{
    const juce::ScopedJuceInitialiser_GUI juce;
    DrivenClock clock;   // outlives the processor that reads it
    bench::BenchProcessor bench (unusedPort(), wrapper);   // no engine: this benchmark is the engine
    auto& processor = bench.get();
    processor.setClock (clock);
    for (int bus = 0; bus < processor.getBusCount (false); ++bus)
        processor.setBusMonitored (bus, true);   // the standalone mix at its busiest
    processor.setRateAndBufferSizeDetails (kHostRate, kHostBlock);
    processor.prepareToPlay (kHostRate, kHostBlock);

    juce::AudioBuffer<float> buffer (std::max (processor.getTotalNumInputChannels(), processor.getTotalNumOutputChannels()),
                                     kHostBlock);
    juce::MidiBuffer midi;
    std::vector<std::vector<float>> deviceOut (20, std::vector<float> (kDeviceBlock));
    std::vector<std::vector<float>> deviceIn (12, std::vector<float> (kDeviceBlock));
    std::vector<std::uint8_t> pluginData (2048);
    float* outs[20];
    float* ins[12];
    for (int c = 0; c < 20; ++c)
        outs[c] = deviceOut[static_cast<std::size_t> (c)].data();
    for (int c = 0; c < 12; ++c)
        ins[c] = deviceIn[static_cast<std::size_t> (c)].data();
    std::int64_t frame = 0;
    double timedSeconds = 0.0;
    std::int64_t timedBlocks = 0;
    double nextDevice = clock.nowMs();
    double nextHost = clock.nowMs();

    const auto hostBlock = [&] (bool timed) {
        while (nextDevice <= nextHost)
        {
            clock.setMs (nextDevice);
            for (int c = 0; c < 20; ++c)
                for (int i = 0; i < kDeviceBlock; ++i)
                    deviceOut[static_cast<std::size_t> (c)][static_cast<std::size_t> (i)]
                        = 0.25f * static_cast<float> (std::sin (0.01 * (c + 1) * static_cast<double> (frame + i)));
            processor.fillPluginData (pluginData.data(), 2048, kDeviceBlock, 4);
            processor.audioBlockReceived (outs, 20, ins, 12, kDeviceBlock, clock.nowMs());
            frame += kDeviceBlock;
            nextDevice += 1000.0 * kDeviceBlock / 48000.0;
        }
        clock.setMs (nextHost);
        nextHost += 1000.0 * kHostBlock / kHostRate;
        for (int c = 0; c < processor.getTotalNumInputChannels(); ++c)
            juce::FloatVectorOperations::fill (buffer.getWritePointer (c), 0.1f, kHostBlock);
        const auto began = std::chrono::steady_clock::now();
        processor.processBlock (buffer, midi);
        const auto took = std::chrono::duration<double> (std::chrono::steady_clock::now() - began).count();
        if (timed)
        {
            state.SetIterationTime (took);
            timedSeconds += took;
            ++timedBlocks;
        }
    };

    // Past the start's silence and fade-in: the device audio at full level.
    for (int i = 0; i < static_cast<int> (2.5 * kHostRate / kHostBlock); ++i)
        hostBlock (false);
    if (processor.getOutputStage().getFadeValue() < 1.0f)
        state.SkipWithError ("the device audio did not reach full level");

    for (auto _ : state)
        hostBlock (true);

    const double perBlock = timedBlocks > 0 ? timedSeconds / static_cast<double> (timedBlocks) : 0.0;
    state.counters["core_percent_of_block"] = 100.0 * perBlock / (kHostBlock / kHostRate);
    state.counters["ns_per_sample_channel"] = 1e9 * perBlock / (kHostBlock * 20.0);
}

void BM_HostCallbackPluginLayout (benchmark::State& state)
{
    runHostCallback (state, juce::AudioProcessor::wrapperType_VST3);
}

void BM_HostCallbackStandaloneMonitorMix (benchmark::State& state)
{
    runHostCallback (state, juce::AudioProcessor::wrapperType_Standalone);
}

BENCHMARK (BM_HostCallbackPluginLayout)->Unit (benchmark::kMicrosecond)->UseManualTime()->Iterations (20000);
BENCHMARK (BM_HostCallbackStandaloneMonitorMix)->Unit (benchmark::kMicrosecond)->UseManualTime()->Iterations (20000);
} // namespace

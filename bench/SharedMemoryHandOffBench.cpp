// The audio block hand-off between the engine and the program: the engine writes a
// block and posts the input semaphore, the program's audio thread hands it to its
// client and posts the output semaphore. Reported: median and 99th percentile of the
// time from the engine's post to the program's answer, at 128-sample blocks.
#include "engine/SharedMemoryAudioConnection.h"

#include "EmulatorAudioStream.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <unistd.h>

namespace
{
struct PassThroughClient : IpcConnectionAudioDataCommon::Client
{
    void streamCharacteristicsChanged (IpcConnectionAudioDataCommon*, std::uint16_t, std::uint16_t) override {}
    void audioBlockReceived (IpcConnectionAudioDataCommon*, SharedMemoryAudioData* block) override
    {
        // What a processor does at the least: copy one device channel into a device input.
        std::copy_n (block->deviceChannels[0], block->blockSize, block->hostChannels[0]);
    }
};

double percentile (std::vector<double> values, double p)
{
    if (values.empty())
        return 0.0;
    std::sort (values.begin(), values.end());
    const auto index = static_cast<std::size_t> (p * static_cast<double> (values.size() - 1) + 0.5);
    return values[std::min (index, values.size() - 1)];
}

void runHandOff (benchmark::State& state, fhemu::EmulatorAudioStream::Pacing pacing, std::uint64_t blocks)
{
    static int run = 0;
    fhemu::EmulatorAudioStream::Settings settings;
    settings.blockSize = 128;
    settings.pacing = pacing;
    settings.answerTimeoutMs = 1000;
    fhemu::EmulatorAudioStream engine ("FhBenchHandOff_" + std::to_string (::getpid()) + "_" + std::to_string (++run), settings);
    if (! engine.create())
    {
        state.SkipWithError ("Could not create the shared block");
        return;
    }

    PassThroughClient client;
    SharedMemoryAudioConnection connection (std::make_unique<SharedMemoryUser<SharedMemoryAudioData>> ("_IA", "_OA"));
    connection.setClient (&client);
    if (! connection.connect (engine.getName()))
    {
        state.SkipWithError ("Could not open the shared block");
        return;
    }
    connection.startAudioThread();
    engine.start();

    for (auto _ : state)
    {
        engine.clearAnswerTimes();
        while (engine.answerTimes().size() < blocks)
            std::this_thread::sleep_for (std::chrono::milliseconds (20));
    }

    engine.stop();
    connection.stopAudioThread();

    const auto times = engine.answerTimes();
    state.counters["blocks"] = static_cast<double> (times.size());
    state.counters["median_us"] = percentile (times, 0.5) * 1000.0;
    state.counters["p99_us"] = percentile (times, 0.99) * 1000.0;
    state.counters["max_us"] = percentile (times, 1.0) * 1000.0;
}

void BM_SharedMemoryHandOff_AsFastAsAnswered (benchmark::State& state)
{
    runHandOff (state, fhemu::EmulatorAudioStream::Pacing::asFastAsAnswered, 20000);
}

void BM_SharedMemoryHandOff_RealTime48k (benchmark::State& state)
{
    runHandOff (state, fhemu::EmulatorAudioStream::Pacing::realTime, 2000);
}
} // namespace

BENCHMARK (BM_SharedMemoryHandOff_AsFastAsAnswered)->Iterations (1)->Unit (benchmark::kMillisecond)->UseRealTime();
BENCHMARK (BM_SharedMemoryHandOff_RealTime48k)->Iterations (1)->Unit (benchmark::kMillisecond)->UseRealTime();

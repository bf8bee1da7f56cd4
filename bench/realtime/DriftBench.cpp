// The drift simulator's figures: the ring set with its three delay-locked loops driven
// by simulated clocks (no threads). One-iteration runs; counters:
//   lock_s            seconds from the first data until the ratio error, averaged
//                     over each second, stays within 20 ppm for 10 s
//   ratio_mean_ppm / ratio_rms_ppm / ratio_peak_ppm
//                     a block's ratio against the clocks' true ratio, from 120 s on
//   latency / target  writer samples between the writer and the reader's next position
//   underruns_per_hour
// Streams of 48 kHz blocks of 128 read at 44.1 kHz in blocks of 512, the device clock
// drifting by the first argument (ppm) with the third argument's stamp jitter (us, on
// both sides); the second argument chooses the history convention (0: the position after the
// block, as the writer's loop counts it; 1: the position before the block mixed with
// the loop's line).
#include "DriftSimulator.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
void BM_DriftSimulation (benchmark::State& state)
{
    DriftScenario s;
    s.writerDriftPpm = static_cast<double> (state.range (0));
    s.writerJitterMs = static_cast<double> (state.range (2)) * 0.001;
    s.readerJitterMs = s.writerJitterMs;
    s.seconds = 3600.0;
    s.settleSeconds = 120.0;
    s.convention = state.range (1) == 0 ? AudioRingSet::HistoryConvention::positionAfterBlock
                                        : AudioRingSet::HistoryConvention::positionBeforeBlock;
    DriftResult r;
    for (auto _ : state)
    {
        auto set = std::make_unique<AudioRingSet>();
        r = runDriftSimulation (s, *set);
    }
    state.counters["lock_s"] = r.lockSeconds;
    state.counters["ratio_mean_ppm"] = r.ratioErrorMeanPpm;
    state.counters["ratio_rms_ppm"] = r.ratioErrorRmsPpm;
    state.counters["ratio_peak_ppm"] = r.ratioErrorPeakPpm;
    state.counters["latency"] = r.latencyMean;
    state.counters["target"] = r.targetLatency;
    state.counters["underruns_per_hour"] = static_cast<double> (r.underruns) * 3600.0 / s.seconds;
}
BENCHMARK (BM_DriftSimulation)
    ->ArgsProduct ({ { 200, -200 }, { 0, 1 }, { 0, 500 } })
    ->ArgNames ({ "ppm", "mixed", "jitter_us" })
    ->Iterations (1)
    ->Unit (benchmark::kMillisecond);
} // namespace

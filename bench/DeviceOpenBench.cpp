// Opening a device: from the start of the processor's device-opened sequence
// (36 reads: kit, sounds, sound setups, settings, pool and library listings,
// pattern settings) to the whole model filled, against the engine emulator's
// virtual device answering at once over loopback TCP. The processor is the one
// the plug-in factory builds, connected to the emulated engine as the program
// connects.
#include "BenchProcessor.h"
#include "EmulatorSession.h"
#include "MessageLoop.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <thread>

namespace
{
bool settled (CommonAudioProcessor& processor)
{
    return processor.getNumDeviceJobs() == 0 && processor.getAsyncDataWorker().pendingRequestCount() == 0;
}

void BM_DeviceOpenFillsTheModel (benchmark::State& state)
{
    const juce::ScopedJuceInitialiser_GUI juce;
    fhemu::EmulatorSession::Settings settings;
    settings.messagePort = 0;
    fhemu::EmulatorSession session (settings);
    constexpr std::uint64_t uid = 0xbe4c;
    session.addDevice (fhemu::EmulatorSession::virtualKolvane (uid), false);
    if (! session.start())
    {
        state.SkipWithError ("the emulated engine did not start");
        return;
    }

    // As in the program: no plug-in log.
    auto bench = std::make_unique<bench::BenchProcessor> (session.getMessagePort(),
                                                          juce::AudioProcessor::wrapperType_Standalone);
    auto& processor = bench->get();
    if (! bench::pumpUntil ([&] { return processor.getEngineClient().isDeviceOpen() && session.openDevice (uid) != nullptr
                                  && session.openDevice (uid)->dataServer.received().numTransactions() >= 36
                                  && settled (processor); }))
    {
        state.SkipWithError ("the emulator's device could not be opened");
        return;
    }

    for (auto _ : state)
    {
        processor.deviceOpened();
        while (! settled (processor))
            std::this_thread::yield();
    }

    juce::String name;
    processor.getDeviceInterface().getKit().getStringValue (juce::Identifier ("Kit_Name"), name);
    if (name != "NIGHT DRIVE" || ! processor.getDeviceInterface().getSoundLibrary().getEntry (0).used)
        state.SkipWithError ("the model was not filled");
    state.counters["reads"] = benchmark::Counter (36.0, benchmark::Counter::kIsIterationInvariantRate);

    bench.reset();
    session.stop();
}
BENCHMARK (BM_DeviceOpenFillsTheModel)->Unit (benchmark::kMillisecond)->UseRealTime();
} // namespace

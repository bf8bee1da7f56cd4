// Opening a device: from the start of the processor's device-opened sequence
// (36 reads: kit, sounds, sound setups, settings, pool and library listings,
// pattern settings) to the whole model filled, against the engine emulator's
// virtual device answering at once over loopback TCP.
#include "model/VantuInterface.h"
#include "model/tables/ParameterTable.h"
#include "processor/DeviceOpenSequence.h"
#include "processor/ProcessorJobPool.h"

#include "EmulatorSession.h"
#include "../tests/engine/DeviceLink.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

namespace
{
using enginetest::DeviceLink;

// The virtual device says it is ready as soon as the connection stands.
bool engineReady (DeviceLink& link)
{
    for (int i = 0; i < 500 && ! link.worker.isEngineReady(); ++i)
        std::this_thread::sleep_for (std::chrono::milliseconds (10));
    return link.worker.isEngineReady();
}

void BM_DeviceOpenFillsTheModel (benchmark::State& state)
{
    const juce::ScopedJuceInitialiser_GUI juce;
    if (! parameterMapsBuilt())
        buildParameterMaps();

    fhemu::EmulatorSession::Settings settings;
    settings.messagePort = 0;
    fhemu::EmulatorSession session (settings);
    constexpr std::uint64_t uid = 0xbe4c;
    session.addDevice (fhemu::EmulatorSession::virtualKolvane (uid), false);
    auto* open = session.start() ? session.open (uid) : nullptr;

    DeviceLink link;
    if (open == nullptr || ! link.connect (open->dataServer.getPort()) || ! engineReady (link))
    {
        state.SkipWithError ("the emulator's device could not be opened");
        return;
    }

    ProcessorJobPool pool;
    Vantu::VantuInterface device (link.worker, pool);
    for (auto _ : state)
    {
        Vantu::runDeviceOpenedSequence (device);
        while (pool.getNumJobs() > 0)
            std::this_thread::yield();
    }

    juce::String name;
    device.getKit().getStringValue (juce::Identifier ("Kit_Name"), name);
    if (name != "NIGHT DRIVE" || ! device.getSoundLibrary().getEntry (0).used)
        state.SkipWithError ("the model was not filled");
    state.counters["reads"] = benchmark::Counter (36.0, benchmark::Counter::kIsIterationInvariantRate);

    pool.shutdown (5000);
    link.worker.stopThread (5000);   // before the device interface leaves its listeners
    device.stopDataObjectThreads();
}
BENCHMARK (BM_DeviceOpenFillsTheModel)->Unit (benchmark::kMillisecond)->UseRealTime();
} // namespace

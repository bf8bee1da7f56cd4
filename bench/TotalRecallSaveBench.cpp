// A state save with the total-recall sync in front of it: the command to the
// device, the read of its project image (of the given size), the image stored in
// the plug-in state, then the state stream written; against the engine emulator's
// virtual device answering at once over loopback TCP.
#include "BenchProcessor.h"
#include "EmulatorSession.h"
#include "MessageLoop.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <thread>

namespace
{
bool waitForActive (TotalRecallManager& manager)
{
    // The device's session reports reach the manager through the message thread.
    return bench::pumpUntil ([&] { return manager.getState() == TotalRecallSessionState::SESSION_ACTIVE; });
}

void BM_StateSaveWithTotalRecallSync (benchmark::State& state)
{
    const juce::ScopedJuceInitialiser_GUI juce;
    fhemu::EmulatorSession::Settings settings;
    settings.messagePort = 0;
    fhemu::EmulatorSession session (settings);
    constexpr std::uint64_t uid = 0x7e11;
    constexpr int sessionId = 0x01020304;
    if (! session.start())
    {
        state.SkipWithError ("the emulated engine did not start");
        return;
    }

    auto bench = std::make_unique<bench::BenchProcessor> (session.getMessagePort(),
                                                          juce::AudioProcessor::wrapperType_Undefined);
    auto& processor = bench->get();

    // A stored session with an image, as in a reopened project: the device appears,
    // the recall asks which side wins, and the device's answer makes the session active.
    auto& pluginState = *processor.getPluginState();
    pluginState.setBoolProperty (PluginStateIds::totalRecallAutoSyncEnabled, true);
    pluginState.setIntProperty (PluginStateIds::totalRecallSessionId, sessionId);
    pluginState.setTotalRecallData (juce::MemoryBlock (16, true));
    session.addDevice (fhemu::EmulatorSession::virtualKolvane (uid), true);
    auto& question = *processor.getTotalRecallQuestion();
    if (! bench::pumpUntil ([&] { return processor.getEngineClient().isDeviceOpen() && session.openDevice (uid) != nullptr
                                  && question.isActive(); }))
    {
        state.SkipWithError ("the emulator's device could not be opened");
        return;
    }
    session.openDevice (uid)->device->getResponder().setSettleDelay (std::chrono::milliseconds (0));
    session.projectOf (uid)->setImage (fhemu::Bytes (static_cast<std::size_t> (state.range (0)), 0x5a));
    question.setResponse (Notification::DeviceState);

    auto& manager = processor.getTotalRecallManager();
    if (! waitForActive (manager))
    {
        state.SkipWithError ("the recall did not make the session active");
        return;
    }
    juce::MemoryBlock saved;
    for (auto _ : state)
    {
        processor.getStateInformation (saved);
        state.PauseTiming();
        if (! waitForActive (manager))
        {
            state.SkipWithError ("the device did not return to an active session");
            break;
        }
        state.ResumeTiming();
    }

    juce::MemoryBlock image;
    if (! pluginState.getTotalRecallData (image) || (std::int64_t) image.getSize() != state.range (0))
        state.SkipWithError ("the device's image was not stored");
    state.SetBytesProcessed (state.iterations() * state.range (0));

    bench.reset();
    session.stop();
}
BENCHMARK (BM_StateSaveWithTotalRecallSync)->Arg (4096)->Arg (1 << 20)->Unit (benchmark::kMillisecond)->UseRealTime();
} // namespace

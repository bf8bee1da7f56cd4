// The program's whole editor (header, both sections, the kit editor with all
// its track tabs and machine panels, the band and the footer) on the processor
// the plug-in factory builds, against the engine emulator's virtual Kolvane,
// in a window of its own: opening it (until it has its size), with the heap it
// keeps, and one data-update poll of every listener of the GUI: the first one
// (every identifier reported), an idle one and one after a device value
// changed. A poll runs every 33 ms while the editor is open. Needs a display:
//   xvfb-run -a -s "-screen 0 1920x1200x24" ./build/bench/fh_bench --benchmark_filter=Editor
#include "model/tables/ParameterIds.h"
#include "processor/VantuAudioProcessor.h"
#include "support/EditorHarness.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdlib>
#include <memory>

namespace
{
std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// The harness once per benchmark: the emulator with its device, the processor
// with the whole model read, and the editor open.
struct OpenEditor
{
    OpenEditor()
    {
        if (std::getenv ("DISPLAY") == nullptr)
        {
            error = "needs a display (xvfb-run)";
            return;
        }
        // Count as a standalone JUCE application, so JUCE installs its X error handlers.
        juce::JUCEApplicationBase::createInstance = []() -> juce::JUCEApplicationBase* { return nullptr; };
        gui = std::make_unique<juce::ScopedJuceInitialiser_GUI>();
        fhtest::EditorHarness::Options options;
        options.ownHome = true;
        try
        {
            harness = std::make_unique<fhtest::EditorHarness> (options);
        }
        catch (const std::exception& e)
        {
            error = e.what();
        }
    }

    ~OpenEditor()
    {
        harness.reset();
        gui.reset();
    }

    // False (the benchmark skipped with the reason) when the editor could not be opened.
    bool readyFor (benchmark::State& state)
    {
        if (! error.empty())
            state.SkipWithError (error.c_str());
        return error.empty();
    }

    void poll() { harness->processor().getMachineDataUpdateTimer()->timerCallback(); }

    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> gui;
    std::unique_ptr<fhtest::EditorHarness> harness;
    std::string error;
};

void BM_OpenEditor (benchmark::State& state)
{
    OpenEditor open;
    if (! open.readyFor (state))
        return;
    double kept = 0.0;
    for (auto _ : state)
    {
        state.PauseTiming();
        open.harness->closeEditor();
        open.harness->pumpFor (std::chrono::milliseconds (20));
        const auto before = heapInUse();
        state.ResumeTiming();
        open.harness->openEditor();
        state.PauseTiming();
        kept = static_cast<double> (heapInUse() - before);
        state.ResumeTiming();
    }
    state.counters["heap_MiB"] = kept / (1024.0 * 1024.0);
}
BENCHMARK (BM_OpenEditor)->Unit (benchmark::kMillisecond)->Iterations (5);

void BM_EditorFirstPoll (benchmark::State& state)
{
    OpenEditor open;
    if (! open.readyFor (state))
        return;
    // An editor of its own, built without running the message loop, so that
    // the timer has not polled it yet.
    open.harness->closeEditor();
    auto& processor = open.harness->processor();
    for (auto _ : state)
    {
        state.PauseTiming();
        std::unique_ptr<juce::AudioProcessorEditor> editor (processor.createEditorIfNeeded());
        state.ResumeTiming();
        open.poll();   // every listener reports every identifier
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
    open.harness->openEditor();
}
BENCHMARK (BM_EditorFirstPoll)->Unit (benchmark::kMillisecond)->Iterations (5);

void BM_EditorIdlePoll (benchmark::State& state)
{
    OpenEditor open;
    if (! open.readyFor (state))
        return;
    open.poll();
    for (auto _ : state)
        open.poll();
}
BENCHMARK (BM_EditorIdlePoll)->Unit (benchmark::kMicrosecond);

void BM_EditorPollWithOneChangedValue (benchmark::State& state)
{
    OpenEditor open;
    if (! open.readyFor (state))
        return;
    open.poll();
    auto& sound = *open.harness->processor().getKit().getSound (0);
    int value = 0;
    for (auto _ : state)
    {
        value = value == 0x2000 ? 0x3000 : 0x2000;
        fhtest::EditorHarness::showFromDevice (sound, Sound_MCKickDecay, value);
        open.poll();
    }
}
BENCHMARK (BM_EditorPollWithOneChangedValue)->Unit (benchmark::kMicrosecond);
} // namespace

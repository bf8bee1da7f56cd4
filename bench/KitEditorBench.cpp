// The kit editor section with every track tab (all 167 machine panels, the
// MIDI modulation pages) on one data-update timer: building it, with the
// heap it keeps, and one poll with every listener registered, idle and after
// a device value changed. A poll runs every 33 ms while the editor is open.
#include "model/tables/ParameterIds.h"
#include "processor/PluginVolatileState.h"
#include "ui/editor/VantuKitSoundEditor.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/panels/engine/DetachedPanelContext.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

namespace
{
struct KitEditorOnDetachedContext
{
    KitEditorOnDetachedContext() { juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel); }
    ~KitEditorOnDetachedContext()
    {
        editor.reset();
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    }

    void build()
    {
        editor = std::make_unique<VantuKitSoundEditor> (context, volatileState);
        editor->setSize (1201, 536);
    }

    juce::ScopedJuceInitialiser_GUI gui;
    LookAndFeelCorvanel lookAndFeel;
    DetachedPanelContext context;
    PluginVolatileState volatileState;
    std::unique_ptr<VantuKitSoundEditor> editor;
};

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

void BM_BuildKitEditor (benchmark::State& state)
{
    KitEditorOnDetachedContext kit;
    double kept = 0.0;
    for (auto _ : state)
    {
        const auto before = heapInUse();
        kit.build();
        kept = static_cast<double> (heapInUse() - before);
        state.PauseTiming();
        kit.editor.reset();
        state.ResumeTiming();
    }
    state.counters["heap_MiB"] = kept / (1024.0 * 1024.0);
}
BENCHMARK (BM_BuildKitEditor)->Unit (benchmark::kMillisecond);

void BM_KitEditorIdlePoll (benchmark::State& state)
{
    KitEditorOnDetachedContext kit;
    kit.build();
    kit.context.poll();   // the first poll reports everything
    for (auto _ : state)
        kit.context.poll();
}
BENCHMARK (BM_KitEditorIdlePoll)->Unit (benchmark::kMicrosecond);

void BM_KitEditorFirstPoll (benchmark::State& state)
{
    KitEditorOnDetachedContext kit;
    for (auto _ : state)
    {
        state.PauseTiming();
        kit.build();
        state.ResumeTiming();
        kit.context.poll();   // every listener reports every identifier
        state.PauseTiming();
        kit.editor.reset();
        state.ResumeTiming();
    }
}
BENCHMARK (BM_KitEditorFirstPoll)->Unit (benchmark::kMillisecond)->Iterations (5);

void BM_KitEditorPollWithOneChangedValue (benchmark::State& state)
{
    KitEditorOnDetachedContext kit;
    kit.build();
    kit.context.poll();
    auto& sound = *kit.context.getKit().getSound (0);
    int value = 0;
    for (auto _ : state)
    {
        value = value == 0x2000 ? 0x3000 : 0x2000;
        sound.setValueFromMachine (Sound_MCKickDecay, value, false);
        kit.context.poll();
    }
}
BENCHMARK (BM_KitEditorPollWithOneChangedValue)->Unit (benchmark::kMicrosecond);
} // namespace

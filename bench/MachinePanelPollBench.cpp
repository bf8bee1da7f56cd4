// The machine panels of all twelve tracks (every machine type of each track's
// set that has a panel) on one data-update timer: an idle poll, where nothing
// changed, and a poll after one device value changed. A poll runs every 33 ms
// on the message thread while the editor is open.
#include "model/tables/ParameterIds.h"
#include "ui/panels/engine/DetachedPanelContext.h"
#include "ui/panels/machines/MachinePanelFactory.h"
#include "ui/panels/track/TrackGroup.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace
{
struct AllTrackPanels
{
    AllTrackPanels()
    {
        for (int track = 0; track < 12; ++track)
            for (const int type : machinePanelTypes (trackGroup (track)))
                if (auto panel = createMachinePanel (type, context, track))
                {
                    panel->setSize (840, 110);
                    panels.push_back (std::move (panel));
                }
        context.poll();   // the first poll reports everything
    }

    juce::ScopedJuceInitialiser_GUI gui;
    DetachedPanelContext context;
    std::vector<std::shared_ptr<corvanel::Panel>> panels;
};

void BM_BuildAllTrackPanels (benchmark::State& state)
{
    juce::ScopedJuceInitialiser_GUI gui;
    for (auto _ : state)
    {
        AllTrackPanels all;
        benchmark::DoNotOptimize (all.panels.data());
        state.counters["panels"] = static_cast<double> (all.panels.size());
    }
}
BENCHMARK (BM_BuildAllTrackPanels)->Unit (benchmark::kMillisecond);

void BM_IdlePoll (benchmark::State& state)
{
    AllTrackPanels all;
    for (auto _ : state)
        all.context.poll();
    state.counters["panels"] = static_cast<double> (all.panels.size());
}
BENCHMARK (BM_IdlePoll)->Unit (benchmark::kMicrosecond);

void BM_PollWithOneChangedValue (benchmark::State& state)
{
    AllTrackPanels all;
    auto& sound = *all.context.getKit().getSound (0);
    int value = 0;
    for (auto _ : state)
    {
        value = value == 0x2000 ? 0x3000 : 0x2000;
        sound.setValueFromMachine (Sound_MCKickDecay, value, false);
        all.context.poll();
    }
}
BENCHMARK (BM_PollWithOneChangedValue)->Unit (benchmark::kMicrosecond);
} // namespace

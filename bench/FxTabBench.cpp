// The effects tab on one data-update timer: one poll of its listeners, idle
// and when the device's global-mode mask flips (every strip swaps its faders
// and every section recolours its captions), and one tick of the mixer's
// fourteen meters with a new block each. Polls run every 33 ms and meter ticks
// 30 times a second while the editor is open.
#include "model/tables/ParameterIds.h"
#include "ui/editor/FxTab.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/panels/effects/MixerPanel.h"
#include "ui/panels/engine/DetachedPanelContext.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace
{
struct FxTabOnDetachedContext
{
    FxTabOnDetachedContext()
    {
        juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
        tab = std::make_unique<FxTab> (context, nullptr);
        tab->setSize (1199, 497);
        context.poll();
    }
    ~FxTabOnDetachedContext()
    {
        tab.reset();
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    }

    MixerPanel& mixer() { return dynamic_cast<MixerPanel&> (*tab->getSection (FxTab::mixer).getContent()); }

    juce::ScopedJuceInitialiser_GUI gui;
    LookAndFeelCorvanel lookAndFeel;
    DetachedPanelContext context;
    std::unique_ptr<FxTab> tab;
};

void BM_FxTabPollIdle (benchmark::State& state)
{
    FxTabOnDetachedContext fx;
    for (auto _ : state)
        fx.context.poll();
}

void BM_FxTabPollMaskFlip (benchmark::State& state)
{
    FxTabOnDetachedContext fx;
    int mask = 0;
    for (auto _ : state)
    {
        mask ^= 0xC3;
        fx.context.getSettings().setValueFromMachine (Settings_GlobalModeMask, mask, false);
        fx.context.poll();
    }
}

void BM_MixerMeterTick (benchmark::State& state)
{
    FxTabOnDetachedContext fx;
    std::vector<PlainLevelMeter*> meters;
    for (int t = 0; t < Vantu::Kit::numTracks; ++t)
        meters.push_back (&fx.mixer().getStrip (t).getMeter().getMeter());
    meters.push_back (&fx.mixer().getFxStrip().getLeftMeter().getMeter());
    meters.push_back (&fx.mixer().getFxStrip().getRightMeter().getMeter());

    float peak = 0.1f;
    for (auto _ : state)
    {
        peak = peak > 0.9f ? 0.1f : peak + 0.01f;
        for (auto* meter : meters)
        {
            meter->pendingPeak = peak;
            meter->timerCallback();
        }
    }
}
} // namespace

BENCHMARK (BM_FxTabPollIdle);
BENCHMARK (BM_FxTabPollMaskFlip);
BENCHMARK (BM_MixerMeterTick);

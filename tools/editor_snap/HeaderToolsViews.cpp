#include "HeaderToolsViews.h"

#include "processor/SynthPluginState.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/editor/MainContentComponent.h"

namespace editorsnap
{
namespace
{
    using namespace std::chrono_literals;

    void openBand (fhtest::EditorHarness::Options& o, const juce::Identifier& band)
    {
        o.pluginState = [previous = o.pluginState, band] (SynthPluginState& s) {
            if (previous)
                previous (s);
            s.setBoolProperty (PluginStateIds::openedKeyboard, band == PluginStateIds::openedKeyboard);
            s.setBoolProperty (PluginStateIds::openedPads, band == PluginStateIds::openedPads);
        };
    }
}   // namespace

void openPadsBand (fhtest::EditorHarness::Options& o)
{
    openBand (o, PluginStateIds::openedPads);
}

void openKeyboardBand (fhtest::EditorHarness::Options& o)
{
    openBand (o, PluginStateIds::openedKeyboard);
}

void showPadsBand (fhtest::EditorHarness& h)
{
    h.tick();
    h.content().getPads().getPad (2).setState (juce::Button::buttonDown);
}

void showKeyboardBand (fhtest::EditorHarness& h)
{
    h.processor().getVolatileState().setSelectedTab (2);
    h.processor().getKeyboardState().noteOn (3, 48, 1.0f);
    h.processor().getKeyboardState().noteOn (3, 51, 1.0f);
    h.pumpFor (150ms);
}
}   // namespace editorsnap

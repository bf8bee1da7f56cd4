#pragma once

// Editor tests: each builds the real editor through fhtest::EditorHarness
// against the engine emulator, in a temporary HOME.
#include "processor/SynthPluginState.h"
#include "processor/VantuAudioProcessor.h"
#include "support/EditorHarness.h"
#include "support/TestEnvironment.h"
#include "ui/editor/MainContentComponent.h"
#include "ui/editor/PluginAudioProcessorEditor.h"

#include <gtest/gtest.h>

#include <memory>

namespace editortest
{
using namespace std::chrono_literals;

constexpr auto standalone = juce::AudioProcessor::wrapperType_Standalone;
constexpr auto plugin = juce::AudioProcessor::wrapperType_VST3;

class EditorTest : public fhtest::AppTest
{
protected:
    ~EditorTest() override { harness.reset(); }

    fhtest::EditorHarness& make (fhtest::EditorHarness::Options options)
    {
        harness.reset();
        harness = std::make_unique<fhtest::EditorHarness> (std::move (options));
        return *harness;
    }

    fhtest::EditorHarness& make (juce::AudioProcessor::WrapperType wrapper,
                                 std::function<void (SynthPluginState&)> state = {})
    {
        fhtest::EditorHarness::Options options;
        options.wrapper = wrapper;
        options.pluginState = std::move (state);
        return make (std::move (options));
    }

    std::unique_ptr<fhtest::EditorHarness> harness;
};
}   // namespace editortest

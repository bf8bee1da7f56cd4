#pragma once

#include "model/MachineDataUpdateTimer.h"
#include "processor/UpdateTimerProcessorLink.h"

#include <juce_audio_processors/juce_audio_processors.h>

// Stands in for the plug-in processor: it owns host parameters, holds the one
// data-update timer and hands it out as the provider, and can open and close
// an (empty) editor.
class TestProcessor : public juce::AudioProcessor,
                      public MachineDataUpdateTimer::Provider
{
public:
    TestProcessor() { timer.setProcessor (&timerLink); }
    ~TestProcessor() override
    {
        timer.setProcessor (nullptr);
        closeEditor();
    }

    MachineDataUpdateTimer* getMachineDataUpdateTimer() override { return &timer; }

    void openEditor() { editor.reset (createEditorIfNeeded()); }
    void closeEditor() { editor.reset(); }

    const juce::String getName() const override { return "TestProcessor"; }
    void prepareToPlay (double, int) override {}
    void releaseResources() override {}
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override {}
    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return false; }
    bool producesMidi() const override { return false; }
    bool hasEditor() const override { return true; }
    juce::AudioProcessorEditor* createEditor() override { return new Editor (*this); }
    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram (int) override {}
    const juce::String getProgramName (int) override { return {}; }
    void changeProgramName (int, const juce::String&) override {}
    void getStateInformation (juce::MemoryBlock&) override {}
    void setStateInformation (const void*, int) override {}

private:
    struct Editor : juce::AudioProcessorEditor
    {
        explicit Editor (juce::AudioProcessor& p) : juce::AudioProcessorEditor (p) { setSize (10, 10); }
        void paint (juce::Graphics&) override {}
    };

    UpdateTimerProcessorLink timerLink { *this };
    MachineDataUpdateTimer timer;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
};

#pragma once

#include "model/MachineDataUpdateTimer.h"

#include <juce_audio_processors/juce_audio_processors.h>

// What the data-update timer asks of the processor that owns it. The
// processor holds one link and sets it as the timer's processor at the end of
// its construction; it clears it first thing in its destruction.
class UpdateTimerProcessorLink final : public MachineDataUpdateTimer::Processor
{
public:
    explicit UpdateTimerProcessorLink (const juce::AudioProcessor& p) : processor (p) {}

    bool hasActiveEditor() const override { return processor.getActiveEditor() != nullptr; }

private:
    const juce::AudioProcessor& processor;
};

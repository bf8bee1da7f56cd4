#pragma once

#include <juce_core/juce_core.h>

#include <vector>

class CommonAudioProcessor;

// Deleting library slots after a question in the footer. The question holds no
// job-pool thread: the notification's answer arrives on the message thread, and
// only a Yes queues the named job, which removes the slots while the processor
// still exists (checked through its weak reference).
namespace LibraryRemovalQuestion
{
struct Slot
{
    int slot = 0;
    bool writeProtected = false;   // taken when the question was asked; such a slot is skipped
};

// Message thread. Shows the question (severity Question, Yes and No, dropped once
// hidden) and returns true when it was listed; false when the manager already
// listed it (then an answer removes nothing). The slots are clamped to 0..4095;
// the library ignores those beyond its last slot.
bool ask (CommonAudioProcessor& processor, const juce::String& question, const char* jobName, std::vector<Slot> slots);

// The questions' texts.
juce::String oneSoundQuestion();
juce::String selectedSoundsQuestion (int count);
} // namespace LibraryRemovalQuestion

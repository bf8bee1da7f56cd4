#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class VantuAudioProcessor;

// The processor's way to its editor without linking the UI: the UI library
// installs a factory when the program starts, and the processor asks it for a
// new editor. Message thread.
using PluginEditorFactory = juce::AudioProcessorEditor* (*) (VantuAudioProcessor&);

void setPluginEditorFactory (PluginEditorFactory factory);

// A new editor from the installed factory; null when none is installed.
juce::AudioProcessorEditor* createPluginEditor (VantuAudioProcessor& processor);

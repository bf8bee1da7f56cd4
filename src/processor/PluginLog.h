#pragma once

#include "foundation/GlobalPreferencesIfc.h"
#include "processor/HostContext.h"

#include <juce_core/juce_core.h>

// The log of a processor inside a plug-in host (the standalone program opens its
// own): "<processor name> <host type number>" with every blank made "_", and
// ".log"; the logger numbers it.
juce::String pluginLogFileName (const juce::String& processorName, juce::PluginHostType::HostType hostType);

// Opens the plug-in log with the logging preferences (nothing when the program
// logger exists already) and logs who opened it and the system description.
void openPluginLogFile (const GlobalPreferencesIfc& preferences, const juce::String& processorName,
                        const HostContext& context, const juce::String& wrapperName);

// Flushes the program logger; never throws.
void flushPluginLog() noexcept;

#pragma once

#include "processor/RemoteDeviceClientFactory.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

// Makes the plug-in's processor: the shared global preferences (read now and
// watched), the plug-in state completed with its defaults, the engine-client
// stack for the Kolvane (product id 30) and the device processor on them. The
// processor starts connecting to the engine at once. Its wrapper type is the one
// the program declared (juce::PluginHostType::jucePlugInClientCurrentWrapperType).
// Message thread.
//
// options: where the engine client finds the engine (tests use other ports).
// hostType: the host to behave for; the running one unless a test poses as another.
std::unique_ptr<juce::AudioProcessor> createPluginProcessor (const EngineClientOptions& options = {},
                                                             juce::PluginHostType::HostType hostType
                                                             = juce::PluginHostType().type);

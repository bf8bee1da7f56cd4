#include "processor/PluginEditorFactory.h"

#include <atomic>

namespace
{
std::atomic<PluginEditorFactory> installedFactory { nullptr };
}

void setPluginEditorFactory (PluginEditorFactory factory)
{
    installedFactory = factory;
}

juce::AudioProcessorEditor* createPluginEditor (VantuAudioProcessor& processor)
{
    const auto factory = installedFactory.load();
    return factory != nullptr ? factory (processor) : nullptr;
}

#pragma once

#include "processor/PluginProcessorFactory.h"
#include "processor/VantuAudioProcessor.h"

#include <cstdlib>
#include <memory>

namespace bench
{
// The processor the plug-in factory builds, connected to the engine on messagePort,
// with its preferences in a home folder of its own and the plug-in wrapper type set
// for its lifetime. Create it after the framework is initialised; the processor goes
// before the home folder and the wrapper type are put back.
class BenchProcessor
{
public:
    BenchProcessor (int messagePort, juce::AudioProcessor::WrapperType wrapper)
        : home (juce::File::createTempFile ("bench-home")),
          previousWrapper (juce::PluginHostType::jucePlugInClientCurrentWrapperType)
    {
        home.createDirectory();
        setenv ("XDG_CONFIG_HOME", home.getFullPathName().toRawUTF8(), 1);
        juce::PluginHostType::jucePlugInClientCurrentWrapperType = wrapper;
        EngineClientOptions options;
        options.messagePort = messagePort;
        owner = createPluginProcessor (options, juce::PluginHostType::UnknownHost);
    }

    ~BenchProcessor()
    {
        owner.reset();
        juce::PluginHostType::jucePlugInClientCurrentWrapperType = previousWrapper;
        home.deleteRecursively();
    }

    BenchProcessor (const BenchProcessor&) = delete;
    BenchProcessor& operator= (const BenchProcessor&) = delete;

    VantuAudioProcessor& get() { return dynamic_cast<VantuAudioProcessor&> (*owner); }

private:
    juce::File home;
    juce::AudioProcessor::WrapperType previousWrapper;
    std::unique_ptr<juce::AudioProcessor> owner;
};
} // namespace bench

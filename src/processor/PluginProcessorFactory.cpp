#include "processor/PluginProcessorFactory.h"

#include "foundation/GlobalPreferences.h"
#include "processor/SynthPluginState.h"
#include "processor/VantuAudioProcessor.h"

namespace
{
constexpr int kolvaneProductId = 30;
}

std::unique_ptr<juce::AudioProcessor> createPluginProcessor (const EngineClientOptions& options,
                                                             juce::PluginHostType::HostType hostType)
{
    auto preferences = std::make_shared<GlobalPreferences> (true, true);
    auto state = std::make_shared<SynthPluginState>();
    state->upgradeAndSetDefaults();
    const std::set<int> productIds { kolvaneProductId };
    auto client = makeRemoteDeviceClient (productIds, state, preferences, options);

    // The framework's processor takes its wrapper type from here, as the wrapper
    // the program declared for itself.
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::PluginHostType::getPluginLoadedAs());
    auto processor = std::make_unique<VantuAudioProcessor> (state, preferences, std::move (client), hostType);
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);
    return processor;
}

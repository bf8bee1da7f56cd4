#include "processor/BusLayouts.h"

int sidechainInputChannels (const HostContext& context)
{
    const auto host = context.host();
    if (host.isRenoise())
        return 0;
    if (host.isReaper() && context.isAudioUnit())
        return 0;
    if (host.isStudioOne() && context.isVst())
        return 0;
    if (context.isAudioUnit() && (host.isLogic() || context.validationHost))
        return 0;
    return 2 * kSidechainBusNames.size();
}

juce::AudioChannelSet makeBusLayout (int bus, const std::vector<BusChannelMapEntry>& map,
                                     juce::PluginHostType::HostType hostType)
{
    if (bus < 0 || bus >= static_cast<int> (map.size()))
        return juce::AudioChannelSet::disabled();
    if (! map[static_cast<std::size_t> (bus)].stereo && hostType == juce::PluginHostType::Reason)
        return juce::AudioChannelSet::mono();
    return juce::AudioChannelSet::stereo();
}

BusSet makeBusSet (const juce::StringArray& busNames, const std::set<int>& stereoBuses, const HostContext& context)
{
    BusSet buses;
    const int sidechainBuses = sidechainInputChannels (context) / 2;
    for (int i = 0; i < sidechainBuses; ++i)
        buses.inputs.push_back ({ kSidechainBusNames[i], juce::AudioChannelSet::stereo() });

    const auto map = makeBusChannelMap (busNames.size(), stereoBuses);
    for (int bus = 0; bus < busNames.size(); ++bus)
        buses.outputs.push_back ({ busNames[bus], makeBusLayout (bus, map, context.hostType) });
    return buses;
}

bool isBusesLayoutSupported (const juce::AudioProcessor::BusesLayout& layouts,
                             const std::vector<BusChannelMapEntry>& map, const HostContext& context)
{
    const bool relaxed = context.host().isLogic() || context.validationHost || context.isStandalone();

    for (const auto& input : layouts.inputBuses)
        if (input != juce::AudioChannelSet::stereo() && ! input.isDisabled()
            && ! (context.isStandalone() && input == juce::AudioChannelSet::mono()))
            return false;

    for (int bus = 0; bus < layouts.outputBuses.size(); ++bus)
    {
        const auto& output = layouts.outputBuses.getReference (bus);
        if (output != makeBusLayout (bus, map, context.hostType) && ! output.isDisabled()
            && ! (relaxed && output == juce::AudioChannelSet::mono()))
            return false;
    }
    return true;
}

#pragma once

// A device processor whose sidechain input bus count the test chooses: it
// poses as a host that takes no sidechain (so the product's rules add none)
// and then adds that many stereo input buses. Its engine client points at a
// port where nothing listens.
#include "processor/RemoteDeviceClientFactory.h"
#include "processor/SynthPluginState.h"
#include "processor/VantuAudioProcessor.h"

#include <juce_core/juce_core.h>

namespace editortest
{
class BusCountProcessor : public VantuAudioProcessor
{
public:
    explicit BusCountProcessor (int inputBuses, std::shared_ptr<SynthPluginState> state = makeState())
        : VantuAudioProcessor (state, std::make_shared<GlobalPreferences> (true, false), makeClient (state),
                               juce::PluginHostType::Renoise)
    {
        for (int i = 0; i < inputBuses; ++i)
            addBus (true);
    }

    static std::shared_ptr<SynthPluginState> makeState()
    {
        auto state = std::make_shared<SynthPluginState>();
        state->upgradeAndSetDefaults();
        return state;
    }

protected:
    bool canAddBus (bool isInput) const override { return isInput; }
    bool canRemoveBus (bool isInput) const override { return isInput; }
    bool canApplyBusCountChange (bool isInput, bool isAdding, BusProperties& properties) override
    {
        if (! isInput)
            return false;
        if (isAdding)
        {
            properties.busName = "Sidechain " + juce::String (getBusCount (true) + 1);
            properties.defaultLayout = juce::AudioChannelSet::stereo();
            properties.isActivatedByDefault = true;
        }
        return true;
    }

private:
    static std::unique_ptr<RemoteDeviceClient> makeClient (std::shared_ptr<SynthPluginState> state)
    {
        juce::StreamingSocket socket;
        socket.createListener (0, "127.0.0.1");
        EngineClientOptions options;
        options.messagePort = socket.getBoundPort();   // closed again when the socket goes
        return makeRemoteDeviceClient ({ 30 }, std::move (state), 512, options);
    }
};
}   // namespace editortest

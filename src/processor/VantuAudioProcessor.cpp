#include "processor/VantuAudioProcessor.h"

#include "processor/PluginEditorFactory.h"

namespace
{
constexpr int firstIgnoredChannel = 13;   // 13..16 carry no modulation
constexpr int noteChannel = 16;
constexpr int modulationWheelController = 1;
constexpr int breathController = 2;
} // namespace

VantuAudioProcessor::VantuAudioProcessor (std::shared_ptr<SynthPluginState> state,
                                          std::shared_ptr<GlobalPreferences> preferences,
                                          std::unique_ptr<RemoteDeviceClient> client,
                                          juce::PluginHostType::HostType hostType)
    : SynthAudioProcessor (outputBusNames(), stereoOutputBuses(), std::move (state), std::move (preferences),
                           std::move (client), hostType)
{
    // Notes of MIDI channels 1 to 12, the twelve tracks, go to the device.
    setNoteChannelRange (1, 13);
    createHostParameters();
}

VantuAudioProcessor::~VantuAudioProcessor()
{
    stopDeviceLayer();
    masterReference.clear();
}

juce::StringArray VantuAudioProcessor::outputBusNames()
{
    juce::StringArray names { "Main" };
    for (int track = 1; track <= 12; ++track)
        names.add ("Track " + juce::String (track));
    names.addArray ({ "FX track", "Delay/Reverb", "Input" });
    return names;
}

std::set<int> VantuAudioProcessor::stereoOutputBuses()
{
    return { mainBus, fxTrackBus, delayReverbBus, inputBus };
}

juce::StringArray VantuAudioProcessor::getMainChannelNames() const
{
    return { "Main L", "Main R", "Pre FX L", "Pre FX R" };
}

void VantuAudioProcessor::handleMidiMessage (const juce::MidiMessage& message)
{
    const int channel = message.getChannel();
    if (message.isNoteOn() && channel == noteChannel)   // a note-on with velocity 0 is a note-off
    {
        getAsyncDataWorker().getIoProcessor().pushChannel16Note (static_cast<unsigned int> (message.getNoteNumber()));
        return;
    }
    if (channel == 0 || channel >= firstIgnoredChannel)   // system messages have no channel
        return;

    auto& io = getAsyncDataWorker().getIoProcessor();
    const int track = channel - 1;
    const auto scaled = [] (int value) { return static_cast<std::uint16_t> (value * 256); };

    if (message.isChannelPressure())
        io.pushRealtimeController (track, scaled (message.getChannelPressureValue()), true, false, false, false);
    else if (message.isControllerOfType (modulationWheelController))
        io.pushRealtimeController (track, scaled (message.getControllerValue()), false, true, false, false);
    else if (message.isPitchWheel())
        io.pushRealtimeController (track, static_cast<std::uint16_t> (message.getPitchWheelValue() * 2), false, false,
                                   true, false);
    else if (message.isControllerOfType (breathController))
        io.pushRealtimeController (track, scaled (message.getControllerValue()), false, false, false, true);
}

juce::AudioProcessorEditor* VantuAudioProcessor::createEditor()
{
    return createPluginEditor (*this);
}

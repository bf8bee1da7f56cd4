#include "ui/editor/HeaderSyncSettings.h"

#include "foundation/Logger.h"
#include "processor/SynthPluginState.h"

#include <juce_audio_processors/juce_audio_processors.h>

HeaderSyncSettings::HeaderSyncSettings (PluginState& stateToUse) : state (stateToUse)
{
    addAndMakeVisible (comboBox);
    comboBox.setColour (juce::ComboBox::backgroundColourId, juce::Colour (0xff2b2b2b));
    comboBox.addItem ("No sync", 1);
    comboBox.addItem ("Clock", 2);
    comboBox.addItem ("Clock+Transport", 3);
    comboBox.setSelectedId (state.getIntProperty (PluginStateIds::syncMode, 0) + 1, juce::dontSendNotification);
    comboBox.addListener (this);
    addAndMakeVisible (label);
    state.addChangeListener (this);
}

HeaderSyncSettings::~HeaderSyncSettings()
{
    state.removeChangeListener (this);
    comboBox.removeListener (this);
}

bool HeaderSyncSettings::isStandalone() const
{
    return juce::PluginHostType::getPluginLoadedAs() == juce::AudioProcessor::wrapperType_Standalone;
}

void HeaderSyncSettings::resized()
{
    if (isStandalone())
    {
        label.setBounds ({});
        comboBox.setBounds ({});
        return;
    }
    auto area = getLocalBounds();
    area.removeFromLeft (4);
    label.setBounds (area.removeFromLeft (32));
    comboBox.setBounds (area.removeFromLeft (112).withSizeKeepingCentre (108, 16));
}

void HeaderSyncSettings::comboBoxChanged (juce::ComboBox* box)
{
    // An id without an item (a stored mode 3) stores nothing: the stored value stays.
    if (box->getSelectedItemIndex() >= 0)
        state.setIntProperty (PluginStateIds::syncMode, box->getSelectedId() - 1);
}

void HeaderSyncSettings::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source != &state || source->lastMessage != PluginStateIds::syncMode.toString())
        return;
    const int mode = state.getIntProperty (PluginStateIds::syncMode, 0);
    FH_LOG (spdlog::level::info, "sync mode is {}", mode);
    if (mode >= 0 && mode <= 3)
        comboBox.setSelectedId (mode + 1, juce::sendNotificationAsync);
}

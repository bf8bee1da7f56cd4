#pragma once

#include "standalone/StandalonePluginHolder.h"

#include <juce_audio_utils/juce_audio_utils.h>

namespace corvanel
{
// The content of the "Audio/MIDI Settings" dialog: the device selector (the
// framework's, with the outputs and the MIDI inputs) on an opaque ground, in a
// viewport. Ctrl+Shift+End saves a picture of it. Message thread.
class StandalonePluginHolder::SettingsComponent final : public juce::Component
{
public:
    SettingsComponent (StandalonePluginHolder& owner, juce::AudioDeviceManager& deviceManager, int numInputChannels,
                       int numOutputChannels, int maxBufferSize);

    // The height the selector lays its rows out in at the current width.
    int getRecommendedHeight() const;
    juce::AudioDeviceSelectorComponent& getDeviceSelector() noexcept { return deviceSelector; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    bool keyPressed (const juce::KeyPress& key) override;
    void childBoundsChanged (juce::Component* child) override;

private:
    StandalonePluginHolder& owner;
    juce::AudioDeviceSelectorComponent deviceSelector;

    JUCE_DECLARE_NON_COPYABLE (SettingsComponent)
};

class StandalonePluginHolder::SettingsViewportWrapper final : public juce::Component
{
public:
    SettingsViewportWrapper (StandalonePluginHolder& owner, juce::AudioDeviceManager& deviceManager,
                             int numInputChannels, int numOutputChannels, int maxBufferSize);
    ~SettingsViewportWrapper() override;

    SettingsComponent& getSettingsComponent() noexcept { return *settingsComponent; }
    void resized() override;

private:
    juce::Viewport viewport;
    std::unique_ptr<SettingsComponent> settingsComponent;

    JUCE_DECLARE_NON_COPYABLE (SettingsViewportWrapper)
};
} // namespace corvanel

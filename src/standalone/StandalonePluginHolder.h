#pragma once

#include "processor/RemoteDeviceClientFactory.h"

#include <juce_audio_utils/juce_audio_utils.h>

#include <atomic>
#include <memory>

namespace corvanel
{
// Connects the processor to the computer's audio and MIDI devices in the
// standalone program: owns the processor, the device manager and the processor
// player, restores the audio setup from the settings file at start and stores
// it at the end, keeps the device buffer at most *maxBufferSize, can feed the
// processor silence instead of the device input, re-opens a device that stopped,
// and says whether an output device is open (noOutputDevice).
//
// The device manager offers ALSA (and JACK), or only the program's virtual audio
// device when FERNHOLLOW_VIRTUAL_AUDIO is set (machines without a sound card).
class StandalonePluginHolder : public juce::AudioIODeviceCallback,
                               public juce::ChangeListener,
                               private juce::Value::Listener,
                               private juce::Timer
{
public:
    // How long a stopped device waits before it is opened again, and again.
    static constexpr int kReopenIntervalMs = 4000;

    StandalonePluginHolder (juce::PropertySet* settings, const juce::String& preferredDefaultDeviceName,
                            const juce::AudioDeviceManager::AudioDeviceSetup* preferredSetupOptions,
                            const int* maxBufferSize);
    ~StandalonePluginHolder() override;

    // Where the processor's engine client finds the engine (the program's default
    // unless the entry was told another port). Set before the holder is made.
    static EngineClientOptions& engineClientOptions();

    // Message thread.
    virtual void createPlugin();
    virtual void deletePlugin();
    void startPlaying();
    void stopPlaying();
    // Opens the "Audio/MIDI Settings" dialog on this holder's device manager.
    void showAudioSettingsDialog();
    // Stores "audioSetup" and "shouldMuteInput" and detaches from the device manager.
    void saveAudioDeviceState();

    juce::AudioProcessor* getProcessor() const noexcept { return processor.get(); }
    juce::AudioDeviceManager& getDeviceManager() noexcept { return deviceManager; }
    juce::AudioProcessorPlayer& getPlayer() noexcept { return player; }
    juce::PropertySet& getSettings() noexcept { return *settings; }
    int getMaxBufferSize() const noexcept { return *maxBufferSize; }
    // True while no output device is open (message thread).
    juce::Value& getNoOutputDeviceValue() noexcept { return noOutputDevice; }
    // True: the processor hears silence instead of the device input.
    juce::Value& getShouldMuteInputValue() noexcept { return shouldMuteInput; }

    // The dialog's content (StandaloneSettingsDialog.h).
    class SettingsViewportWrapper;
    class SettingsComponent;

    //==============================================================================
    // juce::AudioIODeviceCallback
    // Audio device thread: the player runs the processor.
    void audioDeviceIOCallbackWithContext (const float* const* inputChannelData, int numInputChannels,
                                           float* const* outputChannelData, int numOutputChannels, int numSamples,
                                           const juce::AudioIODeviceCallbackContext& context) override;
    // The thread that starts or stops the device (the message thread).
    void audioDeviceAboutToStart (juce::AudioIODevice* device) override;
    void audioDeviceStopped() override;

    // juce::ChangeListener (message thread): the device manager changed.
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

private:
    // The device manager of the program: the framework's device types, or the virtual one alone.
    class DeviceManager final : public juce::AudioDeviceManager
    {
    public:
        void createAudioDeviceTypes (juce::OwnedArray<juce::AudioIODeviceType>& types) override;
    };

    void setupAudioDevices (const juce::String& preferredDefaultDeviceName,
                            const juce::AudioDeviceManager::AudioDeviceSetup* preferredSetupOptions);
    void reloadAudioDeviceState (const juce::String& preferredDefaultDeviceName,
                                 const juce::AudioDeviceManager::AudioDeviceSetup* preferredSetupOptions);
    void resetTooLargeBufferSize();
    void reloadPluginState();
    void updateNoOutputDevice();
    // Message thread: shouldMuteInput changed; the audio thread reads the copy.
    void valueChanged (juce::Value& value) override;
    // Message thread, every kReopenIntervalMs after a device stopped.
    void timerCallback() override;

    juce::PropertySet* settings;
    std::unique_ptr<juce::AudioProcessor> processor;
    DeviceManager deviceManager;
    juce::AudioProcessorPlayer player;
    const int* maxBufferSize;
    juce::Value shouldMuteInput { true };
    juce::Value noOutputDevice;
    std::atomic<bool> muteInput { true };
    juce::AudioBuffer<float> silentInput;
    std::atomic<bool> callbackActive { false };
    juce::AudioDeviceManager::AudioDeviceSetup lastDeviceSetup;
    bool reopening = false;
    std::unique_ptr<juce::AudioDeviceManager::AudioDeviceSetup> preferredSetupOptions;
    bool detached = false;

    JUCE_DECLARE_NON_COPYABLE (StandalonePluginHolder)
};
} // namespace corvanel

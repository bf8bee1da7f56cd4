#include "standalone/StandalonePluginHolder.h"

#include "foundation/Logger.h"
#include "foundation/StandaloneSettingsFile.h"
#include "processor/PluginProcessorFactory.h"
#include "processor/SynthPluginState.h"
#include "standalone/StandaloneSettingsDialog.h"
#include "standalone/VirtualAudioDeviceType.h"

namespace corvanel
{
namespace
{
constexpr double initialSampleRate = 44100.0;
constexpr int initialBlockSize = 512;
} // namespace

void StandalonePluginHolder::DeviceManager::createAudioDeviceTypes (juce::OwnedArray<juce::AudioIODeviceType>& types)
{
    if (! VirtualAudioDeviceType::isRequestedByEnvironment())
    {
        juce::AudioDeviceManager::createAudioDeviceTypes (types);
        return;
    }
    juce::StringArray errors;
    const auto options = VirtualAudioDeviceType::optionsFromEnvironment (&errors);
    for (const auto& error : errors)
        FH_LOG (spdlog::level::warn, "{}: {}", VirtualAudioDeviceType::environmentVariable, error.toStdString());
    FH_LOG (spdlog::level::info, "Audio devices: the virtual device only ({} Hz, {} samples)", options.sampleRate,
            options.blockSize);
    types.add (new VirtualAudioDeviceType (options));
}

EngineClientOptions& StandalonePluginHolder::engineClientOptions()
{
    static EngineClientOptions options;
    return options;
}

StandalonePluginHolder::StandalonePluginHolder (juce::PropertySet* settingsToUse,
                                                const juce::String& preferredDefaultDeviceName,
                                                const juce::AudioDeviceManager::AudioDeviceSetup* preferredSetup,
                                                const int* maxBufferSizeToUse)
    : settings (settingsToUse), maxBufferSize (maxBufferSizeToUse)
{
    jassert (settings != nullptr && maxBufferSize != nullptr);
    shouldMuteInput.addListener (this);
    juce::Desktop::getInstance().setScreenSaverEnabled (false);
    deviceManager.addChangeListener (this);
    createPlugin();
    if (preferredSetup != nullptr)
        preferredSetupOptions = std::make_unique<juce::AudioDeviceManager::AudioDeviceSetup> (*preferredSetup);
    setupAudioDevices (preferredDefaultDeviceName, preferredSetupOptions.get());
    updateNoOutputDevice();
}

StandalonePluginHolder::~StandalonePluginHolder()
{
    stopTimer();
    stopPlaying();
    processor.reset();
    saveAudioDeviceState();
    deviceManager.removeChangeListener (this);
    shouldMuteInput.removeListener (this);
}

void StandalonePluginHolder::createPlugin()
{
    stopPlaying();
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Standalone);
    auto made = createPluginProcessor (engineClientOptions());
    juce::AudioProcessor::setTypeOfNextNewPlugin (juce::AudioProcessor::wrapperType_Undefined);
    processor = std::move (made);
    processor->disableNonMainBuses();
    processor->setRateAndBufferSizeDetails (initialSampleRate, initialBlockSize);
}

void StandalonePluginHolder::deletePlugin()
{
    stopPlaying();
    processor.reset();
}

void StandalonePluginHolder::startPlaying()
{
    player.setProcessor (processor.get());
}

void StandalonePluginHolder::stopPlaying()
{
    player.setProcessor (nullptr);
}

void StandalonePluginHolder::setupAudioDevices (const juce::String& preferredDefaultDeviceName,
                                                const juce::AudioDeviceManager::AudioDeviceSetup* preferredSetup)
{
    deviceManager.addAudioCallback (this);
    deviceManager.addMidiInputDeviceCallback ({}, &player);
    reloadAudioDeviceState (preferredDefaultDeviceName, preferredSetup);
    resetTooLargeBufferSize();
    reloadPluginState();
    startPlaying();
}

void StandalonePluginHolder::reloadAudioDeviceState (const juce::String& preferredDefaultDeviceName,
                                                     const juce::AudioDeviceManager::AudioDeviceSetup* preferredSetup)
{
    std::unique_ptr<juce::XmlElement> savedState;
    const auto stored = settings->getValue (StandaloneSettingsFile::Keys::audioSetup);
    if (stored.isNotEmpty())
    {
        savedState = juce::parseXML (stored);
        if (savedState == nullptr)
            FH_LOG (spdlog::level::warn, "The stored audio setup cannot be read; the default devices are used");
    }
    shouldMuteInput = settings->getBoolValue (StandaloneSettingsFile::Keys::shouldMuteInput, false);
    const auto error = deviceManager.initialise (0, 2, savedState.get(), true, preferredDefaultDeviceName, preferredSetup);
    if (error.isNotEmpty())
        FH_LOG (spdlog::level::info, "Audio device: {}", error.toStdString());
}

void StandalonePluginHolder::resetTooLargeBufferSize()
{
    auto* device = deviceManager.getCurrentAudioDevice();
    if (device == nullptr || device->getCurrentBufferSizeSamples() <= *maxBufferSize)
        return;
    auto setup = deviceManager.getAudioDeviceSetup();
    setup.bufferSize = *maxBufferSize;
    const auto error = deviceManager.setAudioDeviceSetup (setup, true);
    if (error.isEmpty())
        FH_LOG (spdlog::level::debug, "Reset too large buffer size used from settings file.");
    else
        FH_LOG (spdlog::level::err, "Failed to reset buffer size to {}, error: {}", *maxBufferSize, error.toStdString());
}

void StandalonePluginHolder::reloadPluginState()
{
    juce::MemoryBlock state;
    const auto text = settings->getValue (StandaloneSettingsFile::Keys::filterState);
    if (text.isEmpty())
        return;
    if (! decodeBase64Block (text, state))
    {
        FH_LOG (spdlog::level::warn, "The stored plug-in state is not a valid block; it is not loaded");
        return;
    }
    if (state.getSize() > 0)
        processor->setStateInformation (state.getData(), static_cast<int> (state.getSize()));
}

void StandalonePluginHolder::saveAudioDeviceState()
{
    if (detached)
        return;
    detached = true;
    if (auto xml = deviceManager.createStateXml())
        settings->setValue (StandaloneSettingsFile::Keys::audioSetup, xml.get());
    settings->setValue (StandaloneSettingsFile::Keys::shouldMuteInput, static_cast<bool> (shouldMuteInput.getValue()));
    deviceManager.removeMidiInputDeviceCallback ({}, &player);
    deviceManager.removeAudioCallback (this);
}

void StandalonePluginHolder::showAudioSettingsDialog()
{
    auto content = std::make_unique<SettingsViewportWrapper> (*this, deviceManager, 0, 2, *maxBufferSize);
    content->setSize (500, content->getSettingsComponent().getRecommendedHeight());

    juce::DialogWindow::LaunchOptions options;
    options.dialogTitle = TRANS ("Audio/MIDI Settings");
    options.dialogBackgroundColour = content->getLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId);
    options.content.setOwned (content.release());
    options.componentToCentreAround = nullptr;
    options.escapeKeyTriggersCloseButton = true;
    options.useNativeTitleBar = true;
    options.resizable = true;
    options.useBottomRightCornerResizer = false;
    options.launchAsync();
}

void StandalonePluginHolder::updateNoOutputDevice()
{
    noOutputDevice = deviceManager.getAudioDeviceSetup().outputDeviceName.isEmpty();
}

void StandalonePluginHolder::valueChanged (juce::Value&)
{
    muteInput = static_cast<bool> (shouldMuteInput.getValue());
}

//==============================================================================
void StandalonePluginHolder::audioDeviceIOCallbackWithContext (const float* const* inputChannelData,
                                                               int numInputChannels, float* const* outputChannelData,
                                                               int numOutputChannels, int numSamples,
                                                               const juce::AudioIODeviceCallbackContext& context)
{
    callbackActive = true;
    if (muteInput.load())
    {
        // The silent buffer was sized when the device started; a block that does not
        // fit it (a device that changed under us) gets no inputs rather than an allocation.
        const bool fits = numInputChannels <= silentInput.getNumChannels() && numSamples <= silentInput.getNumSamples();
        if (fits)
            silentInput.clear();
        inputChannelData = fits ? silentInput.getArrayOfReadPointers() : nullptr;
        numInputChannels = fits ? numInputChannels : 0;
    }
    player.audioDeviceIOCallbackWithContext (inputChannelData, numInputChannels, outputChannelData, numOutputChannels,
                                             numSamples, context);
}

void StandalonePluginHolder::audioDeviceAboutToStart (juce::AudioIODevice* device)
{
    const int channels = device->getActiveInputChannels().countNumberOfSetBits();
    const int samples = device->getCurrentBufferSizeSamples();
    if (channels != silentInput.getNumChannels() || samples != silentInput.getNumSamples())
        silentInput.setSize (channels, samples);
    silentInput.clear();
    reopening = false;   // a device runs again: a later stop starts afresh
    player.audioDeviceAboutToStart (device);
}

void StandalonePluginHolder::audioDeviceStopped()
{
    player.audioDeviceStopped();
    if (silentInput.getNumChannels() > 0 || silentInput.getNumSamples() > 0)
        silentInput.setSize (0, 0);
    lastDeviceSetup = deviceManager.getAudioDeviceSetup();
    callbackActive = false;
    if (! detached)
        startTimer (kReopenIntervalMs);
}

void StandalonePluginHolder::timerCallback()
{
    if (callbackActive.load())
    {
        reopening = false;
        stopTimer();
        return;
    }
    // A device closed on purpose (no device chosen in the settings dialog) stays closed;
    // one that stopped by itself, or that failed to open again, is opened again.
    if (! reopening && deviceManager.getCurrentAudioDevice() == nullptr)
    {
        stopTimer();
        return;
    }
    reopening = true;
    deviceManager.closeAudioDevice();
    const auto error = deviceManager.setAudioDeviceSetup (lastDeviceSetup, false);
    juce::ignoreUnused (error);
}

void StandalonePluginHolder::changeListenerCallback (juce::ChangeBroadcaster*)
{
    updateNoOutputDevice();
}
} // namespace corvanel

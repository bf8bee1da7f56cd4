#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

// Where the processor runs: the host application and the framework's wrapper,
// fixed when the processor is built. Tests pose as any host or wrapper.
struct HostContext
{
    juce::PluginHostType::HostType hostType = juce::PluginHostType::UnknownHost;
    juce::AudioProcessor::WrapperType wrapperType = juce::AudioProcessor::wrapperType_Undefined;
    bool validationHost = false;

    // The framework's host predicates (isLogic, isCubase, isReason, ...) for hostType.
    juce::PluginHostType host() const;

    bool isStandalone() const noexcept { return wrapperType == juce::AudioProcessor::wrapperType_Standalone; }
    bool isAudioUnit() const noexcept { return wrapperType == juce::AudioProcessor::wrapperType_AudioUnit; }
    bool isVst() const noexcept { return wrapperType == juce::AudioProcessor::wrapperType_VST; }
};

// Whether a host application path names a plug-in validation tool: its file name
// contains "auval" or "com.apple.audio.InfoHelper".
bool isValidationHostPath (const juce::String& hostPath);

// The same for the running host application.
bool isValidationHost();

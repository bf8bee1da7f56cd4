#include "processor/PluginParameter.h"

PluginParameter::PluginParameter (const juce::ParameterID& parameterId, const juce::String& parameterName)
    : juce::AudioProcessorParameterWithID (parameterId, parameterName)
{
}

PluginParameter::~PluginParameter()
{
    stopTimer();
    if (inGesture)
    {
        endChangeGesture();
        inGesture = false;
    }
}

void PluginParameter::setValueNotifyingHostFromAnyThread (float normalised)
{
    if (juce::MessageManager::existsAndIsCurrentThread())
    {
        runMessageThreadStep (normalised);
        return;
    }

    std::weak_ptr<int> token = lifeToken;
    juce::MessageManager::callAsync ([token, this, normalised]
    {
        // Runs on the message thread, where the parameter is destroyed too: a
        // live token means a live parameter for the whole step.
        if (token.lock() != nullptr)
            runMessageThreadStep (normalised);
    });
}

void PluginParameter::runMessageThreadStep (float normalised)
{
    if (! inGesture)
    {
        beginChangeGesture();
        inGesture = true;
    }

    setValue (normalised);
    sendValueChangedMessageToListeners (normalised);
    startTimer (gestureTimeoutMs);
}

void PluginParameter::timerCallback()
{
    stopTimer();
    if (inGesture)
    {
        endChangeGesture();
        inGesture = false;
    }
}

float PluginParameter::getValueForText (const juce::String&) const
{
    return 0.0f;
}

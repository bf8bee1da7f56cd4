#pragma once

#include "model/HostParameter.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_events/juce_events.h>

#include <memory>

// Base of the program's host parameters. Values that start on the GUI or on the
// device reach the host inside a change gesture that opens with the first value
// and closes gestureTimeoutMs after the last one, so a host sees a knob movement
// or a device edit as one gesture.
//
// The gesture state, the gesture timer and destruction belong to the message
// thread; setValueNotifyingHostFromAnyThread may be called from any thread.
class PluginParameter : public juce::AudioProcessorParameterWithID,
                        public juce::Timer,
                        public HostParameter
{
public:
    static constexpr int gestureTimeoutMs = 100;

    PluginParameter (const juce::ParameterID& parameterId, const juce::String& parameterName);

    // Ends a gesture that is still open.
    ~PluginParameter() override;

    // Any thread: hands a new normalised value to the host. On the message
    // thread the step runs at once; elsewhere it is posted to the message thread
    // and does nothing if the parameter is gone by then.
    void setValueNotifyingHostFromAnyThread (float normalised) override;

    // No text is converted: every text gives 0.
    float getValueForText (const juce::String& text) const override;

    // Message thread: ends the gesture gestureTimeoutMs after the last value.
    void timerCallback() override;

    bool isInGesture() const { return inGesture; }

private:
    void runMessageThreadStep (float normalised);

    bool inGesture = false;

    // Expires with the parameter; posted steps check it before they run.
    std::shared_ptr<int> lifeToken = std::make_shared<int> (0);

    JUCE_DECLARE_NON_COPYABLE (PluginParameter)
};

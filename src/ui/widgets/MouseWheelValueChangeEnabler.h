#pragma once

#include <juce_data_structures/juce_data_structures.h>

// Mix-in that ties a control's mouse-wheel handling to one shared on/off
// value (the "SliderMouseWheel" preference): while it is true the wheel
// changes the control's value, while false the wheel passes to the parent.
class MouseWheelValueChangeEnabler
{
public:
    MouseWheelValueChangeEnabler();
    virtual ~MouseWheelValueChangeEnabler();

    // Switches the control's wheel handling. Message thread.
    virtual void setScrollWheelEnabled (bool enabled) = 0;

    // Shares the source's value from now on and takes its current state at
    // once. Call on the message thread, once per control.
    void referToValue (juce::Value& source);

    class InternalListener : public juce::Value::Listener
    {
    public:
        explicit InternalListener (MouseWheelValueChangeEnabler& ownerToUse) : owner (&ownerToUse) {}

        // Runs on the message thread (the framework delivers value changes there).
        void valueChanged (juce::Value& v) override;

        juce::Value value;

    private:
        MouseWheelValueChangeEnabler* owner;
    };

private:
    InternalListener internalListener;

    JUCE_DECLARE_NON_COPYABLE (MouseWheelValueChangeEnabler)
};

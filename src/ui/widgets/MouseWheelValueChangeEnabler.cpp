#include "ui/widgets/MouseWheelValueChangeEnabler.h"

MouseWheelValueChangeEnabler::MouseWheelValueChangeEnabler()
    : internalListener (*this)
{
}

MouseWheelValueChangeEnabler::~MouseWheelValueChangeEnabler()
{
    internalListener.value.removeListener (&internalListener);
}

void MouseWheelValueChangeEnabler::referToValue (juce::Value& source)
{
    internalListener.value.referTo (source);
    internalListener.value.addListener (&internalListener);
    internalListener.valueChanged (source);
}

void MouseWheelValueChangeEnabler::InternalListener::valueChanged (juce::Value& v)
{
    owner->setScrollWheelEnabled (static_cast<bool> (v.getValue()));
}

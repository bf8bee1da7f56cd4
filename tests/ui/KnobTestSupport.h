#pragma once

#include "UiTestSupport.h"

#include "ui/widgets/knobs/BaseKnob.h"

#include <vector>

namespace uitest
{
// Records every knobValueChanged call.
struct KnobRecorder : BaseKnob::Listener
{
    void knobValueChanged (BaseKnob* knob, double value) override
    {
        calls.push_back ({ knob, value });
    }

    std::vector<std::pair<BaseKnob*, double>> calls;
};

const auto leftMouse = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier);
const auto rightMouse = juce::ModifierKeys (juce::ModifierKeys::rightButtonModifier);
const auto altLeftMouse = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier | juce::ModifierKeys::altModifier);

// A mouse event whose press started at downAt.
inline juce::MouseEvent dragEvent (juce::Component& component, juce::ModifierKeys mods, juce::Point<float> position,
                                   juce::Point<float> downAt)
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position, mods,
                             juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                             juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                             juce::MouseInputSource::defaultTiltY, &component, &component, now, downAt, now, 1, false);
}

// Presses at (20, 50) and drags upwards by the given pixels, without release.
inline void pressAndDrag (juce::Component& c, float upwards, juce::ModifierKeys mods = leftMouse)
{
    const juce::Point<float> start (20.0f, 50.0f);
    c.mouseDown (dragEvent (c, mods, start, start));
    c.mouseDrag (dragEvent (c, mods, start.translated (0.0f, -upwards), start));
}

inline void release (juce::Component& c, juce::ModifierKeys mods = leftMouse)
{
    c.mouseUp (dragEvent (c, mods, { 20.0f, 40.0f }, { 20.0f, 50.0f }));
}
} // namespace uitest

#pragma once

#include "foundation/SafeChangeBroadcaster.h"

#include <juce_gui_basics/juce_gui_basics.h>

// An invisible drag surface holding a point (x, y) in value units (0 .. 127
// unless the owner changes the limits). The owner adds it as an invisible
// child covering itself and registers it as a mouse listener for nested
// children; it then moves with the mouse and announces every move with an
// empty change message (mode 2 sends one per axis). A drag is in progress
// while hover, armed and dragging are all set: the mouse moved inside, a
// button went down and has not come up. Message thread only; the change
// messages reach listeners later, on the message thread.
class ControlPointComponent : public juce::Component, public SafeChangeBroadcaster
{
public:
    enum Mode
    {
        horizontalOnly = 0,
        verticalOnly = 1,
        bothAxes = 2
    };

    ControlPointComponent() = default;

    // Device values arriving: limited to the axis, stored, no change message.
    void setX (float value);
    void setY (float value);

    bool isDragInProgress() const { return hover && armed && dragging; }

    void mouseMove (const juce::MouseEvent& e) override;
    void mouseEnter (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

    int mode = bothAxes;
    float x = 0.0f, y = 0.0f;
    float startX = 0.0f, startY = 0.0f;
    float xMinimum = 0.0f, xMaximum = 127.0f;
    float yMinimum = 0.0f, yMaximum = 127.0f;
    bool hover = false;
    bool armed = false;
    bool dragging = false;
    float xScale = 1.0f, yScale = 1.0f;   // value units per pixel

    // Covers the given area, with a drag across it spanning 128 value units on
    // each axis (an empty side keeps its scale).
    void coverWith128UnitScale (juce::Rectangle<int> area)
    {
        setBounds (area);
        if (area.getWidth() > 0)
            xScale = 128.0f / static_cast<float> (area.getWidth());
        if (area.getHeight() > 0)
            yScale = 128.0f / static_cast<float> (area.getHeight());
    }

private:
    static float limit (float value, float minimum, float maximum)
    {
        return value < minimum ? minimum : std::min (value, maximum);
    }
};

#include "ui/widgets/graphs/ControlPointComponent.h"

void ControlPointComponent::setX (float value)
{
    x = limit (value, xMinimum, xMaximum);
    repaint();
}

void ControlPointComponent::setY (float value)
{
    y = limit (value, yMinimum, yMaximum);
    repaint();
}

void ControlPointComponent::mouseMove (const juce::MouseEvent& e)
{
    const auto p = e.getEventRelativeTo (this).position;
    if (p.x >= 0.0f && p.x < static_cast<float> (getWidth()) && p.y >= 0.0f && p.y < static_cast<float> (getHeight()))
    {
        hover = true;
        armed = true;
    }
}

void ControlPointComponent::mouseEnter (const juce::MouseEvent&)
{
    hover = false;
}

void ControlPointComponent::mouseExit (const juce::MouseEvent&)
{
    hover = false;
}

void ControlPointComponent::mouseDown (const juce::MouseEvent&)
{
    startX = x;
    startY = y;
    dragging = true;
}

void ControlPointComponent::mouseDrag (const juce::MouseEvent& e)
{
    if (! armed)
        return;

    dragging = true;
    const auto dx = static_cast<float> (e.getDistanceFromDragStartX());
    const auto dy = static_cast<float> (e.getDistanceFromDragStartY());

    if (mode == horizontalOnly || mode == bothAxes)
    {
        x = limit (startX + dx * xScale, xMinimum, xMaximum);
        sendChangeMessage ({});
    }
    if (mode == verticalOnly || mode == bothAxes)
    {
        y = limit (startY - dy * yScale, yMinimum, yMaximum);
        sendChangeMessage ({});
    }
}

void ControlPointComponent::mouseUp (const juce::MouseEvent&)
{
    armed = false;
    dragging = false;
}

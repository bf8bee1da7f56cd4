#pragma once

#include <juce_graphics/juce_graphics.h>

// One handle of an editable graph. Coordinates are unit or pixel values,
// depending on who holds the point. Level points are dragged vertically and
// show up/down arrows; the others are dragged sideways.
struct GraphPoint
{
    float x = 0.0f;
    float y = 0.0f;
    float size = 6.0f;   // diameter of the dot in pixels
    bool highlighted = false;
    bool isLevelPoint = false;
    bool visible = true;
};

// Draws one handle: a filled dot and, when highlighted, two arrow arcs on
// the sides it can be dragged to. While a mouse button is down on the graph
// a highlighted handle is drawn grey at the colour's brightness. The caller
// skips hidden handles. Message thread (or any thread drawing into an image).
void drawControlPoint (const GraphPoint& point, juce::Graphics& g, const juce::Colour& colour, bool mouseDown);

#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/graphs/GraphPoint.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <map>
#include <vector>

// One entry of a filter graph's layout.
struct FilterBreakpointSpec
{
    int pointPlacement;    // level handle at the level's left end (0), middle (1) or right end (2)
    int noLevelPoint;      // 0: this breakpoint gets a level handle
    int slopeType;         // 0: the slope starts at x, 1: it is centred on x, 2: it ends at x
    int noPositionPoint;   // 0: this breakpoint gets a position handle (never the last one)
};

// Level i holds from the end of slope i-1 to the start of slope i; slope i
// leads from level i to level i+1. The last breakpoint has no slope.
struct FilterBreakpoint
{
    int x = 0;        // 0 .. 127
    int level = 0;    // -10 .. 127
    int slopeType = 0;
    int pointPlacement = 0;
};

// An editable filter shape over x 0 .. 127: flat levels joined by slopes of a
// fixed width with rounded corners, with handles on the slopes (frequency,
// dragged sideways) and on levels (gain, dragged up and down). A drag sends
// one empty change message per dragged handle; the owner then reads the
// breakpoints. Message thread only; messages arrive later on it.
class FilterGraph : public juce::Component,
                    public SafeChangeBroadcaster,
                    public juce::SettableTooltipClient,
                    public HasHue
{
public:
    FilterGraph (std::vector<FilterBreakpointSpec> spec, float cornerRadius);

    // Setters of the owner; an index without breakpoint is ignored.
    virtual void setBreakpointLevel (unsigned index, int level);
    virtual void setBreakpointPosition (unsigned index, double x);
    virtual void setBreakpointX (unsigned index, int x);
    // The shape in pixels; also places the handles on it.
    virtual juce::Path createResponsePath();
    // Graph units (x 0 .. 127 plus margins, levels) to pixels.
    virtual juce::AffineTransform getGraphTransform() const;

    // The least distance between breakpoints a and c that keeps slope a's end
    // at or before slope c's start.
    int minimumSeparation (size_t a, size_t c) const;

    // True while the user drags this handle (highlighted, visible, button down).
    bool isControlPointDragged (size_t index) const;

    void paint (juce::Graphics& g) override;
    void mouseMove (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;

    std::vector<GraphPoint> controlPoints;
    std::vector<FilterBreakpoint> breakpoints;
    std::map<unsigned, unsigned> pointMap;   // control point -> breakpoint it edits
    bool leftMargin = false;
    bool rightMargin = false;
    float xRange = 127.0f;
    float slopeFraction = 0.2f;
    float cornerRadius = 0.0f;
    bool isMouseDown = false;   // a mouse button is down on the graph

protected:
    float slopeWidth() const { return xRange * slopeFraction; }
    float leftRoom() const { return leftMargin ? slopeWidth() : 0.0f; }
    float rightRoom() const { return rightMargin ? slopeWidth() : 0.0f; }
    float slopeOffset (size_t i) const;
    void clearHighlights();
};

// The delay's high-pass input filter: one cutoff handle.
class HPFilter : public FilterGraph
{
public:
    HPFilter();
};

// The delay's low-pass input filter: one cutoff handle.
class LPFilter : public FilterGraph
{
public:
    LPFilter();
};

// The reverb's feedback shelving: a frequency handle and a shelf level handle.
class ShelvingFilter : public FilterGraph
{
public:
    ShelvingFilter();

    // Sets the shelf level (breakpoint 1) whatever the index, unless the user
    // is dragging the level handle.
    void setBreakpointLevel (unsigned index, int level) override;
};

// A band pass: breakpoint 0 is the band start, the band end follows from the
// bandwidth (0 .. 127) with a minimum width of 12.
class BPFilter : public FilterGraph
{
public:
    BPFilter();

    // Index 0 moves the band start (the end follows); index 1 turns a dragged
    // band end into a bandwidth, kept in 0 .. 127.
    void setBreakpointPosition (unsigned index, double x) override;
    // Places the band end from the band start and the bandwidth.
    void updateUpperEdge();

    int bandwidth = 0;
    int minimumWidth = 12;
};

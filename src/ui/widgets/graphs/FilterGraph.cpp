#include "ui/widgets/graphs/FilterGraph.h"

#include "ui/widgets/graphs/GraphColours.h"

#include <cmath>

namespace
{
GraphPoint newHandle (bool isLevelPoint)
{
    GraphPoint point;
    point.size = 6.0f;
    point.isLevelPoint = isLevelPoint;
    point.visible = true;
    return point;
}
} // namespace

FilterGraph::FilterGraph (std::vector<FilterBreakpointSpec> spec, float radius) : cornerRadius (radius)
{
    for (size_t i = 0; i < spec.size(); ++i)
    {
        const auto& entry = spec[i];
        breakpoints.push_back ({ 0, 0, entry.slopeType, entry.pointPlacement });
        if (entry.noLevelPoint == 0)
        {
            pointMap[static_cast<unsigned> (controlPoints.size())] = static_cast<unsigned> (i);
            controlPoints.push_back (newHandle (true));
        }
        if (entry.noPositionPoint == 0 && i + 1 < spec.size())
        {
            pointMap[static_cast<unsigned> (controlPoints.size())] = static_cast<unsigned> (i);
            controlPoints.push_back (newHandle (false));
        }
    }
    if (! spec.empty())
    {
        leftMargin = spec.front().noLevelPoint == 0 && spec.front().pointPlacement != 2;
        rightMargin = spec.back().noLevelPoint == 0 && spec.back().pointPlacement != 0;
        breakpoints.back().slopeType = 1;
    }
    setOpaque (true);
}

void FilterGraph::setBreakpointLevel (unsigned index, int level)
{
    if (index >= breakpoints.size())
        return;
    breakpoints[index].level = level;
    repaint();
}

void FilterGraph::setBreakpointPosition (unsigned index, double x)
{
    setBreakpointX (index, static_cast<int> (x));
}

void FilterGraph::setBreakpointX (unsigned index, int x)
{
    if (index >= breakpoints.size())
        return;
    breakpoints[index].x = x;
    repaint();
}

float FilterGraph::slopeOffset (size_t i) const
{
    const auto h = slopeWidth() / 2.0f;
    switch (breakpoints[i].slopeType)
    {
        case 0: return h;
        case 2: return -h;
        default: return 0.0f;
    }
}

int FilterGraph::minimumSeparation (size_t a, size_t c) const
{
    return static_cast<int> (slopeWidth() + slopeOffset (a) - slopeOffset (c));
}

juce::AffineTransform FilterGraph::getGraphTransform() const
{
    const auto width = static_cast<float> (getWidth());
    const auto height = static_cast<float> (getHeight());
    const auto span = leftRoom() + xRange + rightRoom();
    const auto sy = (height - 10.0f) / xRange;
    return juce::AffineTransform (width / span, 0.0f, width * leftRoom() / span, 0.0f, -sy, height - 5.0f * sy);
}

juce::Path FilterGraph::createResponsePath()
{
    juce::Path path;
    const auto n = breakpoints.size();
    if (n == 0)
        return path;

    const auto h = slopeWidth() / 2.0f;
    const auto L = leftRoom();
    const auto M = rightRoom();
    const auto level = [this] (size_t i) { return static_cast<float> (breakpoints[i].level); };
    const auto xOf = [this] (size_t i) { return static_cast<float> (breakpoints[i].x); };

    path.startNewSubPath (-(L + 1000.0f), 0.0f);
    path.lineTo (-(L + 1000.0f), level (0));
    for (size_t i = 0; i + 1 < n; ++i)
    {
        path.lineTo (xOf (i) - h + slopeOffset (i), level (i));
        path.lineTo (xOf (i) + h + slopeOffset (i), level (i + 1));
    }
    path.lineTo (M + xRange + 1000.0f, level (n - 1));
    path.lineTo (M + xRange + 1000.0f, 0.0f);

    if (cornerRadius > 0.0f)
        path = path.createPathWithRoundedCorners (cornerRadius);

    const auto transform = getGraphTransform();
    for (size_t j = 0; j < controlPoints.size(); ++j)
    {
        auto& point = controlPoints[j];
        const auto b = static_cast<size_t> (pointMap[static_cast<unsigned> (j)]);
        if (b >= n)
            continue;

        juce::Point<float> aim;
        if (point.isLevelPoint)
        {
            const auto left = b == 0 ? -L : xOf (b - 1) + h + slopeOffset (b - 1);
            const auto right = b == n - 1 ? xRange + M : xOf (b) - h + slopeOffset (b);
            const auto placement = breakpoints[b].pointPlacement;
            const auto ax = placement == 0 ? left : placement == 1 ? (left + right) / 2.0f : placement == 2 ? right : 0.0f;
            aim = { ax, level (b) };
        }
        else
        {
            const auto next = b + 1 < n ? level (b + 1) : level (b);
            const auto type = breakpoints[b].slopeType;
            const auto ay = type == 0 ? level (b) : type == 1 ? (level (b) + next) / 2.0f : type == 2 ? next : 0.0f;
            aim = { xOf (b), ay };
        }

        juce::Point<float> onPath;
        path.getNearestPoint (aim, onPath, juce::AffineTransform(), 0.6f);
        const auto mapped = onPath.transformedBy (transform);
        point.x = mapped.x;
        point.y = mapped.y;
    }

    path.applyTransform (transform);
    return path;
}

bool FilterGraph::isControlPointDragged (size_t index) const
{
    return index < controlPoints.size() && controlPoints[index].highlighted && controlPoints[index].visible && isMouseDown;
}

void FilterGraph::paint (juce::Graphics& g)
{
    const auto colours = graphHueColours (*this, hue);
    g.fillAll (colours.darkest);

    const auto path = createResponsePath();
    g.setColour (colours.dark);
    g.strokePath (path, juce::PathStrokeType (2.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt));

    for (const auto& point : controlPoints)
        if (point.visible)
            drawControlPoint (point, g, colours.bright, isMouseDown);
}

void FilterGraph::clearHighlights()
{
    for (auto& point : controlPoints)
        point.highlighted = false;
}

void FilterGraph::mouseMove (const juce::MouseEvent& e)
{
    clearHighlights();
    const auto p = e.getEventRelativeTo (this).position;
    if (p.x >= 0.0f && p.x < static_cast<float> (getWidth()) && p.y >= 0.0f && p.y < static_cast<float> (getHeight()))
    {
        createResponsePath();   // the handles where they are drawn now
        auto best = std::numeric_limits<float>::max();
        for (const auto& point : controlPoints)
            best = std::min (best, p.getDistanceFrom ({ point.x, point.y }));
        for (auto& point : controlPoints)
            point.highlighted = p.getDistanceFrom ({ point.x, point.y }) - best <= 0.001f;
    }
    repaint();
}

void FilterGraph::mouseExit (const juce::MouseEvent&)
{
    clearHighlights();
    repaint();
}

void FilterGraph::mouseDown (const juce::MouseEvent&)
{
    if (isEnabled())
        isMouseDown = true;
}

void FilterGraph::mouseUp (const juce::MouseEvent&)
{
    if (isEnabled())
        isMouseDown = false;
}

void FilterGraph::mouseDrag (const juce::MouseEvent& e)
{
    if (! isEnabled())
        return;

    const auto p = e.getEventRelativeTo (this).position;
    const auto width = static_cast<float> (getWidth());
    const auto height = static_cast<float> (getHeight());
    const auto n = breakpoints.size();

    for (size_t j = 0; j < controlPoints.size(); ++j)
    {
        if (! controlPoints[j].highlighted)
            continue;
        const auto b = pointMap[static_cast<unsigned> (j)];
        if (b >= n)
            continue;

        if (controlPoints[j].isLevelPoint)
        {
            const auto t = height > 0.0f ? juce::jlimit (0.0f, 1.0f, p.y / height) : 0.0f;
            // The drag itself sets the level: subclasses that drop device
            // values during a drag must not drop the drag's own values.
            FilterGraph::setBreakpointLevel (b, static_cast<int> (xRange - t * xRange));
        }
        else
        {
            const auto l = leftRoom() / xRange;
            const auto m = rightRoom() / xRange;
            const auto s = width / (l + 1.0f + m);
            const auto t = s > 0.0f ? juce::jlimit (0.0f, 1.0f, (p.x - l * s) / s) : 0.0f;
            auto g = xRange * t;
            if (b > 0)
                g = std::max (g, static_cast<float> (breakpoints[b - 1].x + minimumSeparation (b - 1, b)));
            if (b + 2 < n)
                g = std::min (g, static_cast<float> (breakpoints[b + 1].x - minimumSeparation (b, b + 1)));
            setBreakpointPosition (b, static_cast<double> (g));
        }
        sendChangeMessage ({});
    }
}

HPFilter::HPFilter() : FilterGraph ({ { 1, 1, 2, 0 }, { 1, 1, 1, 1 } }, 15.0f)
{
    setBreakpointLevel (0, -10);
    setBreakpointLevel (1, 64);
}

LPFilter::LPFilter() : FilterGraph ({ { 1, 1, 0, 0 }, { 1, 1, 1, 1 } }, 15.0f)
{
    setBreakpointLevel (0, 64);
    setBreakpointLevel (1, -10);
}

ShelvingFilter::ShelvingFilter() : FilterGraph ({ { 0, 1, 2, 0 }, { 0, 0, 1, 1 } }, 15.0f)
{
    FilterGraph::setBreakpointLevel (0, 127);
}

void ShelvingFilter::setBreakpointLevel (unsigned, int level)
{
    // Control point 1 is the shelf level handle.
    if (isControlPointDragged (1) || breakpoints.size() < 2)
        return;
    breakpoints[1].level = level;
    repaint();
}

BPFilter::BPFilter() : FilterGraph ({ { 1, 1, 2, 0 }, { 1, 1, 0, 0 }, { 1, 1, 0, 1 } }, 4.0f)
{
    setBreakpointLevel (0, -10);
    setBreakpointLevel (1, 64);
    setBreakpointLevel (2, -10);
}

void BPFilter::setBreakpointPosition (unsigned index, double x)
{
    if (index >= breakpoints.size())
        return;

    if (index == 0)
    {
        breakpoints[0].x = static_cast<int> (x);
    }
    else if (index == 1)
    {
        const auto v = std::max (0.0, x - breakpoints[0].x - minimumWidth / 2);
        const auto perStep = (xRange - static_cast<float> (minimumWidth)) / xRange;
        // A band end dragged to the right edge would give more than 127.
        bandwidth = juce::jlimit (0, 127, static_cast<int> (v / static_cast<double> (perStep)));
    }
    updateUpperEdge();
}

void BPFilter::updateUpperEdge()
{
    const auto perStep = (xRange - static_cast<float> (minimumWidth)) / xRange;
    const auto end = std::min (xRange + 1.0f, perStep * static_cast<float> (bandwidth)
                                                  + static_cast<float> (breakpoints[0].x + minimumWidth));
    breakpoints[1].x = static_cast<int> (end);
    repaint();
}

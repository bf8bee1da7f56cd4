#include "ui/widgets/graphs/EnvelopePanelGraph.h"

#include "ui/widgets/graphs/EnvelopeGraphTransform.h"
#include "ui/widgets/graphs/GraphColours.h"

template <typename EnvData>
EnvelopePanelGraph<EnvData>::EnvelopePanelGraph()
    : shape (buildEnvelopePath (data, data.isReleaseInfinite(), data.isDecayInfinite()))
{
    setOpaque (true);
}

namespace
{
constexpr int delayHandle = EnvelopePath::delayHandle;
constexpr int attackHandle = EnvelopePath::attackHandle;
constexpr int decayHandle = EnvelopePath::decayHandle;
constexpr int sustainHandle = EnvelopePath::sustainHandle;
constexpr int releaseHandle = EnvelopePath::releaseHandle;
} // namespace

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::setAttack (int value)
{
    if (isHandleHighlighted (attackHandle) && dragging)
        return;
    data.attack = value;
    updatePath();
    repaint();
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::setDelay (int value)
{
    if (isHandleHighlighted (delayHandle) && dragging)
        return;
    data.delay = value;
    updatePath();
    repaint();
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::setDecay (int value)
{
    if (isHandleHighlighted (decayHandle))
        return;
    data.decay = value;
    updatePath();
    repaint();
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::setSustain (int value)
{
    if (isHandleHighlighted (sustainHandle))
        return;
    data.sustain = value;
    updatePath();
    repaint();
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::setRelease (int value)
{
    if (isHandleHighlighted (releaseHandle))
        return;
    data.release = value;
    updatePath();
    repaint();
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::setReset (bool on)
{
    reset = on;
    repaint();
}

template <typename EnvData>
juce::AffineTransform EnvelopePanelGraph<EnvData>::getGraphTransform() const
{
    return envelopeGraphTransform (getWidth(), getHeight(), margin, flipped);
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::updatePath()
{
    const auto infiniteDecay = data.isDecayInfinite();
    const auto infiniteRelease = data.isReleaseInfinite();
    const auto built = buildEnvelopePath (data, infiniteRelease, infiniteDecay);
    shape.path = built.path;

    auto& handles = shape.handles;
    handles.resize (EnvelopePath::numHandles);
    handles[delayHandle].visible = showDelayPoint;
    handles[decayHandle].visible = ! infiniteDecay;
    handles[sustainHandle].visible = ! infiniteDecay;
    handles[releaseHandle].visible = ! infiniteDecay && ! infiniteRelease;

    const auto transform = getGraphTransform();
    for (size_t i = 0; i < built.handles.size() && i < handles.size(); ++i)
    {
        const auto p = juce::Point<float> (built.handles[i].x, built.handles[i].y).transformedBy (transform);
        handles[i].x = p.x;
        handles[i].y = p.y;
        handles[i].isLevelPoint = built.handles[i].isLevelPoint;
    }
    displayPath = shape.path;
    displayPath.applyTransform (transform);
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::paint (juce::Graphics& g)
{
    if (findLookAndFeelCorvanel (*this) == nullptr)
        return;
    const auto colours = graphHueColours (*this, hue);
    g.fillAll (colours.darkest);
    g.setColour (colours.dark);
    g.strokePath (displayPath, juce::PathStrokeType (2.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));

    for (const auto& handle : shape.handles)
        if (handle.visible)
            drawControlPoint (handle, g, colours.bright, isMouseButtonDown());

    if (reset)
    {
        const auto m = static_cast<float> (margin);
        g.setColour (colours.bright);
        g.drawEllipse (m - 1.5f, static_cast<float> (getHeight()) - m - 1.5f, 3.0f, 3.0f, 3.0f);
    }
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::clearHighlights()
{
    for (auto& handle : shape.handles)
        handle.highlighted = false;
}

template <typename EnvData>
bool EnvelopePanelGraph<EnvData>::contains (juce::Point<float> p) const
{
    return p.x >= 0.0f && p.x < static_cast<float> (getWidth()) && p.y >= 0.0f && p.y < static_cast<float> (getHeight());
}

template <typename EnvData>
int EnvelopePanelGraph<EnvData>::activeHandle() const
{
    for (size_t i = 0; i < shape.handles.size(); ++i)
        if (shape.handles[i].highlighted && shape.handles[i].visible)
            return static_cast<int> (i);
    return -1;
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::mouseEnter (const juce::MouseEvent&)
{
    clearHighlights();
    repaint();
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::mouseExit (const juce::MouseEvent&)
{
    clearHighlights();
    repaint();
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::mouseMove (const juce::MouseEvent& e)
{
    clearHighlights();
    const auto p = e.getEventRelativeTo (this).position;
    if (contains (p) && ! shape.handles.empty())
    {
        // Hidden handles count too: the nearest one may be one that cannot be dragged.
        float best = 4000.0f;
        size_t nearest = 0;
        for (size_t i = 0; i < shape.handles.size(); ++i)
        {
            const auto distance = p.getDistanceFrom ({ shape.handles[i].x, shape.handles[i].y });
            if (distance < best)
            {
                best = distance;
                nearest = i;
            }
        }
        shape.handles[nearest].highlighted = true;
    }
    repaint();
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::mouseDown (const juce::MouseEvent& e)
{
    if (! contains (e.getEventRelativeTo (this).position))
        return;
    const int values[] = { data.delay, data.attack, data.decay, data.sustain, data.release };
    if (const auto index = activeHandle(); index >= 0)
        dragStart = values[index];
    armed = true;
    dragging = true;
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::mouseDrag (const juce::MouseEvent& e)
{
    if (! armed)
        return;
    dragging = true;

    const auto index = activeHandle();
    const auto innerWidth = static_cast<float> (std::max (0, getWidth() - 2 * margin));
    const auto innerHeight = static_cast<float> (std::max (0, getHeight() - 2 * margin));
    const auto dx = static_cast<float> (e.getDistanceFromDragStartX());
    const auto limit = [] (int v, const EnvelopeLimits& limits) { return juce::jlimit (limits.minimum, limits.maximum, v); };
    // One fifth of the drawing width is 127 steps.
    const auto sideways = [&] (float stepsPerFifth) {
        return dragStart + static_cast<int> (dx * stepsPerFifth / (0.2f * innerWidth));
    };

    switch (index)
    {
        case delayHandle:
            if (innerWidth > 0.0f)
                data.delay = limit (sideways (254.0f), data.delayLimits);
            if (delayCallback)
                delayCallback();
            break;
        case attackHandle:
            if (innerWidth > 0.0f)
                data.attack = limit (sideways (127.0f), data.attackLimits);
            if (attackCallback)
                attackCallback();
            break;
        case decayHandle:
            if (innerWidth > 0.0f)
                data.decay = limit (sideways (127.0f), data.decayLimits);
            if (decayCallback)
                decayCallback();
            break;
        case sustainHandle:
            if (innerHeight > 0.0f)
            {
                auto dy = static_cast<float> (e.getDistanceFromDragStartY());
                if (flipped)
                    dy = -dy;
                data.sustain = juce::jlimit (0, 127, dragStart - static_cast<int> (std::trunc (dy * 127.0f) / innerHeight));
            }
            if (sustainCallback)
                sustainCallback();
            break;
        case releaseHandle:
            if (innerWidth > 0.0f)
                data.release = limit (sideways (127.0f), data.releaseLimits);
            if (releaseCallback)
                releaseCallback();
            break;
        default:
            break;
    }
    updatePath();
    repaint();
}

template <typename EnvData>
void EnvelopePanelGraph<EnvData>::mouseUp (const juce::MouseEvent&)
{
    dragging = false;
}

template class EnvelopePanelGraph<EnvDataInfDecayInfRelease>;

#include "ui/widgets/graphs/LFOSelector.h"

#include "ui/widgets/graphs/EnvelopePath.h"
#include "ui/widgets/graphs/GraphColours.h"

#include <cmath>

namespace
{
constexpr int randomShape = 6;
constexpr int freeRunning = 0;
} // namespace

LFOSelector::InternalGraph::InternalGraph()
{
    setOpaque (true);
}

void LFOSelector::InternalGraph::setHue (int newHue)
{
    HasHue::setHue (newHue);
    const auto colours = graphHueColours (*this, hue);
    dark = colours.dark;
    darkest = colours.darkest;
}

void LFOSelector::InternalGraph::updatePath()
{
    waveformPath = makeLfoWaveformPath (shape).path;
    const auto bounds = waveformPath.getBounds();
    const auto w = static_cast<float> (std::max (0, getWidth() - 4));
    const auto h = static_cast<float> (std::max (0, getHeight() - 4));
    const auto sx = bounds.getWidth() > 0.0f ? w / bounds.getWidth() : 1.0f;
    const auto sy = bounds.getHeight() > 0.0f ? h / bounds.getHeight() : 1.0f;
    waveformPath.applyTransform (
        juce::AffineTransform::translation (-bounds.getX(), -bounds.getY()).scaled (sx, sy).translated (2.0f, 2.0f));
    repaint();
}

int LFOSelector::InternalGraph::startPhaseMarkX() const
{
    return static_cast<int> (std::floor (static_cast<float> (startPhase) * 0.0078125f * static_cast<float> (getWidth() - 3)) + 1.0f);
}

void LFOSelector::InternalGraph::paint (juce::Graphics& g)
{
    const auto w = getWidth();
    const auto h = getHeight();
    g.fillAll (darkest);

    const auto guide = juce::Colour::fromHSV (darkest.getHue(), darkest.getSaturation(), 0.9f, 1.0f);
    g.setColour (guide.withAlpha (static_cast<juce::uint8> (0x26)));
    if (guides)
    {
        const auto quarter = 0.25f * static_cast<float> (w);
        g.fillRect (static_cast<int> (quarter), 0, 1, h);
        g.fillRect (static_cast<int> (static_cast<float> (w) - quarter), 0, 1, h);
        g.fillRect (static_cast<int> (0.5f * static_cast<float> (w)), 0, 1, h);
    }

    g.setColour (dark);
    g.strokePath (waveformPath, stroke);

    g.setColour (guide.withAlpha (static_cast<juce::uint8> (0x33)));
    g.fillRect (0, static_cast<int> (0.5f * static_cast<float> (h)), w, 1);

    if (shape != randomShape && triggerMode != freeRunning)
    {
        g.setColour (juce::Colour (0xFFF0F0F0));
        const auto x0 = startPhaseMarkX();
        g.fillRect (x0, 0, 1, h);
        g.fillRect (x0 + 1, 0, 1, h);
    }
}

LFOSelector::LFOSelector()
{
    addAndMakeVisible (internalGraph);
}

void LFOSelector::setHue (int newHue)
{
    HasHue::setHue (newHue);
    internalGraph.setHue (newHue);
    colourChanged();
}

void LFOSelector::colourChanged()
{
    const auto colours = graphHueColours (*this, hue);
    bright = colours.bright;
    darkest = colours.darkest;
}

void LFOSelector::resized()
{
    boundsF = getLocalBounds().toFloat();
    internalGraph.setBounds (-1, -1, getWidth() + 2, getHeight() + 2);
}

void LFOSelector::paintOverChildren (juce::Graphics& g)
{
    if (internalGraph.shape == randomShape || ! playhead)
        return;

    // The waveform is in the inner graph's coordinates, one pixel up and left.
    const auto p = phase * 1.55f * static_cast<float> (getWidth());
    juce::PathFlatteningIterator segments (internalGraph.waveformPath, juce::AffineTransform::translation (-1.0f, -1.0f), 0.36f);
    while (segments.next())
    {
        if (segments.x1 < p && p <= segments.x2)
        {
            const auto y = segments.y1 + (segments.y2 - segments.y1) * (p - segments.x1) / (segments.x2 - segments.x1);
            g.setColour (bright);
            g.fillEllipse (p - 3.5f, y - 3.0f, 5.0f, 5.0f);
            g.setColour (darkest);
            g.drawEllipse (p - 3.5f, y - 3.0f, 5.0f, 5.0f, 1.0f);
            return;
        }
    }
}

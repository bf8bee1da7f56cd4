#include "ui/widgets/graphs/AmpEnvelopeGraph.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/graphs/EnvelopeGraphTransform.h"
#include "ui/widgets/graphs/GraphColours.h"

AmpEnvelopeGraph::AmpEnvelopeGraph() : handles (3)
{
    setOpaque (true);
}

bool AmpEnvelopeGraph::isHandleActive (int index) const
{
    const auto& handle = handles[static_cast<size_t> (index)];
    return handle.highlighted && handle.visible;
}

void AmpEnvelopeGraph::setAttack (float value)
{
    if (isHandleActive (attackIndex))
        return;
    attack = value;
    repaint();
}

void AmpEnvelopeGraph::setHold (float value)
{
    if (isHandleActive (holdIndex))
        return;
    hold = value;
    repaint();
}

void AmpEnvelopeGraph::setDecay (float value)
{
    if (isHandleActive (decayIndex))
        return;
    decay = value;
    repaint();
}

void AmpEnvelopeGraph::setReset (bool on)
{
    reset = on;
    repaint();
}

void AmpEnvelopeGraph::setAutoLabel (const juce::String& text)
{
    label = text;
}

juce::AffineTransform AmpEnvelopeGraph::getGraphTransform() const
{
    return envelopeGraphTransform (getWidth(), getHeight(), margin, flipped);
}

juce::Path AmpEnvelopeGraph::buildAmpPath (float a, float h, float d)
{
    const auto w = segmentWidth;
    const auto transform = getGraphTransform();
    const auto place = [&] (int index, float x, float y) {
        auto& handle = handles[static_cast<size_t> (index)];
        const auto p = juce::Point<float> (x, y).transformedBy (transform);
        handle.x = p.x;
        handle.y = p.y;
    };

    juce::Path path;
    path.startNewSubPath (0.0f, 1.0f);
    const auto xa = w * a;
    path.lineTo (xa, 0.0f);
    place (attackIndex, xa, 0.0f);

    auto xh = xa + w * h;
    auto xd = xh + w * d;
    auto& holdHandle = handles[static_cast<size_t> (holdIndex)];
    if (h != holdAutoValue)
    {
        holdHandle.visible = true;
        place (holdIndex, xh, 0.0f);
    }
    else
    {
        holdHandle.visible = false;
        if (h == 0.0f)
        {
            xh += w;
            xd += w;
        }
    }
    path.lineTo (xh, 0.0f);

    auto& decayHandle = handles[static_cast<size_t> (decayIndex)];
    if (d != infiniteDecayValue)
    {
        path.quadraticTo (xh, 1.0f, xd, 1.0f);
        decayHandle.visible = true;
        place (decayIndex, xd, 1.0f);
    }
    else
    {
        path.lineTo (1.0f, 0.0f);
        path.lineTo (1.5f, 0.0f);
        path.lineTo (1.5f, 1.0f);
        decayHandle.visible = false;
    }
    return path;
}

void AmpEnvelopeGraph::paint (juce::Graphics& g)
{
    if (findLookAndFeelCorvanel (*this) == nullptr)
        return;
    const auto colours = graphHueColours (*this, hue);
    g.fillAll (colours.darkest);

    auto path = buildAmpPath (attack / 127.0f, hold / 127.0f, decay / 127.0f);
    path.applyTransform (getGraphTransform());
    g.setColour (colours.dark);
    g.strokePath (path, juce::PathStrokeType (2.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));

    if (hold / 127.0f == holdAutoValue)
    {
        const auto innerWidth = static_cast<float> (std::max (0, getWidth() - 2 * margin));
        const auto centre = static_cast<int> ((segmentWidth * attack / 127.0f + segmentWidth * 0.5f) * innerWidth
                                              + static_cast<float> (margin));
        const auto font = CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f);
        g.setFont (font);
        const auto textWidth = font.getStringWidthFloat (label);
        g.drawSingleLineText (label, juce::roundToInt (static_cast<float> (centre) - textWidth / 2.0f), 25);
    }

    for (const auto& handle : handles)
        if (handle.visible)
            drawControlPoint (handle, g, colours.bright, isMouseButtonDown());

    if (reset)
    {
        const auto x = static_cast<float> (margin);
        const auto y = flipped ? static_cast<float> (margin) : static_cast<float> (getHeight() - margin);
        g.setColour (colours.dark);
        g.drawEllipse (x - 2.0f, y - 2.0f, 4.0f, 4.0f, 4.0f);
        g.setColour (colours.bright);
        g.drawEllipse (x - 1.5f, y - 1.5f, 3.0f, 3.0f, 3.0f);
    }
}

void AmpEnvelopeGraph::clearHighlights()
{
    for (auto& handle : handles)
        handle.highlighted = false;
}

bool AmpEnvelopeGraph::contains (juce::Point<float> p) const
{
    return p.x >= 0.0f && p.x < static_cast<float> (getWidth()) && p.y >= 0.0f && p.y < static_cast<float> (getHeight());
}

void AmpEnvelopeGraph::mouseEnter (const juce::MouseEvent&)
{
    clearHighlights();
    repaint();
}

void AmpEnvelopeGraph::mouseExit (const juce::MouseEvent&)
{
    clearHighlights();
    repaint();
}

void AmpEnvelopeGraph::mouseMove (const juce::MouseEvent& e)
{
    clearHighlights();
    const auto p = e.getEventRelativeTo (this).position;
    if (contains (p))
    {
        buildAmpPath (attack / 127.0f, hold / 127.0f, decay / 127.0f);   // handles where they are drawn
        float best = 4000.0f;
        size_t nearest = 0;
        for (size_t i = 0; i < handles.size(); ++i)
        {
            if (! handles[i].visible)
                continue;
            const auto distance = p.getDistanceFrom ({ handles[i].x, handles[i].y });
            if (distance < best)
            {
                best = distance;
                nearest = i;
            }
        }
        handles[nearest].highlighted = true;
    }
    repaint();
}

void AmpEnvelopeGraph::mouseDown (const juce::MouseEvent& e)
{
    if (! contains (e.getEventRelativeTo (this).position))
        return;
    const float values[] = { attack, hold, decay };
    const int indices[] = { attackIndex, holdIndex, decayIndex };
    for (size_t i = 0; i < handles.size(); ++i)
    {
        if (handles[i].highlighted)
        {
            for (int k = 0; k < 3; ++k)
                if (indices[k] == static_cast<int> (i))
                    dragStart = values[k];
            break;
        }
    }
    dragging = true;
}

void AmpEnvelopeGraph::mouseDrag (const juce::MouseEvent& e)
{
    if (! dragging)
        return;

    int dragged = -1;
    for (size_t i = 0; i < handles.size(); ++i)
        if (handles[i].highlighted)
        {
            dragged = static_cast<int> (i);
            break;
        }

    const auto innerWidth = static_cast<float> (std::max (0, getWidth() - 2 * margin));
    if (dragged >= 0 && innerWidth * segmentWidth > 0.0f)
    {
        const auto dx = static_cast<double> (e.getDistanceFromDragStartX());
        auto v = static_cast<float> (juce::jlimit (0.0, 127.0, dragStart + dx * 127.0 / (innerWidth * segmentWidth)));
        if (dragged == attackIndex)
        {
            attack = v;
            if (attackCallback)
                attackCallback();
        }
        else if (dragged == holdIndex)
        {
            // A drag never reaches the auto value.
            const auto autoSteps = holdAutoValue * 127.0f;
            const auto lo = autoSteps < 1.0f ? 1.0f : 0.0f;
            const auto hi = autoSteps > 126.0f ? 126.0f : 127.0f;
            hold = juce::jlimit (lo, hi, v);
            if (holdCallback)
                holdCallback();
        }
        else if (dragged == decayIndex)
        {
            decay = juce::jlimit (0.0f, 126.0f, v);   // never the infinite decay
            if (decayCallback)
                decayCallback();
        }
    }
    repaint();
}

#include "ui/widgets/graphs/DelayRingGraph.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/FormatHighResValue256.h"
#include "ui/widgets/graphs/GraphColours.h"

#include <cmath>
#include <map>

namespace
{
// Note values of delay times in 128th notes.
const std::map<int, juce::String>& noteNames()
{
    static const std::map<int, juce::String> names {
        { 1, "1/128" }, { 2, "1/64" },  { 3, "1/64." }, { 4, "1/32" },  { 6, "1/32." },
        { 8, "1/16" },  { 12, "1/16." }, { 16, "1/8" },  { 24, "1/8." },  { 32, "1/4" },
        { 48, "1/4." }, { 64, "1/2" },   { 96, "1/2." }, { 128, "1/1" },
    };
    return names;
}

constexpr int grownRingHue = 13;
} // namespace

DelayRingGraph::DelayRingGraph()
{
    setOpaque (true);
}

void DelayRingGraph::setTime (double newTime)
{
    time = juce::jlimit (1.0, 128.0, newTime);
    repaint();
}

void DelayRingGraph::setFeedback (double newFeedback)
{
    feedback = juce::jlimit (0.0, 198.0, newFeedback);
    repaint();
}

void DelayRingGraph::setStereoWidth (double width)
{
    stereoWidth = juce::jlimit (-64.0, 63.0, width);
    repaint();
}

void DelayRingGraph::setPingPong (int on)
{
    pingPong = on != 0;
    repaint();
}

void DelayRingGraph::setHue (int newHue)
{
    HasHue::setHue (newHue);
    ringColour = graphHueColours (*this, hue).bright;
    grownRingColour = graphHueColours (*this, grownRingHue).bright;
    background = graphHueColours (*this, hue).darkest;
}

std::vector<DelayRingGraph::Ring> DelayRingGraph::computeRings() const
{
    std::vector<Ring> rings;
    const auto step = juce::roundToInt (time);
    const auto dy = static_cast<float> (stereoWidth / 64.0 * juce::roundToInt (getHeight() * 0.4));
    float d = 16.0f;
    int x = step + 10;
    float sign = 1.0f;
    for (;;)
    {
        rings.push_back ({ static_cast<float> (x), pingPong ? dy * sign : dy, d, d > 16.0f });
        if (d > 100.0f)
            break;
        x += step;
        if (x >= getWidth())
            break;
        d = d * static_cast<float> (feedback) / 100.0f;
        if (d <= 0.01f)
            break;
        sign = -sign;
    }
    return rings;
}

juce::String DelayRingGraph::readoutText (double t)
{
    const auto whole = static_cast<int> (t);
    if (std::abs (t - whole) <= 0.001)
    {
        const auto& names = noteNames();
        if (const auto found = names.find (whole); found != names.end())
            return "Note: " + found->second;
        return "Time: " + juce::String (whole);
    }
    return "Time: " + formatHighResValue256 (static_cast<int> (t * 256.0));
}

void DelayRingGraph::paint (juce::Graphics& g)
{
    const auto width = getWidth();
    const auto height = getHeight();
    g.fillAll (background);

    // Axes and beat ticks.
    g.setColour (ringColour.withAlpha (static_cast<juce::uint8> (0x66)));
    g.fillRect (9, 0, 1, height);
    g.fillRect (10, 0, 1, height);
    const auto middle = height / 2;
    g.fillRect (0, middle, width, 1);
    const struct
    {
        int spacing;
        int halfLength;
    } ticks[] = { { 128, 20 }, { 64, 10 }, { 32, 6 } };
    for (const auto& tick : ticks)
        for (int x = 10; x < width && width > 10; x += tick.spacing)
            g.fillRect (x, middle - tick.halfLength, 1, 2 * tick.halfLength);

    {
        juce::Graphics::ScopedSaveState state (g);
        g.setOrigin (0, juce::roundToInt (height * 0.5));
        for (const auto& ring : computeRings())
        {
            g.setColour (ring.grown ? grownRingColour : ringColour);
            g.fillEllipse (ring.x - ring.diameter / 2.0f, ring.y - ring.diameter / 2.0f, ring.diameter, ring.diameter);
        }
    }

    const auto lightenChannel = [] (juce::uint8 c) {
        return static_cast<juce::uint8> (255.0f - static_cast<float> (255 - c) * 0.43478262f);
    };
    g.setColour (juce::Colour (lightenChannel (ringColour.getRed()), lightenChannel (ringColour.getGreen()),
                               lightenChannel (ringColour.getBlue()), ringColour.getAlpha()));
    g.setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f));

    const auto left = std::min (width, 13);
    const auto topHeight = std::min (height, 12);
    const auto bottomHeight = std::min (height - topHeight, 12);
    g.drawText ("L", left, 0, width - left, topHeight, juce::Justification::centredLeft, true);
    g.drawText ("R", left, height - bottomHeight, width - left, bottomHeight, juce::Justification::centredLeft, true);
    g.drawText (readoutText (time), left, height - bottomHeight, width - left, bottomHeight, juce::Justification::centred, true);
}

#include "ui/widgets/sliders/DialSliders.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/HuePalette.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/widgets/FormatHighResValue256.h"
#include "ui/widgets/sliders/ImprovedNoise.h"

namespace
{
const juce::Colour white (0xFFF0F0F0);
constexpr float pointerSweep = 5.0265484f;
constexpr float pointerStart = 2.5132742f;

juce::Colour hueShade (juce::Component& c, int hue, int shade)
{
    auto* laf = findLookAndFeelCorvanel (c);
    if (laf == nullptr)
        return {};
    const auto& h = HuePalette::shades (hue);
    switch (shade)
    {
        case 0: return h.bright;
        case 1: return h.mid;
        case 2: return h.dark;
        default: return h.darkest;
    }
}

juce::Colour lifted (juce::Colour c, juce::Colour towards, float level)
{
    return c.interpolatedWith (towards, juce::jlimit (0.0f, 1.0f, level));
}

void fade (juce::Component& c, float& level, float step)
{
    if (step < 0.0f)
    {
        level = 1.0f;
        c.repaint();
    }
    else if (level >= 0.0f)
    {
        level -= step;
        c.repaint();
    }
}
} // namespace

DialSlider::DialSlider (bool highResolutionText)
    : juce::Slider (juce::Slider::RotaryVerticalDrag, juce::Slider::TextBoxBelow),
      highResolution (highResolutionText)
{
    juce::Slider::setScrollWheelEnabled (false);
    setRange (0.0, 127.0, 1.0);
    setColour (juce::Slider::textBoxOutlineColourId, juce::Colours::transparentBlack);
    setOpaque (true);
}

void DialSlider::setKnobValue (double value)
{
    if (value != getValue())
        highlightLevel = 1.0f;
    setValue (value, juce::dontSendNotification);
}

void DialSlider::fadeHighlight (float step)
{
    fade (*this, highlightLevel, step);
}

juce::String DialSlider::getTextFromValue (double value)
{
    if (highResolution)
        return formatHighResValue256 (static_cast<int> (value));
    return juce::String (static_cast<int> (value));
}

double DialSlider::getValueFromText (const juce::String& text)
{
    const double number = text.trim().getDoubleValue();
    return getMaximum() > 127.0 ? std::ceil (number * 256.0) : number;
}

juce::Colour DialSlider::pointerColour()
{
    if (findLookAndFeelCorvanel (*this) == nullptr)
        return {};
    return lifted (isMouseButtonDown() ? white : hueShade (*this, hue, 0), white, highlightLevel);
}

//==============================================================================
CircleSlider::CircleSlider (bool highResolutionText) : DialSlider (highResolutionText) {}

int CircleSlider::innerRingCount() const
{
    const double p = juce::jlimit (0.0, 1.0, (getValue() + 25.0 - getMinimum()) / getMaximum());
    return static_cast<int> (5.0 * p);
}

void CircleSlider::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF1E1E1E));
    const float dW = (float) juce::jmax (0, getWidth() - 4);
    const float dH = (float) juce::jmax (0, getHeight() - getTextBoxHeight() - 4);
    const float d = juce::jmin (dW, dH);
    const double p = juce::jlimit (0.0, 1.0, (getValue() + 25.0 - getMinimum()) / getMaximum());
    const double n = 5.0 * p;
    const float step = n > 0.0 ? (float) ((d / 2.0f) / n) : 0.0f;

    if (findLookAndFeelCorvanel (*this) != nullptr)
        g.setColour (pointerColour());

    const float cx = dW / 2.0f + 2.0f, cy = dH / 2.0f + 2.0f;
    {
        juce::Graphics::ScopedSaveState state (g);
        g.addTransform (juce::AffineTransform::translation (cx, cy));
        for (double k = n; k >= 0.0; k -= 1.0)
        {
            const float half = (float) k * step;
            g.drawEllipse (-half, -half, 2.0f * half, 2.0f * half, 2.0f);
        }
    }
    g.drawEllipse (cx - d / 2.0f, cy - d / 2.0f, d, d, 2.0f);
}

//==============================================================================
CubeSlider::CubeSlider (bool highResolutionText) : DialSlider (highResolutionText) {}

float CubeSlider::fillLevel() const
{
    const float v = 0.707f * (float) juce::jmin (getWidth(), juce::jmax (0, getHeight() - getTextBoxHeight()));
    double proportion = (getValue() - getMinimum()) / getMaximum();
    if (std::isnan (proportion))
        proportion = 0.0;
    return (float) std::ceil (proportion * v);
}

void CubeSlider::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF1E1E1E));
    if (findLookAndFeelCorvanel (*this) == nullptr)
        return;
    const auto colour = pointerColour();

    juce::Graphics::ScopedSaveState state (g);
    g.addTransform (juce::AffineTransform::translation (0.15f * (float) getWidth() + 2.0f, 0.0f));
    const float v = 0.707f * (float) juce::jmin (getWidth(), juce::jmax (0, getHeight() - getTextBoxHeight()));

    g.setColour (colour);
    juce::Path squares;
    squares.addRectangle (0.42f * v, 0.08f * v, v, v);
    squares.addRectangle (0.02f * v, 0.4f * v, v, v);
    g.strokePath (squares, juce::PathStrokeType (2.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::rounded));

    juce::Path edges;
    auto edge = [&edges] (float x1, float y1, float x2, float y2) {
        edges.startNewSubPath (x1, y1);
        edges.lineTo (x2, y2);
    };
    edge (0.42f * v, 1.08f * v, 0.02f * v, 1.4f * v);
    edge (0.42f * v - 0.25f, 0.08f * v, 0.02f * v - 0.25f, 0.4f * v);
    edge (1.42f * v, 0.08f * v, 1.02f * v, 0.4f * v);
    edge (1.42f * v + 0.127191f, 1.08f * v, 1.02f * v + 0.577541f, 1.4f * v);
    g.strokePath (edges, juce::PathStrokeType (2.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt));

    const float l = fillLevel();
    auto quad = [] (juce::Point<float> a, juce::Point<float> b, juce::Point<float> c, juce::Point<float> d) {
        juce::Path p;
        p.startNewSubPath (a);
        p.lineTo (b);
        p.lineTo (c);
        p.lineTo (d);
        p.closeSubPath();
        return p;
    };
    const auto top = quad ({ 1.42f * v, 1.08f * v - l }, { 0.42f * v, 1.08f * v - l }, { 0.02f * v, 1.4f * v - l }, { 1.02f * v, 1.4f * v - l });
    const auto side = quad ({ 1.42f * v, 1.08f * v }, { 1.42f * v, 1.08f * v - l }, { 1.02f * v, 1.4f * v - l }, { 1.02f * v, 1.4f * v });
    const auto front = quad ({ 0.02f * v, 1.4f * v - l }, { 1.02f * v, 1.4f * v - l }, { 1.02f * v, 1.4f * v }, { 0.02f * v, 1.4f * v });

    const auto grey = colour.withSaturation (0.0f);
    const std::array<const juce::Path*, 3> faces { &top, &side, &front };
    const std::array<juce::uint8, 3> greyAlpha { 26, 51, 102 };
    const std::array<juce::uint8, 3> colourAlpha { 89, 128, 166 };
    for (size_t i = 0; i < faces.size(); ++i)
    {
        g.setColour (grey.withAlpha (greyAlpha[i]));
        g.fillPath (*faces[i]);
    }
    for (size_t i = 0; i < faces.size(); ++i)
    {
        g.setColour (colour.withAlpha (colourAlpha[i]));
        g.fillPath (*faces[i]);
    }
}

//==============================================================================
juce::Point<float> OverdriveSlider::shapePoint (int i)
{
    const double a = (double) i / 256.0 * juce::MathConstants<double>::twoPi;
    const double n = (ImprovedNoise::noise ((double) i / 256.0 * 78.0, 0.6, 1.0) + 1.0) / 2.0;
    const double radius = 1.1 - 0.7 * n;
    return { (float) (radius * std::cos (a)), (float) (radius * std::sin (a)) };
}

OverdriveSlider::OverdriveSlider()
    : DialSlider (false)
{
    for (int i = 0; i < pointCount; ++i)
    {
        const double a = (double) i / 256.0 * juce::MathConstants<double>::twoPi;
        circlePoints[(size_t) i] = { (float) std::cos (a), (float) std::sin (a) };
        shapePoints[(size_t) i] = shapePoint (i);
    }
    setName ("Overdrive");
    setRange (0.0, 127.0, 0.01);
    setTextBoxStyle (juce::Slider::TextBoxBelow, false, 60, 20);
}

juce::Path OverdriveSlider::makeRing (float p) const
{
    juce::Path path;
    for (size_t i = 0; i < (size_t) pointCount; ++i)
    {
        const auto point = shapePoints[i] * p + circlePoints[i] * (1.0f - p);
        if (i == 0)
            path.startNewSubPath (point);
        else
            path.lineTo (point);
    }
    path.closeSubPath();
    return path;
}

void OverdriveSlider::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF1E1E1E));
    if (findLookAndFeelCorvanel (*this) == nullptr)
        return;

    const auto a = pointerColour();
    const auto dark = hueShade (*this, hue, 2);
    const auto grey = dark.withSaturation (0.0f);
    const auto b = lifted (isMouseButtonDown() ? grey : dark, grey, highlightLevel);

    const double span = getMaximum() - getMinimum();
    const double raw = span > 0.0 ? (getValue() - getMinimum()) / span : 0.0;
    const float p = (float) juce::jlimit (0.0, 1.0, raw);
    const int s = juce::jmin (juce::jmax (0, getHeight() - 20), juce::jmax (0, getWidth()));
    const int x0 = (getWidth() - s) / 2;
    const int y0 = (juce::jmin (getHeight(), s) - s) / 2 + 1;

    const auto ring = makeRing (p);
    const juce::PathStrokeType stroke (2.0f, juce::PathStrokeType::curved);
    if (s > 0)
    {
        g.setColour (b);
        g.strokePath (ring, stroke, ring.getTransformToScaleToFit (juce::Rectangle<float> ((float) x0, (float) y0, (float) s, (float) s), true));
        const float inner = (float) juce::jmax (0, s - 8);
        if (inner > 0.0f)
        {
            g.setColour (a);
            g.strokePath (ring, stroke, ring.getTransformToScaleToFit (juce::Rectangle<float> ((float) x0 + 4.0f, (float) y0 + 4.0f, inner, inner), true));
        }
    }

    const float t = juce::jmax ((float) raw * pointerSweep - pointerStart, -pointerStart);
    const juce::Point<float> centre ((float) x0 + (float) s / 2.0f, (float) y0 + (float) s / 2.0f);
    g.setColour (a);
    g.drawLine ({ centre, centre.getPointOnCircumference ((float) s / 2.0f - 5.0f, t) }, 2.0f);
}

//==============================================================================
ReverbDecayKnob::ReverbDecayKnob()
    : juce::Slider (juce::Slider::RotaryHorizontalVerticalDrag, juce::Slider::TextBoxBelow)
{
    juce::Slider::setScrollWheelEnabled (false);
    setOpaque (true);
    setTextBoxStyle (juce::Slider::TextBoxBelow, false, 80, 20);
    setRange (1.0, 127.0, 1.0);
}

void ReverbDecayKnob::setKnobValue (double value)
{
    if (value != getValue())
        highlightLevel = 1.0f;
    setValue (value, juce::dontSendNotification);
}

void ReverbDecayKnob::fadeHighlight (float step)
{
    fade (*this, highlightLevel, step);
}

void ReverbDecayKnob::updateTextBox()
{
    // "Inf" replaces the text box at the top of the range.
    if (showsInfinity())
        setTextBoxStyle (juce::Slider::TextBoxBelow, false, 0, 0);
    else
        setTextBoxStyle (juce::Slider::TextBoxBelow, false, 80, 20);
}

void ReverbDecayKnob::valueChanged()
{
    updateTextBox();
}

void ReverbDecayKnob::paint (juce::Graphics& g)
{
    auto* laf = findLookAndFeelCorvanel (*this);
    if (laf == nullptr)
        return;
    updateTextBox();
    g.fillAll (HuePalette::shades (hue).darkest);

    const auto pointer = lifted (isMouseButtonDown() ? white : HuePalette::shades (hue).bright, white, highlightLevel);
    const int a = juce::jmax (0, getHeight() - 20);
    const int d = juce::jmin (a, getWidth());
    const juce::Rectangle<float> q ((float) ((getWidth() - d) / 2), (float) ((a - d) / 2 + 1), (float) d, (float) d);

    g.setColour (pointer.withAlpha ((juce::uint8) 0x57));
    g.drawRect (q, 2.0f);
    g.drawLine (q.getX(), q.getCentreY(), q.getRight(), q.getCentreY(), 0.5f);
    g.drawLine (q.getCentreX(), q.getY(), q.getCentreX(), q.getBottom(), 0.5f);
    const auto inset = q.reduced (1.0f);
    if (! inset.isEmpty())
        g.drawEllipse (inset, 2.0f);

    double proportion = (getValue() - getMinimum()) / getMaximum();
    if (std::isnan (proportion))
        proportion = 0.0;
    const float s = (float) proportion * 0.64f * (float) d;
    const juce::Point<float> o (q.getX() + ((float) d - s) / 2.0f, q.getY() + ((float) d - s) / 2.0f);

    g.setColour (pointer);
    const juce::Point<float> f[4] { o + juce::Point<float> (-0.24f * s, 0.16f * s - 0.656237f), o + juce::Point<float> (0.76f * s, 0.16f * s),
                                    o + juce::Point<float> (0.76f * s, 1.16f * s), o + juce::Point<float> (-0.24f * s, 1.16f * s) };
    const juce::Point<float> bk[4] { o + juce::Point<float> (0.24f * s, -0.12f * s), o + juce::Point<float> (1.24f * s, -0.12f * s),
                                     o + juce::Point<float> (1.24f * s, 0.88f * s), o + juce::Point<float> (0.24f * s, 0.88f * s) };
    for (int i = 0; i < 4; ++i)
    {
        g.drawLine ({ f[i], f[(i + 1) % 4] }, 1.0f);
        g.drawLine ({ bk[i], bk[(i + 1) % 4] }, 1.0f);
        g.drawLine ({ f[i], bk[i] }, 1.0f);
    }

    if (showsInfinity())
    {
        const int m = juce::jmin (a, 20);
        g.setColour (white);
        g.setFont (CorvanelFonts::atHeight ("Grotesk Text 55", 13.0f));
        g.drawText ("Inf", 0, a - m + 1, getWidth(), m, juce::Justification::centred, true);
    }
}

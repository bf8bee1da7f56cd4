// Drawing of the knob family, the fade slider and the linear sliders.

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/widgets/sliders/VerticalSlider.h"

namespace
{
constexpr float pi = juce::MathConstants<float>::pi;
constexpr float ringStart = -0.8f * pi;      // -2.5132742
constexpr float ringEnd = 2.4958208f;         // 0.8 pi less one degree
constexpr float bipolarSweep = 5.0090952f;    // 1.6 pi less one degree
const juce::Colour pressedRing (0xFF666666);
const juce::Colour white (0xFFF0F0F0);

bool enabledWithParent (juce::Component& c)
{
    auto* parent = c.getParentComponent();
    return c.isEnabled() && (parent == nullptr || parent->isEnabled());
}

float highlight (float level)
{
    return juce::jlimit (0.0f, 1.0f, level);
}

// The shared geometry of the knob drawing.
struct KnobGeometry
{
    explicit KnobGeometry (BaseKnob& knob)
    {
        const int w = knob.getWidth();
        const int h = knob.getHeight();
        s = juce::jmax (0, juce::jmin (h, 41) - 1);
        const float m = (float) juce::jmin (w, s);
        r = knob.isCompact() ? m / 2.0f - 3.0f : m / 2.0f - 6.5f;
        line = knob.isCompact() ? 4.0f : 6.85f;
        r0 = r - 2.0f;
        ringRadius = r0 + line;
        centre = { (float) w / 2.0f, (float) s / 2.0f + 1.0f };
        lo = knob.getMinimum();
        hi = knob.getMaximum();
        value = knob.getValue();
    }

    float angle (double v) const
    {
        return hi > lo ? (float) ((v - lo) / (hi - lo)) * 1.6f * pi - 0.8f * pi : ringStart;
    }

    int s = 0;
    float r = 0, line = 0, r0 = 0, ringRadius = 0;
    juce::Point<float> centre;
    double lo = 0, hi = 1, value = 0;
};

void strokeArc (juce::Graphics& g, juce::Point<float> c, float radius, float from, float to, const juce::PathStrokeType& stroke)
{
    juce::Path arc;
    arc.addCentredArc (c.x, c.y, radius, radius, 0.0f, from, to, true);
    g.strokePath (arc, stroke);
}
} // namespace

void LookAndFeelCorvanel::drawKnobBody (juce::Graphics& g, BaseKnob& knob, bool, bool isMouseButtonDown)
{
    const KnobGeometry k (knob);
    juce::Colour colour;
    if (! enabledWithParent (knob))
        colour = knob.findColour (CorvanelColourIds::knobDisabledRing);
    else
        colour = (isMouseButtonDown ? pressedRing : getHueColours (knob.hue).dark)
                     .interpolatedWith (pressedRing, highlight (knob.highlightLevel));

    juce::Graphics::ScopedSaveState state (g);
    g.setColour (colour);
    strokeArc (g, k.centre, k.ringRadius, ringStart, ringEnd,
               juce::PathStrokeType (2.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
}

static void drawValueArc (juce::Graphics& g, BaseKnob& knob, LookAndFeelCorvanel& laf, bool isMouseButtonDown, bool bipolar)
{
    const KnobGeometry k (knob);
    const auto c = (isMouseButtonDown ? white : laf.getHueColours (knob.hue).bright)
                       .interpolatedWith (white, highlight (knob.highlightLevel));
    g.setColour (c);
    g.drawEllipse (k.centre.x - k.r0, k.centre.y - k.r0, 2.0f * k.r0, 2.0f * k.r0, 2.0f);

    float valueAngle, pointerAngle;
    juce::Point<float> dotCentre = k.centre;
    if (bipolar)
    {
        valueAngle = k.hi > k.lo ? (float) ((k.value - k.lo) / (k.hi - k.lo)) * bipolarSweep - 0.8f * pi : ringStart;
        pointerAngle = k.value <= 0.0 ? juce::jlimit (ringStart, 0.0f, valueAngle) : juce::jlimit (0.0f, ringEnd, valueAngle);
        dotCentre = { (float) (knob.getWidth() / 2), (float) (k.s / 2 + 1) };
    }
    else
    {
        valueAngle = k.angle (k.value);
        pointerAngle = juce::jmax (valueAngle, ringStart);
    }

    const auto tip = k.centre.getPointOnCircumference (k.r0, pointerAngle);
    g.drawLine ({ k.centre, tip }, 2.0f);

    juce::Graphics::ScopedSaveState state (g);
    g.addTransform (juce::AffineTransform::translation (0.0f, -k.ringRadius - 1.0f)
                        .rotated (valueAngle)
                        .translated (dotCentre));
    g.setColour (knob.findColour (CorvanelColourIds::knobBackground));
    g.drawEllipse (-2.0f, -2.0f, 4.0f, 4.0f, 4.0f);
    g.setColour (c);
    g.drawEllipse (-1.0f, 0.0f, 2.0f, 2.0f, 2.0f);
}

void LookAndFeelCorvanel::drawUnipolarValueArc (juce::Graphics& g, BaseKnob& knob, bool, bool isMouseButtonDown)
{
    drawValueArc (g, knob, *this, isMouseButtonDown, false);
}

void LookAndFeelCorvanel::drawBipolarValueArc (juce::Graphics& g, BaseKnob& knob, bool, bool isMouseButtonDown)
{
    drawValueArc (g, knob, *this, isMouseButtonDown, true);
}

void LookAndFeelCorvanel::drawModulationAmountArc (juce::Graphics& g, BaseKnob& knob, bool)
{
    const float amount = knob.modulationAmount;
    if (amount <= 0.001f)
        return;

    const KnobGeometry k (knob);
    const int s2 = juce::jmin (knob.getHeight(), 44);
    const float radius = (float) juce::jmin (s2, knob.getWidth()) / 2.0f - (knob.isCompact() ? 3.0f : 6.5f) - 2.0f;
    const juce::Point<float> c ((float) (knob.getWidth() / 2), (float) (s2 / 2));
    const float a = k.angle (k.value);

    juce::Graphics::ScopedSaveState state (g);
    g.setColour (getHueColours (knob.hue).bright.withAlpha ((juce::uint8) 0x80));
    strokeArc (g, c, radius, juce::jmin (a + amount * 1.6f * pi, 0.8f * pi), juce::jmax (a - amount * 1.6f * pi, ringStart),
               juce::PathStrokeType (4.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt));
}

void LookAndFeelCorvanel::drawModulationRangeArc (juce::Graphics& g, BaseKnob& knob, bool)
{
    const float low = knob.modulationRangeLow;
    const float high = knob.modulationRangeHigh;
    if (low == high)
        return;

    const KnobGeometry k (knob);
    const juce::Point<float> c ((float) (knob.getWidth() / 2), (float) (k.s / 2 + 1));
    const float a = k.angle (juce::jlimit (k.lo, k.hi, k.value));
    const float from = juce::jlimit (ringStart, 0.8f * pi, low * 1.6f * pi + a);
    const float to = juce::jlimit (ringStart, 0.8f * pi, high * 1.6f * pi + a);

    juce::Graphics::ScopedSaveState state (g);
    g.setColour (getHueColours (knob.hue).bright.withAlpha ((juce::uint8) 0x80));
    strokeArc (g, c, k.ringRadius, from, to,
               juce::PathStrokeType (knob.isCompact() ? 3.0f : 4.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt));
}

void LookAndFeelCorvanel::drawFadeSlider (juce::Graphics& g, FadeSlider& slider, bool, bool isMouseButtonDown)
{
    juce::Graphics::ScopedSaveState state (g);
    const auto& hueColours = getHueColours (slider.hue);
    const float level = highlight (slider.highlightLevel);
    auto b = (isMouseButtonDown ? white : hueColours.bright).interpolatedWith (white, level);
    const auto grey = hueColours.dark.withSaturation (0.0f);
    auto d = (isMouseButtonDown ? grey : hueColours.dark).interpolatedWith (grey, level);
    if (! enabledWithParent (slider))
        b = d = juce::Colours::transparentBlack;

    const int h = slider.getHeight();
    const int m = juce::jmin (h, 35);
    const int y0 = h - m + (juce::jmax (m - 5, 0) - 26) / 2;
    const int x0 = (slider.getWidth() - 67) / 2;

    g.setColour (getCorvanelColourScheme().getUIColour (juce::LookAndFeel_V4::ColourScheme::widgetBackground));
    g.fillRect (x0 - 2, y0 - 2, 71, 30);

    g.setColour (d);
    for (int i = 0; i < 32; ++i)
        g.fillRect (x0 + 2 + 2 * i, y0 + 2, 1, 22);
    g.setColour (b);
}

void LookAndFeelCorvanel::drawLinearSlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPos,
                                            float minSliderPos, float maxSliderPos, juce::Slider::SliderStyle style,
                                            juce::Slider& slider)
{
    int hue = HasHue::defaultHue;
    float level = 0.0f;
    if (auto* hasHue = dynamic_cast<HasHue*> (&slider))
        hue = hasHue->hue;
    if (auto* extended = dynamic_cast<VerticalSlider::ExtendedSlider*> (&slider))
        level = highlight (extended->highlightLevel);

    const auto& hueColours = getHueColours (hue);
    const bool pressed = slider.isMouseButtonDown();
    const bool over = slider.isMouseOverOrDragging();
    const auto fx = (float) x, fy = (float) y, fw = (float) width, fh = (float) height;

    if (style == juce::Slider::LinearBar)
    {
        const auto bar = juce::Rectangle<float> (fx, fy, sliderPos - fx, fh);
        g.setColour (slider.findColour (juce::Slider::thumbColourId));
        g.fillRect (bar);
        const auto outline = slider.findColour (juce::Slider::backgroundColourId);
        g.setColour (outline.withMultipliedAlpha (0.5f));
        g.drawRect (bar, 1.0f);
        return;
    }

    const bool horizontal = style == juce::Slider::LinearHorizontal || style == juce::Slider::LinearBar
                            || style == juce::Slider::TwoValueHorizontal || style == juce::Slider::ThreeValueHorizontal;
    if (horizontal)
    {
        g.setColour (slider.findColour (juce::Slider::rotarySliderFillColourId));
        g.fillRect (fx, fy + std::round (fh / 2.0f) - 4.0f, fw, 8.0f);
    }
    else
    {
        g.setColour ((pressed ? pressedRing : hueColours.dark).interpolatedWith (pressedRing, level));
        g.fillRect (fx + std::round (fw / 2.0f) - 4.0f, fy - 1.0f, 8.0f, fh + 3.0f);
    }

    const bool twoOrThree = style == juce::Slider::TwoValueHorizontal || style == juce::Slider::TwoValueVertical
                            || style == juce::Slider::ThreeValueHorizontal || style == juce::Slider::ThreeValueVertical;
    if (twoOrThree)
    {
        const bool enabled = slider.isEnabled();
        const auto fill = slider.findColour (juce::Slider::thumbColourId).withMultipliedAlpha (! enabled ? 0.35f : (over ? 1.0f : 0.7f));
        const auto edge = slider.findColour (juce::Slider::backgroundColourId).withMultipliedAlpha (! enabled ? 0.35f : 0.7f);
        juce::Path p;
        if (horizontal)
        {
            const float t = juce::jmin (0.3f * fh, 4.0f), y1 = fy + 0.6f * fh, y2 = fy + 0.9f * fh;
            p.addTriangle (minSliderPos, y1 - t, minSliderPos - 7.0f, y2, minSliderPos, y2);
            p.addTriangle (maxSliderPos, y1 - t, maxSliderPos, y2, maxSliderPos + 7.0f, y2);
        }
        else
        {
            const float cx = fx + fw * 0.5f, a = juce::jmin (0.4f * fw, 8.0f), bb = juce::jmin (0.3f * fw, 4.0f);
            p.addTriangle (cx + bb, minSliderPos, cx - a, minSliderPos - 7.0f, cx - a, minSliderPos);
            p.addTriangle (cx + bb, maxSliderPos, cx - a, maxSliderPos, cx - a, maxSliderPos + 7.0f);
        }
        g.setColour (fill);
        g.fillPath (p);
        g.setColour (edge);
        g.strokePath (p, juce::PathStrokeType (1.0f));
    }

    const auto valueColour = (pressed ? white : hueColours.bright).interpolatedWith (white, level);
    if (style == juce::Slider::LinearHorizontal || style == juce::Slider::ThreeValueHorizontal)
    {
        const float cy = fy + std::round (fh / 2.0f);
        g.setColour (valueColour);
        g.fillRect (fx, cy - 4.0f, std::round (sliderPos) - 6.0f, 8.0f);
        g.setColour (white);
        g.fillRect (juce::Rectangle<float> ({ sliderPos - 1.0f, cy - 4.0f }, { sliderPos + 3.0f, cy + 4.0f }));
    }
    else if (style == juce::Slider::LinearVertical || style == juce::Slider::ThreeValueVertical)
    {
        const float cx = fx + std::round (fw / 2.0f);
        g.setColour (valueColour);
        g.fillRect (juce::Rectangle<float> ({ cx - 4.0f, fy + fh + 3.0f }, { cx + 4.0f, sliderPos }));
        g.setColour (white);
        g.fillRect (juce::Rectangle<float> ({ cx - 4.0f, sliderPos - 1.0f }, { cx + 4.0f, sliderPos + 3.0f }));
    }
}

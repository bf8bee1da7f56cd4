#include "ui/widgets/knobs/FadeSlider.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/HuePalette.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

namespace
{
constexpr int fadeLabelText = 0x20B1012;
constexpr float maxPointerTurn = 2.5132742f;
}

FadeSlider::FadeSlider (juce::String name)
    : BaseKnob (name)
{
    setRange (-64.0, 63.0, 1.0);
    setLabelColours();
    valueLabel->setBorderSize ({ 0, 0, 0, 0 });
    valueLabel->setFont (CorvanelFonts::atPoints ("Grotesk Text 55", 10.0f));
    valueLabel->setJustificationType (juce::Justification::centred);
    valueLabel->setEditable (false, true, false);
    fadeShape = makeFadeShape (0.0);
}

void FadeSlider::setLabelColours()
{
    const auto text = findColour (fadeLabelText);
    valueLabel->setColour (CorvanelColourIds::sneakyLabelText, text);
    valueLabel->setColour (juce::Label::textColourId, text);
    valueLabel->setColour (juce::Label::textWhenEditingColourId, text);
}

void FadeSlider::lookAndFeelChanged()
{
    juce::Slider::lookAndFeelChanged();
    setLabelColours();
}

juce::Path FadeSlider::makeFadeShape (double value) const
{
    const float v = static_cast<float> (juce::jlimit (-64.0, 63.0, value));
    juce::Path p;
    if (v < 0.0f)
    {
        p.startNewSubPath (0.0f, 18.0f);
        p.lineTo (-v / 64.0f * 30.0f, 9.0f);
        p.lineTo (30.0f, 9.0f);
    }
    else
    {
        p.startNewSubPath (0.0f, 9.0f);
        p.lineTo (15.0f, 9.0f);
        if (v <= 32.0f)
            p.lineTo (30.0f, 9.0f + v / 32.0f * 9.0f);
        else
            p.lineTo (30.0f - (v - 32.0f) / 31.0f * 15.0f, 18.0f);
    }

    const int h = juce::jmin (getHeight(), isCompact() ? 70 : 100);
    p.applyTransform (juce::AffineTransform::translation ((float) ((getWidth() - 30) / 2), (float) ((h - 18) / 2 - 2)));
    return p.createPathWithRoundedCorners (2.0f);
}

void FadeSlider::resized()
{
    BaseKnob::resized();
    const int m = juce::jmin (getHeight(), 80);
    valueLabel->setBounds ((getWidth() - 26) / 2, m >= 16 ? m - 16 : (m - 16) / 2, 26, 16);
}

void FadeSlider::paint (juce::Graphics& g)
{
    fadeShape = makeFadeShape (getValue());
    g.fillAll (juce::Colour (0xFF1E1E1E));
    setLabelColours();

    auto* methods = dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel());
    if (methods == nullptr)
        return;
    const bool down = isMouseButtonDown (false);
    methods->drawFadeSlider (g, *this, isMouseOver (false), down);

    auto* laf = findLookAndFeelCorvanel (*this);
    if (laf == nullptr)
        return;

    auto* parent = getParentComponent();
    const bool enabled = isEnabled() && (parent == nullptr || parent->isEnabled());
    // Disabled, the drawing above leaves a transparent colour: nothing shows.
    juce::Colour pointer;
    if (enabled)
    {
        const auto base = down ? juce::Colour (0xFFF0F0F0) : HuePalette::shades (hue).bright;
        pointer = base.interpolatedWith (juce::Colour (0xFFF0F0F0), juce::jlimit (0.0f, 1.0f, highlightLevel));
    }
    g.setColour (pointer);

    {
        juce::Graphics::ScopedSaveState state (g);
        g.addTransform (juce::AffineTransform::translation (0.0f, -6.0f));
        g.strokePath (fadeShape, juce::PathStrokeType (2.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt));
    }

    juce::Graphics::ScopedSaveState state (g);
    const float d = (float) juce::jmax (0, juce::jmin (getHeight(), 41) - 1);
    const float r = juce::jmin (d, (float) getWidth()) * 0.5f;
    const float s = isCompact() ? r - 1.0f : r - 1.65f;
    const double span = getMaximum() - getMinimum();
    const float angle = span > 0.0 ? (float) ((getValue() - getMinimum()) / span) * 5.0265484f - maxPointerTurn : -maxPointerTurn;
    g.addTransform (juce::AffineTransform::translation (0.0f, -s - 1.0f)
                        .rotated (angle)
                        .translated ((float) getWidth() * 0.5f, d * 0.5f + 1.0f));
    g.setColour (findColour (CorvanelColourIds::knobBackground));
    g.drawEllipse (-2.0f, -2.0f, 4.0f, 4.0f, 4.0f);
    g.setColour (pointer);
    g.drawEllipse (-1.0f, 0.0f, 2.0f, 2.0f, 2.0f);
}

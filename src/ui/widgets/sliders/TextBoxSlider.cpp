#include "ui/widgets/sliders/TextBoxSlider.h"

#include "ui/lookandfeel/HuePalette.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/widgets/FormatHighResValue256.h"

TextBoxSlider::TextBoxSlider (IconFunction iconFunctionToUse)
    : juce::Slider (juce::Slider::RotaryHorizontalVerticalDrag, juce::Slider::NoTextBox),
      iconFunction (std::move (iconFunctionToUse))
{
    setRange (0.0, 127.0, 1.0);
    setScrollWheelEnabled (false);
    setOpaque (true);
}

void TextBoxSlider::setDisabledText (juce::String text)
{
    disabledText = std::move (text);
    repaint();
}

juce::String TextBoxSlider::getDisplayText()
{
    auto text = getTextFromValue (getValue());
    if (getMinimum() < 0.0 && getValue() >= 0.0)
        text = "+" + text;
    return text;
}

void TextBoxSlider::paint (juce::Graphics& g)
{
    auto* laf = findLookAndFeelCorvanel (*this);
    if (laf == nullptr)
        return;
    const auto& shades = HuePalette::shades (hue);
    g.fillAll (shades.darkest);

    const int b = getBoxWidth();
    const float x = (float) ((getWidth() - b) / 2);
    const float y = (float) ((getHeight() - 12) / 2);

    g.setColour (shades.dark);
    g.drawLine (x - 0.5f, y, x + 3.0f, y, 1.0f);
    g.drawLine (x, y, x, y + 12.0f, 1.0f);
    g.drawLine (x - 0.5f, y + 12.0f, x + 3.0f, y + 12.0f, 1.0f);
    g.drawLine (x + (float) b + 0.5f, y, x + (float) b - 3.0f, y, 1.0f);
    g.drawLine (x + (float) b, y, x + (float) b, y + 12.0f, 1.0f);
    g.drawLine (x + (float) b + 0.5f, y + 12.0f, x + (float) b - 3.0f, y + 12.0f, 1.0f);

    auto* parent = getParentComponent();
    const bool enabled = isEnabled() && (parent == nullptr || parent->isEnabled());
    g.setColour (enabled ? shades.bright : shades.dark);

    if (! enabled && disabledText.isNotEmpty())
    {
        g.drawText (disabledText, getLocalBounds(), juce::Justification::centred, true);
        return;
    }

    const auto text = getDisplayText();
    if (iconFunction == nullptr)
    {
        g.drawText (text, getLocalBounds(), juce::Justification::centred, true);
        return;
    }

    const float w = g.getCurrentFont().getStringWidthFloat (text) + 6.0f;
    const float iconW = juce::jmin (w, 6.0f);
    auto icon = iconFunction (getValue());
    if (! icon.isEmpty())
    {
        const juce::Rectangle<float> iconBox (((float) b - w) / 2.0f + x - 1.0f + (iconW - 6.0f) / 2.0f, y + 3.0f, 6.0f, 6.0f);
        g.fillPath (icon, icon.getTransformToScaleToFit (iconBox, true));
    }
    g.drawText (text, juce::Rectangle<float> (((float) b - w) / 2.0f + x + 1.0f + iconW, y, w - iconW, 12.0f),
                juce::Justification::centred, true);
}

HighResultionTextBoxSlider::HighResultionTextBoxSlider()
{
    setRange (0.0, 32512.0, 1.0);
}

juce::String HighResultionTextBoxSlider::getTextFromValue (double value)
{
    return formatHighResValue256 (static_cast<int> (value));
}

//==============================================================================
ModulationSlider::ModulationSlider()
{
    setOpaque (true);
}

void ModulationSlider::setValue (double newValue)
{
    if (newValue == value)
        return;
    value = newValue;
    repaint();
}

void ModulationSlider::setRange (double newMinimum, double newMaximum)
{
    maximum = newMaximum;
    minimum = juce::jmin (newMinimum, newMaximum);
    repaint();
}

void ModulationSlider::paint (juce::Graphics& g)
{
    auto* laf = findLookAndFeelCorvanel (*this);
    if (laf == nullptr)
        return;
    const auto& shades = HuePalette::shades (hue);
    g.fillAll (shades.darkest);

    const float w = (float) getWidth();
    const float cy = (float) getHeight() / 2.0f;
    juce::Path line;
    line.startNewSubPath (2.0f, cy);
    line.lineTo (w - 2.0f, cy);
    g.setColour (shades.dark);
    g.strokePath (line, juce::PathStrokeType (2.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));

    const double span = maximum - minimum;
    const float proportion = span > 0.0 ? (float) ((value - minimum) / span) : 0.0f;
    const float x = juce::jlimit (2.0f, juce::jmax (2.0f, w - 2.0f), proportion * (w - 4.0f) + 2.0f);
    g.setColour (dotColour);
    g.fillEllipse (x - 4.0f, cy - 4.0f, 8.0f, 8.0f);
    g.setColour (shades.dark);
    g.fillEllipse (x - 2.0f, cy - 2.0f, 4.0f, 4.0f);
}

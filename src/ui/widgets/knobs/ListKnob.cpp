#include "ui/widgets/knobs/ListKnob.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

ListKnob::ListKnob (juce::String name, int maxIndex, TextFunction textFunctionToUse, IconFunction iconFunctionToUse)
    : UnidirectionalKnob (name),
      textFunction (std::move (textFunctionToUse)),
      iconFunction (std::move (iconFunctionToUse)),
      font (CorvanelFonts::atPoints ("Grotesk Text 55", 10.0f))
{
    jassert (textFunction != nullptr);
    setRange (0.0, static_cast<double> (juce::jmax (0, maxIndex)), 1.0);
    hideValueLabel();
}

void ListKnob::setCompact (int shouldBeCompact)
{
    BaseKnob::setCompact (shouldBeCompact);
    font = font.withPointHeight (valueLabel->getFont().getHeightInPoints());
}

juce::String ListKnob::getShownText() const
{
    return textFunction != nullptr ? textFunction (getValue()) : juce::String();
}

void ListKnob::paint (juce::Graphics& g)
{
    drawKnob (g);
    g.setOrigin (0, 0);
    if (! isEnabled())
        return;

    const auto text = getShownText();
    const auto b = getValueLabelBounds();
    const int w = static_cast<int> (std::ceil (font.getStringWidthFloat (text)));
    const int x = b.getX() + (juce::jmax (0, b.getWidth()) - w) / 2;

    juce::Graphics::ScopedSaveState state (g);
    if (findLookAndFeelCorvanel (*this) != nullptr)
        g.setColour (findColour (juce::Label::textColourId));

    auto textBox = juce::Rectangle<int> (x, b.getY(), w, b.getHeight());
    if (iconFunction != nullptr)
    {
        textBox = textBox.translated (5, 0);
        auto icon = iconFunction (getValue());
        if (! icon.isEmpty())
        {
            const auto iconBox = juce::Rectangle<float> ((float) x - 5.0f, (float) b.getY(), 6.0f, (float) b.getHeight());
            g.fillPath (icon, icon.getTransformToScaleToFit (iconBox, true));
        }
    }
    g.setFont (font);
    g.drawText (text, textBox, juce::Justification::centred, true);
}

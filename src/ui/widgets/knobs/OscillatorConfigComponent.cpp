#include "ui/widgets/knobs/OscillatorConfigComponent.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/HuePalette.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

OscillatorConfigComponent::OscillatorConfigComponent()
    : UnidirectionalKnob (juce::String())
{
}

OscillatorConfigComponent::Picture OscillatorConfigComponent::pictureFor (int v)
{
    static const juce::StringArray modes { "+", "R", "F", "FR" };
    static const juce::StringArray rightGlyphs { "X", ";", "Z", ":", "W" };

    Picture p;
    p.mode = (v >= 0 && v <= 79) ? modes[v / 20] : juce::String ("Error");
    const int inGroup = ((v % 20) + 20) % 20;
    p.leftGlyph = inGroup >= 10 ? ":" : "X";
    p.rightGlyph = rightGlyphs[(((v / 2) % 5) + 5) % 5];
    p.underline = (v % 2) == 0;
    return p;
}

void OscillatorConfigComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF1E1E1E));
    if (findLookAndFeelCorvanel (*this) != nullptr)
        g.setColour (HuePalette::shades (hue).bright);

    const auto p = pictureFor (static_cast<int> (getValue()));
    const int w = getWidth();
    const int h = getHeight();

    g.setFont (CorvanelFonts::atPoints ("Grotesk Text 55", 14.0f));
    g.drawText (p.mode, getLocalBounds(), juce::Justification::centred, true);

    g.setFont (getFontCorvanel (15.0f));
    const int y = (h - 16) / 2 - 17;
    g.drawText (p.leftGlyph, (w - 16) / 2 - 10, y, 16, 16, juce::Justification::centred, false);
    g.drawText (p.rightGlyph, (w - 16) / 2 + 10, y, 16, 16, juce::Justification::centred, false);

    if (p.underline)
        g.fillRect ((w - 12) / 2, (h - 12) / 2 + 13, 12, 1);
}

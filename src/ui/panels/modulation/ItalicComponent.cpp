#include "ui/panels/modulation/ItalicComponent.h"

#include "ui/lookandfeel/CorvanelFonts.h"

ItalicComponent::ItalicComponent (bool current)
    : juce::PopupMenu::CustomComponent (true), isCurrent (current)
{
}

ItalicComponent::~ItalicComponent() = default;

juce::Font ItalicComponent::getTextFont() const
{
    return CorvanelFonts::atPoints (isCurrent ? CorvanelFonts::text75 : CorvanelFonts::text56, 10.0f);
}

void ItalicComponent::paint (juce::Graphics& g)
{
    if (isItemHighlighted())
        g.fillAll (juce::Colour (highlightColour));

    g.setColour (juce::Colour (isCurrent ? currentColour : otherColour));
    g.setFont (getTextFont());
    g.drawText ("None", juce::Rectangle<int> (8, 0, juce::jmax (0, getWidth() - 16), getHeight()),
                juce::Justification::centredLeft, true);
}

void ItalicComponent::getIdealSize (int& idealWidth, int& idealHeight)
{
    idealWidth = 20;
    idealHeight = 21;
}

#include "ui/widgets/TextBox.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

TextBox::TextBox()
    : juce::TextEditor ({}, 0)
{
    auto* lf = findLookAndFeelCorvanel (*this);
    if (lf == nullptr)
        return;

    using UI = juce::LookAndFeel_V4::ColourScheme::UIColour;
    const auto& scheme = lf->getCorvanelColourScheme();

    setColour (juce::TextEditor::backgroundColourId, scheme.getUIColour (UI::widgetBackground));
    setColour (juce::TextEditor::focusedOutlineColourId, scheme.getUIColour (UI::outline));
    setColour (juce::TextEditor::highlightColourId, scheme.getUIColour (UI::highlightedFill));
    setColour (juce::TextEditor::highlightedTextColourId, scheme.getUIColour (UI::highlightedText));
    setColour (juce::TextEditor::outlineColourId, scheme.getUIColour (UI::outline));
    setColour (juce::TextEditor::shadowColourId, scheme.getUIColour (UI::windowBackground));
    setColour (juce::TextEditor::textColourId, juce::Colours::white);
    setFont (CorvanelFonts::atHeight (CorvanelFonts::text55, 18.0f));
}

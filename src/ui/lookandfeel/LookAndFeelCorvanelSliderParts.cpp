// The parts the look and feel makes for the framework's sliders: the
// increment and decrement buttons and the value text box.
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/widgets/FontButton.h"
#include "ui/widgets/Labels.h"

juce::Button* LookAndFeelCorvanel::createSliderButton (juce::Slider&, bool isIncrement)
{
    // FontAwesome's chevron up and chevron down.
    const auto glyph = static_cast<juce::juce_wchar> (isIncrement ? 0xF077 : 0xF078);
    auto* button = new FontButton (juce::String::charToString (glyph),
                                   [] (int size) { return getFontAwesome (static_cast<float> (size)); });
    button->margin = 0;
    return button;
}

juce::Label* LookAndFeelCorvanel::createSliderTextBox (juce::Slider&)
{
    auto* label = new SmallLabel();
    label->setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, standardTextSize));
    label->setJustificationType (juce::Justification::centred);
    // Edited by a double click only; leaving the editor without Return
    // discards the edit.
    label->setEditable (false, true, true);
    return label;
}

// Drawing of the framework's combo box and of the program's own one.
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"
#include "ui/widgets/Labels.h"

namespace
{
// Fill, outline and arrow glyph shared by both boxes; the colour ids are the
// framework combo box's, looked up on the box being drawn.
void drawComboFrame (juce::Graphics& g, juce::Component& box, int width, int height, bool isButtonDown, bool popupOpen)
{
    g.fillAll (box.findColour (juce::ComboBox::backgroundColourId));

    auto outline = box.findColour (juce::ComboBox::buttonColourId);
    if (isButtonDown)
        outline = outline.withBrightness (juce::jmin (1.0f, outline.getBrightness() * 1.1f));
    g.setColour (outline);
    g.drawRect (0, 0, width, height, 1);

    auto arrow = box.findColour (juce::ComboBox::arrowColourId);
    const bool disabled = ! box.isEnabled() || (box.getParentComponent() != nullptr && ! box.getParentComponent()->isEnabled());
    if (disabled)
        arrow = arrow.withMultipliedAlpha (0.3f);
    g.setColour (arrow);
    g.setFont (getFontAwesome (12.0f));
    const int arrowWidth = juce::jmin (width, 26);
    g.drawText (juce::String::charToString (static_cast<juce::juce_wchar> (popupOpen ? 0xF106 : 0xF107)),
                width - arrowWidth, 0, arrowWidth, height, juce::Justification::centred, false);
}
} // namespace

void LookAndFeelCorvanel::drawComboBox (juce::Graphics& g, int width, int height, bool isButtonDown, int, int, int, int,
                                        juce::ComboBox& box)
{
    drawComboFrame (g, box, width, height, isButtonDown, box.isPopupActive());
}

void LookAndFeelCorvanel::positionComboBoxText (juce::ComboBox& box, juce::Label& label)
{
    label.setBounds (0, 0, box.getWidth(), box.getHeight());
    const int border = box.getHeight() > 17 ? 7 : 4;
    label.setBorderSize (juce::BorderSize<int> (border));
    label.setFont (CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f));
    label.setJustificationType (juce::Justification::centredLeft);
}

void LookAndFeelCorvanel::drawCustomComboBox (juce::Graphics& g, int width, int height, bool isButtonDown, int, int, int,
                                              int, juce::CustomComboBox& box)
{
    drawComboFrame (g, box, width, height, isButtonDown, box.isPopupActive());
}

juce::Font LookAndFeelCorvanel::getCustomComboBoxFont (juce::CustomComboBox&)
{
    return CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f);
}

juce::Label* LookAndFeelCorvanel::createCustomComboBoxTextBox (juce::CustomComboBox&)
{
    auto* label = new SmallLabel();
    label->setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f));
    return label;
}

void LookAndFeelCorvanel::positionCustomComboBoxText (juce::CustomComboBox& box, juce::Label& label)
{
    label.setBounds (0, 0, box.getWidth() - 22, box.getHeight());
    if (box.getHeight() > 17)
        label.setBorderSize (juce::BorderSize<int> (0, 8, 0, 1));
    else
        label.setBorderSize (juce::BorderSize<int> (4));
    label.setFont (CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f));
    label.setJustificationType (juce::Justification::centredLeft);
}

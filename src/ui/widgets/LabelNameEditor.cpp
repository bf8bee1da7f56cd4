#include "ui/widgets/LabelNameEditor.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

namespace
{
const juce::BorderSize<int> nameBorder (7, 4, 0, 0);
}

LabelNameEditor::LabelNameEditor()
    : juce::Label ("Edit", {})
{
    using namespace CorvanelColourIds;
    setColour (juce::Label::backgroundWhenEditingColourId, findColour (nameEditorBackgroundWhenEditing));
    setColour (juce::Label::textWhenEditingColourId, findColour (nameEditorTextWhenEditing));
    setEditable (true, false, false);
    setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f));
    setJustificationType (juce::Justification::topLeft);
    setBorderSize (nameBorder);
    setOpaque (true);
}

void LabelNameEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF1E1E1E));

    auto* lf = findLookAndFeelCorvanel (*this);
    if (lf == nullptr)
        return;

    using UI = juce::LookAndFeel_V4::ColourScheme::UIColour;
    setColour (juce::Label::outlineColourId, lf->getCorvanelColourScheme().getUIColour (UI::outline));

    using namespace CorvanelColourIds;
    lf->drawPlainLabel (g, *this, findColour (nameEditorBackground), findColour (nameEditorText));
}

void LabelNameEditor::editorShown (juce::TextEditor* editor)
{
    if (editor == nullptr)
        return;

    editor->setBorder (nameBorder);
    editor->resized();
    editor->setInputFilter (&inputFilter, false);
}

#include "ui/widgets/Labels.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

namespace
{
// Labels start with the main display's area; every owner lays them out.
void setInitialBounds (juce::Component& component)
{
    if (const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
        component.setBounds (display->userArea);
}
} // namespace

SmallLabel::SmallLabel (juce::String text)
{
    setText (text, juce::dontSendNotification);
    setFont (CorvanelFonts::atPoints (CorvanelFonts::text55, 10.0f));
    setMinimumHorizontalScale (1.0f);
    setBorderSize (juce::BorderSize<int> (0));
    setInitialBounds (*this);
}

void SmallLabel::paint (juce::Graphics& g)
{
    if (auto* lf = findLookAndFeelCorvanel (*this))
        lf->drawPlainLabel (g, *this, findColour (CorvanelColourIds::smallLabelBackground),
                            findColour (CorvanelColourIds::smallLabelText));
}

//==============================================================================
PanelHeadingLabel::PanelHeadingLabel (juce::String text)
    : juce::Label ("Heading", text)
{
    setFont (CorvanelFonts::atPoints (CorvanelFonts::text65, 10.0f));
}

juce::Rectangle<int> PanelHeadingLabel::getTextArea() const
{
    const auto border = getBorderSize();
    const auto dx = border.getLeft() + border.getRight();
    const auto dy = border.getTop() + border.getBottom();
    return { dx, dy, getWidth() - 2 * dx, getHeight() - 2 * dy };
}

void PanelHeadingLabel::paint (juce::Graphics& g)
{
    using namespace CorvanelColourIds;
    g.fillAll (findColour (panelHeadingBackground));

    if (! isBeingEdited())
    {
        const auto alpha = isEnabled() ? 1.0f : 0.5f;
        const auto font = getFont();
        const auto maxLines = juce::jmax (1, static_cast<int> (static_cast<float> (getHeight()) / font.getHeight()));

        g.setColour (findColour (panelHeadingText).withMultipliedAlpha (alpha));
        g.setFont (font);
        g.drawFittedText (getText(), getTextArea(), getJustificationType(), maxLines, getMinimumHorizontalScale());

        g.setColour (findColour (juce::Label::outlineColourId).withMultipliedAlpha (alpha));
    }
    else if (isEnabled())
    {
        g.setColour (findColour (juce::Label::outlineColourId));
    }

    g.drawRect (getLocalBounds(), 1);
}

//==============================================================================
LargeLabel::LargeLabel (juce::String text)
{
    setText (text, juce::dontSendNotification);
    setMinimumHorizontalScale (1.0f);
    setBorderSize (juce::BorderSize<int> (0));
    setInitialBounds (*this);
    setJustificationType (juce::Justification::topLeft);
    setFont (CorvanelFonts::atPoints (CorvanelFonts::text65, 40.0f));
}

void LargeLabel::paint (juce::Graphics& g)
{
    if (auto* lf = findLookAndFeelCorvanel (*this))
        lf->drawPlainLabel (g, *this, juce::Colours::transparentBlack, findColour (CorvanelColourIds::largeLabelText));
}

//==============================================================================
SneakyLabel::SneakyLabel()
{
    setMinimumHorizontalScale (1.0f);
}

void SneakyLabel::mouseDown (const juce::MouseEvent& e)
{
    if (auto* parent = getParentComponent())
        parent->mouseDown (e);
}

void SneakyLabel::mouseDrag (const juce::MouseEvent& e)
{
    if (auto* parent = getParentComponent())
        parent->mouseDrag (e);
}

void SneakyLabel::mouseUp (const juce::MouseEvent& e)
{
    if (auto* parent = getParentComponent())
        parent->mouseUp (e);
}

void SneakyLabel::lookAndFeelChanged()
{
    // Keeps the font its owner gave it (the framework label would take the
    // look and feel's label font here).
}

void SneakyLabel::paint (juce::Graphics& g)
{
    if (auto* lf = findLookAndFeelCorvanel (*this))
        lf->drawPlainLabel (g, *this, juce::Colours::transparentBlack, findColour (CorvanelColourIds::sneakyLabelText));
}

void SneakyLabel::editorShown (juce::TextEditor* editor)
{
    if (editor != nullptr)
        editor->setPopupMenuEnabled (false);
}

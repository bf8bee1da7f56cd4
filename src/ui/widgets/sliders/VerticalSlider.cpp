#include "ui/widgets/sliders/VerticalSlider.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/knobs/LeadingInteger.h"

void VerticalSlider::ExtendedSlider::mouseDown (const juce::MouseEvent& e)
{
    if (! e.mods.isRightButtonDown())
        juce::Slider::mouseDown (e);
}

void VerticalSlider::ExtendedSlider::mouseDrag (const juce::MouseEvent& e)
{
    if (! e.mods.isRightButtonDown())
        juce::Slider::mouseDrag (e);
}

void VerticalSlider::ExtendedSlider::mouseUp (const juce::MouseEvent& e)
{
    if (! e.mods.isRightButtonDown() || getThumbBeingDragged() >= 0)
        juce::Slider::mouseUp (e);
}

void VerticalSlider::ExtendedSlider::setKnobValue (double value, juce::NotificationType notification)
{
    if (value != getValue())
        highlightLevel = 1.0f;
    setValue (value, notification);
}

VerticalSlider::VerticalSlider (juce::String nameToUse, ExtendedSlider* innerSlider)
    : name (nameToUse), caption (nameToUse), slider (innerSlider)
{
    jassert (slider != nullptr);
    addAndMakeVisible (*slider);
    addAndMakeVisible (caption);

    valueLabel.setName ("100");
    valueLabel.setMinimumHorizontalScale (1.0f);
    addAndMakeVisible (valueLabel);
    valueLabel.setEditable (true, true, true);
    valueLabel.setJustificationType (juce::Justification::centred);
    valueLabel.setFont (CorvanelFonts::atPoints ("Grotesk Text 55", 10.0f));
    valueLabel.addListener (this);

    slider->setSliderStyle (juce::Slider::LinearVertical);
    slider->setTextBoxStyle (juce::Slider::NoTextBox, false, 90, 22);
    slider->setRange (0.0, 127.0, 1.0);
    slider->setScrollWheelEnabled (false);
    slider->setPopupMenuEnabled (false);

    caption.setJustificationType (juce::Justification::centredTop);
    setOpaque (true);
}

VerticalSlider::VerticalSlider (juce::String nameToUse, int layoutValue, ExtendedSlider* innerSlider)
    : VerticalSlider (nameToUse, innerSlider)
{
    layout = layoutValue;
}

VerticalSlider::~VerticalSlider()
{
    valueLabel.removeListener (this);
}

void VerticalSlider::setValue (int value, juce::NotificationType notification)
{
    // The label's own notification would only come back to this slider.
    valueLabel.setText (juce::String (value), juce::dontSendNotification);
    if (slider->getThumbBeingDragged() < 0)
        slider->setKnobValue (value, notification);
}

void VerticalSlider::paint (juce::Graphics& g)
{
    g.fillAll (backgroundColour);
}

void VerticalSlider::resized()
{
    const int w = getWidth();
    const int h = getHeight();
    const int c = juce::jmin (h, 16);
    const int v = juce::jmax (0, juce::jmin (h - c, 24));
    caption.setBounds (0, 0, w, c);
    valueLabel.setBounds (0, h - v, w, v);
    slider->setBounds (4, c, juce::jmax (0, w - 8), juce::jmax (0, h - c - v));
}

void VerticalSlider::labelTextChanged (juce::Label* label)
{
    // The label keeps the typed number; the fader clamps it into its range.
    // Set without label notification so this handler is not entered again.
    const int n = parseLeadingInteger (label->getText());
    valueLabel.setText (juce::String (n), juce::dontSendNotification);
    if (slider->getThumbBeingDragged() < 0)
        slider->setKnobValue (n, juce::sendNotificationAsync);
}

void VerticalSlider::editorShown (juce::Label*, juce::TextEditor& editor)
{
    editor.setFont (CorvanelFonts::atPoints ("Grotesk Text 55", 10.0f));
    editor.setPopupMenuEnabled (false);
}

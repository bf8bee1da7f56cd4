#include "ui/widgets/knobs/BaseKnob.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/knobs/LeadingInteger.h"

BaseKnob::BaseKnob (juce::String name)
    : juce::Slider (juce::Slider::RotaryVerticalDrag, juce::Slider::NoTextBox)
{
    setName (name);
    juce::Slider::setScrollWheelEnabled (false);
    setRange (-128.0, 127.0, 1.0);

    valueLabel = std::make_unique<SneakyLabel>();
    setKnobValue (0.0, juce::dontSendNotification);
    setDoubleClickReturnValue (true, 0.0, juce::ModifierKeys::altModifier);

    valueLabel->setMinimumHorizontalScale (1.0f);
    valueLabel->setEditable (false, true, false);
    valueLabel->setJustificationType (juce::Justification::centredBottom);
    valueLabel->setFont (CorvanelFonts::atPoints ("Grotesk Text 55", 10.0f));
    valueLabel->setBorderSize ({ 0, 0, 0, 0 });
    addAndMakeVisible (*valueLabel);
    valueLabel->addListener (this);
    valueLabel->setText (valueText (getValue()), juce::dontSendNotification);

    setOpaque (true);
    setSize (100, 100);
    juce::Slider::addListener (this);
}

BaseKnob::~BaseKnob()
{
    juce::Slider::removeListener (this);
    valueLabel->removeListener (this);
}

juce::String BaseKnob::valueText (double value) const
{
    if (decimalPlaces <= 0)
        return juce::String (static_cast<juce::int64> (value));
    return juce::String (value, decimalPlaces);
}

void BaseKnob::setKnobValue (double value, juce::NotificationType notification)
{
    if (isBeingDragged())
        return;

    if (value != getValue())
        highlightLevel = 1.0f;

    value = juce::jlimit (getMinimum(), getMaximum(), value);
    setValue (value, notification);
    valueLabel->setText (valueText (value), juce::dontSendNotification);
    repaint();
}

void BaseKnob::addListener (Listener* listener)
{
    if (listener != nullptr)
        listeners.addIfNotAlreadyThere (listener);
}

void BaseKnob::removeListener (Listener* listener)
{
    listeners.removeFirstMatchingValue (listener);
}

void BaseKnob::notifyListeners (double value)
{
    // Last to first, re-reading the count, so a listener may remove itself.
    for (int i = listeners.size(); --i >= 0;)
    {
        if (i >= listeners.size())
            continue;
        listeners.getUnchecked (i)->knobValueChanged (this, value);
    }
}

void BaseKnob::setCompact (int shouldBeCompact)
{
    compact = shouldBeCompact;
    auto font = valueLabel->getFont();
    valueLabel->setFont (font.withPointHeight (10.0f).withExtraKerningFactor (-0.04f));
}

void BaseKnob::setLabelPosition (int position)
{
    labelPosition = position;
    valueLabel->setJustificationType (position == labelRight ? juce::Justification::centredLeft
                                                             : juce::Justification::centred);
}

int BaseKnob::valueBoxHeight() const
{
    return juce::jmin (getHeight(), compact != 0 ? 70 : 100);
}

juce::Rectangle<int> BaseKnob::getValueLabelBounds() const
{
    const int w = getWidth();
    const int h = valueBoxHeight();

    switch (labelPosition)
    {
        case labelBelow:
            return { (w - labelWidth) / 2, h >= labelHeight ? h - labelHeight : (h - labelHeight) / 2, labelWidth, labelHeight };
        case labelRight:
            return { w >= labelWidth ? w - labelWidth : (w - labelWidth) / 2, (h - labelHeight) / 2, labelWidth, labelHeight };
        case labelCentred:
            return { (w - labelWidth) / 2, (h - labelHeight) / 2, labelWidth, labelHeight };
        default:
            return {};
    }
}

void BaseKnob::hideValueLabel()
{
    valueLabelInUse = false;
    valueLabel->setVisible (false);
}

void BaseKnob::mouseDown (const juce::MouseEvent& e)
{
    if (e.mods.isRightButtonDown())
        return;
    juce::Slider::mouseDown (e);
}

void BaseKnob::mouseDrag (const juce::MouseEvent& e)
{
    // A right-button drag must not carry on a drag started earlier.
    if (e.mods.isRightButtonDown())
        return;
    juce::Slider::mouseDrag (e);
}

void BaseKnob::mouseUp (const juce::MouseEvent& e)
{
    if (e.mods.isRightButtonDown() && ! isBeingDragged())
        return;
    juce::Slider::mouseUp (e);
}

void BaseKnob::mouseDoubleClick (const juce::MouseEvent& e)
{
    if (e.mods.isRightButtonDown())
        return;
    juce::Slider::mouseDoubleClick (e);
}

void BaseKnob::lookAndFeelChanged()
{
    juce::Slider::lookAndFeelChanged();
    const auto text = findColour (CorvanelColourIds::knobValueText);
    valueLabel->setColour (juce::Label::textColourId, text);
    valueLabel->setColour (juce::Label::textWhenEditingColourId, text);
}

void BaseKnob::enablementChanged()
{
    juce::Slider::enablementChanged();
    auto* parent = getParentComponent();
    valueLabel->setVisible (isEnabled() && (parent == nullptr || parent->isEnabled()));
}

void BaseKnob::drawKnob (juce::Graphics& g)
{
    g.fillAll (findColour (CorvanelColourIds::knobBackground));
    const auto text = findColour (CorvanelColourIds::knobValueText);
    valueLabel->setColour (juce::Label::textColourId, text);
    valueLabel->setColour (juce::Label::textWhenEditingColourId, text);

    auto* methods = dynamic_cast<LookAndFeelMethods*> (&getLookAndFeel());
    if (methods == nullptr)
        return;

    if (labelPosition == labelRight)
        g.setOrigin (-(getWidth() - getHeight()) / 2, 0);

    const bool over = isMouseOver (false);
    const bool down = isMouseButtonDown (false);
    methods->drawKnobBody (g, *this, over, down);

    if (! isEnabled())
        return;

    if (getMinimum() < 0.0)
        methods->drawBipolarValueArc (g, *this, over, down);
    else
        methods->drawUnipolarValueArc (g, *this, over, down);

    methods->drawModulationAmountArc (g, *this, over);
    methods->drawModulationRangeArc (g, *this, over);
}

void BaseKnob::paint (juce::Graphics& g)
{
    drawKnob (g);
}

void BaseKnob::resized()
{
    if (valueLabelInUse)
        valueLabel->setBounds (getValueLabelBounds());
}

void BaseKnob::sliderValueChanged (juce::Slider*)
{
    const auto value = getValue();
    notifyListeners (value);
    valueLabel->setText (valueText (value), juce::dontSendNotification);
}

void BaseKnob::labelTextChanged (juce::Label* label)
{
    // A typed value reaches the listeners once: the slider is set without
    // notification and the listeners are called here.
    const int lo = static_cast<int> (getMinimum());
    const int hi = static_cast<int> (getMaximum());
    const int n = juce::jlimit (lo, hi, parseLeadingInteger (label->getText()));

    setKnobValue (n, juce::dontSendNotification);
    notifyListeners (n);
    if (onValueChange != nullptr)
        onValueChange();
}

void BaseKnob::setScrollWheelEnabled (bool enabled)
{
    juce::Slider::setScrollWheelEnabled (enabled);
}

void BaseKnob::setTooltip (const juce::String& text)
{
    juce::Slider::setTooltip (text);
    valueLabel->setTooltip (text);
}

UnidirectionalKnob::UnidirectionalKnob (juce::String name)
    : BaseKnob (name)
{
    setRange (0.0, 127.0, 1.0);
    setDoubleClickReturnValue (true, 0.0, juce::ModifierKeys::altModifier);
}

DuodirectionalKnob::DuodirectionalKnob (juce::String name)
    : BaseKnob (name)
{
    setRange (-64.0, 63.0, 1.0);
    setDoubleClickReturnValue (true, 0.0, juce::ModifierKeys::altModifier);
}

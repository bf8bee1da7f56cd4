#include "ui/widgets/knobs/HighResKnobs.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/widgets/FormatHighResValue256.h"

template <typename KnobBase>
FineValueKnob<KnobBase>::FineValueKnob (juce::String name)
    : KnobBase (name)
{
    ownLabel.setMinimumHorizontalScale (1.0f);
    ownLabel.setEditable (true, true, false);
    ownLabel.setJustificationType (juce::Justification::centred);
    ownLabel.setBorderSize ({ 0, 0, 0, 0 });
    ownLabel.setFont (CorvanelFonts::atPoints ("Grotesk Text 55", 10.0f));
    this->addAndMakeVisible (ownLabel);
    ownLabel.addListener (this);

    this->hideValueLabel();
}

template <typename KnobBase>
void FineValueKnob<KnobBase>::setHighResValue (double value)
{
    fineValue = value;
    this->setKnobValue (value, juce::dontSendNotification);
    refreshLabel();
    this->repaint();
}

template <typename KnobBase>
void FineValueKnob<KnobBase>::refreshLabel()
{
    ownLabel.setText (this->getTextFromValue (fineValue), juce::dontSendNotification);
}

template <typename KnobBase>
void FineValueKnob<KnobBase>::mouseMove (const juce::MouseEvent& e)
{
    this->repaint();
    KnobBase::mouseMove (e);
}

template <typename KnobBase>
void FineValueKnob<KnobBase>::mouseDrag (const juce::MouseEvent& e)
{
    if (this->isEnabled())
        KnobBase::mouseDrag (e);
}

template <typename KnobBase>
void FineValueKnob<KnobBase>::mouseUp (const juce::MouseEvent& e)
{
    refreshLabel();
    this->repaint();
    KnobBase::mouseUp (e);
}

template <typename KnobBase>
void FineValueKnob<KnobBase>::enablementChanged()
{
    juce::Slider::enablementChanged();
    auto* parent = this->getParentComponent();
    ownLabel.setVisible (this->isEnabled() && (parent == nullptr || parent->isEnabled()));
}

template <typename KnobBase>
void FineValueKnob<KnobBase>::valueChanged()
{
    // The fine value follows every value the slider takes, so a value set
    // through setKnobValue or a double-click shows too.
    fineValue = this->getValue();
    refreshLabel();
}

template <typename KnobBase>
double FineValueKnob<KnobBase>::snapValue (double attemptedValue, juce::Slider::DragMode)
{
    fineValue = attemptedValue;
    refreshLabel();
    return attemptedValue;
}

template <typename KnobBase>
void FineValueKnob<KnobBase>::setTooltip (const juce::String& text)
{
    KnobBase::setTooltip (text);
    ownLabel.setTooltip (text);
}

template <typename KnobBase>
void FineValueKnob<KnobBase>::finishTypedValue (double v)
{
    fineValue = v;
    this->setKnobValue (v, juce::dontSendNotification);
    fineValue = v;
    refreshLabel();
    this->notifyListeners (v);
    refreshLabel();
    if (this->onValueChange != nullptr)
        this->onValueChange();
    this->repaint();
}

template class FineValueKnob<DuodirectionalKnob>;
template class FineValueKnob<UnidirectionalKnob>;

//==============================================================================
HighResKnob::HighResKnob (juce::String name)
    : FineValueKnob<DuodirectionalKnob> (name)
{
    fineValue = 0.0;
    setKnobValue (0.0, juce::dontSendNotification);
    setRange (0.0, 32766.0, 0.0);
    scale = 128.0;
    refreshLabel();
}

juce::String HighResKnob::getTextFromValue (double value)
{
    if (scale != 128.0)
        return formatHighResValue256 (static_cast<int> (value));

    const int o = static_cast<int> (value - getMinimum()) - 16384;
    if (o == 0)
        return "0.00";

    const int a = std::abs (o);
    const int whole = a / 128;
    int hundredths = std::abs ((o % 128) * 100 / 128);
    if (a < 8)
        hundredths = juce::jmax (hundredths, 1);

    return juce::String (o < 0 ? "-" : "") + juce::String (whole) + "." + juce::String (hundredths).paddedLeft ('0', 2);
}

void HighResKnob::setLabelPosition (int position)
{
    BaseKnob::setLabelPosition (position);
    ownLabel.setJustificationType (position == labelRight ? juce::Justification::centredLeft
                                                          : juce::Justification::centred);
}

void HighResKnob::resized()
{
    ownLabel.setBounds (getValueLabelBounds());
}

void HighResKnob::labelTextChanged (juce::Label* label)
{
    const bool plain = (scale == 1.0);
    const double m = plain ? 256.0 : scale;
    const double c = plain ? 0.0 : (getMaximum() - getMinimum()) * 0.5;
    const double n = label->getText().getDoubleValue() * m;
    double v = c + n;
    if (n >= 0.0)
        v += m * 0.01;
    v = std::floor (juce::jlimit (getMinimum(), getMaximum(), v));
    finishTypedValue (v);
}

//==============================================================================
UniHighResKnob::UniHighResKnob (juce::String name)
    : FineValueKnob<UnidirectionalKnob> (name)
{
    fineValue = 0.0;
    setKnobValue (0.0, juce::dontSendNotification);
    setRange (0.0, 32512.0, 0.0);
    scale = 256.0;
    refreshLabel();
}

juce::String UniHighResKnob::getTextFromValue (double value)
{
    return formatHighResValue256 (static_cast<int> (value));
}

void UniHighResKnob::resized()
{
    ownLabel.setBounds (getValueLabelBounds().expanded (8, 0));
}

void UniHighResKnob::labelTextChanged (juce::Label* label)
{
    const double n = juce::jlimit (getMinimum() / scale, getMaximum() / scale, label->getText().getDoubleValue());
    finishTypedValue (n * scale);
}

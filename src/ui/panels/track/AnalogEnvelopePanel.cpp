#include "ui/panels/track/AnalogEnvelopePanel.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/HuePalette.h"

#include <algorithm>

namespace
{
const FilterEnvelopeRow::Config analogEnvelope {
    "Filter envelope", "Sets the filter envelope sustain level.", 127, "", 36, 96, 52,
};
constexpr int depthOffset = 0x4000;
} // namespace

int AnalogEnvelopePanel::typeIdOfValue (int n)
{
    return juce::isPositiveAndBelow (n, (int) filterTypes.size()) ? filterTypes[(size_t) n] : offType;
}

int AnalogEnvelopePanel::valueOfTypeId (int typeId)
{
    const auto found = std::find (filterTypes.begin(), filterTypes.end(), typeId);
    return found == filterTypes.end() ? 7 : (int) (found - filterTypes.begin());
}

AnalogEnvelopePanel::AnalogEnvelopePanel (PanelContextIfc& context, MachineDataObject* sound, int trackIndex)
    : ParameterPanel (context, sound, trackIndex), envelope (analogEnvelope, *this)
{
    addAndMakeVisible (envelope);

    const struct
    {
        HighResultionTextBoxSlider& box;
        SmallLabel& caption;
        ModulationSlider& bar;
        const char* help;
    } columns[] = {
        { frequency, frequencyCaption, frequencyBar, "Sets the cutoff frequency of the multi-mode filter." },
        { resonance, resonanceCaption, resonanceBar,
          "Sets the filter resonance. Resonance produces a peak in the spectrum at the cutoff frequency. The bandstop "
          "filter mode produces a notch." },
        { depth, depthCaption, depthBar,
          "Sets the amount of cutoff frequency modulation from the filter envelope. The knob is bipolar and allows "
          "both negative and positive modulation depth." },
    };
    for (const auto& column : columns)
    {
        column.box.boxWidthMode = 2;
        column.box.setTooltip (juce::translate (column.help));
        column.box.addListener (this);
        addAndMakeVisible (column.box);
        addAndMakeVisible (column.bar);
        column.caption.setJustificationType (juce::Justification::centredTop);
        addAndMakeVisible (column.caption);
    }
    depth.setRange (-16384.0, 16128.0, 0.01);
    depthBar.setRange (-64.0, 63.0);

    display.setTooltip (juce::translate ("Click and drag to change cutoff frequency and resonance of the multimode filter."));
    display.addChangeListener (this);
    addAndMakeVisible (display);
    typeSelector.addChangeListener (this);
    addAndMakeVisible (typeSelector);

    title.setJustificationType (juce::Justification::centredBottom);
    title.setColour (CorvanelColourIds::smallLabelText, HuePalette::shades (11).bright);
    addAndMakeVisible (title);
}

AnalogEnvelopePanel::~AnalogEnvelopePanel()
{
    releaseBindings();
    typeSelector.removeChangeListener (this);
    display.removeChangeListener (this);
    for (auto* box : { &frequency, &resonance, &depth })
        box->removeListener (this);
}

void AnalogEnvelopePanel::setParameterIds (const std::array<juce::Identifier, 10>& ids)
{
    using Row = FilterEnvelopeRow;
    resonanceId = ids[4];
    frequencyId = ids[5];
    depthId = ids[6];
    typeId = ids[7];
    const Row::Field rowFields[] = { Row::attack, Row::decay, Row::sustain, Row::release };
    for (size_t i = 0; i < 4; ++i)
        envelope.setIdentifier (rowFields[i], ids[i]);
    envelope.setIdentifier (Row::delay, ids[8]);
    envelope.setIdentifier (Row::reset, ids[9]);

    releaseBindings();
    auto rowBinding = [this] (Row::Field field) {
        addBinding (std::make_unique<PanelFunctionBinding> (
            envelope.getIdentifier (field), std::vector<juce::Component*> { &envelope.getHitComponent (field) },
            [this, field] (int v) { envelope.showDeviceValue (field, v); },
            [this, field] (int d) { envelope.setDefaultValue (field, d); }, *this));
    };
    auto boxBinding = [this] (const juce::Identifier& id, juce::Component* hit, std::function<void (int)> show,
                              std::function<void (int)> useDefault) {
        addBinding (std::make_unique<PanelFunctionBinding> (
            id, hit != nullptr ? std::vector<juce::Component*> { hit } : std::vector<juce::Component*> {}, std::move (show),
            std::move (useDefault), *this));
    };

    // In the order a right click tests them.
    for (auto field : { Row::attack, Row::decay, Row::sustain, Row::release })
        rowBinding (field);
    boxBinding (
        resonanceId, &resonance,
        [this] (int v) {
            display.setResonance ((float) (v >> 8));
            resonance.setValue (v, juce::dontSendNotification);
            resonanceBar.setValue (v >> 8);
        },
        [this] (int d) { resonance.setDoubleClickReturnValue (true, d, juce::ModifierKeys::altModifier); });
    boxBinding (
        frequencyId, &frequency,
        [this] (int v) {
            frequency.setValue (v, juce::dontSendNotification);
            frequencyBar.setValue (v >> 8);
            display.setCutoff ((float) v);
        },
        [this] (int d) { frequency.setDoubleClickReturnValue (true, d, juce::ModifierKeys::altModifier); });
    boxBinding (
        depthId, &depth,
        [this] (int v) {
            depth.setValue (v - depthOffset, juce::dontSendNotification);
            depthBar.setValue ((v >> 8) - 64);
        },
        [this] (int d) { depth.setDoubleClickReturnValue (true, d - depthOffset, juce::ModifierKeys::altModifier); });
    rowBinding (Row::delay);
    rowBinding (Row::reset);
    boxBinding (typeId, nullptr, [this] (int v) { showType (v); }, {});

    watch ({ ids.begin(), ids.end() });
    applyDefaults();
    start (false);
}

void AnalogEnvelopePanel::showType (int value)
{
    const int type = typeIdOfValue (value >> 8);
    typeSelector.setSelectedType (type, false);
    display.setFilterType (type);
}

void AnalogEnvelopePanel::sliderValueChanged (juce::Slider* slider)
{
    const int k = static_cast<int> (slider->getValue());
    if (slider == &resonance)
    {
        display.setResonance ((float) (k >> 8));
        writeFromGui (resonanceId, k);
    }
    else if (slider == &frequency)
    {
        display.setCutoff ((float) k);
        writeFromGui (frequencyId, k);
    }
    else if (slider == &depth)
    {
        writeFromGui (depthId, k + depthOffset);
    }
}

void AnalogEnvelopePanel::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source == &typeSelector)
    {
        const int type = typeSelector.getSelectedType();
        display.setFilterType (type);
        writeFromGui (typeId, valueOfTypeId (type) << 8);
    }
    else if (source == &display)
    {
        const float c = display.cutoff;
        const float r = display.resonance;
        frequency.setValue (c * 256.0f, juce::dontSendNotification);
        frequencyBar.setValue (c);
        writeFromGui (frequencyId, (int) (c * 256.0f));
        resonance.setValue (r * 256.0f, juce::dontSendNotification);
        resonanceBar.setValue (r);
        writeFromGui (resonanceId, (int) (r * 256.0f));
    }
}

void AnalogEnvelopePanel::paint (juce::Graphics& g)
{
    const int w = getWidth();
    const int h = FilterEnvelopeRow::upperHalfHeight (getHeight());
    g.setColour (FilterEnvelopeRow::boxColour (hue));
    g.fillRect (8, 8, w - 16, h - 12);
    g.fillRect (8, getHeight() - h + 4, w - 16, h - 12);
}

void AnalogEnvelopePanel::resized()
{
    const int w = getWidth();
    const int fullHeight = getHeight();
    const int h = FilterEnvelopeRow::upperHalfHeight (fullHeight);
    title.setBounds (8, 8, w - 16, 20);
    typeSelector.setBounds (8, 36, w - 16, 12);
    display.setBounds (16, 56, w - 32, juce::jmax (0, h - 120));

    const int x0 = (w - 204) / 2;
    HighResultionTextBoxSlider* boxes[] = { &frequency, &resonance, &depth };
    SmallLabel* captions[] = { &frequencyCaption, &resonanceCaption, &depthCaption };
    ModulationSlider* bars[] = { &frequencyBar, &resonanceBar, &depthBar };
    for (int i = 0; i < 3; ++i)
    {
        const int x = x0 + 68 * i;
        captions[i]->setBounds (x, h - 56, 68, 12);
        boxes[i]->setBounds (x, h - 44, 68, 28);
        bars[i]->setBounds (x + 9, h - 20, 50, 8);
    }
    envelope.setBounds (0, fullHeight - h, w, h);
}

#include "ui/panels/track/FilterEnvelopeRow.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/HuePalette.h"

namespace
{
constexpr int paletteEntry = 11;

struct TimeColumn
{
    const char* caption;
    const char* help;   // null: the row's configured sustain text
    int captionX, captionWidth, boxX, boxWidth, barX;
};

// delay, attack, decay, sustain, release
const TimeColumn timeColumns[FilterEnvelopeRow::numTimes] = {
    { "Delay", "Sets the filter envelope delay time.", 12, 36, 12, 36, 18 },
    { "A", "Sets the filter envelope attack time.", 48, 30, 48, 30, 51 },
    { "D", "Sets the filter envelope decay time.", 106, 38, 111, 28, 113 },
    { "S", nullptr, 164, 36, 164, 36, 170 },
    { "R", "Sets the filter envelope release time.", 196, 46, 205, 28, 207 },
};

// The toggles' columns: decay "Inf", release "Inf", "Reset" (caption x and width, toggle x).
struct ToggleColumn
{
    int captionX, captionWidth, toggleX;
};
const ToggleColumn toggleColumns[3] = { { 144, 20, 146 }, { 238, 20, 240 }, { 78, 28, 84 } };
} // namespace

FilterEnvelopeRow::FilterEnvelopeRow (const Config& configToUse, ParameterWriter& writerToUse)
    : config (configToUse), writer (writerToUse), title (juce::translate (configToUse.title))
{
    const auto& shades = HuePalette::shades (paletteEntry);

    graph.showDelayPoint = true;
    graph.setTooltip (juce::translate ("Click and drag to edit the control points of the envelope."));
    graph.delayCallback = [this] { pointDragged (delay); };
    graph.attackCallback = [this] { pointDragged (attack); };
    graph.decayCallback = [this] { pointDragged (decay); };
    graph.sustainCallback = [this] { pointDragged (sustain); };
    graph.releaseCallback = [this] { pointDragged (release); };
    addAndMakeVisible (graph);

    for (int i = 0; i < numTimes; ++i)
    {
        const auto& column = timeColumns[i];
        auto& box = boxes[(size_t) i];
        box.setTooltip (juce::translate (column.help != nullptr ? column.help : config.sustainHelp));
        box.addListener (this);
        addAndMakeVisible (box);
        addAndMakeVisible (bars[(size_t) i]);
        captions[(size_t) i].setText (juce::translate (column.caption), juce::dontSendNotification);
    }
    captions[reset].setText (juce::translate ("Reset"), juce::dontSendNotification);
    for (auto field : { decay, release })
    {
        boxes[(size_t) field].setRange (0.0, (double) config.decayReleaseMaximum, 1.0);
        boxes[(size_t) field].setDisabledText (config.disabledText);
    }

    for (auto* toggle : { &decayInfinite, &releaseInfinite, &resetToggle })
    {
        toggle->setClickingTogglesState (true);
        addAndMakeVisible (*toggle);
    }
    decayInfinite.onClick = [this] { infiniteToggled (decay); };
    releaseInfinite.onClick = [this] { infiniteToggled (release); };
    resetToggle.onClick = [this] {
        graph.setReset (resetToggle.getToggleState());
        graph.repaint();
        write (reset, resetToggle.getToggleState() ? 256 : 0);
    };

    for (auto* caption : { &captions[0], &captions[1], &captions[2], &captions[3], &captions[4], &captions[5],
                           &decayInfiniteCaption, &releaseInfiniteCaption })
    {
        caption->setJustificationType (juce::Justification::centredTop);
        addAndMakeVisible (*caption);
    }
    title.setJustificationType (juce::Justification::centredBottom);
    title.setColour (CorvanelColourIds::smallLabelText, shades.bright);
    addAndMakeVisible (title);

    for (auto& dash : dashes)
    {
        dash.setColour (RectangleWidget::colourId, shades.dark);
        dash.setOpaque (true);
        addAndMakeVisible (dash);
        dash.toBack();
    }
    for (auto field : { release, decay, attack })
        boxes[(size_t) field].toBack();
}

FilterEnvelopeRow::~FilterEnvelopeRow()
{
    for (auto& box : boxes)
        box.removeListener (this);
}

juce::Component& FilterEnvelopeRow::getHitComponent (Field field)
{
    if (field == reset)
        return resetToggle;
    return boxes[(size_t) field];
}

void FilterEnvelopeRow::write (Field field, int value)
{
    writer.writeFromGui (ids[(size_t) field], value);
}

int FilterEnvelopeRow::graphValue (Field field) const
{
    switch (field)
    {
        case delay: return graph.data.delay;
        case attack: return graph.data.attack;
        case decay: return graph.data.decay;
        case sustain: return graph.data.sustain;
        case release: return graph.data.release;
        default: return 0;
    }
}

void FilterEnvelopeRow::setGraphValue (Field field, int value, bool throughSetter)
{
    if (throughSetter || field == delay || field == attack)
    {
        switch (field)
        {
            case delay: graph.setDelay (value); break;
            case attack: graph.setAttack (value); break;
            case decay: graph.setDecay (value); break;
            case sustain: graph.setSustain (value); break;
            case release: graph.setRelease (value); break;
            default: break;
        }
        return;
    }
    // Decay, sustain and release from the boxes: unless the user holds that point.
    if (graph.isHandleHighlighted (handleOf (field)))
        return;
    if (field == decay)
        graph.data.decay = value;
    else if (field == sustain)
        graph.data.sustain = value;
    else
        graph.data.release = value;
    graph.updatePath();
    graph.repaint();
}

void FilterEnvelopeRow::showTime (Field field, int n)
{
    auto& box = boxes[(size_t) field];
    if (field == decay || field == release)
    {
        auto& state = getTimeState (field);
        state.value = n;
        bars[(size_t) field].setValue (n);
        setGraphValue (field, n, true);
        box.setValue (state.value, juce::dontSendNotification);
        getInfiniteToggle (field).setToggleState (state.isInfinite(), juce::dontSendNotification);
        box.setEnabled (! state.isInfinite());
        return;
    }
    setGraphValue (field, n, true);
    box.setValue (n, juce::dontSendNotification);
    bars[(size_t) field].setValue (box.getValue());
}

void FilterEnvelopeRow::showDeviceValue (Field field, int value)
{
    if (field == reset)
    {
        graph.setReset (value != 0);
        graph.repaint();
        resetToggle.setToggleState (value != 0, juce::dontSendNotification);
        return;
    }
    showTime (field, value >> 8);
}

void FilterEnvelopeRow::setDefaultValue (Field field, int value)
{
    if (field != reset)
        boxes[(size_t) field].setDoubleClickReturnValue (true, value >> 8, juce::ModifierKeys::altModifier);
}

void FilterEnvelopeRow::sliderValueChanged (juce::Slider* slider)
{
    for (int i = 0; i < numTimes; ++i)
    {
        if (slider != &boxes[(size_t) i])
            continue;
        const auto field = static_cast<Field> (i);
        const int k = static_cast<int> (slider->getValue());
        if (field == decay || field == release)
            getTimeState (field).value = k;
        setGraphValue (field, k, false);
        bars[(size_t) i].setValue (k);
        write (field, k << 8);
    }
}

void FilterEnvelopeRow::pointDragged (Field field)
{
    const int value = graphValue (field);
    boxes[(size_t) field].setValue (value, juce::dontSendNotification);
    bars[(size_t) field].setValue (value);
    if (field == decay || field == release)
    {
        // The dragged time is the one an "Inf" toggle returns to.
        getTimeState (field).value = value;
        getInfiniteToggle (field).setToggleState (value == 127, juce::dontSendNotification);
    }
    write (field, value << 8);
}

void FilterEnvelopeRow::infiniteToggled (Field field)
{
    auto& state = getTimeState (field);
    const bool on = getInfiniteToggle (field).getToggleState();
    state.setInfinite (on);
    auto& box = boxes[(size_t) field];
    box.setEnabled (! on);
    box.repaint();
    setGraphValue (field, state.value, false);
    write (field, state.value << 8);
}

int FilterEnvelopeRow::upperHalfHeight (int panelHeight)
{
    return panelHeight / 2 + ((panelHeight % 2 != 0 && (panelHeight / 2) % 2 != 0) ? 1 : 0);
}

juce::Colour FilterEnvelopeRow::boxColour (int hue)
{
    return HuePalette::shades (hue > 16 ? 15 : hue).darkest;
}

void FilterEnvelopeRow::resized()
{
    const int w = getWidth();
    const int h = getHeight();
    title.setBounds (8, 8, w - 16, 20);
    graph.setBounds (16, config.graphTop, w - 32, juce::jmax (0, h - config.graphShorter));

    const int captionY = h - config.bottomLift;
    const int boxY = captionY + 12;
    const int barY = captionY + 32;
    const int toggleY = captionY + 18;
    for (int i = 0; i < numTimes; ++i)
    {
        const auto& column = timeColumns[i];
        captions[(size_t) i].setBounds (column.captionX, captionY, column.captionWidth, 12);
        boxes[(size_t) i].setBounds (column.boxX, boxY, column.boxWidth, 20);
        bars[(size_t) i].setBounds (column.barX, barY, 24, 8);
    }
    SmallLabel* toggleCaptions[3] = { &decayInfiniteCaption, &releaseInfiniteCaption, &captions[reset] };
    LabeledOnOffButton* toggles[3] = { &decayInfinite, &releaseInfinite, &resetToggle };
    for (size_t i = 0; i < 3; ++i)
    {
        const auto& column = toggleColumns[i];
        toggleCaptions[i]->setBounds (column.captionX, captionY, column.captionWidth, 12);
        toggles[i]->setBounds (column.toggleX, toggleY, 16, 8);
        dashes[i].setBounds (column.toggleX - 9, toggleY + 4, 16, 1);
    }
}

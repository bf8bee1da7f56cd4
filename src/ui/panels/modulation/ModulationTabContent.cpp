#include "ui/panels/modulation/ModulationTabContent.h"

#include "ui/panels/engine/ParameterPanel.h"
#include "ui/panels/modulation/DestinationGroups.h"

namespace
{
constexpr int depthWidth = 90;
constexpr int knobHeight = 28;
constexpr int boxHeight = 28;
constexpr int labelHeight = 16;
constexpr int margin = 8;
} // namespace

ModulationTabContent::ModulationTabContent (PanelContextIfc& context, MachineDataObject* sound, SlotIdentifier destinationId,
                                            SlotIdentifier depthId, int trackFlavour)
    : MachineDataObject::Listener<int, MachineDataObject> (&context.getUpdateTimerProvider(), sound, {})
{
    for (int i = 0; i < slotCount; ++i)
    {
        auto& slot = slots[(size_t) i];
        const juce::String number (i + 1);

        slot.destinationLabel = std::make_unique<SmallLabel> ("Destination " + number);
        slot.destinationLabel->setJustificationType (juce::Justification::centredTop);
        addAndMakeVisible (*slot.destinationLabel);

        slot.depthLabel = std::make_unique<SmallLabel> ("Depth " + number);
        slot.depthLabel->setJustificationType (juce::Justification::centredTop);
        addAndMakeVisible (*slot.depthLabel);

        slot.depthKnob = std::make_unique<HighResKnob> (juce::String());
        auto& knob = *slot.depthKnob;
        addAndMakeVisible (knob);
        knob.setLabelPosition (BaseKnob::labelRight);
        knob.referToValue (context.getPreferences().getSliderMouseWheelValue());
        knob.setRange (-32768.0, 32512.0, 1.0);
        knob.scale = 1.0;   // the value text is the raw value / 256
        knob.refreshLabel();

        slot.destinationBox = std::make_unique<DestinationBox> (context, sound, destinationId (i), false);
        addAndMakeVisible (*slot.destinationBox);
        slot.destinationBox->setKind (trackFlavour == 0 ? DestinationBoxKind::midiSourceDigital
                                                        : DestinationBoxKind::midiSourceAnalog);

        const auto& id = depthId (i);
        slot.depth = std::make_unique<FineKnobBinding> (knob, id, *this);
        addIdentifiers ({ id });
    }

    startTimer (fadeIntervalMs);
}

ModulationTabContent::~ModulationTabContent()
{
    stopTimer();
}

void ModulationTabContent::valueChanged (MachineDataObject*, const juce::Identifier& id, int value)
{
    for (auto& slot : slots)
        if (slot.depth->getIdentifier() == id)
            slot.depth->showDeviceValue (value);
}

void ModulationTabContent::writeFromGui (const juce::Identifier& id, int value)
{
    if (auto* sound = getOwner(); sound != nullptr && id.isValid())
        sound->setValueFromGui (id, value);
}

void ModulationTabContent::timerCallback()
{
    for (auto& slot : slots)
        slot.depth->fadeHighlight (ParameterPanel::fadeStep);
}

void ModulationTabContent::resized()
{
    const int innerWidth = juce::jmax (getWidth() - 2 * margin, 0);
    const int innerHeight = juce::jmax (getHeight() - 2 * margin, 0);
    const int leftWidth = innerWidth / 2;
    const int topHeight = innerHeight / 2;

    // Slots 1 and 2 down the left column, 3 and 4 down the right.
    const std::array<juce::Rectangle<int>, slotCount> cells {{
        { margin, margin, leftWidth, topHeight },
        { margin, margin + topHeight, leftWidth, innerHeight - topHeight },
        { margin + leftWidth, margin, innerWidth - leftWidth, topHeight },
        { margin + leftWidth, margin + topHeight, innerWidth - leftWidth, innerHeight - topHeight },
    }};

    for (size_t i = 0; i < slots.size(); ++i)
    {
        const auto& cell = cells[i];
        auto& slot = slots[i];
        const int cx = cell.getX(), cy = cell.getY(), cw = cell.getWidth(), ch = cell.getHeight();
        const int dw = juce::jmin (cw, depthWidth);
        const int lh = juce::jmin (ch, labelHeight);
        const int rest = ch - lh;
        const int boxOffset = rest < 40 ? (rest - boxHeight) / 2 : 6;

        slot.destinationLabel->setBounds (cx, cy, cw - dw, lh);
        slot.destinationBox->setBounds (cx + 4, cy + lh + boxOffset, juce::jmax (cw - dw - 8, 0), boxHeight);
        slot.depthLabel->setBounds (cx + cw - dw, cy, dw, lh);
        slot.depthKnob->setBounds (cx + cw - dw + (dw - depthWidth) / 2, cy + lh + (rest - knobHeight) / 2, depthWidth, knobHeight);
    }
}

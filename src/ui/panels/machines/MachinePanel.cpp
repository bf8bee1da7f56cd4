#include "ui/panels/machines/MachinePanel.h"

#include "model/tables/IdentifierLists.h"
#include "ui/widgets/formatters/ValueFormatters.h"
#include "ui/widgets/knobs/ListKnob.h"

namespace
{
juce::String translatedIf (bool translate, const char* text)
{
    return translate ? juce::translate (text) : juce::String (text);
}

// A list knob over the items with an empty name, built in place by makeListKnob.
std::unique_ptr<ListKnob> makeItemListKnob (const std::vector<std::string>& items)
{
    auto* storage = static_cast<ListKnob*> (::operator new (sizeof (ListKnob)));
    try
    {
        makeListKnob (storage, {}, items);
    }
    catch (...)
    {
        ::operator delete (storage);
        throw;
    }
    return std::unique_ptr<ListKnob> (storage);
}

} // namespace

MachinePanel::MachinePanel (PanelContextIfc& context, int trackIndex, const MachinePanelTable& tableToUse)
    : ParameterPanel (context, trackIndex),
      table (tableToUse),
      family (tableToUse.family != nullptr ? *tableToUse.family : analogFamily)
{
    for (const auto& column : table.columns)
        columns.push_back (buildColumn (column));

    watch (machineIdList (table.type));
    applyDefaults();
    start();
    setHue (family.hue);
}

MachinePanel::~MachinePanel()
{
    releaseBindings();
}

void MachinePanel::configureKnob (BaseKnob& knob, const MachineColumn& column)
{
    addAndMakeVisible (knob);
    knob.setTooltip (juce::translate (column.help));
    knob.referToValue (preferences.getSliderMouseWheelValue());
    knob.setCompact (true);
}

MachinePanel::BuiltColumn MachinePanel::buildColumn (const MachineColumn& column)
{
    BuiltColumn built;
    const auto& id = *column.id;

    if (juce::String (column.caption).isNotEmpty())
    {
        auto& caption = adopt (std::make_unique<SmallLabel> (translatedIf (family.translatesCaptions, column.caption)));
        caption.setJustificationType (juce::Justification::centredTop);
        if (column.captionTooltip)
            caption.setTooltip (juce::translate (column.help));
        addAndMakeVisible (caption);
        built.caption = &caption;
    }

    std::unique_ptr<ControlBinding> binding;

    switch (column.kind)
    {
        case ControlKind::unipolar:
        case ControlKind::bipolar:
        case ControlKind::list:
        {
            BaseKnob* knob = nullptr;
            if (column.makeKnob != nullptr)
                knob = &adopt (column.makeKnob());
            else if (column.formatter != nullptr)
                knob = &adopt (std::make_unique<ListKnob> (juce::String(), 127, column.formatter, ListKnob::IconFunction {}));
            else if (column.kind == ControlKind::list)
                knob = &adopt (makeItemListKnob (column.items));
            else if (column.kind == ControlKind::bipolar)
                knob = &adopt (std::make_unique<DuodirectionalKnob> (juce::String()));
            else
                knob = &adopt (std::make_unique<UnidirectionalKnob> (juce::String()));

            configureKnob (*knob, column);
            binding = std::make_unique<KnobBinding> (*knob, id, column.kind, *this);
            built.components.push_back (knob);
            break;
        }

        case ControlKind::tune:
        {
            auto& knob = adopt (std::make_unique<UniHighResKnob> (juce::String()));
            configureKnob (knob, column);
            knob.setRange (column.tuneMinimum, column.tuneMaximum, 0.01);
            binding = std::make_unique<TuneKnobBinding> (knob, id, *this);
            built.components.push_back (&knob);
            break;
        }

        case ControlKind::overdrive:
        {
            auto& slider = adopt (std::make_unique<OverdriveSlider>());
            addAndMakeVisible (slider);
            slider.setTooltip (juce::translate (column.help));
            if (family.overdriveFollowsWheelPreference)
                slider.referToValue (preferences.getSliderMouseWheelValue());
            binding = std::make_unique<OverdriveBinding> (slider, id, *this);
            built.components.push_back (&slider);
            break;
        }

        case ControlKind::onOff:
        {
            auto& button = adopt (std::make_unique<LabeledOnOffButton> (juce::String()));
            button.setButtonText ({});
            button.vertical = family.uprightSwitch;
            button.setTooltip (translatedIf (family.translatesSwitchHelp, column.help));
            addAndMakeVisible (button);
            binding = std::make_unique<SwitchBinding> (button, id, family.onOffThreshold, *this);
            built.components.push_back (&button);
            break;
        }

        case ControlKind::custom:
        {
            if (column.makeCustom == nullptr)
                break;
            auto& custom = adopt (column.makeCustom());
            // Added last to first, so a part in front is also first in hit order.
            const auto parts = custom.getParts();
            for (auto part = parts.rbegin(); part != parts.rend(); ++part)
                addAndMakeVisible (part->component);
            for (const auto& part : parts)
                built.components.push_back (part.component);
            binding = std::make_unique<CustomBinding> (custom, id, *this);
            built.custom = &custom;
            break;
        }

        case ControlKind::fine:   // the modulation depth knobs; no machine column uses one
            break;
    }

    if (binding != nullptr)
    {
        binding->setOpensMenu (column.rightClickOpensMenu);
        addBinding (std::move (binding));
    }

    return built;
}

int MachinePanel::controlHeightOf (const MachineColumn& column) const
{
    if (column.controlHeight > 0)
        return column.controlHeight;
    return column.kind == ControlKind::tune || column.kind == ControlKind::overdrive ? tallControlHeight : knobHeight;
}

void MachinePanel::resized()
{
    const int width = getWidth();
    const int eighth = width / 8;
    const int top = (getHeight() - bandHeight) / 2;

    int x = 0;
    for (size_t i = 0; i < columns.size(); ++i)
    {
        const auto& column = table.columns[i];
        const auto& built = columns[i];
        const int w = juce::jmax (0, juce::jmin (width - x, eighth + column.widthDelta));
        const ColumnCell cell { x, top, w };
        const bool isSwitch = column.kind == ControlKind::onOff;

        if (built.caption != nullptr)
        {
            const int captionH = isSwitch ? family.switchCaptionHeight : captionHeight;
            built.caption->setBounds (column.placeCaption != nullptr
                                          ? column.placeCaption (cell)
                                          : juce::Rectangle<int> (x - column.captionWiden, top, juce::jmax (0, w + 2 * column.captionWiden), captionH));
        }

        if (column.placeControl != nullptr)
        {
            for (auto* component : built.components)
                component->setBounds (column.placeControl (cell));
        }
        else if (built.custom != nullptr)
        {
            for (const auto& part : built.custom->getParts())
                part.component->setBounds (part.place != nullptr ? part.place (cell) : captionlessCell (cell));
        }
        else if (isSwitch)
        {
            for (auto* component : built.components)
                component->setBounds (family.placeSwitch (cell));
        }
        else
        {
            for (auto* component : built.components)
                component->setBounds (x, top + captionHeight, w, controlHeightOf (column));
        }

        x += w;
    }
}

#include "ui/panels/fxblock/MasterOverdrivePanel.h"

#include "model/tables/ParameterIds.h"
#include "ui/widgets/formatters/ValueFormatters.h"

MasterOverdrivePanel::MasterOverdrivePanel (PanelContextIfc& context)
    : ParameterPanel (context, Vantu::Kit::numTracks, true, false),
      knob ("Overdrive", 128, overdriveFormatter, {}),
      globalMode (context, globalModeBit, { &caption })
{
    knob.setRange (0.0, 127.0, 1.0);
    knob.setTooltip (juce::translate ("Adjusts the Master Overdrive."));
    knob.referToValue (preferences.getSliderMouseWheelValue());
    addAndMakeVisible (knob);
    addBinding (std::make_unique<KnobBinding> (knob, FX_AmpOverdrive, ControlKind::list, *this));

    caption.setJustificationType (juce::Justification::centred);
    addAndMakeVisible (caption);

    watch ({ FX_AmpOverdrive });
    applyDefaults();
    start();
}

MasterOverdrivePanel::~MasterOverdrivePanel()
{
    releaseBindings();
}

void MasterOverdrivePanel::resized()
{
    // A 74-pixel column, centred vertically between 16-pixel margins.
    const int w = juce::jmax (0, getWidth() - 32);
    const int h = juce::jmax (0, getHeight() - 32);
    const int top = (h - 74) / 2;
    caption.setBounds (16, top + 16, w, 20);
    knob.setBounds (16, top + 36, w, 54);
}

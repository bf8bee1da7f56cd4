#include "ui/panels/engine/GlobalModeCaptions.h"

#include "model/tables/ParameterIds.h"
#include "ui/lookandfeel/ColourIds.h"

GlobalModeCaptions::GlobalModeCaptions (PanelContextIfc& context, int bitToUse, std::vector<SmallLabel*> captionsToPaint)
    : MachineDataObject::Listener<int, Vantu::Settings> (&context.getUpdateTimerProvider(), &context.getSettings(),
                                                         { Settings_GlobalModeMask }),
      bit (bitToUse),
      captions (std::move (captionsToPaint))
{
}

void GlobalModeCaptions::valueChanged (Vantu::Settings*, const juce::Identifier& id, int value)
{
    if (id != Settings_GlobalModeMask)
        return;

    global = (value & (1 << bit)) > 0;
    paintCaptions();
}

void GlobalModeCaptions::paintCaptions()
{
    const auto background = juce::Colour (global ? onBackground : offBackground);
    const auto text = juce::Colour (global ? onText : offText);

    for (auto* caption : captions)
    {
        caption->setColour (CorvanelColourIds::smallLabelBackground, background);
        caption->setColour (CorvanelColourIds::smallLabelText, text);
    }
}

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

void GlobalModeCaptions::colourCaption (SmallLabel& caption, bool isGlobal)
{
    caption.setColour (CorvanelColourIds::smallLabelBackground, juce::Colour (isGlobal ? onBackground : offBackground));
    caption.setColour (CorvanelColourIds::smallLabelText, juce::Colour (isGlobal ? onText : offText));
}

void GlobalModeCaptions::paintCaptions()
{
    for (auto* caption : captions)
        colourCaption (*caption, global);
}

#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The classic and metallic cymbals of track T12. The metallic colour is watched
// without a control.

const MachinePanelTable& MachinePanelTables::cymbalClassic()
{
    static const MachinePanelTable table {
        24, &analogFamily,
        {
            { "Tune", Sound_CyClassicTune, ControlKind::bipolar, "Sets the pitch of the interacting oscillators of the cymbal." },
            { "Tone", Sound_CyClassicTone, ControlKind::bipolar, "Sets the metallic tone of the cymbal." },
            { "Decay Time", Sound_CyClassicDecay, ControlKind::unipolar, "Sets the length of the decay phase of the cymbal." },
            { "Noise Color", Sound_CyClassicNoiseColor, ControlKind::bipolar, "Sets the timbral color of the cymbal." },
            { "Overdrive", Sound_CyClassicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::cymbalMetallic()
{
    static const MachinePanelTable table {
        28, &analogFamily,
        {
            { "Tune", Sound_CyMetallicTune, ControlKind::bipolar,
              "Sets the pitch of the ringmodulated oscillators of the metallic cymbal." },
            { "Tone", Sound_CyMetallicTone, ControlKind::bipolar, "Sets the tone of the metallic transient." },
            MachineColumn ("Transient Decay", Sound_CyMetallicTransientDecay, ControlKind::unipolar,
                           "Sets the length of the transient decay phase.")
                .withCaptionWiden (4),
            { "Decay Time", Sound_CyMetallicDecayTime, ControlKind::unipolar, "Sets the length of the decay phase of the oscillators." },
            { "Overdrive", Sound_CyMetallicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

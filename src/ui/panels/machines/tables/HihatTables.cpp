#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The hi-hats of track T12. The metallic colours are watched without a control.

const MachinePanelTable& MachinePanelTables::closedHihatClassic()
{
    static const MachinePanelTable table {
        22, &analogFamily,
        {
            { "Tune", Sound_ChClassicTune, ControlKind::bipolar, "Sets the pitch of the six oscillators of the classic closed hi-hat." },
            { "Decay Time", Sound_ChClassicDecayTime, ControlKind::unipolar, "Sets the length of the hi-hat sound." },
            { "Noise Color", Sound_ChClassicNoiseColor, ControlKind::bipolar,
              "Sets the timbral color, the virtual hardness of the imaginary metal alloy of which the immaterial hihat is made." },
            { "Overdrive", Sound_ChClassicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::openHihatClassic()
{
    static const MachinePanelTable table {
        23, &analogFamily,
        {
            { "Tune", Sound_OhClassicTune, ControlKind::bipolar, "Sets the pitch of the six oscillators of the open hihat." },
            { "Decay Time", Sound_OhClassicDecayTime, ControlKind::unipolar, "Sets the length of the sound." },
            { "Noise Color", Sound_OhClassicNoiseColor, ControlKind::bipolar, "Sets the timbral color." },
            { "Overdrive", Sound_OhClassicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::closedHihatMetallic()
{
    static const MachinePanelTable table {
        26, &analogFamily,
        {
            { "Tune", Sound_ChMetallicTune, ControlKind::bipolar, "Sets the pitch of the interacting oscillators of the metal hi-hat." },
            { "Decay Time", Sound_ChMetallicDecayTime, ControlKind::unipolar, "Sets the length of the decay phase." },
            { "Overdrive", Sound_ChMetallicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::openHihatMetallic()
{
    static const MachinePanelTable table {
        27, &analogFamily,
        {
            { "Tune", Sound_OhMetallicTune, ControlKind::bipolar, "Sets the pitch of the interacting oscillators of the metal hi-hat." },
            { "Decay Time", Sound_OhMetallicDecayTime, ControlKind::unipolar, "Sets the length of the decay phase." },
            { "Overdrive", Sound_OhMetallicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::hihatBasic()
{
    static const MachinePanelTable table {
        31, &analogFamily,
        {
            { "Tune", Sound_HhBasicTune, ControlKind::bipolar,
              "Sets the pitch of the six oscillators that combine to make the basic hihat sound." },
            { "Tone", Sound_HhBasicTone, ControlKind::bipolar,
              "Sets the tone of the sound. Positive values produce an increasingly shrill tone, while negative values result in a deeper tone." },
            MachineColumn ("Transient Decay", Sound_HhBasicTransientDecay, ControlKind::unipolar,
                           "Sets the early decay rate of the sound. Shorter settings emphasize the transient. ")
                .withCaptionWiden (8),
            { "Decay Time", Sound_HhBasicDecayTime, ControlKind::unipolar, "Sets the length of the hi-hat sound." },
            { "Osc Reset", Sound_HhBasicOscReset, ControlKind::onOff,
              "Activate in order to reset the oscillators for each triggering of the sound, or deactivate to let the oscillators run free. " },
            { "Overdrive", Sound_HhBasicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

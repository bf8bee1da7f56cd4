#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The rimshots of tracks T9 to T11: seven columns; the symmetry is watched
// without a control.

const MachinePanelTable& MachinePanelTables::rimshotHard()
{
    static const MachinePanelTable table {
        18, &analogFamily,
        {
            { "Tune", Sound_RsHardTune, ControlKind::tune, "Sets the pitch of the oscillator." },
            { "Sweep Time", Sound_RsHardSweepTime, ControlKind::unipolar, "Sets the pitch sweep time." },
            { "Sweep Depth", Sound_RsHardSweepDepth, ControlKind::unipolar, "Sets the depth of the pitch sweep." },
            { "Decay Time", Sound_RsHardDecayTime, ControlKind::unipolar, "Sets the length of the decay phase." },
            { "Tick Level", Sound_RsHardTickLevel, ControlKind::unipolar, "Sets the level of the transient tick." },
            { "Noise Level", Sound_RsHardNoiseLevel, ControlKind::unipolar, "Sets the noise level." },
            { "Overdrive", Sound_RsHardLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::rimshotClassic()
{
    static const MachinePanelTable table {
        19, &analogFamily,
        {
            { "Tune Osc1", Sound_RsClassicTune1, ControlKind::tune, "Sets the pitch of the first oscillator." },
            MachineColumn ("Tune Osc2", Sound_RsClassicTune2, ControlKind::tune, "Sets the pitch of the second oscillator.")
                .withTuneRange (-8192.0, 8192.0),
            { "Balance", Sound_RsClassicOscBalance, ControlKind::bipolar, "Sets the balance between oscillator 1 and oscillator 2." },
            { "Decay Time", Sound_RsClassicDecayTime, ControlKind::unipolar, "Sets the length of the decay phase." },
            { "Tick Level", Sound_RsClassicTickLevel, ControlKind::unipolar, "Sets the level of the transient tick." },
            { "Noise Level", Sound_RsClassicNoiseLevel, ControlKind::unipolar, "Sets the noise level." },
            { "Overdrive", Sound_RsClassicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}
